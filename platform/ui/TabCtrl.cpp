#include "platform/ui/TabCtrl.h"

#include "platform/ui/ControlWidgets.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"

#include <QSignalBlocker>
#include <QTabBar>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace
{
QTabBar* TabsOf(const CWnd& wnd)
{
    return qobject_cast<QTabBar*>(wnd.GetSafeHwnd());
}
} // namespace

QWidget* CreateTabWidget(QWidget* parent)
{
    auto* tabs = new QTabBar(parent);
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    QObject::connect(tabs, &QTabBar::currentChanged, tabs,
                     [tabs]
                     {
                         NMHDR header{};
                         CWnd::NotifyOwner(tabs, TCN_SELCHANGE, &header);
                     });
    return tabs;
}

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr || GetSafeHwnd() != nullptr)
        return FALSE;
    QWidget* tabs = CreateTabWidget(parent->GetSafeHwnd());
    tabs->setGeometry(ToQRect(rect));
    SetOwnedWidget(tabs);
    SetDlgCtrlID(static_cast<int>(id));
    ModifyStyle(0, style);
    tabs->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

LONG CTabCtrl::InsertItem(int item, LPCTSTR text)
{
    QTabBar* tabs = TabsOf(*this);
    if (tabs == nullptr || item < 0)
        return -1;
    const QSignalBlocker silent(tabs);
    return tabs->insertTab(item, ToQString(text));
}

BOOL CTabCtrl::DeleteItem(int item)
{
    QTabBar* tabs = TabsOf(*this);
    if (tabs == nullptr || item < 0 || item >= tabs->count())
        return FALSE;
    const QSignalBlocker silent(tabs);
    tabs->removeTab(item);
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    QTabBar* tabs = TabsOf(*this);
    if (tabs == nullptr)
        return FALSE;
    const QSignalBlocker silent(tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    QTabBar* tabs = TabsOf(*this);
    return tabs != nullptr ? tabs->count() : 0;
}

int CTabCtrl::GetCurSel() const
{
    QTabBar* tabs = TabsOf(*this);
    return tabs != nullptr ? tabs->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int item)
{
    QTabBar* tabs = TabsOf(*this);
    if (tabs == nullptr || item < 0 || item >= tabs->count())
        return -1;
    const int previous = tabs->currentIndex();
    const QSignalBlocker silent(tabs);
    tabs->setCurrentIndex(item);
    return previous;
}

int CTabCtrl::GetCurFocus() const
{
    return GetCurSel();
}

void CTabCtrl::SetCurFocus(int item)
{
    SetCurSel(item);
}

BOOL CTabCtrl::GetItemRect(int item, LPRECT rect) const
{
    QTabBar* tabs = TabsOf(*this);
    if (tabs == nullptr || item < 0 || item >= tabs->count())
        return FALSE;
    *rect = FromQRect(tabs->tabRect(item));
    return TRUE;
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) const
{
    QTabBar* tabs = TabsOf(*this);
    const int height = tabs != nullptr && tabs->count() > 0 ? tabs->tabRect(0).height() : 0;
    rect->top += larger ? -height : height;
}
