#include "gen_classic/MapFormPageWriter.h"

#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PageLinkWriter.h"
#include "gen_classic/PagePrologue.h"
#include "gen_classic/ProcedureCallText.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"

#include <algorithm>

MapFormPageWriter::MapFormPageWriter(ForgeonProject* project, MapForm& form,
                                     GenerationReport& report)
    : ClassicFormPageWriter(project, report, form), m_form(form), m_table(form.GetMappingTable())
{
}

void MapFormPageWriter::Write()
{
    for (AspFile* file : m_form.GetAspFiles())
    {
        m_file = file;
        if (file->GetFileKind() == 5)
            WriteMapPage();
        else if (file->GetFileKind() == 6)
            WriteActionPage();
        else
            continue;
        SaveInModule(file->GetClassicFileName(FALSE));
    }
}

bool MapFormPageWriter::HasBottomMaster() const
{
    return m_form.GetBottomMasterForm() != nullptr;
}

CString MapFormPageWriter::TableName() const
{
    return m_table != nullptr ? m_table->GetTableName() : CString();
}

CString MapFormPageWriter::KeyVariable() const
{
    return VariableName(m_form.GetKeyFieldVariableMap());
}

FieldRep* MapFormPageWriter::GetFieldControl(Field* field) const
{
    return field != nullptr ? m_form.GetFieldRepForField(field) : nullptr;
}

void MapFormPageWriter::CollectPostedFields()
{
    m_postedMaps.clear();
    m_postedControls.clear();
    for (FieldVariableMap* map : m_form.GetFieldVariableMaps())
    {
        if ((map->field != nullptr && map->field->IsDeletedFlagField()) ||
            map->variable == nullptr || map->variable->GetKind() == Variable::sharedKind)
            continue;
        // A variable of the bottom master form named as one of the page's own is one variable
        // of the page script, declared and read once.
        const CString name = VbsVariableName(*map->variable);
        if (std::any_of(m_postedMaps.begin(), m_postedMaps.end(),
                        [&name](const auto* posted)
                        { return VbsVariableName(*posted->variable).CompareNoCase(name) == 0; }))
            continue;
        m_postedMaps.push_back(map);
        if (FieldRep* control = GetFieldControl(map->field))
            m_postedControls.push_back(control);
    }
}

void MapFormPageWriter::CollectPageControls()
{
    m_form.GetTopFieldReps(m_pageControls);
    std::vector<FieldRep*> bottom;
    m_form.GetBottomFieldReps(bottom);
    m_pageControls.insert(m_pageControls.end(), bottom.begin(), bottom.end());
    for (const auto* inputs : {&m_form.GetTopInputFieldReps(), &m_form.GetBottomInputFieldReps()})
        m_pageControls.insert(m_pageControls.end(), inputs->begin(), inputs->end());
}

std::vector<FieldVariableMap*> MapFormPageWriter::CollectKindOneMaps() const
{
    std::vector<FieldVariableMap*> maps;
    for (FieldVariableMap* map : m_form.GetFieldVariableMaps())
        if (map->variable != nullptr && map->variable->GetKind() == Variable::pageKind)
            maps.push_back(map);
    return maps;
}

bool MapFormPageWriter::IsBottomMasterLink(const Field* field) const
{
    const Form* master = m_form.GetBottomMasterForm();
    const Field* target = field != nullptr ? field->GetForeignField() : nullptr;
    return master != nullptr && field->IsForeignKey() && target != nullptr &&
           target->GetTable() != nullptr && target->GetTable() == master->GetTable();
}

void MapFormPageWriter::WriteMapPage()
{
    LoadPageTemplate();
    CollectPostedFields();
    WriteServerScript();
    int position = InsertGeneratedText(FindIncludePosition(0));

    CollectPageControls();
    const CString formName = "frm" + ScriptNamePart(TableName());
    FormControlWriter controls(m_file);
    controls.WriteMapFormScripts(m_table, m_pageControls, RelativeUrlOfKind(6), m_textFile);
    if (HasBottomMaster())
        WriteRecordPickFunction();
    position = InsertGeneratedText(FindIncludePosition(position));

    m_indent = 6;
    PageLinkWriter links;
    links.WriteLinkTable(true, m_form, m_textFile, m_indent);
    controls.WriteFormOpen(formName, m_textFile, m_form.GetHeader(), m_indent, "strInfo");
    m_indent = 7;
    std::vector<FieldRep*> part;
    m_form.GetTopFieldReps(part);
    controls.WriteFieldGrid(part, 2, formName, m_textFile, m_indent);
    m_form.GetBottomFieldReps(part);
    controls.WriteFieldGrid(part, 2, formName, m_textFile, m_indent);
    WriteButtonRow(m_indent, 4);
    controls.WriteFormClose(m_textFile, 6, false);
    position = InsertGeneratedText(FindIncludePosition(position));
    if (m_form.GetReport() != nullptr)
        position = InsertListSection(m_form.GetReport(), m_indent, position);
    links.WriteLinkTable(false, m_form, m_textFile, m_indent);
    position = InsertGeneratedText(position);

    if (m_form.GetReport() != nullptr)
        CollectShowOutputFunctions(m_form.GetReport());
    WriteCloseConnection(0);
    InsertGeneratedText(FindIncludePosition(position));
}

void MapFormPageWriter::WriteServerScript()
{
    m_textFile.Write(0, "<%%\n");
    PagePrologue prologue = Prologue(m_file);
    prologue.WriteDims({"formType"}, m_postedMaps, 0);
    prologue.WriteFieldRequestBlocks(m_postedControls, 0);
    WriteFormTypeBlock();
    prologue.WriteLoginCheckCalls();
    if (HasBottomMaster())
    {
        m_textFile.Write(1, "if Trim(Request(\"Recompute\")) <> \"\" then\n");
        m_textFile.Write(2, "Recompute = Trim(Request(\"Recompute\"))\n");
        m_textFile.Write(1, "else\n");
        m_textFile.Write(2, "Recompute = 0\n");
        m_textFile.Write(1, "end if\n\n");
    }
    WriteExtractCalls();
    WriteDerivedFieldAssignments(&m_form);
    if (Form* master = m_form.GetBottomMasterForm())
        WriteDerivedFieldAssignments(master);
    WriteExtractData();
    if (HasBottomMaster())
        WriteExtractDataFromRecordSet();
    prologue.WriteDerivedFieldQueries();
    m_textFile.Write(0, "%%>\n");
}

void MapFormPageWriter::WriteFormTypeBlock()
{
    m_textFile.Write(1, "if Trim(Request(\"cmdadd\")) <> \"\" then\n");
    m_textFile.Write(2, "formType = Trim(Request(\"cmdadd\"))\n");
    m_textFile.Write(1, "else\n");
    m_textFile.Write(2, "formType = \"Add\"\n");
    m_textFile.Write(1, "end if\n");
    m_textFile.Write(1, "sAct = Request(\"hiddenActionControl\")\n");
}

void MapFormPageWriter::WriteExtractCalls()
{
    m_textFile.Write(1, "if sAct <> \"\" then\n");
    m_textFile.Write(2, "call ExtractData()\n");
    if (HasBottomMaster())
        m_textFile.Write(2, "call ExtractDataFromRecordSet()\n");
    m_textFile.Write(1, "end if\n");
}

void MapFormPageWriter::WriteExtractData()
{
    m_indent = 0;
    const bool actionPage = m_file->GetFileKind() == 6;
    m_textFile.Write(0, "Function ExtractData()\n");
    m_textFile.Write(1, "sAct = Request(\"hiddenActionControl\")\n");
    const CString key = KeyVariable();
    m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", key, key);
    WriteKeyGuard(m_textFile, 1, key);
    if (Form* master = m_form.GetBottomMasterForm())
    {
        const CString masterKey = VariableName(master->GetKeyFieldVariableMap());
        m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", masterKey, masterKey);
        WriteKeyGuard(m_textFile, 1, masterKey);
    }
    CString redirect;
    for (const FieldVariableMap* map : m_postedMaps)
    {
        Field* field = map->field;
        if (field != nullptr && field->IsKeyOrDeletedFlag())
            continue;
        const CString variable = VariableName(map);
        redirect += (redirect.IsEmpty() ? CString("\"") : CString("&\"&")) +
                    (field != nullptr ? field->GetFieldName() : variable) + "=\"&" +
                    UrlEncoded(variable);
        const FieldRep* control =
            field != nullptr ? GetFieldControl(field) : m_form.FindFieldRepForFieldVariableMap(map);
        const FieldRepData* data = control != nullptr ? control->GetFieldRepData() : nullptr;
        if (data == nullptr)
            continue;
        if (data->GetControlKind() == FieldRepData::DateTime)
        {
            const CString name =
                control->GetField() != nullptr ? control->GetField()->GetFieldName() : CString();
            m_textFile.Write(1, "%s = MakeDateTimeVar(%s, %s, %s)\n", variable,
                             "Trim(Request(\"" + control->GetControlId() + "\"))",
                             "Trim(Request(\"lst_hrs_" + name + "\"))",
                             "Trim(Request(\"lst_mins_" + name + "\"))");
        }
        else
            m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", variable,
                             IsBottomMasterLink(field) ? variable : control->GetControlId());
        WriteNumericGuard(m_textFile, 1, field, variable);
        if (actionPage && field != nullptr && field->IsAllowNull())
        {
            m_textFile.Write(1, "if %s = \"\" then\n", variable);
            m_textFile.Write(2, "%s = \"NULL\"\n", variable);
            m_textFile.Write(1, "end if\n");
        }
    }
    m_textFile.Write(1, "redirString = %s\n\n", redirect.IsEmpty() ? CString("\"\"") : redirect);
    m_textFile.Write(0, "End Function\n\n");
}

void MapFormPageWriter::WriteRecordAssignment(const CString& variable, const Field* field)
{
    m_textFile.Write(3, "%s = rsGetMapRecord(\"%s\")\n", variable, field->GetFieldName());
    if (!field->IsAllowNull())
        return;
    m_textFile.Write(3, "if %s = \"NULL\" then\n", variable);
    m_textFile.Write(4, "%s = \"\"\n", variable);
    m_textFile.Write(3, "end if\n");
}

void MapFormPageWriter::WriteExtractDataFromRecordSet()
{
    const CString key = KeyVariable();
    m_textFile.Write(0, "Function ExtractDataFromRecordSet()\n");
    m_textFile.Write(1, "if %s <> \"\" then\n", key);
    m_textFile.Write(2, "if Recompute <> 1 then\n");
    m_textFile.Write(3, "strQry = \"%s \" & %s\n",
                     ProcedureCallName("PRC_" + TableName() + "_SelectRecord"), key);
    m_textFile.Write(3, "Set rsGetMapRecord = server.CreateObject(\"ADODB.RecordSet\")\n");
    m_textFile.Write(3, "rsGetMapRecord.Open strQry,glb_con,1,2\n");
    m_textFile.Write(3, "if NOT rsGetMapRecord.EOF then\n");
    for (const FieldVariableMap* map : m_form.GetFieldVariableMaps())
        if (map->variable != nullptr && VbsVariableName(*map->variable).Find("Is_Deleted") < 0 &&
            map->field != nullptr && map->field->GetTable() != nullptr)
            WriteRecordAssignment(VbsVariableName(*map->variable), map->field);
    for (Field* field : m_form.GetTopFields())
    {
        const CString variable = VariableName(m_form.FindFieldVariableMapByField(field));
        if (!variable.IsEmpty())
            WriteRecordAssignment(variable, field);
    }
    m_textFile.Write(3, "end if\n\n");
    m_textFile.Write(2, "end if\n");
    m_textFile.Write(1, "end if\n");
    m_textFile.Write(0, "End Function\n\n");
}

void MapFormPageWriter::WriteRecordPickFunction()
{
    const CString table = ScriptNamePart(TableName());
    m_textFile.Write(0, "function fn_GetRecord_%s(id, conn_str)\n", table);
    m_textFile.Write(0, "{\n");
    m_textFile.Write(0, "var formName\n");
    m_textFile.Write(0, "formName = document.frm%s;\n", table);
    m_textFile.Write(0, "formName.hiddenActionControl.value =\"Update\";\n");
    m_textFile.Write(0, "var url = \"%s?\" + \"%s=\" + id + \"&cmdAdd=Update\";\n",
                     ClassicAddress(m_file, true), KeyVariable());
    m_textFile.Write(0, "formName.action = url;\n");
    m_textFile.Write(0, "formName.submit();\n");
    m_textFile.Write(0, "}\n\n");
}

void MapFormPageWriter::WriteButtonRow(int indent, int span)
{
    WriteButtonCellOpen(indent, span);
    const int inner = indent + 3;
    m_textFile.Write(inner,
                     "<INPUT type=hidden name=hiddenActionControl value = \"<%%=sAct%%>\">\n");
    for (const FieldVariableMap* map : CollectKindOneMaps())
        WriteHiddenValue(inner, VariableName(map));
    for (FieldRep* control : m_pageControls)
    {
        const FieldRepData* data = control->GetFieldRepData();
        const FieldVariableMap* map = m_form.FindFieldVariableMapByField(control->GetField());
        if (data != nullptr && data->GetControlKind() == FieldRepData::Hidden &&
            control->GetField() != nullptr && map != nullptr && map->variable != nullptr)
            WriteHiddenValue(inner, VariableName(map));
    }
    if (HasBottomMaster())
        m_textFile.Write(inner, "<INPUT type = \"hidden\" name = Recompute value = "
                                "<%%=Recompute%%>>\n");
    m_textFile.Write(inner,
                     "<INPUT type = \"button\" class = \"button\" name = \"cmdadd\" value = "
                     "\"<%%=formType%%>\" Onclick = \"fn_validate_%s();\" >\n",
                     ScriptNamePart(TableName()));
    WriteButtonCellClose(indent);
}

void MapFormPageWriter::WriteActionPage()
{
    m_pageText.Empty();
    CollectPostedFields();
    PagePrologue prologue = Prologue(m_file);
    prologue.WriteActionPageMain(m_postedMaps,
                                 {"strQry", "rsQry", "sAct", "redir", "redirString", "redirToFile"},
                                 /*withRemove=*/true, 0);
    WriteExtractData();
    CollectPageControls();
    FormControlWriter(m_file).WriteValidateData(m_postedMaps, m_pageControls, RelativeUrlOfKind(5),
                                                m_textFile, 0);
    WriteExecuteQuery();
    WriteErrTrap();
    InsertGeneratedText(0);
}

void MapFormPageWriter::WriteExecuteQuery()
{
    m_indent = 1;
    WriteExecuteQueryStart();
    m_textFile.Write(1, "If sAct = \"Add\" Then\n\n");
    WriteInsertQuery();
    m_textFile.Write(1, "Elseif sAct = \"Update\" Then\n");
    WriteUpdateQuery();
    m_textFile.Write(1, "Elseif sAct = \"Remove\" Then\n");
    m_textFile.Write(2, "strQry = \"%s \" &%s\n",
                     ProcedureCallName("PRC_" + TableName() + "_Delete"), KeyVariable());
    m_textFile.Write(1, "End if\n\n");
    m_textFile.Write(1, "rsQry = glb_con.Execute(strQry)\n");
    m_textFile.Write(1, "sInfo = rsQry(\"sInfo\")\n\n");
    WriteRedirect();
    m_textFile.Write(0, "End Function\n\n");
}

void MapFormPageWriter::AddTerm(QueryText& query, const FormInterface& page, Field* field,
                                FieldRep* control) const
{
    if (!field->IsKeyOrDeletedFlag() && control != nullptr && control->GetFieldRepData() != nullptr)
        query.AddTerm(field, VariableName(page.FindFieldVariableMapByField(field)));
}

void MapFormPageWriter::WriteInsertQuery()
{
    QueryText query(m_textFile, m_indent + 1, m_indent + 3, "PRC_" + TableName() + "_Insert");
    for (Field* field : m_table != nullptr ? m_table->GetFields() : std::vector<Field*>())
    {
        if (HasBottomMaster() && !m_form.HasTopField(field))
            continue;
        if (m_form.FindFieldVariableMapByField(field) != nullptr)
            AddTerm(query, m_form, field, GetFieldControl(field));
    }
    if (Form* master = m_form.GetBottomMasterForm())
    {
        const Table* table = master->GetTable();
        for (Field* field : table != nullptr ? table->GetFields() : std::vector<Field*>())
            if (master->FindFieldVariableMapByField(field) != nullptr)
                AddTerm(query, *master, field, master->GetFieldRepForField(field));
    }
    query.Close();
}

void MapFormPageWriter::WriteUpdateQuery()
{
    QueryText query(m_textFile, m_indent + 1, m_indent + 3, "PRC_" + TableName() + "_Update");
    const FieldVariableMap* key = m_form.GetKeyFieldVariableMap();
    if (key != nullptr)
        query.AddTerm(key->field, VariableName(key));
    for (Field* field : m_table != nullptr ? m_table->GetFields() : std::vector<Field*>())
        if (m_form.FindFieldVariableMapByField(field) != nullptr)
            AddTerm(query, m_form, field, GetFieldControl(field));
    query.Close();
}

void MapFormPageWriter::WriteRedirect()
{
    const int indent = m_indent;
    m_textFile.Write(indent, "if redirToFile <> \"\" then\n");
    m_textFile.Write(indent + 1, "redir = redirToFile\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "redir = \"%s", RelativeUrlOfKind(5));
    bool first = true;
    const auto writeValue = [&](const CString& name, const CString& variable)
    {
        m_textFile.Write(0, "%s%s%s=\" &%s", first ? CString() : CString(" & "),
                         first ? CString("?") : CString("\"&"), name, UrlEncoded(variable));
        first = false;
    };
    for (const FieldVariableMap* map : m_form.GetFieldVariableMaps())
        if (map->field != nullptr && m_form.HasTopField(map->field) && map->variable != nullptr &&
            map->variable->GetKind() != Variable::pageKind)
            writeValue(map->field->GetFieldName(), VariableName(map));
    for (const auto* inputs : {&m_form.GetTopInputFieldReps(), &m_form.GetBottomInputFieldReps()})
        for (FieldRep* control : *inputs)
        {
            const FieldVariableMap* map = m_form.FindFieldVariableMapByField(control->GetField());
            if (map != nullptr && map->variable != nullptr)
                writeValue(VbsVariableName(*map->variable), VariableName(map));
        }
    // Without values the address itself ends the text before the message.
    m_textFile.Write(0, first ? "?\" & \"strInfo=\"& %s" : "& \"&strInfo=\"& %s",
                     UrlEncoded("sInfo"));
    m_textFile.Write(0, "\n");
    m_textFile.Write(indent, "end if\n");
}
