int main() { return 0; }
int spare; // end