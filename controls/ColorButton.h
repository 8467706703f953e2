#pragma once

#include "controls/ColorButtonLook.h"
#include "platform/ui/Button.h"
#include "platform/ui/ToolTipCtrl.h"

#include <memory>

class CMenu;

// Button messages the colour button answers.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_SETSTYLE = 0x00F4;
constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;

// An owner-drawn push button with colours per state, a bitmap beside or above its caption, a
// flat mode that shows a border only under the mouse, a tool tip, sounds, and one of three click
// actions: a check state, a popup menu, or opening a web address or file.
class ColorButton : public CButton
{
public:
    ColorButton();
    ~ColorButton() override;

    // Results of SetBitmaps and SetPressedOffset.
    static constexpr DWORD BTNST_OK = 0;
    static constexpr DWORD BTNST_INVALIDRESOURCE = 1;
    static constexpr DWORD BTNST_FAILEDMASK = 2;
    static constexpr DWORD BTNST_INVALIDPRESSEDSTYLE = 6;
    // The second bitmap of SetBitmaps: a grey or a darker copy of the first.
    static constexpr int BTNST_AUTO_GRAY = -2;
    static constexpr int BTNST_AUTO_DARKER = -3;

    // The hover bitmap and, by idleId: none (0), a grey copy (-2), a darker copy (-3), or another
    // bitmap resource, each transparent where it has its colour.
    DWORD SetBitmaps(int hoverId, COLORREF hoverTransparent, int idleId, COLORREF idleTransparent);
    // Icons shown instead of the bitmaps: the hover one and an idle one (null: none). The button
    // owns them from now on.
    void SetIcons(HICON hover, HICON idle);
    // The cursor shown over the button (null: the usual one); a shared cursor, not owned.
    void SetBtnCursor(HCURSOR cursor) { m_cursor = cursor; }
    // Mode 0 moves the pressed image by (1, 1), mode 1 by (0, 2).
    DWORD SetPressedOffset(int mode, BOOL repaint = TRUE);
    // Check-box mode only.
    void SetCheck(int checked, BOOL repaint = TRUE);
    int GetCheck() const { return m_checked ? 1 : 0; }
    // Every background the 3-D face colour, every text the button-text colour.
    void SetDefaultColors(BOOL repaint = TRUE);
    void SetColor(ColorButtonLook::ColorState state, COLORREF background, COLORREF text,
                  BOOL repaint = TRUE);
    COLORREF GetBackgroundColor(ColorButtonLook::ColorState state) const;
    COLORREF GetTextColor(ColorButtonLook::ColorState state) const;
    void SetFlat(BOOL flat = TRUE, BOOL repaint = TRUE);
    // The parent's background behind the button, captured once, becomes its background.
    void DrawTransparent(BOOL repaint = TRUE);
    // 0 image left of the caption, 1 above it, 2 right of it.
    void SetAlign(int align, BOOL repaint = TRUE);
    // At most 260 bytes are kept; null clears the address.
    void SetURL(const char* url);
    const CString& GetURL() const { return m_url; }
    // The popup of the menu resource drops down on a click; its commands go to commandWindow.
    BOOL SetMenu(UINT menuId, CWnd* commandWindow);
    // The window that receives (message, popup, parameter) before the popup shows.
    void SetMenuCallback(CWnd* window, UINT message, LPARAM parameter = 0);
    void SetTooltipText(const char* text);
    // Made by the first message that passes PreTranslateMessage; null before.
    const CToolTipCtrl* GetToolTip() const { return m_toolTip.get(); }
    // The sounds played on hover and on a click (null: none).
    void SetSound(const char* sound, BOOL onClick);

    bool IsHovering() const { return m_hovering; }
    bool IsCheckBoxMode() const { return m_checkBoxMode; }
    bool IsDefault() const { return m_isDefault; }
    // The state of the last draw.
    const ColorButtonLook::State& GetDrawnState() const { return m_drawn; }
    // The bitmaps made by SetBitmaps (null when none).
    CBitmap* GetBitmap(bool hover) const;

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual void DrawBackground(CDC* dc, CRect* rect);
    virtual void DrawBorder(CDC* dc, CRect* rect);
    virtual void DrawIcon(CDC* dc, const CRect& rect);
    virtual void DrawBitmap(CDC* dc, const CRect& rect);
    virtual void DrawText(CDC* dc, const CString& caption, CRect rect);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    UINT OnGetDlgCode() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnMouseLeave() override;
    void OnKillFocus(CWnd* newWnd) override;
    void OnEnable(BOOL enable) override;
    void OnSysColorChange() override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    struct Image
    {
        std::unique_ptr<CBitmap> bitmap;
        std::unique_ptr<CBitmap> mask;
    };

    void TakeStyle(UINT style);
    void EndHover();
    void OnClicked();
    void ShowMenu();
    void FreeBitmaps();
    void FreeIcons();
    void PaintParentBackground(CDC* dc, const CRect& rect);
    ColorButtonLook::State StateOf(UINT itemState) const;

    bool m_greyedBitmap = true;
    bool m_focusInFlat = false;
    CSize m_gap{3, 3};
    CPoint m_pressedOffset{1, 1};
    bool m_flat = true;
    bool m_transparent = false;
    // The captured parent background (null until the first draw in transparent mode).
    std::unique_ptr<CBitmap> m_parentBackground;
    bool m_hovering = false;
    bool m_trackInactive = true;
    bool m_isDefault = false;
    bool m_checkBoxMode = false;
    bool m_checked = false;
    int m_align = 0;
    bool m_drawBorder = true;
    COLORREF m_backgrounds[3];
    COLORREF m_texts[3];
    std::unique_ptr<CMenu> m_menu;
    CWnd* m_menuOwner = nullptr;
    bool m_menuShown = false;
    CWnd* m_callbackWindow = nullptr;
    UINT m_callbackMessage = 0;
    LPARAM m_callbackParameter = 0;
    std::unique_ptr<CToolTipCtrl> m_toolTip;
    CString m_toolTipText;
    CString m_url;
    HICON m_hoverIcon = nullptr;
    HICON m_idleIcon = nullptr;
    HCURSOR m_cursor = nullptr;
    Image m_hoverImage;
    Image m_idleImage;
    CString m_hoverSound;
    CString m_clickSound;
    ColorButtonLook::State m_drawn;
};
