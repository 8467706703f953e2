#include "controls/CellHeaderCtrl.h"

#include "controls/BufferDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/SystemSettings.h"

#include <algorithm>
#include <vector>

namespace
{
constexpr UINT HEADER_TEXT_FORMAT = 0x8025;
constexpr int MAX_HEADER_TEXT = 80;
} // namespace

CCellHeaderCtrl::CCellHeaderCtrl()
{
    ReadColours();
}

void CCellHeaderCtrl::ReadColours()
{
    m_highlight = GetSysColor(COLOR_3DHIGHLIGHT);
    m_shadow = GetSysColor(COLOR_3DSHADOW);
    m_face = GetSysColor(COLOR_3DFACE);
    m_text = GetSysColor(COLOR_BTNTEXT);
}

void CCellHeaderCtrl::OnSysColorChange()
{
    CHeaderCtrl::OnSysColorChange();
    ReadColours();
}

void CCellHeaderCtrl::OnPaint()
{
    CPaintDC paint(this);
    if (!m_doubleBuffer)
    {
        Paint(paint);
        return;
    }
    CBufferDC buffer(&paint);
    Paint(buffer);
}

void CCellHeaderCtrl::Paint(CDC& dc)
{
    CRect clip;
    dc.GetClipBox(&clip);
    dc.FillSolidRect(&clip, m_face);
    CFont* oldFont = GetFont() != nullptr ? dc.SelectObject(GetFont()) : nullptr;
    dc.SetTextColor(m_text);
    dc.SetBkColor(m_face);
    if (GetImageList() != nullptr)
        GetImageList()->GetIconSize(m_imageWidth, m_imageHeight);
    const int count = GetItemCount();
    std::vector<int> order(static_cast<size_t>(count));
    if (count > 0)
        GetOrderArray(order.data(), count);
    int totalWidth = 0;
    for (int position = 0; position < count; ++position)
    {
        char text[MAX_HEADER_TEXT + 1] = {};
        HDITEM item{HDI_TEXT | HDI_FORMAT | HDI_WIDTH | HDI_BITMAP | HDI_IMAGE,
                    0,
                    text,
                    nullptr,
                    static_cast<int>(sizeof(text)),
                    0,
                    0,
                    0};
        const int index = order[static_cast<size_t>(position)];
        GetItem(index, &item);
        CRect rect;
        GetItemRect(index, &rect);
        totalWidth += item.cxy;
        CRect visible;
        if (!visible.IntersectRect(rect, clip))
            continue;
        if ((item.fmt & HDF_OWNERDRAW) != 0)
        {
            DRAWITEMSTRUCT draw{};
            draw.itemID = static_cast<UINT>(index);
            draw.hDC = &dc;
            draw.rcItem = rect;
            DrawItem(&draw);
        }
        else
        {
            CRect inner = rect;
            inner.DeflateRect(m_margin, 0);
            DrawItem(&dc, inner, item);
        }
        if (position + 1 < count)
        {
            CPen shadow(PS_SOLID, 1, m_shadow);
            CPen highlight(PS_SOLID, 1, m_highlight);
            CPen* old = dc.SelectObject(&shadow);
            dc.MoveTo(rect.right - 1, rect.top + 2);
            dc.LineTo(rect.right - 1, rect.bottom - 2);
            dc.SelectObject(&highlight);
            dc.MoveTo(rect.right, rect.top + 2);
            dc.LineTo(rect.right, rect.bottom - 2);
            dc.SelectObject(old);
        }
    }
    if (totalWidth > 0)
    {
        CRect client;
        GetClientRect(&client);
        client.right = client.left + totalWidth;
        dc.Draw3dRect(&client, m_highlight, m_shadow);
    }
    if (oldFont != nullptr)
        dc.SelectObject(oldFont);
}

void CCellHeaderCtrl::DrawItem(CDC* dc, const CRect& rect, const HDITEM& item)
{
    CRect rest = rect;
    CImageList* images = GetImageList();
    if (images != nullptr && item.iImage != 0)
    {
        const int saved = dc->SaveDC();
        dc->IntersectClipRect(&rect);
        const COLORREF oldBack = images->SetBkColor(dc->GetBkColor());
        images->Draw(dc, item.iImage,
                     CPoint(rect.left, rect.top + (rect.Height() - m_imageHeight) / 2), ILD_NORMAL);
        images->SetBkColor(oldBack);
        dc->RestoreDC(saved);
        rest.left += m_imageWidth + m_margin;
    }
    if ((item.fmt & HDF_BITMAP) != 0 && item.hbm != nullptr)
    {
        const CSize size = item.hbm->GetBitmapDimension();
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap* old = memory.SelectObject(item.hbm);
        const int left = std::max(rest.left, rest.right - size.cx);
        dc->BitBlt(left, rest.top + (rest.Height() - size.cy) / 2, rest.right - left, size.cy,
                   &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
        rest.right = left - m_margin;
    }
    if ((item.fmt & HDF_STRING) != 0 && item.pszText != nullptr)
    {
        dc->SetBkMode(TRANSPARENT);
        dc->DrawText(item.pszText, &rest, HEADER_TEXT_FORMAT);
    }
}
