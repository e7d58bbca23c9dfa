int main() {
  return 7 @ 2;
}
