#include <cstdio>
int main() { std::puts("dorvane-cli"); return 0; }
