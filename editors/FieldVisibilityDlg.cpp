#include "editors/FieldVisibilityDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using V = FieldVisibilityEditor;

constexpr int VisibilityGroup = 2201;
constexpr int FileCombo = 1247;

const DialogTemplateRegistration fieldVisibilityTemplate{{
    V::IDD,
    "File Properties",
    {
        {0, ControlKind::Static, "File Header"},
        {V::TitleBox, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Selected File"},
        {V::SelectedFile, ControlKind::Static, "", false, false, 260},
        {VisibilityGroup, ControlKind::GroupBox, "Page control visibility"},
        {V::EditableRadio, ControlKind::RadioButton, "Editable"},
        {V::ReadOnlyRadio, ControlKind::RadioButton, "Read Only"},
        {V::InvisibleRadio, ControlKind::RadioButton, "Invisible"},
        {V::UpdateButton, ControlKind::PushButton, "Update"},
        {V::ClearButton, ControlKind::PushButton, "Clear"},
        {V::FieldList, ControlKind::ListCtrl, "", false, false, 380, 200},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {V::HelpButton, ControlKind::PushButton, "Help"},
        {FileCombo, ControlKind::ComboBox, "", true},
        {V::AssignDataButton, ControlKind::PushButton, "Assign Visibilty Data", true},
        {V::RemoveDataButton, ControlKind::PushButton, "Remove Visibility Data", true},
    },
    0,
    Lay::Column({
        Lay::Field(V::TitleBox),
        Lay::Field(V::SelectedFile),
        Lay::Group(VisibilityGroup,
                   {
                       Lay::Row({Lay::Control(V::EditableRadio), Lay::Control(V::ReadOnlyRadio),
                                 Lay::Control(V::InvisibleRadio)}),
                       Lay::Buttons({V::UpdateButton, V::ClearButton}),
                   }),
        Lay::Control(V::FieldList),
        Lay::Buttons({IDOK, V::HelpButton}),
    }),
}};
} // namespace

FieldVisibilityDlg::FieldVisibilityDlg(FormInterface& page, AspFile* file, CWnd* parent)
    : CDialog(IDD, parent), m_editor(page, file), m_view(*this)
{
    for (int id : {V::EditableRadio, V::ReadOnlyRadio, V::InvisibleRadio})
        MapControlRange(BN_CLICKED, id, id, [this, id] { OnRadio(id); });
    MapControlRange(BN_CLICKED, V::UpdateButton, V::UpdateButton, [this] { Run(&V::Update); });
    MapControlRange(BN_CLICKED, V::ClearButton, V::ClearButton, [this] { Run(&V::Clear); });
    MapControlRange(EN_KILLFOCUS, V::TitleBox, V::TitleBox, [this] { OnTitleLeft(); });
    MapControlRange(BN_CLICKED, V::HelpButton, V::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(NM_CLICK, V::FieldList, &FieldVisibilityDlg::OnRowClick);
}

BOOL FieldVisibilityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(V::FieldList, this);
    SetListColumns(m_list, V::GetColumns());
    m_editor.Load();
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, V::GetToolTips());
    return TRUE;
}

void FieldVisibilityDlg::Show()
{
    ShowListRows(m_list, m_editor.GetRows());
    m_list.SetCurSel(m_editor.GetSelectedRow());
    m_view.Show(m_editor.GetStates());
}

void FieldVisibilityDlg::Run(void (FieldVisibilityEditor::*command)())
{
    (m_editor.*command)();
    Show();
}

void FieldVisibilityDlg::OnRadio(int id)
{
    m_editor.ToggleRadio(id);
    Show();
}

void FieldVisibilityDlg::OnTitleLeft()
{
    CString title;
    GetDlgItemText(V::TitleBox, title);
    m_editor.LeaveTitle(title);
}

void FieldVisibilityDlg::OnRowClick(NMHDR* header, LRESULT* result)
{
    const int row = ClickedRow(header);
    if (row >= 0)
    {
        m_editor.SelectRow(row);
        Show();
    }
    *result = 0;
}

void FieldVisibilityDlg::OnOK()
{
    m_editor.Close();
    EndDialog(IDOK);
}

void FieldVisibilityDlg::OnCancel()
{
    m_editor.Close();
    EndDialog(IDCANCEL);
}
