int main() { return tail; }

/* helper that
   nobody calls */
int helper(int a)
{

  return a;
}
// trailing note
#define DONE 1
int tail;
