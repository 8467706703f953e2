#include "platform/core/StringTable.h"

#include <map>

namespace
{
std::map<UINT, CString>& Strings()
{
    static std::map<UINT, CString> strings;
    return strings;
}
} // namespace

void RegisterStringResource(UINT id, const CString& text)
{
    Strings()[id] = text;
}

CString LoadStringResource(UINT id)
{
    const auto found = Strings().find(id);
    return found != Strings().end() ? found->second : CString();
}
