#pragma once

#include "controls/ToolTipMachine.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/Wnd.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

// One registered tool: a window, or a rectangle of it, with its text.
class CRichToolTipInfo : public CObject
{
public:
    UINT m_flags = 0;
    CWnd* m_window = nullptr;
    UINT m_id = 0;
    // In the tip's parent's client coordinates.
    CRect m_rect;
    // The tool is its whole window: its rectangle follows the window, which a layout may place
    // after the tool was added.
    bool m_wholeWindow = false;
    // 0: m_text; -1: the text is asked from the parent with TTN_NEEDTEXT.
    int m_textCallback = 0;
    CString m_text;
    int m_width = 0;
    COLORREF m_textColor = CLR_DEFAULT;
    COLORREF m_backColor = CLR_DEFAULT;
    LPARAM m_userValue = 0;
};

// A pop-up tip beside the cursor for the tools of a window: the window's input is relayed to it
// from its creation (CWnd::AddInputRelay), the tip shows after a delay, hides after a time or on a
// click or key, and a text of two parts joined by a carriage return shows its second part when the
// tip is clicked.
class CRichToolTipCtrl : public CWnd
{
public:
    CRichToolTipCtrl();
    ~CRichToolTipCtrl() override;

    // Makes the tip and has the parent relay its input and its children's to it.
    BOOL Create(CWnd* parent);
    // text LPSTR_TEXTCALLBACK asks the parent; rect is in the tool window's client coordinates
    // (null: the whole window). FALSE without a window.
    BOOL AddTool(CWnd* window, LPCTSTR text, LPCRECT rect = nullptr, UINT id = 0);
    void RelayEvent(MSG* msg);

    void SetMaxTipWidth(int width) { m_maxWidth = width; }
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }
    // The tool of that index in the order added; null when out of range.
    const CRichToolTipInfo* GetTool(int index) const
    {
        return index >= 0 && index < GetToolCount() ? m_tools[index].get() : nullptr;
    }
    const CRichToolTipInfo* GetCurrentTool() const;
    // The part of the current tool's text the tip shows.
    const CString& GetShownText() const { return m_shownText; }
    bool IsShown() const;
    // Whether the tip shows in the system's tool-tip font (WM_SETFONT with another font clears
    // it; WM_GETFONT answers the font).
    bool UsesSystemFont() const { return m_systemFont; }
    const ToolTipMachine& Machine() const { return m_machine; }

    // Where the screen and the cursor are; tests put fixed ones in.
    void SetScreenSource(std::function<CRect()> screen) { m_screen = std::move(screen); }
    void SetCursorSource(std::function<CPoint()> cursor) { m_cursor = std::move(cursor); }

    virtual CRect CalculateTipRect(CPoint point, CSize size);
    virtual CSize CalculateTextSize(const CString& text);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnTimer(UINT_PTR id) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnDestroy() override;
    int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message) override;

private:
    // The tool at the screen point; -1 when none.
    int ToolAt(CPoint screen, CWnd* under) const;
    // The tool's rectangle in the parent's client coordinates, as its window lies now.
    CRect ToolRect(const CRichToolTipInfo& tool) const;
    // The area in the window's client coordinates, in the parent's.
    CRect InParentClient(const CWnd& window, CRect area) const;
    bool CursorOverTip() const;
    void StopRelaying();
    void Run(const ToolTipMachine::Commands& commands);
    void ShowTip(CPoint point);
    CString TextOf(const CRichToolTipInfo& tool);
    // Takes the font's attributes, or the system tool-tip font's when they cannot be read.
    void TakeFont(const CFont* font);

    CWnd* m_parent = nullptr;
    // The widget of the window that relays to the tip.
    QPointer<QWidget> m_relaying;
    CRect m_margins{2, 2, 3, 3};
    int m_maxWidth = 0;
    CPoint m_cursorOffset{0, 20};
    CFont m_font;
    bool m_systemFont = true;
    UINT m_format = 0xA50;
    bool m_multiPart = false;
    bool m_extended = false;
    COLORREF m_textColor = CLR_DEFAULT;
    COLORREF m_backColor = CLR_DEFAULT;
    CWnd* m_focusBefore = nullptr;
    CString m_shownText;
    ToolTipMachine m_machine;
    std::vector<std::unique_ptr<CRichToolTipInfo>> m_tools;
    std::function<CRect()> m_screen;
    std::function<CPoint()> m_cursor;
};
