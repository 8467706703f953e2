#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class DashBoard;
class DashBoardCellInfo;
class DashBoardHost;
class GridCell;
class ProcedureFieldInfo;
class Variable;

// "Assign DashBoard Column properties": the panel of one dashboard cell as static text, a link
// to a menu with the values its page receives, or display fields of the dashboard's function.
// Every change acts on the panel at once; OK takes the caption.
class DashBoardCellEditor
{
public:
    static constexpr UINT IDD = 187;
    static constexpr UINT HelpContext = 187;
    static constexpr int IDC_CAPTION = 1031;
    static constexpr int IDC_ASSIGN_MENU = 1039;
    static constexpr int IDC_STATIC_TEXT = 1315;
    static constexpr int IDC_MENU = 1316;
    static constexpr int IDC_DISPLAY_FIELDS = 1317;
    static constexpr int IDC_FILE_LABEL = 1318;
    static constexpr int IDC_MENU_LABEL = 1319;
    static constexpr int IDC_FUNCTION_FIELDS = 1322;
    static constexpr int IDC_DASHBOARD_VARIABLES = 1323;
    static constexpr int IDC_TARGETS = 1324;
    static constexpr int IDC_SOURCES = 1325;
    static constexpr int IDC_MAP = 1326;
    static constexpr int IDC_UNMAP = 1327;
    static constexpr int IDC_REMOVE_MENU = 1328;
    static constexpr int IDC_FUNCTION_LABEL = 1329;
    static constexpr int IDC_MENU_TREE = 1330;
    static constexpr int IDC_DISPLAY_LIST = 1331;
    static constexpr int IDC_ADD_DISPLAY_FIELD = 1332;
    static constexpr int IDC_REMOVE_DISPLAY_FIELD = 1333;
    static constexpr int IDC_SET_DISPLAY_NAME = 1371;
    static constexpr int IDC_DISPLAY_NAME = 1369;
    static constexpr int IDC_HELP_BUTTON = 1741;

    DashBoardCellEditor(DashBoard& page, GridCell& cell, DashBoardHost& host);
    DashBoardCellEditor(const DashBoardCellEditor&) = delete;
    DashBoardCellEditor& operator=(const DashBoardCellEditor&) = delete;

    static const std::vector<ListColumn>& TargetColumns();
    static const std::vector<ListColumn>& SourceColumns();
    static const std::vector<ListColumn>& DisplayColumns();
    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetTargetRows() const { return m_targetRows; }
    const std::vector<ListRow>& GetSourceRows() const { return m_sourceRows; }
    const std::vector<ListRow>& GetDisplayRows() const { return m_displayRows; }
    int GetSelectedTarget() const { return m_selectedTarget; }
    // The linked menu's name as the menu tree's one item; empty without a menu.
    CString GetMenuTreeItem() const;
    DashBoardCellInfo& GetPanel() const { return *m_panel; }

    // A cell without content gets a static-text panel; the mode of the panel is shown.
    void Open();
    void StaticTextMode();
    void MenuMode();
    void DisplayFieldMode();
    void AssignMenu();
    void RemoveMenu();
    void ShowFunctionFields();
    void ShowDashBoardVariables();
    void SelectTarget(int row) { m_selectedTarget = row; }
    void SelectSource(int row) { m_selectedSource = row; }
    void SelectDisplayField(int row) { m_selectedDisplay = row; }
    // ">" and "<".
    void Map();
    void Unmap();
    void AddDisplayField();
    void RemoveDisplayField();
    void SetDisplayName();
    // The display-field row highlighted: a display name typed for the row shown is asked about
    // first (Cancel keeps it and that row), then the row's caption goes into the display-name
    // edit; no row empties the edit.
    void PickDisplayField(int row);
    int GetSelectedDisplayField() const { return m_selectedDisplay; }
    // The Delete key in the display-field list.
    void EmptyDisplayCaption();
    // A double click on the menu tree.
    void ShowMenuFile();
    // OK and Cancel (Escape): a panel this editor made that is left empty leaves the cell
    // empty. Both ask about a display name typed and not set; Cancel asks about a caption typed
    // and not taken as well. Ok answers false when the dialog stays open; Cancel answers IDOK
    // when the caption was taken, IDCANCEL when dropped and 0 when the dialog stays open.
    bool Ok();
    int Cancel();

private:
    // Yes sets the display name typed for the selected field, No empties the box; false on
    // Cancel or when the name was not set.
    bool TakeTypedDisplayName();
    void DropEmptyPanel();
    void EnableMenuControls(bool enabled);
    void CheckMode(int radio);
    void ClearListsAndLabels();
    // Unlinks the menu after asking; the maps and display fields go in any case.
    void OfferMenuRemoval();
    void DeleteMapsAndDisplayFields();
    void ShowMenuLabels();
    void FillTargets();
    void FillSources();
    void FillDisplayFields();
    CString MenuFileName() const;
    ProcedureFieldInfo* SelectedOutputField() const;

    DashBoard& m_page;
    GridCell& m_cell;
    DashBoardHost& m_host;
    DashBoardCellInfo* m_panel = nullptr;
    // The panel was made by Open for a cell without content.
    bool m_made = false;
    bool m_functionFields = true;
    bool m_menuControls = false;
    std::vector<Variable*> m_targets;
    std::vector<ProcedureFieldInfo*> m_outputFields;
    std::vector<Variable*> m_variables;
    std::vector<ListRow> m_targetRows;
    std::vector<ListRow> m_sourceRows;
    std::vector<ListRow> m_displayRows;
    int m_selectedTarget = -1;
    int m_selectedSource = -1;
    int m_selectedDisplay = -1;
    ControlStates m_states;
};
