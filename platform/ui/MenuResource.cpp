#include "platform/ui/MenuResource.h"

#include "platform/ui/Menu.h"
#include "platform/ui/QtText.h"

#include <map>
#include <utility>

namespace
{
std::map<UINT, std::vector<BYTE>>& MenuResources()
{
    static std::map<UINT, std::vector<BYTE>> resources;
    return resources;
}

std::map<UINT, std::vector<ACCEL>>& AcceleratorResources()
{
    static std::map<UINT, std::vector<ACCEL>> resources;
    return resources;
}

void PutWord(std::vector<BYTE>& bytes, WORD word)
{
    bytes.push_back(static_cast<BYTE>(word & 0xFF));
    bytes.push_back(static_cast<BYTE>(word >> 8));
}

WORD ReadWord(const std::vector<BYTE>& bytes, std::size_t& at)
{
    if (at + 2 > bytes.size())
    {
        at = bytes.size() + 1;
        return 0;
    }
    const auto word = static_cast<WORD>(bytes[at] | (bytes[at + 1] << 8));
    at += 2;
    return word;
}

void PutItems(std::vector<BYTE>& bytes, const std::vector<MenuResourceItem>& items)
{
    for (std::size_t index = 0; index < items.size(); ++index)
    {
        const MenuResourceItem& item = items[index];
        WORD flags = item.popup ? MF_POPUP : 0;
        if (index + 1 == items.size())
            flags |= MF_END;
        PutWord(bytes, flags);
        if (!item.popup)
            PutWord(bytes, static_cast<WORD>(item.id));
        for (const char16_t unit : ToQString(item.text).toStdU16String())
            PutWord(bytes, static_cast<WORD>(unit));
        PutWord(bytes, 0);
        if (item.popup)
            PutItems(bytes, item.items);
    }
}
} // namespace

MenuResourceItem MenuCommand(const char* text, UINT id)
{
    return {text, id, false, {}};
}

MenuResourceItem MenuSeparator()
{
    return {"", 0, false, {}};
}

MenuResourceItem MenuPopup(const char* text, std::vector<MenuResourceItem> items)
{
    return {text, 0, true, std::move(items)};
}

void RegisterMenuResource(UINT resourceId, const std::vector<MenuResourceItem>& items)
{
    std::vector<BYTE> bytes;
    PutWord(bytes, 0);
    PutWord(bytes, 0);
    PutItems(bytes, items);
    MenuResources()[resourceId] = std::move(bytes);
}

const std::vector<BYTE>* FindMenuResource(UINT resourceId)
{
    const auto it = MenuResources().find(resourceId);
    return it != MenuResources().end() ? &it->second : nullptr;
}

bool ReadMenuResourceEntry(const std::vector<BYTE>& bytes, std::size_t& at,
                           MenuResourceEntry& entry)
{
    entry.flags = ReadWord(bytes, at);
    entry.id = (entry.flags & MF_POPUP) != 0 ? 0 : ReadWord(bytes, at);
    std::u16string text;
    for (WORD unit = ReadWord(bytes, at); unit != 0 && at <= bytes.size();
         unit = ReadWord(bytes, at))
        text.push_back(static_cast<char16_t>(unit));
    entry.text = FromQString(QString::fromStdU16String(text));
    return at <= bytes.size();
}

void RegisterAcceleratorResource(UINT resourceId, const std::vector<ACCEL>& keys)
{
    AcceleratorResources()[resourceId] = keys;
}

const std::vector<ACCEL>* FindAcceleratorResource(UINT resourceId)
{
    const auto it = AcceleratorResources().find(resourceId);
    return it != AcceleratorResources().end() ? &it->second : nullptr;
}
