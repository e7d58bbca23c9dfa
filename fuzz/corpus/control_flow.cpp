int limit = 3;
int main() {
  int total = 0;
  for (int i = 0; i < limit; i++) total += i;
  while (total > 10) { total--; }
  do { total++; } while (total < 2);
  switch (total) {
    case 1: { int inner; } break;
    default: int label = 0;
  }
  if (total) return total; else return 0;
}
