int main() { return 0; }
void dead() {}