int fact(int n) { if (n) return n * fact(n - 1); trace(n); return 1; }
int pong(int k) { return ping(k); }
int ping(int k) { if (k) return pong(k - 1); return 0; }
int main() { return fact(3) + fact(4) + ping(2); }
