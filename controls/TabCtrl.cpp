#include "controls/TabCtrl.h"

TabCtrl::~TabCtrl()
{
    m_pages.clear();
}

CWnd* TabCtrl::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)].get()
                                                : nullptr;
}

void TabCtrl::AddPage(LPCTSTR text, std::unique_ptr<CWnd> page)
{
    InsertItem(GetItemCount(), text);
    m_pages.push_back(std::move(page));
}

void TabCtrl::LayoutPages()
{
    CRect client;
    GetClientRect(&client);
    CRect tab;
    GetItemRect(0, &tab);
    tab.InflateRect(2, 2);
    const CRect area(tab.left, tab.bottom + 1, client.right - 1, client.bottom - 1);
    for (const auto& page : m_pages)
    {
        page->SetWindowPos(&wndTop, area.left, area.top, area.Width(), area.Height(), 0);
        page->ShowWindow(SW_HIDE);
    }
    if (CWnd* current = GetPage(m_currentPage))
        current->ShowWindow(SW_SHOW);
    SetCurSel(m_currentPage);
}

void TabCtrl::ShowPage(int index)
{
    if (GetPage(index) == nullptr)
        return;
    if (CWnd* leaving = GetPage(m_currentPage))
        leaving->ShowWindow(SW_HIDE);
    m_currentPage = index;
    GetPage(index)->ShowWindow(SW_SHOW);
    SetCurSel(index);
}

bool TabCtrl::SwitchTo(int index)
{
    if (index == m_currentPage || GetPage(index) == nullptr)
        return true;
    if (!MayLeavePage(GetPage(m_currentPage)))
    {
        SetCurFocus(m_currentPage);
        return false;
    }
    if (CWnd* leaving = GetPage(m_currentPage))
    {
        leaving->ShowWindow(SW_HIDE);
        leaving->UpdateData();
    }
    m_currentPage = index;
    CWnd* shown = GetPage(m_currentPage);
    shown->ShowWindow(SW_SHOW);
    SetCurFocus(m_currentPage);
    shown->UpdateData();
    return true;
}

void TabCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    m_clicking = true;
    CTabCtrl::OnLButtonDown(flags, point);
    m_clicking = false;
    if (SwitchTo(GetCurFocus()))
        OnPageSelected(GetPage(m_currentPage));
}

BOOL TabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // A tab chosen by key: the page follows as after a click.
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message == WM_NOTIFY && header != nullptr && header->code == TCN_SELCHANGE && !m_clicking &&
        GetCurSel() != m_currentPage && SwitchTo(GetCurSel()))
        OnPageSelected(GetPage(m_currentPage));
    return CTabCtrl::OnChildNotify(message, wParam, lParam, result);
}
