#pragma once

#include "platform/ui/Static.h"

#include <memory>

// A picture whose light-grey pixels (192, 192, 192) take the system's 3-D face colour, again on
// every system colour change.
class StaticCtrl : public CStatic
{
public:
    StaticCtrl();
    ~StaticCtrl() override;

    // Shows the bitmap resource (low 16 bits of the id); FALSE when it does not load.
    BOOL SetBitmap(UINT resourceId);
    using CStatic::SetBitmap;

    // Replaces every pixel of exactly light grey in a 24-bit bitmap by the colour.
    static void ReplaceLightGrey(CBitmap& bitmap, COLORREF color);

protected:
    void OnSysColorChange() override;

private:
    UINT m_resourceId = 0;
    COLORREF m_background;
    std::unique_ptr<CBitmap> m_bitmap;
};
