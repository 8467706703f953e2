#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class ClassInvokation;
class Field;
class FieldRep;
class Function;
class ProcedureFieldInfo;
class ProcedureInvokation;
class ReportField;

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
    // A class call of the function is deleted; the group is then fed by nothing.
    void DropFunctionCall(const Function* function);
    // Every filter's data drops its class recomputes of the control.
    void RemoveClassRecomputeOf(const FieldRep* fieldRep);
    // The class call of every filter's data drops its parameter mappings of the field.
    void RemoveFilterFieldParameterMaps(const Field* field);

private:
    ApplicationReport* m_report = nullptr;
    ProcedureInvokation* m_procedureCall = nullptr;
    std::vector<FieldRep*> m_filters;
    std::vector<ReportField*> m_reportFields;
    ProcedureFieldInfo* m_headerValue = nullptr;
    CString m_header;
    ProcedureFieldInfo* m_nextProcKey = nullptr;
    ClassInvokation* m_classCall = nullptr;
};
