#include "controls/StaticCtrl.h"

#include "platform/ui/SystemSettings.h"

StaticCtrl::StaticCtrl() : m_background(GetSysColor(COLOR_3DFACE)) {}

StaticCtrl::~StaticCtrl()
{
    if (GetSafeHwnd() != nullptr && GetBitmap() == m_bitmap.get())
        CStatic::SetBitmap(nullptr);
}

BOOL StaticCtrl::SetBitmap(UINT resourceId)
{
    std::unique_ptr<CBitmap> bitmap(
        LoadImage(resourceId & 0xFFFF, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    m_resourceId = resourceId;
    if (!bitmap)
        return FALSE;
    m_background = GetSysColor(COLOR_3DFACE);
    ReplaceLightGrey(*bitmap, m_background);
    CStatic::SetBitmap(bitmap.get());
    m_bitmap = std::move(bitmap);
    return TRUE;
}

void StaticCtrl::ReplaceLightGrey(CBitmap& bitmap, COLORREF color)
{
    BITMAP info{};
    if (bitmap.GetBitmap(&info) == 0 || info.bmBits == nullptr || info.bmBitsPixel != 24)
        return;
    auto* rows = static_cast<BYTE*>(info.bmBits);
    for (LONG y = 0; y < info.bmHeight; ++y)
    {
        BYTE* pixel = rows + y * info.bmWidthBytes;
        for (LONG x = 0; x < info.bmWidth; ++x, pixel += 3)
        {
            // Entries are blue, green, red.
            if (pixel[0] == 192 && pixel[1] == 192 && pixel[2] == 192)
            {
                pixel[0] = GetBValue(color);
                pixel[1] = GetGValue(color);
                pixel[2] = GetRValue(color);
            }
        }
    }
}

void StaticCtrl::OnSysColorChange()
{
    CStatic::OnSysColorChange();
    SetBitmap(m_resourceId);
}
