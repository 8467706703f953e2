#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ForgeonProject;
class ProcedureFieldInfo;
class ReportDialogsHost;
class ReportGroup;

// "Columns for :": the group function's output columns on the left, the group's columns on the
// right. The list buttons change the group at once.
class ReportColumnEditor
{
public:
    static constexpr UINT IDD = 298;
    static constexpr int IDC_OUTPUTS = 1377;
    static constexpr int IDC_COLUMNS = 1764;
    static constexpr int IDC_ADD = 1766;
    static constexpr int IDC_REMOVE = 1765;
    static constexpr int IDC_UP = 1526;
    static constexpr int IDC_DOWN = 1663;
    static constexpr int IDC_PROPERTIES = 1740;
    static constexpr int IDC_HELP_BUTTON = 1767;

    ReportColumnEditor(ReportGroup& group, ForgeonProject& project, ReportDialogsHost& host);

    CString GetCaption() const;
    static std::vector<ListColumn> OutputColumnHeadings();
    static std::vector<ListColumn> ColumnHeadings();
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    const std::vector<ListRow>& GetColumnRows() const { return m_columnRows; }
    int GetSelectedColumn() const { return m_selectedColumn; }

    void Open();
    void SelectOutputs(std::vector<int> rows) { m_selectedOutputs = std::move(rows); }
    void SelectColumn(int row) { m_selectedColumn = row; }
    void Add();
    void Remove();
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }
    void SetProperties();

private:
    void FillColumns();
    void Move(int step);

    ReportGroup& m_group;
    ForgeonProject& m_project;
    ReportDialogsHost& m_host;
    std::vector<ProcedureFieldInfo*> m_outputs;
    std::vector<ListRow> m_outputRows;
    std::vector<ListRow> m_columnRows;
    std::vector<int> m_selectedOutputs;
    int m_selectedColumn = -1;
};
