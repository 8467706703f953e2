#include "TestColors.h"

#include "platform/ui/DC.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/Wnd.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory DC holding a colour bitmap of its own, filled with one colour.
struct MemoryCanvas
{
    MemoryCanvas(int width, int height, COLORREF fill)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    CDC dc;
    CBitmap bitmap;
};

// The columns of the image where some pixel differs from the background.
std::pair<int, int> InkColumns(const QImage& image, QRgb background)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
            {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// A window that paints a filled rectangle and a 3-D frame.
class PaintedWnd : public CWnd
{
protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kWhite);
        dc.FillSolidRect(CRect(2, 2, 6, 5), kRed);
        dc.Draw3dRect(CRect(10, 10, 20, 20), kBlue, kGreen);
        dc.MoveTo(0, 30);
        dc.LineTo(8, 30);
    }
};

class ColourListener : public CWnd
{
public:
    int m_changes = 0;

protected:
    void OnSysColorChange() override { ++m_changes; }
};
} // namespace

TEST(DrawingTest, MaskedBlitLeavesTheBackgroundWhereTheImageIsTransparent)
{
    MemoryCanvas image(4, 2, kMagenta);
    image.dc.SetPixel(1, 0, kRed);
    image.dc.SetPixel(2, 1, kBlue);
    CDC maskDC;
    maskDC.CreateCompatibleDC(&image.dc);
    CBitmap mask;
    mask.CreateBitmap(4, 2, 1, 1, nullptr);
    maskDC.SelectObject(&mask);
    image.dc.SetBkColor(kMagenta);
    maskDC.BitBlt(0, 0, 4, 2, &image.dc, 0, 0, SRCCOPY);
    image.dc.SetBkColor(kBlack);
    image.dc.SetTextColor(kWhite);
    image.dc.BitBlt(0, 0, 4, 2, &maskDC, 0, 0, SRCAND);

    MemoryCanvas target(4, 2, kGreen);
    target.dc.BitBlt(0, 0, 4, 2, &maskDC, 0, 0, SRCAND);
    target.dc.BitBlt(0, 0, 4, 2, &image.dc, 0, 0, SRCPAINT);

    EXPECT_TRUE(mask.IsMonochrome());
    EXPECT_EQ(maskDC.GetPixel(0, 0), kWhite);
    EXPECT_EQ(maskDC.GetPixel(1, 0), kBlack);
    EXPECT_EQ(image.dc.GetPixel(0, 0), kBlack);
    const std::vector<COLORREF> row0{kGreen, kRed, kGreen, kGreen};
    const std::vector<COLORREF> row1{kGreen, kGreen, kBlue, kGreen};
    for (int x = 0; x < 4; ++x)
    {
        EXPECT_EQ(target.dc.GetPixel(x, 0), row0[static_cast<std::size_t>(x)]) << x;
        EXPECT_EQ(target.dc.GetPixel(x, 1), row1[static_cast<std::size_t>(x)]) << x;
    }
}

TEST(DrawingTest, PaintedWindowKeepsRightAndBottomEdgesOutside)
{
    PaintedWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_POPUP, CRect(0, 0, 40, 40), nullptr, 0));
    const QImage shot = window.GetSafeHwnd()->grab().toImage();
    auto colour = [&shot](int x, int y) { return FromQColor(shot.pixelColor(x, y)); };

    EXPECT_EQ(colour(2, 2), kRed);
    EXPECT_EQ(colour(5, 4), kRed);
    EXPECT_EQ(colour(6, 4), kWhite);
    EXPECT_EQ(colour(5, 5), kWhite);
    EXPECT_EQ(colour(10, 10), kBlue);
    EXPECT_EQ(colour(18, 10), kBlue);
    EXPECT_EQ(colour(19, 10), kGreen);
    EXPECT_EQ(colour(10, 18), kBlue);
    EXPECT_EQ(colour(10, 19), kGreen);
    EXPECT_EQ(colour(19, 19), kGreen);
    EXPECT_EQ(colour(20, 20), kWhite);
    EXPECT_EQ(colour(7, 30), kBlack);
    EXPECT_EQ(colour(8, 30), kWhite);
}

TEST(DrawingTest, DrawTextFlags)
{
    MemoryCanvas canvas(200, 60, kWhite);
    CDC& dc = canvas.dc;
    const CSize file = dc.GetTextExtent("File");
    const CSize prefixed = dc.GetTextExtent("&File");

    CRect measured(5, 5, 5, 5);
    EXPECT_EQ(dc.DrawText("&File", &measured, DT_SINGLELINE | DT_CALCRECT), file.cy);
    EXPECT_EQ(measured, CRect(5, 5, 5 + file.cx, 5 + file.cy));
    measured = CRect(5, 5, 5, 5);
    dc.DrawText("&File", &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    EXPECT_EQ(measured.Width(), prefixed.cx);

    const CSize word = dc.GetTextExtent("Word");
    CRect wrapped(0, 0, word.cx + 2, 0);
    dc.DrawText("Word Word", &wrapped, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(wrapped.Height(), 2 * word.cy);
    EXPECT_LE(wrapped.Width(), word.cx + 2);

    CRect narrow(0, 0, 30, 20);
    dc.DrawText("A long caption that does not fit", &narrow,
                DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    const QImage clipped = canvas.bitmap.GetImage()->copy(0, 0, 200, 20);
    EXPECT_LT(InkColumns(clipped, 0xFFFFFFFF).second, 30);

    canvas.dc.FillSolidRect(0, 0, 200, 60, kWhite);
    CRect centred(0, 20, 200, 60);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText("Centre", &centred, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const auto [first, last] = InkColumns(*canvas.bitmap.GetImage(), 0xFFFFFFFF);
    EXPECT_NEAR(first, 199 - last, 3);
}

TEST(DrawingTest, EdgesAndDibSectionPixels)
{
    MemoryCanvas canvas(10, 10, kWhite);
    CRect edge(0, 0, 10, 2);
    canvas.dc.DrawEdge(&edge, EDGE_ETCHED, BF_TOP | BF_ADJUST);
    EXPECT_EQ(canvas.dc.GetPixel(3, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.dc.GetPixel(3, 1), GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(edge, CRect(0, 2, 10, 2));

    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    picture.setPixelColor(1, 0, QColor(10, 20, 30));
    RegisterBitmapResource(9601, picture);
    std::unique_ptr<CBitmap> dib(LoadImage(9601, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(dib, nullptr);
    BITMAP info{};
    dib->GetBitmap(&info);
    EXPECT_EQ(info.bmBitsPixel, 24);
    const auto* bytes = static_cast<const BYTE*>(info.bmBits);
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 6), (std::vector<BYTE>{192, 192, 192, 30, 20, 10}));
}

TEST(DrawingTest, ChangingSystemColoursTellsEveryWindow)
{
    ColourListener window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    const COLORREF face = GetSysColor(COLOR_3DFACE);

    const int index = COLOR_3DFACE;
    const COLORREF menuColour = GetSysColor(COLOR_MENU);
    SetSysColors(1, &index, &menuColour);
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), menuColour);
    RestoreSysColors();

    EXPECT_EQ(window.m_changes, 2);
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), face);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
    SetSystemMetric(SM_CYMENU, 22);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 22);
    SetSystemMetric(SM_CYMENU, 19);
}
