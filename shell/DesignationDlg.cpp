#include "shell/DesignationDlg.h"

#include "editors/ContextHelp.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
const DialogTemplateRegistration manageRolesTemplate{{
    DesignationDlg::IDD,
    "Manage Roles",
    {
        {0, ControlKind::Static, "Module"},
        {DesignationDlg::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "DashBoardPage"},
        {DesignationDlg::IDC_PAGE, ControlKind::ComboBox, ""},
        {DesignationDlg::IDC_ROLES, ControlKind::ListCtrl, "", false, false, 480, 200},
        {0, ControlKind::Static, "Reports to", /*hidden=*/true},
        {DesignationDlg::IDC_REPORTS_TO, ControlKind::ComboBox, "", /*hidden=*/true},
        {0, ControlKind::Static, "Role"},
        {DesignationDlg::IDC_NAME, ControlKind::Edit, ""},
        {DesignationDlg::IDC_PAGE_TEXT, ControlKind::Static, ""},
        {DesignationDlg::IDC_ADD, ControlKind::PushButton, "Add"},
        {DesignationDlg::IDC_ACTIVATE, ControlKind::PushButton, "DeActivate"},
        {DesignationDlg::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {DesignationDlg::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {DesignationDlg::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {DesignationDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(DesignationDlg::IDC_MODULE),
        Lay::Row({Lay::Field(DesignationDlg::IDC_PAGE), Lay::Control(DesignationDlg::IDC_ASSIGN)}),
        Lay::Control(DesignationDlg::IDC_ROLES),
        Lay::Field(DesignationDlg::IDC_NAME),
        Lay::Row({Lay::Control(DesignationDlg::IDC_PAGE_TEXT),
                  Lay::Control(DesignationDlg::IDC_REMOVE)}),
        Lay::Buttons({DesignationDlg::IDC_ADD, DesignationDlg::IDC_ACTIVATE,
                      DesignationDlg::IDC_CLEAR, IDOK, DesignationDlg::IDC_HELP_BUTTON}),
    }),
    {{.list = DesignationDlg::IDC_ROLES,
      .panel = DesignationDlg::IDC_NAME,
      .remove = DesignationDlg::IDC_REMOVE,
      .nameColumn = 2}},
}};

void FillCombo(CWnd* control, const std::vector<CString>& texts, int selection)
{
    if (auto* combo = dynamic_cast<CComboBox*>(control))
        ShowComboItems(*combo, texts, selection);
}

int SelectionOf(CWnd* control)
{
    auto* combo = dynamic_cast<CComboBox*>(control);
    return combo != nullptr ? combo->GetCurSel() : -1;
}
} // namespace

DesignationDlg::DesignationDlg(ForgeonProject& project, CWnd* parent)
    : ToolTipDialog(IDD, parent), m_roles(project)
{
    const struct
    {
        int code;
        int id;
        std::function<void()> command;
    } commands[] = {
        {CBN_SELCHANGE, IDC_MODULE,
         [this] { m_roles.SelectModule(SelectionOf(GetDlgItem(IDC_MODULE))); }},
        {CBN_SELCHANGE, IDC_PAGE,
         [this] { m_roles.SelectPage(SelectionOf(GetDlgItem(IDC_PAGE))); }},
        {CBN_SELCHANGE, IDC_REPORTS_TO,
         [this] { m_roles.SelectReportsTo(SelectionOf(GetDlgItem(IDC_REPORTS_TO))); }},
        {BN_CLICKED, IDC_ADD, [this] { m_roles.AddOrUpdate(); }},
        {BN_CLICKED, IDC_ACTIVATE, [this] { m_roles.ToggleActive(); }},
        {BN_CLICKED, IDC_CLEAR, [this] { m_roles.Reset(); }},
        {BN_CLICKED, IDC_ASSIGN, [this] { m_roles.Assign(); }},
        {BN_CLICKED, IDC_REMOVE, [this] { m_roles.Remove(); }},
    };
    for (const auto& each : commands)
        MapControlRange(each.code, each.id, each.id,
                        [this, command = each.command] { Run(command); });
    MapRowSelection(IDC_ROLES, &DesignationDlg::OnRowSelected);
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &DesignationDlg::OnHelp);
}

void DesignationDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ROLES, m_list);
}

BOOL DesignationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.InsertColumn(0, "Role", LVCFMT_LEFT, 110);
    m_list.InsertColumn(1, "Activate", LVCFMT_LEFT, 110);
    m_list.InsertColumn(2, "DashBoardPage", LVCFMT_LEFT, 250);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_roles.Load();
    Show();
    AddControlTips(m_toolTips, *this,
                   {
                       {IDC_MODULE, "Module"},
                       {IDC_PAGE, "DashBoardPage"},
                       {IDC_NAME, "Role"},
                       {IDC_ADD, "Add"},
                       {IDC_ACTIVATE, "DeActivate"},
                       {IDC_CLEAR, "Clear"},
                       {IDC_ASSIGN, "Assign"},
                       {IDC_REMOVE, "Remove"},
                   });
    // The user starts with a role's name.
    if (CWnd* role = GetDlgItem(IDC_NAME))
        role->SetFocus();
    return FALSE;
}

void DesignationDlg::Run(const std::function<void()>& command)
{
    if (m_showing)
        return;
    CString name;
    GetDlgItemText(IDC_NAME, name);
    m_roles.SetName(name);
    command();
    Show();
}

BOOL DesignationDlg::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this, {IDC_NAME}))
    {
        Run([this] { m_roles.AddOrUpdate(); });
        return TRUE;
    }
    return ToolTipDialog::PreTranslateMessage(msg);
}

bool DesignationDlg::MayClose()
{
    bool close = false;
    Run([this, &close] { close = m_roles.Close(); });
    return close;
}

void DesignationDlg::OnRowSelected(int row)
{
    Run([this, row] { m_roles.ChooseRow(row); });
}

void DesignationDlg::Show()
{
    m_showing = true;
    const RoleManagerState& state = m_roles.State();
    FillCombo(GetDlgItem(IDC_MODULE), state.modules, state.module);
    FillCombo(GetDlgItem(IDC_PAGE), state.pages, state.page);
    FillCombo(GetDlgItem(IDC_REPORTS_TO), state.reportsTo, state.reportsToRole);
    m_list.DeleteAllItems();
    int row = 0;
    for (const RoleRow& each : state.rows)
    {
        m_list.InsertRow(row, 3, each.name.GetString(), each.active.GetString(),
                         each.page.GetString());
        ++row;
    }
    if (state.row >= 0)
        m_list.SetItemState(state.row, LVIS_SELECTED, LVIS_SELECTED);
    SetDlgItemText(IDC_NAME, state.name);
    SetDlgItemText(IDC_PAGE_TEXT, state.pageText);
    SetDlgItemText(IDC_ADD, state.addCaption);
    SetDlgItemText(IDC_ACTIVATE, state.activateCaption);
    GetDlgItem(IDC_ACTIVATE)->EnableWindow(state.activateEnabled ? TRUE : FALSE);
    GetDlgItem(IDC_REMOVE)->EnableWindow(state.removeEnabled ? TRUE : FALSE);
    m_showing = false;
}

void DesignationDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
