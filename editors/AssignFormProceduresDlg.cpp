#include "editors/AssignFormProceduresDlg.h"

#include "editors/ViewEditorHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using F = FormProceduresAssigner;

const DialogTemplateRegistration formProceduresTemplate{{
    F::IDD,
    "Procedures for Forms",
    {
        {0, ControlKind::Static, "Procedure Type"},
        {F::IDC_TYPE, ControlKind::ComboBox, ""},
        {F::IDC_ASSIGN, ControlKind::PushButton, "Assign Procedure"},
        {F::IDC_REMOVE, ControlKind::PushButton, "Remove Procedure"},
        {F::IDC_UNIQUENESS, ControlKind::Static, "", false, false, 360},
        {F::IDC_UPDATE, ControlKind::Static, "", false, false, 360},
        {F::IDC_DELETE, ControlKind::Static, "", false, false, 360},
        {F::IDC_DEFAULT_VALUE, ControlKind::Static, "", false, false, 360},
        {IDOK, ControlKind::DefPushButton, "OK"},
    },
    0,
    Lay::Column({
        Lay::Row(
            {Lay::Field(F::IDC_TYPE), Lay::Control(F::IDC_ASSIGN), Lay::Control(F::IDC_REMOVE)}),
        Lay::Control(F::IDC_UNIQUENESS),
        Lay::Control(F::IDC_UPDATE),
        Lay::Control(F::IDC_DELETE),
        Lay::Control(F::IDC_DEFAULT_VALUE),
        Lay::Buttons({IDOK}),
    }),
}};
} // namespace

AssignFormProceduresDlg::AssignFormProceduresDlg(ForgeonProject& project, FormInterface* page,
                                                 Table* table, CWnd* parent)
    : CDialog(IDD, parent), m_assigner(project, ViewEditorHost::Get(), page, table), m_view(*this)
{
    MapControl(BN_CLICKED, F::IDC_ASSIGN, &AssignFormProceduresDlg::OnAssign);
    MapControl(BN_CLICKED, F::IDC_REMOVE, &AssignFormProceduresDlg::OnRemove);
    MapControl(CBN_SELCHANGE, F::IDC_TYPE, &AssignFormProceduresDlg::OnType);
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
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(F::IDC_TYPE)))
        m_assigner.States().Select(F::IDC_TYPE, combo->GetCurSel());
}
