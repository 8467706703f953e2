#include "platform/ui/ComboBox.h"

#include "platform/ui/ItemSearch.h"
#include "platform/ui/QtText.h"

#include <QComboBox>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace
{
QComboBox* ComboOf(const CWnd& wnd)
{
    return qobject_cast<QComboBox*>(wnd.GetSafeHwnd());
}

bool IsItem(const QComboBox* combo, int index)
{
    return index >= 0 && index < combo->count();
}
} // namespace

int CComboBox::AddString(LPCTSTR text)
{
    QComboBox* combo = ComboOf(*this);
    return combo != nullptr ? InsertString(combo->count(), text) : CB_ERR;
}

// Qt selects the first item put into an empty list; the list keeps its selection (or its lack of
// one) and, when editable, its text.
int CComboBox::InsertString(int index, LPCTSTR text)
{
    QComboBox* combo = ComboOf(*this);
    if (combo == nullptr || index > combo->count())
    {
        return CB_ERR;
    }
    const int at = index < 0 ? combo->count() : index;
    const int selected = combo->currentIndex();
    const QString editText = combo->currentText();
    combo->insertItem(at, ToQString(text));
    if (selected < 0)
    {
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
        {
            combo->setEditText(editText);
        }
    }
    return at;
}

int CComboBox::DeleteString(UINT index)
{
    QComboBox* combo = ComboOf(*this);
    if (combo == nullptr || !IsItem(combo, static_cast<int>(index)))
    {
        return CB_ERR;
    }
    combo->removeItem(static_cast<int>(index));
    return combo->count();
}

void CComboBox::ResetContent()
{
    if (QComboBox* combo = ComboOf(*this))
    {
        combo->clear();
    }
}

int CComboBox::GetCount() const
{
    QComboBox* combo = ComboOf(*this);
    return combo != nullptr ? combo->count() : 0;
}

int CComboBox::GetCurSel() const
{
    QComboBox* combo = ComboOf(*this);
    return combo != nullptr && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    QComboBox* combo = ComboOf(*this);
    if (combo == nullptr)
    {
        return CB_ERR;
    }
    const bool valid = IsItem(combo, index);
    combo->setCurrentIndex(valid ? index : -1);
    return valid ? index : CB_ERR;
}

int CComboBox::GetLBText(int index, CString& text) const
{
    QComboBox* combo = ComboOf(*this);
    if (combo == nullptr || !IsItem(combo, index))
    {
        return CB_ERR;
    }
    text = FromQString(combo->itemText(index));
    return text.GetLength();
}

int CComboBox::GetLBTextLen(int index) const
{
    CString text;
    return GetLBText(index, text);
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    QComboBox* combo = ComboOf(*this);
    if (combo == nullptr || !IsItem(combo, index))
    {
        return CB_ERR;
    }
    combo->setItemData(index, QVariant::fromValue(static_cast<qulonglong>(data)));
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    QComboBox* combo = ComboOf(*this);
    if (combo == nullptr || !IsItem(combo, index))
    {
        return static_cast<DWORD_PTR>(CB_ERR);
    }
    return static_cast<DWORD_PTR>(combo->itemData(index).toULongLong());
}

int CComboBox::FindString(int start, LPCTSTR text) const
{
    return Find(start, text, false);
}

int CComboBox::FindStringExact(int start, LPCTSTR text) const
{
    return Find(start, text, true);
}

int CComboBox::Find(int start, LPCTSTR text, bool exact) const
{
    auto* combo = ComboOf(*this);
    return combo != nullptr ? FindItemText(
                                  combo->count(), [combo](int i) { return combo->itemText(i); },
                                  start, ToQString(text), exact)
                            : CB_ERR;
}

int CComboBox::SelectString(int start, LPCTSTR text)
{
    const int found = FindString(start, text);
    return found != CB_ERR ? SetCurSel(found) : CB_ERR;
}
