#include "gen_classic/ReportSectionWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>
#include <functional>

namespace
{
const char* const quoteMark = "\"'\"";
const char* const borderedTableOpen =
    "<TABLE align=center border=1 cellPadding=2 cellSpacing=1 class=tableborder2 width=\"98%%\">\n";
const char* const listArguments =
    "glb_con,glb_ReportField_FieldName,glb_ReportField_FieldType,glb_ReportField_DisplayName,"
    "glb_ReportField_Width,glb_ReportField_Alignment,glb_ReportField_IsLink,"
    "glb_ReportField_LinkPage,glb_SequenceNo_Params,glb_UpdLink_Params,glb_DelLink_Params";

int ColumnCount(const ReportGroup& group)
{
    return static_cast<int>(group.GetReportFields().size());
}

// Procedure name as a statement calls it, "$", the caller variables of its pairs joined by "$",
// then "%", front and back field names.
CString ComboValue(const FieldRepData& data)
{
    const ProcedureInvokation* call = data.GetDataProcedure();
    if (call == nullptr || call->GetProcedure() == nullptr)
        return {};
    CString value = SqlServerCalledName(SqlProcedureName(call->GetProcedure()->GetName()));
    for (VariablePair* pair : call->GetVariablePairs())
        value += "$" + (pair->second != nullptr ? pair->second->GetFieldName() : CString());
    value += "%";
    if (data.GetFrontField() != nullptr)
        value += data.GetFrontField()->GetFieldName();
    value += "%";
    if (data.GetBackField() != nullptr)
        value += data.GetBackField()->GetFieldName();
    return value;
}

CString DisplayName(const ProcedureFieldInfo* info)
{
    CString name;
    if (info != nullptr)
        info->GetDisplayName(name);
    return name;
}

CString KeyName(const Procedure* procedure)
{
    Table* table = procedure != nullptr ? procedure->GetMainTable() : nullptr;
    Field* key = table != nullptr ? table->GetPrimaryKeyField() : nullptr;
    return key != nullptr ? key->GetFieldName() : CString();
}

Procedure* ProcedureOf(const ReportGroup& group)
{
    ProcedureInvokation* call = group.GetProcedureCall();
    return call != nullptr ? call->GetProcedure() : nullptr;
}

// One array line: the prefix, a value per column joined by ",", the closing quote.
void WriteArray(TextFile& out, int indent, const char* prefix, const ReportGroup& group,
                const std::function<void(const ReportField&)>& value)
{
    out.Write(indent, prefix);
    const auto& columns = group.GetReportFields();
    for (size_t i = 0; i < columns.size(); ++i)
    {
        if (i > 0)
            out.Write(0, ",");
        value(*columns[i]);
    }
    out.Write(0, "\"\n");
}

// The name inside the brackets of a SQL Server name, in a VBScript string: "]" doubled.
CString BracketedPart(const CString& name)
{
    const CString quoted = SqlServerName(name);
    return VbsLiteral(quoted.Mid(1, quoted.GetLength() - 2));
}

// The page's VBScript function that makes the text of a call of the procedure.

CString QueryFunctionName(const Procedure& procedure)
{
    return VBScriptIdentifier("FuncProc_" + procedure.GetName());
}
} // namespace

ReportSectionWriter::ReportSectionWriter(AspFile* file, ApplicationReport* report)
    : m_file(file), m_report(report)
{
}

Field* ReportSectionWriter::PairField(const ProcedureInvokation& call,
                                      const VariablePair& pair) const
{
    FieldVariableMap parameter;
    if (call.GetProcedure() != nullptr &&
        call.GetProcedure()->FindFieldParameterByVariable(parameter, pair.first) &&
        parameter.field != nullptr)
        return parameter.field;
    FieldVariableMap* map = m_report->FindFieldVariableMapByVariable(pair.second);
    return map != nullptr ? map->field : nullptr;
}

void ReportSectionWriter::WriteQueryAssignment(const ProcedureInvokation* call, const char* name,
                                               int indent)
{
    if (call == nullptr || call->GetProcedure() == nullptr)
        return;
    for (const VariablePair* pair : call->GetVariablePairs())
    {
        const Field* field = PairField(*call, *pair);
        if (field != nullptr && pair->second != nullptr && !IsQuotedSqlField(field))
            WriteBareValueCheck(m_text, indent, VbsVariableName(*pair->second));
    }
    m_text.Write(indent, "%s = \"%s \"", name, ProcedureCallName(call->GetProcedure()->GetName()));
    WriteParameterTail(*call);
    m_text.Write(0, "\n");
}

// The main table's values first, then those of the other tables; quoted values stand between
// apostrophes and go through SingleQuoteToDouble.
void ReportSectionWriter::WriteParameterTail(const ProcedureInvokation& call)
{
    const auto& pairs = call.GetVariablePairs();
    Procedure* procedure = call.GetProcedure();
    size_t written = 0;
    auto writePass = [&](const Table* table, bool afterFirstPass)
    {
        CString separator;
        bool first = true;
        for (size_t i = 0; i < pairs.size(); ++i)
        {
            const VariablePair& pair = *pairs[i];
            Field* field = PairField(call, pair);
            if (field == nullptr || pair.second == nullptr || field->GetTable() != table)
                continue;
            if (first && afterFirstPass)
                m_text.Write(0, " %s", " & \",\" ");
            first = false;
            const bool quoted = IsQuotedSqlField(field);
            if (quoted)
                m_text.Write(0, "%s& %s & SingleQuoteToDouble(%s)", separator, quoteMark,
                             VbsVariableName(*pair.second));
            else
                m_text.Write(0, "%s& %s", separator, VbsVariableName(*pair.second));
            ++written;
            if (i + 1 == pairs.size() && quoted)
                m_text.Write(0, " & %s", quoteMark);
            separator = quoted ? " & \"',\" " : " & \",\" ";
        }
    };
    Table* main = procedure != nullptr ? procedure->GetMainTable() : nullptr;
    writePass(main, false);
    if (written >= pairs.size() || procedure == nullptr)
        return;
    const bool afterFirstPass = written > 0;
    for (Table* table : procedure->GetTables())
        if (table != main)
            writePass(table, afterFirstPass);
}

void ReportSectionWriter::WriteArgumentNames(const ProcedureInvokation& call)
{
    const auto& parameters = call.GetProcedure()->GetFieldParameters();
    for (size_t i = 0; i < parameters.size(); ++i)
    {
        VariablePair* pair = call.FindVariablePair(parameters[i].variable);
        if (pair == nullptr || pair->second == nullptr)
            continue;
        m_text.Write(0, "%s", VbsVariableName(*pair->second));
        if (i + 1 < parameters.size())
            m_text.Write(0, ", ");
    }
}

void ReportSectionWriter::WriteQueryFunction(const ReportGroup& group, int indent)
{
    Procedure* procedure = ProcedureOf(group);
    if (procedure == nullptr || procedure->GetFieldParameters().empty())
        return;
    const ProcedureInvokation& call = *group.GetProcedureCall();
    m_text.Write(indent, "Function %s(", QueryFunctionName(*procedure));
    WriteArgumentNames(call);
    m_text.Write(0, ")\n");
    m_text.Write(indent + 1, "strParam = \"\"\n");
    m_text.Write(indent + 1, "strQry = \"[%s_\"\n\n",
                 BracketedPart(SqlProcedureName(procedure->GetName())));
    const auto& parameters = procedure->GetFieldParameters();
    for (size_t i = 0; i < parameters.size(); ++i)
    {
        VariablePair* pair = call.FindVariablePair(parameters[i].variable);
        if (parameters[i].field == nullptr || pair == nullptr || pair->second == nullptr)
            continue;
        const CString value = VbsVariableName(*pair->second);
        const bool quoted = IsQuotedSqlField(parameters[i].field);
        const char* joint = i + 1 < parameters.size() ? "_" : "";
        m_text.Write(indent + 1, quoted ? "If %s = \"\" Then\n" : "If %s = 0 Then\n", value);
        m_text.Write(indent + 2, "strQry = strQry & \"All%s\"\n", joint);
        m_text.Write(indent + 1, "else\n");
        m_text.Write(indent + 2, "strQry = strQry & \"%s%s\"\n",
                     BracketedPart(parameters[i].field->GetFieldName()), joint);
        m_text.Write(indent + 2, "if %s <> \"\" then\n", value);
        if (quoted)
            m_text.Write(indent + 3,
                         "strParam = strParam & \"'\" & SingleQuoteToDouble(%s) & \"',\"\n", value);
        else
        {
            WriteBareValueCheck(m_text, indent + 3, value);
            m_text.Write(indent + 3, "strParam = strParam &  %s & \",\"\n", value);
        }
        m_text.Write(indent + 2, "end if\n");
        m_text.Write(indent + 1, "end if\n");
    }
    m_text.Write(indent + 1, "strQry = strQry & \"] \" & strParam\n");
    m_text.Write(indent + 1, "strQry = Left(strQry, len(strQry)-1)\n");
    m_text.Write(indent + 1, "%s = strQry\n", QueryFunctionName(*procedure));
    m_text.Write(indent, "End Function\n");
}

void ReportSectionWriter::WriteLinkAddress(const ReportGroup& group, const ReportField& column)
{
    AspFile* target = column.GetAspFile();
    if (target != nullptr)
        m_text.Write(0, "%s", PageAddress(target, true));
    const auto& bindings = column.GetBindings();
    if (bindings.empty())
        return;
    m_text.Write(0, "?");
    const ReportFieldBinding* keyBinding = nullptr;
    size_t keyIndex = 0;
    for (size_t i = 0; i < bindings.size(); ++i)
    {
        const ReportFieldBinding& binding = *bindings[i];
        CString source;
        if (binding.m_sourceControl != nullptr && binding.m_sourceControl->GetField())
            source = binding.m_sourceControl->GetField()->GetFieldName();
        else if (binding.m_sourceVariable != nullptr)
            source = binding.m_sourceVariable->GetFieldName();
        else if (binding.m_sourceColumn != nullptr)
            source = VbsLiteral(DisplayName(binding.m_sourceColumn));
        else
        {
            keyBinding = &binding;
            keyIndex = i;
            continue;
        }
        m_text.Write(0, "%s=%s", binding.m_target->GetFieldName(), source);
        if (i + 1 < bindings.size())
            m_text.Write(0, "&");
    }
    if (keyBinding != nullptr)
        m_text.Write(0, keyIndex + 1 == bindings.size() ? "%s=%s" : "&%s=%s",
                     keyBinding->m_target->GetFieldName(), KeyName(ProcedureOf(group)));
}

void ReportSectionWriter::WriteColumnArrays(const ReportGroup& group, int indent)
{
    if (m_report->GetReportKind() != 2)
    {
        m_text.Write(indent, "ListPage = \"%s?strQry=strQry\"", PageAddress(m_file, true));
        if (group.GetProcedureCall() != nullptr)
            WriteParameterTail(*group.GetProcedureCall());
        m_text.Write(0, "\n");
    }
    WriteArray(m_text, indent, "glb_ReportField_FieldName\t= \"", group,
               [this](const ReportField& column)
               {
                   m_text.Write(0, "%s",
                                VbsLiteral(column.GetFieldInfo() != nullptr
                                               ? DisplayName(column.GetFieldInfo())
                                               : column.GetName()));
               });
    WriteArray(m_text, indent, "glb_ReportField_FieldType\t= \"", group,
               [this](const ReportField& column)
               {
                   if (column.IsImageFromFileContent())
                       m_text.Write(0, "Image-%i-%i", column.GetImageWidth(),
                                    column.GetImageHeight());
                   else if (column.IsMoney())
                       m_text.Write(0, "money");
                   else if (column.GetFieldInfo() != nullptr &&
                            column.GetFieldInfo()->GetField() != nullptr)
                       m_text.Write(0, "%s", column.GetFieldInfo()->GetField()->GetTypeName());
               });
    WriteArray(m_text, indent, "glb_ReportField_DisplayName\t= \"", group,
               [this](const ReportField& column)
               {
                   CString name = column.GetName();
                   if (name.IsEmpty() && column.GetFieldInfo() != nullptr)
                       column.GetFieldInfo()->GetCaption(name);
                   m_text.Write(0, "%s", VbsLiteral(EscapeHtmlText(name)));
               });
    WriteArray(m_text, indent, "glb_ReportField_Width\t= \"", group,
               [this](const ReportField& column) { m_text.Write(0, "%d", column.GetWidth()); });
    WriteArray(m_text, indent, "glb_ReportField_Alignment\t= \"", group,
               [this](const ReportField& column)
               {
                   static const char* const names[] = {"left", "center", "right"};
                   const int code = column.GetAlignment();
                   if (code >= 0 && code <= 2)
                       m_text.Write(0, "%s", names[code]);
               });
    WriteArray(m_text, indent, "glb_ReportField_IsLink\t= \"", group,
               [this](const ReportField& column)
               { m_text.Write(0, column.GetAspFile() != nullptr ? "Y" : "N"); });
    WriteArray(m_text, indent, "glb_ReportField_LinkPage\t= \"", group,
               [this, &group](const ReportField& column) { WriteLinkAddress(group, column); });
}

void ReportSectionWriter::WriteGroupArguments(const ReportGroup& group)
{
    if (group.GetProcedureCall() == nullptr)
        return;
    const auto& pairs = group.GetProcedureCall()->GetVariablePairs();
    for (size_t i = 0; i < pairs.size(); ++i)
        m_text.Write(0, "%s%s",
                     pairs[i]->second != nullptr ? VbsVariableName(*pairs[i]->second) : CString(),
                     i + 1 < pairs.size() ? "," : "");
}

// Values after the id, each after a comma; quoted ones between apostrophes.
void ReportSectionWriter::WriteInnerParameterTail(const ProcedureInvokation& call)
{
    bool first = true;
    for (VariablePair* pair : call.GetVariablePairs())
    {
        FieldVariableMap* map = m_report->FindFieldVariableMapByVariable(pair->second);
        if (map == nullptr)
            continue;
        if (first)
            m_text.Write(0, "&\"");
        first = false;
        m_text.Write(0, ",");
        if (IsQuotedSqlField(map->field))
            m_text.Write(0, "'\"&SingleQuoteToDouble(%s)&\"'", VbsVariableName(*pair->second));
        else
            m_text.Write(0, "\"&%s&\"", VbsVariableName(*pair->second));
    }
    if (!first)
        m_text.Write(0, "\"");
    m_text.Write(0, "\n");
}

void ReportSectionWriter::WriteShowOutputFunctions()
{
    const auto& groups = m_report->GetReportGroups();
    if (groups.size() < 2)
        return;
    const int last = static_cast<int>(groups.size()) - 1;
    const int span = static_cast<int>(groups.back()->GetReportFields().size());
    m_text.Write(0, "<%%\n");
    for (int level = 0; level < last; ++level)
    {
        const ReportGroup& group = *groups[level];
        if (level == 0)
        {
            m_text.Write(0, "FUNCTION ShowOutput_%d(", 0);
            WriteGroupArguments(group);
            m_text.Write(0, ")\n\n");
        }
        else
            m_text.Write(0, "FUNCTION ShowOutput_%d(id)\n\n", level);
        m_text.Write(1, "Dim rsReport%d, strQry%d \n\n", level, level);
        m_text.Write(1, "set rsReport%d = server.CreateObject(\"ADODB.RecordSet\")\n", level);
        const CString query = "strQry" + CString(std::to_string(level).c_str());
        if (level == 0)
            WriteQueryAssignment(group.GetProcedureCall(), query, 1);
        else if (ProcedureOf(group) != nullptr)
        {
            WriteBareValueCheck(m_text, 1, "id");
            m_text.Write(1, "%s = \"%s \" & id\n", query,
                         ProcedureCallName(ProcedureOf(group)->GetName()));
        }
        m_text.Write(1, "rsReport%d.Open strQry%d,glb_con,1,2\n\n", level, level);
        m_text.Write(1, "If rsReport%d.EOF Then\n", level);
        m_text.Write(1, "Else\n");
        m_text.Write(3, "While Not rsReport%d.EOF\n", level);
        m_text.Write(3, "%%>\n");
        if (!group.GetReportFields().empty())
        {
            m_text.Write(3, "<tr>\n");
            for (ReportField* column : group.GetReportFields())
                m_text.Write(4,
                             "<td colspan=%d class=\"menutitle\" "
                             "bgcolor=<%%=glb_bgBlank%%>><%%=rsreport%d(\"%s\")%%></td>\n",
                             span, level,
                             VbsLiteral(column->GetFieldInfo() != nullptr
                                            ? DisplayName(column->GetFieldInfo())
                                            : column->GetName()));
            m_text.Write(3, "</tr>\n");
        }
        m_text.Write(3, "<%%\n\n");
        const CString key = group.GetNextProcKey() != nullptr ? DisplayName(group.GetNextProcKey())
                                                              : KeyName(ProcedureOf(group));
        if (!key.IsEmpty())
            m_text.Write(3, "call ShowOutput_%d(rsReport%d(\"%s\"))\n\n", level + 1, level,
                         VbsLiteral(key));
        m_text.Write(3, "rsReport%d.MoveNext\n", level);
        m_text.Write(2, "Wend\n");
        m_text.Write(1, "End If\n");
        m_text.Write(1, "rsReport%d.Close\n", level);
        m_text.Write(1, "set rsReport%d = Nothing\n\n", level);
        m_text.Write(0, "END FUNCTION\n\n");
    }
    const ReportGroup& lastGroup = *groups.back();
    m_text.Write(0, "FUNCTION ShowOutput_%d(id)\n\n", last);
    m_text.Write(1, "Dim strQry%d\n", last);
    if (ProcedureOf(lastGroup) != nullptr)
    {
        WriteBareValueCheck(m_text, 1, "id");
        for (const VariablePair* pair : lastGroup.GetProcedureCall()->GetVariablePairs())
        {
            const FieldVariableMap* map = m_report->FindFieldVariableMapByVariable(pair->second);
            if (map != nullptr && !IsQuotedSqlField(map->field))
                WriteBareValueCheck(m_text, 1, VbsVariableName(*pair->second));
        }
        m_text.Write(1, "%s = \"%s \" &id", "strQry" + CString(std::to_string(last).c_str()),
                     ProcedureCallName(ProcedureOf(lastGroup)->GetName()));
        WriteInnerParameterTail(*lastGroup.GetProcedureCall());
    }
    WriteColumnArrays(lastGroup, 1);
    m_text.Write(1,
                 "call Show_ResultList_InnerGroup(strQry%d,glb_con,glb_ReportField_FieldName,"
                 "glb_ReportField_FieldType,glb_ReportField_Width,glb_ReportField_Alignment,"
                 "glb_ReportField_IsLink,glb_ReportField_LinkPage)\n\n",
                 last);
    m_text.Write(0, "END FUNCTION\n\n");
    m_text.Write(0, "%%>\n");
}

bool ReportSectionWriter::OwnedByReport() const
{
    return dynamic_cast<ApplicationReport*>(m_file->GetOwnerPage()) != nullptr;
}

// The grid-column count for a grid report, else the columns of the group plus one.
int ReportSectionWriter::GridOrColumnSpan(const ReportGroup& columnsOf) const
{
    return m_report->GetReportKind() == 2 ? m_report->GetColumnLayout()
                                          : ColumnCount(columnsOf) + 1;
}

int ReportSectionWriter::HeadingSpan(const ReportGroup& group) const
{
    const auto& groups = m_report->GetReportGroups();
    return GridOrColumnSpan(groups.size() > 1 ? *groups.back() : group);
}

void ReportSectionWriter::WriteSection(int indent, bool withTable)
{
    const auto& groups = m_report->GetReportGroups();
    if (groups.size() >= 2)
    {
        WriteGroupedSection(indent, withTable);
        return;
    }
    if (withTable)
        m_text.Write(indent, borderedTableOpen);
    if (!groups.empty())
    {
        const ReportGroup& group = *groups.back();
        WriteTitleRow(group, indent);
        if (m_file->GetFileKind() != 10)
            WriteFilterArea(group, indent);
        WriteResultBlock(group, indent + 1);
        WritePrintFooter(group, indent + 1);
    }
    if (withTable)
        m_text.Write(indent, "</TABLE>\n\n");
}

void ReportSectionWriter::WriteTitleRow(const ReportGroup& group, int indent)
{
    const int span =
        m_report->GetReportKind() == 2 ? m_report->GetColumnLayout() : ColumnCount(group) + 1;
    m_text.Write(indent + 1, "<TR>\n");
    m_text.Write(indent + 2,
                 "<TD align = center bgColor = <%%=glb_bgBlank%%> class = heading colspan = %d> "
                 "%s </TD>\n",
                 span, EscapeHtmlText(m_report->GetFormName()));
    m_text.Write(indent + 1, "</TR>\n\n");
}

void ReportSectionWriter::WriteFilterArea(const ReportGroup& group, int indent)
{
    const auto& filters = group.GetFilters();
    const bool byReport = OwnedByReport();
    if (byReport && !filters.empty())
    {
        m_text.Write(4, "<TR>\n");
        m_text.Write(5,
                     "<TD align = center bgColor = <%%=glb_bgBlank%%> class = heading colspan = "
                     "%d>\n",
                     HeadingSpan(group));
        m_text.Write(6, "<TABLE align=center border=0 cellPadding=2 cellSpacing=1 "
                        "class=tableborder2 width=\"100%%\">\n");
    }
    bool allHidden = false;
    if (!filters.empty())
    {
        std::vector<FieldRep*> visible;
        for (FieldRep* filter : filters)
        {
            const bool excluded = std::any_of(m_excluded.begin(), m_excluded.end(),
                                              [filter](const FieldRep* other)
                                              { return other->GetField() == filter->GetField(); });
            if (!excluded)
                visible.push_back(filter);
        }
        const CString formName = "frm" + ScriptNamePart(m_report->GetFormName());
        FormControlWriter(m_file).WriteFieldGrid(visible, 2, formName, m_text, 6);
        allHidden = visible.empty();
    }
    const auto& groups = m_report->GetReportGroups();
    const bool lastGroup = groups.size() == 1 || (!groups.empty() && groups.back() == &group);
    bool showCell = false;
    if (byReport)
    {
        const int kind = m_report->GetReportKind();
        const bool anyFilters =
            std::any_of(groups.begin(), groups.end(),
                        [](const ReportGroup* g) { return !g->GetFilters().empty(); });
        if (lastGroup && (kind == 4 || kind == 2 || kind == 1) && anyFilters)
        {
            m_text.Write(indent + 1, "<TR>\n");
            WriteShowCell(group, indent, allHidden);
            m_text.Write(indent + 1, "</TR>\n");
            showCell = true;
        }
        if (!filters.empty())
        {
            m_text.Write(indent, "</TABLE>\n");
            m_text.Write(indent - 1, "</TD>\n");
            m_text.Write(indent - 2, "</TR>\n");
        }
    }
    if (!showCell && lastGroup)
        WriteHiddenInputs(indent);
}

void ReportSectionWriter::WriteShowCell(const ReportGroup& group, int indent, bool allHidden)
{
    AspFile* first = m_report->GetAspFileAt(0);
    const bool reportPage =
        first != nullptr && dynamic_cast<ApplicationReport*>(first->GetOwnerPage()) != nullptr;
    const auto& groups = m_report->GetReportGroups();
    const int span =
        reportPage ? GridOrColumnSpan(groups.size() > 1 ? *groups.back() : *groups[0]) : 0;
    m_text.Write(indent + 2,
                 "<TD colspan = %d align=right bgColor=<%%=glb_bgBlank%%> width = \"25%%\">\n",
                 span != 0 ? span : 4);
    WriteHiddenInputs(indent + 3);
    if ((!group.GetFilters().empty() || groups.size() >= 2) && !allHidden)
        WriteShowButtonLine(m_text, indent + 3);
    m_text.Write(indent + 2, "</TD>\n");
}

void ReportSectionWriter::WriteHiddenInputs(int indent)
{
    WriteHiddenActionInputs(m_text, indent, *m_report);
    std::vector<ReportField*> buttons;
    m_report->CollectButtonReportFields(buttons);
    for (ReportField* button : buttons)
        for (ReportFieldBinding* binding : button->GetControlProperty()->GetBindings())
            if (binding->m_sourceColumn != nullptr)
                m_text.Write(indent, "<INPUT type = \"hidden\" name = %s >\n",
                             DisplayName(binding->m_sourceColumn));
}

void ReportSectionWriter::WriteResultBlock(const ReportGroup& group, int indent)
{
    m_text.Write(indent, "<%%\n");
    const ProcedureInvokation* call = group.GetProcedureCall();
    Procedure* procedure = ProcedureOf(group);
    if (procedure != nullptr && !procedure->GetFieldParameters().empty())
    {
        m_text.Write(indent + 1, "strQry = %s(", QueryFunctionName(*procedure));
        WriteArgumentNames(*call);
        m_text.Write(0, ")\n");
    }
    else
        WriteQueryAssignment(call, "strQry", indent + 1);
    WriteColumnArrays(group, indent + 1);
    WriteLinkSettings(indent + 1);
    WriteControlArrays(group, indent + 1);
    WritePrintArrays(group, indent + 1);
    m_text.Write(indent + 1, "ReportSubHeader = \"%s\"\n",
                 VbsLiteral(EscapeHtmlText(m_report->GetSubHeader())));
    WriteResultListCall(group, indent + 1);
    WriteQueryFunction(group, indent + 1);
    m_text.Write(indent, "%%>\n");
}

void ReportSectionWriter::WriteResultListCall(const ReportGroup& group, int indent)
{
    AspFile* first = m_report->GetAspFileAt(0);
    auto* pagingReport =
        first != nullptr ? dynamic_cast<ApplicationReport*>(first->GetOwnerPage()) : nullptr;
    const bool paging = pagingReport != nullptr && pagingReport->IsPagingRequired();
    switch (m_report->GetReportKind())
    {
    case 2:
        m_text.Write(indent, "nCols = %d\n", m_report->GetColumnLayout());
        m_text.Write(indent, "call Show_ResultList_Grid(strQry,nCols,%s)\n", listArguments);
        break;
    case 1:
        if (paging)
            m_text.Write(indent, "call Show_ResultList_Paging(strQry,ListPage,%s)\n",
                         listArguments);
        else if (std::any_of(group.GetReportFields().begin(), group.GetReportFields().end(),
                             [](const ReportField* column)
                             {
                                 return column->GetControlProperty() != nullptr &&
                                        column->GetControlProperty()->GetControl() != nullptr;
                             }))
            m_text.Write(indent,
                         "call Show_ResultList_Control(strQry,ListPage,%s,"
                         "glb_ReportField_ControlType,glb_ReportField_ControlValue)\n",
                         listArguments);
        else
            m_text.Write(indent, "call Show_ResultList_Plain(strQry,ListPage,%s)\n", listArguments);
        break;
    case 4:
        m_text.Write(indent,
                     "call Show_ResultList_Notepad(strQry,glb_con,glb_ReportField_FieldName,"
                     "glb_ReportField_FieldType,glb_ReportField_DisplayName)\n");
        break;
    default:
        break;
    }
}

void ReportSectionWriter::WriteLinkSettings(int indent)
{
    FormInterface* owner = m_file->GetOwnerPage();
    bool update = false;
    bool remove = false;
    CString table;
    if (auto* map = dynamic_cast<MapForm*>(owner))
    {
        Table* mapping = map->GetMappingTable();
        table = mapping != nullptr ? ScriptNamePart(mapping->GetTableName()) : CString();
        const PageTableFlags flags =
            map->GetBottomMasterForm() != nullptr
                ? map->GetBottomMasterForm()->GetTableFlags(map->GetBottomMasterForm()->GetTable())
                : map->GetTableFlags(mapping);
        update = flags.table != nullptr && flags.firstFlag;
        remove = flags.table != nullptr && flags.secondFlag;
    }
    else if (dynamic_cast<Form*>(owner) == nullptr && !OwnedByReport())
        return;
    if (update)
        m_text.Write(indent, "glb_UpdLink_Params\t\t= \"Y, fn_GetRecord_%s\"\n", table);
    else
        m_text.Write(indent, "glb_UpdLink_Params\t\t= \"N, \"\n");
    if (remove)
        m_text.Write(indent, "glb_DelLink_Params\t\t= \"Y, fn_RemoveRecord_%s\"\n", table);
    else
        m_text.Write(indent, "glb_DelLink_Params\t\t= \"N, \"\n");
}

CString ReportSectionWriter::GetButtonControlValue(const ReportFieldControlProperty& property)
{
    if (property.GetProcedure() == nullptr)
        return {};
    CString names = SqlServerCalledName(SqlProcedureName(property.GetProcedure()->GetName()));
    CString sources;
    for (ReportFieldBinding* binding : property.GetBindings())
    {
        const bool column = binding->m_sourceColumn != nullptr;
        names += "$";
        names += column                                 ? DisplayName(binding->m_sourceColumn)
                 : binding->m_sourceVariable != nullptr ? binding->m_sourceVariable->GetFieldName()
                                                        : CString();
        sources += sources.IsEmpty() ? "" : "#";
        sources += column ? "Y" : "N";
    }
    return names + "#" + sources;
}

void ReportSectionWriter::WriteControlArrays(const ReportGroup& group, int indent)
{
    WriteArray(m_text, indent, "glb_ReportField_ControlType = \"", group,
               [this](const ReportField& column)
               {
                   if (column.GetControlProperty() != nullptr &&
                       column.GetControlProperty()->GetControl() != nullptr)
                       m_text.Write(
                           0, "%s",
                           column.GetControlProperty()->GetControl()->GetControlTypeName());
               });
    const auto& columns = group.GetReportFields();
    for (size_t i = 0; i < columns.size(); ++i)
    {
        const ReportFieldControlProperty* property = columns[i]->GetControlProperty();
        if (property != nullptr)
        {
            const FieldRep* control = property->GetControl();
            const FieldRepData* data = control != nullptr ? control->GetFieldRepData() : nullptr;
            CString value;
            if (data != nullptr)
                switch (data->GetControlKind())
                {
                case FieldRepData::ComboBox:
                case FieldRepData::MultipleComboBox:
                    value = ComboValue(*data);
                    break;
                case FieldRepData::RadioButton:
                    value = data->GetStoredValues();
                    value.Replace(",", "$");
                    break;
                case FieldRepData::Button:
                    value = GetButtonControlValue(*property);
                    break;
                default:
                    break;
                }
            m_text.Write(indent, "glb_ReportField_ControlValue = \"%s\"\n", VbsLiteral(value));
        }
        if (i + 1 < columns.size())
            m_text.Write(indent,
                         "glb_ReportField_ControlValue = glb_ReportField_ControlValue &\",\"\n");
    }
    if (!columns.empty())
        m_text.Write(0, "\n");
}

void ReportSectionWriter::WritePrintArrays(const ReportGroup& group, int indent)
{
    if (!OwnedByReport())
        return;
    m_text.Write(0, "\n");
    for (const char* array : {"FieldName", "FieldType", "DisplayName", "Width", "Alignment"})
        m_text.Write(indent, "glb_ReportField_%s_Print = Replace(glb_ReportField_%s,\",\",\":\")\n",
                     array, array);
    m_text.Write(indent, "strReportHeader = \"%s<BR>\"",
                 VbsLiteral(EscapeXml(
                     group.GetReport() != nullptr ? group.GetReport()->GetFormName() : CString())));
    for (FieldRep* filter : group.GetFilters())
    {
        if (filter->GetFieldRepData() == nullptr)
            continue;
        FieldVariableMap* map = m_report->FindFieldVariableMapByField(filter->GetField());
        m_text.Write(0, "&\"%s\"&%s",
                     VbsLiteral(EscapeXml(filter->GetFieldRepData()->GetCaption())),
                     map != nullptr && map->variable != nullptr ? VbsVariableName(*map->variable)
                                                                : CString());
    }
    m_text.Write(0, "\n");
}

void ReportSectionWriter::WritePrintFooter(const ReportGroup& group, int indent)
{
    if (!OwnedByReport())
        return;
    m_text.Write(indent, "<!--TR>\n");
    m_text.Write(indent + 1, "<TD align=right bgColor=<%%=glb_bgBlank%%> colspan=\"%d\">\n",
                 ColumnCount(group) + 1);
    m_text.Write(indent + 2, "<INPUT type=\"hidden\" name=\"strQry\" value=\"<%%=strQry%%>\">\n");
    m_text.Write(indent + 2, "<INPUT type=\"hidden\" name=\"strReportHeader\" "
                             "value=\"<%%=strReportHeader%%>\">\n");
    for (const char* array : {"FieldName", "FieldType", "DisplayName", "Width", "Alignment"})
        m_text.Write(indent + 2,
                     "<INPUT type=\"hidden\" name=\"glb_ReportField_%s\" "
                     "value=\"<%%=glb_ReportField_%s_Print%%>\">\n",
                     array, array);
    m_text.Write(indent + 2, "<INPUT type=\"button\" class=\"button\" name=\"cmdPrint\" "
                             "value=\"Print\" OnClick=\"fn_print();\">\n");
    m_text.Write(indent + 1, "</TD>\n");
    m_text.Write(indent, "</TR-->\n");
}

void ReportSectionWriter::WriteGroupedSection(int indent, bool withTable)
{
    const auto& groups = m_report->GetReportGroups();
    if (withTable)
        m_text.Write(indent, borderedTableOpen);
    if (groups.empty())
    {
        if (withTable)
            m_text.Write(indent, "</TABLE>\n\n");
        return;
    }
    const ReportGroup& last = *groups.back();
    WriteTitleRow(last, indent);
    for (ReportGroup* group : groups)
        WriteFilterArea(*group, indent);
    if (!last.GetReportFields().empty())
    {
        m_text.Write(indent, "<tr bgColor = \"<%%=glb_bgBlank%%>\" class=\"menutitle\">\n");
        for (ReportField* column : last.GetReportFields())
            m_text.Write(indent + 1, "<th align='center' width=\"%d%%\">%s</th>\n",
                         column->GetWidth(), EscapeHtmlText(column->GetName()));
        m_text.Write(indent, "</tr>\n");
    }
    m_text.Write(indent, "<%%\n\n");
    m_text.Write(indent, "call ShowOutput_0(");
    WriteGroupArguments(*groups.front());
    m_text.Write(0, ")\n\n");
    m_text.Write(indent, "%%>\n\n");
    if (withTable)
        m_text.Write(indent, "</TABLE>\n\n");
}
