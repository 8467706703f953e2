#pragma once

#include "model/TextFile.h"
#include "platform/core/CString.h"

class ApplicationReport;
class AspFile;
class Field;
class ProcedureInvokation;
class ReportGroup;
class ReportField;
struct ReportFieldBinding;
struct VariablePair;

// Writes the result-list section of a report on a classic page into its own collector: the
// query of the group's procedure, the column arrays and the nested ShowOutput_ functions of a
// report with several groups.
class ReportSectionWriter
{
public:
    ReportSectionWriter(AspFile* file, ApplicationReport* report);

    TextFile& Text() { return m_text; }

    // The ShowOutput_ functions numbered by level; nothing for fewer than two groups.
    void WriteShowOutputFunctions();
    // "name = "procedure "" and the parameter tail; nothing without a procedure.
    void WriteQueryAssignment(const ProcedureInvokation* call, const char* name, int indent);
    // FuncProc_ picking the procedure variant by the filled values; only with variables.
    void WriteQueryFunction(const ReportGroup& group, int indent);
    // ListPage (not for grid reports) and the glb_ReportField_ arrays of the group's columns.
    void WriteColumnArrays(const ReportGroup& group, int indent);

private:
    void WriteParameterTail(const ProcedureInvokation& call);
    void WriteInnerParameterTail(const ProcedureInvokation& call);
    void WriteArgumentNames(const ProcedureInvokation& call);
    void WriteGroupArguments(const ReportGroup& group);
    void WriteLinkAddress(const ReportGroup& group, const ReportField& column);
    Field* PairField(const ProcedureInvokation& call, const VariablePair& pair) const;

    AspFile* m_file;
    ApplicationReport* m_report;
    TextFile m_text{false, false, '=', 60};
};
