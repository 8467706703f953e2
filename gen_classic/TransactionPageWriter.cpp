#include "gen_classic/TransactionPageWriter.h"

#include "database/SqlText.h"
#include "entities/AspFile.h"
#include "entities/DetailTableReport.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PageLinkWriter.h"
#include "gen_classic/PagePrologue.h"
#include "gen_classic/ProcedureCallText.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
CString NameOf(const Table* table)
{
    return table != nullptr ? table->GetTableName() : CString();
}

// The table's part of the names of its form and script functions.
CString ScriptName(const Table* table)
{
    return ScriptNamePart(NameOf(table));
}

// The VBScript function that reads the posted rows of a detail table.
CString ExtractFunction(const Table* detail)
{
    return VBScriptIdentifier("ExtractData_" + NameOf(detail));
}

bool HasData(const FieldRep* control)
{
    return control != nullptr && control->GetFieldRepData() != nullptr;
}
} // namespace

TransactionPageWriter::TransactionPageWriter(ForgeonProject* project, Transaction& transaction,
                                             GenerationReport& report)
    : ClassicFormPageWriter(project, report, transaction), m_transaction(transaction),
      m_master(transaction.GetBasicTable())
{
}

void TransactionPageWriter::Write()
{
    const std::vector<AspFile*>& files = m_transaction.GetAspFiles();
    for (std::size_t position = 0; position < files.size(); ++position)
    {
        m_file = files[position];
        const int kind = m_file->GetFileKind();
        CString name = m_file->GetClassicFileName(FALSE);
        if (kind == 1)
            WriteAddPage();
        else if (kind == 2)
            WriteAddActionPage();
        else if (kind == 3)
            WriteUpdatePage();
        else if (kind == 4)
            WriteUpdateActionPage();
        else if (kind == 9 && position >= 4)
        {
            Table* detail = m_transaction.GetDetailTableAt(static_cast<int>(position) - 4);
            if (detail == nullptr)
                continue;
            WriteDetailActionPage(detail);
            name = DetailActionFileName(detail);
        }
        else
            continue;
        SaveInModule(name);
    }
}

CString TransactionPageWriter::DetailActionFileName(const Table* detail) const
{
    const Module* module = m_transaction.GetModule();
    const CString prefix =
        m_project->GetModulePrefix() && module != nullptr ? module->GetName() + "_" : CString();
    return prefix + NameOf(detail) + "_action.asp";
}

CString TransactionPageWriter::DetailActionUrl(const Table* detail) const
{
    const Module* module = m_transaction.GetModule();
    return AddressPath("../../" + (module != nullptr ? module->GetName() : CString()) + "/" +
                       DetailActionFileName(detail));
}

Table* TransactionPageWriter::TableOf(Field* field) const
{
    if (field == nullptr)
        return m_master;
    return field->GetTable() != nullptr ? field->GetTable()
                                        : m_transaction.GetRefOrDerivedFieldTable(field);
}

bool TransactionPageWriter::IsLinkColumn(const Field* field) const
{
    const Field* target =
        field != nullptr && field->IsForeignKey() ? field->GetForeignField() : nullptr;
    return target != nullptr && target->GetTable() == m_master && m_master != nullptr &&
           field->GetTable() != m_master;
}

std::vector<FieldVariableMap*> TransactionPageWriter::PostedMaps(const Table* table) const
{
    std::vector<FieldVariableMap*> maps;
    for (FieldVariableMap* map : m_transaction.GetFieldVariableMaps())
    {
        if (map->variable == nullptr || map->variable->GetKind() == Variable::sharedKind ||
            TableOf(map->field) != table)
            continue;
        if (map->field != nullptr && (map->field->IsDeletedFlagField() || IsLinkColumn(map->field)))
            continue;
        maps.push_back(map);
    }
    return maps;
}

std::vector<FieldRep*> TransactionPageWriter::Rows(const Table* table) const
{
    std::vector<FieldRep*> rows;
    for (FieldRep* control : m_transaction.GetFieldReps())
        if (HasData(control) && control->GetField() != nullptr &&
            TableOf(control->GetField()) == table)
            rows.push_back(control);
    return rows;
}

std::vector<FieldVariableMap*> TransactionPageWriter::HiddenMaps(const Table* table) const
{
    std::vector<FieldVariableMap*> maps;
    if (m_file->GetFileKind() == 2)
        return maps;
    for (FieldVariableMap* map : m_transaction.GetFieldVariableMaps())
        if (map->field != nullptr && TableOf(map->field) == table && map->variable != nullptr &&
            map->variable->GetKind() == Variable::pageKind)
            maps.push_back(map);
    return maps;
}

CString TransactionPageWriter::VariableOf(Field* field) const
{
    return VariableName(m_transaction.FindFieldVariableMapByField(field));
}

CString TransactionPageWriter::KeyVariable(Table* table) const
{
    return VariableName(m_transaction.FindKeyFieldVariableMap(table));
}

int TransactionPageWriter::DetailNumber(const Table* table) const
{
    return m_transaction.GetDetailTableIndex(table) + 1;
}

CString TransactionPageWriter::ProcedureName(const Table* table, const char* operation) const
{
    // The procedures are named after the page only when the page asks for it, else after
    // their table.
    if (!m_transaction.GetCustomProcedureNames())
        return "PRC_" + NameOf(table) + operation;
    CString name = "PRC_" + m_transaction.GetFormName();
    if (table == m_master)
        name += "_basic";
    else
    {
        CString number;
        number.Format("_detail%d", DetailNumber(table));
        name += number;
    }
    return name + operation;
}

CString TransactionPageWriter::UrlOfKind(int fileKind) const
{
    return RelativeUrlOfKind(fileKind);
}

std::vector<CString> TransactionPageWriter::DeclaredNames() const
{
    return {"strQryBasic", "rsQryBasic", "strQryDetail", "rsQryDetail"};
}

void TransactionPageWriter::WriteAddPage()
{
    LoadPageTemplate();
    m_textFile.Write(0, "<%%\n");
    PagePrologue prologue = Prologue(m_file);
    prologue.WritePagePrologue(DeclaredNames(), PostedMaps(m_master), Rows(m_master), 0);
    WriteDerivedFieldAssignments(&m_transaction);
    prologue.WriteDerivedFieldQueries();
    WriteQueryBlocks();
    m_textFile.Write(0, "%%>\n");
    int position = InsertGeneratedText(FindIncludePosition(0));

    FormControlWriter(m_file).WriteTransactionScripts(m_master, Rows(m_master), UrlOfKind(2),
                                                      m_textFile);
    position = InsertGeneratedText(FindIncludePosition(position));

    PageLinkWriter().WriteLinkTable(true, m_transaction, m_textFile, 6);
    position = WriteTableForm(m_master, "strInfo", FindIncludePosition(position));
    PageLinkWriter().WriteLinkTable(false, m_transaction, m_textFile, 6);
    position = InsertGeneratedText(position);
    position = InsertShowOutputFunctions({m_master}, position);
    WriteCloseConnection(0);
    InsertGeneratedText(FindIncludePosition(position));
}

int TransactionPageWriter::InsertShowOutputFunctions(const std::vector<Table*>& tables,
                                                     int position)
{
    for (Table* table : tables)
    {
        const DetailTableReport* report = m_transaction.FindDetailTableReport(table);
        if (report == nullptr || report->GetReport() == nullptr)
            continue;
        CollectShowOutputFunctions(report->GetReport());
        position = InsertGeneratedText(FindIncludePosition(position));
    }
    return position;
}

int TransactionPageWriter::WriteTableForm(Table* table, const CString& messageParam, int position)
{
    FormControlWriter controls(m_file);
    const CString formName = "frm" + ScriptName(table);
    controls.WriteFormOpen(formName, m_textFile, m_transaction.GetTableTitle(table), 6,
                           messageParam);
    controls.WriteFieldGrid(Rows(table), 2, formName, m_textFile, 7);
    WriteFooterRows(table);
    controls.WriteFormClose(m_textFile, 6, false);
    position = InsertGeneratedText(position);
    const DetailTableReport* report = m_transaction.FindDetailTableReport(table);
    if (report != nullptr && report->GetReport() != nullptr)
        position = InsertListSection(report->GetReport(), 6, position);
    return position;
}

void TransactionPageWriter::WriteFooterRows(Table* table)
{
    WriteButtonCellOpen(7, 4);
    const int inner = 10;
    m_textFile.Write(inner,
                     "<INPUT type=hidden name=hiddenActionControl value = \"<%%=sAct%%>\">\n");
    for (const FieldVariableMap* map : HiddenMaps(table))
        WriteHiddenValue(inner, VariableName(map));
    for (FieldRep* control : Rows(table))
        if (control->GetFieldRepData()->GetControlKind() == FieldRepData::Hidden)
            WriteHiddenValue(inner, VariableOf(control->GetField()));
    const bool update = m_file->GetFileKind() == 3;
    const bool detail = table != m_master;
    CString number;
    if (detail)
        number.Format("%d", DetailNumber(table));
    if (update)
        m_textFile.Write(
            inner, "<INPUT type = \"hidden\" name = Recompute%s value = \"<%%=Recompute%s%%>\">\n",
            number, number);
    const CString master = ScriptName(m_master);
    if (!update)
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdadd\" value = "
                         "\"Add\" Onclick = \"fn_validate_%s();\" >\n",
                         master);
    else if (!detail)
    {
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdadd\" value = "
                         "\"Update\" Onclick = \"fn_validate_%s();\" >\n",
                         master);
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdDelete\" value = "
                         "\"Delete\" Onclick = \"fn_RemoveRecord_%s(<%%= %s %%>);\" >\n",
                         master, KeyVariable(m_master));
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdCancel\" value = "
                         "\"Finish\" Onclick = \"fn_CancelRecord_%s();\" >\n",
                         master);
    }
    else
    {
        // The detail's action page and its record pick read the master record's key too.
        WriteHiddenValue(inner, KeyVariable(table));
        WriteHiddenValue(inner, KeyVariable(m_master));
        m_textFile.Write(inner,
                         "<INPUT type = \"button\" class = \"button\" name = \"cmdadd\" value = "
                         "<%%=sAct%%> Onclick = \"fn_validate_%s();\" >\n",
                         ScriptName(table));
    }
    WriteButtonCellClose(7);
}

void TransactionPageWriter::WriteQueryBlocks()
{
    FieldLookupWriter lookups(m_file, m_textFile);
    for (FieldRep* control : Rows(m_master))
        lookups.Write(control->GetField(), VariableOf(control->GetField()), control, 0);
}

void TransactionPageWriter::WriteUpdatePage()
{
    LoadPageTemplate();
    WriteUpdateServerScript();
    int position = InsertGeneratedText(FindIncludePosition(0));

    FormControlWriter scripts(m_file);
    scripts.WriteTransactionScripts(m_master, Rows(m_master), UrlOfKind(4), m_textFile);
    for (Table* detail : m_transaction.GetDetailTables())
    {
        scripts.WriteTransactionScripts(detail, Rows(detail), DetailActionUrl(detail), m_textFile);
        WriteRecordFetchFunction(detail);
    }
    position = InsertGeneratedText(FindIncludePosition(position));

    PageLinkWriter().WriteLinkTable(true, m_transaction, m_textFile, 6);
    position = WriteTableForm(m_master, "strInfo", FindIncludePosition(position));
    for (Table* detail : m_transaction.GetDetailTables())
    {
        CString message;
        message.Format("strInfo%d", DetailNumber(detail));
        position = WriteTableForm(detail, message, position);
    }
    PageLinkWriter().WriteLinkTable(false, m_transaction, m_textFile, 6);
    position = InsertGeneratedText(position);

    std::vector<Table*> tables{m_master};
    tables.insert(tables.end(), m_transaction.GetDetailTables().begin(),
                  m_transaction.GetDetailTables().end());
    position = InsertShowOutputFunctions(tables, position);
    WriteCloseConnection(0);
    InsertGeneratedText(FindIncludePosition(position));
}

void TransactionPageWriter::WriteUpdateServerScript()
{
    m_textFile.Write(0, "<%%\n");
    PagePrologue prologue = Prologue(m_file);
    std::vector<FieldVariableMap*> declared = PostedMaps(m_master);
    for (Table* detail : m_transaction.GetDetailTables())
        for (FieldVariableMap* map : PostedMaps(detail))
            if (std::none_of(declared.begin(), declared.end(),
                             [map](const FieldVariableMap* d) {
                                 return VbsVariableName(*d->variable)
                                            .CompareNoCase(VbsVariableName(*map->variable)) == 0;
                             }))
                declared.push_back(map);
    prologue.WriteDims(DeclaredNames(), declared, 1);
    prologue.WriteLoginCheckCalls();
    WriteRecompute(CString());
    for (Table* detail : m_transaction.GetDetailTables())
    {
        CString number;
        number.Format("%d", DetailNumber(detail));
        WriteRecompute(number);
    }
    WriteMasterRecordLoad();
    prologue.WriteFieldRequestBlocks(m_transaction.GetFieldReps(), 0);
    m_textFile.Write(1, "if Trim(Request(\"hiddenActionControl\")) <> \"\" then\n");
    m_textFile.Write(2, "sAct = Trim(Request(\"hiddenActionControl\"))\n");
    m_textFile.Write(1, "else\n");
    m_textFile.Write(2, "sAct = \"Add\"\n");
    m_textFile.Write(1, "end if\n\n");
    m_textFile.Write(1, "if sAct <> \"\" then\n");
    for (Table* detail : m_transaction.GetDetailTables())
        m_textFile.Write(2, "call %s()\n", ExtractFunction(detail));
    m_textFile.Write(1, "end if\n\n");
    for (Table* detail : m_transaction.GetDetailTables())
        WriteDetailExtractFunction(detail);
    WriteDerivedFieldAssignments(&m_transaction);
    prologue.WriteDerivedFieldQueries();
    WriteQueryBlocks();
    m_textFile.Write(0, "%%>\n");
}

void TransactionPageWriter::WriteRecompute(const CString& suffix)
{
    m_textFile.Write(1, "if Trim(Request(\"Recompute%s\")) <> \"\" then\n", suffix);
    m_textFile.Write(2, "Recompute%s = Trim(Request(\"Recompute%s\"))\n", suffix, suffix);
    m_textFile.Write(1, "else\n");
    m_textFile.Write(2, "Recompute%s = 0\n", suffix);
    m_textFile.Write(1, "end if\n");
}

void TransactionPageWriter::WriteRecordAssignment(const char* recordset, const CString& variable,
                                                  const Field* field, int indent)
{
    m_textFile.Write(indent, "%s = %s(\"%s\")\n", variable, recordset, field->GetFieldName());
    if (!field->IsAllowNull())
        return;
    m_textFile.Write(indent, "if %s = \"NULL\" or isNull(%s) then\n", variable, variable);
    m_textFile.Write(indent + 1, field->IsForeignKey() ? "%s = \"0\"\n" : "%s = \"\"\n", variable);
    m_textFile.Write(indent, "end if\n");
}

void TransactionPageWriter::WriteMasterRecordLoad()
{
    const CString key = KeyVariable(m_master);
    m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", key, key);
    WriteKeyGuard(m_textFile, 1, key);
    m_textFile.Write(1, "if Recompute <> 1 then\n");
    m_textFile.Write(2, "set rsQryBasic = Server.CreateObject(\"ADODB.Recordset\")\n");
    m_textFile.Write(2, "rsQryBasic.Open \"%s \" &%s, glb_con,1,2\n\n",
                     ProcedureCallName("PRC_" + NameOf(m_master) + "_SelectRecord"), key);
    // A key that selects nothing leaves the values as the request gave them.
    m_textFile.Write(2, "if not rsQryBasic.EOF then\n");
    std::vector<std::pair<const FieldVariableMap*, const FieldRep*>> loaded;
    const ProcedureInvokation* own = m_transaction.GetProcedureCall();
    PagePrologue prologue = Prologue(m_file);
    for (const FieldVariableMap* map : PostedMaps(m_master))
    {
        Field* field = map->field;
        const FieldRep* control =
            field != nullptr ? m_transaction.GetFieldRepForField(field) : nullptr;
        if (field == nullptr || field->IsKeyOrDeletedFlag() || !HasData(control))
            continue;
        loaded.emplace_back(map, control);
        const CString variable = VariableName(map);
        if (field->GetTable() != nullptr)
        {
            WriteRecordAssignment("rsQryBasic", variable, field, 3);
            continue;
        }
        const FieldVariableMap* source = nullptr;
        if (own != nullptr && own->FindFieldVariableByName(variable) != nullptr)
            for (const FieldVariableMap* entry : own->GetFieldVariableMaps())
                if (source == nullptr && entry->variable != nullptr &&
                    VbsVariableName(*entry->variable) == variable)
                    source = entry;
        if (source != nullptr && source->field != nullptr)
            m_textFile.Write(3, "%s = rsQryBasic(\"%s\")\n\n", variable,
                             source->field->GetFieldName());
        else
            prologue.WriteFieldRequestBlock(*map, control, 3);
    }
    m_textFile.Write(2, "end if\n");
    m_textFile.Write(1, "else\n");
    for (const auto& [map, control] : loaded)
        prologue.WriteFieldRequestBlock(*map, control, 2);
    m_textFile.Write(1, "end if\n\n");
}

void TransactionPageWriter::WriteDetailExtractFunction(Table* detail)
{
    const CString key = KeyVariable(detail);
    m_textFile.Write(0, "Function %s()\n", ExtractFunction(detail));
    m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", key, key);
    WriteKeyGuard(m_textFile, 1, key);
    m_textFile.Write(1, "if %s <> \"\" then\n", key);
    m_textFile.Write(2, "if Recompute%d <> 1 then\n", DetailNumber(detail));
    m_textFile.Write(3, "strQry = \"%s \" & %s\n",
                     ProcedureCallName("PRC_" + NameOf(detail) + "_SelectRecord"), key);
    m_textFile.Write(3, "Set rsGetRecord = server.CreateObject(\"ADODB.RecordSet\")\n");
    m_textFile.Write(3, "rsGetRecord.Open strQry,glb_con,1,2\n");
    m_textFile.Write(3, "if NOT rsGetRecord.EOF then\n");
    for (const FieldVariableMap* map : PostedMaps(detail))
        if (map->field != nullptr && map->field->GetTable() != nullptr)
            WriteRecordAssignment("rsGetRecord", VariableName(map), map->field, 4);
    m_textFile.Write(3, "end if\n");
    m_textFile.Write(2, "end if\n");
    m_textFile.Write(1, "end if\n");
    m_textFile.Write(0, "End Function\n\n");
}

void TransactionPageWriter::WriteRecordFetchFunction(const Table* detail)
{
    const CString table = ScriptName(detail);
    const CString masterKey = KeyVariable(m_master);
    const CString declared = JavaScriptIdentifier(masterKey);
    m_textFile.Write(0, "function fn_GetRecord_%s(id, conn_str)\n", table);
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "var formName\n");
    m_textFile.Write(1, "formName = document.frm%s;\n", table);
    m_textFile.Write(1, "formName.hiddenActionControl.value =\"Update\";\n");
    m_textFile.Write(1, "var %s = formName.%s.value;\n", declared, masterKey);
    m_textFile.Write(1,
                     "var url = \"%s?\" + \"%s=\" + encodeURIComponent(id) + "
                     "\"&%s=\"+encodeURIComponent(%s);\n",
                     ClassicAddress(m_file, true), KeyVariable(const_cast<Table*>(detail)),
                     masterKey, declared);
    m_textFile.Write(1, "formName.action = url;\n");
    m_textFile.Write(1, "formName.submit();\n");
    m_textFile.Write(0, "}\n\n");
}

void TransactionPageWriter::WriteAddActionPage()
{
    m_pageText.Empty();
    const std::vector<FieldVariableMap*> maps = PostedMaps(m_master);
    PagePrologue prologue = Prologue(m_file);
    prologue.WriteActionPageMain(maps, {"strQry", "strId", "rsId", "redir", "redirString"},
                                 /*withRemove=*/false, 0);
    prologue.WriteExtractDataFunction(maps, {}, m_transaction.GetFieldReps(), true, 0);
    FormControlWriter(m_file).WriteValidateData(maps, m_transaction.GetFieldReps(), UrlOfKind(1),
                                                m_textFile, 0);
    m_indent = 1;
    WriteExecuteQueryStart();
    WriteCall(m_master, "_Insert", false);
    m_textFile.Write(1, "rsQry = glb_con.Execute(strQry)\n");
    m_textFile.Write(1, "sInfo = rsQry(\"sInfo\")\n");
    const FieldVariableMap* key = m_transaction.FindKeyFieldVariableMap(m_master);
    if (key != nullptr && key->field != nullptr)
        m_textFile.Write(1, "%s = rsQry(\"%s\")\n", VariableName(key), key->field->GetFieldName());
    WriteAddRedirect();
    m_textFile.Write(0, "End Function\n\n");
    WriteErrTrap();
    InsertGeneratedText(0);
}

void TransactionPageWriter::WriteUpdateActionPage()
{
    m_pageText.Empty();
    const std::vector<FieldVariableMap*> maps = PostedMaps(m_master);
    PagePrologue prologue = Prologue(m_file);
    prologue.WriteActionPageMain(maps, {"strQry", "redir", "redirString", "sAct"},
                                 /*withRemove=*/true, 0);
    prologue.WriteExtractDataFunction(maps, {}, m_transaction.GetFieldReps(), true, 0);
    FormControlWriter(m_file).WriteValidateData(maps, m_transaction.GetFieldReps(), UrlOfKind(3),
                                                m_textFile, 0);
    m_indent = 1;
    WriteExecuteQueryStart();
    m_textFile.Write(1, "If sAct = \"Update\" Then\n");
    WriteCall(m_master, "_Update", true);
    m_textFile.Write(1, "ElseIf sAct = \"Remove\" Then\n");
    WriteDeleteCall(m_master);
    m_textFile.Write(1, "End if\n\n");
    m_textFile.Write(1, "rsQry = glb_con.Execute(strQry)\n");
    m_textFile.Write(1, "sInfo = rsQry(\"sInfo\")\n");
    WriteUpdateRedirect();
    m_textFile.Write(0, "End Function\n\n");
    WriteErrTrap();
    InsertGeneratedText(0);
}

void TransactionPageWriter::WriteDetailActionPage(Table* detail)
{
    m_pageText.Empty();
    const std::vector<FieldVariableMap*> maps = PostedMaps(detail);
    std::vector<CString> names{"strQry", "redir", "redirString", "sAct"};
    for (const CString& key : {KeyVariable(detail), KeyVariable(m_master)})
        if (std::none_of(maps.begin(), maps.end(),
                         [&key](const FieldVariableMap* map)
                         { return VariableName(map).CompareNoCase(key) == 0; }))
            names.push_back(key);
    Prologue(m_file).WriteActionPageMain(maps, names, /*withRemove=*/true, 0);
    WriteDetailExtractData(detail);
    FormControlWriter(m_file).WriteValidateData(maps, m_transaction.GetFieldReps(), UrlOfKind(3),
                                                m_textFile, 0);
    m_indent = 1;
    WriteExecuteQueryStart();
    m_textFile.Write(1, "If sAct = \"Update\" Then\n");
    WriteCall(detail, "_Update", true);
    m_textFile.Write(1, "Elseif sAct = \"Remove\" Then\n");
    WriteDeleteCall(detail);
    m_textFile.Write(1, "Elseif sAct = \"Add\" Then\n");
    WriteCall(detail, "_Insert", false);
    m_textFile.Write(1, "End if\n\n");
    m_textFile.Write(1, "rsQry = glb_con.Execute(strQry)\n");
    m_textFile.Write(1, "sInfo = rsQry(\"sInfo\")\n");
    WriteDetailRedirect(detail);
    m_textFile.Write(0, "End Function\n\n");
    WriteErrTrap();
    InsertGeneratedText(0);
}

void TransactionPageWriter::WriteDetailExtractData(Table* detail)
{
    const CString masterKey = KeyVariable(m_master);
    const CString key = KeyVariable(detail);
    m_textFile.Write(0, "Function ExtractData()\n");
    m_textFile.Write(1, "sAct = Request(\"hiddenActionControl\")\n");
    m_textFile.Write(1, "redirToFile = Trim(Request(\"redirToFile\"))\n");
    for (const CString& read : {masterKey, key})
    {
        m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", read, read);
        WriteKeyGuard(m_textFile, 1, read);
    }
    CString redirect;
    for (const FieldVariableMap* map : PostedMaps(detail))
    {
        Field* field = map->field;
        const FieldRep* control =
            field != nullptr ? m_transaction.GetFieldRepForField(field) : nullptr;
        if (field == nullptr || field->IsKey() || !HasData(control))
            continue;
        const CString variable = VariableName(map);
        redirect += (redirect.IsEmpty() ? CString("\"") : CString("&\"&")) + variable + "=\"&" +
                    UrlEncoded(variable);
        m_textFile.Write(1, "%s = Trim(Request(\"%s\"))\n", variable, control->GetControlId());
        WriteNumericGuard(m_textFile, 1, field, variable);
        if (!field->IsAllowNull())
            continue;
        if (field->IsForeignKey())
        {
            m_textFile.Write(1, "if %s = \"\" or %s = \"0\" then\n", variable, variable);
            m_textFile.Write(2, "%s = \"NULL\"\n", variable);
        }
        else if (IsQuotedSqlType(field->GetTypeCode()))
        {
            m_textFile.Write(1, "if %s = \"\" then\n", variable);
            m_textFile.Write(2, "%s = \"NULL\"\n", variable);
        }
        else
        {
            m_textFile.Write(1, "if %s = \"\" then\n", variable);
            m_textFile.Write(2, "%s = 0 \n", variable);
        }
        m_textFile.Write(1, "end if\n");
    }
    m_textFile.Write(1, "redirString = %s\n", redirect.IsEmpty() ? CString("\"\"") : redirect);
    m_textFile.Write(0, "End Function\n\n");
}

void TransactionPageWriter::WriteCall(const Table* table, const char* operation, bool update)
{
    QueryText query(m_textFile, m_indent + 1, m_indent + 4, ProcedureName(table, operation));
    for (Field* field : table != nullptr ? table->GetFields() : std::vector<Field*>())
    {
        const CString variable = VariableOf(field);
        if (variable.IsEmpty())
            continue;
        const bool control = m_transaction.GetFieldRepForField(field) != nullptr;
        const bool link = IsLinkColumn(field);
        const bool passed =
            update ? field->IsKey() || control : !field->IsKey() && (control || link);
        if (passed)
            query.AddTerm(field, link ? KeyVariable(m_master) : variable);
    }
    query.Close();
}

void TransactionPageWriter::WriteDeleteCall(Table* table)
{
    const FieldVariableMap* key = m_transaction.FindKeyFieldVariableMap(table);
    WriteKeyGuard(m_textFile, m_indent + 1, VariableName(key));
    QueryText query(m_textFile, m_indent + 1, m_indent + 4, ProcedureName(table, "_Delete"));
    if (key != nullptr)
        query.AddTerm(key->field, VariableName(key));
    query.Close();
}

void TransactionPageWriter::WritePassedOnVariables(const Table* onlyOf)
{
    for (const FieldVariableMap* map : m_transaction.GetFieldVariableMaps())
    {
        Field* field = map->field;
        if (field == nullptr || field->GetTable() != nullptr ||
            m_transaction.FindRefFieldByField(field) == nullptr ||
            !HasData(m_transaction.GetFieldRepForField(field)) ||
            (onlyOf != nullptr && TableOf(field) != onlyOf))
            continue;
        const CString variable = VariableName(map);
        m_textFile.Write(0, "%s%s=\" &%s", " & \"&", variable, UrlEncoded(variable));
    }
}

void TransactionPageWriter::WriteUpdateRedirect()
{
    const int indent = m_indent;
    const CString key = KeyVariable(m_master);
    m_textFile.Write(indent, "if redirToFile <> \"\" then\n");
    m_textFile.Write(indent + 1, "redir = redirToFile\n");
    m_textFile.Write(indent, "elseif sAct = \"Remove\" then\n");
    m_textFile.Write(indent + 1, "redir = \"%s?strInfo=\" & %s\n", UrlOfKind(1),
                     UrlEncoded("sInfo"));
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "redir = \"%s?%s=\" &%s", UrlOfKind(3), key, UrlEncoded(key));
    WritePassedOnVariables(nullptr);
    m_textFile.Write(0, "%sstrInfo=\" & %s\n", " & \"&", UrlEncoded("sInfo"));
    m_textFile.Write(0, "\n");
    m_textFile.Write(indent, "end if\n");
}

void TransactionPageWriter::WriteAddRedirect()
{
    const int indent = m_indent;
    const CString key = KeyVariable(m_master);
    m_textFile.Write(indent, "if redirToFile <> \"\" then\n");
    m_textFile.Write(indent + 1, "redir = redirToFile\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "if(%s) > 0 then \n", key);
    for (const int kind : {3, 1})
    {
        if (kind == 1)
            m_textFile.Write(indent + 1, "else\n");
        m_textFile.Write(indent + 2, "redir = \"%s?%s=\" &%s", UrlOfKind(kind), key,
                         UrlEncoded(key));
        WritePassedOnVariables(m_master);
        m_textFile.Write(0, "%sstrInfo=\" & %s\n", " & \"&", UrlEncoded("sInfo"));
    }
    m_textFile.Write(indent + 1, "end if\n");
    m_textFile.Write(indent, "end if\n");
}

void TransactionPageWriter::WriteDetailRedirect(Table* detail)
{
    const int indent = m_indent;
    const CString key = KeyVariable(m_master);
    m_textFile.Write(indent, "if redirToFile <> \"\" then\n");
    m_textFile.Write(indent + 1, "redir = redirToFile\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "redir = \"%s?%s=\" &%s", UrlOfKind(3), key, UrlEncoded(key));
    WritePassedOnVariables(nullptr);
    m_textFile.Write(0, "%sstrInfo%d=\" & %s", " & \"&", DetailNumber(detail), UrlEncoded("sInfo"));
    for (FieldRep* control : m_transaction.GetFieldReps())
    {
        const FieldRepData* data = control->GetFieldRepData();
        if (data == nullptr || data->GetControlKind() != FieldRepData::ComboBox ||
            m_transaction.FindDetailTable(TableOf(control->GetField())) == nullptr)
            continue;
        const CString variable = VariableOf(control->GetField());
        m_textFile.Write(0, "&\"&%s=\"&%s", variable, UrlEncoded(variable));
    }
    m_textFile.Write(0, "\n");
    m_textFile.Write(indent, "end if\n");
}
