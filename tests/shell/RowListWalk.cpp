#include "tests/shell/RowListWalk.h"

#include "editors/WarningDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FormView.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TreeCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace
{
// A list that a panel follows or whose row a command removes.
bool IsWorked(const RowList& declared)
{
    return declared.panel != 0 || declared.remove != 0 || declared.deleteKey;
}

// The rows a list shows, by their cells; a tree's items that show, in their order, one cell each.
using Rows = std::vector<std::vector<CString>>;

Rows ShownRows(CWnd& window, int id)
{
    Rows rows;
    CWnd* control = window.GetDlgItem(id);
    if (const auto* list = dynamic_cast<const CListCtrl*>(control))
    {
        const int columns = std::max(1, list->GetColumnCount());
        for (int row = 0; row < list->GetItemCount(); ++row)
        {
            std::vector<CString> cells;
            for (int column = 0; column < columns; ++column)
                cells.push_back(list->GetItemText(row, column));
            rows.push_back(std::move(cells));
        }
    }
    else if (const auto* tree = dynamic_cast<const CTreeCtrl*>(control))
    {
        for (HTREEITEM item = tree->GetRootItem(); item != nullptr;
             item = tree->GetNextVisibleItem(item))
            rows.push_back({tree->GetItemText(item)});
    }
    return rows;
}

// The tree's item that shows at the row.
HTREEITEM TreeItemAt(const CTreeCtrl& tree, int row)
{
    HTREEITEM item = tree.GetRootItem();
    for (int skipped = 0; skipped < row && item != nullptr; ++skipped)
        item = tree.GetNextVisibleItem(item);
    return item;
}

int HighlightedRow(CWnd& window, int id)
{
    CWnd* control = window.GetDlgItem(id);
    if (const auto* list = dynamic_cast<const CListCtrl*>(control))
        return list->GetNextItem(-1, LVNI_SELECTED);
    const auto* tree = dynamic_cast<const CTreeCtrl*>(control);
    int row = 0;
    for (HTREEITEM item = tree != nullptr ? tree->GetRootItem() : nullptr; item != nullptr;
         item = tree->GetNextVisibleItem(item), ++row)
    {
        if (item == tree->GetSelectedItem())
            return row;
    }
    return -1;
}

// A click on the row, in the first of its cells that shows.
bool ClickRow(CWnd& window, int id, int row)
{
    DialogDriver user(window);
    CWnd* control = window.GetDlgItem(id);
    if (const auto* tree = dynamic_cast<const CTreeCtrl*>(control))
        return user.ClickTreeItem(id, TreeItemAt(*tree, row));
    const auto* list = dynamic_cast<const CListCtrl*>(control);
    for (int column = 0; list != nullptr && column < list->GetColumnCount(); ++column)
    {
        if (user.ClickListRow(id, row, column))
            return true;
    }
    return false;
}

// The text of the row's cell, without the blanks around it.
CString CellOfRow(const std::vector<CString>& cells, int column)
{
    CString text =
        column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)] : "";
    text.Trim();
    return text;
}

// One of the cells holds the text.
bool HoldsText(const std::vector<CString>& cells, const CString& text)
{
    return std::any_of(cells.begin(), cells.end(),
                       [&text](const CString& cell) { return cell.Find(text) != -1; });
}

// The text a box shows; of a radio button, the caption of the one of its group that is checked.
CString PanelText(CWnd& window, const DialogTemplate& dialogTemplate, int panel)
{
    const auto& controls = dialogTemplate.controls;
    auto it = std::find_if(controls.begin(), controls.end(),
                           [panel](const DialogControl& control) { return control.id == panel; });
    if (it == controls.end() || it->kind != ControlKind::RadioButton)
    {
        CString text;
        window.GetDlgItemText(panel, text);
        return text;
    }
    for (; it != controls.end() && it->kind == ControlKind::RadioButton; ++it)
    {
        if (window.IsDlgButtonChecked(it->id) != 0)
            return it->caption;
    }
    return CString();
}

// While it lives, every message box is answered Cancel, or No where it has no Cancel, and every
// dialog is cancelled; what they asked is kept, a warning dialog's message as its text.
class Refusals
{
public:
    Refusals()
        : m_boxes(SetMessageBoxHandler(
              [this](const std::string& text, UINT type, UINT)
              {
                  asked.push_back(text);
                  const UINT buttons = type & MB_TYPEMASK;
                  return buttons == MB_YESNO ? IDNO : buttons == MB_OK ? IDOK : IDCANCEL;
              })),
          m_dialogs(SetModalHook(
              [this](CDialog& dialog)
              {
                  DialogDriver user(dialog);
                  asked.push_back(dialog.GetTemplateId() == WarningDlg::IDD
                                      ? user.GetText(WarningDlg::IDC_MESSAGE).GetString()
                                      : "dialog " + std::to_string(dialog.GetTemplateId()));
                  user.PressCancel();
              }))
    {
    }
    ~Refusals()
    {
        SetMessageBoxHandler(std::move(m_boxes));
        SetModalHook(std::move(m_dialogs));
    }
    Refusals(const Refusals&) = delete;
    Refusals& operator=(const Refusals&) = delete;

    std::vector<std::string> asked;

private:
    MessageBoxHandler m_boxes;
    ModalHook m_dialogs;
};

UINT TemplateOf(CWnd& window)
{
    if (const auto* dialog = dynamic_cast<const CDialog*>(&window))
        return dialog->GetTemplateId();
    if (const auto* view = dynamic_cast<const CFormView*>(&window))
        return view->GetTemplateId();
    return 0;
}

// Down from the row before the last highlights the last; the panel shows it. Each command that
// removes the highlighted row asks about it by name and Cancel keeps the rows, or, asking
// nothing, it takes that row away or changes it and leaves the others.
void WalkRowList(CWnd& window, const DialogTemplate& dialogTemplate, const RowList& declared)
{
    SCOPED_TRACE(testing::Message()
                 << "template " << dialogTemplate.resourceId << ", list " << declared.list);
    DialogDriver user(window);
    // Down from the row before the last; false, after a failure, when the last is not highlighted.
    const auto highlightLast = [&](const Rows& rows)
    {
        if (rows.size() < 2)
        {
            ADD_FAILURE() << "the case shows fewer than two rows";
            return false;
        }
        const int last = static_cast<int>(rows.size()) - 1;
        EXPECT_TRUE(ClickRow(window, declared.list, last - 1));
        EXPECT_TRUE(user.PressKey(declared.list, VK_DOWN));
        EXPECT_EQ(last, HighlightedRow(window, declared.list));
        return HighlightedRow(window, declared.list) == last;
    };
    const Rows before = ShownRows(window, declared.list);
    if (!highlightLast(before))
        return;
    if (declared.panel != 0)
    {
        const CString shown = PanelText(window, dialogTemplate, declared.panel);
        EXPECT_FALSE(shown.IsEmpty());
        EXPECT_TRUE(HoldsText(before.back(), shown)) << shown.GetString();
        EXPECT_FALSE(HoldsText(before[before.size() - 2], shown)) << shown.GetString();
    }
    std::vector<std::function<bool()>> commands;
    if (declared.remove != 0)
        commands.push_back([&user, &declared] { return user.Click(declared.remove); });
    if (declared.deleteKey)
        commands.push_back([&user, &declared] { return user.PressKey(declared.list, VK_DELETE); });
    bool first = true;
    for (const auto& command : commands)
    {
        const Rows rows = ShownRows(window, declared.list);
        if (!first && !highlightLast(rows))
            return;
        first = false;
        const std::string name = CellOfRow(rows.back(), declared.nameColumn).GetString();
        const std::string other = CellOfRow(rows[rows.size() - 2], declared.nameColumn).GetString();
        EXPECT_FALSE(name.empty());
        Refusals refusals;
        ASSERT_TRUE(command());
        const Rows after = ShownRows(window, declared.list);
        if (!refusals.asked.empty())
        {
            for (const std::string& question : refusals.asked)
            {
                EXPECT_NE(question.find(name), std::string::npos) << question << " / " << name;
                EXPECT_EQ(question.find('"' + other + '"'), std::string::npos) << question;
            }
            EXPECT_EQ(rows, after);
            continue;
        }
        Rows kept(rows.begin(), rows.end() - 1);
        Rows left = after;
        if (after.size() == rows.size())
        {
            EXPECT_NE(rows.back(), after.back());
            left.pop_back();
        }
        EXPECT_EQ(kept, left);
    }
}
} // namespace

std::set<std::pair<UINT, int>> WorkedRowLists()
{
    std::set<std::pair<UINT, int>> worked;
    for (const DialogTemplate* dialogTemplate : RegisteredDialogTemplates())
    {
        for (const RowList& declared : dialogTemplate->rowLists)
        {
            if (IsWorked(declared))
                worked.insert({dialogTemplate->resourceId, declared.list});
        }
    }
    return worked;
}

void WalkRowLists(CWnd& window, int list, std::set<std::pair<UINT, int>>& walked)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(TemplateOf(window));
    ASSERT_NE(dialogTemplate, nullptr);
    for (const RowList& declared : dialogTemplate->rowLists)
    {
        if (IsWorked(declared) && (list == 0 || list == declared.list))
        {
            WalkRowList(window, *dialogTemplate, declared);
            walked.insert({dialogTemplate->resourceId, declared.list});
        }
    }
}
