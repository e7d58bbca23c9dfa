int base = 10;
int derived = base * 2;
int table[SIZE] = { base, lookup(3) };
int main() { return derived; }
