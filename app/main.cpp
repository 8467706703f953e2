#include <cstdio>

int main()
{
    std::printf("Kestrane Weavo %s\n", WEAVO_VERSION);
    return 0;
}
