#pragma once

#include "platform/ui/GdiObjects.h"
#include "platform/ui/HeaderCtrl.h"

class CDC;

// The header of a CCellListCtrl, painted here (double-buffered unless turned off): each item's
// image of the header's image list (the list keeps its check box state there), its bitmap and
// its text, with etched separators. Owner-drawn items are left empty.
class CCellHeaderCtrl : public CHeaderCtrl
{
public:
    CCellHeaderCtrl();

    void DrawItem(LPDRAWITEMSTRUCT) override {}
    // Paints one item inside rect (already shrunk by the margin): image, bitmap, text.
    virtual void DrawItem(CDC* dc, const CRect& rect, const HDITEM& item);

    void SetDoubleBuffer(BOOL on) { m_doubleBuffer = on; }
    int GetMargin() const { return m_margin; }

protected:
    void OnPaint() override;
    void OnSysColorChange() override;
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }

private:
    void ReadColours();
    void Paint(CDC& dc);

    BOOL m_doubleBuffer = TRUE;
    int m_margin = 6;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    COLORREF m_highlight = 0;
    COLORREF m_shadow = 0;
    COLORREF m_face = 0;
    COLORREF m_text = 0;
};
