int f(void);
int main() {
  5;
}
