#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A read stream over the text, closed when dropped.
inline std::unique_ptr<std::FILE, int (*)(std::FILE*)> SourceStream(const std::string& text)
{
    // fmemopen refuses a size of 0; one byte past the text's end is its terminator, never read.
    std::FILE* stream = text.empty() ? std::fopen("/dev/null", "r")
                                     : ::fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    return {stream, &std::fclose};
}
