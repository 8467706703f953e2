#include "editors/ProcedureFieldInfoDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

// The aggregate choices the template carries hidden, and its hidden "Selected Field" label.
const int hiddenOutputIds[] = {1364, 1365, 1366, 1367, 1368, 1369, 1370};

const DialogTemplateRegistration outputFieldsTemplate{{
    FunctionOutputFields::IDD,
    "Manage function Output Fields",
    {
        {0, ControlKind::Static, "Table"},
        {FunctionOutputFields::IDC_TABLE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Field"},
        {FunctionOutputFields::IDC_FIELD, ControlKind::ComboBox, ""},
        {FunctionOutputFields::IDC_ADD, ControlKind::PushButton, "Add"},
        {FunctionOutputFields::IDC_ADD_ALL, ControlKind::PushButton, "Add All"},
        {FunctionOutputFields::IDC_ALIAS_MODE, ControlKind::CheckBox, "Alias Fields"},
        {0, ControlKind::Static, "Alias Name"},
        {FunctionOutputFields::IDC_ALIAS_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Data Type"},
        {FunctionOutputFields::IDC_ALIAS_TYPE, ControlKind::ComboBox, ""},
        {FunctionOutputFields::IDC_ALIAS_ADD, ControlKind::PushButton, "Add"},
        {hiddenOutputIds[0], ControlKind::RadioButton, "Count", true},
        {hiddenOutputIds[1], ControlKind::RadioButton, "Sum", true},
        {hiddenOutputIds[2], ControlKind::RadioButton, "Min", true},
        {hiddenOutputIds[3], ControlKind::RadioButton, "Max", true},
        {hiddenOutputIds[4], ControlKind::RadioButton, "Average", true},
        {hiddenOutputIds[5], ControlKind::RadioButton, "Percentage", true},
        {hiddenOutputIds[6], ControlKind::Static, "Selected Field", true},
        {FunctionOutputFields::IDC_OUTPUT, ControlKind::ListCtrl, "", false, false, 360, 180},
        {FunctionOutputFields::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {FunctionOutputFields::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {FunctionOutputFields::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(FunctionOutputFields::IDC_TABLE),
                  Lay::Field(FunctionOutputFields::IDC_FIELD),
                  Lay::Control(FunctionOutputFields::IDC_ADD),
                  Lay::Control(FunctionOutputFields::IDC_ADD_ALL)}),
        Lay::Control(FunctionOutputFields::IDC_ALIAS_MODE),
        Lay::Row({Lay::Field(FunctionOutputFields::IDC_ALIAS_NAME),
                  Lay::Field(FunctionOutputFields::IDC_ALIAS_TYPE),
                  Lay::Control(FunctionOutputFields::IDC_ALIAS_ADD)}),
        Lay::Row({Lay::Control(hiddenOutputIds[0]), Lay::Control(hiddenOutputIds[1]),
                  Lay::Control(hiddenOutputIds[2]), Lay::Control(hiddenOutputIds[3]),
                  Lay::Control(hiddenOutputIds[4]), Lay::Control(hiddenOutputIds[5]),
                  Lay::Control(hiddenOutputIds[6])}),
        Lay::Row({Lay::Control(FunctionOutputFields::IDC_OUTPUT),
                  Lay::ButtonColumn(
                      {FunctionOutputFields::IDC_DELETE, FunctionOutputFields::IDC_CLEAR})}),
        Lay::Buttons({IDOK, FunctionOutputFields::IDC_HELP_BUTTON}),
    }),
    {{.list = FunctionOutputFields::IDC_OUTPUT,
      .panel = FunctionOutputFields::IDC_ALIAS_NAME,
      .remove = FunctionOutputFields::IDC_DELETE}},
}};
} // namespace

ProcedureFieldInfoDlg::ProcedureFieldInfoDlg(ForgeonProject& project, Function& function,
                                             CWnd* parent)
    : CDialog(IDD, parent), m_fields(project, function), m_view(*this)
{
    const std::pair<int, void (FunctionOutputFields::*)()> buttons[] = {
        {FunctionOutputFields::IDC_ADD, &FunctionOutputFields::Add},
        {FunctionOutputFields::IDC_ADD_ALL, &FunctionOutputFields::AddAll},
        {FunctionOutputFields::IDC_ALIAS_MODE, &FunctionOutputFields::ToggleAliasMode},
        {FunctionOutputFields::IDC_ALIAS_ADD, &FunctionOutputFields::AddOrUpdateAlias},
        {FunctionOutputFields::IDC_DELETE, &FunctionOutputFields::Delete},
        {FunctionOutputFields::IDC_CLEAR, &FunctionOutputFields::Clear},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, FunctionOutputFields::IDC_HELP_BUTTON,
                    FunctionOutputFields::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, FunctionOutputFields::HelpContext); });
    MapControlRange(
        CBN_SELCHANGE, FunctionOutputFields::IDC_TABLE, FunctionOutputFields::IDC_TABLE,
        [this] { RunChoice(&FunctionOutputFields::ChooseTable, FunctionOutputFields::IDC_TABLE); });
    MapControlRange(
        CBN_SELCHANGE, FunctionOutputFields::IDC_FIELD, FunctionOutputFields::IDC_FIELD,
        [this] { RunChoice(&FunctionOutputFields::ChooseField, FunctionOutputFields::IDC_FIELD); });
    MapRowSelection(FunctionOutputFields::IDC_OUTPUT, &ProcedureFieldInfoDlg::OnOutputSelected);
}

BOOL ProcedureFieldInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_output.SubclassDlgItem(FunctionOutputFields::IDC_OUTPUT, this);
    SetListColumns(m_output, FunctionOutputFields::OutputColumns());
    m_fields.Open();
    Show();
    using F = FunctionOutputFields;
    AddControlTips(m_toolTips, *this,
                   {{F::IDC_TABLE, "Select table"},
                    {F::IDC_FIELD, "Select field"},
                    {F::IDC_ADD, "Add the field to the output fields"},
                    {F::IDC_ADD_ALL, "Add all fields of the table"},
                    {F::IDC_ALIAS_MODE, "Check this box to add alias fields"},
                    {F::IDC_ALIAS_NAME, "Enter alias name"},
                    {F::IDC_ALIAS_TYPE, "Select data type of the alias"},
                    {F::IDC_ALIAS_ADD, "Add alias field"},
                    {F::IDC_OUTPUT, "Output fields list"},
                    {F::IDC_DELETE, "Delete output field"},
                    {F::IDC_CLEAR, "Clear selection"},
                    {IDOK, "OK"},
                    {F::IDC_HELP_BUTTON, "Help on function output fields"}});
    return TRUE;
}

void ProcedureFieldInfoDlg::ReadControls()
{
    m_view.ReadTexts(m_fields.States(), {FunctionOutputFields::IDC_ALIAS_NAME});
    if (const auto* type =
            dynamic_cast<CComboBox*>(GetDlgItem(FunctionOutputFields::IDC_ALIAS_TYPE)))
        m_fields.States().Select(FunctionOutputFields::IDC_ALIAS_TYPE, type->GetCurSel());
}

BOOL ProcedureFieldInfoDlg::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this, {FunctionOutputFields::IDC_ALIAS_NAME}))
    {
        Run(&FunctionOutputFields::AddOrUpdateAlias);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void ProcedureFieldInfoDlg::Run(void (FunctionOutputFields::*command)())
{
    ReadControls();
    (m_fields.*command)();
    Show();
}

void ProcedureFieldInfoDlg::RunChoice(void (FunctionOutputFields::*command)(int), int combo)
{
    ReadControls();
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    (m_fields.*command)(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void ProcedureFieldInfoDlg::OnOutputSelected(int row)
{
    ReadControls();
    m_fields.DoubleClickRow(row);
    Show();
}

bool ProcedureFieldInfoDlg::MayClose()
{
    ReadControls();
    const bool close = m_fields.Close();
    Show();
    return close;
}

void ProcedureFieldInfoDlg::Show()
{
    ShowListRows(m_output, m_fields.GetOutputRows());
    m_output.SetCurSel(m_fields.GetSelectedRow());
    m_view.Show(m_fields.States());
}
