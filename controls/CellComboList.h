#pragma once

#include "controls/ComboListKeys.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Wnd.h"

#include <vector>

// The width of the drop-down's scroll bar as the list shows it.
constexpr int COMBO_SCROLL_WIDTH = 11;

class QListWidget;
class QScrollBar;

// The pop-up list of a combo cell: shows the choices, follows the mouse, moves with the keys
// and tells the owning list what happened with the registered WM_CELLCOMBO_ messages.
class CCellComboList : public CWnd
{
public:
    CCellComboList(CWnd* owner, unsigned hoverPeriod);
    ~CCellComboList() override;

    // The pop-up at rect (screen coordinates), its list box in font.
    BOOL Create(const CRect& rect, CFont* font);
    void AddEntry(const CString& text);
    void SetSelection(int index);
    int GetSelection() const;
    CString GetSelectedText() const;
    // Sizes and shows the pop-up at its first call; the list box takes the focus at each.
    void Show(int scrollBarWidth);
    int GetScrollPos() const;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnTimer(UINT_PTR id) override;
    void OnKillFocus(CWnd* newWnd) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnDestroy() override;

private:
    void Tell(UINT message);
    std::vector<CString> Entries() const;
    int VisibleRows() const;

    CWnd* m_owner;
    unsigned m_hoverPeriod;
    QListWidget* m_listWidget = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    CListBox m_list;
    ComboFocusLosses m_losses;
    bool m_firstShow = true;
    int m_visibleRows = 1;
};
