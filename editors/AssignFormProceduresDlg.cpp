#include "editors/AssignFormProceduresDlg.h"

#include "editors/ViewEditorHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration formProceduresTemplate{{
    FormProceduresAssigner::IDD,
    "Procedures for Forms",
    {
        {0, ControlKind::Static, "Procedure Type"},
        {FormProceduresAssigner::IDC_TYPE, ControlKind::ComboBox, ""},
        {FormProceduresAssigner::IDC_ASSIGN, ControlKind::PushButton, "Assign Procedure"},
        {FormProceduresAssigner::IDC_REMOVE, ControlKind::PushButton, "Remove Procedure"},
        {FormProceduresAssigner::IDC_UNIQUENESS, ControlKind::Static, "", false, false, 360},
        {FormProceduresAssigner::IDC_UPDATE, ControlKind::Static, "", false, false, 360},
        {FormProceduresAssigner::IDC_DELETE, ControlKind::Static, "", false, false, 360},
        {FormProceduresAssigner::IDC_DEFAULT_VALUE, ControlKind::Static, "", false, false, 360},
        {IDOK, ControlKind::DefPushButton, "OK"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(FormProceduresAssigner::IDC_TYPE),
                  Lay::Control(FormProceduresAssigner::IDC_ASSIGN),
                  Lay::Control(FormProceduresAssigner::IDC_REMOVE)}),
        Lay::Control(FormProceduresAssigner::IDC_UNIQUENESS),
        Lay::Control(FormProceduresAssigner::IDC_UPDATE),
        Lay::Control(FormProceduresAssigner::IDC_DELETE),
        Lay::Control(FormProceduresAssigner::IDC_DEFAULT_VALUE),
        Lay::Buttons({IDOK}),
    }),
}};
} // namespace

AssignFormProceduresDlg::AssignFormProceduresDlg(ForgeonProject& project, FormInterface* page,
                                                 Table* table, CWnd* parent)
    : CDialog(IDD, parent), m_assigner(project, ViewEditorHost::Get(), page, table), m_view(*this)
{
    MapControl(BN_CLICKED, FormProceduresAssigner::IDC_ASSIGN, &AssignFormProceduresDlg::OnAssign);
    MapControl(BN_CLICKED, FormProceduresAssigner::IDC_REMOVE, &AssignFormProceduresDlg::OnRemove);
    MapControl(CBN_SELCHANGE, FormProceduresAssigner::IDC_TYPE, &AssignFormProceduresDlg::OnType);
}

BOOL AssignFormProceduresDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_assigner.Open();
    m_view.Show(m_assigner.States());
    return TRUE;
}

void AssignFormProceduresDlg::Run(void (FormProceduresAssigner::*command)())
{
    (m_assigner.*command)();
    m_view.Show(m_assigner.States());
}

void AssignFormProceduresDlg::OnType()
{
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(FormProceduresAssigner::IDC_TYPE)))
        m_assigner.States().Select(FormProceduresAssigner::IDC_TYPE, combo->GetCurSel());
}
