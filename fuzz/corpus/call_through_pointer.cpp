typedef int (*Op)(int);
int twice(int v) { return v * 2; }
int apply(Op fn, int v) { return fn(v); }
int main() {
  Op pass = twice;
  Op direct = twice;
  direct(2);
  return apply(pass, 1);
}
