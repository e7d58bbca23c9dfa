int main = 0;
int start() { return main; }
