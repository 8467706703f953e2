#include "editors/FormEditorDialog.h"

#include "editors/ContextHelp.h"
#include "editors/EditorPictures.h"
#include "editors/ViewPageDialogs.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(FormEditorDialog, CFormView)

namespace
{
using F = FormEditor;

constexpr int kLayoutGroup = 2101;
constexpr int kControlsGroup = 2102;
constexpr int kReportGroup = 2103;

const DialogTemplateRegistration formEditorTemplate{{
    F::IDD,
    "",
    {
        {F::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0, F::formBitmap},
        {0, ControlKind::Static, "Form Name"},
        {F::IDC_NAME, ControlKind::Edit, "", false, false, 260},
        {F::IDC_TABLE_LABEL, ControlKind::Static, "Master Table : ", false, false, 320},
        {1218, ControlKind::Edit, "", /*hidden=*/true},
        {kLayoutGroup, ControlKind::GroupBox, "Layout"},
        {F::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {F::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {1690, ControlKind::RadioButton, "Default", /*hidden=*/true, /*group=*/true},
        {1691, ControlKind::RadioButton, "Pop-Up", /*hidden=*/true},
        {kControlsGroup, ControlKind::GroupBox, "Page controls"},
        {F::IDC_FORM_CONTROLS, ControlKind::PushButton, "Form Controls"},
        {F::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {F::IDC_REFERENCE_FIELDS, ControlKind::PushButton, "Reference Fields"},
        {1211, ControlKind::PushButton, "Variables", /*hidden=*/true},
        {1386, ControlKind::PushButton, "Add &Derived Fields", /*hidden=*/true},
        {1039, ControlKind::PushButton, "Control Visibility", /*hidden=*/true},
        {1387, ControlKind::PushButton, "&Manage Form Methods", /*hidden=*/true},
        {kReportGroup, ControlKind::GroupBox, "Report"},
        {F::IDC_ASSIGN_REPORT, ControlKind::PushButton, "Assign Report"},
        {F::IDC_REMOVE_REPORT, ControlKind::PushButton, "Remove Report"},
        {F::IDC_REPORT_LABEL, ControlKind::Static, "Report not assigned.", false, false, 320},
        {F::IDC_FILES, ControlKind::ListCtrl, "", false, false, 360, 120},
        {F::IDC_SET_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {F::IDC_OK, ControlKind::PushButton, "OK"},
        {F::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(F::IDC_PICTURE), Lay::Field(F::IDC_NAME),
                  Lay::Control(F::IDC_TABLE_LABEL), Lay::Stretch()}),
        Lay::Row({Lay::Group(kLayoutGroup, {Lay::Row({Lay::Control(F::IDC_SINGLE_COLUMN),
                                                      Lay::Control(F::IDC_TWO_COLUMNS)})}),
                  Lay::Group(kControlsGroup, {Lay::Row({Lay::Control(F::IDC_FORM_CONTROLS),
                                                        Lay::Control(F::IDC_LINK_CONTROLS),
                                                        Lay::Control(F::IDC_REFERENCE_FIELDS)})}),
                  Lay::Stretch()}),
        Lay::Group(kReportGroup, {Lay::Row({Lay::Control(F::IDC_ASSIGN_REPORT),
                                            Lay::Control(F::IDC_REMOVE_REPORT),
                                            Lay::Control(F::IDC_REPORT_LABEL), Lay::Stretch()})}),
        Lay::Row({Lay::Control(F::IDC_FILES), Lay::Control(F::IDC_SET_PROPERTIES), Lay::Stretch()}),
        Lay::Stretch(),
        Lay::Buttons({F::IDC_OK, F::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

FormEditorDialog::FormEditorDialog()
    : CFormView(F::IDD),
      m_editor(
          [](ForgeonProject&)
          { return std::make_unique<FormEditor>(ViewEditorHost::Get(), ViewPageDialogs::Get()); }),
      m_view(*this)
{
    RegisterEditorPictures();
    const std::pair<int, void (F::*)()> buttons[] = {
        {F::IDC_OK, &F::Ok},
        {F::IDC_ASSIGN_REPORT, &F::AssignReport},
        {F::IDC_REMOVE_REPORT, &F::RemoveReport},
        {F::IDC_FORM_CONTROLS, &F::FormControls},
        {F::IDC_LINK_CONTROLS, &F::LinkControls},
        {F::IDC_REFERENCE_FIELDS, &F::ReferenceFields},
        {F::IDC_SINGLE_COLUMN, &F::SingleColumn},
        {F::IDC_TWO_COLUMNS, &F::TwoColumns},
        {F::IDC_SET_PROPERTIES, &F::SetProperties},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, F::IDC_HELP_BUTTON, F::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, F::IDD); });
    MapNotify(NM_DBLCLK, F::IDC_FILES, &FormEditorDialog::OnFileDoubleClick);
}

FormEditorDialog::~FormEditorDialog() = default;

FormEditor* FormEditorDialog::GetEditor()
{
    return m_editor.Get();
}

void FormEditorDialog::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_files.GetSafeHwnd() != nullptr)
        return;
    m_files.SubclassDlgItem(F::IDC_FILES, this);
    SetListColumns(m_files, F::FileColumns());
    m_picture.SubclassDlgItem(F::IDC_PICTURE, this);
    m_picture.SetBitmap(F::formBitmap);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, F::ToolTips());
    Show();
}

void FormEditorDialog::LoadForm(Form* form)
{
    if (FormEditor* editor = GetEditor())
    {
        editor->LoadForm(form);
        Show();
    }
}

void FormEditorDialog::ClearForm()
{
    if (FormEditor* editor = GetEditor())
    {
        editor->ClearForm();
        Show();
    }
}

void FormEditorDialog::ReloadPage()
{
    if (FormEditor* editor = GetEditor())
        LoadForm(editor->GetForm());
}

BOOL FormEditorDialog::PreTranslateMessage(MSG* msg)
{
    const CWnd* name = GetDlgItem(F::IDC_NAME);
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && GetEditor() != nullptr &&
        name != nullptr && msg->hwnd == name->GetSafeHwnd())
    {
        ReadControls();
        m_editor.Current()->CheckName();
        Show();
        return TRUE;
    }
    return CFormView::PreTranslateMessage(msg);
}

void FormEditorDialog::ReadControls()
{
    m_view.ReadTexts(m_editor.Current()->States(), {F::IDC_NAME});
    m_editor.Current()->SelectFile(m_files.GetSafeHwnd() != nullptr ? m_files.GetCurSel() : -1);
}

void FormEditorDialog::Run(void (FormEditor::*command)())
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    (m_editor.Current()->*command)();
    Show();
}

void FormEditorDialog::OnFileDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&F::SetProperties);
}

void FormEditorDialog::Show()
{
    if (m_editor.Current() == nullptr || m_files.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_files, m_editor.Current()->GetFileRows());
    m_view.Show(m_editor.Current()->States());
}
