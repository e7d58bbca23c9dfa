// numbers are no names
int ok;
int 5;
