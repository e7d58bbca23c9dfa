int keep1,
    gone,
    keep2;
int main() { return keep1 + keep2; }
