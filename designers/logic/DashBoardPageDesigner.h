#pragma once

#include "designers/logic/DesignedPage.h"
#include "editors/logic/PaneEditor.h"

#include <vector>

class DashBoard;
class DashBoardHost;
class DashBoardPage;
class EditorHost;
class ForgeonProject;
class ProcedureFieldInfo;
class Variable;

// The dashboard page designer: the dashboards a page shows one after another, and per
// placement its data procedure, the page variables passed to the dashboard's variables and the
// procedure fields that fill them. A page started here is owned by the designer until OK
// stores it into the current module.
class DashBoardPageDesigner : public PaneEditor
{
public:
    static constexpr UINT IDD = 189;
    static constexpr UINT HelpContext = 189;
    static constexpr UINT IDB_PICTURE = 350;
    static constexpr int IDC_PAIR = 1039;
    static constexpr int IDC_UNPAIR = 1040;
    static constexpr int IDC_ASSIGN_MAP = 1041;
    static constexpr int IDC_REMOVE_MAP = 1042;
    static constexpr int IDC_UP = 1068;
    static constexpr int IDC_DOWN = 1069;
    static constexpr int IDC_VARIABLES = 1211;
    static constexpr int IDC_REMOVE_PROCEDURE = 1265;
    static constexpr int IDC_ASSIGN_PROCEDURE = 1312;
    static constexpr int IDC_DASHBOARDS = 1333;
    static constexpr int IDC_SHOW_ONCE = 1334;
    static constexpr int IDC_USING_PROCEDURE = 1335;
    static constexpr int IDC_PLACEMENTS = 1336;
    static constexpr int IDC_PAIRS = 1337;
    static constexpr int IDC_OK = 1338;
    static constexpr int IDC_ADD = 1340;
    static constexpr int IDC_NAME = 1341;
    static constexpr int IDC_PAGE_VARIABLES = 1342;
    static constexpr int IDC_PROCEDURE_LABEL = 1343;
    static constexpr int IDC_MAP_VARIABLES = 1344;
    static constexpr int IDC_MAP_FIELDS = 1345;
    static constexpr int IDC_HEADER = 1346;
    static constexpr int IDC_PICTURE = 1716;
    static constexpr int IDC_CANCEL = 1740;
    static constexpr int IDC_HELP_BUTTON = 1743;

    DashBoardPageDesigner(ForgeonProject& project, EditorHost& host, DashBoardHost& dashBoardHost);
    DashBoardPageDesigner(const DashBoardPageDesigner&) = delete;
    DashBoardPageDesigner& operator=(const DashBoardPageDesigner&) = delete;
    // A page never stored is deleted.
    ~DashBoardPageDesigner();

    static const std::vector<ListColumn>& PlacementColumns();
    static const std::vector<ListColumn>& PairColumns();
    static const std::vector<ListColumn>& MapVariableColumns();
    static const std::vector<ListColumn>& MapFieldColumns();
    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_NAME, IDC_HEADER}; }
    const std::vector<ListRow>& GetPlacementRows() const { return m_placementRows; }
    const std::vector<ListRow>& GetPairRows() const { return m_pairRows; }
    const std::vector<ListRow>& GetMapVariableRows() const { return m_mapVariableRows; }
    const std::vector<ListRow>& GetMapFieldRows() const { return m_mapFieldRows; }
    DashBoardPage* GetPage() const { return m_page.Get(); }
    bool IsNew() const { return m_page.IsNew(); }
    bool IsShowOnce() const { return m_showOnce; }
    int GetSelectedPlacement() const { return m_selectedPlacement; }

    // Shows the page; null starts a new one.
    void LoadDashBoardPage(DashBoardPage* page);
    // The dashboards of the current module again.
    void ReloadPage();
    // The page goes away elsewhere: it is let go, and the start page shows.
    void ForgetDashBoardPage(DashBoardPage* page);
    // Deletes a page still new, forgets the page and empties the controls.
    void ClearPage();

    void AddDashBoard();
    void MoveUp();
    void MoveDown();
    // The Delete key in the placement list: the selected placement goes once the user confirms.
    void RemovePlacement();
    // The placement list's selection moved to the row (-1: none).
    void SelectPlacement(int row);
    void ShowOnce();
    void UsingProcedure();
    void AssignProcedure();
    void RemoveProcedure();
    void EditVariables();
    void SelectPair(int row) { m_selectedPair = row; }
    void Pair();
    void Unpair();
    void SelectMapVariable(int row) { m_selectedMapVariable = row; }
    void SelectMapField(int row) { m_selectedMapField = row; }
    void AssignMap();
    void RemoveMap();
    void Ok() { Store(/*confirmRename=*/true); }
    void Cancel();

private:
    bool HoldsItem() const override { return m_page.Get() != nullptr; }
    bool IsNewItem() const override { return m_page.IsNew(); }
    const char* ItemKind() const override { return "dashboard page"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { Store(/*confirmRename=*/false); }
    void ReloadItem() override { LoadDashBoardPage(m_page.IsNew() ? nullptr : m_page.Get()); }
    // OK's checks and store; a new page is stored in the current module and a new one started.
    void Store(bool confirmRename);

    // Empties the controls and the selection.
    void ResetControls();
    DashBoard* SelectedDashBoard() const;
    Variable* SelectedPairVariable() const;
    void FillDashBoards();
    void FillPageVariables();
    void FillPlacements();
    void FillPlacementDetails();
    void ShowMode();

    ForgeonProject& m_project;
    EditorHost& m_host;
    DashBoardHost& m_dashBoardHost;
    DesignedPage<DashBoardPage> m_page;
    bool m_showOnce = true;
    std::vector<DashBoard*> m_dashBoards;
    std::vector<Variable*> m_pageVariables;
    std::vector<Variable*> m_pairVariables;
    std::vector<Variable*> m_mapVariables;
    std::vector<ProcedureFieldInfo*> m_mapFields;
    std::vector<ListRow> m_placementRows;
    std::vector<ListRow> m_pairRows;
    std::vector<ListRow> m_mapVariableRows;
    std::vector<ListRow> m_mapFieldRows;
    int m_selectedPlacement = -1;
    int m_selectedPair = -1;
    int m_selectedMapVariable = -1;
    int m_selectedMapField = -1;
    ControlStates m_states;
};
