#pragma once

#include "platform/ui/TabCtrl.h"

#include <memory>
#include <vector>

// A tab control that owns one page window per tab and shows the page of the chosen tab.
class TabCtrl : public CTabCtrl
{
public:
    ~TabCtrl() override;

    // Inserts the tabs and creates their pages (AddPage).
    virtual void InitPages() = 0;
    // Places every page below the tabs, hidden, then shows the current one and selects its tab.
    void LayoutPages();

    int GetCurrentPage() const { return m_currentPage; }
    // Shows the page of the tab and selects the tab, as LayoutPages does for the current one.
    void ShowPage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CWnd* GetPage(int index) const;

protected:
    // Called with the page shown after a click on the tabs or a key that chose another tab.
    virtual void OnPageSelected(CWnd* page) = 0;
    // Asked before a click or a key on another tab hides the page; false keeps it shown.
    virtual bool MayLeavePage(CWnd*) { return true; }
    // Appends a tab with the text and its page, a child window of this control; the control
    // owns the page from now on.
    void AddPage(LPCTSTR text, std::unique_ptr<CWnd> page);

    void OnLButtonDown(UINT flags, CPoint point) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Shows the page of the tab once the page shown may be left; false, with the tab of the page
    // shown chosen again, when it may not.
    bool SwitchTo(int index);

    std::vector<std::unique_ptr<CWnd>> m_pages;
    int m_currentPage = 0;
    bool m_clicking = false;
};
