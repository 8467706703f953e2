#pragma once

#include "platform/ui/GdiObjects.h"

#include <memory>

class CDC;
class CWnd;
class QIcon;

constexpr UINT ILC_COLOR32 = 0x20;
constexpr UINT ILC_MASK = 0x1;

// Draw styles.
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;

// A numbered list of images of one size, shown by tree and list controls, tool bars and
// headers. Images added with a mask colour are transparent where they had that colour.
class CImageList
{
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Empties the list and sets the image size.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // A list of the images of the bitmap resource: a strip of images cx wide, masked on the
    // colour.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();
    // The index of the image read from the file, or -1 when it cannot be read.
    int Add(const char* imageFile);
    // The images of a strip (as many as fit its width), masked on the colour; the index of the
    // first, -1 when none fits.
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(HICON icon);
    // The index of a new image filled with one colour (0xRRGGBB).
    int AddColor(DWORD rgb);
    int GetImageCount() const;
    BOOL GetIconSize(int& cx, int& cy) const;
    // The colour drawn behind the images (CLR_NONE: none, they stay transparent).
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;

    // The image at index scaled to the list's size; a null icon for a bad index.
    QIcon GetIcon(int index) const;
    // A new icon of the image, which the caller frees with DestroyIcon; null for a bad index.
    HICON ExtractIcon(int index) const;
    BOOL Draw(CDC* dc, int index, POINT point, UINT style) const;

    // The image dragged over a window: BeginDrag picks it with its hot spot, DragEnter shows it
    // at a point of the window, DragMove moves it (screen points), DragShowNolock hides and
    // shows it, DragLeave and EndDrag end it.
    BOOL BeginDrag(int index, CPoint hotSpot);
    static BOOL DragEnter(CWnd* lockWnd, CPoint point);
    static BOOL DragMove(CPoint point);
    static BOOL DragShowNolock(BOOL show);
    static BOOL DragLeave(CWnd* lockWnd);
    static void EndDrag();
    // The screen point of the dragged image's top-left corner and whether it shows; FALSE when
    // no drag is going on.
    static BOOL GetDragImagePosition(CPoint* topLeft, BOOL* shown);

private:
    struct Images;
    std::unique_ptr<Images> m_images;
};
