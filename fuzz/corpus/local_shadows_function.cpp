int helper() { return 1; }
int step() { return 2; }
int main() {
  int helper = 2;
  int step = 3;
  step();
  return helper;
}
