// Parses arbitrary bytes as a C# source file, as the user function editor reads a class file.
// The parse ends with 0, 1, 2 or 3 and leaves the program running; a second parse of the same
// bytes after Clear gives the same result and the same index, so nothing of the first parse is
// read into the second.
#include "gen_reports/CSharpParser.h"

#include "tests/gen_reports/CSharpSource.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void Check(bool condition, const char* what)
{
    if (!condition)
    {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CSharpParser parser(true);
    const int first = ParseText(parser, text);
    Check(first >= 0 && first <= 3, "a result other than 0, 1, 2 or 3");
    const std::string index = IndexText(parser);
    parser.Clear();
    Check(ParseText(parser, text) == first, "a second parse gave another result");
    Check(IndexText(parser) == index, "a second parse gave another index");
    return 0;
}
