int main() { return 0; }
/* not closed