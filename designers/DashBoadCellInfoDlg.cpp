#include "designers/DashBoadCellInfoDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration cellInfoTemplate{{
    DashBoardCellEditor::IDD,
    "Assign DashBoard Column properties",
    {
        {0, ControlKind::Static, "Caption"},
        {DashBoardCellEditor::IDC_CAPTION, ControlKind::Edit, ""},
        {DashBoardCellEditor::IDC_STATIC_TEXT, ControlKind::RadioButton, "Static text"},
        {DashBoardCellEditor::IDC_MENU, ControlKind::RadioButton, "Menu"},
        {DashBoardCellEditor::IDC_DISPLAY_FIELDS, ControlKind::RadioButton, "Display Fields"},
        {DashBoardCellEditor::IDC_MENU_TREE, ControlKind::TreeCtrl, "", false, false, 160, 90},
        {DashBoardCellEditor::IDC_ASSIGN_MENU, ControlKind::PushButton, "Assign Menu"},
        {DashBoardCellEditor::IDC_REMOVE_MENU, ControlKind::PushButton, "Remove Menu"},
        {DashBoardCellEditor::IDC_MENU_LABEL, ControlKind::Static, "Menu not assigned.", false,
         false, 200},
        {DashBoardCellEditor::IDC_FILE_LABEL, ControlKind::Static, "File not assigned.", false,
         false, 200},
        {0, ControlKind::Static, "Variables for Assigned ASP File"},
        {DashBoardCellEditor::IDC_TARGETS, ControlKind::ListCtrl, "", false, false, 240, 110},
        {DashBoardCellEditor::IDC_MAP, ControlKind::PushButton, ">"},
        {DashBoardCellEditor::IDC_UNMAP, ControlKind::PushButton, "<"},
        {DashBoardCellEditor::IDC_FUNCTION_FIELDS, ControlKind::RadioButton, "Function Fields",
         false, true},
        {DashBoardCellEditor::IDC_DASHBOARD_VARIABLES, ControlKind::RadioButton,
         "Dash board Variables"},
        {DashBoardCellEditor::IDC_FUNCTION_LABEL, ControlKind::Static, "", false, false, 200},
        {DashBoardCellEditor::IDC_SOURCES, ControlKind::ListCtrl, "", false, false, 200, 110},
        {DashBoardCellEditor::IDC_ADD_DISPLAY_FIELD, ControlKind::PushButton, "Add Display Field"},
        {DashBoardCellEditor::IDC_DISPLAY_LIST, ControlKind::ListCtrl, "", false, false, 240, 110},
        {DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD, ControlKind::PushButton, "Remove"},
        {0, ControlKind::Static, "Display Name"},
        {DashBoardCellEditor::IDC_DISPLAY_NAME, ControlKind::Edit, ""},
        {DashBoardCellEditor::IDC_SET_DISPLAY_NAME, ControlKind::PushButton,
         "Add Display Field Name"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {DashBoardCellEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(DashBoardCellEditor::IDC_CAPTION),
                  Lay::Control(DashBoardCellEditor::IDC_STATIC_TEXT),
                  Lay::Control(DashBoardCellEditor::IDC_MENU),
                  Lay::Control(DashBoardCellEditor::IDC_DISPLAY_FIELDS)}),
        Lay::Row({Lay::Control(DashBoardCellEditor::IDC_MENU_TREE),
                  Lay::ButtonColumn(
                      {DashBoardCellEditor::IDC_ASSIGN_MENU, DashBoardCellEditor::IDC_REMOVE_MENU}),
                  Lay::Column({Lay::Control(DashBoardCellEditor::IDC_MENU_LABEL),
                               Lay::Control(DashBoardCellEditor::IDC_FILE_LABEL)})}),
        Lay::Row(
            {Lay::Column({Lay::Field(DashBoardCellEditor::IDC_TARGETS)}),
             Lay::ButtonColumn({DashBoardCellEditor::IDC_MAP, DashBoardCellEditor::IDC_UNMAP}),
             Lay::Column({Lay::Row({Lay::Control(DashBoardCellEditor::IDC_FUNCTION_FIELDS),
                                    Lay::Control(DashBoardCellEditor::IDC_DASHBOARD_VARIABLES)}),
                          Lay::Control(DashBoardCellEditor::IDC_FUNCTION_LABEL),
                          Lay::Control(DashBoardCellEditor::IDC_SOURCES)})}),
        Lay::Row({Lay::Control(DashBoardCellEditor::IDC_DISPLAY_LIST),
                  Lay::ButtonColumn({DashBoardCellEditor::IDC_ADD_DISPLAY_FIELD,
                                     DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD})}),
        Lay::Row({Lay::Field(DashBoardCellEditor::IDC_DISPLAY_NAME),
                  Lay::Control(DashBoardCellEditor::IDC_SET_DISPLAY_NAME), Lay::Stretch()}),
        Lay::Buttons({IDOK, DashBoardCellEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = DashBoardCellEditor::IDC_MENU_TREE},
     {.list = DashBoardCellEditor::IDC_TARGETS, .remove = DashBoardCellEditor::IDC_UNMAP},
     {.list = DashBoardCellEditor::IDC_SOURCES},
     {.list = DashBoardCellEditor::IDC_DISPLAY_LIST,
      .panel = DashBoardCellEditor::IDC_DISPLAY_NAME,
      .remove = DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD,
      .deleteKey = true}},
}};
} // namespace

DashBoadCellInfoDlg::DashBoadCellInfoDlg(DashBoard& page, GridCell& cell, DashBoardHost& host,
                                         CWnd* parent)
    : CDialog(IDD, parent), m_editor(page, cell, host), m_view(*this)
{
    const std::pair<int, void (DashBoardCellEditor::*)()> commands[] = {
        {DashBoardCellEditor::IDC_STATIC_TEXT, &DashBoardCellEditor::StaticTextMode},
        {DashBoardCellEditor::IDC_MENU, &DashBoardCellEditor::MenuMode},
        {DashBoardCellEditor::IDC_DISPLAY_FIELDS, &DashBoardCellEditor::DisplayFieldMode},
        {DashBoardCellEditor::IDC_ASSIGN_MENU, &DashBoardCellEditor::AssignMenu},
        {DashBoardCellEditor::IDC_REMOVE_MENU, &DashBoardCellEditor::RemoveMenu},
        {DashBoardCellEditor::IDC_FUNCTION_FIELDS, &DashBoardCellEditor::ShowFunctionFields},
        {DashBoardCellEditor::IDC_DASHBOARD_VARIABLES,
         &DashBoardCellEditor::ShowDashBoardVariables},
        {DashBoardCellEditor::IDC_MAP, &DashBoardCellEditor::Map},
        {DashBoardCellEditor::IDC_UNMAP, &DashBoardCellEditor::Unmap},
        {DashBoardCellEditor::IDC_ADD_DISPLAY_FIELD, &DashBoardCellEditor::AddDisplayField},
        {DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD, &DashBoardCellEditor::RemoveDisplayField},
        {DashBoardCellEditor::IDC_SET_DISPLAY_NAME, &DashBoardCellEditor::SetDisplayName},
    };
    for (const auto& [id, command] : commands)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControl(BN_CLICKED, DashBoardCellEditor::IDC_HELP_BUTTON, &DashBoadCellInfoDlg::OnHelp);
    MapRowSelection(DashBoardCellEditor::IDC_DISPLAY_LIST, &DashBoadCellInfoDlg::OnDisplaySelected);
    MapNotify(NM_DBLCLK, DashBoardCellEditor::IDC_MENU_TREE,
              &DashBoadCellInfoDlg::OnTreeDoubleClick);
}

BOOL DashBoadCellInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_targets.SubclassDlgItem(DashBoardCellEditor::IDC_TARGETS, this);
    m_sources.SubclassDlgItem(DashBoardCellEditor::IDC_SOURCES, this);
    m_displayFields.SubclassDlgItem(DashBoardCellEditor::IDC_DISPLAY_LIST, this);
    m_menuTree.SubclassDlgItem(DashBoardCellEditor::IDC_MENU_TREE, this);
    SetListColumns(m_targets, DashBoardCellEditor::TargetColumns());
    SetListColumns(m_sources, DashBoardCellEditor::SourceColumns());
    SetListColumns(m_displayFields, DashBoardCellEditor::DisplayColumns());
    m_editor.Open();
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, DashBoardCellEditor::ToolTips());
    return TRUE;
}

void DashBoadCellInfoDlg::ReadSelections()
{
    m_view.ReadTexts(m_editor.States(),
                     {DashBoardCellEditor::IDC_CAPTION, DashBoardCellEditor::IDC_DISPLAY_NAME});
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
    m_displayFields.SetCurSel(m_editor.GetSelectedDisplayField());
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
    // Enter in the display-name box sets it rather than closing the dialog.
    if (IsEnterKeyIn(*msg, *this, {DashBoardCellEditor::IDC_DISPLAY_NAME}))
    {
        Run(&DashBoardCellEditor::SetDisplayName);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void DashBoadCellInfoDlg::OnDisplaySelected(int row)
{
    m_view.ReadTexts(m_editor.States(),
                     {DashBoardCellEditor::IDC_CAPTION, DashBoardCellEditor::IDC_DISPLAY_NAME});
    m_editor.PickDisplayField(row);
    // After Cancel the row shown stays highlighted.
    m_displayFields.SetCurSel(m_editor.GetSelectedDisplayField());
    m_view.Show(m_editor.States());
}

void DashBoadCellInfoDlg::OnTreeDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&DashBoardCellEditor::ShowMenuFile);
}

void DashBoadCellInfoDlg::OnOK()
{
    ReadSelections();
    const bool close = m_editor.Ok();
    Show();
    if (close)
        EndDialog(IDOK);
}

void DashBoadCellInfoDlg::OnCancel()
{
    ReadSelections();
    const int result = m_editor.Cancel();
    Show();
    if (result != 0)
        EndDialog(result);
}

void DashBoadCellInfoDlg::OnHelp()
{
    ShowContextHelp(this, DashBoardCellEditor::HelpContext);
}
