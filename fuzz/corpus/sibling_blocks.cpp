int main() {
  { int a = 1; }
  { return a; }
}
