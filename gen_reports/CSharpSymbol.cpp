#include "gen_reports/CSharpSymbol.h"

CSharpSymbolTable::CSharpSymbolTable()
{
    for (const char* text :
         {"void", "short byte", "byte", "short", "unsigned short", "int", "unsigned int", "long",
          "unsigned long", "char", "float", "double", "object", "string"})
        m_symbols.push_back({text, 0});
}

int CSharpSymbolTable::FindOrAdd(std::string_view text)
{
    const auto [found, added] =
        m_indexes.try_emplace(std::string(text), static_cast<int>(m_symbols.size()));
    if (added)
        m_symbols.push_back({CString(text.data(), static_cast<int>(text.size())), 0});
    return found->second;
}

const CSharpSymbol& CSharpSymbolTable::At(int index) const
{
    static const CSharpSymbol none;
    return index >= 0 && index < GetCount() ? m_symbols[static_cast<std::size_t>(index)] : none;
}
