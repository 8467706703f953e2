#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ProcedureFieldInfo;
class ReportDialogsHost;
class ReportGroup;

// "Filters for :": the group function's output columns on the left, the group's filter controls
// on the right, and the report's layout. The list buttons change the group at once.
class ReportFilterEditor
{
public:
    static constexpr UINT IDD = 297;
    static constexpr int IDC_OUTPUTS = 1377;
    static constexpr int IDC_FILTERS = 1753;
    static constexpr int IDC_ADD = 1039;
    static constexpr int IDC_REMOVE = 1193;
    static constexpr int IDC_UP = 1526;
    static constexpr int IDC_DOWN = 1663;
    static constexpr int IDC_PROPERTIES = 1740;
    static constexpr int IDC_TWO_COLUMNS = 1735;
    static constexpr int IDC_SINGLE_COLUMN = 1737;
    static constexpr int IDC_HELP_BUTTON = 1762;

    ReportFilterEditor(ReportGroup& group, ReportDialogsHost& host);

    CString GetCaption() const;
    static std::vector<ListColumn> OutputColumnHeadings();
    static std::vector<ListColumn> FilterHeadings();
    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    const std::vector<ListRow>& GetFilterRows() const { return m_filterRows; }
    int GetSelectedFilter() const { return m_selectedFilter; }

    void Open();
    void SelectOutputs(std::vector<int> rows) { m_selectedOutputs = std::move(rows); }
    void SelectFilter(int row) { m_selectedFilter = row; }
    void Add();
    void Remove();
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }
    void SetProperties();
    void SingleColumn() { SetColumnCount(1); }
    void TwoColumns() { SetColumnCount(2); }

private:
    void FillFilters();
    void Move(int step);
    void SetColumnCount(int count);
    void ShowColumnCount();

    ReportGroup& m_group;
    ReportDialogsHost& m_host;
    std::vector<ProcedureFieldInfo*> m_outputs;
    ControlStates m_states;
    std::vector<ListRow> m_outputRows;
    std::vector<ListRow> m_filterRows;
    std::vector<int> m_selectedOutputs;
    int m_selectedFilter = -1;
};
