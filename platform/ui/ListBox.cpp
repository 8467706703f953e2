#include "platform/ui/ListBox.h"

#include "platform/ui/ItemSearch.h"
#include "platform/ui/QtText.h"

#include <QListWidget>
#include <QSignalBlocker>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

// The owner hears LBN_SELCHANGE only of the user's selections: changes made here are silent.
namespace
{
QListWidget* ListBoxWidgetOf(const CWnd& wnd)
{
    return qobject_cast<QListWidget*>(wnd.GetSafeHwnd());
}

QListWidgetItem* ItemAt(const CWnd& wnd, int index)
{
    QListWidget* list = ListBoxWidgetOf(wnd);
    return list != nullptr && index >= 0 ? list->item(index) : nullptr;
}
} // namespace

int CListBox::AddString(LPCTSTR text)
{
    QListWidget* list = ListBoxWidgetOf(*this);
    return list != nullptr ? InsertString(list->count(), text) : LB_ERR;
}

int CListBox::InsertString(int index, LPCTSTR text)
{
    QListWidget* list = ListBoxWidgetOf(*this);
    if (list == nullptr || index > list->count())
    {
        return LB_ERR;
    }
    const int at = index < 0 ? list->count() : index;
    const QSignalBlocker silent(list);
    list->insertItem(at, ToQString(text));
    return at;
}

int CListBox::DeleteString(UINT index)
{
    QListWidget* list = ListBoxWidgetOf(*this);
    QListWidgetItem* item = ItemAt(*this, static_cast<int>(index));
    if (item == nullptr)
    {
        return LB_ERR;
    }
    const QSignalBlocker silent(list);
    delete item;
    return list->count();
}

void CListBox::ResetContent()
{
    if (QListWidget* list = ListBoxWidgetOf(*this))
    {
        const QSignalBlocker silent(list);
        list->clear();
    }
}

int CListBox::GetCount() const
{
    QListWidget* list = ListBoxWidgetOf(*this);
    return list != nullptr ? list->count() : 0;
}

int CListBox::GetCurSel() const
{
    QListWidget* list = ListBoxWidgetOf(*this);
    if (list == nullptr || list->currentItem() == nullptr || !list->currentItem()->isSelected())
    {
        return LB_ERR;
    }
    return list->currentRow();
}

int CListBox::SetCurSel(int index)
{
    QListWidget* list = ListBoxWidgetOf(*this);
    if (list == nullptr || index >= list->count())
    {
        return LB_ERR;
    }
    const QSignalBlocker silent(list);
    list->setCurrentRow(index < 0 ? -1 : index);
    return index < 0 ? LB_ERR : index;
}

int CListBox::GetText(int index, CString& text) const
{
    QListWidgetItem* item = ItemAt(*this, index);
    if (item == nullptr)
    {
        return LB_ERR;
    }
    text = FromQString(item->text());
    return text.GetLength();
}

int CListBox::GetTextLen(int index) const
{
    CString text;
    return GetText(index, text);
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    QListWidgetItem* item = ItemAt(*this, index);
    if (item == nullptr)
    {
        return LB_ERR;
    }
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(data)));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    QListWidgetItem* item = ItemAt(*this, index);
    return item != nullptr ? static_cast<DWORD_PTR>(item->data(Qt::UserRole).toULongLong())
                           : static_cast<DWORD_PTR>(LB_ERR);
}

int CListBox::FindString(int start, LPCTSTR text) const
{
    return Find(start, text, false);
}

int CListBox::FindStringExact(int start, LPCTSTR text) const
{
    return Find(start, text, true);
}

int CListBox::Find(int start, LPCTSTR text, bool exact) const
{
    auto* list = ListBoxWidgetOf(*this);
    return list != nullptr ? FindItemText(
                                 list->count(), [list](int i) { return list->item(i)->text(); },
                                 start, ToQString(text), exact)
                           : LB_ERR;
}

int CListBox::SelectString(int start, LPCTSTR text)
{
    const int found = FindString(start, text);
    return found != LB_ERR ? SetCurSel(found) : LB_ERR;
}
