#include "designers/ReportFieldPropDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using S = ReportFieldSettings;

const DialogTemplateRegistration reportFieldTemplate{{
    S::IDD,
    "Report field settings:",
    {
        {0, ControlKind::Static, "Col No:"},
        {S::IDC_COLUMN_NUMBER, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Width:"},
        {S::IDC_WIDTH, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Display Name:"},
        {S::IDC_NAME, ControlKind::Edit, ""},
        {S::IDC_LEFT, ControlKind::RadioButton, "Left"},
        {S::IDC_CENTER, ControlKind::RadioButton, "Center"},
        {S::IDC_RIGHT, ControlKind::RadioButton, "Right"},
        {S::IDC_FILE_CONTENT, ControlKind::CheckBox, "File Content"},
        {0, ControlKind::Static, "Image Height:"},
        {S::IDC_IMAGE_HEIGHT, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Image Width:"},
        {S::IDC_IMAGE_WIDTH, ControlKind::Edit, ""},
        {S::IDC_MONEY, ControlKind::CheckBox, "is Type Money "},
        {0, ControlKind::Static, "Module:"},
        {S::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Page Type:"},
        {S::IDC_PAGE_KIND, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Page:"},
        {S::IDC_PAGE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "ASPX File:"},
        {S::IDC_PAGE_FILE, ControlKind::ComboBox, ""},
        {S::IDC_ADD_FILE, ControlKind::PushButton, "Add"},
        {S::IDC_REMOVE_FILE, ControlKind::PushButton, "Remove"},
        {S::IDC_FILE_NAME, ControlKind::Static, "ASPX NAME:"},
        {S::IDC_PAGE_VARIABLES, ControlKind::ListCtrl, "", false, false, 260, 160},
        {S::IDC_MAP, ControlKind::PushButton, ">"},
        {S::IDC_UNMAP, ControlKind::PushButton, "<"},
        {S::IDC_SOURCE_KIND, ControlKind::ComboBox, ""},
        {S::IDC_SOURCES, ControlKind::ListCtrl, "", false, false, 200, 160},
        {S::IDC_CONTROL_PROPERTY, ControlKind::PushButton, "Control Property"},
        {S::IDC_OK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {S::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row(
            {Lay::Field(S::IDC_COLUMN_NUMBER), Lay::Field(S::IDC_WIDTH), Lay::Field(S::IDC_NAME)}),
        Lay::Row({Lay::Control(S::IDC_LEFT), Lay::Control(S::IDC_CENTER),
                  Lay::Control(S::IDC_RIGHT), Lay::Control(S::IDC_FILE_CONTENT),
                  Lay::Field(S::IDC_IMAGE_HEIGHT), Lay::Field(S::IDC_IMAGE_WIDTH),
                  Lay::Control(S::IDC_MONEY), Lay::Stretch()}),
        Lay::Row({Lay::Field(S::IDC_MODULE), Lay::Field(S::IDC_PAGE_KIND), Lay::Field(S::IDC_PAGE),
                  Lay::Field(S::IDC_PAGE_FILE), Lay::Control(S::IDC_ADD_FILE),
                  Lay::Control(S::IDC_REMOVE_FILE)}),
        Lay::Control(S::IDC_FILE_NAME),
        Lay::Row({Lay::Control(S::IDC_PAGE_VARIABLES),
                  Lay::ButtonColumn({S::IDC_MAP, S::IDC_UNMAP}),
                  Lay::Column({Lay::Control(S::IDC_SOURCE_KIND), Lay::Control(S::IDC_SOURCES)})}),
        Lay::Buttons({S::IDC_CONTROL_PROPERTY, S::IDC_OK, IDCANCEL, S::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ReportFieldPropDlg::ReportFieldPropDlg(ForgeonProject& project, ReportGroup& group,
                                       ReportField& column, Module* module, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this),
      m_settings(group, column, module, project, m_host), m_view(*this)
{
    const std::pair<int, void (S::*)()> buttons[] = {
        {S::IDC_ADD_FILE, &S::AddFile},  {S::IDC_REMOVE_FILE, &S::RemoveFile},
        {S::IDC_MAP, &S::Map},           {S::IDC_UNMAP, &S::Unmap},
        {S::IDC_MONEY, &S::ToggleMoney}, {S::IDC_CONTROL_PROPERTY, &S::EditControlProperty},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    const std::pair<int, void (S::*)(int)> choices[] = {
        {S::IDC_MODULE, &S::ChooseModule},
        {S::IDC_PAGE_KIND, &S::ChoosePageKind},
        {S::IDC_PAGE, &S::ChoosePage},
        {S::IDC_SOURCE_KIND, &S::ChooseSourceKind},
    };
    for (const auto& [id, command] : choices)
        MapControlRange(CBN_SELCHANGE, id, id,
                        [this, command = command, id = id] { RunChoice(command, id); });
    MapControl(BN_CLICKED, S::IDC_OK, &ReportFieldPropDlg::OnOk);
    MapControlRange(BN_CLICKED, S::IDC_HELP_BUTTON, S::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
}

BOOL ReportFieldPropDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_settings.GetCaption());
    m_pageVariables.SubclassDlgItem(S::IDC_PAGE_VARIABLES, this);
    m_sources.SubclassDlgItem(S::IDC_SOURCES, this);
    SetListColumns(m_pageVariables, S::PageVariableHeadings());
    SetListColumns(m_sources, S::SourceHeadings());
    m_settings.Open();
    Show();
    return TRUE;
}

void ReportFieldPropDlg::ReadControls()
{
    ControlStates& states = m_settings.States();
    m_view.ReadTexts(states, {S::IDC_COLUMN_NUMBER, S::IDC_WIDTH, S::IDC_NAME, S::IDC_IMAGE_HEIGHT,
                              S::IDC_IMAGE_WIDTH});
    for (const int id : {S::IDC_LEFT, S::IDC_CENTER, S::IDC_RIGHT, S::IDC_FILE_CONTENT})
        states.SetCheck(id, IsDlgButtonChecked(id) != 0);
}

void ReportFieldPropDlg::Run(void (ReportFieldSettings::*command)())
{
    ReadControls();
    m_settings.SelectPageVariable(m_pageVariables.GetCurSel());
    m_settings.SelectSource(m_sources.GetCurSel());
    if (const auto* files = dynamic_cast<CComboBox*>(GetDlgItem(S::IDC_PAGE_FILE)))
        m_settings.States().Select(S::IDC_PAGE_FILE, files->GetCurSel());
    (m_settings.*command)();
    Show();
}

void ReportFieldPropDlg::RunChoice(void (ReportFieldSettings::*command)(int), int combo)
{
    ReadControls();
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    (m_settings.*command)(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void ReportFieldPropDlg::Show()
{
    ShowListRows(m_pageVariables, m_settings.GetPageVariableRows());
    ShowListRows(m_sources, m_settings.GetSourceRows());
    m_view.Show(m_settings.States());
}

void ReportFieldPropDlg::OnOk()
{
    ControlStates& states = m_settings.States();
    m_view.ReadTexts(states, {S::IDC_COLUMN_NUMBER, S::IDC_WIDTH, S::IDC_NAME, S::IDC_IMAGE_HEIGHT,
                              S::IDC_IMAGE_WIDTH});
    for (const int id : {S::IDC_LEFT, S::IDC_CENTER, S::IDC_RIGHT, S::IDC_FILE_CONTENT})
        states.SetCheck(id, IsDlgButtonChecked(id) != 0);
    m_settings.Ok();
    OnCancel();
}
