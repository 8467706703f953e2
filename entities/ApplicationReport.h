#pragma once

#include "entities/DataLoss.h"
#include "entities/FormInterface.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <utility>
#include <vector>

class Class;
class ClassInvokation;
class GraphData;
class Procedure;
class ProcedureInvokation;
class ReportField;
class ReportGroup;
class Table;
class ReferenceList;

// A report page of the generated application (list, group, grid, graph, notepad or
// single-record report), built from an ordered list of groups.
class ApplicationReport : public FormInterface
{
    DECLARE_SERIAL(ApplicationReport)

public:
    ApplicationReport();
    ~ApplicationReport() override;
    // A copy named "Copy_of_" + the source's name and marked as a copy: its settings, a call of
    // the source's procedure without mappings, a copy of the class call and of every group; no
    // chart data, sub-header or companion flag.
    explicit ApplicationReport(const ApplicationReport* source);
    ApplicationReport(const ApplicationReport&) = delete;
    ApplicationReport& operator=(const ApplicationReport&) = delete;

    void Serialize(CArchive& ar) override;

    // The overrides of the page operations; groups without a procedure call are passed over
    // where a group's call is read.
    // The control's name (field name, else the data's caption, blanks as "_") occurs in a caller
    // variable of the report's or a group's procedure call.
    bool IsFieldRepMappedToReportVariable(FieldRep* fieldRep) override;
    // The first group filter that shows the field.
    FieldRep* GetFieldRepForField(Field* field) override;
    // A group column shows the row the foreign key refers to through the key
    // (ReportGroup::ColumnsShowingRowThrough).
    bool ShowsRowReferredBy(const Field* field) const;
    // The map also leaves the report's maps, kept aside until the report goes.
    void ReleaseFieldVariableMap(FieldVariableMap* map) override;
    bool CollectClassUsage(Class* dataClass, CString& list) override;
    void CheckExtraProcedureMapping(Procedure* procedure) override;
    // The page's links first; else one error entry per group filter link to the menu.
    bool CollectMenuLinkUsage(Menu* menu) override;
    void CollectVariableMappingUsage(Variable* variable, CString& list) override;
    void VisitDefaultEventRecmpFields() override;
    // The tables its controls, its class call and its groups reach; a group goes with the table
    // its class call goes with.
    void ListTableUses(ReferenceList& list) override;
    bool IsFunctionFieldUsedAsFrontBack(Function* function, Table* table) override;
    void ClearFunctionFieldFrontBack(Function* function, Table* table) override;
    // The first group drops its class recomputes of the control and the parameter maps of its
    // filter on the control's field; then the page deletes the control.
    void DeleteFieldRep(FieldRep* fieldRep) override;
    // Its table, the page's references, then those of its own calls and of its groups; the
    // report's procedure call and the groups calling a procedure go with it.
    void ListReferences(ReferenceList& list) override;
    // The main page file (mode 1 ASP.NET, 0 classic) when the page has none, and for a graph
    // report in classic mode the extra file.
    virtual void CreateDefaultAspFiles(int mode);

    // The classic page file of file kind 11, made when the page has none.
    void CreateExtraAspFile();
    // The extra file, when some column is a button.
    void CreateButtonAspFileIfNeeded();
    // Leaving kind 3 deletes the extra file; entering it makes one.
    void SetReportKind(int kind);
    // Nothing for a bad index.
    void DeleteReportGroupAt(int index);
    // Erases and deletes the group; nothing for one the report does not hold.
    void DeleteReportGroup(ReportGroup* group);
    bool HoldsReportGroup(const ReportGroup* group) const;
    void DeleteAllReportGroups();
    // Deletes the chart data; chart type 0.
    void DeleteGraphData();
    // A group's class call belongs to the class.
    bool HasGroupForClass(Class* dataClass) const;
    // Every group adds columns for the function fields it lacks.
    void AddMissingFieldsToGroups();
    // Append every column (every button column) of every group, group by group.
    void CollectReportFields(std::vector<ReportField*>& out) const;
    void CollectButtonReportFields(std::vector<ReportField*>& out) const;
    // The first column whose group header followed by its name equals the text exactly.
    ReportField* FindReportFieldByQualifiedName(const CString& name) const;

    // A variable named as the field and mapped to it, when it has none.
    void AddReportVariableForField(Field* field);
    bool HasReportVariableForField(Field* field) const;
    // Erases the field's variable map from the page's maps (a group's filter of the field is
    // deleted); the map and its variable are kept until the report is destroyed, since calls
    // and bindings may still name the variable.
    void DetachReportVariableForField(Field* field);
    const std::vector<FieldVariableMap*>& GetDetachedMaps() const { return m_detachedMaps; }

    // A group's procedure call calls the procedure, or with the flag a group filter's data
    // procedure does.
    bool IsProcedureUsed(Procedure* procedure, BOOL includeFilters) const;
    // An event list of a group filter's data names the control.
    bool HasRecomputeForFieldRep(FieldRep* fieldRep) const;
    // Every group's check; a report without groups is an error.
    void CheckGroups();

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
    // The report's own table is the table; a report without one is built on the table whose
    // data class its own data call calls, as the search report made for a table is.
    bool IsSearchReportOfTable(const Table* table) const;
    // The report's own table is the table. A report without one goes with the table when
    // nothing of it stays (GoesWith the table's loss).
    bool IsBuiltOnTable(const Table* table) const;
    // Nothing of the report stays once the loss is taken: every group that calls or shows
    // something goes (ReportGroup::FateWhen), and there is one. With nothing in its groups, when
    // the loss takes its own data call.
    bool GoesWith(const DataLoss& loss) const;
    // The groups that go with the table's loss by what they show alone go: those without calls
    // whose columns show fields of the table only.
    void DeleteGroupsShowingOnly(const Table* table);
    // Adds the tables a loss of which may make IsBuiltOnTable true or DeleteGroupsShowingOnly
    // delete a group: its own table, those of its data call's class and function and those its
    // groups may go with. Taking a loss only ever drops some of them.
    void ListTablesItMayGoWith(std::vector<const Table*>& tables) const;
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
    // The groups' procedure calls that exist.
    std::vector<ProcedureInvokation*> GroupProcedureCalls() const;
    // The group filters, group by group.
    std::vector<FieldRep*> GroupFilters() const;

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
    // The maps taken out by DetachReportVariableForField; not stored.
    std::vector<FieldVariableMap*> m_detachedMaps;

    static int s_idCounter;
};
