#pragma once

#include "platform/core/TextBytes.h"

#include <cstdio>
#include <string>

// The program's own runs of control characters as "first-last" in hex, joined by the separator,
// for the generated code's checks that run outside the program.
inline std::string ControlRunsText(const char* separator)
{
    std::string runs;
    for (const CharacterRange& range : ControlCharacterRanges())
    {
        char run[32];
        std::snprintf(run, sizeof run, "%X-%X", static_cast<unsigned>(range.first),
                      static_cast<unsigned>(range.last));
        runs += (runs.empty() ? "" : separator) + std::string(run);
    }
    return runs;
}
