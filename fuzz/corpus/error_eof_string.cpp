int main() {
  puts("open
