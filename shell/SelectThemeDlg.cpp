#include "shell/SelectThemeDlg.h"

#include "editors/ContextHelp.h"
#include "editors/ProgramFiles.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
const DialogTemplateRegistration selectThemeTemplate{{
    SelectThemeDlg::IDD,
    "Select Color scheme",
    {
        {0, ControlKind::Static, "Themes"},
        {SelectThemeDlg::IDC_THEMES, ControlKind::ListCtrl, "", false, false, 220, 140},
        {0, ControlKind::Static, "Schemes"},
        {SelectThemeDlg::IDC_SCHEMES, ControlKind::ListCtrl, "", false, false, 220, 140},
        {0, ControlKind::Static, "Preview"},
        {SelectThemeDlg::IDC_PREVIEW, ControlKind::ListCtrl, "", false, false, 220, 200},
        {0, ControlKind::Static, "Selected Scheme"},
        {SelectThemeDlg::IDC_SELECTED, ControlKind::ListCtrl, "", false, false, 220, 200},
        {SelectThemeDlg::IDC_SELECT, ControlKind::PushButton, "Select"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {SelectThemeDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Column({Lay::Field(SelectThemeDlg::IDC_THEMES)}),
                  Lay::Column({Lay::Field(SelectThemeDlg::IDC_SCHEMES)})}),
        Lay::Row({Lay::Column({Lay::Field(SelectThemeDlg::IDC_PREVIEW)}),
                  Lay::Column({Lay::Field(SelectThemeDlg::IDC_SELECTED)})}),
        Lay::Buttons({SelectThemeDlg::IDC_SELECT, IDOK, SelectThemeDlg::IDC_HELP_BUTTON}),
    }),
    {{.list = SelectThemeDlg::IDC_THEMES},
     {.list = SelectThemeDlg::IDC_SCHEMES},
     {.list = SelectThemeDlg::IDC_PREVIEW},
     {.list = SelectThemeDlg::IDC_SELECTED}},
}};

std::vector<ThemePicture> AsList(const std::optional<ThemePicture>& picture)
{
    return picture ? std::vector<ThemePicture>{*picture} : std::vector<ThemePicture>{};
}
} // namespace

SelectThemeDlg::SelectThemeDlg(ForgeonProject& project, CWnd* parent)
    : ToolTipDialog(IDD, parent), m_selection(project, GetProgramFolder())
{
    MapRowSelection(IDC_THEMES, &SelectThemeDlg::OnThemeSelected);
    MapRowSelection(IDC_SCHEMES, &SelectThemeDlg::OnSchemeSelected);
    MapControl(BN_CLICKED, IDC_SELECT, &SelectThemeDlg::OnSelect);
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &SelectThemeDlg::OnHelp);
}

void SelectThemeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_THEMES, m_themes);
    DDX_Control(pDX, IDC_SCHEMES, m_schemes);
    DDX_Control(pDX, IDC_PREVIEW, m_preview);
    DDX_Control(pDX, IDC_SELECTED, m_selected);
}

BOOL SelectThemeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (CThumbListCtrl* small : {&m_themes, &m_schemes})
        small->SetThumbnailSize(75, 75);
    for (CThumbListCtrl* large : {&m_preview, &m_selected})
        large->SetThumbnailSize(150, 150);
    for (CThumbListCtrl* list : {&m_themes, &m_schemes, &m_preview, &m_selected})
    {
        list->InitThumbnails();
        // Room for the picture and its label.
        list->SetColumnWidth(0, list->GetThumbnailWidth() + 125);
    }
    m_selection.Load();
    ShowPictures(m_themes, m_selection.Themes());
    ShowSchemes();
    AddControlTips(m_toolTips, *this,
                   {
                       {IDC_THEMES, "Themes"},
                       {IDC_SCHEMES, "Schemes"},
                       {IDC_PREVIEW, "Preview"},
                       {IDC_SELECTED, "Selected Scheme"},
                       {IDC_SELECT, "Select"},
                   });
    return TRUE;
}

void SelectThemeDlg::ShowPictures(CThumbListCtrl& list, const std::vector<ThemePicture>& pictures)
{
    list.DeleteAllItems();
    for (const ThemePicture& picture : pictures)
        list.AddThumbnail(picture.path, picture.label, FALSE);
}

void SelectThemeDlg::ShowSchemes()
{
    ShowPictures(m_schemes, m_selection.Schemes());
    ShowPictures(m_preview, AsList(m_selection.Preview()));
    ShowPictures(m_selected, AsList(m_selection.Current()));
}

void SelectThemeDlg::OnThemeSelected(int row)
{
    if (row < 0)
        return;
    m_selection.SelectTheme(row);
    ShowSchemes();
}

void SelectThemeDlg::OnSchemeSelected(int row)
{
    m_selection.SelectScheme(row);
    ShowPictures(m_preview, AsList(m_selection.Preview()));
}

void SelectThemeDlg::OnSelect()
{
    if (m_selection.Select())
        ShowSchemes();
}

void SelectThemeDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
