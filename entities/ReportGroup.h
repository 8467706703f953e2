#pragma once

#include "entities/DataLoss.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class Class;
class ClassInvokation;
class Field;
class FieldRep;
class Function;
class Parameter;
class Procedure;
class ProcedureFieldInfo;
class ProcedureInvokation;
class ReportField;
class Table;
class ReferenceList;

// A group of a report: fed by a procedure call or by a class-function call, with its filter
// controls and its columns.
class ReportGroup : public CObject
{
    DECLARE_SERIAL(ReportGroup)

public:
    ReportGroup() = default;
    ReportGroup(ApplicationReport* report, ClassInvokation* classCall);
    // A copy of the source's class call only; the copying report sets the owner.
    explicit ReportGroup(const ReportGroup& source);
    ReportGroup& operator=(const ReportGroup&) = delete;
    ~ReportGroup() override;

    void Serialize(CArchive& ar) override;
    // Lists the group's calls, header and key columns, then its filters and columns. A call
    // that goes leaves the group, which goes with the last of them (LetGoOf).
    void ListReferences(ReferenceList& list);

    ApplicationReport* GetReport() const { return m_report; }
    void SetReport(ApplicationReport* report) { m_report = report; }
    ProcedureInvokation* GetProcedureCall() const { return m_procedureCall; }
    // The group takes the call and deletes the previous one.
    void SetProcedureCall(ProcedureInvokation* call);
    const std::vector<FieldRep*>& GetFilters() const { return m_filters; }
    const std::vector<ReportField*>& GetReportFields() const { return m_reportFields; }
    // The group takes the column.
    void AddReportField(ReportField* column) { m_reportFields.push_back(column); }
    ProcedureFieldInfo* GetHeaderValue() const { return m_headerValue; }
    void SetHeaderValue(ProcedureFieldInfo* headerValue) { m_headerValue = headerValue; }
    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }
    ProcedureFieldInfo* GetNextProcKey() const { return m_nextProcKey; }
    void SetNextProcKey(ProcedureFieldInfo* key) { m_nextProcKey = key; }
    ClassInvokation* GetClassCall() const { return m_classCall; }
    // Every filter's data drops its class recomputes of the control.
    void RemoveClassRecomputeOf(const FieldRep* fieldRep);
    // The class call of every filter's data drops its parameter mappings of the field.
    void RemoveFilterFieldParameterMaps(const Field* field);

    // Filters. Lookups answer null when nothing matches.
    FieldRep* GetFilterAt(int index) const;
    // The filter that shows the field.
    FieldRep* FindFilterForField(Field* field) const;
    bool HasFilterOnField(Field* field) const;
    // A filter's field has exactly the name.
    bool HasFilterNamed(const CString& name) const;
    // Appends the filter; the report makes the variable of its field.
    void AddFilter(FieldRep* filter);
    // Drops the class call's mappings of the filter's field, deletes and erases the filter;
    // nothing for a bad index.
    void RemoveFilterAt(int index);
    // RemoveFilterAt of the filter; nothing for one the group does not hold.
    void RemoveFilter(FieldRep* filter);
    // The same for a filter already taken out of the list.
    void DeleteFilter(FieldRep* filter);
    void MoveFilterUp(FieldRep* filter);
    void MoveFilterDown(FieldRep* filter);
    // Empties out, then the filters whose data has procedure recomputes.
    void CollectFiltersWithEvents(std::vector<FieldRep*>& out) const;

    // Columns. Removal deletes and erases; nothing for a bad index or an absent column.
    void RemoveReportFieldAt(int index);
    void RemoveReportField(ReportField* column);
    void MoveReportFieldUp(ReportField* column);
    void MoveReportFieldDown(ReportField* column);
    // A column shows that output column.
    bool HasColumnForOutputField(ProcedureFieldInfo* outputColumn) const;
    // A column's output column shows the field.
    bool HasColumnForField(Field* field) const;
    // A column has a control property with a control.
    bool HasControlColumn() const;
    // The columns showing the row a foreign key refers to through the key: the display field of
    // the referred table, while a call reaches that table through the key (a call on the key's
    // table, a function showing the key, a procedure joining by it) and none is on it. What a
    // group shows of its own table's rows is not shown through a key.
    std::vector<ReportField*> ColumnsShowingRowThrough(const Field* key) const;
    // The output columns of the class call's function: 0 / null without one or for a bad
    // index.
    int GetFunctionColumnCount() const;
    ProcedureFieldInfo* GetFunctionColumnAt(int index) const;
    // A column for every function output that no column shows (keys and foreign keys left
    // out), then the columns the function no longer outputs are removed. Only for a group
    // whose class call has a function; button columns stay.
    void SyncColumnsWithFunction();

    // Usage and reference removal.
    // Lists the tables its class call reaches (LetGoOf the call going with the table of its
    // class or function), the tables its filters reach and are on (a filter going with the
    // table of its field), and the tables of the fields its columns show or refer to (each
    // column going with them).
    void ListTableUses(ReferenceList& list);
    // What the group comes to once the loss is taken: with calls, it goes when each of them
    // goes; without, when its columns show the fields of one table only and that table goes.
    DataFate FateWhen(const DataLoss& loss) const;
    // Adds the tables whose loss FateWhen may say the group goes with: those of its class call's
    // class and function and of its procedure call's procedure, and those its columns show.
    void ListTablesItMayGoWith(std::vector<const Table*>& tables) const;
    // When FateWhen says it goes, the report deletes the group; otherwise the group lets go of
    // the calls the loss takes.
    void LetGoOf(const DataLoss& loss);
    // The class call or a filter's data call invokes the class / the function / maps the
    // parameter.
    bool UsesClass(Class* dataClass) const;
    bool UsesFunction(Function* function) const;
    bool UsesFunctionParameter(Function* function, Parameter* parameter) const;
    // Those calls of the function drop their mappings of the parameter.
    void ClearFunctionParameter(Function* function, Parameter* parameter);
    // A filter has a table field that the function outputs as front or back field, or a column
    // shows one.
    bool IsFunctionFieldUsedAsFrontBack(Function* function, Table* table) const;
    // Such filters lose front and back field; such columns are removed.
    void ClearFunctionFieldFrontBack(Function* function, Table* table);
    // The procedure call exists and calls the procedure.
    bool CallsProcedure(const Procedure* procedure) const;

    // Checks: findings go to the error list of the project diagnostics. A group without a
    // procedure call is not checked.
    void CheckGroup() const;
    // A class call mapping fewer parameters than its function has is listed in text as the
    // counter's numbered entry, headed when the counter is 1; the counter goes up.
    void CheckFunctionParameterMapping(CString& text, int& counter) const;

private:
    // Names the use of the references listed next after the report's usage name.
    void SetReportUse(ReferenceList& list, const char* use, int weight) const;
    // The report's name, empty without report.
    CString ReportName() const;

    ApplicationReport* m_report = nullptr;
    ProcedureInvokation* m_procedureCall = nullptr;
    std::vector<FieldRep*> m_filters;
    std::vector<ReportField*> m_reportFields;
    ProcedureFieldInfo* m_headerValue = nullptr;
    CString m_header;
    ProcedureFieldInfo* m_nextProcKey = nullptr;
    ClassInvokation* m_classCall = nullptr;
};
