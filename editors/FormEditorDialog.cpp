#include "editors/FormEditorDialog.h"

#include "editors/ContextHelp.h"
#include "editors/EditorPictures.h"
#include "editors/ViewPageDialogs.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(FormEditorDialog, CFormView)

namespace
{

constexpr int kFormLayoutGroup = 2101;
constexpr int kFormControlsGroup = 2102;
constexpr int kFormReportGroup = 2103;

const DialogTemplateRegistration formEditorTemplate{{
    FormEditor::IDD,
    "",
    {
        {FormEditor::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0,
         FormEditor::formBitmap},
        {0, ControlKind::Static, "Form Name"},
        {FormEditor::IDC_NAME, ControlKind::Edit, "", false, false, 260},
        {FormEditor::IDC_TABLE_LABEL, ControlKind::Static, "Master Table : ", false, false, 320},
        {1218, ControlKind::Edit, "", /*hidden=*/true},
        {kFormLayoutGroup, ControlKind::GroupBox, "Layout"},
        {FormEditor::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {FormEditor::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {1690, ControlKind::RadioButton, "Default", /*hidden=*/true, /*group=*/true},
        {1691, ControlKind::RadioButton, "Pop-Up", /*hidden=*/true},
        {kFormControlsGroup, ControlKind::GroupBox, "Page controls"},
        {FormEditor::IDC_FORM_CONTROLS, ControlKind::PushButton, "Form Controls"},
        {FormEditor::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {FormEditor::IDC_REFERENCE_FIELDS, ControlKind::PushButton, "Reference Fields"},
        {1211, ControlKind::PushButton, "Variables", /*hidden=*/true},
        {1386, ControlKind::PushButton, "Add &Derived Fields", /*hidden=*/true},
        {1039, ControlKind::PushButton, "Control Visibility", /*hidden=*/true},
        {1387, ControlKind::PushButton, "&Manage Form Methods", /*hidden=*/true},
        {kFormReportGroup, ControlKind::GroupBox, "Report"},
        {FormEditor::IDC_ASSIGN_REPORT, ControlKind::PushButton, "Assign Report"},
        {FormEditor::IDC_REMOVE_REPORT, ControlKind::PushButton, "Remove Report"},
        {FormEditor::IDC_REPORT_LABEL, ControlKind::Static, "Report not assigned.", false, false,
         320},
        {FormEditor::IDC_FILES, ControlKind::ListCtrl, "", false, false, 360, 120},
        {FormEditor::IDC_SET_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {FormEditor::IDC_OK, ControlKind::PushButton, "OK"},
        {FormEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(FormEditor::IDC_PICTURE), Lay::Field(FormEditor::IDC_NAME),
                  Lay::Control(FormEditor::IDC_TABLE_LABEL), Lay::Stretch()}),
        Lay::Row(
            {Lay::Group(kFormLayoutGroup, {Lay::Row({Lay::Control(FormEditor::IDC_SINGLE_COLUMN),
                                                     Lay::Control(FormEditor::IDC_TWO_COLUMNS)})}),
             Lay::Group(kFormControlsGroup,
                        {Lay::Row({Lay::Control(FormEditor::IDC_FORM_CONTROLS),
                                   Lay::Control(FormEditor::IDC_LINK_CONTROLS),
                                   Lay::Control(FormEditor::IDC_REFERENCE_FIELDS)})}),
             Lay::Stretch()}),
        Lay::Group(kFormReportGroup,
                   {Lay::Row({Lay::Control(FormEditor::IDC_ASSIGN_REPORT),
                              Lay::Control(FormEditor::IDC_REMOVE_REPORT),
                              Lay::Control(FormEditor::IDC_REPORT_LABEL), Lay::Stretch()})}),
        Lay::Row({Lay::Control(FormEditor::IDC_FILES), Lay::Control(FormEditor::IDC_SET_PROPERTIES),
                  Lay::Stretch()}),
        Lay::Stretch(),
        Lay::Buttons({FormEditor::IDC_OK, FormEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = FormEditor::IDC_FILES}},
}};
} // namespace

FormEditorDialog::FormEditorDialog()
    : CFormView(FormEditor::IDD),
      m_editor(
          [](ForgeonProject&)
          { return std::make_unique<FormEditor>(ViewEditorHost::Get(), ViewPageDialogs::Get()); }),
      m_view(*this)
{
    RegisterEditorPictures();
    const std::pair<int, void (FormEditor::*)()> buttons[] = {
        {FormEditor::IDC_OK, &FormEditor::Ok},
        {FormEditor::IDC_ASSIGN_REPORT, &FormEditor::AssignReport},
        {FormEditor::IDC_REMOVE_REPORT, &FormEditor::RemoveReport},
        {FormEditor::IDC_FORM_CONTROLS, &FormEditor::FormControls},
        {FormEditor::IDC_LINK_CONTROLS, &FormEditor::LinkControls},
        {FormEditor::IDC_REFERENCE_FIELDS, &FormEditor::ReferenceFields},
        {FormEditor::IDC_SINGLE_COLUMN, &FormEditor::SingleColumn},
        {FormEditor::IDC_TWO_COLUMNS, &FormEditor::TwoColumns},
        {FormEditor::IDC_SET_PROPERTIES, &FormEditor::SetProperties},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, FormEditor::IDC_HELP_BUTTON, FormEditor::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, FormEditor::IDD); });
    MapNotify(NM_DBLCLK, FormEditor::IDC_FILES, &FormEditorDialog::OnFileDoubleClick);
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
    m_files.SubclassDlgItem(FormEditor::IDC_FILES, this);
    SetListColumns(m_files, FormEditor::FileColumns());
    m_picture.SubclassDlgItem(FormEditor::IDC_PICTURE, this);
    m_picture.SetBitmap(FormEditor::formBitmap);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, FormEditor::ToolTips());
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
    if (GetEditor() != nullptr && IsEnterKeyIn(*msg, *this, {FormEditor::IDC_NAME}))
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
    m_view.ReadTexts(m_editor.Current()->States(), {FormEditor::IDC_NAME});
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
    Run(&FormEditor::SetProperties);
}

void FormEditorDialog::Show()
{
    if (m_editor.Current() == nullptr || m_files.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_files, m_editor.Current()->GetFileRows());
    m_view.Show(m_editor.Current()->States());
}
