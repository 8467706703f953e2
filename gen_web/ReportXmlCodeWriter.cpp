#include "gen_web/ReportXmlCodeWriter.h"

#include "database/SqlText.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "gen_web/DataClassText.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
// A caption inside a C# string literal whose text goes into the XML.
CString XmlLiteral(const CString& text)
{
    return EscapeCSharpString(EscapeXml(text));
}

CString ColumnKey(const ReportField& column)
{
    CString key;
    if (column.GetFieldInfo() != nullptr)
        column.GetFieldInfo()->GetDisplayName(key);
    else
        key = column.GetName();
    return key;
}

// True when a form or master-detail page of the project uploads files into the column's field:
// its values are stored names, of which the pages show the file's own name.
bool ShowsStoredFile(const ForgeonProject& project, const ReportField& column)
{
    const ProcedureFieldInfo* info = column.GetFieldInfo();
    const Field* field = info != nullptr ? info->GetField() : nullptr;
    auto uploads = [field](const FormInterface* page)
    {
        return std::ranges::any_of(page->GetFieldReps(),
                                   [field](const FieldRep* control)
                                   {
                                       return control->GetField() == field &&
                                              control->GetFieldRepData() != nullptr &&
                                              control->GetFieldRepData()->GetControlKind() ==
                                                  FieldRepData::FileUpload;
                                   });
    };
    return field != nullptr &&
           std::ranges::any_of(project.GetModules(),
                               [&uploads](const Module* module)
                               {
                                   return std::ranges::any_of(module->GetMasterForms(), uploads) ||
                                          std::ranges::any_of(module->GetTransactions(), uploads);
                               });
}

int ColumnTypeCode(const ReportField& column)
{
    const ProcedureFieldInfo* info = column.GetFieldInfo();
    return info != nullptr && info->GetField() != nullptr ? info->GetField()->GetTypeCode() : -1;
}

CString AlignmentText(const ReportField& column)
{
    CString alignment;
    if (ColumnTypeCode(column) == FieldTypeMoney)
        return "right";
    column.GetAlignmentText(alignment);
    return alignment;
}

CString Caption(const ReportField& column)
{
    CString caption = column.GetName();
    if (caption.IsEmpty() && column.GetFieldInfo() != nullptr)
        column.GetFieldInfo()->GetCaption(caption);
    return caption;
}

CString FormName(const ApplicationReport& report)
{
    return report.GetFormName();
}

int ColumnCount(const ReportGroup& group)
{
    return static_cast<int>(group.GetReportFields().size());
}

CString LevelTable(int level)
{
    CString table;
    table.Format("dt_%d", level);
    return table;
}

CString RowValue(int level, const CString& name)
{
    CString value;
    value.Format("dt_%d.Rows[ir_%d][\"%s\"].ToString()", level, level, EscapeCSharpString(name));
    return value;
}

// The names the data method declares itself or names as types; no other local takes them.
std::vector<CString> MethodOwnNames()
{
    return {"w",      "util",       "val",    "dt",        "dt_list",     "ir_list",
            "action", "startingNo", "start",  "numRecs",   "numCols",     "numRows",
            "row",    "col",        "String", "DataTable", "UtilHandler", "ReportXMLWriter",
            "Uri"};
}

// dt_<n> or ir_<n>, the table and row counter of a master-detail level.
bool IsLevelName(CString name)
{
    name.MakeLower();
    if (name.Left(3) != "dt_" && name.Left(3) != "ir_")
        return false;
    name.Delete(0, 3);
    return !name.IsEmpty() && name.SpanIncluding("0123456789") == name;
}

bool IsCallable(const ClassInvokation* call)
{
    return call != nullptr && call->GetClass() != nullptr && call->GetFunction() != nullptr &&
           call->GetClass()->GetTable() != nullptr;
}
} // namespace

ReportXmlCodeWriter::ReportXmlCodeWriter(ApplicationReport* report, ForgeonProject* project)
    : m_report(report), m_project(project), m_declaredNames(MethodOwnNames())
{
}

const ReportXmlCodeWriter::LocalName*
ReportXmlCodeWriter::FindLocal(const std::vector<LocalName>& locals, const CString& key)
{
    for (const LocalName& local : locals)
        if (local.key.CompareNoCase(key) == 0)
            return &local;
    return nullptr;
}

CString ReportXmlCodeWriter::NewLocal(const CString& wanted)
{
    const auto taken = [this](const CString& name)
    {
        for (const CString& declared : m_declaredNames)
            if (declared.CompareNoCase(name) == 0)
                return true;
        return IsLevelName(name);
    };
    const CString identifier = CSharpIdentifier(wanted);
    CString name = identifier;
    for (int suffix = 1; taken(name); ++suffix)
        name.Format("%s_%d", identifier.GetString(), suffix);
    m_declaredNames.push_back(name);
    return name;
}

void ReportXmlCodeWriter::WriteServerMethod(TextFile* out, int indent, const CString& name)
{
    out->Write(indent, "void %s()\n", name);
    out->Write(indent, "{\n");
    for (const char* line :
         {"ReportXMLWriter w = new ReportXMLWriter();", "GetXMLDataForReport(w);",
          "string xmlReport = w.Close();", "XmlDocument docXml = new XmlDocument();",
          "XslCompiledTransform docXsl = new XslCompiledTransform();",
          "docXsl.Load(Server.MapPath(\"../../includes/css/report.xsl\"));",
          "StringWriter s = new StringWriter();", "docXml.LoadXml(xmlReport);",
          "docXsl.Transform(docXml, null, s);", "this.reportDiv.InnerHtml = s.ToString();"})
        out->Write(indent + 1, "%s\n", line);
    out->Write(indent, "}\n");
}

void ReportXmlCodeWriter::WriteDataMethod(TextFile* out, int indent, const CString& name)
{
    m_out = out;
    m_out->Write(indent, "void %s(ReportXMLWriter w)\n", name);
    m_out->Write(indent, "{\n");
    m_out->Write(indent + 1, "w.BeginReport(null, 0, 0, 0);\n");
    m_out->Write(indent + 1, "UtilHandler util = new UtilHandler();\n");
    bool ended = false;
    switch (m_report->GetReportKind())
    {
    case 1:
        ended = WriteListReport(indent + 1);
        break;
    case 2:
        ended = WriteGridReport(indent + 1);
        break;
    case 5:
        ended = WriteSingleRecordReport(indent + 1);
        break;
    default:
        break;
    }
    // The report element opened above is closed also when no body was written, so that the
    // XML stays well-formed.
    if (!ended)
        m_out->Write(indent + 1, "w.EndReport();\n");
    m_out->Write(indent, "}\n");
}

void ReportXmlCodeWriter::WriteArgumentDeclarations(const ClassInvokation& call, int indent,
                                                    int level)
{
    for (const ClassParameterMap* map : call.GetParameterMaps())
    {
        if (map == nullptr || map->m_field == nullptr)
            continue;
        const CString name = map->m_field->GetFieldName();
        const CString source =
            level < 0 ? CString("this.Request.Params[\"") + EscapeCSharpString(name) + "\"]"
                      : RowValue(level, name);
        const CString value = IsQuotedSqlType(map->m_field->GetTypeCode())
                                  ? "util.ReplaceSingleQuoteInString(" + source + ")"
                                  : "util.ToSqlNumber(" + source + ", \"0\")";
        if (const LocalName* local = FindLocal(m_arguments, name))
        {
            m_out->Write(indent, "%s = %s;\n", local->local, value);
            continue;
        }
        m_arguments.push_back({name, NewLocal(name)});
        m_out->Write(indent, "String %s = %s;\n", m_arguments.back().local, value);
    }
}

void ReportXmlCodeWriter::WriteDataCall(const ClassInvokation& call, int indent,
                                        const CString& table)
{
    const CString className = CSharpIdentifier(call.GetClass()->GetFieldName());
    const CString tableName = call.GetClass()->GetTable()->GetTableName();
    if (FindLocal(m_dataObjects, tableName) == nullptr)
    {
        m_dataObjects.push_back({tableName, NewLocal(tableName)});
        m_out->Write(indent, "%s %s = new %s();\n", className, m_dataObjects.back().local,
                     className);
    }
    m_out->Write(indent, "DataTable %s = %s.%s(", table, FindLocal(m_dataObjects, tableName)->local,
                 CSharpIdentifier(call.GetFunction()->GetFieldName()));
    const char* separator = "";
    for (const ClassParameterMap* map : call.GetParameterMaps())
    {
        if (map == nullptr || map->m_field == nullptr)
            continue;
        const LocalName* argument = FindLocal(m_arguments, map->m_field->GetFieldName());
        m_out->Write(0, "%s%s", separator,
                     argument != nullptr ? argument->local : map->m_field->GetFieldName());
        separator = ",";
    }
    m_out->Write(0, ");\n");
}

void ReportXmlCodeWriter::WriteDataHeaderRow(const ReportGroup& group, int indent, int gridColumns)
{
    m_out->Write(indent, "w.BeginDataHeaderRow(null);\n");
    for (const ReportField* column : group.GetReportFields())
        m_out->Write(indent, "w.WriteReportDataHeader(\"%s\", null, %d, 0, %d);\n",
                     XmlLiteral(Caption(*column)), column->GetWidth(), gridColumns);
    m_out->Write(indent, "w.EndDataHeaderRow();\n");
}

void ReportXmlCodeWriter::WriteValueLine(const ReportField& column, int indent, const char* table,
                                         const char* row, bool toXml)
{
    m_out->Write(indent, "val = %s.Rows[%s][\"%s\"].ToString();\n", table, row,
                 EscapeCSharpString(ColumnKey(column)));
    const bool date = ColumnTypeCode(column) == FieldTypeDateTime;
    if (ShowsStoredFile(*m_project, column))
        m_out->Write(indent, "val = util.GetUploadName(val);\n");
    if (date && m_project->GetDateFormat().MakeLower() == "dd/mm/yyyy")
        m_out->Write(indent, "val = util.ConvertDate(val);\n");
    else if (!date && toXml)
        m_out->Write(indent, "val = util.ConvertToXML(val);\n");
}

void ReportXmlCodeWriter::WriteCell(const ReportField& column, int indent, bool grid)
{
    const CString alignment = grid ? CString("center") : AlignmentText(column);
    if (column.IsImageFromFileContent())
        m_out->Write(indent,
                     "w.WriteImageReportData(val, \"%s\", null, \"%s\", %d, 0, 0, 0, %d, 0, 0);\n",
                     XmlLiteral(Caption(column)), alignment, column.GetImageWidth(),
                     column.GetImageHeight());
    else if (column.GetAspFile() != nullptr)
        WriteLinkCell(column, indent, grid);
    else
        m_out->Write(indent, "w.WriteTextReportData(val, null, \"%s\", 0, 0, 0);\n", alignment);
}

void ReportXmlCodeWriter::WriteLinkCell(const ReportField& column, int indent, bool grid)
{
    CString query;
    for (const ReportFieldBinding* binding : column.GetBindings())
    {
        const CString target =
            binding->m_target != nullptr ? binding->m_target->GetFieldName() : CString();
        CString piece;
        if (binding->m_sourceColumn != nullptr)
        {
            CString key;
            binding->m_sourceColumn->GetDisplayName(key);
            if (FindLocal(m_linkVariables, key) == nullptr)
            {
                m_linkVariables.push_back({key, NewLocal(key)});
                m_out->Write(indent,
                             "string %s = Uri.EscapeDataString(dt_list.Rows[ir_list][\"%s\"]."
                             "ToString());\n",
                             m_linkVariables.back().local, EscapeCSharpString(key));
            }
            piece = EscapeCSharpString(target) + "=\"+" + FindLocal(m_linkVariables, key)->local +
                    "+\"";
        }
        else if (binding->m_sourceVariable != nullptr)
            piece = EscapeCSharpString(target + "=" + binding->m_sourceVariable->GetFieldName());
        else
            piece = EscapeCSharpString(target + "=");
        if (!piece.IsEmpty())
            query += (query.IsEmpty() ? "" : "&") + piece;
    }
    const AspFile* file = column.GetAspFile();
    const auto* rdlc = dynamic_cast<const RDLCReport*>(file->GetOwnerPage());
    if (!grid && rdlc != nullptr && !rdlc->FilesExist(m_project))
    {
        m_out->Write(indent, "w.WriteTextReportData(val, null, \"%s\", 0, 0, 0);\n",
                     AlignmentText(column));
        return;
    }
    m_out->Write(indent,
                 "w.WriteLinkReportData(util.ConvertToXML(\"%s?%s\"), val, null, null, \"%s\", 0, "
                 "0, 0);\n",
                 EscapeCSharpString(file->GetFileName(FALSE)), query,
                 grid ? CString("center") : AlignmentText(column));
}

void ReportXmlCodeWriter::WriteListRows(const ReportGroup& group, int indent, int position,
                                        bool paged)
{
    const ClassInvokation* call = group.GetClassCall();
    if (!IsCallable(call))
        return;
    WriteArgumentDeclarations(*call, indent, position - 1);
    WriteDataCall(*call, indent, "dt_list");
    if (!paged && m_report->GetReportGroups().size() == 1)
        m_out->Write(indent, "w.WriteReportHeader(\"Number of records: \" + dt_list.Rows.Count, "
                             "\"subHeader\", null, dt_list.Columns.Count);\n");
    m_out->Write(indent, "for(int ir_list=0; ir_list < dt_list.Rows.Count; ir_list++)\n");
    m_out->Write(indent, "{\n");
    m_out->Write(indent + 1, "w.BeginReportDataRow(null);\n");
    for (const ReportField* column : group.GetReportFields())
    {
        if (!paged)
        {
            WriteValueLine(*column, indent + 1, "dt_list", "ir_list", true);
            WriteCell(*column, indent + 1, false);
        }
    }
    m_out->Write(indent + 1, "w.EndReportDataRow();\n");
    m_out->Write(indent, "}\n");
}

int ReportXmlCodeWriter::WriteDetailLevel(const ReportGroup& group, int indent, int level,
                                          int lastColumns)
{
    const ClassInvokation* call = group.GetClassCall();
    if (!IsCallable(call))
        return -1;
    WriteArgumentDeclarations(*call, indent, level - 1);
    WriteDataCall(*call, indent, LevelTable(level));
    m_out->Write(indent, "for(int ir_%d=0; ir_%d < dt_%d.Rows.Count; ir_%d++)\n", level, level,
                 level, level);
    m_out->Write(indent, "{\n");
    const int inner = indent + 1;
    m_out->Write(inner, "w.BeginReportDataRow(null);\n");
    if (!group.GetHeader().IsEmpty())
        m_out->Write(inner, "val = \"%s :- \";\n", XmlLiteral(group.GetHeader()));
    else
        m_out->Write(inner, "val = \"\";\n");
    for (const ReportField* column : group.GetReportFields())
        m_out->Write(
            inner, "val = val + \" \" + util.ConvertToXML(dt_%d.Rows[ir_%d][\"%s\"].ToString());\n",
            level, level, EscapeCSharpString(ColumnKey(*column)));
    m_out->Write(inner, "w.WriteTextReportData(val, null, \"left\", 0, 0, %d);\n", lastColumns);
    m_out->Write(inner, "w.EndReportDataRow();\n");
    return inner;
}

bool ReportXmlCodeWriter::WriteListReport(int indent)
{
    const std::vector<ReportGroup*>& groups = m_report->GetReportGroups();
    if (groups.empty())
        return false;
    const ReportGroup& last = *groups.back();
    if (groups.size() == 1)
    {
        WriteDataHeaderRow(last, indent, 0);
        m_out->Write(indent, "String val=\"\";\n");
        WriteListRows(last, indent, 0, m_report->IsPagingRequired());
        m_out->Write(indent, "w.EndReport();\n");
        return true;
    }
    m_out->Write(indent, "w.WriteReportHeader(\"%s\", \"mainHeader\", null, %d);\n",
                 XmlLiteral(FormName(*m_report)), ColumnCount(last));
    WriteDataHeaderRow(last, indent, 0);
    m_out->Write(indent, "String val=\"\";\n");
    std::vector<int> openLoops;
    int depth = indent;
    for (std::size_t i = 0; i + 1 < groups.size(); ++i)
    {
        const int inner =
            WriteDetailLevel(*groups[i], depth, static_cast<int>(i), ColumnCount(last));
        if (inner < 0)
            continue;
        openLoops.push_back(depth);
        depth = inner;
    }
    WriteListRows(last, depth, static_cast<int>(groups.size()) - 1, false);
    for (auto loop = openLoops.rbegin(); loop != openLoops.rend(); ++loop)
        m_out->Write(*loop, "}\n");
    m_out->Write(indent, "w.EndReport();\n");
    return true;
}

bool ReportXmlCodeWriter::WriteGridReport(int indent)
{
    const std::vector<ReportGroup*>& groups = m_report->GetReportGroups();
    if (groups.size() != 1 || !IsCallable(groups.front()->GetClassCall()))
        return false;
    const ReportGroup& group = *groups.front();
    const int columns = m_report->GetColumnLayout();
    WriteArgumentDeclarations(*group.GetClassCall(), indent, -1);
    WriteDataCall(*group.GetClassCall(), indent, "dt_list");
    m_out->Write(indent, "w.WriteReportHeader(\"%s\", \"mainHeader\", null, %d);\n",
                 XmlLiteral(FormName(*m_report)), columns);
    m_out->Write(indent,
                 "w.WriteReportHeader(\"Number of records: \" + dt_list.Rows.Count, "
                 "\"subHeader\", null, %d);\n",
                 columns);
    WriteDataHeaderRow(group, indent, columns);
    m_out->Write(indent, "String val=\"\";\n");
    m_out->Write(indent, "int numRecs = dt_list.Rows.Count;\n");
    m_out->Write(indent, "int numCols = %d;\n", columns);
    m_out->Write(indent, "int numRows = (numRecs / numCols);\n");
    m_out->Write(indent, "if ((numRecs %% numCols) > 0)\n");
    m_out->Write(indent + 1, "numRows = numRows + 1;\n\n");
    m_out->Write(indent, "int ir_list = 0;\n");
    m_out->Write(indent, "for(int row = 0; row < numRows; row++)\n");
    m_out->Write(indent, "{\n");
    m_out->Write(indent + 1, "w.BeginReportDataRow(null);\n");
    m_out->Write(indent + 1, "for(int col = 0; col < numCols; col++)\n");
    m_out->Write(indent + 1, "{\n");
    m_out->Write(indent + 2, "if (ir_list >= numRecs)\n");
    m_out->Write(indent + 2, "{\n");
    m_out->Write(indent + 3, "val = \"\";\n");
    m_out->Write(indent + 3, "w.WriteTextReportData(val, null, \"center\", 0, 0, 0);\n");
    m_out->Write(indent + 2, "}\n");
    m_out->Write(indent + 2, "else\n");
    m_out->Write(indent + 2, "{\n");
    for (const ReportField* column : group.GetReportFields())
    {
        WriteValueLine(*column, indent + 3, "dt_list", "ir_list", true);
        WriteCell(*column, indent + 3, true);
    }
    m_out->Write(indent + 2, "}\n");
    m_out->Write(indent + 2, "ir_list++;\n");
    m_out->Write(indent + 1, "}\n");
    m_out->Write(indent + 1, "w.EndReportDataRow();\n");
    m_out->Write(indent, "}\n");
    m_out->Write(indent, "w.EndReport();\n");
    return true;
}

bool ReportXmlCodeWriter::WriteSingleRecordReport(int indent)
{
    const std::vector<ReportGroup*>& groups = m_report->GetReportGroups();
    if (groups.empty() || !IsCallable(groups.front()->GetClassCall()))
        return false;
    const ReportGroup& group = *groups.front();
    m_out->Write(indent, "String val=\"\";\n");
    WriteArgumentDeclarations(*group.GetClassCall(), indent, -1);
    WriteDataCall(*group.GetClassCall(), indent, "dt");
    m_out->Write(indent, "String action = this.Request.Params[\"ACTION\"];\n");
    m_out->Write(indent, "String startingNo = this.Request.Params[\"page_no\"];\n");
    m_out->Write(indent, "int start = 0;\n");
    m_out->Write(indent, "if(startingNo != null)\n");
    m_out->Write(indent + 1, "int.TryParse(startingNo, out start);\n");
    m_out->Write(indent, "if (action == \"NEXT\")\n");
    m_out->Write(indent + 1, "start++;\n");
    m_out->Write(indent, "if (action == \"PREVIOUS\")\n");
    m_out->Write(indent + 1, "start--;\n");
    m_out->Write(indent, "m_messageString = \"\";\n");
    m_out->Write(indent, "if (start >= dt.Rows.Count)\n");
    m_out->Write(indent, "{\n");
    m_out->Write(indent + 1, "m_messageString = \"Reached at the end of Record!\";\n");
    m_out->Write(indent + 1, "start = dt.Rows.Count - 1;\n");
    m_out->Write(indent, "}\n");
    m_out->Write(indent, "if (start < 0)\n");
    m_out->Write(indent + 1, "start = 0;\n");
    m_out->Write(indent, "if(dt.Rows.Count > 0)\n");
    m_out->Write(indent, "{\n");
    const int inner = indent + 1;
    const Table* table = m_report->GetTable();
    if (table != nullptr && table->GetPrimaryKeyField() != nullptr)
        m_out->Write(inner, "m_recordId = dt.Rows[start][\"%s\"].ToString();\n",
                     EscapeCSharpString(table->GetPrimaryKeyField()->GetFieldName()));
    m_out->Write(0, "\n");
    m_out->Write(inner, "w.BeginReportDataRow(null);\n");
    const std::vector<ReportField*>& columns = group.GetReportFields();
    for (std::size_t j = 0; j < columns.size(); ++j)
    {
        if (j % 2 == 0 && j != 0)
        {
            m_out->Write(0, "\n");
            m_out->Write(inner, "w.BeginReportDataRow(null);\n");
        }
        m_out->Write(inner, "val = util.ConvertToXML(dt.Rows[start][\"%s\"].ToString());\n",
                     EscapeCSharpString(ColumnKey(*columns[j])));
        m_out->Write(inner, "w.BeginReportData(null, null, 0, 0, 1);\n");
        m_out->Write(inner, "w.WriteTextField(\"%s\", null);\n", XmlLiteral(columns[j]->GetName()));
        m_out->Write(inner, "w.EndReportData();\n");
        m_out->Write(inner, "w.BeginReportData(null, null, 0, 0, 1);\n");
        m_out->Write(inner, "w.WriteInputField(\"textbox\", val, null, null, null, false, false, "
                            "false, false, null, null);\n");
        m_out->Write(inner, "w.EndReportData();\n");
        if (j % 2 == 1 || j + 1 == columns.size())
        {
            m_out->Write(inner, "w.EndReportDataRow();\n");
            m_out->Write(0, "\n");
        }
    }
    m_out->Write(indent, "}\n");
    m_out->Write(indent, "w.EndReport();\n");
    m_out->Write(indent, "startingNo = start.ToString();\n");
    m_out->Write(indent, "w.AddXMLTag(\"page_no\", startingNo);\n");
    m_out->Write(indent, "w.AddXMLTag(\"record_id\", util.ConvertToXML(m_recordId));\n");
    m_out->Write(indent, "w.AddXMLTag(\"messageDiv\", m_messageString);\n");
    return true;
}
