int twice(int v);
extern int api(void);
int main() { return twice(api()); }
int twice(int v) { return v * 2; }
