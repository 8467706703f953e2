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

void TabCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    CTabCtrl::OnLButtonDown(flags, point);
    const int focused = GetCurFocus();
    if (focused != m_currentPage && GetPage(focused) != nullptr)
    {
        if (!MayLeavePage(GetPage(m_currentPage)))
        {
            SetCurFocus(m_currentPage);
            return;
        }
        if (CWnd* leaving = GetPage(m_currentPage))
        {
            leaving->ShowWindow(SW_HIDE);
            leaving->UpdateData();
        }
        m_currentPage = focused;
        CWnd* shown = GetPage(m_currentPage);
        shown->ShowWindow(SW_SHOW);
        SetCurFocus(m_currentPage);
        shown->UpdateData();
    }
    OnPageSelected(GetPage(m_currentPage));
}
