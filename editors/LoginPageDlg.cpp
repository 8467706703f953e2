#include "editors/LoginPageDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNCREATE(LoginPageDlg, CFormView)

namespace
{

const DialogTemplateRegistration loginTemplate{{
    LoginPageEditor::IDD,
    "",
    {
        {LoginPageEditor::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {LoginPageEditor::IDC_PROCEDURE_LABEL, ControlKind::Static, "Assigned Procedure :", false,
         false, 320},
        {0, ControlKind::Static, "Procedure output Fields"},
        {LoginPageEditor::IDC_OUTPUT_FIELDS, ControlKind::ComboBox, ""},
        {LoginPageEditor::IDC_ASSIGN_EMPLOYEE, ControlKind::PushButton, "Assign As EmployeeField"},
        {LoginPageEditor::IDC_ASSIGN_DESIGNATION, ControlKind::PushButton, "Assign As Designation"},
        {LoginPageEditor::IDC_EMPLOYEE_LABEL, ControlKind::Static, "Employee Field :", false, false,
         320},
        {LoginPageEditor::IDC_DESIGNATION_LABEL, ControlKind::Static, "Designation Field :", false,
         false, 320},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(LoginPageEditor::IDC_ASSIGN_PROCEDURE),
                  Lay::Control(LoginPageEditor::IDC_PROCEDURE_LABEL), Lay::Stretch()}),
        Lay::Row({Lay::Field(LoginPageEditor::IDC_OUTPUT_FIELDS),
                  Lay::Control(LoginPageEditor::IDC_ASSIGN_EMPLOYEE),
                  Lay::Control(LoginPageEditor::IDC_ASSIGN_DESIGNATION), Lay::Stretch()}),
        Lay::Control(LoginPageEditor::IDC_EMPLOYEE_LABEL),
        Lay::Control(LoginPageEditor::IDC_DESIGNATION_LABEL),
        Lay::Stretch(),
    }),
}};
} // namespace

LoginPageDlg::LoginPageDlg() : CFormView(LoginPageEditor::IDD), m_view(*this)
{
    MapControl(BN_CLICKED, LoginPageEditor::IDC_ASSIGN_PROCEDURE, &LoginPageDlg::OnAssignProcedure);
    MapControl(BN_CLICKED, LoginPageEditor::IDC_ASSIGN_EMPLOYEE, &LoginPageDlg::OnAssignEmployee);
    MapControl(BN_CLICKED, LoginPageEditor::IDC_ASSIGN_DESIGNATION,
               &LoginPageDlg::OnAssignDesignation);
}

LoginPageDlg::~LoginPageDlg() = default;

LoginPageEditor* LoginPageDlg::GetEditor()
{
    return m_editor.Get();
}

void LoginPageDlg::Load()
{
    if (LoginPageEditor* editor = GetEditor())
    {
        editor->Load();
        Show();
    }
}

void LoginPageDlg::ClearPage()
{
    Show();
}

void LoginPageDlg::Run(void (LoginPageEditor::*command)())
{
    if (GetEditor() == nullptr)
        return;
    if (const auto* combo =
            dynamic_cast<CComboBox*>(GetDlgItem(LoginPageEditor::IDC_OUTPUT_FIELDS)))
        m_editor.Current()->States().Select(LoginPageEditor::IDC_OUTPUT_FIELDS, combo->GetCurSel());
    (m_editor.Current()->*command)();
    Show();
}

void LoginPageDlg::Show()
{
    if (m_editor.Current() != nullptr)
        m_view.Show(m_editor.Current()->States());
}
