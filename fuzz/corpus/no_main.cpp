int counter = 0;
void bump() { counter++; }
void reset() { counter = 0; bump(); }
