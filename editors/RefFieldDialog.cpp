#include "editors/RefFieldDialog.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

const DialogTemplateRegistration refFieldTemplate{{
    RefFieldEditor::IDD,
    "Manage Reference Fields",
    {
        {0, ControlKind::Static, "Name "},
        {RefFieldEditor::NameBox, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Data Type"},
        {RefFieldEditor::TypeCombo, ControlKind::ComboBox, ""},
        {RefFieldEditor::AddButton, ControlKind::PushButton, "Add"},
        {RefFieldEditor::DeleteButton, ControlKind::PushButton, "Delete"},
        {RefFieldEditor::ClearButton, ControlKind::PushButton, "Clear"},
        {RefFieldEditor::FieldList, ControlKind::ListCtrl, "", false, false, 320, 180},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {RefFieldEditor::HelpButton, ControlKind::PushButton, "Help"},
        {RefFieldEditor::TableLabel, ControlKind::Static, "", true},
        {RefFieldEditor::ValidateCheck, ControlKind::CheckBox, "Validate", true},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(RefFieldEditor::NameBox), Lay::Field(RefFieldEditor::TypeCombo)}),
        Lay::Buttons(
            {RefFieldEditor::AddButton, RefFieldEditor::DeleteButton, RefFieldEditor::ClearButton}),
        Lay::Control(RefFieldEditor::FieldList),
        Lay::Buttons({IDOK, RefFieldEditor::HelpButton}),
    }),
    {{.list = RefFieldEditor::FieldList,
      .panel = RefFieldEditor::NameBox,
      .remove = RefFieldEditor::DeleteButton,
      .nameColumn = 1}},
}};
} // namespace

RefFieldDialog::RefFieldDialog(FormInterface& page, Table* table, CWnd* parent)
    : CDialog(IDD, parent), m_editor(page, table), m_view(*this)
{
    MapControlRange(BN_CLICKED, RefFieldEditor::AddButton, RefFieldEditor::AddButton,
                    [this] { Run(&RefFieldEditor::AddOrUpdate); });
    MapControlRange(BN_CLICKED, RefFieldEditor::DeleteButton, RefFieldEditor::DeleteButton,
                    [this] { Run(&RefFieldEditor::Delete); });
    MapControlRange(BN_CLICKED, RefFieldEditor::ClearButton, RefFieldEditor::ClearButton,
                    [this] { Run(&RefFieldEditor::Clear); });
    MapControlRange(BN_CLICKED, RefFieldEditor::ValidateCheck, RefFieldEditor::ValidateCheck,
                    [this] { Run(&RefFieldEditor::ToggleValidate); });
    MapControlRange(BN_CLICKED, RefFieldEditor::HelpButton, RefFieldEditor::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
    MapRowSelection(RefFieldEditor::FieldList, &RefFieldDialog::OnRowSelected);
}

BOOL RefFieldDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(RefFieldEditor::FieldList, this);
    SetListColumns(m_list, RefFieldEditor::GetColumns());
    m_editor.Load();
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, RefFieldEditor::GetToolTips());
    return TRUE;
}

void RefFieldDialog::ReadControls()
{
    CString name;
    GetDlgItemText(RefFieldEditor::NameBox, name);
    m_editor.SetName(name);
    if (const auto* type = dynamic_cast<const CComboBox*>(GetDlgItem(RefFieldEditor::TypeCombo)))
        m_editor.SelectType(type->GetCurSel());
}

bool RefFieldDialog::MayClose()
{
    ReadControls();
    const bool close = m_editor.Close();
    Show();
    return close;
}

void RefFieldDialog::Show()
{
    ShowListRows(m_list, m_editor.GetRows());
    m_list.SetCurSel(m_editor.GetSelectedRow());
    m_view.Show(m_editor.GetStates());
}

BOOL RefFieldDialog::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this, {RefFieldEditor::NameBox}))
    {
        Run(&RefFieldEditor::AddOrUpdate);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void RefFieldDialog::Run(void (RefFieldEditor::*command)())
{
    ReadControls();
    (m_editor.*command)();
    Show();
}

void RefFieldDialog::OnRowSelected(int row)
{
    if (row >= 0)
    {
        ReadControls();
        m_editor.SelectRow(row);
        Show();
    }
}
