#include "designers/ReportFieldCtrlPropDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration reportFieldControlTemplate{{
    ReportFieldControlEditor::IDD,
    "Report Field Control Property Dlg",
    {
        {ReportFieldControlEditor::IDC_ASSIGN_CONTROL, ControlKind::PushButton, "Assign Field Rep"},
        {ReportFieldControlEditor::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton,
         "Assign Procedure"},
        {ReportFieldControlEditor::IDC_PROCEDURE_NAME, ControlKind::Static, ""},
        {ReportFieldControlEditor::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 240,
         160},
        {ReportFieldControlEditor::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {ReportFieldControlEditor::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {ReportFieldControlEditor::IDC_SOURCE_KIND, ControlKind::ComboBox, ""},
        {ReportFieldControlEditor::IDC_SOURCES, ControlKind::ListCtrl, "", false, false, 200, 160},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(ReportFieldControlEditor::IDC_ASSIGN_CONTROL),
                  Lay::Control(ReportFieldControlEditor::IDC_ASSIGN_PROCEDURE),
                  Lay::Control(ReportFieldControlEditor::IDC_PROCEDURE_NAME), Lay::Stretch()}),
        Lay::Row({Lay::Control(ReportFieldControlEditor::IDC_PARAMETERS),
                  Lay::ButtonColumn(
                      {ReportFieldControlEditor::IDC_ASSIGN, ReportFieldControlEditor::IDC_REMOVE}),
                  Lay::Column({Lay::Control(ReportFieldControlEditor::IDC_SOURCE_KIND),
                               Lay::Control(ReportFieldControlEditor::IDC_SOURCES)})}),
        Lay::Buttons({IDOK, IDCANCEL}),
    }),
    {{.list = ReportFieldControlEditor::IDC_PARAMETERS,
      .remove = ReportFieldControlEditor::IDC_REMOVE},
     {.list = ReportFieldControlEditor::IDC_SOURCES}},
}};
} // namespace

ReportFieldCtrlPropDlg::ReportFieldCtrlPropDlg(ForgeonProject& project, ReportGroup& group,
                                               ReportField& column, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this), m_editor(group, column, project, m_host),
      m_view(*this)
{
    const std::pair<int, void (ReportFieldControlEditor::*)()> buttons[] = {
        {ReportFieldControlEditor::IDC_ASSIGN_CONTROL, &ReportFieldControlEditor::AssignControl},
        {ReportFieldControlEditor::IDC_ASSIGN_PROCEDURE,
         &ReportFieldControlEditor::AssignProcedure},
        {ReportFieldControlEditor::IDC_ASSIGN, &ReportFieldControlEditor::Assign},
        {ReportFieldControlEditor::IDC_REMOVE, &ReportFieldControlEditor::Remove},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControl(CBN_SELCHANGE, ReportFieldControlEditor::IDC_SOURCE_KIND,
               &ReportFieldCtrlPropDlg::OnSourceKind);
}

BOOL ReportFieldCtrlPropDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_parameters.SubclassDlgItem(ReportFieldControlEditor::IDC_PARAMETERS, this);
    m_sources.SubclassDlgItem(ReportFieldControlEditor::IDC_SOURCES, this);
    SetListColumns(m_parameters, ReportFieldControlEditor::ParameterHeadings());
    SetListColumns(m_sources, ReportFieldControlEditor::SourceHeadings());
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
    const auto* box =
        dynamic_cast<CComboBox*>(GetDlgItem(ReportFieldControlEditor::IDC_SOURCE_KIND));
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
