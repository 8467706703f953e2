#include "editors/AssignProcedureDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

const DialogTemplateRegistration assignTemplate{{
    ProcedureAssigner::IDD,
    "Assign Procedure",
    {
        {0, ControlKind::Static, "Module"},
        {ProcedureAssigner::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Procedure"},
        {ProcedureAssigner::IDC_PROCEDURE, ControlKind::ComboBox, ""},
        {ProcedureAssigner::IDC_PROCEDURE_NAME, ControlKind::Static, ""},
        {ProcedureAssigner::IDC_MAP_INPUT, ControlKind::RadioButton, "Map Input Var"},
        {ProcedureAssigner::IDC_MAP_OUTPUT, ControlKind::RadioButton, "MapOutputFields"},
        {ProcedureAssigner::IDC_MAPPINGS, ControlKind::ListCtrl, "", false, false, 320, 200},
        {ProcedureAssigner::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {ProcedureAssigner::IDC_VARIABLES, ControlKind::ListCtrl, "", false, false, 200, 200},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {ProcedureAssigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(ProcedureAssigner::IDC_MODULE),
                  Lay::Field(ProcedureAssigner::IDC_PROCEDURE),
                  Lay::Control(ProcedureAssigner::IDC_PROCEDURE_NAME), Lay::Stretch()}),
        Lay::Row({Lay::Control(ProcedureAssigner::IDC_MAP_INPUT),
                  Lay::Control(ProcedureAssigner::IDC_MAP_OUTPUT), Lay::Stretch()}),
        Lay::Row({Lay::Control(ProcedureAssigner::IDC_MAPPINGS),
                  Lay::ButtonColumn({ProcedureAssigner::IDC_ASSIGN}),
                  Lay::Control(ProcedureAssigner::IDC_VARIABLES)}),
        Lay::Buttons({IDOK, IDCANCEL, ProcedureAssigner::IDC_HELP_BUTTON}),
    }),
    {{.list = ProcedureAssigner::IDC_MAPPINGS, .deleteKey = true},
     {.list = ProcedureAssigner::IDC_VARIABLES}},
}};
} // namespace

AssignProcedureDlg::AssignProcedureDlg(ProcedureAssigner& assigner, CWnd* parent)
    : CDialog(IDD, parent), m_assigner(assigner), m_view(*this)
{
    MapControl(BN_CLICKED, ProcedureAssigner::IDC_ASSIGN, &AssignProcedureDlg::OnAssign);
    MapControl(BN_CLICKED, ProcedureAssigner::IDC_MAP_OUTPUT, &AssignProcedureDlg::OnMapOutput);
    MapControl(BN_CLICKED, ProcedureAssigner::IDC_MAP_INPUT, &AssignProcedureDlg::OnMapInput);
    MapControl(BN_CLICKED, ProcedureAssigner::IDC_HELP_BUTTON, &AssignProcedureDlg::OnHelp);
    MapControl(CBN_SELCHANGE, ProcedureAssigner::IDC_MODULE, &AssignProcedureDlg::OnModule);
    MapControl(CBN_SELCHANGE, ProcedureAssigner::IDC_PROCEDURE, &AssignProcedureDlg::OnProcedure);
}

BOOL AssignProcedureDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_mappings.SubclassDlgItem(ProcedureAssigner::IDC_MAPPINGS, this);
    m_variables.SubclassDlgItem(ProcedureAssigner::IDC_VARIABLES, this);
    SetListColumns(m_mappings, ProcedureAssigner::MappingColumns());
    SetListColumns(m_variables, ProcedureAssigner::VariableColumns());
    m_assigner.Open();
    ShowListRows(m_variables, m_assigner.GetVariableRows());
    Show();
    return TRUE;
}

BOOL AssignProcedureDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_mappings))
    {
        Run(&ProcedureAssigner::DeleteMapping);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void AssignProcedureDlg::Run(void (ProcedureAssigner::*command)())
{
    m_assigner.SelectMapping(m_mappings.GetCurSel());
    m_assigner.SelectVariable(m_variables.GetCurSel());
    (m_assigner.*command)();
    Show();
}

void AssignProcedureDlg::RunChoice(void (ProcedureAssigner::*command)(int), int combo)
{
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    (m_assigner.*command)(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void AssignProcedureDlg::Show()
{
    ShowListRows(m_mappings, m_assigner.GetMappingRows());
    m_mappings.SetCurSel(m_assigner.GetSelectedMapping());
    m_view.Show(m_assigner.States());
}

void AssignProcedureDlg::OnOK()
{
    if (m_assigner.Ok())
        CDialog::OnOK();
}

void AssignProcedureDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
