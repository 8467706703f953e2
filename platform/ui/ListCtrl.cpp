#include "platform/ui/ListCtrl.h"

#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrlWidgets.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"

#include <QIcon>
#include <QVariant>

#include <algorithm>
#include <string>

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::CListCtrl() = default;

CListCtrl::~CListCtrl() = default;

namespace
{
QTreeWidget* ListCtrlWidgetOf(const CWnd& wnd)
{
    return qobject_cast<QTreeWidget*>(wnd.GetSafeHwnd());
}

QTreeWidgetItem* RowAt(const CWnd& wnd, int item)
{
    QTreeWidget* list = ListCtrlWidgetOf(wnd);
    return list != nullptr && item >= 0 ? list->topLevelItem(item) : nullptr;
}

Qt::Alignment ColumnAlignmentOf(int format)
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
    QTreeWidget* list = ListCtrlWidgetOf(*this);
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
    header->setTextAlignment(column, ColumnAlignmentOf(format));
    for (int row = 0; row < list->topLevelItemCount(); ++row)
    {
        list->topLevelItem(row)->setText(column, QString());
        list->topLevelItem(row)->setTextAlignment(column, ColumnAlignmentOf(format));
    }
    if (width >= 0)
    {
        list->setColumnWidth(column, width);
    }
    return column;
}

BOOL CListCtrl::DeleteColumn(int column)
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
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
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    return list != nullptr ? list->columnCount() : 0;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (list == nullptr || column < 0 || column >= list->columnCount())
    {
        return FALSE;
    }
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER)
    {
        const bool withHeading = width == LVSCW_AUTOSIZE_USEHEADER;
        // Public in the base class.
        const QAbstractItemView* view = list;
        constexpr int kMargin = 12;
        width = view->sizeHintForColumn(column) + kMargin;
        if (withHeading)
            width = std::max(width, list->header()->sectionSizeHint(column));
    }
    list->setColumnWidth(column, width);
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    return list != nullptr ? list->columnWidth(column) : 0;
}

int CListCtrl::GetItemCount() const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    return list != nullptr ? list->topLevelItemCount() : 0;
}

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr || GetSafeHwnd() != nullptr)
        return FALSE;
    QTreeWidget* list = CreateListWidget(parent->GetSafeHwnd());
    list->setGeometry(ToQRect(rect));
    if ((style & LVS_SINGLESEL) == 0)
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SetOwnedWidget(list);
    SetDlgCtrlID(static_cast<int>(id));
    ModifyStyle(0, style);
    list->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (list == nullptr)
        return nullptr;
    if (auto* header = dynamic_cast<CHeaderCtrl*>(FromHandle(list->header())))
        return header;
    if (!m_header)
        m_header = std::make_unique<CHeaderCtrl>();
    m_header->Detach();
    m_header->Attach(list->header());
    return m_header.get();
}

int CListCtrl::InsertItem(int item, LPCTSTR text, int image)
{
    const int at = InsertItem(item, text);
    CImageList* images = GetImageList(LVSIL_SMALL);
    if (at >= 0 && images != nullptr)
        RowAt(*this, at)->setIcon(0, images->GetIcon(image));
    return at;
}

int CListCtrl::InsertItem(int item, LPCTSTR text)
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
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
    QTreeWidget* list = ListCtrlWidgetOf(*this);
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
    QTreeWidget* list = ListCtrlWidgetOf(*this);
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
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    if ((mask & LVIS_FOCUSED) != 0 && (state & LVIS_FOCUSED) != 0)
    {
        list->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    }
    if ((mask & LVIS_SELECTED) != 0 && (state & LVIS_SELECTED) != 0 && !row->isSelected() &&
        NotifyListItemChanging(list, item) != 0)
    {
        return FALSE;
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
    if (ListCtrlWidgetOf(*this)->currentItem() == row)
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
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    return list != nullptr ? static_cast<UINT>(list->selectedItems().size()) : 0;
}

BOOL CListCtrl::EnsureVisible(int item, BOOL)
{
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
    {
        return FALSE;
    }
    ListCtrlWidgetOf(*this)->scrollToItem(row);
    return TRUE;
}

// The style is kept on the widget, so every handle of the list sees it.
DWORD CListCtrl::SetExtendedStyle(DWORD style)
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (list == nullptr)
    {
        return 0;
    }
    const DWORD previous = GetExtendedStyle();
    list->setProperty("weavoExtendedStyle", static_cast<uint>(style));
    list->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0
                                   ? QAbstractItemView::SelectRows
                                   : QAbstractItemView::SelectItems);
    // Grid lines change the rows' height.
    if (((previous ^ style) & LVS_EX_GRIDLINES) != 0)
        list->doItemsLayout();
    list->viewport()->update();
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
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

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    QTreeWidgetItem* row = RowAt(*this, item);
    if (row == nullptr)
        return FALSE;
    QRect bounds = list->visualItemRect(row);
    if (code == LVIR_BOUNDS)
    {
        bounds.setLeft(-list->header()->offset());
        bounds.setWidth(list->header()->length());
    }
    else
    {
        bounds.setLeft(list->header()->sectionViewportPosition(0));
        bounds.setWidth(list->columnWidth(0));
    }
    *rect = FromQRect(bounds.translated(ViewportOffset(list)));
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int code, CRect& rect) const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (subItem == 0)
        return GetItemRect(item, &rect, static_cast<UINT>(code));
    if (list == nullptr || subItem < 0 || subItem >= list->columnCount() ||
        !GetItemRect(item, &rect, LVIR_BOUNDS))
        return FALSE;
    rect.left = list->header()->sectionViewportPosition(subItem) + ViewportOffset(list).x();
    rect.right = rect.left + list->columnWidth(subItem);
    return TRUE;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    info->iItem = -1;
    info->iSubItem = -1;
    info->flags = LVHT_NOWHERE;
    if (list == nullptr)
        return -1;
    const QPoint point = ToQPoint(info->pt) - ViewportOffset(list);
    const QModelIndex index =
        list->viewport()->rect().contains(point) ? list->indexAt(point) : QModelIndex();
    if (index.isValid())
    {
        info->iItem = index.row();
        info->iSubItem = index.column();
        info->flags = LVHT_ONITEMLABEL;
    }
    return info->iItem;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const
{
    LVHITTESTINFO info{point, 0, -1, -1};
    const int item = SubItemHitTest(&info);
    if (flags != nullptr)
        *flags = info.flags;
    return item;
}

int CListCtrl::GetTopIndex() const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    QTreeWidgetItem* top = list != nullptr ? list->itemAt(0, 0) : nullptr;
    return top != nullptr ? list->indexOfTopLevelItem(top) : 0;
}

BOOL CListCtrl::RedrawItems(int, int)
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (list == nullptr)
        return FALSE;
    list->viewport()->update();
    return TRUE;
}

CImageList* CListCtrl::SetImageList(CImageList* images, int kind)
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (list == nullptr)
        return nullptr;
    CImageList* previous = GetImageList(kind);
    list->setProperty((std::string(kListImagesProperty) + std::to_string(kind)).c_str(),
                      QVariant::fromValue(reinterpret_cast<quintptr>(images)));
    return previous;
}

CImageList* CListCtrl::GetImageList(int kind) const
{
    QTreeWidget* list = ListCtrlWidgetOf(*this);
    if (list == nullptr)
        return nullptr;
    return reinterpret_cast<CImageList*>(
        list->property((std::string(kListImagesProperty) + std::to_string(kind)).c_str())
            .value<quintptr>());
}
