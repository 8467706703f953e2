#include "TestColors.h"
#include "Watchdog.h"

#include "platform/ui/DC.h"
#include "platform/ui/Wnd.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
// Counts its paints; Draw paints.
class CountedWnd : public CWnd
{
public:
    int m_paints = 0;

protected:
    virtual void Draw(CDC& dc) = 0;
    void OnPaint() override
    {
        ++m_paints;
        CPaintDC dc(this);
        Draw(dc);
    }
};

// Fills its client area with one colour.
class FilledWnd : public CountedWnd
{
protected:
    void Draw(CDC& dc) override
    {
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kGreen);
    }
};

// A transparent button: copies its parent's pixels under it as its own background, then
// frames itself in red.
class SeeThroughWnd : public CountedWnd
{
protected:
    void Draw(CDC& dc) override
    {
        CWnd* parent = GetParent();
        CClientDC parentDC(parent);
        CRect place;
        GetWindowRect(&place);
        parent->ScreenToClient(&place);
        dc.BitBlt(0, 0, place.Width(), place.Height(), &parentDC, place.left, place.top, SRCCOPY);
        CBrush red;
        red.CreateSolidBrush(kRed);
        dc.FrameRect(CRect(0, 0, place.Width(), place.Height()), &red);
    }
};

// Measures and copies itself through client DCs made while it paints.
class SelfCopyingWnd : public CountedWnd
{
public:
    COLORREF m_seen = CLR_INVALID;

protected:
    void Draw(CDC& dc) override
    {
        CClientDC self(this);
        CDC* other = GetDC();
        m_seen = other->GetPixel(1, 1);
        EXPECT_EQ(ReleaseDC(other), 1);
        EXPECT_EQ(ReleaseDC(other), 0);
        dc.FillSolidRect(0, 0, 10, 10, kRed);
        EXPECT_GT(self.GetTextExtent("Wide").cx, 0);
    }
};

COLORREF PixelOf(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}
} // namespace

TEST(ClientDCTest, AChildCopyingItsParentsBackgroundEndsAndShowsTheParentBehindIt)
{
    const Watchdog watchdog(std::chrono::seconds(20),
                            "a child that copies its parent's background");
    FilledWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "", WS_POPUP, CRect(0, 0, 60, 40), nullptr, 0));
    SeeThroughWnd child;
    ASSERT_TRUE(
        child.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 40, 30), &parent, 1));

    const QImage shot = parent.GetSafeHwnd()->grab().toImage();

    EXPECT_EQ(PixelOf(shot, 20, 20), kGreen);
    EXPECT_EQ(PixelOf(shot, 10, 10), kRed);
    EXPECT_EQ(PixelOf(shot, 5, 5), kGreen);
    EXPECT_EQ(child.m_paints, 1);
    EXPECT_LE(parent.m_paints, 2);
}

TEST(ClientDCTest, AWindowMakingClientDCsOfItselfWhilePaintingPaintsOnce)
{
    const Watchdog watchdog(std::chrono::seconds(20),
                            "a window that makes a client DC in its paint");
    SelfCopyingWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_POPUP, CRect(0, 0, 30, 30), nullptr, 0));
    const QColor background = window.GetSafeHwnd()->palette().color(QPalette::Window);

    const QImage shot = window.GetSafeHwnd()->grab().toImage();

    EXPECT_EQ(window.m_paints, 1);
    EXPECT_EQ(window.m_seen, FromQColor(background));
    EXPECT_EQ(PixelOf(shot, 5, 5), kRed);
}

TEST(ClientDCTest, AClientDCOutsideOfPaintCopiesWhatTheWindowPaints)
{
    FilledWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_POPUP, CRect(0, 0, 30, 30), nullptr, 0));
    CDC* dc = window.GetDC();
    EXPECT_EQ(dc->GetPixel(3, 3), kGreen);
    EXPECT_EQ(window.ReleaseDC(dc), 1);
}
