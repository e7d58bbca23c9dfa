int main() {
  if x) return 1;
}
