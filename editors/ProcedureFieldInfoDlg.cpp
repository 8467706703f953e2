#include "editors/ProcedureFieldInfoDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using F = FunctionOutputFields;

// The aggregate choices the template carries hidden, and its hidden "Selected Field" label.
const int hiddenIds[] = {1364, 1365, 1366, 1367, 1368, 1369, 1370};

const DialogTemplateRegistration outputFieldsTemplate{{
    F::IDD,
    "Manage function Output Fields",
    {
        {0, ControlKind::Static, "Table"},
        {F::IDC_TABLE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Field"},
        {F::IDC_FIELD, ControlKind::ComboBox, ""},
        {F::IDC_ADD, ControlKind::PushButton, "Add"},
        {F::IDC_ADD_ALL, ControlKind::PushButton, "Add All"},
        {F::IDC_ALIAS_MODE, ControlKind::CheckBox, "Alias Fields"},
        {0, ControlKind::Static, "Alias Name"},
        {F::IDC_ALIAS_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Data Type"},
        {F::IDC_ALIAS_TYPE, ControlKind::ComboBox, ""},
        {F::IDC_ALIAS_ADD, ControlKind::PushButton, "Add"},
        {hiddenIds[0], ControlKind::RadioButton, "Count", true},
        {hiddenIds[1], ControlKind::RadioButton, "Sum", true},
        {hiddenIds[2], ControlKind::RadioButton, "Min", true},
        {hiddenIds[3], ControlKind::RadioButton, "Max", true},
        {hiddenIds[4], ControlKind::RadioButton, "Average", true},
        {hiddenIds[5], ControlKind::RadioButton, "Percentage", true},
        {hiddenIds[6], ControlKind::Static, "Selected Field", true},
        {F::IDC_OUTPUT, ControlKind::ListCtrl, "", false, false, 360, 180},
        {F::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {F::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {F::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(F::IDC_TABLE), Lay::Field(F::IDC_FIELD), Lay::Control(F::IDC_ADD),
                  Lay::Control(F::IDC_ADD_ALL)}),
        Lay::Control(F::IDC_ALIAS_MODE),
        Lay::Row({Lay::Field(F::IDC_ALIAS_NAME), Lay::Field(F::IDC_ALIAS_TYPE),
                  Lay::Control(F::IDC_ALIAS_ADD)}),
        Lay::Row({Lay::Control(hiddenIds[0]), Lay::Control(hiddenIds[1]),
                  Lay::Control(hiddenIds[2]), Lay::Control(hiddenIds[3]),
                  Lay::Control(hiddenIds[4]), Lay::Control(hiddenIds[5]),
                  Lay::Control(hiddenIds[6])}),
        Lay::Row({Lay::Control(F::IDC_OUTPUT), Lay::ButtonColumn({F::IDC_DELETE, F::IDC_CLEAR})}),
        Lay::Buttons({IDOK, F::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ProcedureFieldInfoDlg::ProcedureFieldInfoDlg(ForgeonProject& project, Function& function,
                                             CWnd* parent)
    : CDialog(IDD, parent), m_fields(project, function), m_view(*this)
{
    const std::pair<int, void (F::*)()> buttons[] = {
        {F::IDC_ADD, &F::Add},
        {F::IDC_ADD_ALL, &F::AddAll},
        {F::IDC_ALIAS_MODE, &F::ToggleAliasMode},
        {F::IDC_ALIAS_ADD, &F::AddOrUpdateAlias},
        {F::IDC_DELETE, &F::Delete},
        {F::IDC_CLEAR, &F::Clear},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, F::IDC_HELP_BUTTON, F::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, F::HelpContext); });
    MapControlRange(CBN_SELCHANGE, F::IDC_TABLE, F::IDC_TABLE,
                    [this] { RunChoice(&F::ChooseTable, F::IDC_TABLE); });
    MapControlRange(CBN_SELCHANGE, F::IDC_FIELD, F::IDC_FIELD,
                    [this] { RunChoice(&F::ChooseField, F::IDC_FIELD); });
    MapNotify(NM_DBLCLK, F::IDC_OUTPUT, &ProcedureFieldInfoDlg::OnOutputDoubleClick);
}

BOOL ProcedureFieldInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_output.SubclassDlgItem(F::IDC_OUTPUT, this);
    SetListColumns(m_output, F::OutputColumns());
    m_fields.Open();
    Show();
    m_toolTips.Create(this);
    return TRUE;
}

void ProcedureFieldInfoDlg::ReadControls()
{
    m_view.ReadTexts(m_fields.States(), {F::IDC_ALIAS_NAME});
    if (const auto* type = dynamic_cast<CComboBox*>(GetDlgItem(F::IDC_ALIAS_TYPE)))
        m_fields.States().Select(F::IDC_ALIAS_TYPE, type->GetCurSel());
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

void ProcedureFieldInfoDlg::OnOutputDoubleClick(NMHDR* header, LRESULT* result)
{
    ReadControls();
    m_fields.DoubleClickRow(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    Show();
    *result = 0;
}

void ProcedureFieldInfoDlg::Show()
{
    ShowListRows(m_output, m_fields.GetOutputRows());
    m_view.Show(m_fields.States());
}
