#include "editors/AssignFunctionDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

const DialogTemplateRegistration assignFunctionTemplate{{
    FunctionAssignment::IDD,
    "Assign Function",
    {
        {0, ControlKind::Static, "Module"},
        {FunctionAssignment::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Class"},
        {FunctionAssignment::IDC_CLASS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Function"},
        {FunctionAssignment::IDC_FUNCTION, ControlKind::ComboBox, ""},
        {FunctionAssignment::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {FunctionAssignment::IDC_FUNCTION_NAME, ControlKind::Static, "Function not assigned.",
         false, false, 260},
        {FunctionAssignment::IDC_FIELDS, ControlKind::ListCtrl, "", false, false, 200, 160},
        {FunctionAssignment::IDC_MAP, ControlKind::PushButton, "<"},
        {FunctionAssignment::IDC_UNMAP, ControlKind::PushButton, ">"},
        {FunctionAssignment::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 240, 160},
        {1664, ControlKind::PushButton, "Load Classes and Functions", true},
        {1665, ControlKind::PushButton, "Remove", true},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {FunctionAssignment::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(FunctionAssignment::IDC_MODULE),
                  Lay::Field(FunctionAssignment::IDC_CLASS),
                  Lay::Field(FunctionAssignment::IDC_FUNCTION)}),
        Lay::Row({Lay::Control(FunctionAssignment::IDC_ASSIGN),
                  Lay::Control(FunctionAssignment::IDC_FUNCTION_NAME), Lay::Control(1664),
                  Lay::Control(1665)}),
        Lay::Row({Lay::Control(FunctionAssignment::IDC_PARAMETERS),
                  Lay::ButtonColumn({FunctionAssignment::IDC_MAP, FunctionAssignment::IDC_UNMAP}),
                  Lay::Control(FunctionAssignment::IDC_FIELDS)}),
        Lay::Buttons({IDOK, FunctionAssignment::IDC_HELP_BUTTON}),
    }),
    {{.list = FunctionAssignment::IDC_FIELDS},
     {.list = FunctionAssignment::IDC_PARAMETERS, .remove = FunctionAssignment::IDC_UNMAP}},
}};
} // namespace

AssignFunctionDlg::AssignFunctionDlg(const ForgeonProject& project, FormInterface& page,
                                     ClassInvokation* invokation, bool allowChange, CWnd* parent)
    : CDialog(IDD, parent), m_assignment(project, page, invokation, allowChange), m_view(*this)
{
    MapControlRange(BN_CLICKED, FunctionAssignment::IDC_ASSIGN, FunctionAssignment::IDC_ASSIGN,
                    [this] { Run(&FunctionAssignment::Assign); });
    MapControlRange(BN_CLICKED, FunctionAssignment::IDC_MAP, FunctionAssignment::IDC_MAP,
                    [this] { Run(&FunctionAssignment::Map); });
    MapControlRange(BN_CLICKED, FunctionAssignment::IDC_UNMAP, FunctionAssignment::IDC_UNMAP,
                    [this] { Run(&FunctionAssignment::Unmap); });
    MapControlRange(BN_CLICKED, FunctionAssignment::IDC_HELP_BUTTON,
                    FunctionAssignment::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, FunctionAssignment::HelpContext); });
    MapControlRange(
        CBN_SELCHANGE, FunctionAssignment::IDC_MODULE, FunctionAssignment::IDC_MODULE,
        [this] { RunChoice(&FunctionAssignment::ChooseModule, FunctionAssignment::IDC_MODULE); });
    MapControlRange(
        CBN_SELCHANGE, FunctionAssignment::IDC_CLASS, FunctionAssignment::IDC_CLASS,
        [this] { RunChoice(&FunctionAssignment::ChooseClass, FunctionAssignment::IDC_CLASS); });
    MapControlRange(
        CBN_SELCHANGE, FunctionAssignment::IDC_FUNCTION, FunctionAssignment::IDC_FUNCTION,
        [this]
        { RunChoice(&FunctionAssignment::ChooseFunction, FunctionAssignment::IDC_FUNCTION); });
    MapRowSelection(FunctionAssignment::IDC_FIELDS, &AssignFunctionDlg::OnFieldSelected);
    MapRowSelection(FunctionAssignment::IDC_PARAMETERS, &AssignFunctionDlg::OnParameterSelected);
}

BOOL AssignFunctionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_fields.SubclassDlgItem(FunctionAssignment::IDC_FIELDS, this);
    m_parameters.SubclassDlgItem(FunctionAssignment::IDC_PARAMETERS, this);
    SetListColumns(m_fields, FunctionAssignment::FieldColumns());
    SetListColumns(m_parameters, FunctionAssignment::ParameterColumns());
    m_assignment.Open();
    Show();
    using A = FunctionAssignment;
    AddControlTips(m_toolTips, *this,
                   {{A::IDC_MODULE, "Select module"},
                    {A::IDC_CLASS, "Select class"},
                    {A::IDC_FUNCTION, "Select function"},
                    {A::IDC_ASSIGN, "Assign function"},
                    {A::IDC_FIELDS, "Fields on the page"},
                    {A::IDC_MAP, "Pass the field to the parameter"},
                    {A::IDC_UNMAP, "Take the field off the parameter"},
                    {A::IDC_PARAMETERS, "Parameters of the function"},
                    {IDOK, "OK"},
                    {A::IDC_HELP_BUTTON, "Help on assigning function"}});
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

void AssignFunctionDlg::OnFieldSelected(int row)
{
    m_assignment.SelectField(row);
}

void AssignFunctionDlg::OnParameterSelected(int row)
{
    m_assignment.SelectParameter(row);
}

void AssignFunctionDlg::Show()
{
    ShowListRows(m_fields, m_assignment.GetFieldRows());
    ShowListRows(m_parameters, m_assignment.GetParameterRows());
    m_view.Show(m_assignment.States());
}
