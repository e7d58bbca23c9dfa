void dead()
{
}
int main() { return 0; }
