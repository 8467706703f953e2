#include "editors/RefFieldDialog.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using R = RefFieldEditor;

const DialogTemplateRegistration refFieldTemplate{{
    R::IDD,
    "Manage Reference Fields",
    {
        {0, ControlKind::Static, "Name "},
        {R::NameBox, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Data Type"},
        {R::TypeCombo, ControlKind::ComboBox, ""},
        {R::AddButton, ControlKind::PushButton, "Add"},
        {R::DeleteButton, ControlKind::PushButton, "Delete"},
        {R::ClearButton, ControlKind::PushButton, "Clear"},
        {R::FieldList, ControlKind::ListCtrl, "", false, false, 320, 180},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {R::HelpButton, ControlKind::PushButton, "Help"},
        {R::TableLabel, ControlKind::Static, "", true},
        {R::ValidateCheck, ControlKind::CheckBox, "Validate", true},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(R::NameBox), Lay::Field(R::TypeCombo)}),
        Lay::Buttons({R::AddButton, R::DeleteButton, R::ClearButton}),
        Lay::Control(R::FieldList),
        Lay::Buttons({IDOK, R::HelpButton}),
    }),
}};
} // namespace

RefFieldDialog::RefFieldDialog(FormInterface& page, Table* table, CWnd* parent)
    : CDialog(IDD, parent), m_editor(page, table), m_view(*this)
{
    MapControlRange(BN_CLICKED, R::AddButton, R::AddButton, [this] { Run(&R::AddOrUpdate); });
    MapControlRange(BN_CLICKED, R::DeleteButton, R::DeleteButton, [this] { Run(&R::Delete); });
    MapControlRange(BN_CLICKED, R::ClearButton, R::ClearButton, [this] { Run(&R::Clear); });
    MapControlRange(BN_CLICKED, R::ValidateCheck, R::ValidateCheck,
                    [this] { Run(&R::ToggleValidate); });
    MapControlRange(BN_CLICKED, R::HelpButton, R::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(NM_CLICK, R::FieldList, &RefFieldDialog::OnRowClick);
}

BOOL RefFieldDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(R::FieldList, this);
    SetListColumns(m_list, R::GetColumns());
    m_editor.Load();
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, R::GetToolTips());
    return TRUE;
}

void RefFieldDialog::ReadControls()
{
    CString name;
    GetDlgItemText(R::NameBox, name);
    m_editor.SetName(name);
    if (const auto* type = dynamic_cast<const CComboBox*>(GetDlgItem(R::TypeCombo)))
        m_editor.SelectType(type->GetCurSel());
}

void RefFieldDialog::Show()
{
    ShowListRows(m_list, m_editor.GetRows());
    m_view.Show(m_editor.GetStates());
}

void RefFieldDialog::Run(void (RefFieldEditor::*command)())
{
    ReadControls();
    (m_editor.*command)();
    Show();
}

void RefFieldDialog::OnRowClick(NMHDR* header, LRESULT* result)
{
    const int row = ClickedRow(header);
    if (row >= 0)
    {
        ReadControls();
        m_editor.SelectRow(row);
        Show();
    }
    *result = 0;
}
