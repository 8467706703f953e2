#pragma once

#include "designers/logic/GroupListEditor.h"

class ForgeonProject;
class ReportDialogsHost;

// "Columns for :": the group's columns on the right.
class ReportColumnEditor : public GroupListEditor
{
public:
    static constexpr UINT IDD = 298;
    static constexpr int IDC_COLUMNS = 1764;
    static constexpr int IDC_REMOVE = 1765;
    static constexpr int IDC_ADD = 1766;
    static constexpr int IDC_HELP_BUTTON = 1767;

    ReportColumnEditor(ReportGroup& group, ForgeonProject& project, ReportDialogsHost& host);

    static std::vector<ListColumn> EntryHeadings();
    void Remove() override;
    // "Report field settings:" on the selected column, for the project's current module.
    void SetProperties() override;

private:
    std::vector<CString> EntryNames() const override;
    void AddEntry(ProcedureFieldInfo& output) override;
    int MoveEntry(int index, int step) override;

    ForgeonProject& m_project;
    ReportDialogsHost& m_host;
};
