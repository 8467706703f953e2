#pragma once

#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class AspFile;
class Field;
class FieldRep;
class ProcedureInvokation;
class ReportGroup;
class ReportField;
class ReportFieldControlProperty;
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
    void AddExcludedControl(FieldRep* control) { m_excluded.push_back(control); }

    // The section of the report: one group as heading, filters, Show cell and result block;
    // several groups as heading, filters and the call of ShowOutput_0.
    void WriteSection(int indent, bool withTable);
    // Heading, the filters of every group, the column heads and the call of ShowOutput_0.
    void WriteGroupedSection(int indent, bool withTable);
    // The ShowOutput_ functions numbered by level; nothing for fewer than two groups.
    void WriteShowOutputFunctions();
    // "name = "procedure "" and the parameter tail; nothing without a procedure.
    void WriteQueryAssignment(const ProcedureInvokation* call, const char* name, int indent);
    // FuncProc_ picking the procedure variant by the filled values; only with variables.
    void WriteQueryFunction(const ReportGroup& group, int indent);
    // ListPage (not for grid reports) and the glb_ReportField_ arrays of the group's columns.
    void WriteColumnArrays(const ReportGroup& group, int indent);

    // Procedure name and the binding sources joined by "$", then "#" and per binding "Y" for an
    // output column or "N" for a variable, joined by "#"; empty without procedure.
    static CString GetButtonControlValue(const ReportFieldControlProperty& property);

private:
    bool OwnedByReport() const;
    int HeadingSpan(const ReportGroup& group) const;
    int GridOrColumnSpan(const ReportGroup& columnsOf) const;
    void WriteTitleRow(const ReportGroup& group, int indent);
    void WriteFilterArea(const ReportGroup& group, int indent);
    void WriteShowCell(const ReportGroup& group, int indent, bool allHidden);
    void WriteHiddenInputs(int indent);
    void WriteResultBlock(const ReportGroup& group, int indent);
    void WriteResultListCall(const ReportGroup& group, int indent);
    void WriteLinkSettings(int indent);
    void WriteControlArrays(const ReportGroup& group, int indent);
    void WritePrintArrays(const ReportGroup& group, int indent);
    void WritePrintFooter(const ReportGroup& group, int indent);
    void WriteParameterTail(const ProcedureInvokation& call);
    void WriteInnerParameterTail(const ProcedureInvokation& call);
    void WriteArgumentNames(const ProcedureInvokation& call);
    void WriteGroupArguments(const ReportGroup& group);
    void WriteLinkAddress(const ReportGroup& group, const ReportField& column);
    Field* PairField(const ProcedureInvokation& call, const VariablePair& pair) const;

    AspFile* m_file;
    ApplicationReport* m_report;
    TextFile m_text{false, false, '=', 60};
    // Controls not offered as filters.
    std::vector<FieldRep*> m_excluded;
};
