int only_in_dead = 5;
int dead() { int local; return only_in_dead; }
int main() { return 0; }
