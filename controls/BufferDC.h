#pragma once

#include "platform/ui/DC.h"
#include "platform/ui/GdiObjects.h"

// Double buffering of a paint: drawing goes into a bitmap of the DC's clip box, in the DC's own
// coordinates, and is copied onto the DC when the buffer ends. A printer DC is drawn on directly.
class CBufferDC : public CDC
{
public:
    explicit CBufferDC(CDC* dc);
    // The buffer covers the rectangle instead of the clip box.
    CBufferDC(CDC* dc, const CRect& rect);
    ~CBufferDC() override;

private:
    void Begin();

    CDC* m_dc;
    CRect m_clip;
    CBitmap m_bitmap;
    CBitmap* m_oldBitmap = nullptr;
    bool m_buffered = false;
};
