#include <stdio.h>

int counter;
int unused_total = 0, limit = 10;

/* Never called from main. */
static int twice(int v) {
    return v + v;
}

int step(int n) {
    int scratch;
    counter += n;
    return counter;
}

int main() {
    int i;
    for (i = 0; i < limit; i++) step(i);
    printf("%d\n", counter);
    return 0;
}
