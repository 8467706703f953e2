#include "shell/SplashWnd.h"

#include "platform/ui/DC.h"
#include "shell/ShellResources.h"

#include <QApplication>
#include <QScreen>

namespace
{
constexpr UINT_PTR kSplashTimer = static_cast<UINT_PTR>(-1);
constexpr UINT kSplashMilliseconds = 3000;
} // namespace

bool CSplashWnd::s_enabled = true;
CSplashWnd* CSplashWnd::s_shown = nullptr;

CSplashWnd::~CSplashWnd()
{
    if (s_shown == this)
        s_shown = nullptr;
    m_bitmap.DeleteObject();
}

void CSplashWnd::ShowSplashScreen(CWnd* parent)
{
    if (!s_enabled || s_shown != nullptr)
        return;
    auto* splash = new CSplashWnd;
    if (!splash->Create(parent))
    {
        delete splash;
        return;
    }
    s_shown = splash;
    splash->UpdateWindow();
}

void CSplashWnd::HideSplashScreen()
{
    if (s_shown != nullptr)
        s_shown->OnTimer(kSplashTimer);
}

BOOL CSplashWnd::Create(CWnd* parent)
{
    if (!m_bitmap.LoadBitmap(IDB_SPLASH))
        return FALSE;
    const CSize size = m_bitmap.GetBitmapDimension();
    const RECT rect{0, 0, size.cx, size.cy};
    return CreateEx(WS_EX_NOACTIVATE | WS_EX_TOPMOST, "KestraneWeavoSplash", nullptr,
                    WS_POPUP | WS_VISIBLE, rect, parent, 0);
}

int CSplashWnd::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CWnd::OnCreate(createStruct) == -1)
        return -1;
    if (const QScreen* screen = QApplication::primaryScreen())
    {
        const QPoint centre = screen->availableGeometry().center();
        const CSize size = m_bitmap.GetBitmapDimension();
        MoveWindow(centre.x() - size.cx / 2, centre.y() - size.cy / 2, size.cx, size.cy);
    }
    SetTimer(kSplashTimer, kSplashMilliseconds);
    return 0;
}

void CSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    CBitmap* previous = memory.SelectObject(&m_bitmap);
    const CSize size = m_bitmap.GetBitmapDimension();
    dc.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void CSplashWnd::OnTimer(UINT_PTR)
{
    // A message box or dialog running over the splash would go with it: wait for it to end.
    if (QApplication::activeModalWidget() != nullptr)
        return;
    KillTimer(kSplashTimer);
    s_enabled = false;
    DestroyWindow();
    delete this;
}
