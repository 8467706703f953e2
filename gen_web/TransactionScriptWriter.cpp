#include "gen_web/TransactionScriptWriter.h"

#include "entities/AspFile.h"
#include "entities/Transaction.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/PostedValueRead.h"
#include "gen_web/TransactionGridWriter.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

TransactionScriptWriter::TransactionScriptWriter(AspFile& pageFile, Transaction& transaction,
                                                 ForgeonProject& project, TextFile& out)
    : AspxScriptWriter(pageFile, project, out), m_transaction(transaction),
      m_masterControls(GetPlacedControls(transaction, transaction.GetBasicTable()))
{
}

void TransactionScriptWriter::WriteAddScript(int indent)
{
    WriteAddHandleAction(indent);
    WriteHandleGridRecompute(indent);
    WriteValidateData(indent);
    WriteValidateDetailData(indent);
    WriteResetAllControls(m_masterControls, indent);
    WriteReloadForm(indent);
}

void TransactionScriptWriter::WriteUpdateScript(int indent)
{
    WriteUpdateHandleAction(indent);
    WriteHandleGridRecompute(indent);
    WriteValidateData(indent);
    WriteValidateDetailData(indent);
}

void TransactionScriptWriter::WriteAddHandleAction(int indent)
{
    WriteHandleActionHead(indent);
    WriteSaveBlock("ADD", "Do you really want to Add Record?", m_project.GetShowConfirmations(),
                   indent + 1);
    if (m_transaction.HasFileUploadControl())
        WriteFileUploadSubmit(indent + 1);
    WriteRequest(m_masterControls, indent + 1);
    m_out.Write(indent, "}\n\n");
}

void TransactionScriptWriter::WriteUpdateHandleAction(int indent)
{
    const bool confirm = m_project.GetShowConfirmations();
    WriteHandleActionHead(indent);
    WriteSaveBlock("UPDATE", "Do you really want to Update Record?", confirm, indent + 1);
    m_out.Write(indent + 1, "else if(formAction == 'DELETE')\n");
    m_out.Write(indent + 1, "{\n");
    if (confirm)
        WriteConfirm(indent + 2, "Do you really want to Delete Record?");
    m_out.Write(indent + 1, "}\n");
    if (m_transaction.HasFileUploadControl())
        WriteFileUploadSubmit(indent + 1);
    WriteRequest(m_masterControls, indent + 1);
    m_out.Write(indent, "}\n\n");
}

void TransactionScriptWriter::WriteRecomputeReplies(const std::vector<FieldRep*>& controls,
                                                    int indent)
{
    if (!IsUpdatePage())
        return AspxScriptWriter::WriteRecomputeReplies(controls, indent);
    // The Update page fills nothing from a recompute answer.
    for (const FieldRep* control : controls)
    {
        if (control->GetFieldRepData()->GetEventRecmpFieldsList().empty())
            continue;
        m_out.Write(indent, "if(recomputeParentControlName == '%s')\n",
                    EscapeJavaScriptString(ControlName(*control)));
        m_out.Write(indent, "{\n");
        m_out.Write(indent, "}\n");
    }
}

void TransactionScriptWriter::WriteSaveAnswer(int indent)
{
    // A refused or rolled-back save stays on the page with its message.
    m_out.Write(indent, "if(!getMessageString(doc, 'messageDiv', 'messageDiv'))\n");
    m_out.Write(indent + 1, "window.location = \"%s\";\n", AddPageName());
}

bool TransactionScriptWriter::IsUpdatePage() const
{
    return m_pageFile.GetFileKind() == transactionUpdateFileKind;
}

std::vector<FieldRep*> TransactionScriptWriter::RecomputeTargets(const EventRecmpFields& list) const
{
    // The controls whose values the recompute answer of the code-behind carries.
    std::vector<FieldRep*> targets;
    for (const EventClassRecompute* entry : list.GetClassRecomputes())
        targets.push_back(entry->fieldRep);
    return targets;
}

bool TransactionScriptWriter::IsGridTarget(const FieldRep& target) const
{
    return m_transaction.IsFieldInDetailTables(target.GetField());
}

void TransactionScriptWriter::WriteGridReset(int indent)
{
    m_out.Write(indent, "var msg = confirm(\"This action will reset the detail record grid. "
                        "\\nDo you really want to change selection?\");\n");
    m_out.Write(indent, "if(msg == false)\n");
    m_out.Write(indent + 1, "return;\n");
    m_out.Write(0, "\n");
    // The master values go with the post, so that the page shows them again and the grids'
    // data calls read them.
    m_out.Write(indent, "var url = \"%s?\" + getRequestBody(formName, \"REFRESHGRID\");\n",
                AddPageName());
    m_out.Write(indent, "formName.action = url;\n");
    m_out.Write(indent, "formName.submit();\n");
}

CString TransactionScriptWriter::ReportDivName() const
{
    return "reportDiv";
}

void TransactionScriptWriter::WriteHandleGridRecompute(int indent)
{
    const int i = indent;
    m_out.Write(i, "function HandleGridRecompute(formAction, recomputeControlName, rowNo)\n");
    m_out.Write(i, "{\n");
    m_out.Write(i + 1, "var formName;\n");
    m_out.Write(i + 1, "formName = document.aspnetForm;\n");
    m_out.Write(i + 1, "var sBody = getRequestBody(formName, formAction);\n\n");
    m_out.Write(i + 1, "var row = rowNo.value;\n");
    m_out.Write(i + 1, "var sParam = \"ROWNO=\";\n");
    m_out.Write(i + 1, "sParam += row;\n");
    m_out.Write(i + 1, "sBody += \"&\";\n");
    m_out.Write(i + 1, "sBody += sParam;\n");
    m_out.Write(i + 1, "httpRequest = getXMLHTTPRequest();\n");
    m_out.Write(i + 1, "httpRequest.onreadystatechange = function()\n");
    m_out.Write(i + 1, "{\n");
    m_out.Write(i + 2, "if (httpRequest.readyState == 4)\n");
    m_out.Write(i + 2, "{\n");
    m_out.Write(i + 3, "if (httpRequest.status == 200)\n");
    m_out.Write(i + 3, "{\n");
    m_out.Write(i + 4, "var doc;\n");
    m_out.Write(i + 4, "doc = httpRequest.responseXML;\n");
    m_out.Write(i + 4, "if(doc)\n");
    m_out.Write(i + 4, "{\n");
    for (Table* table : m_transaction.GetDetailTables())
    {
        for (FieldRep* control : GetPlacedControls(m_transaction, table))
        {
            const FieldRepData& data = *control->GetFieldRepData();
            if (data.GetEventRecmpFieldsList().empty())
                continue;
            // The action names the control alone, also where two grids have a field of one name.
            m_out.Write(i + 5, "if(formAction == 'RECOMPUTEON%s')\n",
                        EscapeJavaScriptString(
                            TransactionGridWriter::RecomputeEvent(m_transaction, *control)));
            m_out.Write(i + 5, "{\n");
            for (const EventRecmpFields* list : data.GetEventRecmpFieldsList())
            {
                for (const FieldRep* target : RecomputeTargets(*list))
                {
                    if (target == control)
                        m_out.Write(i + 6, "updateReport(httpRequest, '%s');\n", ReportDivName());
                    else if (target != nullptr && target->GetField() != nullptr &&
                             target->GetFieldRepData() != nullptr)
                        WriteGridRecomputeReply(*table, *target, i + 6);
                }
            }
            m_out.Write(i + 5, "}\n");
        }
    }
    for (int level = 4; level >= 2; --level)
        m_out.Write(i + level, "}\n");
    m_out.Write(i + 1, "}\n");
    m_out.Write(i + 1, "httpRequest.open('POST', '%s', true);\n", PageFileName());
    m_out.Write(i + 1, "httpRequest.setRequestHeader(\"Content-Type\", "
                       "\"application/x-www-form-urlencoded\");\n");
    m_out.Write(i + 1, "httpRequest.send(sBody);\n");
    m_out.Write(i, "}\n\n");
}

void TransactionScriptWriter::WriteGridRecomputeReply(const Table& table, const FieldRep& target,
                                                      int indent)
{
    const int kind = ControlKind(target);
    const char* fill = nullptr;
    if (kind == FieldRepData::TextBox || kind == FieldRepData::TextArea)
        fill = "FillControlFromFunction(doc,'%s', control);\n";
    else if (kind == FieldRepData::ComboBox || kind == FieldRepData::EditableTextBox)
        fill = "FillCombo(doc,'%s', control, false);\n";
    // Other kinds have no cell in the row, or no fill.
    if (fill == nullptr)
        return;
    const CString name = ControlName(target);
    m_out.Write(indent, "var control = document.getElementById('%s' + row);\n",
                EscapeJavaScriptString(GetGridRowPrefix(m_transaction, table) + name));
    m_out.Write(indent, fill, EscapeJavaScriptString(name));
    m_out.Write(0, "\n");
}

void TransactionScriptWriter::WriteValidateData(int indent)
{
    WriteValidateDataChecks(m_masterControls, indent);
    m_out.Write(indent + 1, "if(!ValidateDetailData())\n");
    m_out.Write(indent + 2, "return false\n");
    m_out.Write(indent + 1, "return true;\n");
    m_out.Write(indent, "}\n");
}

void TransactionScriptWriter::WriteValidateDetailData(int indent)
{
    const int i = indent;
    m_out.Write(i, "function ValidateDetailData()\n");
    m_out.Write(i, "{\n");
    for (Table* table : m_transaction.GetDetailTables())
    {
        const CString prefix = EscapeJavaScriptString(GetGridRowPrefix(m_transaction, *table));
        m_out.Write(i + 1, "for(var i = 1; i <= %sDiv_body.rows.length; i++)\n",
                    table->GetTableName());
        m_out.Write(i + 1, "{\n");
        m_out.Write(i + 2, "var rowDeleted = document.getElementById(\"%sdelete\"+i);\n", prefix);
        m_out.Write(i + 2, "if(!rowDeleted || rowDeleted.checked)\n");
        m_out.Write(i + 2, "{\n");
        m_out.Write(i + 3, "continue;\n");
        m_out.Write(i + 2, "}\n");
        for (const FieldRep* control : GetPlacedControls(m_transaction, table))
            WriteDetailFieldChecks(*control, i + 2);
        m_out.Write(i + 1, "}\n");
    }
    m_out.Write(i + 1, "return true;\n");
    m_out.Write(i, "}\n");
}

void TransactionScriptWriter::WriteDetailFieldChecks(const FieldRep& control, int indent)
{
    // Other kinds are not checked, or have no cell in the row.
    const ScriptRequirement requirement = DetailRequirement(m_pageFile, control);
    if (requirement == ScriptRequirement::none)
        return;
    const bool combo = requirement == ScriptRequirement::choice;
    const CString name = ControlName(control);
    const CString caption = EscapeJavaScriptString(control.GetFieldRepData()->GetCaption());
    const CString rowText = " + \" in row no \" + i";
    m_out.Write(indent, "var control = document.getElementById(\"%s\"+i);\n",
                EscapeJavaScriptString(
                    GetGridRowPrefix(m_transaction, *control.GetField()->GetTable()) + name));
    if (combo)
    {
        m_out.Write(indent, "if(control.value == \"null\" || control.value == 0)\n");
        m_out.Write(indent, "{\n");
        m_out.Write(indent + 1, "alert(\"Please select %s\"%s);\n", caption, rowText);
        m_out.Write(indent + 1, "control.focus();\n");
        m_out.Write(indent + 1, "return false;\n");
        m_out.Write(indent, "}\n");
        return;
    }
    WriteInputStringCheck("control", control.GetFieldRepData()->GetCaption(), rowText, indent);
    const int type = control.GetField()->GetTypeCode();
    if (IsNumberColumnType(type))
        WriteInputNumericCheck("control", name, type, rowText, indent);
    else if (type == FieldTypeDateTime)
    {
        m_out.Write(indent, "if(!(isDate(control.value, '%s')))\n", DateFormat());
        m_out.Write(indent, "{\n");
        m_out.Write(indent + 1, "alert(\"Please enter valid %s\"%s);\n", caption, rowText);
        m_out.Write(indent + 1, "return\n");
        m_out.Write(indent, "}\n");
    }
}

void TransactionScriptWriter::WriteReloadForm(int indent)
{
    m_out.Write(indent, "function reloadForm()\n");
    m_out.Write(indent, "{\n");
    // A post of the form would bring back what the reload clears.
    if (ResetReloadsPage())
    {
        m_out.Write(indent + 1, "resetAllControls();\n");
        m_out.Write(indent, "}\n");
        return;
    }
    m_out.Write(indent + 1, "var formName;\n");
    m_out.Write(indent + 1, "formName = document.aspnetForm;\n");
    m_out.Write(indent + 1, "formName.action = \"%s\";\n", AddPageName());
    m_out.Write(indent + 1, "resetAllControls();\n");
    m_out.Write(indent + 1, "formName.submit();\n");
    m_out.Write(indent, "}\n");
}
