#pragma once

#include "controls/BufferDC.h"
#include "controls/WeavoMenuLayout.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Menu.h"

#include <memory>
#include <vector>

// One item of a WeavoMenu: what it draws.
struct WeavoMenuData
{
    CString text;
    // The index in its own image list (-1 none, 0 with an image) and in the tool bar's images.
    int imageIndex = -1;
    int globalImageIndex = -1;
    UINT flags = 0;
    // The command id; for a popup its handle.
    UINT_PTR commandId = 0;
    std::unique_ptr<CImageList> images;
};

// Off-screen drawing of one item: drawing goes into a bitmap of the rectangle and is copied
// onto the DC when it ends.
class WeavoMenuBufferDC : public CBufferDC
{
public:
    WeavoMenuBufferDC(CDC* dc, const CRect& rect) : CBufferDC(dc, rect) {}
};

// The owner-drawn menu: built from a menu resource with every drop-down item owner-drawn,
// given the pictures of the tool-bar buttons of the same commands, and drawn in a classic 3-D
// style or, when the menu colour differs from the 3-D face colour, in a flat style. Every popup
// is a WeavoMenu of its own, owned by the menu that holds it; the top-level items stay plain
// strings, as the menu bar is drawn by the system.
class WeavoMenu : public CMenu
{
    DECLARE_DYNAMIC(WeavoMenu)

public:
    WeavoMenu();
    ~WeavoMenu() override;

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override;
    // Builds the tree of the menu resource; FALSE when it is missing or cannot be read.
    BOOL LoadMenu(UINT resourceId) override;
    // Destroys the menu, the popups' objects and the item records.
    BOOL DestroyMenu() override;

    // Every item whose command stands on the tool bar gets the button's picture from the
    // bitmap; FALSE when the tool bar or the bitmap cannot be loaded.
    BOOL LoadToolbar(UINT toolbarId, UINT bitmapId);
    // Appends an owner-drawn item: a separator when idOrPopup is 0, a popup with MF_POPUP (the
    // popup a WeavoMenu made by CreatePopupMenu). With an image index >= 0 the item gets the
    // picture of its command on the tool bar of that number.
    BOOL AppendODMenu(const CString& text, UINT flags, UINT_PTR idOrPopup, int imageIndex);
    // Sets the text (unless null) and the picture at the index of the list of every item of
    // the command anywhere in the tree; FALSE when there is none.
    BOOL ModifyODMenu(const char* text, UINT commandId, const CImageList* images, int imageIndex);
    // The menu and position of the first item of the command, popups searched depth-first in
    // position order; null and -1 when none.
    WeavoMenu* FindMenuOption(UINT commandId, int& position);

    // The record of the item at the position; null when none.
    const WeavoMenuData* GetItemRecord(int position) const;
    // The WeavoMenu of the popup at the position; null when it is no popup.
    WeavoMenu* GetPopupMenu(int position) const;
    // Every popup handle made by any WeavoMenu and not yet destroyed.
    static const std::vector<HMENU>& AllPopups();

    // The host's text widths and menu-bar height, which tests replace; returns the previous.
    static WeavoMenuLayout::Metrics SetMetrics(WeavoMenuLayout::Metrics metrics);
    static WeavoMenuLayout::Metrics GetMetrics();
    // The operating-system class of the host, worked out once.
    static int OsClass();

private:
    // The record of the item drawn or measured, when it is one of this menu's.
    WeavoMenuData* RecordOf(DWORD_PTR itemData) const;
    void AlignAccelerators();
    // The top-level items become plain string items again.
    void RestoreTopLevelStrings();
    void DrawClassic(CDC& dc, const DRAWITEMSTRUCT& item, const WeavoMenuData& record);
    void DrawFlat(CDC& dc, const DRAWITEMSTRUCT& item, const WeavoMenuData& record);
    void DrawText(CDC& dc, const CRect& rect, const WeavoMenuData& record) const;
    // The check mark or the radio dot at the point.
    void DrawCheck(CDC& dc, CPoint at, UINT commandId, COLORREF colour) const;
    // A disabled picture is embossed on the background colour.
    void DrawImage(CDC& dc, const WeavoMenuData& record, CPoint at, bool disabled,
                   COLORREF background) const;

    std::vector<std::unique_ptr<WeavoMenuData>> m_items;
    std::vector<HMENU> m_popups;
    std::vector<std::unique_ptr<WeavoMenu>> m_popupMenus;
    int m_imageWidth = 16;
    int m_imageHeight = 15;
};

// The pictures of a tool-bar bitmap resource: light grey (192, 192, 192) turned into the 3-D
// face colour, masked on the colour given; FALSE when the bitmap does not load.
bool LoadFaceColouredImages(UINT bitmapId, int width, int height, int count, COLORREF mask,
                            CImageList& images);
