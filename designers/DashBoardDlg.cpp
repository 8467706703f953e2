#include "designers/DashBoardDlg.h"

#include "designers/DesignerPictures.h"
#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(DashBoardDlg, CFormView)

namespace
{
using D = DashBoardDesigner;

const DialogTemplateRegistration dashBoardTemplate{{
    D::IDD,
    "",
    {
        {0, ControlKind::Static, "Name"},
        {D::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {D::IDC_HEADER, ControlKind::Edit, ""},
        {D::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0, D::IDB_PICTURE},
        {D::IDC_TREE, ControlKind::TreeCtrl, "", false, false, 300, 220},
        {D::IDC_ADD_DATA, ControlKind::PushButton, "Add Data"},
        {D::IDC_REMOVE_DATA, ControlKind::PushButton, "Remove Data"},
        {D::IDC_ADD_TABLE, ControlKind::PushButton, "Add Table"},
        {D::IDC_INSERT_ROW, ControlKind::PushButton, "Insert Row"},
        {D::IDC_INSERT_COLUMN, ControlKind::PushButton, "Insert Column"},
        {D::IDC_SET_PARENT, ControlKind::PushButton, "Set Parent"},
        {D::IDC_SELECTED_COLUMN, ControlKind::Static, "", false, false, 150},
        {D::IDC_ADD_ROW, ControlKind::PushButton, "Add Row"},
        {D::IDC_ADD_COLUMN, ControlKind::PushButton, "Add Column"},
        {D::IDC_REMOVE_EMPTY_ROWS, ControlKind::PushButton, "Remove Empty Rows"},
        {D::IDC_REMOVE_EMPTY_COLUMNS, ControlKind::PushButton, "Remove Empty Columns"},
        {D::IDC_SELECTED_TABLE, ControlKind::Static, "", false, false, 150},
        {D::IDC_ADD, ControlKind::PushButton, "Add"},
        {D::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {D::IDC_VARIABLES, ControlKind::PushButton, "Variables"},
        {D::IDC_ASSIGN_FUNCTION, ControlKind::PushButton, "Assign &Function"},
        {D::IDC_REMOVE_FUNCTION, ControlKind::PushButton, "Remove Function"},
        {D::IDC_FUNCTION_LABEL, ControlKind::Static, "", false, false, 220},
        {0, ControlKind::Static, "Move to grid"},
        {D::IDC_GRIDS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Grid Cell"},
        {D::IDC_CELLS, ControlKind::ComboBox, ""},
        {D::IDC_MOVE_GRID, ControlKind::PushButton, "Move Selected Grid"},
        {D::IDC_REFRESH, ControlKind::PushButton, "Refresh"},
        {D::IDC_BROWSER, ControlKind::Custom, "", false, false, 600, 200},
        {D::IDC_NUM_ROWS, ControlKind::Edit, "", true},
        {D::IDC_NUM_COLUMNS, ControlKind::Edit, "", true},
        {D::IDC_OK, ControlKind::PushButton, "OK"},
        {D::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {D::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {D::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(D::IDC_NAME), Lay::Field(D::IDC_HEADER), Lay::Control(D::IDC_NUM_ROWS),
                  Lay::Control(D::IDC_NUM_COLUMNS), Lay::Stretch(), Lay::Control(D::IDC_PICTURE)}),
        Lay::Row({Lay::Control(D::IDC_TREE),
                  Lay::Column({Lay::ButtonColumn({D::IDC_ADD_DATA, D::IDC_REMOVE_DATA,
                                                  D::IDC_ADD_TABLE, D::IDC_INSERT_ROW,
                                                  D::IDC_INSERT_COLUMN, D::IDC_SET_PARENT}),
                               Lay::Control(D::IDC_SELECTED_COLUMN), Lay::Stretch()}),
                  Lay::Column(
                      {Lay::ButtonColumn({D::IDC_ADD_ROW, D::IDC_ADD_COLUMN,
                                          D::IDC_REMOVE_EMPTY_ROWS, D::IDC_REMOVE_EMPTY_COLUMNS}),
                       Lay::Control(D::IDC_SELECTED_TABLE), Lay::Stretch()}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(D::IDC_ADD), Lay::Control(D::IDC_REMOVE),
                  Lay::Control(D::IDC_VARIABLES), Lay::Control(D::IDC_ASSIGN_FUNCTION),
                  Lay::Control(D::IDC_REMOVE_FUNCTION), Lay::Control(D::IDC_FUNCTION_LABEL),
                  Lay::Stretch()}),
        Lay::Row({Lay::Field(D::IDC_GRIDS), Lay::Field(D::IDC_CELLS),
                  Lay::Control(D::IDC_MOVE_GRID), Lay::Control(D::IDC_REFRESH), Lay::Stretch()}),
        Lay::Control(D::IDC_BROWSER),
        Lay::Buttons({D::IDC_OK, D::IDC_CANCEL, D::IDC_CLEAR, D::IDC_HELP_BUTTON}),
    }),
}};

void FillMenu(CMenu& menu, const std::vector<PopupEntry>& entries)
{
    menu.CreatePopupMenu();
    for (const PopupEntry& entry : entries)
        menu.AppendMenu(MF_STRING, entry.id, entry.text);
}
} // namespace

DashBoardDlg::DashBoardDlg()
    : CFormView(D::IDD), m_host(*this, &m_browser),
      m_designer([this](ForgeonProject& project)
                 { return std::make_unique<D>(project, ViewEditorHost::Get(), m_host); }),
      m_view(*this)
{
    RegisterDesignerPictures();
    const std::pair<int, void (D::*)()> buttons[] = {
        {D::IDC_ADD, &D::AddParentGrid},
        {D::IDC_REMOVE, &D::RemoveParentGrid},
        {D::IDC_SET_PARENT, &D::SetParent},
        {D::IDC_VARIABLES, &D::EditVariables},
        {D::IDC_ASSIGN_FUNCTION, &D::AssignFunction},
        {D::IDC_REMOVE_FUNCTION, &D::RemoveFunction},
        {D::IDC_REFRESH, &D::Refresh},
        {D::IDC_OK, &D::Ok},
        {D::IDC_CANCEL, &D::Cancel},
        {D::IDC_CLEAR, &D::Clear},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    const std::pair<int, UINT> cellButtons[] = {
        {D::IDC_ADD_DATA, D::kAddMenu},
        {D::IDC_REMOVE_DATA, D::kEraseData},
        {D::IDC_ADD_TABLE, D::kInsertTable},
        {D::IDC_INSERT_ROW, D::kInsertRowBefore},
        {D::IDC_INSERT_COLUMN, D::kInsertColumnBefore},
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
        {D::IDC_ADD_ROW, D::kAppendRow},
        {D::IDC_ADD_COLUMN, D::kAppendColumn},
        {D::IDC_REMOVE_EMPTY_ROWS, D::kRemoveEmptyRows},
        {D::IDC_REMOVE_EMPTY_COLUMNS, D::kRemoveEmptyColumns},
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
    MapControl(BN_CLICKED, D::IDC_MOVE_GRID, &DashBoardDlg::OnMoveGrid);
    MapControl(BN_CLICKED, D::IDC_HELP_BUTTON, &DashBoardDlg::OnHelp);
    MapControl(CBN_SELCHANGE, D::IDC_GRIDS, &DashBoardDlg::OnGrid);
    MapNotify(NM_CLICK, D::IDC_TREE, &DashBoardDlg::OnTreeClick);
    MapNotify(NM_RCLICK, D::IDC_TREE, &DashBoardDlg::OnTreeRightClick);
}

DashBoardDlg::~DashBoardDlg() = default;

DashBoardDesigner* DashBoardDlg::GetDesigner()
{
    return m_designer.Get();
}

void DashBoardDlg::BuildMenus()
{
    FillMenu(m_cellMenu, D::CellMenu());
    FillMenu(m_tableMenu, D::TableMenu());
}

void DashBoardDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_tree.GetSafeHwnd() == nullptr)
    {
        m_tree.SubclassDlgItem(D::IDC_TREE, this);
        m_treeImages.Create(dashBoardTreeBitmap, 16, 0, RGB(255, 255, 255));
        m_tree.SetImageList(&m_treeImages);
        m_browser.SubclassDlgItem(D::IDC_BROWSER, this);
        m_picture.SubclassDlgItem(D::IDC_PICTURE, this);
        m_picture.SetBitmap(D::IDB_PICTURE);
        BuildMenus();
    }
    if (!m_toolTipsCreated)
    {
        m_toolTips.Create(this);
        AddToolTips(m_toolTips, *this, D::ToolTips());
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

BOOL DashBoardDlg::PreTranslateMessage(MSG* msg)
{
    if (m_toolTips.GetSafeHwnd() != nullptr)
        m_toolTips.RelayEvent(msg);
    return CFormView::PreTranslateMessage(msg);
}

void DashBoardDlg::ReadControls()
{
    DashBoardDesigner* designer = m_designer.Current();
    m_view.ReadTexts(designer->States(), {D::IDC_NAME, D::IDC_HEADER});
    for (int id : {D::IDC_GRIDS, D::IDC_CELLS})
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

void DashBoardDlg::OnTreeClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    CPoint point;
    GetCursorPos(&point);
    m_tree.ScreenToClient(&point);
    ClickItem(m_tree.HitTest(point), false);
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
    m_designer.Current()->ChooseGrid(m_designer.Current()->States().GetSelection(D::IDC_GRIDS));
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
    ShowContextHelp(this, D::HelpContext);
}
