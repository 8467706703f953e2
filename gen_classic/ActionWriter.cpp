#include "gen_classic/ActionWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/PageWriteInfo.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"

ActionWriter::ActionWriter(const CString& folder, AspFile* file, GenerationReport& report)
    : Writer(folder, file, report)
{
}

void ActionWriter::WritePage()
{
    WriteActionPageHeader(m_body);
    m_body.Write(1, "<%%\n");
    WriteDimLines(1);
    WriteVariableDims(1);
    m_body.Write(0, "\n");
    m_body.Write(1, "call ExtractData()\n\n");
    m_body.Write(1, "call OpenConnection()\n\n");
    WriteValidateCall(1);
    m_body.Write(1, "call ExecuteQuery()\n\n");
    m_body.Write(1, "call CloseConnection()\n\n");
    m_body.Write(1, "Response.Redirect (redir)\n\n");

    m_body.Write(0, "Function ExtractData()\n");
    WriteRequestReads(1);
    WriteRedirectString();
    m_body.Write(0, "End Function\n\n");

    m_body.Write(0, "Function ValidateData()\n");
    if (m_current != nullptr)
    {
        for (const auto* list : {&m_current->listB, &m_current->listA})
        {
            for (const FieldVariableMap* map : *list)
            {
                if (map != nullptr && map->variable != nullptr)
                    WriteValidationBlock(*map, 0);
            }
        }
    }
    m_body.Write(0, "End Function\n\n");

    WriteExecuteQuery(0);
    m_body.Write(0, "Err_Trap()\n%%>");
    SavePage();
}

void ActionWriter::WriteKeyRequestRead(const FieldVariableMap& map, int indent)
{
    CString requestName;
    if (map.field != nullptr)
    {
        if (IsSkippedField(map.field) || !HasControl(map.field))
            return;
        requestName = GetControlVariable(map.field);
    }
    WriteRequestAssignment(map, requestName, indent);
}

void ActionWriter::WriteActionRequestRead(int indent)
{
    const int kind = m_file != nullptr ? m_file->GetFileKind() : 0;
    if (kind == 4 || kind == 8 || kind == 9)
        m_body.Write(indent, "sAct = Request(\"hiddenActionControl\")\n");
    CString keyVariable;
    CString keyField;
    GetKeyNames(keyVariable, keyField);
    if (!keyVariable.IsEmpty())
    {
        m_body.Write(indent, "%s = Trim(Request(\"%s\"))\n", keyVariable, keyVariable);
        WriteNumericGuard(m_body, indent, m_current->keyMap->field, keyVariable);
    }
    WriteAfterKeyRead(indent);
}

void ActionWriter::WriteFieldRequestRead(const FieldVariableMap& map, int indent)
{
    if (map.field == nullptr || IsSkippedField(map.field) || !HasControl(map.field) ||
        map.variable->GetKind() == Variable::pageKind)
        return;
    const CString variable = VbsVariableName(*map.variable);
    m_body.Write(indent, "%s = Trim(Request(\"%s\"))\n", variable,
                 IsSpecialField(map.field) ? variable : GetControlVariable(map.field));
    if (!ValidatesNumber(map.field))
        WriteNumericGuard(m_body, indent, map.field, variable);
}

bool ActionWriter::IsValidated(Field* field)
{
    if (field == nullptr || IsSkippedField(field))
        return false;
    const FieldRep* control = FindFieldRep(field);
    if (control == nullptr || control->GetFieldRepData() == nullptr)
        return false;
    switch (control->GetFieldRepData()->GetControlKind())
    {
    case FieldRepData::TextBox:
    case FieldRepData::ComboBox:
    case FieldRepData::DateControl:
    case FieldRepData::TextArea:
    case FieldRepData::Password:
        return true;
    default:
        return false;
    }
}

bool ActionWriter::ValidatesNumber(const Field* field)
{
    return field != nullptr &&
           (field->GetTypeCode() == FieldTypeInt || field->GetTypeCode() == FieldTypeFloat) &&
           IsValidated(const_cast<Field*>(field));
}

void ActionWriter::WriteRedirectString()
{
    m_body.Write(1, "redirString = ");
    bool written = false;
    if (m_current != nullptr)
    {
        for (const auto* list : {&m_current->listA, &m_current->listB})
        {
            for (const FieldVariableMap* map : *list)
            {
                if (map == nullptr || map->variable == nullptr || IsSkippedField(map->field) ||
                    !HasControl(map->field) || !IsPassedBack(*map))
                    continue;
                const CString variable = VbsVariableName(*map->variable);
                const CString separator =
                    written || IsRedirectStringContinued(0) ? CString("&") : CString();
                m_body.Write(0, "%s\"%s%s=\"&%s", written ? CString("&") : CString(), separator,
                             map->field != nullptr ? map->field->GetFieldName() : variable,
                             UrlEncoded(variable));
                written = true;
            }
        }
    }
    if (!written)
        m_body.Write(0, "\"\"");
    m_body.Write(0, "\n\n");
}

void ActionWriter::WriteValidationBlock(const FieldVariableMap& map, int indent)
{
    if (!IsValidated(map.field))
        return;
    const CString variable = VbsVariableName(*map.variable);
    const int kind = FindFieldRep(map.field)->GetFieldRepData()->GetControlKind();
    m_body.Write(indent + 1,
                 kind == FieldRepData::ComboBox ? "IF %s = \"0\" THEN\n" : "IF %s = \"\" THEN\n",
                 variable);
    WriteValidationMessage(map.field->GetDisplayName(), indent + 2);
    const int type = map.field->GetTypeCode();
    if (type == FieldTypeInt || type == FieldTypeFloat)
    {
        m_body.Write(indent + 1, "ELSEIF isNumeric(%s) = false THEN\n", variable);
        WriteValidationMessage("valid numeric value", indent + 2);
    }
    else if (type == FieldTypeDateTime)
    {
        m_body.Write(indent + 1, "ELSEIF isDate(%s) = false THEN\n", variable);
        WriteValidationMessage("valid date", indent + 2);
    }
    m_body.Write(indent + 1, "END IF\n");
}

void ActionWriter::WriteValidationMessage(const CString& message, int indent)
{
    m_body.Write(indent, "sInfo = \"Please enter %s\"\n", VbsLiteral(message));
    m_body.Write(indent, "redir = \"%s?\" & redirString & \"&strInfo=\" & %s\n",
                 GetErrorRedirectPage(), UrlEncoded("sInfo"));
    m_body.Write(indent, "exit Function\n");
}

void ActionWriter::WriteExecuteQuery(int indent)
{
    m_body.Write(indent, "Function ExecuteQuery()\n\n");
    m_body.Write(indent + 1, "set rsQry = server.CreateObject(\"ADODB.RecordSet\")\n\n");
    WriteBuildQuery(indent + 1);
    m_body.Write(indent + 1, "glb_con.Execute(strQry)\n\n");
    WriteAfterQuery(indent + 1);
    WriteBeforeRedirect(indent + 1);
    CString prefix;
    GetRedirectQueryPrefix(prefix);
    CString redirect = "redir = \"" + prefix + "?";
    bool first = true;
    if (m_current != nullptr)
    {
        for (const FieldVariableMap* map : m_current->listA)
        {
            if (map == nullptr || map->variable == nullptr)
                continue;
            const CString variable = VbsVariableName(*map->variable);
            redirect += (first ? "" : " & \"&") +
                        (map->field != nullptr ? map->field->GetFieldName() : variable) + "=\" & " +
                        UrlEncoded(variable);
            first = false;
        }
    }
    if (first)
        redirect += "\"";
    m_body.Write(indent + 1, "%s\n", redirect);
    WriteAfterExecute(indent + 1);
    m_body.Write(indent, "End Function\n\n");
}

CString ActionWriter::GetErrorRedirectPage()
{
    CString page = m_file != nullptr ? ClassicAddress(m_file, false) : CString();
    page.Replace("_action", "");
    return "../Login" + page;
}

bool ActionWriter::IsPassedBack(const FieldVariableMap&)
{
    return true;
}

bool ActionWriter::IsSpecialField(Field*)
{
    return false;
}

void ActionWriter::WriteAfterExecute(int) {}

void ActionWriter::GetRedirectQueryPrefix(CString& prefix)
{
    prefix.Empty();
}
