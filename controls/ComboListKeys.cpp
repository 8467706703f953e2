#include "controls/ComboListKeys.h"

#include "platform/ui/Messages.h"

#include <algorithm>
#include <cctype>

std::optional<int> ComboKeyTarget(UINT key, int selection, int page,
                                  const std::vector<CString>& entries)
{
    switch (key)
    {
    case VK_PRIOR:
        return selection - page + 1;
    case VK_NEXT:
        return selection + page - 1;
    case VK_END:
        return static_cast<int>(entries.size()) - 1;
    case VK_HOME:
        return 0;
    case VK_UP:
        return selection - 1;
    case VK_DOWN:
        return selection + 1;
    default:
        break;
    }
    if (key < 'A' || key > 'Z')
        return std::nullopt;
    for (int i = std::max(selection, 0); i < static_cast<int>(entries.size()); ++i)
    {
        const CString& entry = entries[static_cast<size_t>(i)];
        if (!entry.IsEmpty() &&
            std::toupper(static_cast<unsigned char>(entry.GetAt(0))) == static_cast<int>(key))
            return i;
    }
    return std::nullopt;
}

int ClampComboPosition(int position, int count)
{
    return std::clamp(position, 0, std::max(count - 1, 0));
}
