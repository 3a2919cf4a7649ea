#include <cstdio>

int main()
{
    std::puts("norvane-cli: the headless front end is being built.");
    return 0;
}
