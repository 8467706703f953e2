#pragma once

#include "platform/ui/GdiObjects.h"
#include "platform/ui/Wnd.h"

// The picture shown while the program starts; it closes itself after three seconds and shows
// at most once per process.
class CSplashWnd : public CWnd
{
public:
    ~CSplashWnd() override;

    // Shows the splash when it is enabled and none is shown.
    static void ShowSplashScreen(CWnd* parent = nullptr);
    static bool IsEnabled() { return s_enabled; }
    static CSplashWnd* GetShown() { return s_shown; }
    // Closes the shown splash as its timer does.
    static void HideSplashScreen();

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override;
    void OnPaint() override;
    void OnTimer(UINT_PTR id) override;

private:
    CSplashWnd() = default;
    BOOL Create(CWnd* parent);

    CBitmap m_bitmap;
    static bool s_enabled;
    static CSplashWnd* s_shown;
};
