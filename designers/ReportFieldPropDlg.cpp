#include "designers/ReportFieldPropDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration reportFieldTemplate{{
    ReportFieldSettings::IDD,
    "Report field settings:",
    {
        {0, ControlKind::Static, "Col No:"},
        {ReportFieldSettings::IDC_COLUMN_NUMBER, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Width:"},
        {ReportFieldSettings::IDC_WIDTH, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Display Name:"},
        {ReportFieldSettings::IDC_NAME, ControlKind::Edit, ""},
        {ReportFieldSettings::IDC_LEFT, ControlKind::RadioButton, "Left"},
        {ReportFieldSettings::IDC_CENTER, ControlKind::RadioButton, "Center"},
        {ReportFieldSettings::IDC_RIGHT, ControlKind::RadioButton, "Right"},
        {ReportFieldSettings::IDC_FILE_CONTENT, ControlKind::CheckBox, "File Content"},
        {0, ControlKind::Static, "Image Height:"},
        {ReportFieldSettings::IDC_IMAGE_HEIGHT, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Image Width:"},
        {ReportFieldSettings::IDC_IMAGE_WIDTH, ControlKind::Edit, ""},
        {ReportFieldSettings::IDC_MONEY, ControlKind::CheckBox, "is Type Money "},
        {0, ControlKind::Static, "Module:"},
        {ReportFieldSettings::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Page Type:"},
        {ReportFieldSettings::IDC_PAGE_KIND, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Page:"},
        {ReportFieldSettings::IDC_PAGE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "ASPX File:"},
        {ReportFieldSettings::IDC_PAGE_FILE, ControlKind::ComboBox, ""},
        {ReportFieldSettings::IDC_ADD_FILE, ControlKind::PushButton, "Add"},
        {ReportFieldSettings::IDC_REMOVE_FILE, ControlKind::PushButton, "Remove"},
        {ReportFieldSettings::IDC_FILE_NAME, ControlKind::Static, "ASPX NAME:"},
        {ReportFieldSettings::IDC_PAGE_VARIABLES, ControlKind::ListCtrl, "", false, false, 260,
         160},
        {ReportFieldSettings::IDC_MAP, ControlKind::PushButton, ">"},
        {ReportFieldSettings::IDC_UNMAP, ControlKind::PushButton, "<"},
        {ReportFieldSettings::IDC_SOURCE_KIND, ControlKind::ComboBox, ""},
        {ReportFieldSettings::IDC_SOURCES, ControlKind::ListCtrl, "", false, false, 200, 160},
        {ReportFieldSettings::IDC_CONTROL_PROPERTY, ControlKind::PushButton, "Control Property"},
        {ReportFieldSettings::IDC_OK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {ReportFieldSettings::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(ReportFieldSettings::IDC_COLUMN_NUMBER),
                  Lay::Field(ReportFieldSettings::IDC_WIDTH),
                  Lay::Field(ReportFieldSettings::IDC_NAME)}),
        Lay::Row({Lay::Control(ReportFieldSettings::IDC_LEFT),
                  Lay::Control(ReportFieldSettings::IDC_CENTER),
                  Lay::Control(ReportFieldSettings::IDC_RIGHT),
                  Lay::Control(ReportFieldSettings::IDC_FILE_CONTENT),
                  Lay::Field(ReportFieldSettings::IDC_IMAGE_HEIGHT),
                  Lay::Field(ReportFieldSettings::IDC_IMAGE_WIDTH),
                  Lay::Control(ReportFieldSettings::IDC_MONEY), Lay::Stretch()}),
        Lay::Row({Lay::Field(ReportFieldSettings::IDC_MODULE),
                  Lay::Field(ReportFieldSettings::IDC_PAGE_KIND),
                  Lay::Field(ReportFieldSettings::IDC_PAGE),
                  Lay::Field(ReportFieldSettings::IDC_PAGE_FILE),
                  Lay::Control(ReportFieldSettings::IDC_ADD_FILE),
                  Lay::Control(ReportFieldSettings::IDC_REMOVE_FILE)}),
        Lay::Control(ReportFieldSettings::IDC_FILE_NAME),
        Lay::Row({Lay::Control(ReportFieldSettings::IDC_PAGE_VARIABLES),
                  Lay::ButtonColumn({ReportFieldSettings::IDC_MAP, ReportFieldSettings::IDC_UNMAP}),
                  Lay::Column({Lay::Control(ReportFieldSettings::IDC_SOURCE_KIND),
                               Lay::Control(ReportFieldSettings::IDC_SOURCES)})}),
        Lay::Buttons({ReportFieldSettings::IDC_CONTROL_PROPERTY, ReportFieldSettings::IDC_OK,
                      IDCANCEL, ReportFieldSettings::IDC_HELP_BUTTON}),
    }),
    {{.list = ReportFieldSettings::IDC_PAGE_VARIABLES, .remove = ReportFieldSettings::IDC_UNMAP},
     {.list = ReportFieldSettings::IDC_SOURCES}},
}};
} // namespace

ReportFieldPropDlg::ReportFieldPropDlg(ForgeonProject& project, ReportGroup& group,
                                       ReportField& column, Module* module, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this),
      m_settings(group, column, module, project, m_host), m_view(*this)
{
    const std::pair<int, void (ReportFieldSettings::*)()> buttons[] = {
        {ReportFieldSettings::IDC_ADD_FILE, &ReportFieldSettings::AddFile},
        {ReportFieldSettings::IDC_REMOVE_FILE, &ReportFieldSettings::RemoveFile},
        {ReportFieldSettings::IDC_MAP, &ReportFieldSettings::Map},
        {ReportFieldSettings::IDC_UNMAP, &ReportFieldSettings::Unmap},
        {ReportFieldSettings::IDC_MONEY, &ReportFieldSettings::ToggleMoney},
        {ReportFieldSettings::IDC_CONTROL_PROPERTY, &ReportFieldSettings::EditControlProperty},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    const std::pair<int, void (ReportFieldSettings::*)(int)> choices[] = {
        {ReportFieldSettings::IDC_MODULE, &ReportFieldSettings::ChooseModule},
        {ReportFieldSettings::IDC_PAGE_KIND, &ReportFieldSettings::ChoosePageKind},
        {ReportFieldSettings::IDC_PAGE, &ReportFieldSettings::ChoosePage},
        {ReportFieldSettings::IDC_SOURCE_KIND, &ReportFieldSettings::ChooseSourceKind},
    };
    for (const auto& [id, command] : choices)
        MapControlRange(CBN_SELCHANGE, id, id,
                        [this, command = command, id = id] { RunChoice(command, id); });
    MapControl(BN_CLICKED, ReportFieldSettings::IDC_OK, &ReportFieldPropDlg::OnOk);
    MapControlRange(BN_CLICKED, ReportFieldSettings::IDC_HELP_BUTTON,
                    ReportFieldSettings::IDC_HELP_BUTTON, [this] { ShowContextHelp(this, IDD); });
}

BOOL ReportFieldPropDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_settings.GetCaption());
    m_pageVariables.SubclassDlgItem(ReportFieldSettings::IDC_PAGE_VARIABLES, this);
    m_sources.SubclassDlgItem(ReportFieldSettings::IDC_SOURCES, this);
    SetListColumns(m_pageVariables, ReportFieldSettings::PageVariableHeadings());
    SetListColumns(m_sources, ReportFieldSettings::SourceHeadings());
    m_settings.Open();
    Show();
    return TRUE;
}

void ReportFieldPropDlg::ReadControls()
{
    ControlStates& states = m_settings.States();
    m_view.ReadTexts(states,
                     {ReportFieldSettings::IDC_COLUMN_NUMBER, ReportFieldSettings::IDC_WIDTH,
                      ReportFieldSettings::IDC_NAME, ReportFieldSettings::IDC_IMAGE_HEIGHT,
                      ReportFieldSettings::IDC_IMAGE_WIDTH});
    for (const int id : {ReportFieldSettings::IDC_LEFT, ReportFieldSettings::IDC_CENTER,
                         ReportFieldSettings::IDC_RIGHT, ReportFieldSettings::IDC_FILE_CONTENT})
        states.SetCheck(id, IsDlgButtonChecked(id) != 0);
}

void ReportFieldPropDlg::Run(void (ReportFieldSettings::*command)())
{
    ReadControls();
    m_settings.SelectPageVariable(m_pageVariables.GetCurSel());
    m_settings.SelectSource(m_sources.GetCurSel());
    if (const auto* files =
            dynamic_cast<CComboBox*>(GetDlgItem(ReportFieldSettings::IDC_PAGE_FILE)))
        m_settings.States().Select(ReportFieldSettings::IDC_PAGE_FILE, files->GetCurSel());
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
    ReadControls();
    if (!m_settings.Ok())
        return;
    OnCancel();
}
