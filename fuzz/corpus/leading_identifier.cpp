struct Node { int n; };
int i, a[4], x;
Node s;
Node *p;
int main() {
  i++;
  a[i] = 0;
  p->n = 0;
  x;
  s.n++;
  return 0;
}
