#pragma once

#include "designers/logic/GroupListEditor.h"

class ReportDialogsHost;

// "Filters for :": the group's filter controls on the right, and the report's layout.
class ReportFilterEditor : public GroupListEditor
{
public:
    static constexpr UINT IDD = 297;
    static constexpr int IDC_ADD = 1039;
    static constexpr int IDC_REMOVE = 1193;
    static constexpr int IDC_TWO_COLUMNS = 1735;
    static constexpr int IDC_SINGLE_COLUMN = 1737;
    static constexpr int IDC_FILTERS = 1753;
    static constexpr int IDC_HELP_BUTTON = 1762;

    ReportFilterEditor(ReportGroup& group, ReportDialogsHost& host);

    static std::vector<ListColumn> EntryHeadings();
    void Open() override;
    void Remove() override;
    // "Control properties" on the selected filter.
    void SetProperties() override;
    void SingleColumn() { SetColumnCount(1); }
    void TwoColumns() { SetColumnCount(2); }

private:
    std::vector<CString> EntryNames() const override;
    void AddEntry(ProcedureFieldInfo& output) override;
    int MoveEntry(int index, int step) override;
    void SetColumnCount(int count);
    void ShowColumnCount();

    ReportDialogsHost& m_host;
};
