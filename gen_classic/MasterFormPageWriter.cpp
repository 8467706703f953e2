#include "gen_classic/MasterFormPageWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PageLinkWriter.h"
#include "gen_classic/PagePrologue.h"
#include "gen_classic/ProcedureCallText.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Table.h"

MasterFormPageWriter::MasterFormPageWriter(ForgeonProject* project, Form& form,
                                           GenerationReport& report)
    : ClassicFormPageWriter(project, report, form), m_form(form), m_table(form.GetTable())
{
}

void MasterFormPageWriter::Write()
{
    for (AspFile* file : m_form.GetAspFiles())
    {
        m_file = file;
        switch (file->GetFileKind())
        {
        case 1:
        case 5:
            WriteFormPage(false);
            break;
        case 2:
        case 6:
            WriteAddActionPage();
            break;
        case 3:
        case 7:
            WriteFormPage(true);
            break;
        case 4:
        case 8:
            WriteUpdateActionPage();
            break;
        default:
            continue;
        }
        SaveInModule(file->GetClassicFileName(FALSE));
    }
}

bool MasterFormPageWriter::IsReportVariant() const
{
    return m_file->GetFileKind() >= 5;
}

bool MasterFormPageWriter::IsUpdatePage() const
{
    return m_file->GetFileKind() == 3 || m_file->GetFileKind() == 7;
}

CString MasterFormPageWriter::TableName() const
{
    return m_table != nullptr ? m_table->GetTableName() : CString();
}

CString MasterFormPageWriter::VariableOf(Field* field) const
{
    return VariableName(m_form.FindFieldVariableMapByField(field));
}

CString MasterFormPageWriter::KeyVariable() const
{
    return VariableName(m_form.GetKeyFieldVariableMap());
}

CString MasterFormPageWriter::AddPageUrl() const
{
    return RelativeUrlOfKind(IsReportVariant() ? 5 : 1);
}

void MasterFormPageWriter::CollectFieldLists()
{
    m_maps.clear();
    m_reads.clear();
    m_controls.clear();
    for (FieldVariableMap* map : m_form.GetFieldVariableMaps())
    {
        if (map->field != nullptr && map->field->IsDeletedFlagField())
            continue;
        if (map->variable == nullptr || map->variable->GetKind() == Variable::sharedKind)
            continue;
        m_maps.push_back(map);
        if (FieldRep* control = m_form.GetFieldRepForField(map->field))
            m_reads.push_back(control);
    }
    for (int index = 0; FieldRep* control = m_form.GetFieldRep(index); ++index)
        m_controls.push_back(control);
}

void MasterFormPageWriter::WriteFormPage(bool update)
{
    LoadPageTemplate();
    CollectFieldLists();
    WriteServerScript(update);
    int position = InsertGeneratedText(FindIncludePosition(0));

    FormControlWriter controls(m_file);
    const int actionKind = (IsReportVariant() ? 6 : 2) + (update ? 2 : 0);
    controls.WriteMasterFormScripts(m_table, m_controls, RelativeUrlOfKind(actionKind), m_textFile);
    position = InsertGeneratedText(FindIncludePosition(position));

    m_indent = 6;
    const CString formName = "frm" + ScriptNamePart(TableName());
    PageLinkWriter links;
    links.WriteLinkTable(true, m_form, m_textFile, m_indent);
    controls.WriteFormOpen(formName, m_textFile, m_form.GetHeader(), m_indent, "strInfo");
    controls.WriteFieldGrid(m_controls, 2, formName, m_textFile, m_indent + 1);
    WriteButtonRow(m_indent + 1, 4);
    controls.WriteFormClose(m_textFile, m_indent, false);
    position = InsertGeneratedText(FindIncludePosition(position));
    ApplicationReport* report = IsReportVariant() ? m_form.GetReport() : nullptr;
    if (report != nullptr)
        position = InsertListSection(report, m_indent, position);
    links.WriteLinkTable(false, m_form, m_textFile, m_indent);
    position = InsertGeneratedText(position);

    if (report != nullptr)
        CollectShowOutputFunctions(report);
    WriteCloseConnection(0);
    InsertGeneratedText(FindIncludePosition(position));
}

void MasterFormPageWriter::WriteServerScript(bool update)
{
    m_textFile.Write(0, "<%%\n");
    PagePrologue prologue = Prologue(m_file);
    const std::vector<CString> names =
        update ? std::vector<CString>{"strQryBasic", "rsQryBasic"} : std::vector<CString>();
    prologue.WritePagePrologue(names, m_maps, m_reads, 0);
    if (update)
        WriteRecordRead();
    WriteDerivedFieldAssignments(&m_form);
    prologue.WriteDerivedFieldQueries();
    WriteFieldLookups();
    m_textFile.Write(0, "%%>\n");
}

void MasterFormPageWriter::WriteRecordRead()
{
    const CString key = KeyVariable();
    m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", key, key);
    WriteKeyGuard(m_textFile, 1, key);
    m_textFile.Write(1, "if Recompute <> 1 then\n");
    m_textFile.Write(2, "set rsQryBasic = Server.CreateObject(\"ADODB.Recordset\")\n");
    m_textFile.Write(2, "rsQryBasic.Open \"%s \" &%s, glb_con,1,2\n",
                     ProcedureCallName("PRC_" + TableName() + "_SelectRecord"), key);
    m_textFile.Write(0, "\n");
    // A key that selects nothing leaves the values as the request gave them.
    m_textFile.Write(2, "if not rsQryBasic.EOF then\n");
    const bool withKey = m_form.GetReport() != nullptr;
    for (const FieldVariableMap* map : m_form.GetFieldVariableMaps())
    {
        Field* field = map->field;
        if (field == nullptr || map->variable == nullptr ||
            m_form.GetFieldRepForField(field) == nullptr ||
            GetFieldVisibilityCode(m_file, field) == FieldVisibility::Invisible ||
            field->IsDeletedFlagField() || (field->IsKey() && !withKey))
            continue;
        const CString variable = VbsVariableName(*map->variable);
        m_textFile.Write(3, "%s = rsQryBasic(\"%s\")\n", variable, field->GetFieldName());
        if (!field->IsAllowNull())
            continue;
        m_textFile.Write(3, "if %s = \"NULL\" then\n", variable);
        m_textFile.Write(4, "%s = \"\"\n", variable);
        m_textFile.Write(3, "end if\n");
    }
    m_textFile.Write(2, "end if\n");
    m_textFile.Write(0, "\n");
    m_textFile.Write(1, "end if\n");
}

void MasterFormPageWriter::WriteFieldLookups()
{
    FieldLookupWriter lookups(m_file, m_textFile);
    for (const FieldVariableMap* map : m_maps)
        lookups.Write(map->field, VbsVariableName(*map->variable),
                      m_form.GetFieldRepForField(map->field), 0);
}

void MasterFormPageWriter::WriteButtonRow(int indent, int span)
{
    WriteButtonCellOpen(indent, span);
    const int inner = indent + 3;
    m_textFile.Write(inner, "<INPUT type=hidden name=hiddenActionControl value=\"Add\">\n");
    for (const FieldVariableMap* map : m_form.GetFieldVariableMaps())
        if (map->variable != nullptr && map->variable->GetKind() == Variable::pageKind)
            WriteHiddenValue(inner, VbsVariableName(*map->variable));
    for (FieldRep* control : m_controls)
    {
        const FieldRepData* data = control->GetFieldRepData();
        if (data != nullptr && data->GetControlKind() == FieldRepData::Hidden)
            WriteHiddenValue(inner, VariableOf(control->GetField()));
    }
    const CString table = ScriptNamePart(TableName());
    if (IsUpdatePage())
    {
        m_textFile.Write(
            inner, "<INPUT type = \"hidden\" name = Recompute value = \"<%%=Recompute%%>\">\n");
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdUpd\" value = "
                         "\"Update\" Onclick = \"fn_validate_%s();\" >\n",
                         table);
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdDelete\" value = "
                         "\"Delete\" Onclick = \"fn_RemoveRecord_%s(<%%= %s %%>);\" >\n",
                         table, KeyVariable());
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdCancel\" value = "
                         "\"Cancel\" Onclick = \"fn_CancelRecord_%s();\" >\n",
                         table);
    }
    else
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdadd\" value = "
                         "\"Add\" Onclick = \"fn_validate_%s();\" >\n",
                         table);
    WriteButtonCellClose(indent);
}

void MasterFormPageWriter::WriteActionPageStart(const std::vector<CString>& names, bool update)
{
    m_pageText.Empty();
    CollectFieldLists();
    std::vector<FieldVariableMap*> posted;
    for (FieldVariableMap* map : m_form.GetFieldVariableMaps())
        if (map->field != nullptr && m_form.FindRefFieldByField(map->field) == nullptr &&
            m_form.FindDerivedFieldByField(map->field) == nullptr)
            posted.push_back(map);
    PagePrologue prologue = Prologue(m_file);
    prologue.WriteActionPageMain(m_maps, names, /*withRemove=*/update, 0);
    prologue.WriteExtractDataFunction(posted, {}, m_controls, /*withAction=*/true, 0);
    const CString returnPage = update ? RelativeUrlOfKind(IsReportVariant() ? 7 : 3) : AddPageUrl();
    FormControlWriter(m_file).WriteValidateData(m_maps, m_controls, returnPage, m_textFile, 0);
}

void MasterFormPageWriter::WriteAddActionPage()
{
    WriteActionPageStart({"strQry", "rsQry", "sAct", "redir", "redirString", "redirToFile"}, false);
    m_indent = 0;
    WriteExecuteQueryStart();
    WriteQuery(false);
    m_textFile.Write(1, "rsQry = glb_con.Execute(strQry)\n");
    m_textFile.Write(1, "sInfo = rsQry(\"sInfo\")\n");
    m_indent = 1;
    WriteAddRedirect();
    m_textFile.Write(0, "End Function\n");
    WriteErrTrap();
    InsertGeneratedText(0);
}

void MasterFormPageWriter::WriteUpdateActionPage()
{
    WriteActionPageStart({"strQry", "redir", "redirString", "sAct", "redirToFile"}, true);
    m_indent = 1;
    WriteExecuteQueryStart();
    m_textFile.Write(1, "If sAct = \"Update\" Then\n\n");
    WriteQuery(true);
    m_textFile.Write(1, "Elseif sAct = \"Remove\" Then\n");
    const CString key = KeyVariable();
    WriteKeyGuard(m_textFile, 2, key);
    m_textFile.Write(2, "strQry = \"%s \" &%s\n",
                     ProcedureCallName("PRC_" + TableName() + "_Delete"), key);
    m_textFile.Write(1, "End if\n\n");
    m_textFile.Write(1, "rsQry = glb_con.Execute(strQry)\n");
    m_textFile.Write(1, "sInfo = rsQry(\"sInfo\")\n");
    WriteUpdateRedirect();
    m_textFile.Write(1, "End Function\n\n");
    WriteErrTrap();
    InsertGeneratedText(0);
}

void MasterFormPageWriter::WriteQuery(bool update)
{
    QueryText query(m_textFile, m_indent + 1, m_indent + 3,
                    "PRC_" + TableName() + (update ? "_Update" : "_Insert"));
    for (Field* field : m_table != nullptr ? m_table->GetFields() : std::vector<Field*>())
    {
        const CString variable = VariableOf(field);
        const FieldRep* control = m_form.GetFieldRepForField(field);
        if (variable.IsEmpty() || (control == nullptr && !field->IsKey()))
            continue;
        const bool takesPart = !field->IsKey() && !field->IsDeletedFlagField() &&
                               control != nullptr && control->GetFieldRepData() != nullptr;
        if (takesPart || (update && field->IsKey()))
            query.AddTerm(field, variable);
    }
    query.Close();
}

void MasterFormPageWriter::WriteAddRedirect()
{
    const int indent = m_indent;
    m_textFile.Write(indent, "if redirToFile <> \"\" then\n");
    m_textFile.Write(indent + 1, "redir = redirToFile\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "redir = \"%s?\"", AddPageUrl());
    m_textFile.Write(0, "%sstrInfo=\" & %s", "&\"", UrlEncoded("sInfo"));
    WriteComboValues();
    m_textFile.Write(indent, "\n");
    m_textFile.Write(indent, "end if\n");
}

void MasterFormPageWriter::WriteUpdateRedirect()
{
    const int indent = m_indent;
    const CString page = AddPageUrl();
    m_textFile.Write(indent, "if redirToFile <> \"\" then\n");
    m_textFile.Write(indent + 1, "redir = redirToFile\n");
    m_textFile.Write(indent, "elseif sAct = \"Remove\" then\n");
    m_textFile.Write(indent + 1, "redir = \"%s?", page);
    m_textFile.Write(0, "strInfo=\" & %s\n", UrlEncoded("sInfo"));
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "redir = \"%s?", page);
    m_textFile.Write(0, "strInfo=\" & %s", UrlEncoded("sInfo"));
    WriteComboValues();
    m_textFile.Write(indent, "\nend if\n");
}

void MasterFormPageWriter::WriteComboValues()
{
    for (FieldRep* control : m_controls)
    {
        const FieldRepData* data = control->GetFieldRepData();
        if (data == nullptr || data->GetControlKind() != FieldRepData::ComboBox)
            continue;
        const CString variable = VariableOf(control->GetField());
        m_textFile.Write(0, "&\"&%s=\"&%s", variable, UrlEncoded(variable));
    }
    m_textFile.Write(0, "\n");
}
