#include "shell/ForgeonApp.h"

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    for (int index = 1; index < argc; ++index)
    {
        if (std::strcmp(argv[index], "--version") == 0)
        {
            std::printf("Kestrane Weavo %s\n", WEAVO_VERSION);
            return 0;
        }
    }
    return AfxWinMain(argc, argv, [] { return std::make_unique<ForgeonApp>(); });
}
