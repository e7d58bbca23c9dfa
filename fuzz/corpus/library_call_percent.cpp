#include <stdio.h>
void quiet() { puts("never"); }
int main() {
  printf("%d\n", 1);
  printf("%s\n", "x");
  return 0;
}
