#include "gen_classic/PagePrologue.h"

#include "database/SqlText.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Table.h"
#include "model/TextFile.h"

PagePrologue::PagePrologue(AspFile* file, TextFile& out, std::vector<CString>& refusals)
    : m_file(file), m_out(out), m_refusals(refusals)
{
}

FormInterface* PagePrologue::Page() const
{
    return m_file != nullptr ? m_file->GetOwnerPage() : nullptr;
}

void PagePrologue::WritePagePrologue(const std::vector<CString>& names,
                                     const std::vector<FieldVariableMap*>& maps,
                                     const std::vector<FieldRep*>& reads, int indent)
{
    const int inner = indent + 1;
    WriteMenuFunctionNames(names, inner);
    if (!maps.empty())
    {
        WriteDimRun(maps, inner);
        const std::vector<const FieldVariableMap*> pairs = CollectRecomputePairs(reads);
        if (!pairs.empty())
        {
            m_out.Write(0, "\n");
            m_out.Write(inner, "Dim rsQry, strQry");
        }
        m_out.Write(0, "\n\n");
        const int kind = m_file != nullptr ? m_file->GetFileKind() : 0;
        for (const FieldVariableMap* pair : pairs)
        {
            if ((kind == 1 || kind == 5) && pair->field != nullptr && pair->field->IsKey())
                continue;
            WriteFieldRequestBlock(*pair, ControlOfField(reads, pair->field), inner);
        }
    }
    const int kind = m_file != nullptr ? m_file->GetFileKind() : 0;
    if (kind == 3 || kind == 7)
    {
        m_out.Write(0, "\n");
        m_out.Write(inner, "if Trim(Request(\"Recompute\")) <> \"\" then\n");
        m_out.Write(indent + 2, "Recompute = Trim(Request(\"Recompute\"))\n");
        m_out.Write(inner, "else\n");
        m_out.Write(indent + 2, "Recompute = 0\n");
        m_out.Write(inner, "end if\n");
    }
    m_out.Write(0, "\n");
    m_out.Write(inner, "call Check_Login()\n");
    m_out.Write(inner, "call OpenConnection()\n");
    m_out.Write(inner, "call GetCurrentFileAndDesignation()\n");
}

void PagePrologue::WriteDims(const std::vector<CString>& names,
                             const std::vector<FieldVariableMap*>& maps, int indent)
{
    WriteMenuFunctionNames(names, indent);
    if (maps.empty())
        return;
    WriteDimRun(maps, indent);
    m_out.Write(0, "\n\n");
}

void PagePrologue::WriteDimRun(const std::vector<FieldVariableMap*>& maps, int indent)
{
    bool first = true;
    for (const FieldVariableMap* map : maps)
    {
        if (WriteVariableDim(map, first, indent))
            first = false;
    }
}

void PagePrologue::WriteMenuFunctionNames(const std::vector<CString>& names, int indent)
{
    if (!names.empty())
    {
        CString joined;
        for (const CString& name : names)
            joined += (joined.IsEmpty() ? "" : ", ") + name;
        m_out.Write(indent, "Dim %s\n", joined);
    }
    const int kind = m_file != nullptr ? m_file->GetFileKind() : 0;
    if (kind == 2 || kind == 4 || kind == 6 || kind == 8 || kind == 9 || kind == 11)
        return;
    m_out.Write(indent, "Dim formTopMenuFunctionName, formLeftMenuFunctionName\n");
    m_out.Write(indent, "formTopMenuFunctionName = \"%s\"\n",
                m_file != nullptr ? MenuClickFunction(*m_file, true) : CString());
    m_out.Write(indent, "formLeftMenuFunctionName = \"%s\"\n",
                m_file != nullptr ? MenuClickFunction(*m_file, false) : CString());
}

bool PagePrologue::WriteVariableDim(const FieldVariableMap* map, bool first, int indent)
{
    if (map == nullptr || map->variable == nullptr ||
        map->variable->GetKind() == Variable::sharedKind)
        return false;
    m_out.Write(0, "%s%s%s", first ? CString('\t', indent) + "Dim " : CString(", "),
                VbsVariableName(*map->variable), CString());
    return true;
}

std::vector<const FieldVariableMap*>
PagePrologue::CollectRecomputePairs(const std::vector<FieldRep*>& controls) const
{
    std::vector<const FieldVariableMap*> pairs;
    for (const FieldRep* control : controls)
    {
        const FieldRepData* data = control != nullptr ? control->GetFieldRepData() : nullptr;
        if (data == nullptr ||
            GetFieldVisibilityCode(m_file, control->GetField()) == FieldVisibility::Invisible)
            continue;
        for (const EventRecmpFields* list : data->GetEventRecmpFieldsList())
        {
            for (const EventProcedureRecompute* recompute :
                 list != nullptr ? list->GetProcedureRecomputes()
                                 : std::vector<EventProcedureRecompute*>())
            {
                if (recompute == nullptr || recompute->invokation == nullptr)
                    continue;
                for (const FieldVariableMap* map : recompute->invokation->GetFieldVariableMaps())
                {
                    if (map != nullptr && map->variable != nullptr)
                        pairs.push_back(map);
                }
            }
        }
    }
    return pairs;
}

const FieldRep* PagePrologue::ControlOfField(const std::vector<FieldRep*>& controls,
                                             const Field* field)
{
    if (field == nullptr)
        return nullptr;
    for (const FieldRep* control : controls)
    {
        if (control != nullptr && control->GetField() == field)
            return control;
    }
    return nullptr;
}

void PagePrologue::WriteFieldRequestBlocks(const std::vector<FieldRep*>& controls, int indent)
{
    for (const FieldVariableMap* pair : CollectRecomputePairs(controls))
        WriteFieldRequestBlock(*pair, ControlOfField(controls, pair->field), indent + 1);
}

void PagePrologue::WriteRequestRead(const CString& variable, const CString& request,
                                    const Field* field, int indent)
{
    const bool date = field != nullptr && field->GetTypeCode() == FieldTypeDateTime;
    m_out.Write(indent, "%s = %sTrim(Request(\"%s\"))%s\n", variable,
                date ? CString("ConvertDate(") : CString(), request,
                date ? CString(")") : CString());
    WriteNumericGuard(m_out, indent, field, variable);
}

void PagePrologue::WriteFieldRequestBlock(const FieldVariableMap& map, const FieldRep* read,
                                          int indent)
{
    if (map.variable == nullptr ||
        GetFieldVisibilityCode(m_file, map.field) == FieldVisibility::Invisible)
        return;
    const CString variable = VbsVariableName(*map.variable);
    m_out.Write(indent, "if Trim(Request(\"%s\")) <> \"\" then\n", variable);
    WriteRequestRead(variable, variable, map.field, indent + 1);
    if (read != nullptr)
    {
        const CString id = read->GetControlId();
        m_out.Write(indent, "elseif Trim(Request(\"%s\")) <> \"\" then\n", id);
        WriteRequestRead(variable, id, map.field, indent + 1);
    }
    const CString value = map.variable->GetValue();
    if (!value.IsEmpty())
    {
        const VbsValue written = VariableValueText(map.field, variable, value);
        if (written.refusal.IsEmpty())
        {
            m_out.Write(indent, "else\n");
            m_out.Write(indent + 1, "%s = %s\n", variable, written.text);
        }
        else
            AddRefusal(m_refusals, written.refusal);
    }
    m_out.Write(indent, "end if\n");
}

void PagePrologue::WriteLoginCheckCalls()
{
    m_out.Write(0, "\n");
    m_out.Write(1, "call Check_Login()\n");
    m_out.Write(1, "call OpenConnection()\n");
    m_out.Write(1, "call GetCurrentFileAndDesignation()\n");
    m_out.Write(0, "\n");
}

void PagePrologue::WriteExtractDataFunction(const std::vector<FieldVariableMap*>& maps,
                                            const std::vector<Field*>& linkedFields,
                                            const std::vector<FieldRep*>& controls, bool withAction,
                                            int indent)
{
    m_out.Write(indent, "Function ExtractData()\n");
    if (withAction)
        m_out.Write(indent + 1, "sAct = Request(\"hiddenActionControl\")\n");
    m_out.Write(indent + 1, "redirToFile = Trim(Request(\"redirToFile\"))\n");
    for (const FieldVariableMap* map : maps)
    {
        if (map == nullptr || map->field == nullptr || map->variable == nullptr)
            continue;
        const Field* field = map->field;
        const CString variable = VbsVariableName(*map->variable);
        CString request;
        if (field->IsKey() ||
            std::find(linkedFields.begin(), linkedFields.end(), field) != linkedFields.end())
            request = variable;
        else if (const FieldRep* control = ControlOfField(controls, field))
        {
            const FieldRepData* data = control->GetFieldRepData();
            if ((data != nullptr && data->IsAddedBySync()) ||
                GetFieldVisibilityCode(m_file, field) == FieldVisibility::Invisible)
                request = variable;
            else
                request = control->GetControlId();
        }
        else
            continue;
        const FieldRep* pageControl =
            Page() != nullptr ? Page()->GetFieldRepForField(map->field) : nullptr;
        WriteRequestValue(pageControl, variable, request, indent);
        WriteNumericGuard(m_out, indent + 1, field, variable);
        if (!field->IsAllowNull())
            continue;
        if (field->IsForeignKey())
        {
            m_out.Write(indent + 1, "if %s = \"\" or %s = \"0\" then\n", variable, variable);
            m_out.Write(indent + 2, "%s = \"NULL\"\n", variable);
        }
        else if (IsQuotedSqlType(field->GetTypeCode()))
        {
            m_out.Write(indent + 1, "if %s = \"\" then\n", variable);
            m_out.Write(indent + 2, "%s = \"NULL\"\n", variable);
        }
        else
        {
            m_out.Write(indent + 1, "if %s = \"\" then\n", variable);
            m_out.Write(indent + 2, "%s = 0 \n", variable);
        }
        m_out.Write(indent + 1, "end if\n");
    }
    m_out.Write(indent, "End Function\n\n");
}

void PagePrologue::WriteRequestValue(const FieldRep* control, const CString& variable,
                                     const CString& request, int indent)
{
    const FieldRepData* data = control != nullptr ? control->GetFieldRepData() : nullptr;
    if (data != nullptr && data->GetControlKind() == FieldRepData::DateTime)
    {
        const CString id = control->GetControlId();
        m_out.Write(indent + 1,
                    "%s = MakeDateTimeVar(Trim(Request(\"%s\")), Trim(Request(\"lst_hrs_%s\")), "
                    "Trim(Request(\"lst_mins_%s\")))\n",
                    variable, request, id, id);
        return;
    }
    m_out.Write(indent + 1, "%s = Trim(Request(\"%s\"))\n", variable, request);
}

void PagePrologue::WriteReportFieldRequestReads(int indent)
{
    const auto* report = dynamic_cast<const ApplicationReport*>(Page());
    if (report == nullptr)
        return;
    std::vector<ReportField*> columns;
    report->CollectReportFields(columns);
    for (const ReportField* column : columns)
    {
        if (column == nullptr || !column->HasControl() || column->IsButton())
            continue;
        WriteRequestValue(column->GetControlFieldRep(), ColumnVariableName(*column),
                          VbsLiteral(ColumnRequestName(*column)), indent);
    }
}

bool PagePrologue::IsShortTest(const CString& name) const
{
    FormInterface* page = Page();
    Variable* variable = page->FindVariableByName(name);
    const Field* field = variable != nullptr ? page->GetMappedFieldOfVariable(variable) : nullptr;
    if (field != nullptr && field->IsForeignKey() && field->IsAllowNull())
        return true;
    return dynamic_cast<Transaction*>(page) != nullptr && field != nullptr &&
           page->FindDerivedFieldByField(const_cast<Field*>(field)) != nullptr;
}

bool PagePrologue::Qualifies(const Field* target) const
{
    const Table* table = target != nullptr ? target->GetTable() : nullptr;
    if (table == nullptr || table->GetKind() != Table::masterDetailKind)
        return true;
    const CString& name = table->GetTableName();
    const int kind = m_file->GetFileKind();
    return name.Find("_basic") >= 0 || (kind == 3 && name.Find("_detail") >= 0) || kind == 0;
}

void PagePrologue::WriteDerivedFieldQueries()
{
    FormInterface* page = Page();
    if (page == nullptr)
        return;
    std::vector<FieldRep*> entries;
    page->GetEventFieldReps(entries);
    if (const auto* report = dynamic_cast<const ApplicationReport*>(page))
    {
        for (const ReportGroup* group : report->GetReportGroups())
        {
            if (group != nullptr)
                entries.insert(entries.end(), group->GetFilters().begin(),
                               group->GetFilters().end());
        }
    }
    FormControlWriter controls(m_file);
    for (const FieldRep* entry : entries)
    {
        const FieldRepData* data = entry != nullptr ? entry->GetFieldRepData() : nullptr;
        if (data == nullptr ||
            GetFieldVisibilityCode(m_file, entry->GetField()) == FieldVisibility::Invisible)
            continue;
        for (const EventRecmpFields* list : data->GetEventRecmpFieldsList())
        {
            if (list == nullptr)
                continue;
            for (const EventProcedureRecompute* recompute : list->GetProcedureRecomputes())
            {
                if (recompute == nullptr || recompute->invokation == nullptr ||
                    !Qualifies(recompute->fieldRep != nullptr ? recompute->fieldRep->GetField()
                                                              : nullptr))
                    continue;
                const ProcedureInvokation& invokation = *recompute->invokation;
                std::vector<CString> names;
                for (const VariablePair* pair : invokation.GetVariablePairs())
                {
                    if (pair != nullptr && pair->second != nullptr)
                        names.push_back(VbsVariableName(*pair->second));
                }
                if (!names.empty())
                {
                    m_out.Write(2, "if ");
                    for (std::size_t i = 0; i < names.size(); ++i)
                    {
                        const CString joiner = i == 0 ? CString() : CString(" and");
                        if (IsShortTest(names[i]))
                            m_out.Write(0, "%s %s <> \"\"", joiner, names[i]);
                        else
                            m_out.Write(0, "%s %s <> \"\" and %s > 0", joiner, names[i], names[i]);
                    }
                    m_out.Write(0, " then\n");
                }
                const int inner = names.empty() ? 2 : 3;
                m_out.Write(inner, "Set rsQry = Server.CreateObject(\"ADODB.RecordSet\")\n");
                controls.WriteListQuery(m_out, &invokation, "strQry", inner);
                m_out.Write(inner, "rsQry.Open strQry,glb_con,1,2\n");
                controls.WriteRecordAssignments(m_out, invokation.GetFieldVariableMaps(), "rsQry",
                                                inner);
                m_out.Write(inner, "rsQry.Close\n");
                if (!names.empty())
                    m_out.Write(2, "end if\n");
                m_out.Write(0, "\n");
            }
        }
    }
}

void PagePrologue::WriteActionPageMain(const std::vector<FieldVariableMap*>& maps,
                                       const std::vector<CString>& names, bool withRemove,
                                       int indent)
{
    const int inner = indent + 1;
    WriteActionPageHeader(m_out);
    m_out.Write(0, "<%%\n");
    WriteMenuFunctionNames(names, inner);
    WriteDimRun(maps, inner);
    m_out.Write(0, "\n\n");
    m_out.Write(inner, "call ExtractData()\n\n");
    m_out.Write(inner, "call Check_Login()\n");
    m_out.Write(inner, "call OpenConnection()\n\n");
    if (withRemove)
    {
        m_out.Write(inner, "If sAct <> \"Remove\" Then\n");
        m_out.Write(inner + 1, "call ValidateData()\n");
        m_out.Write(inner, "End If\n\n");
    }
    else
        m_out.Write(inner, "call ValidateData()\n");
    m_out.Write(inner, "call ExecuteQuery()\n\n");
    m_out.Write(inner, "call CloseConnection()\n\n");
    m_out.Write(inner, "Response.Redirect (redir)\n\n");
}
