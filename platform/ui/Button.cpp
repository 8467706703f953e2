#include "platform/ui/Button.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>

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
