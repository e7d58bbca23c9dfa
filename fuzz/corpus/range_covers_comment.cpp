int main() { return 0; }
int x /* note */;
char *p, *q;
