#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class ApplicationReport;
class EditorHost;
class ForgeonProject;
class Module;
class ReportDesignerHost;
class ReportGroup;
class Table;

// The report designer: a search report's name, header and kind, the function that populates it
// and its sub-group functions, its groups' filters and columns, its chart, layout and
// single-record table. A report started here is owned by the designer until OK stores it.
class ReportDesigner : public PaneEditor
{
public:
    static constexpr UINT IDD = 168;
    static constexpr UINT HelpContext = 168;
    static constexpr UINT Picture = 347;

    // The controls of the template that are always shown.
    static constexpr int IDC_OK = 1039;
    static constexpr int IDC_LINK_CONTROLS = 1048;
    static constexpr int IDC_NAME = 1155;
    static constexpr int IDC_GROUP_LIST = 1264;
    static constexpr int IDC_SUB_HEADER = 1535;
    static constexpr int IDC_SUB_HEADER_LABEL = 1627;
    static constexpr int IDC_SUB_HEADER_ON = 1628;
    static constexpr int IDC_WITHOUT_LINKS = 1653;
    static constexpr int IDC_ASSIGN_SUB_GROUP = 1663;
    static constexpr int IDC_REMOVE_SUB_GROUP = 1665;
    static constexpr int IDC_HEADER = 1693;
    static constexpr int IDC_PICTURE = 1716;
    static constexpr int IDC_CANCEL = 1734;
    static constexpr int IDC_HELP_BUTTON = 1740;
    static constexpr int IDC_ASSIGN = 1750;
    static constexpr int IDC_REMOVE = 1751;
    static constexpr int IDC_FUNCTION_LABEL = 1752;
    static constexpr int IDC_SET_FILTERS = 1753;
    static constexpr int IDC_SET_COLUMNS = 1754;
    static constexpr int IDC_MAP_PARAMETERS = 1756;
    static constexpr int IDC_SUB_GROUP_LABEL = 1758;
    // The controls the template creates hidden.
    static constexpr int IDC_CLEAR = 1040;
    static constexpr int IDC_COLUMN_UP = 1068;
    static constexpr int IDC_COLUMN_DOWN = 1069;
    static constexpr int IDC_OUTPUT_LIST = 1173;
    static constexpr int IDC_FILTER_LIST = 1174;
    static constexpr int IDC_COLUMN_LIST = 1175;
    static constexpr int IDC_REMOVE_CONTROL = 1193;
    static constexpr int IDC_REMOVE_FROM_REPORT = 1194;
    static constexpr int IDC_ADD_FORM_CONTROL = 1195;
    static constexpr int IDC_ADD_TO_REPORT = 1196;
    static constexpr int IDC_ASSIGN_PROCEDURE = 1198;
    static constexpr int IDC_VARIABLES = 1211;
    static constexpr int IDC_MODULE = 1226;
    static constexpr int IDC_REMOVE_PROCEDURE = 1265;
    static constexpr int IDC_GRID_REPORT = 1266;
    static constexpr int IDC_NUM_COLUMNS = 1267;
    static constexpr int IDC_LIST_REPORT = 1305;
    static constexpr int IDC_GRAPH_DATA = 1448;
    static constexpr int IDC_GRAPH_REPORT = 1450;
    static constexpr int IDC_GRAPH_TYPE = 1451;
    static constexpr int IDC_SINGLE_RECORD_REPORT = 1453;
    static constexpr int IDC_PAGING = 1456;
    static constexpr int IDC_GROUP_HEADER = 1461;
    static constexpr int IDC_NOTEPAD_REPORT = 1472;
    static constexpr int IDC_ADD_BUTTON = 1521;
    static constexpr int IDC_FILTER_UP = 1526;
    static constexpr int IDC_FILTER_DOWN = 1570;
    static constexpr int IDC_TABLE = 1687;
    static constexpr int IDC_TABLE_NAME = 1688;
    static constexpr int IDC_SELECT_TABLE = 1689;
    static constexpr int IDC_TWO_COLUMNS = 1735;
    static constexpr int IDC_SINGLE_COLUMN = 1737;
    static constexpr int IDC_GROUP_REPORT = 1757;

    ReportDesigner(ForgeonProject& project, EditorHost& host, ReportDesignerHost& reportHost);
    ReportDesigner(const ReportDesigner&) = delete;
    ReportDesigner& operator=(const ReportDesigner&) = delete;
    // A report never stored is deleted.
    ~ReportDesigner();

    static const std::vector<ListColumn>& GroupColumns();
    static const std::vector<ListColumn>& OutputColumns();
    static const std::vector<ListColumn>& FilterColumns();
    static const std::vector<ListColumn>& ReportColumns();
    static const std::vector<ToolTip>& ToolTips();
    // The graph type combo's items; the index is the chart type.
    static const std::vector<CString>& GraphTypes();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override
    {
        return {IDC_NAME,          IDC_HEADER, IDC_SUB_HEADER,
                IDC_SUB_HEADER_ON, IDC_PAGING, IDC_GRAPH_TYPE};
    }
    const std::vector<ListRow>& GetGroupRows() const { return m_groupRows; }
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    const std::vector<ListRow>& GetFilterRows() const { return m_filterRows; }
    const std::vector<ListRow>& GetColumnRows() const { return m_columnRows; }
    // The rows the lists have selected; -1 none.
    int GetSelectedGroupRow() const { return m_selectedGroupRow; }
    int GetSelectedFilterRow() const { return m_selectedFilter; }
    int GetSelectedColumnRow() const { return m_selectedColumn; }
    // The sub-group controls are shown for group reports and every kind but the list report.
    bool AreSubGroupsShown() const;
    ApplicationReport* GetReport() const { return m_report; }
    ReportGroup* GetCurrentGroup() const { return m_currentGroup; }
    bool IsNew() const { return m_isNew; }

    // Shows the report; null starts a new one.
    void LoadReport(ApplicationReport* report);
    // Deletes a report still new, forgets the report and empties the controls.
    void ClearPage();
    // The report was removed from its module elsewhere: it is not deleted, a new one is started.
    void ForgetReport(ApplicationReport* report);

    void NameLostFocus();
    void AssignFunction();
    void RemoveFunction();
    void SetFilters();
    void SetColumns();
    void LinkControls();
    void AssignSubGroupFunction();
    void RemoveSubGroupFunction();
    void MapParameters();
    // A click on the sub-group list: the group of the row becomes the current group.
    void ClickGroupRow(int row);
    void Ok();
    void Cancel();

    void Clear();
    // A kind radio or the grid command: kinds 0 to 5.
    void ChooseKind(int kind);
    // The graph type chosen; No to the question gives the combo its selection back.
    void ChooseGraphType(int index);
    void EditGraphData();
    void TogglePaging();
    void AssignGroupHeader();
    void AssignProcedure();
    void RemoveProcedure();
    // The selected rows of the output-column list become filters / columns of the current group.
    void AddFormControl(const std::vector<int>& outputRows);
    void AddToReport(const std::vector<int>& outputRows);
    void AddButtonControl();
    void SelectFilterRow(int row) { m_selectedFilter = row; }
    void SelectColumnRow(int row) { m_selectedColumn = row; }
    void RemoveControl();
    void RemoveFromReport(const std::vector<int>& columnRows);
    void MoveColumnUp() { MoveColumn(-1); }
    void MoveColumnDown() { MoveColumn(1); }
    void MoveFilterUp() { MoveFilter(-1); }
    void MoveFilterDown() { MoveFilter(1); }
    void EditFilterSettings(int row);
    void EditColumnSettings(int row);
    void EditVariables();
    // The column-count edit changed.
    void ColumnCountChanged();
    // "Single Column" (1) or "Two Columns" (2).
    void ChooseLayout(int columns);
    void ToggleSubHeader();
    void ToggleWithoutLinks();
    void ChooseModule(int index);
    void SelectTable();

private:
    bool HoldsItem() const override { return m_report != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "search report"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { Store(); }
    void ReloadItem() override { LoadReport(m_isNew ? nullptr : m_report); }
    // OK's checks and store, without the start page; false when a check refused.
    bool Store();

    void ReadControls();
    // Every list and the kind controls again.
    void RefreshAll();
    void RefreshGroupRows();
    void RefreshGroupLists();
    void RefreshFunctionLabel();
    void RefreshKindControls();
    void RefreshTables();
    void RefreshLayout();
    void RefreshSubHeaderControls();
    void WriteMembers();
    // The group a row of the sub-group list shows (group row + 1); null for no row.
    ReportGroup* GroupOfRow(int row) const;
    bool IsDuplicateName(const CString& name) const;
    // After the question, the group of the selected sub-group row goes.
    void RemoveSelectedGroup(const char* question);
    void MoveColumn(int step);
    void MoveFilter(int step);
    // After the question, the kind of the report; the grid refuses several groups.
    void ChangeKind(int kind);

    ForgeonProject& m_project;
    EditorHost& m_host;
    ReportDesignerHost& m_reportHost;
    ApplicationReport* m_report = nullptr;
    ReportGroup* m_currentGroup = nullptr;
    Module* m_module = nullptr;
    bool m_isNew = false;
    bool m_paging = false;
    CString m_name;
    bool m_subHeaderOn = false;
    CString m_subHeader;
    CString m_header;
    bool m_withoutLinks = false;
    std::vector<Module*> m_modules;
    std::vector<Table*> m_tables;
    ControlStates m_states;
    std::vector<ListRow> m_groupRows;
    std::vector<ListRow> m_outputRows;
    std::vector<ListRow> m_filterRows;
    std::vector<ListRow> m_columnRows;
    int m_selectedGroupRow = -1;
    int m_selectedFilter = -1;
    int m_selectedColumn = -1;
};
