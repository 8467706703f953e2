#include "gen_web/FormCodeBehindWriter.h"

#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "gen_web/CodeLines.h"
#include "gen_web/DataClassText.h"
#include "gen_web/FormControlFill.h"
#include "gen_web/FormDesignerWriter.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/PageHeaderWriter.h"
#include "gen_web/PostedValueRead.h"
#include "gen_web/ReportXmlCodeWriter.h"
#include "model/DefaultNames.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>
#include <utility>

namespace
{
// The server's answer to a confirmation that differs, the text the page's script shows.
constexpr const char* passwordMismatchMessage = "Confirm password should be matching with password";

CString DataClassNameOrEmpty(ForgeonProject& project, Table* table)
{
    return table != nullptr ? GetDataClassName(project, *table) : CString();
}
} // namespace

FormCodeBehindWriter::FormCodeBehindWriter(ForgeonProject* project, Form& form,
                                           GenerationReport& report)
    : AspxWriter(project, &form, report), m_form(form),
      m_dataObject(form.GetTable() != nullptr
                       ? "m_" + CSharpIdentifierPart(form.GetTable()->GetTableName())
                       : CString()),
      m_dataClass(DataClassNameOrEmpty(*project, form.GetTable())),
      m_key(GetPrimaryKeyName(form.GetTable())), m_keyId(PageControlId(m_key)),
      m_pageBaseName(GetPageBaseName(form)), m_fragments(*project, form, m_textFile, m_dataObject)
{
}

void FormCodeBehindWriter::Write()
{
    if (m_key.IsEmpty())
    {
        m_report.AddSkippedPage(m_form.GetFormName(), "the page has no table with a key field");
        return;
    }
    for (AspFile* file : m_form.GetAspFiles())
    {
        m_pageFile = dynamic_cast<AspxFile*>(file);
        if (m_pageFile == nullptr)
            continue;
        if (m_pageFile->GetFileKind() == formAddFileKind)
            WriteAddPage();
        else if (m_pageFile->GetFileKind() == formUpdateFileKind)
            WriteUpdatePage();
    }
}

void FormCodeBehindWriter::WriteAddPage()
{
    WriteUsings();
    WriteClassHead();
    WritePreInit(2);
    WriteMembers();
    WriteAddPageLoad(2);
    WriteHandleAdd(2);
    if (IsUploadPage())
    {
        m_fragments.WriteShowRefusedUpdate(2, m_form.GetReport() != nullptr,
                                           /*writesGrids=*/false);
        m_fragments.WriteRequestLimitReply(2, m_pageBaseName + "Add.aspx", "");
    }
    m_fragments.ClearObjects();
    m_fragments.AddUnique(m_form.GetTable());
    FormControlFill fill(m_form, m_form.GetTable(), m_form.GetFieldReps(), m_textFile, m_fragments,
                         m_dataObject);
    fill.WriteAddInitializeControls(2);
    m_fragments.WriteExtractAndAssignValues(2);
    WriteHandleRecompute(2);
    WriteRecomputeMethods(2);
    WriteClassTail();
    Save("Add");
}

void FormCodeBehindWriter::WriteUpdatePage()
{
    WriteUsings();
    WriteClassHead();
    WriteMembers();
    WritePreInit(2);
    WriteValueMembers(2);
    WriteUpdatePageLoad(2);
    m_fragments.ClearObjects();
    m_fragments.AddUnique(m_form.GetTable());
    FormControlFill fill(m_form, m_form.GetTable(), m_form.GetFieldReps(), m_textFile, m_fragments,
                         m_dataObject);
    fill.WriteFillControls(2);
    fill.WriteUpdateInitializeControls(2);
    fill.WriteInitAndSetRecomputingCombo(2);
    m_fragments.WriteExtractAndAssignValues(2);
    WriteHandleUpdate(2);
    if (IsUploadPage())
    {
        m_fragments.WriteShowRefusedUpdate(2, m_form.GetReport() != nullptr,
                                           /*writesGrids=*/false);
        m_fragments.WriteRequestLimitReply(2, m_pageBaseName + "Update.aspx", m_key);
    }
    WriteHandleDelete(2);
    WriteHandleRecompute(2);
    WriteRecomputeMethods(2);
    WriteClassTail();
    Save("Update");
}

void FormCodeBehindWriter::WriteClassHead()
{
    m_textFile.Write(0, "namespace %s\n{\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(1, "public partial class %s : System.Web.UI.Page\n",
                     CSharpIdentifier(PageClass(
                         m_pageFile->GetFileKind() == formAddFileKind ? "Add" : "Update")));
    m_textFile.Write(1, "{\n");
}

void FormCodeBehindWriter::WriteMembers()
{
    m_textFile.Write(2, "%s %s = new %s();\n", m_dataClass, m_dataObject, m_dataClass);
    WriteCodeLines(m_textFile, {
                                   {0, ""},
                                   {2, "String m_messageString = \"\";"},
                                   {2, "String m_role = \"\";"},
                                   {0, ""},
                               });
}

void FormCodeBehindWriter::WritePreInit(int indent)
{
    m_textFile.Write(indent, "void Page_PreInit(Object sender, EventArgs e)\n");
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "this.Title = \"%s\";\n",
                     EscapeCSharpString(m_pageFile->GetPageTitle()));
    m_textFile.Write(indent, "}\n");
}

void FormCodeBehindWriter::WriteAddPageLoad(int indent)
{
    const int i = indent;
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
                       {i + 1, "else "},
                       {i + 1, "{"},
                   });
    m_fragments.WriteComboResets(GetPlacedControls(m_form), i + 2);
    m_fragments.WriteDateDefaults(GetPlacedControls(m_form), i + 2);
    m_textFile.Write(i + 2, "initializeControls();\n");
    m_textFile.Write(i + 2, "extractAndAssignValuesToControls();\n");
    if (IsUploadPage())
    {
        m_textFile.Write(i + 2, "m_messageString = new UtilHandler().TakePageMessage(this);\n");
        m_textFile.Write(i + 2, "this.MessageLabel.Text = Server.HtmlEncode(m_messageString);\n");
    }
    if (m_form.GetReport() != nullptr)
        m_textFile.Write(i + 2, "WriteReportServer();\n");
    WriteCodeLines(m_textFile, {
                                   {i + 2, "WriteMenus();"},
                                   {i + 2, "ManageLinkVisibility();"},
                                   {i + 1, "}"},
                                   {i, "}"},
                               });
}

void FormCodeBehindWriter::WriteUpdatePageLoad(int indent)
{
    const int i = indent;
    m_textFile.Write(i, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(i, "{\n");
    m_fragments.WriteRoleCheck(i + 1);
    WriteKeyParameter(i + 1);
    WriteCodeLines(m_textFile,
                   {
                       {i + 1, "String action = this.Request.Params[\"ACTION\"];"},
                       {i + 1, "if (action != null && action.Equals(\"UPDATE\"))"},
                       {i + 2, "handleUpdate();"},
                       {i + 1, "else if (action != null && action.Equals(\"LOAD\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Contains(\"RECOMPUTE\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Equals(\"UPDATECONTROLS\"))"},
                       {i + 2, "handleRecompute();"},
                       {i + 1, "else if (action != null && action.Equals(\"DELETE\"))"},
                       {i + 2, "handleDelete();"},
                       {i + 1, "else "},
                       {i + 1, "{"},
                   });
    m_fragments.WriteComboResets(GetPlacedControls(m_form), i + 2);
    // The message of a refused upload, which returned here.
    if (IsUploadPage())
        m_fragments.WriteKeptMessage(i + 2);
    if (m_form.GetReport() != nullptr)
        m_textFile.Write(i + 2, "WriteReportServer();\n");
    m_textFile.Write(i + 2, "WriteMenus();\n");
    m_textFile.Write(i + 2, "ManageLinkVisibility();\n");
    // A role that only a report's rows lead here gets no buttons nor inputs that act on the
    // record.
    m_textFile.Write(i + 2, "if (!%s)\n", RoleMayActTest());
    m_textFile.Write(i + 2, "{\n");
    m_textFile.Write(i + 3, "UpdateButton.Visible = false;\n");
    if (m_form.GetDisplayType() != 1)
        m_textFile.Write(i + 3, "DeleteButton.Visible = false;\n");
    m_fragments.WriteWriteOnlyControlsHidden(
        m_fragments.WriteOnlyControls(GetPlacedControls(m_form)), i + 3);
    m_textFile.Write(i + 2, "}\n");
    m_textFile.Write(i + 2, "if (m_%s != null && m_%s.Length > 0)\n", m_keyId, m_keyId);
    m_textFile.Write(i + 2, "{\n");
    m_textFile.Write(i + 3, "%s.Value = m_%s;\n", m_keyId, m_keyId);
    m_textFile.Write(i + 3, "initializeControls();\n");
    m_textFile.Write(i + 3, "fillControls(m_%s);\n", m_keyId);
    m_textFile.Write(i + 3, "initAndSetRecomputingCombo();;\n");
    WriteCodeLines(m_textFile, {
                                   {i + 2, "}"},
                                   {i + 1, "}"},
                                   {i, "}"},
                               });
}

void FormCodeBehindWriter::WriteKeyParameter(int indent)
{
    if (!IsAccountPage())
    {
        m_textFile.Write(
            indent,
            "String m_%s = new UtilHandler().ToSqlNumber(this.Request.Params[\"%s\"], null);\n",
            m_keyId, EscapeCSharpString(m_key));
        return;
    }
    m_textFile.Write(indent, "Object loginId = Session[\"login_id\"];\n");
    m_textFile.Write(indent, "String m_%s = \"0\";\n", m_keyId);
    m_textFile.Write(indent, "if(loginId != null)\n");
    m_textFile.Write(indent + 1, "m_%s = loginId.ToString();\n", m_keyId);
}

void FormCodeBehindWriter::WriteValueMembers(int indent)
{
    for (const FieldRep* control : GetPlacedControls(m_form))
    {
        if (HasValueMember(*control))
            m_textFile.Write(indent, "String m_%s;\n", ControlName(*control));
    }
}

void FormCodeBehindWriter::WriteHandleAdd(int indent)
{
    const int i = indent;
    WriteHandlerHead(i, "handleAdd");
    WriteAccountSaveBegin(i + 2);
    WriteValues(i + 2, /*update=*/false);
    m_textFile.Write(i + 2, "%s.SetValues(values);\n", m_dataObject);
    if (AddsAccounts())
    {
        // An account is never made without a password.
        m_textFile.Write(i + 2, "if (String.IsNullOrEmpty(password))\n");
        m_textFile.Write(i + 3, "m_messageString = \"Please enter the password.\";\n");
        m_textFile.Write(i + 2, "else\n");
        m_textFile.Write(i + 2, "{\n");
        WriteConfirmedDataObjectCall(i + 3, "Add", "Added", ConfirmedPassword("password"));
        m_textFile.Write(i + 2, "}\n");
    }
    else
        WriteConfirmedDataObjectCall(i + 2, "Add", "Added", ConfirmedPassword("password"));
    if (SavesAccounts())
        m_fragments.WriteSaveCommit(i + 2, IsUploadPage());
    if (IsUploadPage())
        WriteUploadReply(i + 2, "Record Added Successfully!");
    else
        WriteActionReply(i + 2, /*upload=*/false);
    WriteCatch(i, IsUploadPage(), /*savesUploads=*/IsUploadPage(), SavesAccounts(),
               /*showsRefusal=*/IsUploadPage(), /*readsValues=*/true);
}

void FormCodeBehindWriter::WriteHandleUpdate(int indent)
{
    const int i = indent;
    WriteHandlerHead(i, "handleUpdate");
    WriteAccountSaveBegin(i + 2);
    WriteRequestKey(i + 2, m_form.HasFileUploadControl());
    // A record that is gone, or was never there, is not updated.
    m_textFile.Write(i + 2, "if (%s.SelectRecord(id).Rows.Count == 0)\n", m_dataObject);
    m_textFile.Write(i + 3, "m_messageString = \"Can not Update Record!\";\n");
    m_textFile.Write(i + 2, "else\n");
    m_textFile.Write(i + 2, "{\n");
    if (m_pageFile->HasInvisibleField() || IsAccountPage() || HasStoredPassword() ||
        KeepsAnyStoredValue())
    {
        m_textFile.Write(i + 3, "// extracting record from database for invisible controls\n");
        m_textFile.Write(i + 3, "DataTable dtRecord = %s.SelectRecord(id);\n", m_dataObject);
    }
    WriteValues(i + 3, /*update=*/true);
    m_textFile.Write(i + 3, "%s.SetValues(values);\n", m_dataObject);
    m_textFile.Write(i + 3, "%s.SetPrimaryKey(id);\n", m_dataObject);
    if (IsAccountPage())
        WritePasswordChange(i + 3);
    else
        WriteConfirmedDataObjectCall(i + 3, "Update", "Updated", ConfirmedPassword("new_password"));
    m_textFile.Write(i + 2, "}\n");
    if (SavesAccounts())
        m_fragments.WriteSaveCommit(i + 2, IsUploadPage());
    if (IsUploadPage())
        WriteUploadReply(i + 2, "Record Updated Successfully!");
    else
        WriteActionReply(i + 2, /*upload=*/false);
    WriteCatch(i, IsUploadPage(), /*savesUploads=*/IsUploadPage(), SavesAccounts(),
               /*showsRefusal=*/IsUploadPage(), /*readsValues=*/true);
}

// A saved record goes where every answer of the page goes; a refused one stays on its page.
void FormCodeBehindWriter::WriteUploadReply(int indent, const char* savedMessage)
{
    m_textFile.Write(indent, "if (m_messageString != \"%s\")\n", savedMessage);
    m_textFile.Write(indent + 1, "showRefusedUpdate();\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent, "{\n");
    WriteActionReply(indent + 1, /*upload=*/true);
    m_textFile.Write(indent, "}\n");
}

void FormCodeBehindWriter::WriteHandleDelete(int indent)
{
    const int i = indent;
    WriteHandlerHead(i, "handleDelete");
    if (IsAccountPage())
    {
        // The password page changes the password only: it deletes no account.
        m_textFile.Write(i + 2, "m_messageString = \"Can not Delete Record!\";\n");
    }
    else
    {
        WriteRequestKey(i + 2, /*fromHiddenField=*/false);
        m_fragments.WriteDeleteKeyRefusal(i + 2);
        m_textFile.Write(i + 2, "else\n");
        m_textFile.Write(i + 2, "{\n");
        m_textFile.Write(i + 3, "%s.SetPrimaryKey(id);\n", m_dataObject);
        WriteDataObjectCall(i + 3, "Delete", "Deleted");
        m_textFile.Write(i + 2, "}\n");
    }
    WriteActionReply(i + 2, m_form.HasFileUploadControl());
    WriteCatch(i, m_form.HasFileUploadControl(), /*savesUploads=*/false, /*endsSave=*/false,
               /*showsRefusal=*/false, /*readsValues=*/false);
}

void FormCodeBehindWriter::WriteHandlerHead(int indent, const char* name)
{
    m_textFile.Write(indent, "void %s()\n", name);
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "try\n");
    m_textFile.Write(indent + 1, "{\n");
}

void FormCodeBehindWriter::WriteDataObjectCall(int indent, const char* action, const char* done)
{
    // The values of the Add page's hidden controls are not read.
    std::vector<FieldRep*> posted;
    if (CString(action) != "Delete")
        for (FieldRep* control : GetPlacedControls(m_form))
            if (CString(action) != "Add" || GetVisibilityText(*m_pageFile, *control) != "Invisible")
                posted.push_back(control);
    m_fragments.WriteOfferedKeyRefusal(
        posted, indent, "m_messageString = \"Can not " + CString(action) + " Record!\";");
    m_textFile.Write(0, "if(%s.HandlePre%s())\n", m_dataObject, action);
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "%s.Handle%s();\n", m_dataObject, action);
    if (IsUploadPage() && CString(action) != "Delete")
        m_fragments.WriteKeepSavedUploads(indent + 1, SavesAccounts());
    m_textFile.Write(indent + 1, "%s.HandlePost%s();\n", m_dataObject, action);
    m_textFile.Write(indent + 1, "m_messageString = \"Record %s Successfully!\";\n", done);
    m_textFile.Write(indent, "}\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent + 1, "m_messageString = \"Can not %s Record!\";\n", action);
}

void FormCodeBehindWriter::WriteConfirmedDataObjectCall(int indent, const char* action,
                                                        const char* done, const CString& confirmed)
{
    if (confirmed.IsEmpty())
        return WriteDataObjectCall(indent, action, done);
    m_textFile.Write(indent, "if (%s != confirm_password)\n", confirmed);
    m_textFile.Write(indent + 1, "m_messageString = \"%s\";\n", passwordMismatchMessage);
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent, "{\n");
    WriteDataObjectCall(indent + 1, action, done);
    m_textFile.Write(indent, "}\n");
}

// The account's own update: only with every field, its old password and a confirmed new one; the
// user name stays the stored one; a new password ends the session's duty to set one and becomes
// the session's.
void FormCodeBehindWriter::WritePasswordChange(int indent)
{
    m_textFile.Write(indent,
                     "String refusal = new UtilHandler().WrongPasswordMessage(%s.SelectRecord(id), "
                     "this.Request.Form[\"password\"], id);\n",
                     m_dataObject);
    CString missing;
    for (const FieldRep* control : GetPlacedControls(m_form))
    {
        const CString name = ControlName(*control);
        // A file comes in the request's files, never in its form.
        if (name != "password" && GetVisibilityText(*m_pageFile, *control) != "Invisible" &&
            ControlKind(*control) != FieldRepData::FileUpload)
            missing += CString(missing.IsEmpty() ? "" : " || ") + "this.Request.Form[\"" + name +
                       "\"] == null";
    }
    if (!missing.IsEmpty())
    {
        m_textFile.Write(indent, "if (%s)\n", missing);
        m_textFile.Write(indent + 1, "refusal = \"The form did not send all of its fields.\";\n");
    }
    const CString confirmed = ConfirmedPassword("new_password");
    if (!confirmed.IsEmpty())
    {
        m_textFile.Write(indent, "if (refusal == null && %s != confirm_password)\n", confirmed);
        m_textFile.Write(indent + 1, "refusal = \"%s\";\n", passwordMismatchMessage);
    }
    m_textFile.Write(indent, "if (refusal != null)\n");
    m_textFile.Write(indent + 1, "m_messageString = refusal;\n");
    m_textFile.Write(indent, "else\n");
    m_textFile.Write(indent, "{\n");
    WriteDataObjectCall(indent + 1, "Update", "Updated");
    m_textFile.Write(indent + 1, "if (m_messageString == \"Record Updated Successfully!\" && "
                                 "!String.IsNullOrEmpty(this.Request.Form[\"new_password\"]))\n");
    m_textFile.Write(indent + 1, "{\n");
    m_textFile.Write(indent + 2, "Session.Remove(\"password_required\");\n");
    // The session goes on with the password it set.
    m_textFile.Write(indent + 2,
                     "Session[\"login_password\"] = "
                     "%s.SelectRecord(id).Rows[0][\"password\"].ToString();\n",
                     m_dataObject);
    m_textFile.Write(indent + 1, "}\n");
    m_textFile.Write(indent, "}\n");
}

void FormCodeBehindWriter::WriteRequestKey(int indent, bool fromHiddenField)
{
    if (IsAccountPage())
    {
        m_textFile.Write(indent, "Object loginId = Session[\"login_id\"];\n");
        m_textFile.Write(indent, "String id = loginId != null ? loginId.ToString() : \"0\";\n");
    }
    else if (fromHiddenField)
        m_textFile.Write(indent, "String id = this.%s.Value;\n", m_keyId);
    else
        m_textFile.Write(indent, "String id = this.Request.Form[\"%s\"];\n", m_keyId);
}

void FormCodeBehindWriter::WriteValues(int indent, bool update)
{
    // Each value under its column's name, which the data class looks up, from the control's local.
    std::vector<std::pair<CString, CString>> names;
    bool locationWritten = false;
    bool utilWritten = false;
    for (const FieldRep* control : GetPlacedControls(m_form))
    {
        const int kind = ControlKind(*control);
        if (kind == FieldRepData::FileUpload && !locationWritten)
        {
            m_textFile.Write(indent, "String location = Server.MapPath(\"~/uploadedData/\");\n");
            locationWritten = true;
        }
        if (!update && (GetVisibilityText(*m_pageFile, *control) == "Invisible" ||
                        !IsPostedByPage(*control, /*detailRow=*/false)))
            continue;
        if (!utilWritten)
        {
            m_textFile.Write(indent, "UtilHandler util = new UtilHandler();\n");
            utilWritten = true;
        }
        WriteValueLine(*control, indent, update);
        names.emplace_back(ColumnName(*control), ControlName(*control));
    }
    if (update && m_form.GetFormName() == "useraccount_form")
        std::erase_if(names, [](const auto& name) { return name.first == "password"; });
    m_textFile.Write(indent, "String[,] values = ");
    m_textFile.Write(0, "{ \n");
    const char* separator = "";
    for (const auto& [column, local] : names)
    {
        m_textFile.Write(0, "%s", separator);
        m_textFile.Write(indent, "{\"%s\", %s }", column, local);
        separator = ",\n";
    }
    m_textFile.Write(indent, "\n");
    m_textFile.Write(indent, " };\n");
}

void FormCodeBehindWriter::WriteValueLine(const FieldRep& control, int indent, bool update)
{
    const CString name = ControlName(control);
    const AspFile* updateFile = m_form.FindAspFileByType(formUpdateFileKind);
    const FieldVisibility* visibility = update && updateFile != nullptr
                                            ? updateFile->FindFieldVisibility(control.GetField())
                                            : nullptr;
    const int source = visibility != nullptr ? visibility->GetVisibilityKind() : 0;
    if (ControlKind(control) == FieldRepData::FileUpload)
    {
        if (update)
            m_fragments.WriteFileUploadUpdateValue(control, indent, m_pageBaseName + "Update.aspx");
        else
            m_fragments.WriteFileUploadValue(control, indent, m_pageBaseName + "Add.aspx",
                                             /*refusalShownHere=*/true);
        return;
    }
    // The account's own page changes the password only: the rest stays as stored, as does a
    // control that the page draws no input for.
    if (source == FieldVisibility::Invisible ||
        (update && IsAccountPage() && name.Find("password") < 0) ||
        !IsPostedByPage(control, /*detailRow=*/false))
    {
        WriteStoredValue(control, indent, /*declared=*/true);
        return;
    }
    m_textFile.Write(
        indent, "String %s = %s;\n", name,
        PostedValueRead(*m_pageFile, control, "this.Request.Form[\"" + name + "\"]", CString()));
    if (update && KeepsStoredWhenLeftOut(*m_pageFile, control))
    {
        m_textFile.Write(indent, "if (%s == null)\n", name);
        WriteStoredValue(control, indent + 1, /*declared=*/false);
    }
    // The page never shows a stored password: left empty, it stays.
    if (update && IsStoredPassword(control))
    {
        m_textFile.Write(indent, "if (String.IsNullOrEmpty(%s))\n", name);
        WriteStoredValue(control, indent + 1, /*declared=*/false);
    }
}

void FormCodeBehindWriter::WriteStoredValue(const FieldRep& control, int indent, bool declared)
{
    m_textFile.Write(indent, "%s%s = dtRecord.Rows[0][\"%s\"].ToString();\n",
                     declared ? "String " : "", ControlName(control), ColumnName(control));
}

void FormCodeBehindWriter::WriteActionReply(int indent, bool upload)
{
    if (upload)
    {
        m_textFile.Write(indent, "new UtilHandler().KeepPageMessage(this, m_messageString);\n");
        m_textFile.Write(indent, "Response.Redirect(\"%s\");\n", EscapeCSharpString(ReplyPage()));
        return;
    }
    WriteCodeLines(m_textFile, {
                                   {indent, "Response.CacheControl = \"no-cache\";"},
                                   {indent, "Response.ContentType = \"text/xml\";"},
                                   {indent, "ReportXMLWriter w = new ReportXMLWriter();"},
                               });
    if (m_form.GetReport() != nullptr)
        m_textFile.Write(indent, "GetXMLDataForReport(w);\n");
    WriteCodeLines(m_textFile, {
                                   {indent, "w.AddXMLTag(\"messageDiv\", m_messageString);"},
                                   {indent, "string strReport = w.Close();"},
                                   {indent, "Response.Write(strReport);"},
                                   {indent, "Response.End();"},
                               });
}

void FormCodeBehindWriter::WriteCatch(int indent, bool upload, bool savesUploads, bool endsSave,
                                      bool showsRefusal, bool readsValues)
{
    m_textFile.Write(indent + 1, "}\n");
    if (readsValues)
        WriteRefusalCatch(indent + 1, "SaveRefusedException", "e.Message", endsSave, upload,
                          showsRefusal);
    WriteRefusalCatch(indent + 1, "SqlException", "e.Errors[0].Message", endsSave, upload,
                      showsRefusal);
    m_fragments.WriteHandlerFinally(indent + 1, savesUploads, endsSave);
    m_textFile.Write(indent, "}\n");
}

void FormCodeBehindWriter::WriteRefusalCatch(int indent, const char* exception, const char* message,
                                             bool endsSave, bool upload, bool showsRefusal)
{
    m_fragments.WriteCatchOpening(indent, exception, message, endsSave, /*xmlAnswer=*/!upload);
    if (showsRefusal)
        m_textFile.Write(indent + 1, "showRefusedUpdate();\n");
    else
        WriteActionReply(indent + 1, upload);
    m_textFile.Write(indent, "}\n");
}

void FormCodeBehindWriter::WriteHandleRecompute(int indent)
{
    m_textFile.Write(indent, "void handleRecompute()\n");
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "String action = this.Request.Params[\"ACTION\"];\n");
    for (const FieldRep* control : RecomputingControls())
    {
        CString name = ControlName(*control);
        name.MakeUpper();
        m_textFile.Write(indent + 1, "if (action != null && action.Equals(\"RECOMPUTEON%s\"))\n",
                         name);
        m_textFile.Write(indent + 1, "{\n");
        m_textFile.Write(indent + 2, "recomputeOn%s();\n", name);
        m_textFile.Write(indent + 1, "}\n");
    }
    m_textFile.Write(indent, "}\n");
}

void FormCodeBehindWriter::WriteRecomputeMethods(int indent)
{
    for (FieldRep* control : RecomputingControls())
        m_fragments.WriteRecomputeMethod(*control, indent, /*detailRow=*/false);
}

void FormCodeBehindWriter::WriteClassTail()
{
    m_fragments.WriteFillRecomputeTextMethod(2);
    m_fragments.WriteFillRecomputeDateMethod(2);
    m_fragments.WriteFillComboMethod(2);
    WriteReportMethods();
    m_fragments.WriteMenusMethod(2, m_pageFile->GetFileName(FALSE));
    std::vector<LinkControl*> links = m_form.GetPreLinkList();
    links.insert(links.end(), m_form.GetPostLinkList().begin(), m_form.GetPostLinkList().end());
    PageHeaderWriter(*m_project, m_form, m_textFile).WriteManageLinkVisibility(links, 2);
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

void FormCodeBehindWriter::WriteReportMethods()
{
    if (m_form.GetReport() == nullptr)
        return;
    ReportXmlCodeWriter writer(m_form.GetReport(), m_project);
    writer.WriteDataMethod(&m_textFile, 2, "GetXMLDataForReport");
    writer.WriteServerMethod(&m_textFile, 2, "WriteReportServer");
}

void FormCodeBehindWriter::Save(const char* suffix)
{
    const CString folder = GetRelativeFolder(true) + "\\UI";
    const CString pageClass = PageClass(suffix);
    SaveFile(pageClass + ".aspx.cs", folder);
    FormDesignerWriter(m_project, m_form, *m_pageFile, m_report).Write(pageClass, folder);
}

std::vector<FieldRep*> FormCodeBehindWriter::RecomputingControls() const
{
    std::vector<FieldRep*> controls;
    for (FieldRep* control : m_form.GetFieldReps())
    {
        if (control != nullptr && control->GetField() != nullptr &&
            control->GetFieldRepData() != nullptr &&
            !control->GetFieldRepData()->GetEventRecmpFieldsList().empty())
            controls.push_back(control);
    }
    return controls;
}

bool FormCodeBehindWriter::IsUploadPage() const
{
    for (const FieldRep* control : GetPlacedControls(m_form))
    {
        if (ControlKind(*control) == FieldRepData::FileUpload)
            return true;
    }
    return false;
}

CString FormCodeBehindWriter::ConfirmedPassword(const char* name) const
{
    bool confirmed = false;
    bool confirmation = false;
    for (const FieldRep* control : GetPlacedControls(m_form))
    {
        if (GetVisibilityText(*m_pageFile, *control) == "Invisible")
            continue;
        confirmed = confirmed || ControlName(*control) == name;
        confirmation = confirmation || ControlName(*control) == "confirm_password";
    }
    return confirmed && confirmation ? CString(name) : CString();
}

bool FormCodeBehindWriter::IsStoredPassword(const FieldRep& control) const
{
    return ControlKind(control) == FieldRepData::Password && !IsAccountPage() &&
           control.GetField() != nullptr && control.GetField()->GetTable() != nullptr &&
           m_form.GetFormName() != "useraccount_form";
}

bool FormCodeBehindWriter::KeepsAnyStoredValue() const
{
    return std::ranges::any_of(GetPlacedControls(m_form),
                               [this](const FieldRep* control)
                               {
                                   return KeepsStoredWhenLeftOut(*m_pageFile, *control) ||
                                          !IsPostedByPage(*control, /*detailRow=*/false);
                               });
}

bool FormCodeBehindWriter::HasStoredPassword() const
{
    return std::ranges::any_of(GetPlacedControls(m_form), [this](const FieldRep* control)
                               { return IsStoredPassword(*control); });
}

bool FormCodeBehindWriter::AddsAccounts() const
{
    return SavesAccounts() &&
           std::ranges::any_of(GetPlacedControls(m_form),
                               [this](const FieldRep* control)
                               {
                                   return ControlName(*control) == "password" &&
                                          GetVisibilityText(*m_pageFile, *control) != "Invisible";
                               });
}

bool FormCodeBehindWriter::SavesAccounts() const
{
    return m_form.GetTable() != nullptr &&
           m_form.GetTable()->GetTableName() == userAccountTableName;
}

// The account table stays locked while an account is saved, from the check of its user name to
// its commit: two saves of one name cannot both find it free.
void FormCodeBehindWriter::WriteAccountSaveBegin(int indent)
{
    if (SavesAccounts())
        m_fragments.WriteSaveBegin(indent, CString("new UtilHandler().TableLockString(\"") +
                                               userAccountTableName + "\")");
}

bool FormCodeBehindWriter::IsAccountPage() const
{
    return m_form.GetFormName() == "ChangePassword_form";
}

CString FormCodeBehindWriter::ReplyPage() const
{
    const bool ownPage = IsAccountPage() && m_pageFile->GetFileKind() == formUpdateFileKind;
    return m_pageBaseName + (ownPage ? "Update.aspx" : "Add.aspx");
}

CString FormCodeBehindWriter::PageClass(const char* suffix) const
{
    return m_pageBaseName + suffix;
}
