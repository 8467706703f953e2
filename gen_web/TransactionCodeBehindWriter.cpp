#include "gen_web/TransactionCodeBehindWriter.h"

#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/Transaction.h"
#include "gen_web/CodeLines.h"
#include "gen_web/DataClassText.h"
#include "gen_web/FormControlFill.h"
#include "gen_web/FormDesignerWriter.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/PageHeaderWriter.h"
#include "gen_web/PostedValueRead.h"
#include "gen_web/TransactionGridWriter.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>
#include <utility>

namespace
{

bool IsPlaced(const FieldRep* control)
{
    return control != nullptr && control->GetField() != nullptr &&
           control->GetFieldRepData() != nullptr && !control->GetFieldRepData()->IsAddedBySync();
}
} // namespace

TransactionCodeBehindWriter::TransactionCodeBehindWriter(ForgeonProject* project,
                                                         Transaction& transaction,
                                                         GenerationReport& report)
    : AspxWriter(project, &transaction, report), m_transaction(transaction),
      m_pageTemplate(project->GetProjectSettings() != nullptr
                         ? project->GetProjectSettings()->GetPageTemplate()
                         : 0),
      m_baseName(GetFormNameStem(transaction)),
      m_dataObject("m_" + CSharpIdentifierPart(m_baseName)),
      m_key(FindSkipReason(transaction).IsEmpty()
                ? transaction.GetBasicTable()->GetPrimaryKeyField()->GetFieldName()
                : CString()),
      m_keyId(PageControlId(m_key)), m_fragments(*project, transaction, m_textFile, m_dataObject)
{
}

CString TransactionCodeBehindWriter::FindSkipReason(const Transaction& transaction)
{
    const Table* master = transaction.GetBasicTable();
    if (master == nullptr)
        return "the page has no table";
    if (master->GetPrimaryKeyField() == nullptr)
        return "the table " + master->GetTableName() + " has no key field";
    for (const Table* detail : transaction.GetDetailTables())
    {
        if (detail == nullptr)
            return "the page has no table";
        if (detail->GetPrimaryKeyField() == nullptr)
            return "the table " + detail->GetTableName() + " has no key field";
        if (detail->FindForeignKeyFieldTo(master) == nullptr)
            return "the detail table " + detail->GetTableName() +
                   " has no foreign key to the master table";
    }
    return {};
}

void TransactionCodeBehindWriter::Write()
{
    const CString reason = FindSkipReason(m_transaction);
    if (!reason.IsEmpty())
    {
        m_report.AddSkippedPage(m_transaction.GetFormName(), reason);
        return;
    }
    for (AspFile* file : m_transaction.GetAspFiles())
    {
        m_pageFile = dynamic_cast<AspxFile*>(file);
        if (m_pageFile == nullptr)
            continue;
        if (m_pageFile->GetFileKind() == transactionAddFileKind)
            WriteAddPage();
        else if (m_pageFile->GetFileKind() == transactionUpdateFileKind)
            WriteUpdatePage();
    }
}

void TransactionCodeBehindWriter::WriteAddPage()
{
    WriteUsings();
    WriteClassHead();
    WritePreInit(2);
    WriteDataObjects(2);
    WriteAddPageLoad(2);
    WriteHandleAdd(2);
    WriteUploadReplies("Add.aspx", "");
    for (const Table* table : m_transaction.GetDetailTables())
    {
        WriteAddDetails(*table, 2);
        WriteRowKeysOffered(*table, 2);
        if (IsUploadPage())
            WritePostedGrid(*table, 2);
    }
    m_fragments.AddUnique(m_transaction.GetBasicTable());
    FormControlFill fill(m_transaction, m_transaction.GetBasicTable(),
                         ControlsOf(*m_transaction.GetBasicTable()), m_textFile, m_fragments,
                         m_dataObject);
    fill.WriteAddInitializeControls(2);
    m_fragments.WriteExtractAndAssignValues(2);
    WriteHandleRecompute(2);
    WriteRecomputeMethods(2);
    WriteRecomputeFillMethods(2);
    WriteGridServer(2);
    TransactionGridWriter(m_transaction, *m_pageFile, *m_project, m_textFile, m_fragments)
        .WriteAddGridData(2);
    WriteClassTail();
    Save("Add");
}

void TransactionCodeBehindWriter::WriteUpdatePage()
{
    WriteUsings();
    WriteClassHead();
    WritePreInit(2);
    WriteDataObjects(2);
    WriteValueMembers(2);
    WriteUpdatePageLoad(2);
    WriteHandleUpdate(2);
    WriteUploadReplies("Update.aspx", m_key);
    for (const Table* table : m_transaction.GetDetailTables())
    {
        WriteUpdateDetails(*table, 2);
        WriteRowKeysOffered(*table, 2);
        if (IsUploadPage())
            WritePostedGrid(*table, 2);
    }
    WriteHandleDelete(2);
    for (const Table* table : m_transaction.GetDetailTables())
        WriteDeleteDetails(*table, 2);
    m_fragments.ClearObjects();
    FormControlFill fill(m_transaction, m_transaction.GetBasicTable(),
                         ControlsOf(*m_transaction.GetBasicTable()), m_textFile, m_fragments,
                         m_dataObject);
    fill.WriteFillControls(2);
    fill.WriteUpdateInitializeControls(2);
    fill.WriteInitAndSetRecomputingCombo(2);
    m_fragments.WriteExtractAndAssignValues(2);
    WriteHandleRecompute(2);
    WriteRecomputeMethods(2);
    WriteRecomputeFillMethods(2);
    WriteGridServer(2);
    TransactionGridWriter(m_transaction, *m_pageFile, *m_project, m_textFile, m_fragments)
        .WriteUpdateGridData(2);
    WriteClassTail();
    Save("Update");
}

// An upload page's answers on itself: a refused save with the values as posted, a request
// over the site's limit.
void TransactionCodeBehindWriter::WriteUploadReplies(const char* page, const CString& key)
{
    if (!IsUploadPage())
        return;
    m_fragments.WriteShowRefusedUpdate(2, /*writesReport=*/false, /*writesGrids=*/true);
    m_fragments.WriteRequestLimitReply(2, m_baseName + page, key);
}

void TransactionCodeBehindWriter::WriteClassHead()
{
    m_textFile.Write(0, "namespace %s\n{\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(1, "public partial class %s : System.Web.UI.Page\n",
                     CSharpIdentifier(m_baseName + (IsUpdatePage() ? "Update" : "Add")));
    m_textFile.Write(1, "{\n");
}

void TransactionCodeBehindWriter::WritePreInit(int indent)
{
    m_textFile.Write(indent, "void Page_PreInit(Object sender, EventArgs e)\n");
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "this.Title = \"%s\";\n",
                     EscapeCSharpString(m_pageFile->GetPageTitle()));
    m_textFile.Write(indent, "}\n");
}

void TransactionCodeBehindWriter::WriteDataObjects(int indent)
{
    const CString master = GetDataClassName(*m_project, *m_transaction.GetBasicTable());
    m_textFile.Write(indent, "%s %s = new %s();\n", master, m_dataObject, master);
    m_textFile.Write(0, "\n");
    for (const Table* table : m_transaction.GetDetailTables())
    {
        const CString detail = GetDataClassName(*m_project, *table);
        m_textFile.Write(indent, "%s m_%s = new %s();\n", detail,
                         CSharpIdentifierPart(table->GetTableName()), detail);
    }
    WriteCodeLines(m_textFile, {
                                   {0, ""},
                                   {indent, "String m_messageString = \"\";"},
                                   {indent, "String m_role = \"\";"},
                                   {0, ""},
                               });
}

void TransactionCodeBehindWriter::WriteValueMembers(int indent)
{
    for (const FieldRep* control : ControlsOf(*m_transaction.GetBasicTable()))
    {
        const int kind = ControlKind(*control);
        if (IsPlaced(control) &&
            (kind == FieldRepData::EditableComboBox || kind == FieldRepData::RadioButton ||
             kind == FieldRepData::ComboBox))
            m_textFile.Write(indent, "String m_%s;\n", ControlName(*control));
    }
}

void TransactionCodeBehindWriter::WriteAddPageLoad(int indent)
{
    const int i = indent;
    std::vector<FieldRep*> master = ControlsOf(*m_transaction.GetBasicTable());
    std::erase_if(master, [](const FieldRep* control) { return !IsPlaced(control); });
    m_textFile.Write(i, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(i, "{\n");
    m_fragments.WriteRoleCheck(i + 1);
    WriteCodeLines(m_textFile,
                   {
                       {i + 1, "String action = this.Request.Params[\"ACTION\"];"},
                       {i + 1, "if (action != null && action.Equals(\"ADD\"))"},
                       {i + 2, "handleAdd();"},
                       {i + 1, "else if (action != null && action.Equals(\"LOAD\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Contains(\"RECOMPUTE\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Equals(\"REFRESHGRID\"))"},
                       {i + 1, "{"},
                   });
    m_fragments.WriteComboResets(master, i + 2);
    m_fragments.WriteDateDefaults(master, i + 2);
    WriteCodeLines(m_textFile, {
                                   {i + 2, "initializeControls();"},
                                   {i + 2, "extractAndAssignValuesToControls();"},
                                   {i + 2, "WriteGridServer();"},
                                   {i + 2, "WriteMenus();"},
                                   {i + 2, "ManageLinkVisibility();"},
                                   {i + 2, "handleRecompute();"},
                                   {i + 1, "}"},
                                   {i + 1, "else "},
                                   {i + 1, "{"},
                               });
    m_fragments.WriteComboResets(master, i + 2);
    m_fragments.WriteDateDefaults(master, i + 2);
    m_textFile.Write(i + 2, "initializeControls();\n");
    m_textFile.Write(i + 2, "extractAndAssignValuesToControls();\n");
    // The message of the upload page's last save, which redirected here.
    if (IsUploadPage())
        m_fragments.WriteKeptMessage(i + 2);
    WriteCodeLines(m_textFile, {
                                   {i + 2, "WriteGridServer();"},
                                   {i + 2, "WriteMenus();"},
                                   {i + 2, "ManageLinkVisibility();"},
                                   {i + 1, "}"},
                                   {i, "}"},
                               });
}

void TransactionCodeBehindWriter::WriteUpdatePageLoad(int indent)
{
    const int i = indent;
    std::vector<FieldRep*> master = ControlsOf(*m_transaction.GetBasicTable());
    std::erase_if(master, [](const FieldRep* control) { return !IsPlaced(control); });
    m_textFile.Write(i, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(i, "{\n");
    m_fragments.WriteRoleCheck(i + 1);
    m_textFile.Write(
        i + 1, "String m_%s = new UtilHandler().ToSqlNumber(this.Request.Params[\"%s\"], null);\n",
        m_keyId, EscapeCSharpString(m_key));
    WriteCodeLines(m_textFile,
                   {
                       {i + 1, "String action = this.Request.Params[\"ACTION\"];"},
                       {i + 1, "if (action != null && action.Equals(\"UPDATE\"))"},
                       {i + 2, "handleUpdate();"},
                       {i + 1, "else if (action != null && action.Equals(\"DELETE\"))"},
                       {i + 2, "handleDelete();"},
                       {i + 1, "else if (action != null && action.Equals(\"LOAD\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Contains(\"RECOMPUTE\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Equals(\"UPDATECONTROLS\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else "},
                       {i + 1, "{"},
                   });
    m_fragments.WriteComboResets(master, i + 2);
    // The message of a refused upload, which returned here.
    if (IsUploadPage())
        m_fragments.WriteKeptMessage(i + 2);
    m_textFile.Write(i + 2, "WriteMenus();\n");
    m_textFile.Write(i + 2, "ManageLinkVisibility();\n");
    // A role that only a report's rows lead here gets no input that acts on the record.
    const std::vector<CString> writeOnly = m_fragments.WriteOnlyControls(master);
    if (!writeOnly.empty())
    {
        m_textFile.Write(i + 2, "if (!%s)\n", RoleMayActTest());
        m_textFile.Write(i + 2, "{\n");
        m_fragments.WriteWriteOnlyControlsHidden(writeOnly, i + 3);
        m_textFile.Write(i + 2, "}\n");
    }
    m_textFile.Write(i + 2, "if (m_%s != null && m_%s.Length > 0)\n", m_keyId, m_keyId);
    m_textFile.Write(i + 2, "{\n");
    m_textFile.Write(i + 3, "%s.Value = m_%s;\n", m_keyId, m_keyId);
    m_textFile.Write(i + 3, "initializeControls();\n");
    m_textFile.Write(i + 3, "fillControls(m_%s);\n", m_keyId);
    m_textFile.Write(i + 3, "initAndSetRecomputingCombo();;\n");
    WriteCodeLines(m_textFile, {
                                   {i + 2, "}"},
                                   {i + 2, "WriteGridServer();"},
                                   {i + 1, "}"},
                                   {i, "}"},
                               });
}

void TransactionCodeBehindWriter::WriteHandlerHead(int indent, const char* name)
{
    m_textFile.Write(indent, "void %s()\n", name);
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "try\n");
    m_textFile.Write(indent + 1, "{\n");
}

void TransactionCodeBehindWriter::WriteHandleAdd(int indent)
{
    const int i = indent + 2;
    WriteHandlerHead(indent, "handleAdd");
    m_fragments.WriteSaveBegin(i, "null");
    WriteValuesArray(*m_transaction.GetBasicTable(), i, /*update=*/false);
    m_textFile.Write(i, "%s.SetValues(values);\n", m_dataObject);
    WriteSaveRefusals(i, /*update=*/false);
    m_textFile.Write(i, "else if(%s.HandlePreAdd())\n", m_dataObject);
    m_textFile.Write(i, "{\n");
    m_textFile.Write(i + 1, "DataTable dbTable = %s.HandleAdd();\n", m_dataObject);
    if (IsUploadPage())
        m_fragments.WriteKeepSavedUploads(i + 1, /*inSave=*/true);
    m_textFile.Write(i + 1, "String basicId = dbTable.Rows[0][\"basicId\"].ToString();\n");
    m_textFile.Write(i + 1, "%s.HandlePostAdd();\n", m_dataObject);
    for (const Table* table : m_transaction.GetDetailTables())
        m_textFile.Write(i + 1, "addDetailsFor%s(basicId);\n", table->GetTableName());
    m_textFile.Write(i, "}\n");
    m_textFile.Write(i, "else\n");
    m_textFile.Write(i + 1, "m_messageString = \"Can not Add Basic Record!\";\n");
    m_fragments.WriteSaveCommit(i, IsUploadPage());
    WriteSaveReply(i);
    WriteCatch(indent, /*savesUploads=*/IsUploadPage(), /*refusesRows=*/true,
               /*showsRefusal=*/IsUploadPage());
}

// The walk over a grid's rows of the record "basicId": rows 1, 2, ... up to the first without its
// numbering input, and never beyond the most its grid holds; the saves and the checks before
// them walk alike.
void TransactionCodeBehindWriter::WriteRowWalkHead(const Table& table, int indent)
{
    m_textFile.Write(indent, "int rowLimit = new UtilHandler().DetailRowLimit(%s, basicId);\n",
                     DetailTableArguments(table, /*withKey=*/false));
    m_textFile.Write(indent, "for (int rowCount = 1; rowCount <= rowLimit; rowCount++)\n");
    m_textFile.Write(indent, "{\n");
}

CString TransactionCodeBehindWriter::DetailTableArguments(const Table& table, bool withKey) const
{
    const Field* link = table.FindForeignKeyFieldTo(m_transaction.GetBasicTable());
    CString arguments = "\"" + table.GetTableName() + "\", ";
    if (withKey)
        arguments += "\"" + GetPrimaryKeyName(&table) + "\", ";
    return arguments + "\"" + (link != nullptr ? link->GetFieldName() : CString()) + "\"";
}

void TransactionCodeBehindWriter::WriteRowWalkEnd(int indent)
{
    m_textFile.Write(indent, "if (rowNo == null)\n");
    m_textFile.Write(indent + 1, "break;\n");
}

void TransactionCodeBehindWriter::WriteRowParams(const Table& table, int indent, bool withId,
                                                 bool withDelete)
{
    const CString prefix = GetGridRowPrefix(m_transaction, table);
    m_textFile.Write(indent, "String searchString = \"%sinp\";\n", prefix);
    m_textFile.Write(indent, "searchString += rowCount;\n");
    m_textFile.Write(indent, "String rowNo = this.Request.Form[searchString];\n");
    if (withId)
    {
        m_textFile.Write(indent, "searchString = \"%sid\";\n", prefix);
        m_textFile.Write(indent, "searchString += rowCount;\n");
        m_textFile.Write(indent, "String detailId = this.Request.Form[searchString];\n");
    }
    if (withDelete)
    {
        m_textFile.Write(indent, "searchString = \"%sdelete\";\n", prefix);
        m_textFile.Write(indent, "searchString += rowCount;\n");
        m_textFile.Write(indent, "String isDelete = this.Request.Form[searchString];\n");
    }
}

void TransactionCodeBehindWriter::WriteDetailCall(const CString& dataObject, const char* action,
                                                  const char* message, int indent)
{
    m_textFile.Write(indent, "if(%s.HandlePre%s())\n", dataObject, action);
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "%s.Handle%s();\n", dataObject, action);
    m_textFile.Write(indent + 1, "%s.HandlePost%s();\n", dataObject, action);
    m_textFile.Write(indent, "}\n");
    m_textFile.Write(indent, "else\n");
    WriteSaveRefusal(message, indent + 1);
}

// A row that the save cannot write ends the whole save: nothing of it is kept.
void TransactionCodeBehindWriter::WriteSaveRefusal(const char* message, int indent)
{
    m_textFile.Write(indent, "throw new SaveRefusedException(\"%s\");\n", message);
}

void TransactionCodeBehindWriter::WriteOwnedDetailCall(const Table& table, const char* action,
                                                       const char* message, int indent)
{
    m_textFile.Write(indent, "if (!%s)\n", DetailOwnedTest(table));
    WriteSaveRefusal(message, indent + 1);
    WriteDetailCall("m_" + table.GetTableName(), action, message, indent);
}

CString TransactionCodeBehindWriter::DetailOwnedTest(const Table& table) const
{
    return "new UtilHandler().IsDetailOf(" + DetailTableArguments(table, /*withKey=*/true) +
           ", detailId, basicId)";
}

void TransactionCodeBehindWriter::WriteAddDetails(const Table& table, int indent)
{
    const int i = indent;
    const CString object = "m_" + table.GetTableName();
    m_textFile.Write(i, "void addDetailsFor%s(String basicId)\n", table.GetTableName());
    m_textFile.Write(i, "{\n");
    WriteRowWalkHead(table, i + 1);
    WriteRowParams(table, i + 2, /*withId=*/false, /*withDelete=*/true);
    WriteRowWalkEnd(i + 2);
    m_textFile.Write(i + 2, "if (rowNo != null && isDelete == null)\n");
    m_textFile.Write(i + 2, "{\n");
    WriteValuesArray(table, i + 3, /*update=*/false);
    m_textFile.Write(i + 3, "%s.SetValues(values);\n", object);
    WriteDetailCall(object, "Add", "Can not Add Detail Record!", i + 3);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i, "}\n");
}

void TransactionCodeBehindWriter::WriteHandleUpdate(int indent)
{
    const int i = indent + 2;
    WriteHandlerHead(indent, "handleUpdate");
    WriteRequestKey("id", i);
    m_fragments.WriteSaveBegin(i, MasterLockString());
    WriteValuesArray(*m_transaction.GetBasicTable(), i, /*update=*/true);
    m_textFile.Write(i, "%s.SetValues(values);\n", m_dataObject);
    m_textFile.Write(i, "%s.SetPrimaryKey(id);\n", m_dataObject);
    WriteSaveRefusals(i, /*update=*/true);
    m_textFile.Write(i, "else if(%s.HandlePreUpdate())\n", m_dataObject);
    m_textFile.Write(i, "{\n");
    m_textFile.Write(i + 1, "%s.HandleUpdate();\n", m_dataObject);
    if (IsUploadPage())
        m_fragments.WriteKeepSavedUploads(i + 1, /*inSave=*/true);
    m_textFile.Write(i + 1, "%s.HandlePostUpdate();\n", m_dataObject);
    for (const Table* table : m_transaction.GetDetailTables())
        m_textFile.Write(i + 1, "update%s();\n", table->GetTableName());
    m_textFile.Write(i, "}\n");
    m_textFile.Write(i, "else\n");
    m_textFile.Write(i + 1, "m_messageString = \"Can not Update Basic Record\";\n");
    m_fragments.WriteSaveCommit(i, IsUploadPage());
    WriteSaveReply(i);
    WriteCatch(indent, /*savesUploads=*/IsUploadPage(), /*refusesRows=*/true,
               /*showsRefusal=*/IsUploadPage());
}

// A saved record says nothing; on an upload page a refused one stays on its page.
void TransactionCodeBehindWriter::WriteSaveReply(int indent)
{
    if (!IsUploadPage())
    {
        WriteReply(indent);
        return;
    }
    m_textFile.Write(indent, "if (m_messageString != \"\")\n");
    m_textFile.Write(indent + 1, "showRefusedUpdate();\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent, "{\n");
    WriteReply(indent + 1);
    m_textFile.Write(indent, "}\n");
}

// An update of a record that is gone, a combo value that the page never offered, of the master
// or of a detail row, and a post of more detail rows than a grid holds save nothing and say so.
void TransactionCodeBehindWriter::WriteSaveRefusals(int indent, bool update)
{
    const char* refusal = update ? "m_messageString = \"Can not Update Record!\";"
                                 : "m_messageString = \"Can not Add Record!\";";
    if (update)
    {
        m_textFile.Write(indent, "if (%s.SelectRecord(id).Rows.Count == 0)\n", m_dataObject);
        m_textFile.Write(indent + 1, "%s\n", refusal);
        m_textFile.Write(indent, "else ");
    }
    std::vector<FieldRep*> posted;
    for (FieldRep* control : ControlsOf(*m_transaction.GetBasicTable()))
        if (IsPlaced(control) &&
            (update || GetVisibilityText(*m_pageFile, *control) != "Invisible"))
            posted.push_back(control);
    m_fragments.WriteOfferedKeyRefusal(posted, indent, refusal, /*afterElse=*/update);
    WriteTooManyRowsRefusal(indent, update ? "id" : "null", /*adds=*/update);
    WriteRowNumberingRefusal(indent);
    CString rowKeysRefused;
    for (const Table* table : m_transaction.GetDetailTables())
        if (!RowKeyCombos(*table).empty())
            rowKeysRefused += CString(rowKeysRefused.IsEmpty() ? "" : " || ") + "!" +
                              RowKeysOfferedMethod(*table) + (update ? "(id)" : "(null)");
    if (rowKeysRefused.IsEmpty())
        return;
    m_textFile.Write(indent, "else if (%s)\n", rowKeysRefused);
    m_textFile.Write(indent + 1, "%s\n", refusal);
}

void TransactionCodeBehindWriter::WriteRowKeysOffered(const Table& table, int indent)
{
    const std::vector<FieldRep*> combos = RowKeyCombos(table);
    if (combos.empty())
        return;
    const int i = indent;
    m_textFile.Write(i, "//True when each combo value of the rows to be saved is one that the page "
                        "offers\n");
    m_textFile.Write(i, "bool %s(String basicId)\n", RowKeysOfferedMethod(table));
    m_textFile.Write(i, "{\n");
    WriteRowWalkHead(table, i + 1);
    WriteRowParams(table, i + 2, /*withId=*/false, /*withDelete=*/true);
    WriteRowWalkEnd(i + 2);
    m_textFile.Write(i + 2, "if (rowNo != null && isDelete == null)\n");
    m_textFile.Write(i + 2, "{\n");
    for (const FieldRep* control : combos)
    {
        m_textFile.Write(i + 3, "searchString = \"%s%s\";\n",
                         GetGridRowPrefix(m_transaction, table), ControlName(*control));
        m_textFile.Write(i + 3, "searchString += rowNo;\n");
        m_textFile.Write(i + 3, "String %s = this.Request.Form[searchString];\n",
                         ControlName(*control));
    }
    m_textFile.Write(i + 3, "if (%s)\n", OfferedKeyTest(combos));
    m_textFile.Write(i + 4, "return false;\n");
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i + 1, "return true;\n");
    m_textFile.Write(i, "}\n");
}

CString TransactionCodeBehindWriter::RowKeysOfferedMethod(const Table& table)
{
    return "rowKeysOfferedFor" + table.GetTableName();
}

std::vector<FieldRep*> TransactionCodeBehindWriter::RowKeyCombos(const Table& table) const
{
    std::vector<FieldRep*> combos;
    for (FieldRep* control : ControlsOf(table))
        if (IsPlaced(control) && GetVisibilityText(*m_pageFile, *control) != "Invisible" &&
            IsPostedByPage(*control, /*detailRow=*/true) && TakesValuesFromKey(*control))
            combos.push_back(control);
    return combos;
}

// After an "else " already written: "if" a grid's post names more rows than it holds, by any of
// its row inputs or controls, or, when the post adds rows, the record basicId would hold more
// than the cap, the refusal.
void TransactionCodeBehindWriter::WriteTooManyRowsRefusal(int indent, const char* basicId,
                                                          bool adds)
{
    CString tests;
    for (const Table* table : m_transaction.GetDetailTables())
    {
        CString fields = "\"inp\", \"id\", \"delete\"";
        for (const FieldRep* control : ControlsOf(*table))
            if (IsPlaced(control))
                fields += ", \"" + ControlName(*control) + "\"";
        const CString prefix = "\"" + GetGridRowPrefix(m_transaction, *table) + "\"";
        tests += CString(tests.IsEmpty() ? "" : " || ") +
                 "new UtilHandler().HasTooManyRows(this, " + prefix + ", new String[] { " + fields +
                 " }, " + DetailTableArguments(*table, /*withKey=*/false) + ", " + basicId + ")";
        if (adds)
            tests += " || new UtilHandler().AddsTooManyRows(this, " + prefix + ", " +
                     DetailTableArguments(*table, /*withKey=*/true) + ", " + basicId + ")";
    }
    m_textFile.Write(0, "if (%s)\n", tests.IsEmpty() ? CString("false") : tests);
    m_textFile.Write(indent + 1, "m_messageString = UtilHandler.TOO_MANY_ROWS;\n");
}

// "else if" a grid's rows are not numbered as the page numbers them, the refusal; nothing
// without grids.
void TransactionCodeBehindWriter::WriteRowNumberingRefusal(int indent)
{
    CString tests;
    for (const Table* table : m_transaction.GetDetailTables())
        tests += CString(tests.IsEmpty() ? "" : " || ") +
                 "!new UtilHandler().AreRowsNumbered(this, \"" +
                 GetGridRowPrefix(m_transaction, *table) + "\")";
    if (tests.IsEmpty())
        return;
    m_textFile.Write(indent, "else if (%s)\n", tests);
    m_textFile.Write(indent + 1, "m_messageString = UtilHandler.ROWS_MISNUMBERED;\n");
}

void TransactionCodeBehindWriter::WriteUpdateDetails(const Table& table, int indent)
{
    const int i = indent;
    const CString object = "m_" + table.GetTableName();
    m_textFile.Write(i, "void update%s()\n", table.GetTableName());
    m_textFile.Write(i, "{\n");
    WriteRequestKey("basicId", i + 1);
    WriteRowWalkHead(table, i + 1);
    WriteRowParams(table, i + 2, /*withId=*/true, /*withDelete=*/true);
    WriteRowWalkEnd(i + 2);
    m_textFile.Write(i + 2, "if (rowNo != null && isDelete == null)\n");
    m_textFile.Write(i + 2, "{\n");
    WriteValuesArray(table, i + 3, /*update=*/true);
    m_textFile.Write(i + 3, "%s.SetValues(values);\n", object);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 2, "if (detailId != null && detailId == \"0\" && isDelete == null)\n");
    m_textFile.Write(i + 2, "{\n");
    WriteDetailCall(object, "Add", "Can not Add Record!", i + 3);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 2,
                     "else if (detailId != null && detailId != \"0\" && isDelete == null)\n");
    m_textFile.Write(i + 2, "{\n");
    m_textFile.Write(i + 3, "%s.SetPrimaryKey(detailId);\n", object);
    WriteOwnedDetailCall(table, "Update", "Can not Update Detail Record!", i + 3);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 2,
                     "else if (detailId != null && detailId != \"0\" && isDelete != null)\n");
    m_textFile.Write(i + 2, "{\n");
    m_textFile.Write(i + 3, "%s.SetPrimaryKey(detailId);\n", object);
    WriteOwnedDetailCall(table, "Delete", "Can not Delete Detail Record!", i + 3);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i, "}\n");
}

void TransactionCodeBehindWriter::WritePostedGrid(const Table& table, int indent)
{
    const int i = indent;
    const CString name = table.GetTableName();
    // Every value, a date the server cannot read included, is shown as typed.
    std::vector<const FieldRep*> controls;
    for (const FieldRep* control : ControlsOf(table))
    {
        if (control->GetField() == nullptr || control->GetFieldRepData() == nullptr)
            continue;
        controls.push_back(control);
    }
    m_textFile.Write(i, "//The rows as the post sent them, shown with the refusal of their save\n");
    m_textFile.Write(i, "public void fillPostedGridFor%s(ReportXMLWriter w)\n", name);
    m_textFile.Write(i, "{\n");
    if (IsUpdatePage())
        WriteRequestKey("basicId", i + 1);
    else
        m_textFile.Write(i + 1, "String basicId = null;\n");
    WriteRowWalkHead(table, i + 1);
    WriteRowParams(table, i + 2, /*withId=*/true, /*withDelete=*/true);
    WriteRowWalkEnd(i + 2);
    m_textFile.Write(i + 2, "ArrayList strA = new ArrayList();\n");
    m_textFile.Write(i + 2, "FieldValues s = new FieldValues();\n");
    const auto writeValue = [&](const CString& column, const char* value)
    {
        m_textFile.Write(i + 2, "s.m_fieldName = \"%s\";\n", column);
        m_textFile.Write(i + 2, "s.m_value = %s ?? \"\";\n", value);
    };
    writeValue(GetPrimaryKeyName(&table), "detailId");
    m_textFile.Write(i + 2, "strA.Add(s);\n");
    writeValue("delete", "isDelete");
    m_textFile.Write(i + 2, "strA.Add(s);\n");
    for (const FieldRep* control : controls)
    {
        m_textFile.Write(i + 2, "searchString = \"%s%s\";\n",
                         GetGridRowPrefix(m_transaction, table), ControlName(*control));
        m_textFile.Write(i + 2, "searchString += rowNo;\n");
        writeValue(ControlName(*control), "this.Request.Form[searchString]");
        m_textFile.Write(i + 2, "strA.Add(s);\n");
    }
    m_textFile.Write(i + 2, "w.BeginGridDataRow(null);\n");
    m_textFile.Write(i + 2, "writeGridRowFor%s(w, strA, rowCount);\n", name);
    m_textFile.Write(i + 2, "w.EndGridDataRow();\n");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i, "}\n");
}

void TransactionCodeBehindWriter::WriteHandleDelete(int indent)
{
    const int i = indent + 2;
    WriteHandlerHead(indent, "handleDelete");
    WriteRequestKey("id", i);
    m_fragments.WriteSaveBegin(i, MasterLockString());
    m_fragments.WriteDeleteKeyRefusal(i);
    m_textFile.Write(i, "else ");
    WriteTooManyRowsRefusal(i, "id", /*adds=*/false);
    m_textFile.Write(i, "else\n");
    m_textFile.Write(i, "{\n");
    for (const Table* table : m_transaction.GetDetailTables())
        m_textFile.Write(i + 1, "delete_%s();\n", table->GetTableName());
    m_textFile.Write(i + 1, "%s.SetPrimaryKey(id);\n", m_dataObject);
    m_textFile.Write(i + 1, "%s.HandleDelete();\n", m_dataObject);
    m_textFile.Write(i, "}\n");
    m_fragments.WriteSaveCommit(i, /*keepsHeldUploads=*/false);
    WriteReply(i);
    WriteCatch(indent, /*savesUploads=*/false, /*refusesRows=*/false, /*showsRefusal=*/false);
}

void TransactionCodeBehindWriter::WriteDeleteDetails(const Table& table, int indent)
{
    const int i = indent;
    const CString object = "m_" + table.GetTableName();
    m_textFile.Write(i, "void delete_%s()\n", table.GetTableName());
    m_textFile.Write(i, "{\n");
    WriteRequestKey("basicId", i + 1);
    WriteRowWalkHead(table, i + 1);
    WriteRowParams(table, i + 2, /*withId=*/true, /*withDelete=*/false);
    WriteRowWalkEnd(i + 2);
    m_textFile.Write(i + 2, "if (detailId != null && detailId != \"0\")\n");
    m_textFile.Write(i + 2, "{\n");
    m_textFile.Write(i + 3, "%s.SetPrimaryKey(detailId);\n", object);
    m_textFile.Write(i + 3, "if (%s)\n", DetailOwnedTest(table));
    m_textFile.Write(i + 4, "%s.HandleDelete();\n", object);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i, "}\n");
}

CString TransactionCodeBehindWriter::MasterLockString() const
{
    return "new UtilHandler().RecordLockString(\"" + m_transaction.GetBasicTable()->GetTableName() +
           "\", \"" + m_key + "\", id)";
}

void TransactionCodeBehindWriter::WriteRequestKey(const char* local, int indent)
{
    if (IsUploadPage())
        m_textFile.Write(indent, "String %s = this.%s.Value;\n", local, m_keyId);
    else
        m_textFile.Write(indent, "String %s = this.Request.Form[\"%s\"];\n", local, m_keyId);
}

void TransactionCodeBehindWriter::WriteValuesArray(const Table& table, int indent, bool update)
{
    const bool master = &table == m_transaction.GetBasicTable();
    const AspFile* updateFile = m_transaction.FindAspFileByType(transactionUpdateFileKind);
    const bool keepsStored = std::ranges::any_of(
        ControlsOf(table),
        [this, master](const FieldRep* control)
        {
            return IsPlaced(control) && (KeepsStoredWhenLeftOut(*m_pageFile, *control) ||
                                         !IsPostedByPage(*control, !master));
        });
    if (update && ((updateFile != nullptr && updateFile->HasInvisibleField()) || keepsStored))
    {
        // A detail row's hidden values come from its own stored record.
        m_textFile.Write(indent, "// extracting record from database for invisible controls\n");
        if (master)
            m_textFile.Write(indent, "DataTable dtRecord = %s.SelectRecord(id);\n", m_dataObject);
        else
            m_textFile.Write(indent, "DataTable dtRecord = m_%s.SelectRecord(detailId);\n",
                             CSharpIdentifierPart(table.GetTableName()));
    }
    // Each value under its column's name, which the data class looks up, from its local.
    std::vector<std::pair<CString, CString>> names;
    bool locationWritten = false;
    bool utilWritten = false;
    for (const FieldRep* control : ControlsOf(table))
    {
        if (!IsPlaced(control))
            continue;
        const int kind = ControlKind(*control);
        const CString name = ControlName(*control);
        const CString column = ColumnName(*control);
        const bool posted = IsPostedByPage(*control, !master);
        if (kind == FieldRepData::FileUpload && posted && !locationWritten)
        {
            m_textFile.Write(indent, "String location = Server.MapPath(\"~/uploadedData/\");\n");
            locationWritten = true;
        }
        // Hidden on the Add page, or not posted: no value; on the Update page: the stored one.
        if (!update && (GetVisibilityText(*m_pageFile, *control) == "Invisible" || !posted))
            continue;
        const FieldVisibility* visibility =
            updateFile != nullptr ? updateFile->FindFieldVisibility(control->GetField()) : nullptr;
        const bool stored = update && ((visibility != nullptr && visibility->GetVisibilityKind() ==
                                                                     FieldVisibility::Invisible) ||
                                       !posted);
        if (!utilWritten)
        {
            m_textFile.Write(indent, "UtilHandler util = new UtilHandler();\n");
            utilWritten = true;
        }
        const bool keeps = update && KeepsStoredWhenLeftOut(*m_pageFile, *control);
        if (master && kind == FieldRepData::FileUpload)
        {
            if (update)
                m_fragments.WriteFileUploadUpdateValue(*control, indent,
                                                       m_baseName + "Update.aspx");
            else
                m_fragments.WriteFileUploadValue(*control, indent, m_baseName + "Add.aspx",
                                                 /*refusalShownHere=*/true);
        }
        else if (master)
        {
            if (stored)
                m_textFile.Write(indent, "String %s = dtRecord.Rows[0][\"%s\"].ToString();\n", name,
                                 column);
            else
                m_textFile.Write(indent, "String %s = %s;\n", name,
                                 PostedValueRead(*m_pageFile, *control,
                                                 "this.Request.Form[\"" + name + "\"]", CString()));
            if (!stored && keeps)
            {
                m_textFile.Write(indent, "if (%s == null)\n", name);
                m_textFile.Write(indent + 1, "%s = dtRecord.Rows[0][\"%s\"].ToString();\n", name,
                                 column);
            }
        }
        else
        {
            m_textFile.Write(indent, "searchString = \"%s%s\";\n",
                             GetGridRowPrefix(m_transaction, table), name);
            m_textFile.Write(indent, "searchString += rowNo;\n");
            if (stored)
                m_textFile.Write(indent,
                                 "String %s = dtRecord.Rows.Count > 0 ? "
                                 "dtRecord.Rows[0][\"%s\"].ToString() : null;\n",
                                 name, column);
            else
                m_textFile.Write(indent, "String %s = %s;\n", name,
                                 PostedValueRead(*m_pageFile, *control,
                                                 "this.Request.Form[searchString]", "rowNo"));
            if (!stored && keeps)
            {
                m_textFile.Write(indent, "if (%s == null && dtRecord.Rows.Count > 0)\n", name);
                m_textFile.Write(indent + 1, "%s = dtRecord.Rows[0][\"%s\"].ToString();\n", name,
                                 column);
            }
        }
        names.emplace_back(column, name);
    }
    if (!master)
        names.emplace_back(
            table.FindForeignKeyFieldTo(m_transaction.GetBasicTable())->GetFieldName(), "basicId");
    m_textFile.Write(0, " \n");
    m_textFile.Write(indent, "String[,] values = ");
    m_textFile.Write(0, "{ \n");
    for (std::size_t n = 0; n < names.size(); ++n)
    {
        m_textFile.Write(indent, "{\"%s\", %s }", names[n].first, names[n].second);
        m_textFile.Write(0, n + 1 < names.size() ? ",\n" : "\n");
    }
    m_textFile.Write(0, "\n");
    m_textFile.Write(indent, " };\n");
    m_textFile.Write(0, " \n");
}

void TransactionCodeBehindWriter::WriteReply(int indent)
{
    if (IsUploadPage())
    {
        m_textFile.Write(indent, "new UtilHandler().KeepPageMessage(this, m_messageString);\n");
        m_textFile.Write(indent, "Response.Redirect(\"%s\");\n",
                         EscapeCSharpString(m_baseName + "Add.aspx"));
        return;
    }
    WriteCodeLines(m_textFile, {
                                   {indent, "Response.CacheControl = \"no-cache\";"},
                                   {indent, "Response.ContentType = \"text/xml\";"},
                                   {indent, "ReportXMLWriter w = new ReportXMLWriter();"},
                                   {indent, "GetXMLDataForGrid(w);"},
                                   {indent, "w.WriteMessageString(m_messageString);"},
                                   {indent, "string strReport = w.Close();"},
                                   {indent, "Response.Write(strReport);"},
                                   {indent, "Response.End();"},
                               });
}

void TransactionCodeBehindWriter::WriteCatch(int indent, bool savesUploads, bool refusesRows,
                                             bool showsRefusal)
{
    m_textFile.Write(indent + 1, "}\n");
    if (refusesRows)
        WriteCatchBlock(indent + 1, "SaveRefusedException", "e.Message", showsRefusal);
    WriteCatchBlock(indent + 1, "SqlException", "e.Errors[0].Message", showsRefusal);
    m_fragments.WriteHandlerFinally(indent + 1, savesUploads, /*endsSave=*/true);
    m_textFile.Write(indent, "}\n");
}

// The save is dropped and the answer carries the exception's text, in the XML answer as element
// content.
void TransactionCodeBehindWriter::WriteCatchBlock(int indent, const char* exception,
                                                  const char* message, bool showsRefusal)
{
    m_fragments.WriteCatchOpening(indent, exception, message, /*endsSave=*/true,
                                  /*xmlAnswer=*/!IsUploadPage());
    if (showsRefusal)
        m_textFile.Write(indent + 1, "showRefusedUpdate();\n");
    else
        WriteReply(indent + 1);
    m_textFile.Write(indent, "}\n");
}

void TransactionCodeBehindWriter::WriteHandleRecompute(int indent)
{
    m_textFile.Write(indent, "void handleRecompute()\n");
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "String action = this.Request.Params[\"ACTION\"];\n");
    for (const FieldRep* control : TransactionGridWriter::RecomputingControls(m_transaction))
    {
        const CString name = TransactionGridWriter::RecomputeEvent(m_transaction, *control);
        m_textFile.Write(indent + 1, "if (action != null && action.Equals(\"RECOMPUTEON%s\"))\n",
                         name);
        m_textFile.Write(indent + 1, "{\n");
        m_textFile.Write(indent + 2, "recomputeOn%s();\n", name);
        m_textFile.Write(indent + 1, "}\n");
    }
    m_textFile.Write(indent + 1, "if (action != null && action.Equals(\"REFRESHGRID\"))\n");
    m_textFile.Write(indent + 1, "{\n");
    // A grid whose combos a master combo fills is drawn again into its container: its rows take
    // their options from data calls with the posted master values.
    for (const Table* table : m_transaction.GetDetailTables())
    {
        if (IsRefilledByMasterCombo(*table))
            WriteGridRendering(*table, indent + 2);
    }
    m_textFile.Write(indent + 1, "}\n");
    m_textFile.Write(indent, "}\n");
}

bool TransactionCodeBehindWriter::IsRefilledByMasterCombo(const Table& table) const
{
    for (const FieldRep* control : ControlsOf(*m_transaction.GetBasicTable()))
    {
        const int kind = ControlKind(*control);
        if ((kind != FieldRepData::ComboBox && kind != FieldRepData::EditableComboBox) ||
            !control->GetFieldRepData()->RecomputesTransactionField(&m_transaction))
            continue;
        for (const EventRecmpFields* list : control->GetFieldRepData()->GetEventRecmpFieldsList())
        {
            for (const EventClassRecompute* entry : list->GetClassRecomputes())
            {
                const FieldRep* target = entry->fieldRep;
                if (target != nullptr && target->GetField() != nullptr &&
                    target->GetField()->GetTable() == &table &&
                    target->GetFieldRepData() != nullptr &&
                    target->GetFieldRepData()->GetDataCall() != nullptr)
                    return true;
            }
        }
    }
    return false;
}

void TransactionCodeBehindWriter::WriteRecomputeMethods(int indent)
{
    for (FieldRep* control : TransactionGridWriter::RecomputingControls(m_transaction))
        m_fragments.WriteRecomputeMethod(
            *control, indent, m_transaction.IsFieldInDetailTables(control->GetField()),
            TransactionGridWriter::RecomputeEvent(m_transaction, *control));
}

// The date refill only when a recompute refills a date control, as no other page calls it.
void TransactionCodeBehindWriter::WriteRecomputeFillMethods(int indent)
{
    m_fragments.WriteFillRecomputeTextMethod(indent);
    if (RefillsDateControl())
        m_fragments.WriteFillRecomputeDateMethod(indent);
    m_fragments.WriteFillComboMethod(indent);
}

bool TransactionCodeBehindWriter::RefillsDateControl() const
{
    for (const FieldRep* control : TransactionGridWriter::RecomputingControls(m_transaction))
        for (const EventRecmpFields* list : control->GetFieldRepData()->GetEventRecmpFieldsList())
            for (const EventClassRecompute* entry : list->GetClassRecomputes())
                if (entry->fieldRep != nullptr &&
                    ControlKind(*entry->fieldRep) == FieldRepData::DateControl)
                    return true;
    return false;
}

void TransactionCodeBehindWriter::WriteGridServer(int indent)
{
    const std::vector<Table*>& details = m_transaction.GetDetailTables();
    m_textFile.Write(indent, "void WriteGridServer()\n");
    m_textFile.Write(indent, "{\n");
    for (const Table* table : details)
        WriteGridRendering(*table, indent + 1);
    m_textFile.Write(indent, "}\n");
}

void TransactionCodeBehindWriter::WriteGridRendering(const Table& table, int indent)
{
    // With two or more grids each block stands in braces of its own and renders its own grid.
    const bool braced = m_transaction.GetDetailTables().size() >= 2;
    const int i = braced ? indent + 1 : indent;
    if (braced)
        m_textFile.Write(indent, "{\n");
    m_textFile.Write(i, "ReportXMLWriter w = new ReportXMLWriter();\n");
    m_textFile.Write(i, "%s(w);\n", TransactionGridWriter::GridMethodName(m_transaction, table));
    WriteCodeLines(m_textFile,
                   {
                       {i, "string xmlReport = w.Close();"},
                       {i, "XmlDocument docXml = new XmlDocument();"},
                       {i, "XslCompiledTransform docXsl = new XslCompiledTransform();"},
                       {i, "docXsl.Load(Server.MapPath(\"../../includes/css/report.xsl\"));"},
                       {i, "StringWriter s = new StringWriter();"},
                       {i, "docXml.LoadXml(xmlReport);"},
                       {i, "docXsl.Transform(docXml, null, s);"},
                   });
    m_textFile.Write(i, "this.%sDiv.InnerHtml = s.ToString();\n", table.GetTableName());
    m_textFile.Write(0, "\n");
    if (braced)
        m_textFile.Write(indent, "}\n");
}

void TransactionCodeBehindWriter::WriteClassTail()
{
    m_fragments.WriteMenusMethod(2, m_pageFile->GetFileName(FALSE));
    std::vector<LinkControl*> links = m_transaction.GetPreLinkList();
    links.insert(links.end(), m_transaction.GetPostLinkList().begin(),
                 m_transaction.GetPostLinkList().end());
    PageHeaderWriter(*m_project, m_transaction, m_textFile).WriteManageLinkVisibility(links, 2);
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

void TransactionCodeBehindWriter::Save(const char* mode)
{
    SaveFile(m_baseName + mode + ".aspx.cs", GetRelativeFolder(true) + "\\UI");
    WriteDesignerFile(mode);
}

void TransactionCodeBehindWriter::WriteDesignerFile(const char* mode)
{
    const bool update = IsUpdatePage();
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", CSharpIdentifier(m_baseName + mode));
    m_textFile.Write(1, "{\n");
    WriteDesignerDeclaration(m_textFile, "HtmlControls.HtmlForm %s;\n", PageControlId(m_baseName));
    m_textFile.Write(0, "\n");
    if (update)
    {
        WriteDesignerDeclaration(m_textFile, "HtmlControls.HtmlForm Form2;\n", "");
        m_textFile.Write(0, "\n");
        WriteDesignerDeclaration(m_textFile, "WebControls.HiddenField %s;\n", m_keyId);
    }
    const std::vector<FieldRep*> master = ControlsOf(*m_transaction.GetBasicTable());
    WriteDesignerControlDeclarations(m_textFile, master, update);
    // The markup has the label wherever a control of the page uploads a file.
    if (IsUploadPage())
        WriteDesignerDeclaration(m_textFile, "WebControls.Label MessageLabel;\n", "");
    WriteDesignerDeclaration(m_textFile, "WebControls.Menu Menu1;\n", "");
    std::vector<LinkControl*> links = m_transaction.GetPreLinkList();
    links.insert(links.end(), m_transaction.GetPostLinkList().begin(),
                 m_transaction.GetPostLinkList().end());
    PageHeaderWriter(*m_project, m_transaction, m_textFile).WriteLinkDeclarations(links, 2);
    for (const Table* table : m_transaction.GetDetailTables())
        WriteDesignerDeclaration(m_textFile, "HtmlControls.HtmlGenericControl %sDiv;\n",
                                 table->GetTableName());
    if (m_pageTemplate > 2 && m_pageTemplate < 6)
        WriteDesignerDeclaration(m_textFile, "WebControls.Label LabelUsername;\n", "");
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
    SaveFile(m_baseName + mode + ".aspx.designer.cs", GetRelativeFolder(true) + "\\UI");
}

std::vector<FieldRep*> TransactionCodeBehindWriter::ControlsOf(const Table& table) const
{
    std::vector<FieldRep*> controls;
    m_transaction.GetFieldRepsOfTable(const_cast<Table*>(&table), controls);
    return controls;
}

bool TransactionCodeBehindWriter::IsUploadPage() const
{
    return m_transaction.HasFileUploadControl();
}

bool TransactionCodeBehindWriter::IsUpdatePage() const
{
    return m_pageFile != nullptr && m_pageFile->GetFileKind() == transactionUpdateFileKind;
}
