int x;
int g() { return 1; }
int f() { return x; }
int main() { f(); return 0; }
