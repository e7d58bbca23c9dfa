int main() {
  char c = 'x;
  return 0;
}
