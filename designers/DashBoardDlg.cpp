#include "designers/DashBoardDlg.h"

#include "designers/DesignerPictures.h"
#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(DashBoardDlg, CFormView)

namespace
{

const DialogTemplateRegistration dashBoardTemplate{{
    DashBoardDesigner::IDD,
    "",
    {
        {0, ControlKind::Static, "Name"},
        {DashBoardDesigner::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {DashBoardDesigner::IDC_HEADER, ControlKind::Edit, ""},
        {DashBoardDesigner::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0,
         DashBoardDesigner::IDB_PICTURE},
        {DashBoardDesigner::IDC_TREE, ControlKind::TreeCtrl, "", false, false, 300, 220},
        {DashBoardDesigner::IDC_ADD_DATA, ControlKind::PushButton, "Add Data"},
        {DashBoardDesigner::IDC_REMOVE_DATA, ControlKind::PushButton, "Remove Data"},
        {DashBoardDesigner::IDC_ADD_TABLE, ControlKind::PushButton, "Add Table"},
        {DashBoardDesigner::IDC_INSERT_ROW, ControlKind::PushButton, "Insert Row"},
        {DashBoardDesigner::IDC_INSERT_COLUMN, ControlKind::PushButton, "Insert Column"},
        {DashBoardDesigner::IDC_SET_PARENT, ControlKind::PushButton, "Set Parent"},
        {DashBoardDesigner::IDC_SELECTED_COLUMN, ControlKind::Static, "", false, false, 150},
        {DashBoardDesigner::IDC_ADD_ROW, ControlKind::PushButton, "Add Row"},
        {DashBoardDesigner::IDC_ADD_COLUMN, ControlKind::PushButton, "Add Column"},
        {DashBoardDesigner::IDC_REMOVE_EMPTY_ROWS, ControlKind::PushButton, "Remove Empty Rows"},
        {DashBoardDesigner::IDC_REMOVE_EMPTY_COLUMNS, ControlKind::PushButton,
         "Remove Empty Columns"},
        {DashBoardDesigner::IDC_SELECTED_TABLE, ControlKind::Static, "", false, false, 150},
        {DashBoardDesigner::IDC_ADD, ControlKind::PushButton, "Add"},
        {DashBoardDesigner::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {DashBoardDesigner::IDC_VARIABLES, ControlKind::PushButton, "Variables"},
        {DashBoardDesigner::IDC_ASSIGN_FUNCTION, ControlKind::PushButton, "Assign &Function"},
        {DashBoardDesigner::IDC_REMOVE_FUNCTION, ControlKind::PushButton, "Remove Function"},
        {DashBoardDesigner::IDC_FUNCTION_LABEL, ControlKind::Static, "", false, false, 220},
        {0, ControlKind::Static, "Move to grid"},
        {DashBoardDesigner::IDC_GRIDS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Grid Cell"},
        {DashBoardDesigner::IDC_CELLS, ControlKind::ComboBox, ""},
        {DashBoardDesigner::IDC_MOVE_GRID, ControlKind::PushButton, "Move Selected Grid"},
        {DashBoardDesigner::IDC_REFRESH, ControlKind::PushButton, "Refresh"},
        {DashBoardDesigner::IDC_BROWSER, ControlKind::Custom, "", false, false, 600, 200},
        {DashBoardDesigner::IDC_NUM_ROWS, ControlKind::Edit, "", true},
        {DashBoardDesigner::IDC_NUM_COLUMNS, ControlKind::Edit, "", true},
        {DashBoardDesigner::IDC_OK, ControlKind::PushButton, "OK"},
        {DashBoardDesigner::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {DashBoardDesigner::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {DashBoardDesigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(DashBoardDesigner::IDC_NAME),
                  Lay::Field(DashBoardDesigner::IDC_HEADER),
                  Lay::Control(DashBoardDesigner::IDC_NUM_ROWS),
                  Lay::Control(DashBoardDesigner::IDC_NUM_COLUMNS), Lay::Stretch(),
                  Lay::Control(DashBoardDesigner::IDC_PICTURE)}),
        Lay::Row(
            {Lay::Control(DashBoardDesigner::IDC_TREE),
             Lay::Column(
                 {Lay::ButtonColumn(
                      {DashBoardDesigner::IDC_ADD_DATA, DashBoardDesigner::IDC_REMOVE_DATA,
                       DashBoardDesigner::IDC_ADD_TABLE, DashBoardDesigner::IDC_INSERT_ROW,
                       DashBoardDesigner::IDC_INSERT_COLUMN, DashBoardDesigner::IDC_SET_PARENT}),
                  Lay::Control(DashBoardDesigner::IDC_SELECTED_COLUMN), Lay::Stretch()}),
             Lay::Column({Lay::ButtonColumn({DashBoardDesigner::IDC_ADD_ROW,
                                             DashBoardDesigner::IDC_ADD_COLUMN,
                                             DashBoardDesigner::IDC_REMOVE_EMPTY_ROWS,
                                             DashBoardDesigner::IDC_REMOVE_EMPTY_COLUMNS}),
                          Lay::Control(DashBoardDesigner::IDC_SELECTED_TABLE), Lay::Stretch()}),
             Lay::Stretch()}),
        Lay::Row({Lay::Control(DashBoardDesigner::IDC_ADD),
                  Lay::Control(DashBoardDesigner::IDC_REMOVE),
                  Lay::Control(DashBoardDesigner::IDC_VARIABLES),
                  Lay::Control(DashBoardDesigner::IDC_ASSIGN_FUNCTION),
                  Lay::Control(DashBoardDesigner::IDC_REMOVE_FUNCTION),
                  Lay::Control(DashBoardDesigner::IDC_FUNCTION_LABEL), Lay::Stretch()}),
        Lay::Row({Lay::Field(DashBoardDesigner::IDC_GRIDS),
                  Lay::Field(DashBoardDesigner::IDC_CELLS),
                  Lay::Control(DashBoardDesigner::IDC_MOVE_GRID),
                  Lay::Control(DashBoardDesigner::IDC_REFRESH), Lay::Stretch()}),
        Lay::Control(DashBoardDesigner::IDC_BROWSER),
        Lay::Buttons({DashBoardDesigner::IDC_OK, DashBoardDesigner::IDC_CANCEL,
                      DashBoardDesigner::IDC_CLEAR, DashBoardDesigner::IDC_HELP_BUTTON}),
    }),
    {{.list = DashBoardDesigner::IDC_TREE,
      .panel = DashBoardDesigner::IDC_SELECTED_COLUMN,
      .remove = DashBoardDesigner::IDC_REMOVE_DATA}},
}};

void FillMenu(CMenu& menu, const std::vector<PopupEntry>& entries)
{
    menu.CreatePopupMenu();
    for (const PopupEntry& entry : entries)
        menu.AppendMenu(MF_STRING, entry.id, entry.text);
}
} // namespace

DashBoardDlg::DashBoardDlg()
    : CFormView(DashBoardDesigner::IDD), m_host(*this, &m_browser),
      m_designer(
          [this](ForgeonProject& project)
          { return std::make_unique<DashBoardDesigner>(project, ViewEditorHost::Get(), m_host); }),
      m_view(*this)
{
    RegisterDesignerPictures();
    const std::pair<int, void (DashBoardDesigner::*)()> buttons[] = {
        {DashBoardDesigner::IDC_ADD, &DashBoardDesigner::AddParentGrid},
        {DashBoardDesigner::IDC_REMOVE, &DashBoardDesigner::RemoveParentGrid},
        {DashBoardDesigner::IDC_SET_PARENT, &DashBoardDesigner::SetParent},
        {DashBoardDesigner::IDC_VARIABLES, &DashBoardDesigner::EditVariables},
        {DashBoardDesigner::IDC_ASSIGN_FUNCTION, &DashBoardDesigner::AssignFunction},
        {DashBoardDesigner::IDC_REMOVE_FUNCTION, &DashBoardDesigner::RemoveFunction},
        {DashBoardDesigner::IDC_REFRESH, &DashBoardDesigner::Refresh},
        {DashBoardDesigner::IDC_OK, &DashBoardDesigner::Ok},
        {DashBoardDesigner::IDC_CANCEL, &DashBoardDesigner::Cancel},
        {DashBoardDesigner::IDC_CLEAR, &DashBoardDesigner::Clear},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    const std::pair<int, UINT> cellButtons[] = {
        {DashBoardDesigner::IDC_ADD_DATA, DashBoardDesigner::kAddMenu},
        {DashBoardDesigner::IDC_REMOVE_DATA, DashBoardDesigner::kEraseData},
        {DashBoardDesigner::IDC_ADD_TABLE, DashBoardDesigner::kInsertTable},
        {DashBoardDesigner::IDC_INSERT_ROW, DashBoardDesigner::kInsertRowBefore},
        {DashBoardDesigner::IDC_INSERT_COLUMN, DashBoardDesigner::kInsertColumnBefore},
    };
    for (const auto& [id, command] : cellButtons)
    {
        MapControlRange(BN_CLICKED, id, id,
                        [this, command = command]
                        {
                            if (DashBoardDesigner* designer = GetDesigner())
                            {
                                ReadControls();
                                designer->CellCommand(command);
                                Show();
                            }
                        });
    }
    const std::pair<int, UINT> tableButtons[] = {
        {DashBoardDesigner::IDC_ADD_ROW, DashBoardDesigner::kAppendRow},
        {DashBoardDesigner::IDC_ADD_COLUMN, DashBoardDesigner::kAppendColumn},
        {DashBoardDesigner::IDC_REMOVE_EMPTY_ROWS, DashBoardDesigner::kRemoveEmptyRows},
        {DashBoardDesigner::IDC_REMOVE_EMPTY_COLUMNS, DashBoardDesigner::kRemoveEmptyColumns},
    };
    for (const auto& [id, command] : tableButtons)
    {
        MapControlRange(BN_CLICKED, id, id,
                        [this, command = command]
                        {
                            if (DashBoardDesigner* designer = GetDesigner())
                            {
                                ReadControls();
                                designer->TableCommand(command);
                                Show();
                            }
                        });
    }
    MapControl(BN_CLICKED, DashBoardDesigner::IDC_MOVE_GRID, &DashBoardDlg::OnMoveGrid);
    MapControl(BN_CLICKED, DashBoardDesigner::IDC_HELP_BUTTON, &DashBoardDlg::OnHelp);
    MapControl(CBN_SELCHANGE, DashBoardDesigner::IDC_GRIDS, &DashBoardDlg::OnGrid);
    MapItemSelection(DashBoardDesigner::IDC_TREE, &DashBoardDlg::OnTreeSelected);
    MapNotify(NM_RCLICK, DashBoardDesigner::IDC_TREE, &DashBoardDlg::OnTreeRightClick);
}

DashBoardDlg::~DashBoardDlg() = default;

DashBoardDesigner* DashBoardDlg::GetDesigner()
{
    return m_designer.Get();
}

void DashBoardDlg::BuildMenus()
{
    FillMenu(m_cellMenu, DashBoardDesigner::CellMenu());
    FillMenu(m_tableMenu, DashBoardDesigner::TableMenu());
}

void DashBoardDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_tree.GetSafeHwnd() == nullptr)
    {
        m_tree.SubclassDlgItem(DashBoardDesigner::IDC_TREE, this);
        m_treeImages.Create(dashBoardTreeBitmap, 16, 0, RGB(255, 255, 255));
        m_tree.SetImageList(&m_treeImages);
        m_browser.SubclassDlgItem(DashBoardDesigner::IDC_BROWSER, this);
        m_picture.SubclassDlgItem(DashBoardDesigner::IDC_PICTURE, this);
        m_picture.SetBitmap(DashBoardDesigner::IDB_PICTURE);
        BuildMenus();
    }
    if (!m_toolTipsCreated)
    {
        m_toolTips.Create(this);
        AddToolTips(m_toolTips, *this, DashBoardDesigner::ToolTips());
        m_toolTipsCreated = true;
    }
    if (DashBoardDesigner* designer = GetDesigner();
        designer != nullptr && !designer->GetDashBoard())
        LoadDashBoard(nullptr);
}

void DashBoardDlg::LoadDashBoard(DashBoard* page)
{
    if (DashBoardDesigner* designer = GetDesigner())
    {
        designer->LoadDashBoard(page);
        Show();
    }
}

void DashBoardDlg::ForgetDashBoard(DashBoard* page)
{
    if (DashBoardDesigner* designer = GetDesigner())
    {
        designer->ForgetDashBoard(page);
        Show();
    }
}

void DashBoardDlg::ClearPage()
{
    if (m_designer.Current() == nullptr)
        return;
    m_designer.Current()->ClearPage();
    Show();
}

void DashBoardDlg::ReloadPage()
{
    if (DashBoardDesigner* designer = GetDesigner())
        LoadDashBoard(designer->GetDashBoard());
}

void DashBoardDlg::ReadControls()
{
    DashBoardDesigner* designer = m_designer.Current();
    m_view.ReadTexts(designer->States(),
                     {DashBoardDesigner::IDC_NAME, DashBoardDesigner::IDC_HEADER});
    for (int id : {DashBoardDesigner::IDC_GRIDS, DashBoardDesigner::IDC_CELLS})
    {
        if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            designer->States().Select(id, combo->GetCurSel());
    }
}

void DashBoardDlg::Run(void (DashBoardDesigner::*command)())
{
    if (GetDesigner() == nullptr)
        return;
    ReadControls();
    (m_designer.Current()->*command)();
    Show();
}

void DashBoardDlg::Show()
{
    if (m_designer.Current() == nullptr || m_tree.GetSafeHwnd() == nullptr)
        return;
    ShowTree();
    m_view.Show(m_designer.Current()->States());
}

void DashBoardDlg::ShowTree()
{
    const std::vector<TreeRow>& rows = m_designer.Current()->GetTreeRows();
    if (rows != m_shownRows)
        FillTree(rows);
    const int selected = m_designer.Current()->GetSelectedRow();
    if (selected >= 0)
        m_tree.SelectItem(m_items[static_cast<std::size_t>(selected)]);
}

void DashBoardDlg::FillTree(const std::vector<TreeRow>& rows)
{
    m_tree.SaveExpandedItems();
    m_tree.DeleteAllItems();
    m_items.clear();
    for (const TreeRow& row : rows)
    {
        const HTREEITEM parent =
            row.parent >= 0 ? m_items[static_cast<std::size_t>(row.parent)] : TVI_ROOT;
        const HTREEITEM item = m_tree.InsertItem(row.label, row.image, row.image, parent);
        m_tree.SetItemData(item, static_cast<DWORD_PTR>(row.data));
        m_items.push_back(item);
    }
    m_tree.RestoreExpandedItems();
    m_shownRows = rows;
}

int DashBoardDlg::RowOf(HTREEITEM item) const
{
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    return found != m_items.end() ? static_cast<int>(found - m_items.begin()) : -1;
}

void DashBoardDlg::ClickItem(HTREEITEM item, bool right)
{
    DashBoardDesigner* designer = GetDesigner();
    if (designer == nullptr || item == nullptr)
        return;
    ReadControls();
    m_tree.SelectItem(item);
    const DashBoardDesigner::Popup popup = designer->ClickTree(RowOf(item));
    Show();
    if (!right || popup == DashBoardDesigner::Popup::None)
        return;
    CPoint point;
    GetCursorPos(&point);
    CMenu& menu = popup == DashBoardDesigner::Popup::Cell ? m_cellMenu : m_tableMenu;
    const UINT command = static_cast<UINT>(menu.TrackPopupMenu(
        TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, this));
    if (command == 0)
        return;
    if (popup == DashBoardDesigner::Popup::Cell)
        designer->CellCommand(command);
    else
        designer->TableCommand(command);
    Show();
}

void DashBoardDlg::OnTreeSelected(HTREEITEM item)
{
    ClickItem(item, false);
}

void DashBoardDlg::OnTreeRightClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    CPoint point;
    GetCursorPos(&point);
    m_tree.ScreenToClient(&point);
    ClickItem(m_tree.HitTest(point), true);
}

void DashBoardDlg::OnGrid()
{
    if (GetDesigner() == nullptr)
        return;
    ReadControls();
    m_designer.Current()->ChooseGrid(
        m_designer.Current()->States().GetSelection(DashBoardDesigner::IDC_GRIDS));
    Show();
}

void DashBoardDlg::OnMoveGrid()
{
    if (GetDesigner() == nullptr)
        return;
    ReadControls();
    m_designer.Current()->MoveSelectedGrid(RowOf(m_tree.GetSelectedItem()));
    Show();
}

void DashBoardDlg::OnHelp()
{
    ShowContextHelp(this, DashBoardDesigner::HelpContext);
}
