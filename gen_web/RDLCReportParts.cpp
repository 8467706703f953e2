#include "gen_web/RDLCReportParts.h"

#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_reports/DataSetNames.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
// The command as the data set stores it, made one line of SQL for a C# literal.
CString CommandLiteral(CString command)
{
    command.Replace("&apos;", "'");
    command.Replace("\r\n", " ");
    command.Replace('\n', ' ');
    command.Replace('\r', ' ');
    command.Replace("&gt;", ">");
    command.Replace("&lt;", "<");
    return EscapeCSharpString(command);
}

bool IsTextKind(int kind)
{
    return kind == FieldRepData::TextBox || kind == FieldRepData::TextArea;
}

const std::vector<RDLCDataSetEntry> noRecords;
} // namespace

RDLCReportParts::RDLCReportParts(ForgeonProject& project, RDLCReport& report, TextFile& out)
    : m_project(project), m_report(report), m_out(out), m_fragments(project, report, out, "")
{
}

const std::vector<RDLCDataSetEntry>& RDLCReportParts::Records() const
{
    return m_report.GetRDLCInfo() != nullptr ? m_report.GetRDLCInfo()->GetEntries() : noRecords;
}

void RDLCReportParts::WriteClassOpening(const CString& className, bool pageBase)
{
    m_out.Write(0, "namespace %s\n", CSharpIdentifier(m_project.GetProjectName()));
    m_out.Write(0, "{\n");
    m_out.Write(1,
                pageBase ? "public partial class %s : System.Web.UI.Page\n"
                         : "public partial class %s\n",
                CSharpIdentifier(className));
    m_out.Write(1, "{\n");
}

void RDLCReportParts::WriteClassClosing()
{
    m_out.Write(1, "}\n");
    m_out.Write(0, "}\n");
}

void RDLCReportParts::WriteRegisterDirective(const char* version)
{
    m_out.Write(0,
                "<%%@ Register Assembly=\"Microsoft.ReportViewer.WebForms, Version=%s, "
                "Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a\"\n",
                version);
    m_out.Write(1, "Namespace=\"Microsoft.Reporting.WebForms\" TagPrefix=\"rsweb\" %%>\n");
}

void RDLCReportParts::WriteViewerControl(int indent)
{
    const int i = indent;
    m_out.Write(i,
                "<rsweb:ReportViewer ID=\"ReportViewer1\" runat=\"server\" Font-Names=\"Verdana\" "
                "Font-Size=\"8pt\" Height=\"300px\" Width=\"960px\" Visible=\"False\">\n");
    const RDLCInfo* info = m_report.GetRDLCInfo();
    m_out.Write(i + 1, "<LocalReport ReportPath=\"%s\">\n",
                EscapeXml(info != nullptr ? info->GetName() : CString()));
    m_out.Write(i + 2, "<DataSources>\n");
    int number = 0;
    for (const RDLCDataSetEntry& record : Records())
        m_out.Write(i + 3,
                    "<rsweb:ReportDataSource DataSourceId=\"ObjectDataSource%d\" Name=\"%s\" />\n",
                    ++number, ReportDataSetName(record.m_dataSetName, record.m_tableName));
    m_out.Write(i + 2, "</DataSources>\n");
    m_out.Write(i + 1, "</LocalReport>\n");
    m_out.Write(i, "</rsweb:ReportViewer>\n");
}

XSDInfo* RDLCReportParts::FindDataSet(const RDLCDataSetEntry& record) const
{
    if (m_report.GetMode() == 0)
        return m_report.GetXSDInfo();
    return m_project.FindXSDInfoMatchingName(record.m_dataSetName + ".xsd");
}

CString RDLCReportParts::TypeName(const XSDInfo& dataSet, const RDLCDataSetEntry& record,
                                  bool leaveOutModule) const
{
    CString path = dataSet.GetName();
    path = path.Left(path.GetLength() - 4);
    const Module* module = m_report.GetModule();
    // Only the module's own folder at the front of the path goes, never another place where
    // the module's name stands.
    if (leaveOutModule && m_report.GetMode() == 0 && module != nullptr &&
        path.Left(module->GetName().GetLength() + 1) == module->GetName() + "\\")
        path = path.Mid(module->GetName().GetLength() + 1);
    // Each folder a namespace, the data set's name the last.
    CString typeName = CSharpIdentifier(m_project.GetProjectName()) + ".";
    for (int start = 0; start < path.GetLength();)
    {
        const int end = path.Find('\\', start);
        const int stop = end < 0 ? path.GetLength() : end;
        typeName += CSharpIdentifierPart(path.Mid(start, stop - start)) + (end < 0 ? "" : ".");
        start = stop + 1;
    }
    return typeName + "TableAdapters." + CSharpIdentifier(record.m_tableAdapterName);
}

void RDLCReportParts::WriteObjectDataSources(int indent, bool leaveOutModule)
{
    int number = 0;
    for (const RDLCDataSetEntry& record : Records())
    {
        ++number;
        const XSDInfo* dataSet = FindDataSet(record);
        if (dataSet == nullptr)
            continue;
        m_out.Write(indent,
                    "<asp:ObjectDataSource ID=\"ObjectDataSource%d\" runat=\"server\" "
                    "SelectMethod=\"GetData\" TypeName=\"%s\">\n",
                    number, EscapeXml(TypeName(*dataSet, record, leaveOutModule)));
        m_out.Write(indent, "</asp:ObjectDataSource>\n");
    }
}

void RDLCReportParts::WriteViewerDeclarations(int indent)
{
    m_out.Write(indent,
                "protected global::Microsoft.Reporting.WebForms.ReportViewer ReportViewer1;\n");
    m_out.Write(0, "\n");
    for (std::size_t number = 1; number <= Records().size(); ++number)
    {
        m_out.Write(indent,
                    "protected global::System.Web.UI.WebControls.ObjectDataSource "
                    "ObjectDataSource%d;\n",
                    static_cast<int>(number));
        m_out.Write(0, "\n");
    }
}

bool RDLCReportParts::IsDeclared(const CString& name) const
{
    return std::ranges::find(m_values, name) != m_values.end();
}

void RDLCReportParts::WriteControlValue(const FieldRep* control, const CString& name, int indent)
{
    if (IsDeclared(name))
        return;
    m_values.push_back(name);
    const int kind = control != nullptr ? ControlKind(*control) : -1;
    const bool date = kind == FieldRepData::DateControl;
    if (!m_utilDeclared && (IsTextKind(kind) || (date && m_fragments.IsDayFirst())))
    {
        m_out.Write(indent, "UtilHandler util = new UtilHandler();\n");
        m_utilDeclared = true;
    }
    if (date)
        m_fragments.WriteReadFieldValue(*control, indent);
    else
        m_out.Write(indent, "String %s = this.Request.Params[\"%s\"];\n", name,
                    EscapeCSharpString(name));
    if (IsTextKind(kind))
    {
        m_out.Write(indent, "%s = util.ReplaceSingleQuoteInString(%s);\n", name, name);
        m_out.Write(0, "\n");
    }
}

bool RDLCReportParts::WriteQueryDataSources(int indent, Values values)
{
    const std::vector<RDLCDataSetEntry>& records = Records();
    const std::vector<TableAdapterMap>& maps = m_report.GetTableAdapterMaps();
    if (records.empty() || records.size() != maps.size())
        return false;
    m_out.Write(indent, "ReportViewer1.LocalReport.DataSources.Clear();\n");
    for (std::size_t index = 0; index < records.size(); ++index)
    {
        if (maps[index].m_tableAdapter != nullptr)
            WriteQuery(indent, records[index], *maps[index].m_tableAdapter, maps[index].m_pairs,
                       values);
    }
    m_out.Write(indent, "ReportViewer1.LocalReport.Refresh();\n");
    return true;
}

void RDLCReportParts::WriteFirstRecordDataSource(int indent)
{
    m_out.Write(indent, "ReportViewer1.LocalReport.DataSources.Clear();\n");
    const std::vector<RDLCDataSetEntry>& records = Records();
    const XSDInfo* dataSet = records.empty() ? nullptr : FindDataSet(records.front());
    const TableAdapter* adapter =
        dataSet != nullptr ? dataSet->FindTableAdapter(records.front().m_tableAdapterName)
                           : nullptr;
    if (adapter != nullptr)
        WriteQuery(indent, records.front(), *adapter, {}, Values::AsPassed);
    m_out.Write(indent, "ReportViewer1.LocalReport.Refresh();\n");
}

void RDLCReportParts::WriteQuery(int indent, const RDLCDataSetEntry& record,
                                 const TableAdapter& adapter,
                                 const std::vector<ColumnFieldPair>& pairs, Values values)
{
    // The first query declares the locals; the ones after it assign them again.
    const bool declare = !m_queryDeclared;
    m_queryDeclared = true;
    const char* type = declare ? "String " : "";
    m_out.Write(indent, "%scommandText = \"%s\";\n", type,
                CommandLiteral(adapter.GetCommandText()));
    m_out.Write(indent, "%scommandType = \"%s\";\n", type,
                EscapeCSharpString(adapter.GetCommandType()));
    m_out.Write(indent, "%sdataSetName = \"%s\";\n", type,
                ReportDataSetName(record.m_dataSetName, record.m_tableName));
    m_out.Write(indent, "%stableName = \"%s\";\n", type, EscapeCSharpString(record.m_tableName));
    m_out.Write(0, "\n");

    CString names;
    CString arguments;
    for (const ColumnFieldPair& pair : pairs)
    {
        if (pair.m_column != "@RETURN_VALUE")
            names += "\"" + EscapeCSharpString(pair.m_column) + "\", ";
        if (pair.m_field == nullptr)
            continue;
        const CString name = pair.m_field->GetFieldName();
        if (values == Values::FromControls)
            WriteControlValue(m_report.GetFieldRepForField(pair.m_field), name, indent);
        else if (!IsDeclared(name))
        {
            m_values.push_back(name);
            m_out.Write(indent, "String %s = this.Request.Params[\"%s\"];\n", name,
                        EscapeCSharpString(name));
        }
        arguments += name + ", ";
    }
    if (!names.IsEmpty() && !arguments.IsEmpty())
    {
        names = names.Left(names.GetLength() - 2);
        arguments = arguments.Left(arguments.GetLength() - 2);
    }
    if (declare)
    {
        m_out.Write(indent, "String[] sqlParams = { %s };\n", names);
        m_out.Write(indent, "String[] sqlParamVals = { %s };\n", arguments);
        m_out.Write(0, "\n");
        m_out.Write(indent, "DBHandler dbHandler = new DBHandler();\n");
        m_out.Write(indent, "DataSet thisDataSet = ");
    }
    else
    {
        m_out.Write(indent, "sqlParams = new String[] { %s };\n", names);
        m_out.Write(indent, "sqlParamVals = new String[] { %s };\n", arguments);
        m_out.Write(0, "\n");
        m_out.Write(indent, "thisDataSet = ");
    }
    m_out.Write(0, "dbHandler.ExecuteRDLCQuery(commandText, commandType, dataSetName, tableName, "
                   "sqlParams, sqlParamVals);\n");
    m_out.Write(0, "\n");
    m_out.Write(indent, declare ? "ReportDataSource datasource = new ReportDataSource();\n"
                                : "datasource = new ReportDataSource();\n");
    m_out.Write(indent, "datasource.Name = dataSetName;\n");
    m_out.Write(indent, "datasource.Value = thisDataSet.Tables[tableName];\n");
    m_out.Write(0, "\n");
    m_out.Write(indent, "ReportViewer1.LocalReport.DataSources.Add(datasource);\n");
}
