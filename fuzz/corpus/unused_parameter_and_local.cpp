int add(int a, int b, int unused)
{
  int sum = a + b;
  int scratch;
  return sum;
}
int main() { return add(1, 2, 3); }
