#include "controls/BufferDC.h"

CBufferDC::CBufferDC(CDC* dc) : m_dc(dc)
{
    m_dc->GetClipBox(&m_clip);
    Begin();
}

CBufferDC::CBufferDC(CDC* dc, const CRect& rect) : m_dc(dc), m_clip(rect)
{
    Begin();
}

void CBufferDC::Begin()
{
    if (m_dc->IsPrinting() || m_clip.IsRectEmpty())
    {
        Attach(m_dc->GetPainter());
        return;
    }
    m_buffered = true;
    CreateCompatibleDC(m_dc);
    m_bitmap.CreateCompatibleBitmap(m_dc, m_clip.Width(), m_clip.Height());
    m_oldBitmap = SelectObject(&m_bitmap);
    SetWindowOrg(m_clip.left, m_clip.top);
}

CBufferDC::~CBufferDC()
{
    if (!m_buffered)
    {
        Detach();
        return;
    }
    m_dc->BitBlt(m_clip.left, m_clip.top, m_clip.Width(), m_clip.Height(), this, m_clip.left,
                 m_clip.top, SRCCOPY);
    SelectObject(m_oldBitmap);
}
