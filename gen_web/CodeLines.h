#pragma once

#include "model/TextFile.h"

#include <initializer_list>

// One line of fixed generated text: its indent in tabs and its text, written as it stands
// ("%" included).
struct CodeLine
{
    int indent;
    const char* text;
};

// Writes each line followed by a line end.
inline void WriteCodeLines(TextFile& file, std::initializer_list<CodeLine> lines)
{
    for (const CodeLine& line : lines)
        file.Write(line.indent, "%s\n", line.text);
}
