#include "designers/ReportColumnDlg.h"

#include "editors/ContextHelp.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using E = ReportColumnEditor;

const DialogTemplateRegistration reportColumnTemplate{{
    E::IDD,
    "Columns for :",
    {
        {E::IDC_OUTPUTS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_ADD, ControlKind::PushButton, ">"},
        {E::IDC_REMOVE, ControlKind::PushButton, "<"},
        {E::IDC_COLUMNS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_UP, ControlKind::PushButton, "Up"},
        {E::IDC_DOWN, ControlKind::PushButton, "Down"},
        {E::IDC_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {E::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(E::IDC_OUTPUTS), Lay::ButtonColumn({E::IDC_ADD, E::IDC_REMOVE}),
                  Lay::Control(E::IDC_COLUMNS),
                  Lay::ButtonColumn({E::IDC_UP, E::IDC_DOWN, E::IDC_PROPERTIES})}),
        Lay::Buttons({IDOK, IDCANCEL, E::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ReportColumnDlg::ReportColumnDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this), m_editor(group, project, m_host)
{
    const std::pair<int, void (E::*)()> buttons[] = {
        {E::IDC_ADD, &E::Add},
        {E::IDC_REMOVE, &E::Remove},
        {E::IDC_UP, &E::MoveUp},
        {E::IDC_DOWN, &E::MoveDown},
        {E::IDC_PROPERTIES, &E::SetProperties},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControlRange(BN_CLICKED, E::IDC_HELP_BUTTON, E::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(NM_DBLCLK, E::IDC_COLUMNS, &ReportColumnDlg::OnColumnDoubleClick);
}

BOOL ReportColumnDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_editor.GetCaption());
    m_outputs.SubclassDlgItem(E::IDC_OUTPUTS, this);
    m_columns.SubclassDlgItem(E::IDC_COLUMNS, this);
    SetListColumns(m_outputs, E::OutputColumnHeadings());
    SetListColumns(m_columns, E::ColumnHeadings());
    m_editor.Open();
    ShowListRows(m_outputs, m_editor.GetOutputRows());
    Show();
    return TRUE;
}

void ReportColumnDlg::Run(void (ReportColumnEditor::*command)())
{
    std::vector<int> outputs;
    m_outputs.GetSelectedItems(outputs);
    m_editor.SelectOutputs(outputs);
    m_editor.SelectColumn(m_columns.GetCurSel());
    (m_editor.*command)();
    Show();
}

void ReportColumnDlg::Show()
{
    ShowListRows(m_columns, m_editor.GetColumnRows());
    m_columns.SetCurSel(m_editor.GetSelectedColumn());
}

void ReportColumnDlg::OnColumnDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&E::SetProperties);
}
