#include "platform/ui/ListCtrl.h"

#include "platform/ui/QtText.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace
{
QTreeWidget* ListOf(const CWnd& wnd)
{
    return qobject_cast<QTreeWidget*>(wnd.GetSafeHwnd());
}

QTreeWidgetItem* RowAt(const CWnd& wnd, int item)
{
    QTreeWidget* list = ListOf(wnd);
    return list != nullptr && item >= 0 ? list->topLevelItem(item) : nullptr;
}

Qt::Alignment AlignmentOf(int format)
{
    switch (format)
    {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width)
{
    QTreeWidget* list = ListOf(*this);
    if (list == nullptr || column < 0 || column > list->columnCount())
    {
        return -1;
    }
    QTreeWidgetItem* header = list->headerItem();
    const int count = list->columnCount();
    list->setColumnCount(count + 1);
    for (int moved = count; moved > column; --moved)
    {
        header->setText(moved, header->text(moved - 1));
        header->setTextAlignment(moved, Qt::Alignment(header->textAlignment(moved - 1)));
        for (int row = 0; row < list->topLevelItemCount(); ++row)
        {
            QTreeWidgetItem* item = list->topLevelItem(row);
            item->setText(moved, item->text(moved - 1));
            item->setTextAlignment(moved, Qt::Alignment(item->textAlignment(moved - 1)));
        }
    }
    header->setText(column, ToQString(heading));
    header->setTextAlignment(column, AlignmentOf(format));
    for (int row = 0; row < list->topLevelItemCount(); ++row)
    {
        list->topLevelItem(row)->setText(column, QString());
        list->topLevelItem(row)->setTextAlignment(column, AlignmentOf(format));
    }
    if (width >= 0)
    {
        list->setColumnWidth(column, width);
    }
    return column;
}

BOOL CListCtrl::DeleteColumn(int column)
{
    QTreeWidget* list = ListOf(*this);
    if (list == nullptr || column < 0 || column >= list->columnCount())
    {
        return FALSE;
    }
    const int count = list->columnCount();
    QTreeWidgetItem* header = list->headerItem();
    for (int moved = column; moved + 1 < count; ++moved)
    {
        header->setText(moved, header->text(moved + 1));
        for (int row = 0; row < list->topLevelItemCount(); ++row)
        {
            QTreeWidgetItem* item = list->topLevelItem(row);
            item->setText(moved, item->text(moved + 1));
        }
    }
    list->setColumnCount(count - 1);
    return TRUE;
}

int CListCtrl::GetColumnCount() const
{
    QTreeWidget* list = ListOf(*this);
    return list != nullptr ? list->columnCount() : 0;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    QTreeWidget* list = ListOf(*this);
    if (list == nullptr || column < 0 || column >= list->columnCount())
    {
        return FALSE;
    }
    list->setColumnWidth(column, width);
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const
{
    QTreeWidget* list = ListOf(*this);
    return list != nullptr ? list->columnWidth(column) : 0;
}

int CListCtrl::GetItemCount() const
{
    QTreeWidget* list = ListOf(*this);
    return list != nullptr ? list->topLevelItemCount() : 0;
}

int CListCtrl::InsertItem(int item, LPCTSTR text)
{
    QTreeWidget* list = ListOf(*this);
    if (list == nullptr || item < 0)
    {
        return -1;
    }
    const int at = item > list->topLevelItemCount() ? list->topLevelItemCount() : item;
    auto* row = new QTreeWidgetItem;
    row->setText(0, ToQString(text));
    for (int column = 0; column < list->columnCount(); ++column)
    {
        row->setTextAlignment(column, Qt::Alignment(list->headerItem()->textAlignment(column)));
    }
    if ((GetExtendedStyle() & LVS_EX_CHECKBOXES) != 0)
    {
        row->setCheckState(0, Qt::Unchecked);
    }
    list->insertTopLevelItem(at, row);
    return at;
}

// Rows are deleted silently, and leave no row selected in their place.
BOOL CListCtrl::DeleteItem(int item)
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    QTreeWidget* list = ListOf(*this);
    const bool heldSelection = row->isSelected() || list->currentItem() == row;
    const QSignalBlocker silent(list);
    delete row;
    if (heldSelection)
    {
        list->selectionModel()->clear();
    }
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    QTreeWidget* list = ListOf(*this);
    if (list == nullptr)
    {
        return FALSE;
    }
    const QSignalBlocker silent(list);
    list->clear();
    return TRUE;
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text)
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr || subItem < 0 || subItem >= GetColumnCount())
    {
        return FALSE;
    }
    row->setText(subItem, ToQString(text));
    return TRUE;
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    QTreeWidgetItem* row = RowAt(*this, item);
    return row != nullptr && subItem >= 0 ? FromQString(row->text(subItem)) : CString();
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    row->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(data)));
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    QTreeWidgetItem* row = RowAt(*this, item);
    return row != nullptr ? static_cast<DWORD_PTR>(row->data(0, Qt::UserRole).toULongLong()) : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    QTreeWidget* list = ListOf(*this);
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    if ((mask & LVIS_FOCUSED) != 0 && (state & LVIS_FOCUSED) != 0)
    {
        list->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    }
    if ((mask & LVIS_SELECTED) != 0)
    {
        if ((state & LVIS_SELECTED) != 0)
        {
            list->setCurrentItem(row);
        }
        row->setSelected((state & LVIS_SELECTED) != 0);
    }
    return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return 0;
    }
    UINT state = row->isSelected() ? LVIS_SELECTED : 0;
    if (ListOf(*this)->currentItem() == row)
    {
        state |= LVIS_FOCUSED;
    }
    return state & mask;
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    const int count = GetItemCount();
    for (int item = start < 0 ? 0 : start + 1; item < count; ++item)
    {
        if ((flags & LVNI_SELECTED) == 0 || RowAt(*this, item)->isSelected())
        {
            return item;
        }
    }
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    QTreeWidget* list = ListOf(*this);
    return list != nullptr ? static_cast<UINT>(list->selectedItems().size()) : 0;
}

BOOL CListCtrl::EnsureVisible(int item, BOOL)
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    ListOf(*this)->scrollToItem(row);
    return TRUE;
}

// The style is kept on the widget, so every handle of the list sees it.
DWORD CListCtrl::SetExtendedStyle(DWORD style)
{
    QTreeWidget* list = ListOf(*this);
    if (list == nullptr)
    {
        return 0;
    }
    const DWORD previous = GetExtendedStyle();
    list->setProperty("weavoExtendedStyle", static_cast<uint>(style));
    list->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0
                                   ? QAbstractItemView::SelectRows
                                   : QAbstractItemView::SelectItems);
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    QTreeWidget* list = ListOf(*this);
    return list != nullptr ? list->property("weavoExtendedStyle").toUInt() : 0;
}

BOOL CListCtrl::GetCheck(int item) const
{
    QTreeWidgetItem* row = RowAt(*this, item);
    return row != nullptr && row->checkState(0) == Qt::Checked;
}

BOOL CListCtrl::SetCheck(int item, BOOL check)
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    row->setCheckState(0, check != FALSE ? Qt::Checked : Qt::Unchecked);
    return TRUE;
}
