#pragma once

#include "platform/core/CString.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An entry of the C# reader's symbol table: an identifier's text (the value is always 0).
struct CSharpSymbol
{
    CString text;
    int value = 0;
};

// The symbol table of one CSharpParser: the fixed type entries first, then every identifier
// the scanner met, each text once. Found through a hash index.
class CSharpSymbolTable
{
public:
    // The fixed entries, in index order; the predefined types give these indexes.
    enum FixedEntry
    {
        Void,
        ShortByte,
        Byte,
        Short,
        UnsignedShort,
        Int,
        UnsignedInt,
        Long,
        UnsignedLong,
        Char,
        Float,
        Double,
        Object,
        String,
        FixedCount
    };

    CSharpSymbolTable();

    // The index of the text, added behind the others when it is new.
    int FindOrAdd(std::string_view text);
    // The entry; the empty symbol when the index is out of range.
    const CSharpSymbol& At(int index) const;
    int GetCount() const { return static_cast<int>(m_symbols.size()); }

private:
    std::vector<CSharpSymbol> m_symbols;
    std::unordered_map<std::string, int> m_indexes;
};
