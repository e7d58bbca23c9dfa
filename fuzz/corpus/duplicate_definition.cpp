int twice(int v) { return v + v; }
int twice(int v) { return 2 * v; }
int main() { return twice(1); }
