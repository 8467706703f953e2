#include "controls/CellComboList.h"

#include "controls/CellListCtrl.h"
#include "platform/ui/GdiObjects.h"

#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

namespace
{
constexpr UINT_PTR TIMER_HOVER = 1;
constexpr DWORD POPUP_STYLE = 0x90800000;
constexpr UINT CLASS_STYLE = 0x840;
} // namespace

CCellComboList::CCellComboList(CWnd* owner, unsigned hoverPeriod)
    : m_owner(owner), m_hoverPeriod(hoverPeriod)
{
}

CCellComboList::~CCellComboList()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    ClearMessageMap();
}

BOOL CCellComboList::Create(const CRect& rect, CFont* font)
{
    const CString className = AfxRegisterWndClass(CLASS_STYLE, LoadCursor(nullptr, IDC_ARROW));
    if (!CWnd::Create(className, "", POPUP_STYLE, rect, m_owner, 0))
        return FALSE;
    m_listWidget = new QListWidget(GetSafeHwnd());
    m_listWidget->setUniformItemSizes(true);
    m_listWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listWidget->setMouseTracking(true);
    m_listWidget->show();
    m_scrollBar = new QScrollBar(Qt::Vertical, GetSafeHwnd());
    m_scrollBar->show();
    // The scroll bar scrolls the list box by whole entries.
    QObject::connect(m_scrollBar, &QScrollBar::valueChanged, m_listWidget,
                     [list = m_listWidget](int top) { list->verticalScrollBar()->setValue(top); });
    m_list.Attach(m_listWidget);
    if (font != nullptr)
        m_list.SetFont(font);
    return TRUE;
}

void CCellComboList::AddEntry(const CString& text)
{
    m_list.AddString(text);
}

void CCellComboList::SetSelection(int index)
{
    m_list.SetCurSel(index);
}

int CCellComboList::GetSelection() const
{
    return m_list.GetCurSel();
}

CString CCellComboList::GetSelectedText() const
{
    CString text;
    if (GetSelection() >= 0)
        m_list.GetText(GetSelection(), text);
    return text;
}

int CCellComboList::GetScrollPos() const
{
    return m_scrollBar == nullptr ? 0 : m_scrollBar->value();
}

int CCellComboList::VisibleRows() const
{
    return m_visibleRows;
}

void CCellComboList::Show(int scrollBarWidth)
{
    if (m_listWidget == nullptr)
        return;
    m_list.SetFocus();
    if (!m_firstShow)
        return;
    m_firstShow = false;
    const int rowHeight = std::max(m_listWidget->sizeHintForRow(0), 1);
    CRect window;
    GetWindowRect(&window);
    m_visibleRows = std::max(window.Height() / rowHeight, 1);
    MoveWindow(window.left, window.top, window.Width(), m_visibleRows * rowHeight + 4);
    CRect client;
    GetClientRect(&client);
    m_listWidget->setGeometry(1, 1, client.Width() - 1 - scrollBarWidth, client.Height() - 1);
    m_scrollBar->setGeometry(client.Width() - scrollBarWidth, 0, scrollBarWidth, client.Height());
    const int count = m_list.GetCount();
    m_scrollBar->setRange(0, count < 0 ? 1 : count);
    m_scrollBar->setPageStep(m_visibleRows);
    const int selection = std::max(GetSelection(), 0);
    m_scrollBar->setValue(selection);
    if (selection > 0 && m_listWidget->item(selection - 1) != nullptr)
        m_listWidget->scrollToItem(m_listWidget->item(selection - 1),
                                   QAbstractItemView::PositionAtTop);
    SetTimer(TIMER_HOVER, m_hoverPeriod);
}

void CCellComboList::Tell(UINT message)
{
    if (m_owner != nullptr && m_owner->GetSafeHwnd() != nullptr)
        m_owner->SendMessage(message);
}

std::vector<CString> CCellComboList::Entries() const
{
    std::vector<CString> entries(static_cast<size_t>(std::max(m_list.GetCount(), 0)));
    for (size_t i = 0; i < entries.size(); ++i)
        m_list.GetText(static_cast<int>(i), entries[i]);
    return entries;
}

BOOL CCellComboList::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_LBUTTONUP)
    {
        Tell(CellComboLButtonUpMessage());
        return FALSE;
    }
    if (msg->message != WM_KEYDOWN)
        return FALSE;
    const UINT key = static_cast<UINT>(msg->wParam);
    if (key == VK_RETURN)
    {
        Tell(CellComboReturnMessage());
        return TRUE;
    }
    if (key == VK_ESCAPE)
    {
        Tell(CellComboEscapeMessage());
        return TRUE;
    }
    const std::vector<CString> entries = Entries();
    const std::optional<int> target = ComboKeyTarget(key, GetSelection(), VisibleRows(), entries);
    if (!target)
        return FALSE;
    Tell(CellComboKeyDownMessage());
    const int position = ClampComboPosition(*target, static_cast<int>(entries.size()));
    m_scrollBar->setValue(position);
    if (key < 'A' || key > 'Z')
        return FALSE;
    // The list box's own search would start after the selection: the letter is handled here.
    SetSelection(position);
    return TRUE;
}

void CCellComboList::OnTimer(UINT_PTR id)
{
    if (id != TIMER_HOVER || m_listWidget == nullptr)
        return;
    const QPoint cursor = m_listWidget->viewport()->mapFromGlobal(QCursor::pos());
    const int index = m_listWidget->row(m_listWidget->itemAt(cursor));
    if (index >= 0 && index != GetSelection())
        SetSelection(index);
}

void CCellComboList::OnKillFocus(CWnd*)
{
    if (m_losses.Lose())
        Tell(CellComboEscapeMessage());
}

void CCellComboList::OnLButtonDown(UINT, CPoint)
{
    Tell(CellComboLButtonUpMessage());
}

void CCellComboList::OnDestroy()
{
    KillTimer(TIMER_HOVER);
    m_list.Detach();
    m_listWidget = nullptr;
    m_scrollBar = nullptr;
    CWnd::OnDestroy();
}
