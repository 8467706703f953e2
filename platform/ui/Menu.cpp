#include "platform/ui/Menu.h"

#include "platform/ui/MenuData.h"
#include "platform/ui/MenuResource.h"
#include "platform/ui/QtMenus.h"
#include "platform/ui/Wnd.h"

#include <set>
#include <utility>

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace
{
constexpr UINT kNoItem = 0xFFFFFFFF;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED;

std::set<HMENU>& LiveMenus()
{
    static std::set<HMENU> menus;
    return menus;
}

HMENU NewMenu()
{
    auto* menu = new MenuData;
    LiveMenus().insert(menu);
    return menu;
}

PopupMenuTracker& InstalledTracker()
{
    static PopupMenuTracker tracker;
    return tracker;
}

std::vector<HMENU>& TrackedMenus()
{
    static std::vector<HMENU> menus;
    return menus;
}

MenuItem MakeItem(UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    MenuItem item;
    item.flags = flags & ~MF_BYPOSITION;
    if ((flags & MF_POPUP) != 0)
        item.popup = reinterpret_cast<HMENU>(idOrPopup);
    else
        item.id = (flags & MF_SEPARATOR) != 0 ? 0 : static_cast<UINT>(idOrPopup);
    if ((flags & MF_OWNERDRAW) != 0)
        item.itemData = reinterpret_cast<DWORD_PTR>(text);
    else if ((flags & MF_SEPARATOR) == 0)
        item.text = text != nullptr ? text : "";
    return item;
}

// A popup handed to an item must be a menu of its own.
bool ValidItem(UINT flags, UINT_PTR idOrPopup)
{
    return (flags & MF_POPUP) == 0 || IsMenu(reinterpret_cast<HMENU>(idOrPopup));
}

// Reads the items of one level into menu; false when the resource ends early.
bool ReadLevel(const std::vector<BYTE>& bytes, std::size_t& at, CMenu& menu)
{
    for (;;)
    {
        MenuResourceEntry entry;
        if (!ReadMenuResourceEntry(bytes, at, entry))
            return false;
        if ((entry.flags & MF_POPUP) != 0)
        {
            CMenu popup;
            popup.CreatePopupMenu();
            if (!ReadLevel(bytes, at, popup))
                return false;
            menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), entry.text);
        }
        else if (entry.id == 0 && entry.text.IsEmpty())
            menu.AppendMenu(MF_SEPARATOR);
        else
            menu.AppendMenu(MF_STRING, entry.id, entry.text);
        if ((entry.flags & MF_END) != 0)
            return true;
    }
}
} // namespace

MenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags, HMENU* holder)
{
    if (!IsMenu(menu))
        return nullptr;
    if ((flags & MF_BYPOSITION) != 0)
    {
        if (item >= menu->items.size())
            return nullptr;
        if (holder != nullptr)
            *holder = menu;
        return &menu->items[item];
    }
    for (MenuItem& entry : menu->items)
    {
        if (entry.popup == nullptr && entry.id == item && (entry.flags & MF_SEPARATOR) == 0)
        {
            if (holder != nullptr)
                *holder = menu;
            return &entry;
        }
        if (MenuItem* found = FindMenuItem(entry.popup, item, flags, holder))
            return found;
    }
    return nullptr;
}

BOOL IsMenu(HMENU menu)
{
    return menu != nullptr && LiveMenus().count(menu) != 0;
}

BOOL DestroyMenu(HMENU menu)
{
    if (!IsMenu(menu))
        return FALSE;
    LiveMenus().erase(menu);
    for (const MenuItem& item : menu->items)
        DestroyMenu(item.popup);
    if (menu->permanent != nullptr)
        menu->permanent->m_hMenu = nullptr;
    if (menu->temporary)
        menu->temporary->m_hMenu = nullptr;
    delete menu;
    return TRUE;
}

CMenu::CMenu() = default;

CMenu::~CMenu()
{
    ::DestroyMenu(m_hMenu);
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!IsMenu(menu))
        return nullptr;
    if (menu->permanent != nullptr)
        return menu->permanent;
    if (!menu->temporary)
    {
        menu->temporary = std::make_unique<CMenu>();
        menu->temporary->m_hMenu = menu;
    }
    return menu->temporary.get();
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    return IsMenu(menu) ? menu->permanent : nullptr;
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu != nullptr || !IsMenu(menu) || menu->permanent != nullptr)
        return FALSE;
    m_hMenu = menu;
    menu->permanent = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = std::exchange(m_hMenu, nullptr);
    if (IsMenu(menu) && menu->permanent == this)
        menu->permanent = nullptr;
    return menu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(NewMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(NewMenu());
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    const std::vector<BYTE>* bytes = FindMenuResource(resourceId);
    if (bytes == nullptr || m_hMenu != nullptr || !CreateMenu())
        return FALSE;
    std::size_t at = 4;
    if (bytes->size() > at && !ReadLevel(*bytes, at, *this))
    {
        DestroyMenu();
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    return ::DestroyMenu(m_hMenu);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    if (!IsMenu(m_hMenu) || !ValidItem(flags, idOrPopup))
        return FALSE;
    m_hMenu->items.push_back(MakeItem(flags, idOrPopup, text));
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    if (!IsMenu(m_hMenu) || !ValidItem(flags, idOrPopup))
        return FALSE;
    HMENU holder = m_hMenu;
    std::size_t index = m_hMenu->items.size();
    if (MenuItem* before = FindMenuItem(m_hMenu, item, flags, &holder))
        index = static_cast<std::size_t>(before - holder->items.data());
    else if ((flags & MF_BYPOSITION) == 0 || item != 0xFFFFFFFF)
        return FALSE;
    holder->items.insert(holder->items.begin() + static_cast<std::ptrdiff_t>(index),
                         MakeItem(flags, idOrPopup, text));
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    MenuItem* entry = FindMenuItem(m_hMenu, item, flags);
    if (entry == nullptr || !ValidItem(flags, idOrPopup))
        return FALSE;
    MenuItem replacement = MakeItem(flags, idOrPopup, text);
    if (entry->popup != nullptr && entry->popup != replacement.popup)
        ::DestroyMenu(entry->popup);
    *entry = std::move(replacement);
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT item, UINT flags)
{
    HMENU holder = nullptr;
    MenuItem* entry = FindMenuItem(m_hMenu, item, flags, &holder);
    if (entry == nullptr)
        return FALSE;
    holder->items.erase(holder->items.begin() + (entry - holder->items.data()));
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT item, UINT flags)
{
    MenuItem* entry = FindMenuItem(m_hMenu, item, flags);
    if (entry == nullptr)
        return FALSE;
    HMENU popup = entry->popup;
    RemoveMenu(item, flags);
    ::DestroyMenu(popup);
    return TRUE;
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable)
{
    MenuItem* entry = FindMenuItem(m_hMenu, item, enable);
    if (entry == nullptr)
        return kNoItem;
    const UINT previous = entry->flags & (MF_GRAYED | MF_DISABLED);
    entry->flags =
        (entry->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

UINT CMenu::CheckMenuItem(UINT item, UINT check)
{
    MenuItem* entry = FindMenuItem(m_hMenu, item, check);
    if (entry == nullptr)
        return kNoItem;
    const UINT previous = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~(MF_CHECKED | MFT_RADIOCHECK)) | (check & MF_CHECKED);
    return previous;
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags)
{
    bool found = false;
    for (UINT each = first; each <= last; ++each)
    {
        MenuItem* entry = FindMenuItem(m_hMenu, each, flags);
        if (entry == nullptr)
            continue;
        entry->flags &= ~(MF_CHECKED | MFT_RADIOCHECK);
        if (each == item)
        {
            entry->flags |= MF_CHECKED | MFT_RADIOCHECK;
            found = true;
        }
    }
    return found;
}

int CMenu::GetMenuItemCount() const
{
    return IsMenu(m_hMenu) ? static_cast<int>(m_hMenu->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const
{
    const MenuItem* entry =
        position >= 0 ? FindMenuItem(m_hMenu, static_cast<UINT>(position), MF_BYPOSITION) : nullptr;
    return entry == nullptr || entry->popup != nullptr ? kNoItem : entry->id;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    const MenuItem* entry = FindMenuItem(m_hMenu, item, flags);
    if (entry == nullptr)
        return kNoItem;
    if (entry->popup != nullptr)
        return (static_cast<UINT>(entry->popup->items.size()) << 8) | (entry->flags & 0xFF);
    return entry->flags;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    const MenuItem* entry = FindMenuItem(m_hMenu, item, flags);
    text = entry != nullptr ? entry->text : CString();
    return text.GetLength();
}

CMenu* CMenu::GetSubMenu(int position) const
{
    const MenuItem* entry =
        position >= 0 ? FindMenuItem(m_hMenu, static_cast<UINT>(position), MF_BYPOSITION) : nullptr;
    return entry != nullptr ? FromHandle(entry->popup) : nullptr;
}

BOOL CMenu::GetMenuItemInfo(UINT item, MENUITEMINFO* info, BOOL byPosition) const
{
    const MenuItem* entry = FindMenuItem(m_hMenu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (entry == nullptr || info == nullptr)
        return FALSE;
    if ((info->fMask & MIIM_FTYPE) != 0)
        info->fType = entry->flags & (MFT_RADIOCHECK | MF_OWNERDRAW | MF_SEPARATOR);
    if ((info->fMask & MIIM_STATE) != 0)
        info->fState = entry->flags & kStateFlags;
    if ((info->fMask & MIIM_ID) != 0)
        info->wID = entry->id;
    if ((info->fMask & MIIM_SUBMENU) != 0)
        info->hSubMenu = entry->popup;
    if ((info->fMask & MIIM_DATA) != 0)
        info->dwItemData = entry->itemData;
    return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT)
{
    if (!IsMenu(m_hMenu))
        return FALSE;
    TrackedMenus().push_back(m_hMenu);
    const PopupMenuTracker& tracker = InstalledTracker();
    const UINT command = tracker ? tracker(*this, flags, CPoint(x, y), wnd)
                                 : ExecPopupMenu(m_hMenu, CPoint(x, y), wnd);
    TrackedMenus().pop_back();
    if ((flags & TPM_RETURNCMD) != 0)
        return static_cast<BOOL>(command);
    if (command != 0 && wnd != nullptr)
        wnd->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0));
    return command != 0;
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

PopupMenuTracker SetPopupMenuTracker(PopupMenuTracker tracker)
{
    return std::exchange(InstalledTracker(), std::move(tracker));
}

HMENU TrackedPopupMenu()
{
    return TrackedMenus().empty() ? nullptr : TrackedMenus().back();
}
