#pragma once

#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class ClassInvokation;
class ForgeonProject;
class ReportField;
class ReportGroup;
class TextFile;

// The two methods of a search report's code-behind that build its XML: the data method, which
// calls the report's data functions and writes every header, row and cell through a
// ReportXMLWriter, and the rendering method, which turns that XML into the page's reportDiv.
// Values put into the XML pass util.ConvertToXML; values that reach SQL pass the Util helpers.
class ReportXmlCodeWriter
{
public:
    ReportXmlCodeWriter(ApplicationReport* report, ForgeonProject* project);

    void WriteDataMethod(TextFile* out, int indent, const CString& name);
    void WriteServerMethod(TextFile* out, int indent, const CString& name);

private:
    // The bodies; each returns whether it ended the report.
    bool WriteListReport(int indent);
    bool WriteGridReport(int indent);
    bool WriteSingleRecordReport(int indent);

    // The call's values, -1 from the request, else from row ir_<level> of dt_<level>.
    void WriteArgumentDeclarations(const ClassInvokation& call, int indent, int level);
    // The data object and "DataTable <table> = object.Function(arguments);".
    void WriteDataCall(const ClassInvokation& call, int indent, const CString& table);
    void WriteDataHeaderRow(const ReportGroup& group, int indent, int gridColumns);
    // The rows of the group at the position; paged rows stay empty.
    void WriteListRows(const ReportGroup& group, int indent, int position, bool paged);
    // Returns the indent of the lines inside the level's open loop.
    int WriteDetailLevel(const ReportGroup& group, int indent, int level, int lastColumns);
    void WriteValueLine(const ReportField& column, int indent, const char* table, const char* row,
                        bool toXml);
    // The image, link, money or text cell of the column.
    void WriteCell(const ReportField& column, int indent, bool grid);
    // Declares the link variables of its source columns not declared yet in the rows loop.
    void WriteLinkCell(const ReportField& column, int indent, bool grid);

    // The C# local of a name the model gives: a request argument's field, a data object's table
    // or a link cell's source column.
    struct LocalName
    {
        CString key;
        CString local;
    };
    // The local already made for the key, or null.
    static const LocalName* FindLocal(const std::vector<LocalName>& locals, const CString& key);
    // The wanted name when no local of the method bears it, else the first of wanted_1,
    // wanted_2 ... that none bears; taken from then on.
    CString NewLocal(const CString& wanted);

    ApplicationReport* m_report;
    ForgeonProject* m_project;
    // Every local named in the data method so far, with the method's own fixed names.
    std::vector<CString> m_declaredNames;
    std::vector<LocalName> m_arguments;
    std::vector<LocalName> m_dataObjects;
    // The link variables of the method's rows loop (a data method has at most one).
    std::vector<LocalName> m_linkVariables;
    TextFile* m_out = nullptr;
};
