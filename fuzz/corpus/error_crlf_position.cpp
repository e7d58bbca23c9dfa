int main() {
  5;
}
