#include "platform/ui/DialogDriver.h"

#include "platform/ui/QtText.h"
#include "platform/ui/TreeItems.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <utility>

namespace
{
// The control's widget when the user could work it.
QWidget* Usable(const CWnd& window, int id)
{
    const CWnd* control = window.GetDlgItem(id);
    QWidget* widget = control != nullptr ? control->GetSafeHwnd() : nullptr;
    return widget != nullptr && widget->isEnabled() ? widget : nullptr;
}
} // namespace

bool DialogDriver::SetText(int id, const char* text)
{
    QWidget* widget = Usable(m_window, id);
    const QString typed = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && !edit->isReadOnly())
    {
        edit->setText(typed);
    }
    else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget);
             multiLine != nullptr && !multiLine->isReadOnly())
    {
        multiLine->setPlainText(typed);
    }
    else if (auto* combo = qobject_cast<QComboBox*>(widget);
             combo != nullptr && combo->isEditable())
    {
        combo->setEditText(typed);
    }
    else
    {
        return false;
    }
    CWnd::NotifyOwner(widget, EN_KILLFOCUS);
    return true;
}

CString DialogDriver::GetText(int id) const
{
    CString text;
    m_window.GetDlgItemText(id, text);
    return text;
}

bool DialogDriver::Click(int id)
{
    auto* button = qobject_cast<QAbstractButton*>(Usable(m_window, id));
    if (button == nullptr)
    {
        return false;
    }
    button->click();
    return true;
}

bool DialogDriver::SetCheck(int id, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(Usable(m_window, id));
    if (button == nullptr || !button->isCheckable())
    {
        return false;
    }
    if (button->isChecked() != checked)
    {
        button->click();
    }
    return button->isChecked() == checked;
}

bool DialogDriver::Select(int id, int index)
{
    QWidget* widget = index >= 0 ? Usable(m_window, id) : nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && index < combo->count())
    {
        combo->setCurrentIndex(index);
        combo->activated(index);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(widget); list != nullptr && index < list->count())
    {
        list->setCurrentRow(index);
        return true;
    }
    return false;
}

namespace
{
// A user's click (or double click) with the left button at the point of the widget.
void ClickAt(QWidget* widget, QPoint point, bool twice)
{
    const QPoint global = widget->mapToGlobal(point);
    const auto send = [widget, point, global](QEvent::Type type, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, point, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice)
    {
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
}
} // namespace

bool DialogDriver::ClickListRow(int id, int row, int column)
{
    return ClickListCell(id, row, column, false);
}

bool DialogDriver::DoubleClickListRow(int id, int row, int column)
{
    return ClickListCell(id, row, column, true);
}

bool DialogDriver::ClickTreeItem(int id, HTREEITEM item)
{
    return ClickTree(id, item, false);
}

bool DialogDriver::DoubleClickTreeItem(int id, HTREEITEM item)
{
    return ClickTree(id, item, true);
}

bool DialogDriver::ClickListCell(int id, int row, int column, bool twice)
{
    auto* list = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    QTreeWidgetItem* item = list != nullptr && row >= 0 ? list->topLevelItem(row) : nullptr;
    if (item == nullptr || column < 0 || column >= list->columnCount())
    {
        return false;
    }
    const QRect cell = list->visualRect(list->indexFromItem(item, column));
    if (cell.isEmpty())
    {
        return false;
    }
    ClickAt(list->viewport(), cell.center(), twice);
    return true;
}

bool DialogDriver::ClickTree(int id, HTREEITEM item, bool twice)
{
    auto* tree = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    auto* qtItem = reinterpret_cast<QTreeWidgetItem*>(item);
    if (tree == nullptr || qtItem == nullptr || qtItem->treeWidget() != tree)
    {
        return false;
    }
    const QRect bounds = tree->visualItemRect(qtItem);
    if (bounds.isEmpty())
    {
        return false;
    }
    ClickAt(tree->viewport(), QPoint(bounds.left() + 4, bounds.center().y()), twice);
    return true;
}

bool DialogDriver::SetTreeCheck(int id, HTREEITEM item, bool checked)
{
    auto* tree = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    auto* qtItem = reinterpret_cast<QTreeWidgetItem*>(item);
    if (tree == nullptr || qtItem == nullptr || qtItem->treeWidget() != tree)
        return false;
    tree->scrollToItem(qtItem);
    const QRect box = CheckBoxRect(tree, qtItem);
    if (box.isEmpty())
        return false;
    if ((qtItem->checkState(0) == Qt::Checked) != checked)
        ClickAt(tree->viewport(), box.center(), false);
    return (qtItem->checkState(0) == Qt::Checked) == checked;
}

bool DialogDriver::SetListCheck(int id, int row, bool checked)
{
    auto* list = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    QTreeWidgetItem* item = list != nullptr && row >= 0 ? list->topLevelItem(row) : nullptr;
    if (item == nullptr)
        return false;
    list->scrollToItem(item);
    const QRect box = CheckBoxRect(list, item);
    if (box.isEmpty())
        return false;
    if ((item->checkState(0) == Qt::Checked) != checked)
        ClickAt(list->viewport(), box.center(), false);
    return (item->checkState(0) == Qt::Checked) == checked;
}

bool DialogDriver::PressOk()
{
    return Press(IDOK);
}

bool DialogDriver::PressCancel()
{
    return Press(IDCANCEL);
}

bool DialogDriver::Press(int id)
{
    if (m_window.GetDlgItem(id) != nullptr)
    {
        return Click(id);
    }
    m_window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED));
    return true;
}

ScriptedDialogs::ScriptedDialogs()
    : m_previous(SetModalHook([this](CDialog& dialog) { Run(dialog); }))
{
}

ScriptedDialogs::~ScriptedDialogs()
{
    SetModalHook(std::move(m_previous));
}

void ScriptedDialogs::Answer(Script script)
{
    m_scripts.push_back(std::move(script));
}

void ScriptedDialogs::Run(CDialog& dialog)
{
    m_shown.push_back(dialog.GetTemplateId());
    DialogDriver user(dialog);
    if (m_scripts.empty())
    {
        ++m_unscripted;
        user.PressCancel();
        return;
    }
    Script script = std::move(m_scripts.front());
    m_scripts.pop_front();
    script(dialog, user);
}
