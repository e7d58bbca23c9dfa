int main() {
  // cafÿ
  puts("ÿ");
  return 0;
}
