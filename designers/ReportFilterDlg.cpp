#include "designers/ReportFilterDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using E = ReportFilterEditor;

const DialogTemplateRegistration reportFilterTemplate{{
    E::IDD,
    "Filters for :",
    {
        {E::IDC_OUTPUTS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_ADD, ControlKind::PushButton, ">"},
        {E::IDC_REMOVE, ControlKind::PushButton, "<"},
        {E::IDC_FILTERS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_UP, ControlKind::PushButton, "Up"},
        {E::IDC_DOWN, ControlKind::PushButton, "Down"},
        {E::IDC_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {E::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {E::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {E::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(E::IDC_OUTPUTS), Lay::ButtonColumn({E::IDC_ADD, E::IDC_REMOVE}),
                  Lay::Control(E::IDC_FILTERS),
                  Lay::ButtonColumn({E::IDC_UP, E::IDC_DOWN, E::IDC_PROPERTIES})}),
        Lay::Row(
            {Lay::Control(E::IDC_SINGLE_COLUMN), Lay::Control(E::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Buttons({IDOK, IDCANCEL, E::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ReportFilterDlg::ReportFilterDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this), m_editor(group, m_host), m_view(*this)
{
    const std::pair<int, void (E::*)()> buttons[] = {
        {E::IDC_ADD, &E::Add},
        {E::IDC_REMOVE, &E::Remove},
        {E::IDC_UP, &E::MoveUp},
        {E::IDC_DOWN, &E::MoveDown},
        {E::IDC_PROPERTIES, &E::SetProperties},
        {E::IDC_SINGLE_COLUMN, &E::SingleColumn},
        {E::IDC_TWO_COLUMNS, &E::TwoColumns},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControlRange(BN_CLICKED, E::IDC_HELP_BUTTON, E::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(NM_DBLCLK, E::IDC_FILTERS, &ReportFilterDlg::OnFilterDoubleClick);
}

BOOL ReportFilterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_editor.GetCaption());
    m_outputs.SubclassDlgItem(E::IDC_OUTPUTS, this);
    m_filters.SubclassDlgItem(E::IDC_FILTERS, this);
    SetListColumns(m_outputs, E::OutputColumnHeadings());
    SetListColumns(m_filters, E::FilterHeadings());
    m_editor.Open();
    ShowListRows(m_outputs, m_editor.GetOutputRows());
    Show();
    return TRUE;
}

void ReportFilterDlg::Run(void (ReportFilterEditor::*command)())
{
    std::vector<int> outputs;
    m_outputs.GetSelectedItems(outputs);
    m_editor.SelectOutputs(outputs);
    m_editor.SelectFilter(m_filters.GetCurSel());
    (m_editor.*command)();
    Show();
}

void ReportFilterDlg::Show()
{
    ShowListRows(m_filters, m_editor.GetFilterRows());
    m_filters.SetCurSel(m_editor.GetSelectedFilter());
    m_view.Show(m_editor.States());
}

void ReportFilterDlg::OnFilterDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&E::SetProperties);
}
