#include "designers/DashBoadCellInfoDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using C = DashBoardCellEditor;

const DialogTemplateRegistration cellInfoTemplate{{
    C::IDD,
    "Assign DashBoard Column properties",
    {
        {0, ControlKind::Static, "Caption"},
        {C::IDC_CAPTION, ControlKind::Edit, ""},
        {C::IDC_STATIC_TEXT, ControlKind::RadioButton, "Static text"},
        {C::IDC_MENU, ControlKind::RadioButton, "Menu"},
        {C::IDC_DISPLAY_FIELDS, ControlKind::RadioButton, "Display Fields"},
        {C::IDC_MENU_TREE, ControlKind::TreeCtrl, "", false, false, 160, 90},
        {C::IDC_ASSIGN_MENU, ControlKind::PushButton, "Assign Menu"},
        {C::IDC_REMOVE_MENU, ControlKind::PushButton, "Remove Menu"},
        {C::IDC_MENU_LABEL, ControlKind::Static, "Menu not assigned.", false, false, 200},
        {C::IDC_FILE_LABEL, ControlKind::Static, "File not assigned.", false, false, 200},
        {0, ControlKind::Static, "Variables for Assigned ASP File"},
        {C::IDC_TARGETS, ControlKind::ListCtrl, "", false, false, 240, 110},
        {C::IDC_MAP, ControlKind::PushButton, ">"},
        {C::IDC_UNMAP, ControlKind::PushButton, "<"},
        {C::IDC_FUNCTION_FIELDS, ControlKind::RadioButton, "Function Fields", false, true},
        {C::IDC_DASHBOARD_VARIABLES, ControlKind::RadioButton, "Dash board Variables"},
        {C::IDC_FUNCTION_LABEL, ControlKind::Static, "", false, false, 200},
        {C::IDC_SOURCES, ControlKind::ListCtrl, "", false, false, 200, 110},
        {C::IDC_ADD_DISPLAY_FIELD, ControlKind::PushButton, "Add Display Field"},
        {C::IDC_DISPLAY_LIST, ControlKind::ListCtrl, "", false, false, 240, 110},
        {C::IDC_REMOVE_DISPLAY_FIELD, ControlKind::PushButton, "Remove"},
        {0, ControlKind::Static, "Display Name"},
        {C::IDC_DISPLAY_NAME, ControlKind::Edit, ""},
        {C::IDC_SET_DISPLAY_NAME, ControlKind::PushButton, "Add Display Field Name"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {C::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(C::IDC_CAPTION), Lay::Control(C::IDC_STATIC_TEXT),
                  Lay::Control(C::IDC_MENU), Lay::Control(C::IDC_DISPLAY_FIELDS)}),
        Lay::Row({Lay::Control(C::IDC_MENU_TREE),
                  Lay::ButtonColumn({C::IDC_ASSIGN_MENU, C::IDC_REMOVE_MENU}),
                  Lay::Column({Lay::Control(C::IDC_MENU_LABEL), Lay::Control(C::IDC_FILE_LABEL)})}),
        Lay::Row(
            {Lay::Column({Lay::Field(C::IDC_TARGETS)}),
             Lay::ButtonColumn({C::IDC_MAP, C::IDC_UNMAP}),
             Lay::Column({Lay::Row({Lay::Control(C::IDC_FUNCTION_FIELDS),
                                    Lay::Control(C::IDC_DASHBOARD_VARIABLES)}),
                          Lay::Control(C::IDC_FUNCTION_LABEL), Lay::Control(C::IDC_SOURCES)})}),
        Lay::Row({Lay::Control(C::IDC_DISPLAY_LIST),
                  Lay::ButtonColumn({C::IDC_ADD_DISPLAY_FIELD, C::IDC_REMOVE_DISPLAY_FIELD})}),
        Lay::Row({Lay::Field(C::IDC_DISPLAY_NAME), Lay::Control(C::IDC_SET_DISPLAY_NAME),
                  Lay::Stretch()}),
        Lay::Buttons({IDOK, C::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

DashBoadCellInfoDlg::DashBoadCellInfoDlg(DashBoard& page, GridCell& cell, DashBoardHost& host,
                                         CWnd* parent)
    : CDialog(IDD, parent), m_editor(page, cell, host), m_view(*this)
{
    const std::pair<int, void (C::*)()> commands[] = {
        {C::IDC_STATIC_TEXT, &C::StaticTextMode},
        {C::IDC_MENU, &C::MenuMode},
        {C::IDC_DISPLAY_FIELDS, &C::DisplayFieldMode},
        {C::IDC_ASSIGN_MENU, &C::AssignMenu},
        {C::IDC_REMOVE_MENU, &C::RemoveMenu},
        {C::IDC_FUNCTION_FIELDS, &C::ShowFunctionFields},
        {C::IDC_DASHBOARD_VARIABLES, &C::ShowDashBoardVariables},
        {C::IDC_MAP, &C::Map},
        {C::IDC_UNMAP, &C::Unmap},
        {C::IDC_ADD_DISPLAY_FIELD, &C::AddDisplayField},
        {C::IDC_REMOVE_DISPLAY_FIELD, &C::RemoveDisplayField},
        {C::IDC_SET_DISPLAY_NAME, &C::SetDisplayName},
    };
    for (const auto& [id, command] : commands)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControl(BN_CLICKED, C::IDC_HELP_BUTTON, &DashBoadCellInfoDlg::OnHelp);
    MapNotify(NM_DBLCLK, C::IDC_DISPLAY_LIST, &DashBoadCellInfoDlg::OnDisplayDoubleClick);
    MapNotify(NM_DBLCLK, C::IDC_MENU_TREE, &DashBoadCellInfoDlg::OnTreeDoubleClick);
}

BOOL DashBoadCellInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_targets.SubclassDlgItem(C::IDC_TARGETS, this);
    m_sources.SubclassDlgItem(C::IDC_SOURCES, this);
    m_displayFields.SubclassDlgItem(C::IDC_DISPLAY_LIST, this);
    m_menuTree.SubclassDlgItem(C::IDC_MENU_TREE, this);
    SetListColumns(m_targets, C::TargetColumns());
    SetListColumns(m_sources, C::SourceColumns());
    SetListColumns(m_displayFields, C::DisplayColumns());
    m_editor.Open();
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, C::ToolTips());
    return TRUE;
}

void DashBoadCellInfoDlg::ReadSelections()
{
    m_view.ReadTexts(m_editor.States(), {C::IDC_CAPTION, C::IDC_DISPLAY_NAME});
    m_editor.SelectTarget(m_targets.GetCurSel());
    m_editor.SelectSource(m_sources.GetCurSel());
    m_editor.SelectDisplayField(m_displayFields.GetCurSel());
}

void DashBoadCellInfoDlg::Run(void (DashBoardCellEditor::*command)())
{
    ReadSelections();
    (m_editor.*command)();
    Show();
}

void DashBoadCellInfoDlg::Show()
{
    ShowListRows(m_targets, m_editor.GetTargetRows());
    ShowListRows(m_sources, m_editor.GetSourceRows());
    ShowListRows(m_displayFields, m_editor.GetDisplayRows());
    if (m_editor.GetSelectedTarget() >= 0)
        m_targets.SetItemState(m_editor.GetSelectedTarget(), LVIS_SELECTED, LVIS_SELECTED);
    m_menuTree.DeleteAllItems();
    if (const CString menu = m_editor.GetMenuTreeItem(); !menu.IsEmpty())
        m_menuTree.InsertItem(menu);
    m_view.Show(m_editor.States());
}

BOOL DashBoadCellInfoDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_displayFields))
    {
        Run(&DashBoardCellEditor::EmptyDisplayCaption);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void DashBoadCellInfoDlg::OnDisplayDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    ReadSelections();
    m_editor.PickDisplayField(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    Show();
}

void DashBoadCellInfoDlg::OnTreeDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&DashBoardCellEditor::ShowMenuFile);
}

void DashBoadCellInfoDlg::OnOK()
{
    ReadSelections();
    m_editor.Ok();
    EndDialog(IDOK);
}

void DashBoadCellInfoDlg::OnHelp()
{
    ShowContextHelp(this, C::HelpContext);
}
