#include <stdlib.h>
int by_value(const void *l, const void *r) { return cmp(l, r); }
int never(int z) { return z; }
int main() {
  int v[3] = {3, 1, 2};
  qsort(v, 3, 4, by_value);
  return 0;
}
