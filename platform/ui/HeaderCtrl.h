#pragma once

#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Wnd.h"

class CBitmap;
class CImageList;

// Item formats: alignment, what the item shows, and owner drawing.
constexpr int HDF_LEFT = 0x0000;
constexpr int HDF_RIGHT = 0x0001;
constexpr int HDF_CENTER = 0x0002;
constexpr int HDF_JUSTIFYMASK = 0x0003;
constexpr int HDF_IMAGE = 0x0800;
constexpr int HDF_BITMAP_ON_RIGHT = 0x1000;
constexpr int HDF_BITMAP = 0x2000;
constexpr int HDF_STRING = 0x4000;
constexpr int HDF_OWNERDRAW = 0x8000;

// What an HDITEM carries (mask).
constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr UINT HDI_LPARAM = 0x0008;
constexpr UINT HDI_BITMAP = 0x0010;
constexpr UINT HDI_IMAGE = 0x0020;

struct HDITEM
{
    UINT mask;
    int cxy;
    LPTSTR pszText;
    CBitmap* hbm;
    int cchTextMax;
    int fmt;
    LPARAM lParam;
    int iImage;
};

// The column headings of a list control. An item with HDF_IMAGE shows its image of the
// header's image list, HDF_BITMAP its bitmap at the right; an HDF_OWNERDRAW item is drawn by
// DrawItem. A subclass may paint the whole header itself (OnPaint).
class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    int GetItemCount() const;
    // pszText receives at most cchTextMax - 1 bytes and a terminator.
    BOOL GetItem(int index, HDITEM* item) const;
    BOOL SetItem(int index, const HDITEM* item);
    // In the header's client coordinates.
    BOOL GetItemRect(int index, LPRECT rect) const;
    // The items' indexes in the order they are shown.
    BOOL GetOrderArray(int* order, int count) const;
    // The list stays the caller's.
    CImageList* SetImageList(CImageList* images);
    CImageList* GetImageList() const;

    // Draws an owner-drawn item; nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
