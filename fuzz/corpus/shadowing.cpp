int value = 1;
int other = 2;
int main() {
  int value = 3;
  { int other = 4; }
  return value + other;
}
