#include "platform/ui/DialogDriver.h"

#include "platform/ui/Menu.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TreeItems.h"
#include "platform/ui/VirtualKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
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

// A user's right click at the point of the widget, with the cursor there, that chooses command
// from the popup menu it brings up, and the command's arrival; false when no menu came up.
bool RightClickAt(QWidget* widget, QPoint point, UINT command)
{
    const QPoint global = widget->mapToGlobal(point);
    QCursor::setPos(global);
    bool shown = false;
    PopupMenuTracker previous = SetPopupMenuTracker(
        [&shown, command](CMenu&, UINT, CPoint, CWnd*)
        {
            shown = true;
            return command;
        });
    const QPointer<QWidget> alive(widget);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
    {
        QMouseEvent event(type, point, global, Qt::RightButton,
                          type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton,
                          Qt::NoModifier);
        if (!alive.isNull())
            QApplication::sendEvent(widget, &event);
    }
    QContextMenuEvent menu(QContextMenuEvent::Mouse, point, global);
    if (!shown && !alive.isNull())
        QApplication::sendEvent(widget, &menu);
    SetPopupMenuTracker(std::move(previous));
    // The command chosen is posted to the menu's window.
    QCoreApplication::sendPostedEvents();
    return shown;
}

// The Qt key of a typed character.
int KeyOf(char character)
{
    switch (character)
    {
    case '\n':
        return Qt::Key_Return;
    case '\t':
        return Qt::Key_Tab;
    case '\b':
        return Qt::Key_Backspace;
    case '\x1b':
        return Qt::Key_Escape;
    default:
        return QChar::fromLatin1(character).toUpper().unicode();
    }
}

void TypeInto(QWidget* widget, const char* keys)
{
    const QPointer<QWidget> alive(widget);
    for (const char* key = keys; *key != '\0' && !alive.isNull(); ++key)
    {
        const QString text(QChar::fromLatin1(*key));
        QKeyEvent press(QEvent::KeyPress, KeyOf(*key), Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, KeyOf(*key), Qt::NoModifier, text);
        if (!alive.isNull())
            QApplication::sendEvent(widget, &release);
    }
}

// Clicks the item's check box until it shows the state; false when the item shows no box.
bool ClickCheckBox(QTreeWidget* tree, QTreeWidgetItem* item, bool checked)
{
    tree->scrollToItem(item);
    const QRect box = CheckBoxRect(tree, item);
    if (box.isEmpty())
        return false;
    if ((item->checkState(0) == Qt::Checked) != checked)
        ClickAt(tree->viewport(), box.center(), false);
    return (item->checkState(0) == Qt::Checked) == checked;
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
    const QRect box = CheckBoxRect(tree, qtItem);
    const int left = box.isEmpty() ? bounds.left() : box.right() + 1;
    ClickAt(tree->viewport(), QPoint(left + 4, bounds.center().y()), twice);
    return true;
}

bool DialogDriver::SetTreeCheck(int id, HTREEITEM item, bool checked)
{
    auto* tree = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    auto* qtItem = reinterpret_cast<QTreeWidgetItem*>(item);
    return tree != nullptr && qtItem != nullptr && qtItem->treeWidget() == tree &&
           ClickCheckBox(tree, qtItem, checked);
}

bool DialogDriver::SetListCheck(int id, int row, bool checked)
{
    auto* list = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    QTreeWidgetItem* item = list != nullptr && row >= 0 ? list->topLevelItem(row) : nullptr;
    return item != nullptr && ClickCheckBox(list, item, checked);
}

bool DialogDriver::RightClickTreeItem(int id, HTREEITEM item, UINT command)
{
    auto* tree = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    auto* qtItem = reinterpret_cast<QTreeWidgetItem*>(item);
    if (tree == nullptr || qtItem == nullptr || qtItem->treeWidget() != tree)
        return false;
    tree->scrollToItem(qtItem);
    const QRect bounds = tree->visualItemRect(qtItem);
    return !bounds.isEmpty() && RightClickAt(tree->viewport(), bounds.center(), command);
}

bool DialogDriver::RightClickListRow(int id, int row, UINT command)
{
    auto* list = qobject_cast<QTreeWidget*>(Usable(m_window, id));
    QTreeWidgetItem* item = list != nullptr && row >= 0 ? list->topLevelItem(row) : nullptr;
    if (item == nullptr)
        return false;
    list->scrollToItem(item);
    const QRect bounds = list->visualItemRect(item);
    return !bounds.isEmpty() && RightClickAt(list->viewport(), bounds.center(), command);
}

bool DialogDriver::SelectTab(int id, int index)
{
    auto* tabs = qobject_cast<QTabBar*>(Usable(m_window, id));
    if (tabs == nullptr || index < 0 || index >= tabs->count() || !tabs->isTabEnabled(index))
        return false;
    ClickAt(tabs, tabs->tabRect(index).center(), false);
    return tabs->currentIndex() == index;
}

bool DialogDriver::TypeKeys(int id, const char* keys)
{
    QWidget* widget = Usable(m_window, id);
    if (widget == nullptr)
        return false;
    widget->setFocus();
    TypeInto(widget, keys);
    return true;
}

bool DialogDriver::TypeKeys(const char* keys)
{
    QWidget* window = m_window.GetSafeHwnd();
    QWidget* focused = window != nullptr ? window->focusWidget() : nullptr;
    if (focused == nullptr || !focused->isEnabled())
        return false;
    TypeInto(focused, keys);
    return true;
}

bool DialogDriver::PressKey(int id, UINT virtualKey)
{
    QWidget* widget = Usable(m_window, id);
    if (widget == nullptr)
        return false;
    widget->setFocus();
    const QPointer<QWidget> alive(widget);
    QKeyEvent press(QEvent::KeyPress, QtKeyOf(virtualKey), Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, QtKeyOf(virtualKey), Qt::NoModifier);
    if (!alive.isNull())
        QApplication::sendEvent(widget, &release);
    return true;
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
