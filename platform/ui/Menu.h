#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/ui/OwnerDraw.h"

#include <functional>

class CWnd;
struct MenuData;

// A menu: a list of items, each a command, a separator or a popup (a menu of its own). Menus
// are data; a frame shows its menu through SetMenu, TrackPopupMenu shows a popup. A menu lives
// until DestroyMenu, which takes its popups with it; a handle that is no longer a menu is
// refused by every operation.
using HMENU = MenuData*;

// Item flags. MF_BYPOSITION makes the item argument a position, else it is a command id
// searched in this menu and its popups.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_END = 0x0080;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MFT_RADIOCHECK = 0x0200;

// TrackPopupMenu flags.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// What GetMenuItemInfo fills in (fMask): the type (MFT_RADIOCHECK, MF_OWNERDRAW, MF_SEPARATOR),
// the state (MF_GRAYED, MF_DISABLED, MF_CHECKED), the id, the popup and the item data.
constexpr UINT MIIM_STATE = 0x0001;
constexpr UINT MIIM_ID = 0x0002;
constexpr UINT MIIM_SUBMENU = 0x0004;
constexpr UINT MIIM_DATA = 0x0020;
constexpr UINT MIIM_FTYPE = 0x0100;

struct MENUITEMINFO
{
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    DWORD_PTR dwItemData;
};

BOOL IsMenu(HMENU menu);
BOOL DestroyMenu(HMENU menu);

// A handle on a menu. The object that Attach (or Create..., LoadMenu) gave the menu is the
// menu's own: FromHandle finds it, and it destroys the menu when it is destroyed unless the
// menu was detached first.
class CMenu : public CObject
{
    DECLARE_DYNAMIC(CMenu)

public:
    CMenu();
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // The menu's own object, else a temporary one that lives as long as the menu.
    static CMenu* FromHandle(HMENU menu);
    // The menu's own object; null when it has none.
    static CMenu* FromHandlePermanent(HMENU menu);
    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // Builds the menu of the registered resource (see RegisterMenuResource).
    virtual BOOL LoadMenu(UINT resourceId);
    virtual BOOL DestroyMenu();

    // idOrPopup is a command id, or with MF_POPUP the popup's HMENU (the popup then belongs to
    // this menu). With MF_OWNERDRAW text is the item data instead of a text.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    BOOL InsertMenu(UINT item, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    // Replaces the item; a popup it held is destroyed unless the item keeps it.
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    // Takes the item out; DeleteMenu also destroys its popup.
    BOOL RemoveMenu(UINT item, UINT flags);
    BOOL DeleteMenu(UINT item, UINT flags);

    // The previous MF_GRAYED/MF_DISABLED (MF_CHECKED) state, or 0xFFFFFFFF for no such item.
    UINT EnableMenuItem(UINT item, UINT enable);
    UINT CheckMenuItem(UINT item, UINT check);
    // Checks item with a radio mark and clears the others of [first, last].
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);

    int GetMenuItemCount() const;
    // The item's command id: 0 for a separator, 0xFFFFFFFF for a popup or no item.
    UINT GetMenuItemID(int position) const;
    // The item's flags (for a popup, its item count in the high byte); 0xFFFFFFFF for none.
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    CMenu* GetSubMenu(int position) const;
    BOOL GetMenuItemInfo(UINT item, MENUITEMINFO* info, BOOL byPosition = FALSE) const;

    // Shows the popup at the screen point through the popup-menu tracker. With TPM_RETURNCMD
    // returns the chosen command (0 for none); otherwise posts it to wnd as WM_COMMAND and
    // returns TRUE when one was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT rect = nullptr);

    // Owner-drawn items: the window that shows the menu routes WM_MEASUREITEM and WM_DRAWITEM
    // to the object of the menu that holds the item. Nothing here.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measureItem);
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

    HMENU m_hMenu = nullptr;
};

// Shows a popup menu and returns the command chosen (0 for none). The default shows a Qt menu
// at the point; tests install a double.
using PopupMenuTracker = std::function<UINT(CMenu& menu, UINT flags, CPoint point, CWnd* owner)>;
// Installs a tracker and returns the previous one; an empty one restores the default.
PopupMenuTracker SetPopupMenuTracker(PopupMenuTracker tracker);

// The popup being tracked (null when none is): its owner hears WM_MEASUREITEM for its items.
HMENU TrackedPopupMenu();
