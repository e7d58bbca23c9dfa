int first,
second;
int main() { return second; }
