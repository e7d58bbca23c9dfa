int main() {
  ghost;
  ghost = 1;
  phantom(ghost);
  phantom();
  { ghost; }
  return 0;
}
