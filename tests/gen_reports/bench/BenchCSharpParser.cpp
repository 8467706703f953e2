// Parses each C# file named in the list file (one path a line), one parser per file, as the user
// function editor reads a class file, and prints how many were read and how many did not parse
// to 0. Non-zero exit status when one did not.
#include "gen_reports/CSharpParser.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <file listing the C# files>\n", argv[0]);
        return 2;
    }
    std::ifstream list(argv[1]);
    int files = 0;
    int refused = 0;
    for (std::string path; std::getline(list, path);)
    {
        CSharpParser parser(true);
        if (parser.Parse(path.c_str(), nullptr) != 0)
        {
            std::fprintf(stderr, "not parsed: %s\n", path.c_str());
            ++refused;
        }
        ++files;
    }
    std::printf("%d files parsed, %d not to 0\n", files, refused);
    return refused == 0 ? 0 : 1;
}
