#include "gen_web/CodeBehindFragments.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "gen_web/CodeLines.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
CString UpperCased(CString text)
{
    text.MakeUpper();
    return text;
}

// The C# expression of the URL of the page opened on the record whose key keyValue holds.
CString RecordPageUrl(const CString& page, const CString& keyName, const CString& keyValue)
{
    return "\"" + EscapeCSharpString(page + "?" + keyName) + "=\" + HttpUtility.UrlEncode(" +
           keyValue + ")";
}
} // namespace

CString ControlName(const FieldRep& control)
{
    const CString name = FieldNameOrEmpty(control.GetField());
    return name.IsEmpty() ? name : PageControlId(name);
}

CString ColumnName(const FieldRep& control)
{
    return EscapeCSharpString(FieldNameOrEmpty(control.GetField()));
}

int ControlKind(const FieldRep& control)
{
    return GetWrittenControlKind(control);
}

CodeBehindFragments::CodeBehindFragments(ForgeonProject& project, FormInterface& page,
                                         TextFile& out, const CString& dataObject)
    : m_project(project), m_page(page), m_out(out), m_dataObject(dataObject)
{
}

bool CodeBehindFragments::AddUnique(const void* object)
{
    if (std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end())
        return true;
    m_objects.push_back(object);
    return false;
}

bool CodeBehindFragments::IsNameDeclared(const CString& name) const
{
    return std::any_of(m_declaredNames.begin(), m_declaredNames.end(),
                       [&](const CString& declared) { return declared.CompareNoCase(name) == 0; });
}

bool CodeBehindFragments::HaveSameBackField(const FieldRep& a, const FieldRep& b)
{
    const FieldRepData* first = a.GetFieldRepData();
    const FieldRepData* second = b.GetFieldRepData();
    return first != nullptr && second != nullptr && first->GetBackField() != nullptr &&
           first->GetBackField() == second->GetBackField();
}

void CodeBehindFragments::WriteCallParameterValues(const ClassInvokation& call, int indent,
                                                   bool detailRow, const CString& member)
{
    for (const ClassParameterMap* map : call.GetParameterMaps())
    {
        if (map == nullptr || map->m_parameter == nullptr || map->m_field == nullptr)
            continue;
        const CString parameter = map->m_parameter->GetFieldName();
        const CString field = map->m_field->GetFieldName();
        const char* declaration = IsNameDeclared(parameter) ? "" : "String ";
        if (!member.IsEmpty())
            m_out.Write(indent, "%s%s = m_%s;\n", declaration, parameter, member);
        else if (detailRow)
        {
            m_out.Write(indent, "controlParam = \"%s\";\n",
                        EscapeCSharpString(GridRowName(*map->m_field)));
            m_out.Write(indent, "controlParam += rowNo;\n");
            m_out.Write(indent, "%s%s = this.Request.Params[controlParam];\n", declaration,
                        parameter);
        }
        else
            m_out.Write(indent, "%s%s = this.Request.Params[\"%s\"];\n", declaration, parameter,
                        EscapeCSharpString(field));
        if (!IsNameDeclared(parameter))
            m_declaredNames.push_back(parameter);
    }
}

CString CodeBehindFragments::GridRowName(const Field& field) const
{
    const auto* transaction = dynamic_cast<const Transaction*>(&m_page);
    if (transaction == nullptr || field.GetTable() == nullptr ||
        !transaction->IsFieldInDetailTables(&field))
        return field.GetFieldName();
    return GetGridRowPrefix(*transaction, *field.GetTable()) + field.GetFieldName();
}

void CodeBehindFragments::WriteCallArguments(const Function& function, bool zeros)
{
    const char* separator = "";
    for (const Parameter* parameter : function.GetParameters())
    {
        m_out.Write(0, "%s%s", separator, zeros ? CString("\"0\"") : parameter->GetFieldName());
        separator = ",";
    }
}

void CodeBehindFragments::WriteRecomputeMethod(FieldRep& control, int indent, bool detailRow,
                                               const CString& event)
{
    m_out.Write(indent, "void recomputeOn%s()\n",
                event.IsEmpty() ? UpperCased(ControlName(control)) : event);
    m_out.Write(indent, "{\n");
    if (detailRow)
        WriteCodeLines(m_out, {
                                  {indent + 1, "String rowNo = this.Request.Params[\"ROWNO\"];"},
                                  {indent + 1, "String controlParam = \"\";"},
                              });
    WriteCodeLines(m_out, {
                              {indent + 1, "Response.CacheControl = \"no-cache\";"},
                              {indent + 1, "Response.ContentType = \"text/xml\";"},
                              {indent + 1, "DataTable dataTable = new DataTable();"},
                              {indent + 1, "Response.Write(\"<root>\");"},
                              {0, ""},
                          });
    ClearDeclaredNames();
    ClearObjects();
    const FieldRepData* data = control.GetFieldRepData();
    for (const EventRecmpFields* list :
         data != nullptr ? data->GetEventRecmpFieldsList() : std::vector<EventRecmpFields*>())
    {
        for (const EventClassRecompute* entry : list->GetClassRecomputes())
        {
            const FieldRep* target = entry->fieldRep;
            if (target == nullptr || target->GetField() == nullptr ||
                target->GetFieldRepData() == nullptr)
                continue;
            const CString front = FieldNameOrEmpty(target->GetFieldRepData()->GetFrontField());
            switch (ControlKind(*target))
            {
            case FieldRepData::ComboBox:
            case FieldRepData::EditableComboBox:
                m_out.Write(0, "\n");
                if (!HaveSameBackField(control, *target))
                    WriteComboRecompute(*target, indent + 1, detailRow);
                break;
            case FieldRepData::TextBox:
            case FieldRepData::RadioButton:
            case FieldRepData::CheckBox:
            case FieldRepData::TextArea:
                m_out.Write(0, "\n");
                WriteTextRecompute(*target, indent + 1, detailRow);
                m_out.Write(indent + 1, "fillRecomputeTextControls(dataTable, \"%s\", \"%s\");\n",
                            ControlName(*target), EscapeCSharpString(front));
                break;
            case FieldRepData::DateControl:
                m_out.Write(0, "\n");
                WriteTextRecompute(*target, indent + 1, detailRow);
                m_out.Write(indent + 1, "fillRecomputeDateControl(dataTable, \"%s\", \"%s\");\n",
                            ControlName(*target), EscapeCSharpString(front));
                break;
            default:
                break;
            }
        }
    }
    WriteCodeLines(m_out, {
                              {0, ""},
                              {indent + 1, "Response.Write(\"</root>\");"},
                              {indent + 1, "Response.End();"},
                              {indent, "}"},
                          });
}

void CodeBehindFragments::WriteComboRecompute(const FieldRep& target, int indent, bool detailRow)
{
    const FieldRepData& data = *target.GetFieldRepData();
    const CString name = ControlName(target);
    m_out.Write(indent, "Response.Write(\"<%s>\");\n", name);
    const ClassInvokation* call = data.GetDataCall();
    if (call != nullptr && call->GetClass() != nullptr && call->GetFunction() != nullptr)
    {
        WriteCallParameterValues(*call, indent, detailRow);
        const CString className = CSharpIdentifier(call->GetClass()->GetFieldName());
        m_out.Write(indent, "%s %s = new %s();\n", className, name, className);
        m_out.Write(indent, "dataTable = %s.%s(", name,
                    CSharpIdentifier(call->GetFunction()->GetFieldName()));
        WriteCallArguments(*call->GetFunction(), false);
        m_out.Write(0, ");\n");
        m_out.Write(indent, "writeDataToFillCombo(dataTable,\"%s\", \"%s\");\n",
                    EscapeCSharpString(FieldNameOrEmpty(data.GetFrontField())),
                    EscapeCSharpString(FieldNameOrEmpty(data.GetBackField())));
    }
    m_out.Write(indent, "Response.Write(\"</%s>\");\n", name);
}

void CodeBehindFragments::WriteTextRecompute(const FieldRep& target, int indent, bool detailRow)
{
    const ClassInvokation* call = target.GetFieldRepData()->GetDataCall();
    if (call == nullptr || call->GetClass() == nullptr || call->GetFunction() == nullptr)
        return;
    WriteCallParameterValues(*call, indent, detailRow);
    const CString className = CSharpIdentifier(call->GetClass()->GetFieldName());
    const CString name = ControlName(target);
    m_out.Write(indent, "%s m_%s = new %s();\n", className, name, className);
    m_out.Write(indent, "dataTable = m_%s.%s(", name,
                CSharpIdentifier(call->GetFunction()->GetFieldName()));
    WriteCallArguments(*call->GetFunction(), false);
    m_out.Write(0, ");\n");
}

void CodeBehindFragments::WriteFillComboMethod(int indent)
{
    const int i = indent;
    WriteCodeLines(
        m_out, {
                   {i, "public void writeDataToFillCombo(DataTable dataTable, String frontField, "
                       "String backField)"},
                   {i, "{"},
                   {i + 1, "UtilHandler util = new UtilHandler();"},
                   {i + 1, "int numColumns = dataTable.Columns.Count;"},
                   {i + 1, "int numRows = dataTable.Rows.Count;"},
                   {i + 1, "for (int i = 0; i < numRows; i++)"},
                   {i + 1, "{"},
                   {i + 2, "DataRow r = dataTable.Rows[i];"},
                   {i + 2, "string backId = \"\";"},
                   {i + 2, "string frontId = \"\";"},
                   {i + 2, "for (int j = 0; j < numColumns; j++)"},
                   {i + 2, "{"},
                   {i + 3, "String columnName = dataTable.Columns[j].ColumnName.ToString();"},
                   {i + 3, "if (columnName.Equals(backField))"},
                   {i + 3, "{"},
                   {i + 4, "backId = r[j].ToString();"},
                   {i + 3, "}"},
                   {i + 3, "if (columnName.Equals(frontField))"},
                   {i + 3, "{"},
                   {i + 4, "frontId = r[j].ToString();"},
                   {i + 3, "}"},
                   {i + 2, "}"},
                   {i + 2, "Response.Write(\"<Front>\");"},
                   {i + 2, "Response.Write(util.ConvertToXML(frontId));"},
                   {i + 2, "Response.Write(\"</Front>\");"},
                   {i + 2, "Response.Write(\"<Back>\");"},
                   {i + 2, "Response.Write(util.ConvertToXML(backId));"},
                   {i + 2, "Response.Write(\"</Back>\");"},
                   {i + 1, "}"},
                   {i + 1, "if(numRows == 0)"},
                   {i + 1, "{"},
                   {i + 2, "Response.Write(\"<Front>\");"},
                   {i + 2, "Response.Write(\"\");"},
                   {i + 2, "Response.Write(\"</Front>\");"},
                   {i + 2, "Response.Write(\"<Back>\");"},
                   {i + 2, "Response.Write(0);"},
                   {i + 2, "Response.Write(\"</Back>\");"},
                   {i + 1, "}"},
                   {i, "}"},
               });
}

namespace
{
// The element named after the control holding val, escaped, closing the method.
void WriteValueElement(TextFile& out, int indent)
{
    WriteCodeLines(out, {
                            {indent + 1, "String s1 = \"<\";"},
                            {indent + 1, "s1 += fieldName;"},
                            {indent + 1, "s1 += \">\";"},
                            {indent + 1, "Response.Write(s1);"},
                            {indent + 1, "Response.Write(util.ConvertToXML(val));"},
                            {indent + 1, "s1 = \"</\";"},
                            {indent + 1, "s1 += fieldName;"},
                            {indent + 1, "s1 += \">\";"},
                            {indent + 1, "Response.Write(s1);"},
                            {indent, "}"},
                        });
}
} // namespace

void CodeBehindFragments::WriteFillRecomputeTextMethod(int indent)
{
    const int i = indent;
    WriteCodeLines(m_out, {
                              {i, "public void fillRecomputeTextControls(DataTable dataTable, "
                                  "String fieldName, String frontField)"},
                              {i, "{"},
                              {i + 1, "UtilHandler util = new UtilHandler();"},
                              {i + 1, "String val = \"\";"},
                              {i + 1, "if (dataTable.Rows.Count > 0)"},
                              {i + 1, "{"},
                              {i + 2, "DataRow r = dataTable.Rows[0];"},
                              {i + 2, "val = r[frontField].ToString();"},
                              {i + 3, "val = val.Trim();"},
                              {i + 2, "if(val == \"\" || val == null)"},
                              {i + 3, "val = \"-\";"},
                              {i + 1, "}"},
                          });
    WriteValueElement(m_out, indent);
}

void CodeBehindFragments::WriteFillRecomputeDateMethod(int indent)
{
    const int i = indent;
    WriteCodeLines(m_out, {
                              {i, "public void fillRecomputeDateControl(DataTable dataTable, "
                                  "String fieldName, String frontField)"},
                              {i, "{"},
                              {i + 1, "UtilHandler util = new UtilHandler();"},
                              {i + 1, "String val = \"\";"},
                              {i + 1, "if (dataTable.Rows.Count > 0)"},
                              {i + 2, "val = dataTable.Rows[0][frontField].ToString();"},
                          });
    if (ShowsDatesTurned())
        m_out.Write(i + 1, "val = util.ShownDate(val);\n");
    WriteValueElement(m_out, indent);
}

void CodeBehindFragments::WriteReadFieldValue(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    m_out.Write(indent, "String %s = this.Request.Params[\"%s\"];\n", name, name);
    if (IsDayFirst())
    {
        m_out.Write(indent, "%s = util.ConvertDate(%s);\n", name, name);
        m_out.Write(0, "\n");
    }
}

void CodeBehindFragments::WriteFileUploadValue(const FieldRep& control, int indent,
                                               const CString& replyPage, bool refusalShownHere)
{
    const CString name = ControlName(control);
    m_out.Write(indent, "String %s = \"\";\n", name);
    WriteFileSave(control, indent, "\"" + EscapeCSharpString(replyPage) + "\"", refusalShownHere);
}

void CodeBehindFragments::WriteFileUploadUpdateValue(const FieldRep& control, int indent,
                                                     const CString& replyPage)
{
    const CString name = ControlName(control);
    // The kept name is the record's own, whatever page the post came from.
    m_out.Write(indent, "DataTable %sRecord = %s.SelectRecord(id);\n", name, m_dataObject);
    m_out.Write(indent,
                "String %s = %sRecord.Rows.Count > 0 ? %sRecord.Rows[0][\"%s\"].ToString() : "
                "\"\";\n",
                name, name, name, name);
    const Table* table = control.GetField() != nullptr ? control.GetField()->GetTable() : nullptr;
    const Field* key = table != nullptr ? table->GetPrimaryKeyField() : nullptr;
    WriteFileSave(control, indent,
                  RecordPageUrl(replyPage, key != nullptr ? key->GetFieldName() : CString(), "id"),
                  /*refusalShownHere=*/true);
}

void CodeBehindFragments::WriteRequestLimitReply(int indent, const CString& pageFileName,
                                                 const CString& keyName)
{
    CString url = "\"" + EscapeCSharpString(pageFileName) + "\"";
    if (!keyName.IsEmpty())
        url = RecordPageUrl(pageFileName, keyName,
                            "this.Request.QueryString[\"" + EscapeCSharpString(keyName) + "\"]");
    m_out.Write(indent, "void Page_Error(object sender, EventArgs e)\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "UtilHandler util = new UtilHandler();\n");
    m_out.Write(indent + 1, "if (!util.IsOverRequestLimit(this))\n");
    m_out.Write(indent + 2, "return;\n");
    m_out.Write(indent + 1, "Server.ClearError();\n");
    m_out.Write(indent + 1, "util.KeepPageMessage(this, \"The file was not uploaded: it is larger "
                            "than the site accepts.\");\n");
    m_out.Write(indent + 1, "Response.Redirect(%s);\n", url);
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteKeptMessage(int indent)
{
    m_out.Write(indent, "this.MessageLabel.Text = Server.HtmlEncode(new "
                        "UtilHandler().TakePageMessage(this));\n");
}

void CodeBehindFragments::WriteShowRefusedUpdate(int indent, bool writesReport, bool writesGrids)
{
    m_out.Write(indent, "//A refused save stays on its page: the page shows the message, its "
                        "controls the values as posted\n");
    m_out.Write(indent, "void showRefusedUpdate()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "this.MessageLabel.Text = Server.HtmlEncode(m_messageString);\n");
    if (writesReport)
        m_out.Write(indent + 1, "WriteReportServer();\n");
    m_out.Write(indent + 1, "WriteMenus();\n");
    m_out.Write(indent + 1, "ManageLinkVisibility();\n");
    if (writesGrids)
        m_out.Write(indent + 1, "WriteGridServer();\n");
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteKeepSavedUploads(int indent, bool inSave)
{
    m_out.Write(indent, inSave ? "new UtilHandler().HoldSavedUploads();\n"
                               : "new UtilHandler().KeepSavedUploads();\n");
}

void CodeBehindFragments::WriteHandlerFinally(int indent, bool savesUploads, bool endsSave)
{
    if (!savesUploads && !endsSave)
        return;
    m_out.Write(indent, "finally\n");
    m_out.Write(indent, "{\n");
    // The save ends first: a file that cannot be removed leaves no lock held.
    if (endsSave)
        WriteSaveEnd(indent + 1);
    if (savesUploads)
        m_out.Write(indent + 1, "new UtilHandler().RemoveUnkeptUploads();\n");
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteCatchOpening(int indent, const char* exception, const char* message,
                                            bool endsSave, bool xmlAnswer)
{
    m_out.Write(indent, "catch (%s e)\n", exception);
    m_out.Write(indent, "{\n");
    if (endsSave)
        WriteSaveEnd(indent + 1);
    // The XML answer carries the server's text as element content.
    if (xmlAnswer)
        m_out.Write(indent + 1, "m_messageString = new UtilHandler().ConvertToXML(%s);\n", message);
    else
        m_out.Write(indent + 1, "m_messageString = %s;\n", message);
}

void CodeBehindFragments::WriteSaveBegin(int indent, const CString& lockString)
{
    m_out.Write(indent, "new DBHandler().BeginSave(%s);\n", lockString);
}

void CodeBehindFragments::WriteSaveCommit(int indent, bool keepsHeldUploads)
{
    m_out.Write(indent, "new DBHandler().CommitSave();\n");
    if (keepsHeldUploads)
        m_out.Write(indent, "new UtilHandler().KeepHeldUploads();\n");
}

void CodeBehindFragments::WriteSaveEnd(int indent)
{
    m_out.Write(indent, "new DBHandler().EndSave();\n");
}

void CodeBehindFragments::WriteFileSave(const FieldRep& control, int indent,
                                        const CString& replyUrl, bool refusalShownHere)
{
    const CString name = ControlName(control);
    // A post that did not come from the page's own form has no file field nor view state.
    m_out.Write(indent, "if(!IsPostBack || this.%s.PostedFile == null)\n", name);
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1,
                "util.KeepPageMessage(this, \"The form did not send all of its fields.\");\n");
    m_out.Write(indent + 1, "Response.Redirect(%s);\n", replyUrl);
    m_out.Write(indent, "}\n");
    m_out.Write(indent, "if(this.%s.PostedFile.ContentLength != 0)\n", name);
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "%s = this.%s.PostedFile.FileName;\n", name, name);
    m_out.Write(indent + 1, "%s = util.GetFileName(%s);\n", name, name);
    const int length = GetTextColumnLength(control.GetField());
    m_out.Write(indent + 1, "if(util.UploadRefusal(%s, %d) != null)\n", name, length);
    if (refusalShownHere)
        m_out.Write(indent + 2, "throw new SaveRefusedException(util.UploadRefusal(%s, %d));\n",
                    name, length);
    else
    {
        m_out.Write(indent + 1, "{\n");
        m_out.Write(indent + 2, "util.KeepPageMessage(this, util.UploadRefusal(%s, %d));\n", name,
                    length);
        m_out.Write(indent + 2, "Response.Redirect(%s);\n", replyUrl);
        m_out.Write(indent + 1, "}\n");
    }
    m_out.Write(indent + 1, "%s = util.SaveUpload(this.%s.PostedFile, location, %s);\n", name, name,
                name);
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteColumnCondition(const FieldRep& control, int indent)
{
    m_out.Write(indent, "if (columnName.Equals(\"%s\"))\n", ColumnName(control));
    m_out.Write(indent, "{\n");
}

void CodeBehindFragments::WriteTextColumnFill(const FieldRep& control, int indent)
{
    WriteColumnCondition(control, indent);
    if (control.GetField()->GetTypeCode() == FieldTypeDateTime && ShowsDatesTurned())
        m_out.Write(indent + 1, "this.%s.Text = new UtilHandler().ShownDate(r[j].ToString());\n",
                    ControlName(control));
    else
        m_out.Write(indent + 1, "this.%s.Text = r[j].ToString();\n", ControlName(control));
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteValueColumnFill(const FieldRep& control, int indent)
{
    WriteColumnCondition(control, indent);
    m_out.Write(indent + 1, "this.%s.Value = r[j].ToString();\n", ControlName(control));
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteDateColumnFill(const FieldRep& control, int indent)
{
    WriteColumnCondition(control, indent);
    m_out.Write(indent + 1, "UtilHandler util = new UtilHandler();\n");
    m_out.Write(indent + 1, "String val = r[j].ToString();\n");
    if (ShowsDatesTurned())
        m_out.Write(indent + 1, "val = util.ShownDate(val);\n");
    m_out.Write(indent + 1, "this.%s.Value = val;\n", ControlName(control));
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteComboColumnFill(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    WriteColumnCondition(control, indent);
    m_out.Write(indent + 1, "string index = r[j].ToString();\n");
    m_out.Write(indent + 1, "m_%s = index;\n", name);
    m_out.Write(indent + 1, "this.%s.SelectedValue = index;\n", name);
    if (ControlKind(control) == FieldRepData::EditableComboBox)
        m_out.Write(indent + 1, "this.%s_editable.Text = %s.SelectedItem.Text;\n", name, name);
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteEditableComboColumnFill(const FieldRep& control, int indent)
{
    WriteColumnCondition(control, indent);
    m_out.Write(indent + 1, "string index = r[j].ToString();\n");
    m_out.Write(indent + 1, "m_%s = index;\n", ControlName(control));
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteFileColumnFill(const FieldRep& control, int indent)
{
    WriteColumnCondition(control, indent);
    const CString name = ControlName(control);
    // The stored file's name, a link that downloads it.
    m_out.Write(indent + 1, "if (r[j].ToString() != \"\")\n");
    m_out.Write(indent + 2,
                "this.%sLabel.Text = \"<a href=\\\"../../uploadedData/\" + "
                "HttpUtility.HtmlAttributeEncode(r[j].ToString()) + \"\\\">\" + "
                "Server.HtmlEncode(new UtilHandler().GetUploadName(r[j].ToString())) + \"</a>\";\n",
                name);
    m_out.Write(indent, "}\n");
}

const AspFile* CodeBehindFragments::UpdatePageFile() const
{
    return m_page.FindAspFileByType(
        m_page.GetClassName() == "Transaction" ? transactionUpdateFileKind : formUpdateFileKind);
}

std::vector<CString>
CodeBehindFragments::WriteOnlyControls(const std::vector<FieldRep*>& controls) const
{
    std::vector<CString> names;
    const AspFile* updateFile = UpdatePageFile();
    for (const FieldRep* control : controls)
    {
        const int kind = ControlKind(*control);
        if (kind == FieldRepData::FileUpload)
            names.push_back(ControlName(*control));
        else if (kind == FieldRepData::DateControl && updateFile != nullptr &&
                 GetVisibilityText(*updateFile, *control) != "Invisible")
            names.push_back(ControlName(*control) + "Calendar");
    }
    return names;
}

void CodeBehindFragments::WriteWriteOnlyControlsHidden(const std::vector<CString>& names,
                                                       int indent)
{
    for (const CString& name : names)
        m_out.Write(indent, "this.%s.Visible = false;\n", name);
}

void CodeBehindFragments::WriteCheckBoxColumnFill(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    WriteColumnCondition(control, indent);
    m_out.Write(indent + 1, "string check_%s = r[j].ToString();\n", name);
    m_out.Write(indent + 1, "check_%s = check_%s.Trim();\n", name, name);
    m_out.Write(indent + 1, "if (check_%s == \"on\")\n", name);
    m_out.Write(indent + 2, "this.%s.Checked = true;\n", name);
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteRadioColumnFill(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    const std::vector<RadioItem> items = GetRadioItems(*control.GetFieldRepData());
    WriteColumnCondition(control, indent);
    m_out.Write(indent + 1, "string rad_%s = r[j].ToString();\n", name);
    m_out.Write(indent + 1, "rad_%s = rad_%s.Trim();\n", name, name);
    if (!items.empty())
    {
        const int last = static_cast<int>(items.size()) - 1;
        m_out.Write(indent + 1, "if(rad_%s.Length > 0 && rad_%s == \"%s\")\n", name, name,
                    EscapeCSharpString(items[0].value));
        m_out.Write(indent + 2, "this.%s.Items[0].Selected = true;\n", name);
        for (int k = 1; k < last; ++k)
        {
            m_out.Write(indent + 1, "else if (rad_%s.Length > 0 && rad_%s == \"%s\")\n", name, name,
                        EscapeCSharpString(items[k].value));
            m_out.Write(indent + 2, "this.%s.Items[%d].Selected = true;\n", name, k);
        }
        m_out.Write(indent + 1, "else\n");
        m_out.Write(indent + 2, "this.%s.Items[%d].Selected = true;\n", name, last);
    }
    m_out.Write(indent + 1, "m_%s = rad_%s;\n", name, name);
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteExtractAndAssignValues(int indent)
{
    std::vector<FieldRep*> inputs;
    if (const auto* report = dynamic_cast<const ApplicationReport*>(&m_page))
    {
        if (!report->GetReportGroups().empty() && report->GetReportGroups()[0] != nullptr)
            inputs = report->GetReportGroups()[0]->GetFilters();
    }
    else
        inputs = m_page.GetFieldReps();
    std::erase_if(inputs, [](const FieldRep* input)
                  { return input == nullptr || input->GetField() == nullptr; });
    m_out.Write(indent, "void extractAndAssignValuesToControls()\n");
    m_out.Write(indent, "{\n");
    if (!inputs.empty())
        m_out.Write(indent + 1, "String reqParam;\n");
    for (const FieldRep* input : inputs)
        WriteRequestParamAssignment(*input, indent + 1);
    m_out.Write(indent, "}\n");
}

void CodeBehindFragments::WriteRequestParamAssignment(const FieldRep& control, int indent)
{
    if (const auto* transaction = dynamic_cast<const Transaction*>(&m_page))
    {
        if (transaction->IsFieldInDetailTables(control.GetField()))
            return;
    }
    CString key = ControlName(control);
    CString id = key;
    if (const FieldVariableMap* map = m_page.FindFieldVariableMapByField(control.GetField()))
    {
        if (map->variable != nullptr)
            key = map->variable->GetFieldName();
        id = map->field != nullptr ? PageControlId(map->field->GetFieldName()) : CString();
    }
    m_out.Write(indent, "reqParam = Request.Params[\"%s\"];\n", EscapeCSharpString(key));
    if (control.GetFieldRepData() == nullptr || control.GetFieldRepData()->IsAddedBySync())
        return;
    switch (ControlKind(control))
    {
    case FieldRepData::FileUpload:
    case FieldRepData::Password:
    case FieldRepData::Hidden:
        return;
    case FieldRepData::ComboBox:
        m_out.Write(indent, "%s.SelectedValue = reqParam;\n", id);
        return;
    case FieldRepData::EditableComboBox:
        m_out.Write(indent, "if(reqParam != null)\n");
        m_out.Write(indent, "{\n");
        m_out.Write(indent + 1, "%s.SelectedValue = reqParam;\n", id);
        m_out.Write(indent + 1, "%s_editable.Text = %s.SelectedItem.Text;\n", id, id);
        m_out.Write(indent, "}\n");
        return;
    case FieldRepData::TextArea:
        m_out.Write(indent, "%s.Value = reqParam;\n", id);
        return;
    case FieldRepData::DateControl:
        m_out.Write(indent, "if(reqParam == null)\n");
        m_out.Write(indent, "{\n");
        m_out.Write(indent + 1, "UtilHandler util = new UtilHandler();\n");
        m_out.Write(indent + 1, "reqParam = util.getDateAsMMDDYYYY();\n");
        if (ShowsDatesTurned())
            m_out.Write(indent + 1, "reqParam = util.ShownDate(reqParam);\n");
        m_out.Write(indent, "}\n");
        m_out.Write(indent, "%s.Value = reqParam;\n", id);
        return;
    case FieldRepData::CheckBox:
        m_out.Write(indent, "if(reqParam == \"on\")\n");
        m_out.Write(indent + 1, "%s.Checked = true;\n", id);
        return;
    case FieldRepData::RadioButton:
        m_out.Write(indent, "if(reqParam != null)\n");
        m_out.Write(indent + 1, "%s.Text = reqParam;\n", id);
        return;
    default:
        m_out.Write(indent, "if(%s.Text == null)\n", id);
        m_out.Write(indent + 1, "%s.Text = reqParam;\n", id);
        return;
    }
}

CString CodeBehindFragments::LoginPageUrl() const
{
    return "../../" + GetLoginModuleName(m_project, m_page) + "/UI/Login.aspx";
}

void CodeBehindFragments::WriteRoleCheck(int indent)
{
    WriteGuard(indent);
    m_out.Write(indent, "if (refusedUrl == null)\n");
    m_out.Write(indent + 1, "m_role = Session[\"login_role\"].ToString();\n");
    m_out.Write(indent, "else\n");
    m_out.Write(indent + 1, "Response.Redirect(refusedUrl);\n");
    m_out.Write(0, "\n");
}

void CodeBehindFragments::WriteLoginCheck(int indent)
{
    WriteGuard(indent);
    m_out.Write(indent, "if (refusedUrl != null)\n");
    m_out.Write(indent + 1, "Response.Redirect(refusedUrl);\n");
    m_out.Write(0, "\n");
}

void CodeBehindFragments::WriteGuard(int indent)
{
    m_out.Write(indent, "String refusedUrl = new UtilHandler().RefusedPageUrl(this, \"%s\");\n",
                EscapeCSharpString(LoginPageUrl()));
}

void CodeBehindFragments::WriteMenusMethod(int indent, const CString& pageFileName)
{
    m_out.Write(indent, "void WriteMenus()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "ASPXMenuWriter writer = new ASPXMenuWriter();\n");
    m_out.Write(indent + 1, "writer.WriteTopMenus(m_role, \"%s\", ref this.Menu1);\n",
                EscapeCSharpString(pageFileName));
    m_out.Write(indent, "}\n");
}

bool CodeBehindFragments::ShowsDatesTurned() const
{
    CString format = m_project.GetDateFormat();
    format.MakeLower();
    return format != "mm/dd/yyyy";
}

bool CodeBehindFragments::IsDayFirst() const
{
    CString format = m_project.GetDateFormat();
    format.MakeLower();
    return format == "dd/mm/yyyy";
}

bool HasComboControl(const std::vector<FieldRep*>& controls)
{
    return std::ranges::any_of(controls,
                               [](const FieldRep* control)
                               {
                                   const int kind = ControlKind(*control);
                                   return kind == FieldRepData::ComboBox ||
                                          kind == FieldRepData::EditableComboBox;
                               });
}

void CodeBehindFragments::WriteComboResets(const std::vector<FieldRep*>& controls, int indent,
                                           const char* itemText, const char* itemValue)
{
    bool first = true;
    for (const FieldRep* control : controls)
    {
        const int kind = ControlKind(*control);
        if (kind != FieldRepData::ComboBox && kind != FieldRepData::EditableComboBox)
            continue;
        const CString name = ControlName(*control);
        m_out.Write(indent,
                    first ? "ListItem item = new ListItem();\n" : "item = new ListItem();\n");
        first = false;
        m_out.Write(indent, "this.%s.Items.Clear();\n", name);
        m_out.Write(indent, "item.Text = \"%s\";\n", itemText);
        m_out.Write(indent, "item.Value = \"%s\";\n", itemValue);
        m_out.Write(indent, "this.%s.Items.Add(item);\n", name);
        m_out.Write(0, "\n");
        if (kind == FieldRepData::EditableComboBox)
        {
            m_out.Write(indent, "this.%s_editable.Text = \"%s\";\n", name, itemText);
            m_out.Write(indent, "this.%s.Text = \"%s\";\n", name, itemValue);
        }
    }
}

void CodeBehindFragments::WriteDateDefaults(const std::vector<FieldRep*>& controls, int indent)
{
    bool first = true;
    for (const FieldRep* control : controls)
    {
        if (ControlKind(*control) != FieldRepData::DateControl)
            continue;
        if (first)
        {
            m_out.Write(indent, "UtilHandler util = new UtilHandler();\n");
            m_out.Write(indent, "String str = \"\";\n");
            first = false;
        }
        m_out.Write(indent, "str = util.getDateAsMMDDYYYY();\n");
        if (ShowsDatesTurned())
            m_out.Write(indent, "str = util.ShownDate(str);\n");
        m_out.Write(indent, "this.%s.Value = str;\n", ControlName(*control));
    }
}

void CodeBehindFragments::WriteDeleteKeyRefusal(int indent)
{
    m_out.Write(indent,
                "if (new UtilHandler().ToSqlNumber(id, null) == null || "
                "%s.SelectRecord(id).Rows.Count == 0)\n",
                m_dataObject);
    m_out.Write(indent + 1, "m_messageString = \"Can not Delete Record!\";\n");
}

namespace
{
// The key field whose values the combo offers; null for any other control.
const Field* OfferedKeyField(const FieldRep& control)
{
    const FieldRepData* data = control.GetFieldRepData();
    const Field* back = data != nullptr ? data->GetBackField() : nullptr;
    const Table* table = back != nullptr ? back->GetTable() : nullptr;
    if (!IsComboControlKind(ControlKind(control)) || table == nullptr ||
        GetPrimaryKeyName(table) != back->GetFieldName())
        return nullptr;
    return back;
}
} // namespace

bool TakesValuesFromKey(const FieldRep& control)
{
    return OfferedKeyField(control) != nullptr;
}

CString OfferedKeyTest(const std::vector<FieldRep*>& controls)
{
    CString refused;
    for (const FieldRep* control : controls)
    {
        const Field* back = OfferedKeyField(*control);
        if (back == nullptr)
            continue;
        const Table* table = back->GetTable();
        refused += CString(refused.IsEmpty() ? "" : " || ") + "!new UtilHandler().IsOfferedKey(\"" +
                   table->GetTableName() + "\", \"" + back->GetFieldName() + "\", " +
                   ControlName(*control) + ", " +
                   (table->FindFieldByName(Field::deletedFlagName) != nullptr ? "true" : "false") +
                   ")";
    }
    return refused;
}

void CodeBehindFragments::WriteOfferedKeyRefusal(const std::vector<FieldRep*>& controls, int indent,
                                                 const CString& refusal, bool afterElse)
{
    const CString refused = OfferedKeyTest(controls);
    if (refused.IsEmpty())
    {
        m_out.Write(afterElse ? 0 : indent, "");
        return;
    }
    m_out.Write(afterElse ? 0 : indent, "if (%s)\n", refused);
    m_out.Write(indent + 1, "%s\n", refusal);
    m_out.Write(indent, "else ");
}

const char* RoleMayActTest()
{
    return "new UtilHandler().MayAct(this, m_role)";
}
