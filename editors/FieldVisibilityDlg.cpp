#include "editors/FieldVisibilityDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

constexpr int VisibilityGroup = 2201;
constexpr int FileCombo = 1247;

const DialogTemplateRegistration fieldVisibilityTemplate{{
    FieldVisibilityEditor::IDD,
    "File Properties",
    {
        {0, ControlKind::Static, "File Header"},
        {FieldVisibilityEditor::TitleBox, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Selected File"},
        {FieldVisibilityEditor::SelectedFile, ControlKind::Static, "", false, false, 260},
        {VisibilityGroup, ControlKind::GroupBox, "Page control visibility"},
        {FieldVisibilityEditor::EditableRadio, ControlKind::RadioButton, "Editable"},
        {FieldVisibilityEditor::ReadOnlyRadio, ControlKind::RadioButton, "Read Only"},
        {FieldVisibilityEditor::InvisibleRadio, ControlKind::RadioButton, "Invisible"},
        {FieldVisibilityEditor::UpdateButton, ControlKind::PushButton, "Update"},
        {FieldVisibilityEditor::ClearButton, ControlKind::PushButton, "Clear"},
        {FieldVisibilityEditor::FieldList, ControlKind::ListCtrl, "", false, false, 380, 200},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {FieldVisibilityEditor::HelpButton, ControlKind::PushButton, "Help"},
        {FileCombo, ControlKind::ComboBox, "", true},
        {FieldVisibilityEditor::AssignDataButton, ControlKind::PushButton, "Assign Visibilty Data",
         true},
        {FieldVisibilityEditor::RemoveDataButton, ControlKind::PushButton, "Remove Visibility Data",
         true},
    },
    0,
    Lay::Column({
        Lay::Field(FieldVisibilityEditor::TitleBox),
        Lay::Field(FieldVisibilityEditor::SelectedFile),
        Lay::Group(VisibilityGroup,
                   {
                       Lay::Row({Lay::Control(FieldVisibilityEditor::EditableRadio),
                                 Lay::Control(FieldVisibilityEditor::ReadOnlyRadio),
                                 Lay::Control(FieldVisibilityEditor::InvisibleRadio)}),
                       Lay::Buttons({FieldVisibilityEditor::UpdateButton,
                                     FieldVisibilityEditor::ClearButton}),
                   }),
        Lay::Control(FieldVisibilityEditor::FieldList),
        Lay::Buttons({IDOK, FieldVisibilityEditor::HelpButton}),
    }),
    {{.list = FieldVisibilityEditor::FieldList, .panel = FieldVisibilityEditor::EditableRadio}},
}};
} // namespace

FieldVisibilityDlg::FieldVisibilityDlg(FormInterface& page, AspFile* file, CWnd* parent)
    : CDialog(IDD, parent), m_editor(page, file), m_view(*this)
{
    for (int id : {FieldVisibilityEditor::EditableRadio, FieldVisibilityEditor::ReadOnlyRadio,
                   FieldVisibilityEditor::InvisibleRadio})
        MapControlRange(BN_CLICKED, id, id, [this, id] { OnRadio(id); });
    MapControlRange(BN_CLICKED, FieldVisibilityEditor::UpdateButton,
                    FieldVisibilityEditor::UpdateButton,
                    [this] { Run(&FieldVisibilityEditor::Update); });
    MapControlRange(BN_CLICKED, FieldVisibilityEditor::ClearButton,
                    FieldVisibilityEditor::ClearButton,
                    [this] { Run(&FieldVisibilityEditor::Clear); });
    MapControlRange(EN_KILLFOCUS, FieldVisibilityEditor::TitleBox, FieldVisibilityEditor::TitleBox,
                    [this] { OnTitleLeft(); });
    MapControlRange(BN_CLICKED, FieldVisibilityEditor::HelpButton,
                    FieldVisibilityEditor::HelpButton, [this] { ShowContextHelp(this, IDD); });
    MapRowSelection(FieldVisibilityEditor::FieldList, &FieldVisibilityDlg::OnRowSelected);
}

BOOL FieldVisibilityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(FieldVisibilityEditor::FieldList, this);
    SetListColumns(m_list, FieldVisibilityEditor::GetColumns());
    m_editor.Load();
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, FieldVisibilityEditor::GetToolTips());
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
    GetDlgItemText(FieldVisibilityEditor::TitleBox, title);
    m_editor.LeaveTitle(title);
}

void FieldVisibilityDlg::OnRowSelected(int row)
{
    if (row >= 0)
    {
        m_editor.SelectRow(row);
        Show();
    }
}

void FieldVisibilityDlg::OnOK()
{
    CString title;
    GetDlgItemText(FieldVisibilityEditor::TitleBox, title);
    m_editor.TakeTitle(title);
    m_editor.Close();
    EndDialog(IDOK);
}

void FieldVisibilityDlg::OnCancel()
{
    CDialog::OnCancel();
    if (IsEnded())
        m_editor.Close();
}

int FieldVisibilityDlg::AskAboutChanges()
{
    CString title;
    GetDlgItemText(FieldVisibilityEditor::TitleBox, title);
    const int answer = m_editor.AskAboutTitle(title);
    if (answer == IDNO)
        SetDlgItemText(FieldVisibilityEditor::TitleBox,
                       m_editor.GetStates().GetText(FieldVisibilityEditor::TitleBox));
    return answer;
}
