// Program entry: placeholder until the Qt backend lands.
int main() { return 0; }
