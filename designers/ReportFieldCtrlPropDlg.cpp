#include "designers/ReportFieldCtrlPropDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using E = ReportFieldControlEditor;

const DialogTemplateRegistration reportFieldControlTemplate{{
    E::IDD,
    "Report Field Control Property Dlg",
    {
        {E::IDC_ASSIGN_CONTROL, ControlKind::PushButton, "Assign Field Rep"},
        {E::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {E::IDC_PROCEDURE_NAME, ControlKind::Static, ""},
        {E::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 240, 160},
        {E::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {E::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {E::IDC_SOURCE_KIND, ControlKind::ComboBox, ""},
        {E::IDC_SOURCES, ControlKind::ListCtrl, "", false, false, 200, 160},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(E::IDC_ASSIGN_CONTROL), Lay::Control(E::IDC_ASSIGN_PROCEDURE),
                  Lay::Control(E::IDC_PROCEDURE_NAME), Lay::Stretch()}),
        Lay::Row({Lay::Control(E::IDC_PARAMETERS),
                  Lay::ButtonColumn({E::IDC_ASSIGN, E::IDC_REMOVE}),
                  Lay::Column({Lay::Control(E::IDC_SOURCE_KIND), Lay::Control(E::IDC_SOURCES)})}),
        Lay::Buttons({IDOK, IDCANCEL}),
    }),
}};
} // namespace

ReportFieldCtrlPropDlg::ReportFieldCtrlPropDlg(ForgeonProject& project, ReportGroup& group,
                                               ReportField& column, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this), m_editor(group, column, project, m_host),
      m_view(*this)
{
    const std::pair<int, void (E::*)()> buttons[] = {
        {E::IDC_ASSIGN_CONTROL, &E::AssignControl},
        {E::IDC_ASSIGN_PROCEDURE, &E::AssignProcedure},
        {E::IDC_ASSIGN, &E::Assign},
        {E::IDC_REMOVE, &E::Remove},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControl(CBN_SELCHANGE, E::IDC_SOURCE_KIND, &ReportFieldCtrlPropDlg::OnSourceKind);
}

BOOL ReportFieldCtrlPropDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_parameters.SubclassDlgItem(E::IDC_PARAMETERS, this);
    m_sources.SubclassDlgItem(E::IDC_SOURCES, this);
    SetListColumns(m_parameters, E::ParameterHeadings());
    SetListColumns(m_sources, E::SourceHeadings());
    m_editor.Open();
    Show();
    return TRUE;
}

void ReportFieldCtrlPropDlg::Run(void (ReportFieldControlEditor::*command)())
{
    m_editor.SelectParameter(m_parameters.GetCurSel());
    m_editor.SelectSource(m_sources.GetCurSel());
    (m_editor.*command)();
    Show();
}

void ReportFieldCtrlPropDlg::OnSourceKind()
{
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(E::IDC_SOURCE_KIND));
    m_editor.ChooseSourceKind(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void ReportFieldCtrlPropDlg::Show()
{
    ShowListRows(m_parameters, m_editor.GetParameterRows());
    ShowListRows(m_sources, m_editor.GetSourceRows());
    m_view.Show(m_editor.States());
}

void ReportFieldCtrlPropDlg::OnOK()
{
    if (m_editor.Ok())
        CDialog::OnOK();
}

void ReportFieldCtrlPropDlg::OnCancel()
{
    m_editor.Cancel();
    CDialog::OnCancel();
}
