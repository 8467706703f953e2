#include "editors/AssignFunctionDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using A = FunctionAssignment;

const DialogTemplateRegistration assignFunctionTemplate{{
    A::IDD,
    "Assign Function",
    {
        {0, ControlKind::Static, "Module"},
        {A::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Class"},
        {A::IDC_CLASS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Function"},
        {A::IDC_FUNCTION, ControlKind::ComboBox, ""},
        {A::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {A::IDC_FUNCTION_NAME, ControlKind::Static, "Function not assigned.", false, false, 260},
        {A::IDC_FIELDS, ControlKind::ListCtrl, "", false, false, 200, 160},
        {A::IDC_MAP, ControlKind::PushButton, "<"},
        {A::IDC_UNMAP, ControlKind::PushButton, ">"},
        {A::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 240, 160},
        {1664, ControlKind::PushButton, "Load Classes and Functions", true},
        {1665, ControlKind::PushButton, "Remove", true},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {A::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row(
            {Lay::Field(A::IDC_MODULE), Lay::Field(A::IDC_CLASS), Lay::Field(A::IDC_FUNCTION)}),
        Lay::Row({Lay::Control(A::IDC_ASSIGN), Lay::Control(A::IDC_FUNCTION_NAME),
                  Lay::Control(1664), Lay::Control(1665)}),
        Lay::Row({Lay::Control(A::IDC_PARAMETERS), Lay::ButtonColumn({A::IDC_MAP, A::IDC_UNMAP}),
                  Lay::Control(A::IDC_FIELDS)}),
        Lay::Buttons({IDOK, A::IDC_HELP_BUTTON}),
    }),
}};

int RowOf(NMHDR* header)
{
    return reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
}
} // namespace

AssignFunctionDlg::AssignFunctionDlg(const ForgeonProject& project, FormInterface& page,
                                     ClassInvokation* invokation, bool allowChange, CWnd* parent)
    : CDialog(IDD, parent), m_assignment(project, page, invokation, allowChange), m_view(*this)
{
    MapControlRange(BN_CLICKED, A::IDC_ASSIGN, A::IDC_ASSIGN, [this] { Run(&A::Assign); });
    MapControlRange(BN_CLICKED, A::IDC_MAP, A::IDC_MAP, [this] { Run(&A::Map); });
    MapControlRange(BN_CLICKED, A::IDC_UNMAP, A::IDC_UNMAP, [this] { Run(&A::Unmap); });
    MapControlRange(BN_CLICKED, A::IDC_HELP_BUTTON, A::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, A::HelpContext); });
    MapControlRange(CBN_SELCHANGE, A::IDC_MODULE, A::IDC_MODULE,
                    [this] { RunChoice(&A::ChooseModule, A::IDC_MODULE); });
    MapControlRange(CBN_SELCHANGE, A::IDC_CLASS, A::IDC_CLASS,
                    [this] { RunChoice(&A::ChooseClass, A::IDC_CLASS); });
    MapControlRange(CBN_SELCHANGE, A::IDC_FUNCTION, A::IDC_FUNCTION,
                    [this] { RunChoice(&A::ChooseFunction, A::IDC_FUNCTION); });
    MapNotify(NM_CLICK, A::IDC_FIELDS, &AssignFunctionDlg::OnFieldClick);
    MapNotify(NM_CLICK, A::IDC_PARAMETERS, &AssignFunctionDlg::OnParameterClick);
}

BOOL AssignFunctionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_fields.SubclassDlgItem(A::IDC_FIELDS, this);
    m_parameters.SubclassDlgItem(A::IDC_PARAMETERS, this);
    SetListColumns(m_fields, A::FieldColumns());
    SetListColumns(m_parameters, A::ParameterColumns());
    m_assignment.Open();
    Show();
    m_toolTips.Create(this);
    return TRUE;
}

void AssignFunctionDlg::Run(void (FunctionAssignment::*command)())
{
    (m_assignment.*command)();
    Show();
}

void AssignFunctionDlg::RunChoice(void (FunctionAssignment::*command)(int), int combo)
{
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    (m_assignment.*command)(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void AssignFunctionDlg::OnFieldClick(NMHDR* header, LRESULT* result)
{
    m_assignment.SelectField(RowOf(header));
    *result = 0;
}

void AssignFunctionDlg::OnParameterClick(NMHDR* header, LRESULT* result)
{
    m_assignment.SelectParameter(RowOf(header));
    *result = 0;
}

void AssignFunctionDlg::Show()
{
    ShowListRows(m_fields, m_assignment.GetFieldRows());
    ShowListRows(m_parameters, m_assignment.GetParameterRows());
    m_view.Show(m_assignment.States());
}
