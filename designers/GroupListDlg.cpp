#include "designers/GroupListDlg.h"

#include "editors/ContextHelp.h"

GroupListDlg::GroupListDlg(UINT templateId, Ids ids, ForgeonProject& project, CWnd* parent)
    : CDialog(templateId, parent), m_host(project, this), m_ids(std::move(ids)), m_view(*this)
{
    using G = GroupListEditor;
    const std::pair<int, void (G::*)()> buttons[] = {
        {m_ids.add, &G::Add},
        {m_ids.remove, &G::Remove},
        {G::IDC_UP, &G::MoveUp},
        {G::IDC_DOWN, &G::MoveDown},
        {G::IDC_PROPERTIES, &G::SetProperties},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControlRange(BN_CLICKED, m_ids.help, m_ids.help,
                    [this, templateId] { ShowContextHelp(this, templateId); });
    MapNotify(NM_DBLCLK, m_ids.entries, &GroupListDlg::OnEntryDoubleClick);
}

BOOL GroupListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_editor->GetCaption());
    m_outputs.SubclassDlgItem(GroupListEditor::IDC_OUTPUTS, this);
    m_entries.SubclassDlgItem(m_ids.entries, this);
    SetListColumns(m_outputs, GroupListEditor::OutputColumnHeadings());
    SetListColumns(m_entries, m_ids.entryHeadings);
    m_editor->Open();
    ShowListRows(m_outputs, m_editor->GetOutputRows());
    Show();
    return TRUE;
}

void GroupListDlg::Select()
{
    std::vector<int> outputs;
    m_outputs.GetSelectedItems(outputs);
    m_editor->SelectOutputs(outputs);
    m_editor->SelectEntry(m_entries.GetCurSel());
}

void GroupListDlg::Run(void (GroupListEditor::*command)())
{
    Select();
    (m_editor->*command)();
    Show();
}

void GroupListDlg::Show()
{
    ShowListRows(m_entries, m_editor->GetEntryRows());
    m_entries.SetCurSel(m_editor->GetSelectedEntry());
    m_view.Show(m_editor->States());
}

void GroupListDlg::OnEntryDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&GroupListEditor::SetProperties);
}
