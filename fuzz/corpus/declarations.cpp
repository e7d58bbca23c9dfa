struct Pair { int a; int b; } pair;
enum Color { RED, GREEN };
typedef char *Text;
extern int count;
int a = 1, b, c[2];
int __cdecl main(void) { return a + c[0] + count + pair + RED; }
