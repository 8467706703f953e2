#pragma once

#include "gen_web/CodeBehindFragments.h"
#include "platform/core/CString.h"

#include <vector>

class FieldRep;
class ForgeonProject;
class RDLCReport;
class TableAdapter;
class TextFile;
class XSDInfo;
struct ColumnFieldPair;
struct RDLCDataSetEntry;

// What an RDLC report's page and its print page share: the report viewer with one object data
// source per data-set record, and the code that fills the viewer's data sources by running the
// report's queries through DBHandler.
class RDLCReportParts
{
public:
    // How the query code reads a parameter's value from the request: as its control sends it
    // (dates converted, quotes doubled in texts), or as the page's print request passes it on,
    // already prepared.
    enum class Values
    {
        FromControls,
        AsPassed,
    };

    RDLCReportParts(ForgeonProject& project, RDLCReport& report, TextFile& out);

    // "namespace <project>" and the opening of the page class of that name, deriving from the
    // page base class when asked.
    void WriteClassOpening(const CString& className, bool pageBase);
    // The ends of the class and of the namespace.
    void WriteClassClosing();

    // The register directive of the viewer's assembly of that version.
    void WriteRegisterDirective(const char* version);
    // The viewer control with its local report and one data source per record.
    void WriteViewerControl(int indent);
    // One object data source per record whose data set is known. The module's folder is left out
    // of the type names when leaveOutModule is set and the report is built on its table.
    void WriteObjectDataSources(int indent, bool leaveOutModule);
    // The designer fields of the viewer and of the object data sources.
    void WriteViewerDeclarations(int indent);

    // The viewer's data sources cleared, each record's query run with its table-adapter map and
    // its table added, and the report refreshed. Nothing, and false, when there is no record or
    // the records and the maps differ in number.
    bool WriteQueryDataSources(int indent, Values values);
    // The viewer's data sources cleared, the first record's query run without parameters when
    // its data set and table adapter are known, and the report refreshed.
    void WriteFirstRecordDataSource(int indent);

    // "String <name>" read from the request by the control's kind (the control may be null),
    // unless the method has it already. The parts serve one generated method: its locals are
    // declared once.
    void WriteControlValue(const FieldRep* control, const CString& name, int indent);

private:
    const std::vector<RDLCDataSetEntry>& Records() const;
    // The record's data set: the report's own for a report built on its table, else the
    // project's data set of the record's name.
    XSDInfo* FindDataSet(const RDLCDataSetEntry& record) const;
    CString TypeName(const XSDInfo& dataSet, const RDLCDataSetEntry& record,
                     bool leaveOutModule) const;
    void WriteQuery(int indent, const RDLCDataSetEntry& record, const TableAdapter& adapter,
                    const std::vector<ColumnFieldPair>& pairs, Values values);
    bool IsDeclared(const CString& name) const;

    ForgeonProject& m_project;
    RDLCReport& m_report;
    TextFile& m_out;
    CodeBehindFragments m_fragments;
    bool m_queryDeclared = false;
    bool m_utilDeclared = false;
    std::vector<CString> m_values;
};
