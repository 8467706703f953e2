// classic_page_check <page>...: prints each problem of each page and exits with 1 when a page
// has one.
#include "tests/gen_classic/PageCheck.h"

#include <iostream>

int main(int argc, char** argv)
{
    int status = 0;
    for (int i = 1; i < argc; ++i)
    {
        for (const std::string& problem : CheckPageFile(argv[i]))
        {
            std::cout << argv[i] << ": " << problem << "\n";
            status = 1;
        }
    }
    return status;
}
