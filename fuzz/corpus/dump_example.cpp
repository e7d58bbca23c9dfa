int g, h;
void f() { h = p(); }
int main() { int i; return g; }
