#include "editors/ControlStatesView.h"

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "platform/core/StringTable.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Messages.h"

#include <algorithm>

void ControlStatesView::Show(const ControlStates& states)
{
    for (int id : states.GetIds())
    {
        CWnd* control = m_window.GetDlgItem(id);
        if (control == nullptr)
            continue;
        if (auto* combo = dynamic_cast<CComboBox*>(control))
            ShowComboItems(*combo, states.GetItems(id), states.GetSelection(id));
        else if (states.HasText(id))
        {
            CString text;
            control->GetWindowText(text);
            if (text != states.GetText(id))
                control->SetWindowText(states.GetText(id));
        }
        if (states.IsChecked(id) != (m_window.IsDlgButtonChecked(id) != 0))
            m_window.CheckDlgButton(id, states.IsChecked(id) ? 1 : 0);
        control->EnableWindow(states.IsEnabled(id) ? TRUE : FALSE);
    }
}

void ControlStatesView::ReadTexts(ControlStates& states, std::initializer_list<int> ids) const
{
    for (int id : ids)
    {
        CString text;
        m_window.GetDlgItemText(id, text);
        states.SetText(id, text);
    }
}

void ControlStatesView::ReadBoxes(ControlStates& states, const std::vector<int>& ids) const
{
    for (int id : ids)
    {
        CWnd* control = m_window.GetDlgItem(id);
        if (control == nullptr)
            continue;
        if (const auto* combo = dynamic_cast<CComboBox*>(control))
            states.Select(id, combo->GetCurSel());
        else if (control->IsKindOf(RUNTIME_CLASS(CButton)))
            states.SetCheck(id, m_window.IsDlgButtonChecked(id) == BST_CHECKED);
        else
        {
            CString text;
            control->GetWindowText(text);
            states.SetText(id, text);
        }
    }
}

void ShowComboItems(CComboBox& combo, const std::vector<CString>& items, int selection)
{
    bool same = combo.GetCount() == static_cast<int>(items.size());
    for (int i = 0; same && i < combo.GetCount(); ++i)
    {
        CString item;
        combo.GetLBText(i, item);
        same = item == items[static_cast<std::size_t>(i)];
    }
    if (!same)
    {
        combo.ResetContent();
        for (const CString& item : items)
            combo.AddString(item);
    }
    combo.SetCurSel(selection);
}

void SetListColumns(CCellListCtrl& list, const std::vector<ListColumn>& columns)
{
    std::vector<int> widths;
    std::vector<CString> headings;
    for (const ListColumn& column : columns)
    {
        widths.push_back(column.width);
        headings.push_back(column.heading);
    }
    list.InitColumns(widths, headings);
}

void ShowListRows(CCellListCtrl& list, const std::vector<ListRow>& rows)
{
    list.DeleteAllItems();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
    {
        const ListRow& data = rows[row];
        list.InsertItem(row, data.cells.empty() ? "" : data.cells[0].GetString(), data.textColour,
                        data.backColour, TRUE);
        for (int column = 1; column < static_cast<int>(data.cells.size()); ++column)
            list.SetItemText(row, column, data.cells[column], data.textColour, data.backColour);
        list.SetUserValue(row, 0, data.data);
    }
}

void FitListColumns(CCellListCtrl& list)
{
    for (int column = 0; column < list.GetColumnCount(); ++column)
    {
        const int width = list.GetColumnWidth(column);
        list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
        if (list.GetColumnWidth(column) < width)
            list.SetColumnWidth(column, width);
    }
}

void AddToolTips(CRichToolTipCtrl& tips, CWnd& window, const std::vector<ToolTip>& table)
{
    for (const ToolTip& tip : table)
    {
        if (CWnd* control = window.GetDlgItem(tip.controlId))
            tips.AddTool(control, LoadStringResource(tip.stringId));
    }
}

bool IsDeleteKeyFor(const MSG& msg, const CWnd& control)
{
    return msg.message == WM_KEYDOWN && msg.wParam == VK_DELETE &&
           msg.hwnd == control.GetSafeHwnd();
}

bool IsEnterKeyIn(const MSG& msg, const CWnd& window, std::initializer_list<int> ids)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN)
        return false;
    return std::ranges::any_of(ids,
                               [&](int id)
                               {
                                   const CWnd* control = window.GetDlgItem(id);
                                   return control != nullptr && msg.hwnd == control->GetSafeHwnd();
                               });
}

int ClickedRow(const NMHDR* header)
{
    return reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
}
