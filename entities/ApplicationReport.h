#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CString.h"

#include <utility>
#include <vector>

class ClassInvokation;
class GraphData;
class ProcedureInvokation;
class ReportGroup;
class Table;

// A report page of the generated application (list, group, grid, graph, notepad or
// single-record report), built from an ordered list of groups.
class ApplicationReport : public FormInterface
{
    DECLARE_SERIAL(ApplicationReport)

public:
    ApplicationReport();
    ~ApplicationReport() override;
    ApplicationReport(const ApplicationReport&) = delete;
    ApplicationReport& operator=(const ApplicationReport&) = delete;

    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    bool GetFlag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag; }
    bool IsPagingRequired() const { return m_pagingRequired; }
    void SetPagingRequired(bool required) { m_pagingRequired = required; }
    int GetReportKind() const { return m_reportKind; }
    int GetChartType() const { return m_chartType; }
    GraphData* GetChartData() const { return m_chartData; }
    // The report takes the chart data (of the class the chart type asks for) and deletes the
    // previous one.
    void SetChartData(int chartType, GraphData* chartData);
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    CString GetTitle() const { return m_header; }
    void SetTitle(CString header) { m_header = std::move(header); }
    int GetColumnLayout() const { return m_columnLayout; }
    void SetColumnLayout(int layout) { m_columnLayout = layout; }
    const CString& GetSubHeader() const { return m_subHeader; }
    void SetSubHeader(const CString& subHeader) { m_subHeader = subHeader; }
    bool HasCompanionWithoutLinks() const { return m_hasCompanionWithoutLinks; }
    void SetHasCompanionWithoutLinks(bool value) { m_hasCompanionWithoutLinks = value; }
    // The report's own data-source call, apart from the page's procedure call.
    ProcedureInvokation* GetReportProcedureCall() const { return m_reportProcedureCall; }
    // The report takes the call and deletes the previous one.
    void SetReportProcedureCall(ProcedureInvokation* call);
    ClassInvokation* GetClassCall() const { return m_classCall; }
    // The report takes the call and deletes the previous one.
    void SetClassCall(ClassInvokation* call);
    const std::vector<ReportGroup*>& GetReportGroups() const { return m_groups; }
    // The report takes the group and becomes its owner.
    void AddReportGroup(ReportGroup* group);

private:
    int m_id;
    bool m_flag = false;
    bool m_pagingRequired = false;
    int m_reportKind = 1;
    int m_chartType = 0;
    GraphData* m_chartData = nullptr;
    Table* m_table = nullptr;
    CString m_header;
    int m_columnLayout = 4;
    CString m_subHeader;
    bool m_hasCompanionWithoutLinks = false;
    ProcedureInvokation* m_reportProcedureCall = nullptr;
    ClassInvokation* m_classCall = nullptr;
    std::vector<ReportGroup*> m_groups;

    static int s_idCounter;
};
