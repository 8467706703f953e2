#include "platform/ui/Button.h"

#include "platform/ui/DC.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CButton, CWnd)

int CButton::GetCheck() const
{
    if (auto* box = qobject_cast<QCheckBox*>(GetSafeHwnd()))
    {
        switch (box->checkState())
        {
        case Qt::Checked:
            return BST_CHECKED;
        case Qt::PartiallyChecked:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
        }
    }
    auto* button = qobject_cast<QAbstractButton*>(GetSafeHwnd());
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

// Unchecking a radio button needs its exclusivity (of its group, or among its siblings) lifted
// for a moment; checking one clears the others of its group.
void CButton::SetCheck(int state)
{
    if (auto* box = qobject_cast<QCheckBox*>(GetSafeHwnd()))
    {
        if (state == static_cast<int>(BST_INDETERMINATE))
        {
            box->setTristate(true);
        }
        box->setCheckState(state == static_cast<int>(BST_CHECKED)         ? Qt::Checked
                           : state == static_cast<int>(BST_INDETERMINATE) ? Qt::PartiallyChecked
                                                                          : Qt::Unchecked);
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(GetSafeHwnd());
    if (button == nullptr || !button->isCheckable())
    {
        return;
    }
    if (state == static_cast<int>(BST_CHECKED))
    {
        button->setChecked(true);
        return;
    }
    QButtonGroup* group = button->group();
    const bool groupExclusive = group != nullptr && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
    {
        group->setExclusive(false);
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
    {
        group->setExclusive(true);
    }
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & BS_TYPEMASK;
}

void CButton::SetButtonStyle(UINT style, BOOL redraw)
{
    ModifyStyle(BS_TYPEMASK, style & BS_TYPEMASK);
    if (redraw)
        Invalidate();
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

void CButton::OnPaint()
{
    auto* button = qobject_cast<QAbstractButton*>(GetSafeHwnd());
    if (button == nullptr || GetButtonStyle() != BS_OWNERDRAW)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    UINT state = 0;
    if (button->isDown() || button->isChecked())
        state |= ODS_SELECTED;
    if (button->hasFocus())
        state |= ODS_FOCUS;
    if (!button->isEnabled())
        state |= ODS_DISABLED;
    if (auto* push = qobject_cast<QPushButton*>(button); push != nullptr && push->isDefault())
        state |= ODS_DEFAULT;
    DRAWITEMSTRUCT draw{
        ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID()), 0, ODA_DRAWENTIRE, state, button, &dc, {},
        0};
    GetClientRect(&draw.rcItem);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    else
        DrawItem(&draw);
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}
