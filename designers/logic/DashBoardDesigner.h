#pragma once

#include "designers/logic/DashBoardGrids.h"
#include "designers/logic/DesignedPage.h"
#include "editors/logic/PaneEditor.h"

#include <vector>

class DashBoard;
class DashBoardHost;
class EditorHost;
class ForgeonProject;
class Grid;
class GridCell;

// One entry of a right-click menu: its command id and text.
struct PopupEntry
{
    UINT id;
    const char* text;
};

// The dashboard designer: a page's tree of nested tables, the cell and table commands, the
// grid moves, the data-source function, the preview and the store. A page started here is
// owned by the designer until OK stores it into the current module.
class DashBoardDesigner : public PaneEditor
{
public:
    static constexpr UINT IDD = 161;
    static constexpr UINT HelpContext = 161;
    static constexpr UINT IDB_PICTURE = 349;
    static constexpr int IDC_CLEAR = 2;
    static constexpr int IDC_ADD = 1019;
    static constexpr int IDC_REMOVE = 1039;
    static constexpr int IDC_MOVE_GRID = 1040;
    static constexpr int IDC_REFRESH = 1043;
    static constexpr int IDC_BROWSER = 1069;
    static constexpr int IDC_TREE = 1097;
    static constexpr int IDC_NUM_ROWS = 1143;
    static constexpr int IDC_NUM_COLUMNS = 1144;
    static constexpr int IDC_OK = 1153;
    static constexpr int IDC_NAME = 1155;
    static constexpr int IDC_VARIABLES = 1211;
    static constexpr int IDC_REMOVE_FUNCTION = 1265;
    static constexpr int IDC_ASSIGN_FUNCTION = 1312;
    static constexpr int IDC_FUNCTION_LABEL = 1313;
    static constexpr int IDC_GRIDS = 1372;
    static constexpr int IDC_CELLS = 1373;
    static constexpr int IDC_HEADER = 1693;
    static constexpr int IDC_PICTURE = 1716;
    static constexpr int IDC_CANCEL = 1737;
    static constexpr int IDC_HELP_BUTTON = 1739;
    static constexpr int IDC_SET_PARENT = 1769;
    static constexpr int IDC_ADD_DATA = 1791;
    static constexpr int IDC_REMOVE_DATA = 1792;
    static constexpr int IDC_ADD_TABLE = 1794;
    static constexpr int IDC_INSERT_ROW = 1795;
    static constexpr int IDC_INSERT_COLUMN = 1796;
    static constexpr int IDC_SELECTED_COLUMN = 1797;
    static constexpr int IDC_SELECTED_TABLE = 1798;
    static constexpr int IDC_ADD_ROW = 1799;
    static constexpr int IDC_ADD_COLUMN = 1800;
    static constexpr int IDC_REMOVE_EMPTY_ROWS = 1801;
    static constexpr int IDC_REMOVE_EMPTY_COLUMNS = 1802;

    // The cell menu's and the table menu's commands.
    static constexpr UINT kAddMenu = 10;
    static constexpr UINT kInsertTable = 20;
    static constexpr UINT kEraseData = 30;
    static constexpr UINT kInsertRowBefore = 40;
    static constexpr UINT kInsertColumnBefore = 50;
    static constexpr UINT kRemoveEmptyRows = 10;
    static constexpr UINT kRemoveEmptyColumns = 20;
    static constexpr UINT kAppendRow = 30;
    static constexpr UINT kAppendColumn = 40;

    // The menu a right click on the tree opens.
    enum class Popup
    {
        None,
        Cell,
        Table,
    };

    DashBoardDesigner(ForgeonProject& project, EditorHost& host, DashBoardHost& dashBoardHost);
    DashBoardDesigner(const DashBoardDesigner&) = delete;
    DashBoardDesigner& operator=(const DashBoardDesigner&) = delete;
    // A page never stored is deleted.
    ~DashBoardDesigner();

    static const std::vector<PopupEntry>& CellMenu();
    static const std::vector<PopupEntry>& TableMenu();
    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_NAME, IDC_HEADER}; }
    const std::vector<TreeRow>& GetTreeRows() const { return m_treeRows; }
    DashBoard* GetDashBoard() const { return m_page.Get(); }
    bool IsNew() const { return m_page.IsNew(); }
    GridCell* GetSelectedCell() const { return m_selectedCell; }
    Grid* GetSelectedTable() const { return m_selectedTable; }
    // The tree row of the selected cell or table; -1 without a selection.
    int GetSelectedRow() const;

    // Shows the page; null starts a new one.
    void LoadDashBoard(DashBoard* page);
    // The page goes away elsewhere: it is not deleted, and a new one is started.
    void ForgetDashBoard(DashBoard* page);
    // Deletes a page still new, forgets the page and empties the controls.
    void ClearPage();
    // "Clear": the view emptied and a new page started.
    void Clear();

    // A click on a tree row selects its cell or table; the menu a right click opens.
    Popup ClickTree(int row);
    void CellCommand(UINT command);
    void TableCommand(UINT command);

    void AddParentGrid();
    void RemoveParentGrid();
    void SetParent();
    // The grid combo's choice fills the cell combo.
    void ChooseGrid(int index);
    // Moves the nested grid of the cell of the tree row into the cell chosen in the cell combo.
    void MoveSelectedGrid(int row);
    void EditVariables();
    void AssignFunction();
    void RemoveFunction();
    void Refresh();
    void Ok();
    void Cancel();

private:
    bool HoldsItem() const override { return m_page.Get() != nullptr; }
    bool IsNewItem() const override { return m_page.IsNew(); }
    const char* ItemKind() const override { return "dashboard"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { Ok(); }
    void ReloadItem() override { LoadDashBoard(m_page.IsNew() ? nullptr : m_page.Get()); }

    // The cell or table of a tree row; both null for the root or a row out of range.
    void Resolve(int row, GridCell*& cell, Grid*& table) const;
    void RebuildTree();
    void FillGridCombo();
    void UpdateButtons();
    void RefreshFunctionLabel();
    void SelectNothing();
    void AddMenu();
    void InsertTable();
    void EraseData();
    // Refused with the message when the name may not name a dashboard.
    bool CheckName(const CString& name);

    ForgeonProject& m_project;
    EditorHost& m_host;
    DashBoardHost& m_dashBoardHost;
    DesignedPage<DashBoard> m_page;
    std::vector<Grid*> m_grids;
    std::vector<GridCell*> m_cells;
    GridCell* m_selectedCell = nullptr;
    Grid* m_selectedTable = nullptr;
    std::vector<TreeRow> m_treeRows;
    ControlStates m_states;
    // The browser shows a preview, which goes with the page.
    bool m_previewShown = false;
};
