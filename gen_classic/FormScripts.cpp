// The script half of FormControlWriter: form frames, client checks and functions, and the
// server-side checks of action pages.
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DateValidation.h"
#include "entities/Form.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
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
#include "model/Identifiers.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "model/ValidationData.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{

bool IsTextKind(int kind)
{
    return kind == FieldRepData::TextBox || kind == FieldRepData::DateControl ||
           kind == FieldRepData::TextArea || kind == FieldRepData::Password;
}

int ControlKind(const FieldRep& control)
{
    return control.GetFieldRepData() != nullptr ? control.GetFieldRepData()->GetControlKind() : -1;
}

CString Caption(const FieldRep& control)
{
    return control.GetFieldRepData() != nullptr ? control.GetFieldRepData()->GetCaption()
                                                : CString();
}

// The caption inside a JavaScript string literal.
CString ScriptCaption(const FieldRep& control)
{
    return EscapeJavaScriptString(Caption(control));
}

// The table's part of the names of its page's form and script functions.
CString ScriptName(const Table* table)
{
    return table != nullptr ? ScriptNamePart(table->GetTableName()) : CString();
}

const char* ComparisonAlert(const CString& comparison)
{
    static const std::pair<const char*, const char*> alerts[] = {
        {"=", "alert(\"Please check! %s should be equal to %s\");\n"},
        {"<=", "alert(\"Please check! %s should be less than or equal to %s\");\n"},
        {">=", "alert(\"Please check! %s should be greater than or equal to %s\");\n"},
        {"!=", "alert(\"Please check! %s should not be equal to %s\");\n"},
        {"<", "alert(\"Please check! %s should be less than %s\");\n"},
        {">", "alert(\"Please check! %s should be greater than to %s\");\n"},
    };
    for (const auto& [text, alert] : alerts)
        if (comparison == text)
            return alert;
    return nullptr;
}

} // namespace

CString FormControlWriter::ScriptControlId(const FieldRep& control)
{
    if (control.GetField() == nullptr || control.GetFieldRepData() == nullptr)
        return {};
    // The kinds after the button have no prefix here.
    const int kind = ControlKind(control);
    return control.GetControlName(kind <= FieldRepData::Button ? FieldRep::GetControlPrefix(kind)
                                                               : CString());
}

bool FormControlWriter::TakesPartInChecks(const FieldRep& control, bool clientSide) const
{
    Field* field = control.GetField();
    if (field == nullptr || field->IsKeyOrDeletedFlag() || control.GetFieldRepData() == nullptr)
        return false;
    const RefField* reference =
        Page() != nullptr ? Page()->FindRefFieldByName(field->GetFieldName()) : nullptr;
    if (reference != nullptr && !reference->GetValidate())
        return false;
    if (clientSide ? !control.IsMandatory() : field->IsAllowNull())
        return false;
    const int visibility = GetVisibilityKind(field);
    return visibility != FieldVisibility::Invisible &&
           !(clientSide && visibility == FieldVisibility::ReadOnly);
}

void FormControlWriter::WriteFormOpen(const CString& formName, TextFile& out,
                                      const CString& heading, int indent,
                                      const CString& messageParam)
{
    out.Write(indent, "<FORM name = \"%s\" method = \"post\">\n", formName);
    out.Write(indent, "<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 "
                      "width=\"98%%\">\n");
    out.Write(indent + 1, "<%% if request(\"%s\") <> \"\" Then %%>\n", messageParam);
    out.Write(indent + 1, "<TR>\n");
    out.Write(indent + 2,
              "<TD align=center bgColor = <%%=glb_bgBlank%%> class = message colspan = %d> <%% = "
              "Server.HTMLEncode(Request(\"%s\")) %%> </TD>\n",
              4, messageParam);
    out.Write(indent + 1, "</TR>\n");
    out.Write(indent + 1, "<%% end if %%>\n");
    out.Write(indent + 1, "<TR>\n");
    out.Write(indent + 2,
              "<TD align=center bgColor = <%%=glb_bgBlank%%> class = heading colspan = %d> %s "
              "</TD>\n",
              4, EscapeHtmlText(heading));
    out.Write(indent + 1, "</TR>\n");
}

void FormControlWriter::WriteFormClose(TextFile& out, int indent, bool noCancel)
{
    out.Write(indent, "</FORM>\n");
    out.Write(indent, "</TABLE>\n");
    if (!noCancel)
        out.Write(indent, "<FORM name = \"frmcancel\" method = \"post\" ID=\"Form1\">\t</Form>\n");
    out.Write(indent, "<BR>\n");
}

void FormControlWriter::WriteTransactionScripts(Table* table,
                                                const std::vector<FieldRep*>& controls,
                                                const CString& actionUrl, TextFile& out)
{
    WriteEventFunctions(table, "frm" + ScriptName(table), out);
    WriteValidateFunction(ScriptName(table), controls, actionUrl, "formName.cmdadd.value", out);
    const int kind = m_file != nullptr ? m_file->GetFileKind() : 0;
    if (kind == 3 || kind == 7)
    {
        WriteRemoveFunction(table, actionUrl, out);
        WriteCancelFunction(table, out);
    }
}

void FormControlWriter::WriteMasterFormScripts(Table* table, const std::vector<FieldRep*>& controls,
                                               const CString& actionUrl, TextFile& out)
{
    const int kind = m_file != nullptr ? m_file->GetFileKind() : 0;
    const bool update = kind == 3 || kind == 7;
    WriteEventFunctions(table, "frm" + ScriptName(table), out);
    WriteValidateFunction(ScriptName(table), controls, actionUrl,
                          update ? CString("\"Update\"") : CString(), out);
    if (update)
    {
        WriteRemoveFunction(table, actionUrl, out);
        WriteCancelFunction(table, out);
    }
}

void FormControlWriter::WriteMapFormScripts(Table* table, const std::vector<FieldRep*>& controls,
                                            const CString& actionUrl, TextFile& out)
{
    WriteEventFunctions(table, "frm" + ScriptName(table), out);
    WriteValidateFunction(ScriptName(table), controls, actionUrl, "formName.cmdadd.value", out);
    WriteRemoveFunction(table, actionUrl, out);
}

void FormControlWriter::WriteValidateFunction(const CString& name,
                                              const std::vector<FieldRep*>& controls,
                                              const CString& actionUrl, const CString& hiddenValue,
                                              TextFile& out)
{
    const int I = m_indent;
    const CString part = ScriptNamePart(name);
    out.Write(0, "function fn_validate_%s()\n", part);
    out.Write(I, "{\n");
    out.Write(I + 1, "var formName\n");
    out.Write(I + 1, "formName = document.frm%s;\n", part);
    WriteFieldChecks(controls, out);
    if (!hiddenValue.IsEmpty())
        out.Write(I + 1, "formName.hiddenActionControl.value = %s\n", hiddenValue);
    if (dynamic_cast<ApplicationReport*>(Page()) == nullptr)
    {
        out.Write(I + 1, "formName.action = \"%s\";\n", actionUrl);
        out.Write(I + 1, "formName.submit();\n");
    }
    out.Write(I, "}\n\n");
}

void FormControlWriter::WriteFocusReturn(TextFile& out, const CString& id)
{
    out.Write(m_indent + 2, "formName.%s.focus();\n", id);
    out.Write(m_indent + 2, "return\n");
    out.Write(m_indent + 1, "}\n");
}

void FormControlWriter::WriteFieldChecks(const std::vector<FieldRep*>& controls, TextFile& out)
{
    const int I = m_indent;
    for (const FieldRep* control : controls)
    {
        if (control == nullptr || !TakesPartInChecks(*control, true))
            continue;
        const CString id = ScriptControlId(*control);
        const CString caption = ScriptCaption(*control);
        const int kind = ControlKind(*control);
        if (IsTextKind(kind))
        {
            out.Write(I + 1, "if(!(validateString(formName.%s, \"Please enter %s\")))\n", id,
                      caption);
            out.Write(I + 1, "{\n");
            WriteFocusReturn(out, id);
            const int type = control->GetField()->GetTypeCode();
            if (type == FieldTypeInt || type == FieldTypeFloat)
            {
                out.Write(I + 1, "if(!(isNumber1(formName.%s.value)))\n", id);
                out.Write(I + 1, "{\n");
                out.Write(I + 2, "alert(\"Please enter valid numeric value\");\n");
                WriteFocusReturn(out, id);
            }
            else if (type == FieldTypeDateTime)
            {
                WriteDateChecks(*control, id, out);
            }
        }
        else if (IsListControlKind(kind) && control->GetFieldRepData()->GetNoneCaption())
        {
            out.Write(I + 1, "if(formName.%s.value == %i)\n", id,
                      control->GetFieldRepData()->GetSelectAllCaption() ? 1 : 0);
            out.Write(I + 1, "{\n");
            out.Write(I + 2, "alert(\"Please enter %s\");\n", caption);
            WriteFocusReturn(out, id);
        }
    }
    out.Write(0, "\n");
}

void FormControlWriter::WriteDateChecks(const FieldRep& control, const CString& id, TextFile& out)
{
    const int I = m_indent;
    const CString caption = ScriptCaption(control);
    out.Write(I + 1, "if(!(isDate(formName.%s.value, <%% = glb_dateFormat%%>)))\n", id);
    out.Write(I + 1, "{\n");
    out.Write(I + 2, "alert(\"Please enter %s\");\n", caption);
    WriteFocusReturn(out, id);
    const ValidationData* validation = control.GetValidationData();
    const DateValidation* rule =
        validation != nullptr ? validation->GetDateValidationAt(0) : nullptr;
    if (rule == nullptr || rule->GetVariable() == nullptr || Page() == nullptr)
        return;
    const FieldVariableMap* map = Page()->FindFieldVariableMapByVariable(rule->GetVariable());
    const FieldRep* other =
        map != nullptr && map->field != nullptr ? Page()->GetFieldRepForField(map->field) : nullptr;
    const CString comparison = rule->GetOperatorText();
    const char* alert = ComparisonAlert(comparison);
    if (other == nullptr || alert == nullptr)
        return;
    out.Write(I + 1,
              "if(!(comparedate(formName.%s.value, formName.%s.value, \"%s\", <%% = "
              "glb_dateFormat%%>)))\n",
              id, ScriptControlId(*other), comparison);
    out.Write(I + 1, "{\n");
    out.Write(I + 2, alert, caption, ScriptCaption(*other));
    WriteFocusReturn(out, id);
}

void FormControlWriter::WriteEventFunctions(Table* table, const CString& formName, TextFile& out)
{
    FormInterface* page = Page();
    if (page == nullptr)
        return;
    std::vector<FieldRep*> events;
    page->GetEventFieldReps(events);
    const CString url = ClassicAddress(m_file, true);
    for (const FieldRep* control : events)
    {
        Field* field = control->GetField();
        const Table* owner = field == nullptr ? nullptr
                             : field->GetTable() != nullptr
                                 ? field->GetTable()
                                 : page->GetRefOrDerivedFieldTable(field);
        if (owner != table || GetVisibilityKind(field) != FieldVisibility::Editable)
            continue;
        CString line = "url = \"" + url + "?Recompute=1\";\n";
        const auto* transaction = dynamic_cast<Transaction*>(page);
        if (transaction != nullptr && table != nullptr && table->GetKind() == 1)
        {
            CString index;
            index.Format("%d", transaction->GetDetailTableIndex(table));
            line = "url = \"" + url + "?Recompute" + index + "=1\";\n";
        }
        WriteEventFunction(*control, formName, line, true, out);
    }
}

void FormControlWriter::WriteReportEventFunctions(ApplicationReport* report, TextFile& out)
{
    if (report == nullptr || report->GetReportGroups().empty() || m_file == nullptr)
        return;
    const CString line = "url = \"" + ClassicAddress(m_file, true) + "\";\n";
    const CString formName = "frm" + ScriptNamePart(report->GetFormName());
    for (const FieldRep* control : report->GetReportGroups().front()->GetFilters())
        if (control != nullptr && control->GetFieldRepData() != nullptr)
            WriteEventFunction(*control, formName, line, false, out);
}

void FormControlWriter::WriteEventFunction(const FieldRep& control, const CString& formName,
                                           const CString& urlLine, bool withAction, TextFile& out)
{
    if (control.GetFieldRepData() == nullptr)
        return;
    const CString variable = JavaScriptIdentifier(ValueVariable(control.GetField()));
    const int I = m_indent;
    for (const EventRecmpFields* list : control.GetFieldRepData()->GetEventRecmpFieldsList())
    {
        if (list == nullptr)
            continue;
        out.Write(I, "function %s(conn_str)\n", EventFunctionName(control, *list));
        out.Write(I, "{\n");
        out.Write(I + 1, "var formName = document.%s;\n", formName);
        out.Write(I + 1, "var %s = formName.%s.value;\n", variable, control.GetControlId());
        if (withAction)
            out.Write(I + 1, "formName.hiddenActionControl.value = formName.cmdadd.value;\n");
        out.Write(I + 1, "var url;\n");
        out.Write(I + 1, "%s", urlLine);
        out.Write(I + 1, "formName.action = url;\n");
        out.Write(I + 1, "formName.submit();\n");
        out.Write(I, "}\n\n");
    }
}

void FormControlWriter::WriteRemoveFunction(Table* table, const CString& actionUrl, TextFile& out)
{
    const CString name = ScriptName(table);
    if (name.IsEmpty())
        return;
    const FieldVariableMap* key = Page() != nullptr ? FindKeyFieldMap(*Page(), table) : nullptr;
    const CString keyVariable =
        key != nullptr && key->variable != nullptr ? VbsVariableName(*key->variable) : CString();
    out.Write(0, "function fn_RemoveRecord_%s(id)\n", name);
    out.Write(0, "{\n");
    out.Write(1, "formName = document.frm%s;\n", name);
    out.Write(1, "msg=confirm(\"Do you really want to Delete this Record?\")\n");
    out.Write(1, "if(msg==false)\n");
    out.Write(1, "{\n");
    out.Write(2, "return;\n");
    out.Write(1, "}\n");
    out.Write(1, "formName.hiddenActionControl.value = \"Remove\";\n");
    out.Write(1, "formName.%s.value = id;\n", keyVariable);
    out.Write(1, "formName.action = \"%s\";\n", actionUrl);
    out.Write(1, "formName.submit();\n");
    out.Write(0, "}\n");
}

void FormControlWriter::WriteCancelFunction(Table* table, TextFile& out)
{
    const CString name = ScriptName(table);
    FormInterface* page = Page();
    if (name.IsEmpty() || page == nullptr)
        return;
    const auto* transaction = dynamic_cast<Transaction*>(page);
    if (transaction != nullptr && transaction->GetBasicTable() != table)
        return;
    const int targetKind = table->GetKind() == 1 ? 1 : 5;
    const auto& files = page->GetAspFiles();
    const auto target =
        std::find_if(files.begin(), files.end(),
                     [targetKind](const AspFile* f) { return f->GetFileKind() == targetKind; });
    // Without the page to go back to there is nothing to cancel to.
    if (target == files.end())
        return;
    out.Write(0, "function fn_CancelRecord_%s()\n", name);
    out.Write(0, "{\n");
    out.Write(1, "var formName;\n");
    out.Write(1, "formName = document.frmcancel;\n");
    out.Write(1, "formName.action = \"../%s\";\n", ClassicAddress(*target, false));
    out.Write(1, "formName.submit();\n");
    out.Write(0, "}\n");
}

const Variable* FormControlWriter::FilterVariable(const FieldRep& control) const
{
    if (control.GetVariable() != nullptr)
        return control.GetVariable();
    const FieldVariableMap* map = Page() != nullptr && control.GetField() != nullptr
                                      ? Page()->FindFieldVariableMapByField(control.GetField())
                                      : nullptr;
    return map != nullptr ? map->variable : nullptr;
}

void FormControlWriter::WriteReportScripts(ApplicationReport* report, const CString& reportName,
                                           const std::vector<FieldRep*>& controls, int indent,
                                           TextFile& out)
{
    m_indent = indent;
    const CString formName = WithoutBlanks(reportName);
    WriteReportEventFunctions(report, out);
    if (report != nullptr)
    {
        const std::vector<FieldRep*> filters =
            report->GetReportGroups().empty() ? std::vector<FieldRep*>()
                                              : report->GetReportGroups().front()->GetFilters();
        WriteSetQuery(filters, formName,
                      m_file != nullptr ? ClassicAddress(m_file, true) : CString(), true, false,
                      out);
    }
    WritePrintFunction(formName, controls, out);
    WriteButtonFunctions(report, formName, out);
}

void FormControlWriter::WriteCollectorScripts(ReportCollector* collector, TextFile& out)
{
    if (collector == nullptr)
        return;
    const std::vector<FieldRep*>& filters = collector->GetFieldReps();
    const CString url = m_file != nullptr ? ClassicAddress(m_file, true) : CString();
    const CString name = WithoutBlanks(collector->GetFormName());
    WriteValidateFunction(name, filters, url, CString(), out);
    WriteSetQuery(filters, name, url, false, true, out);
}

void FormControlWriter::WriteSetQuery(const std::vector<FieldRep*>& filters,
                                      const CString& formName, const CString& actionUrl,
                                      bool showAction, bool controlIds, TextFile& out)
{
    const int I = m_indent;
    out.Write(I, "function set_query()\n");
    out.Write(I, "{\n");
    out.Write(I + 1, "var formName\n");
    out.Write(I + 1, "formName = document.frm%s\n", ScriptNamePart(formName));
    if (!filters.empty())
    {
        WriteFieldChecks(filters, out);
        for (const FieldRep* control : filters)
        {
            if (control == nullptr)
                continue;
            const Variable* variable = FilterVariable(*control);
            // A control without a variable has no value to pass on.
            if (variable == nullptr)
                continue;
            const CString variableName = VbsVariableName(*variable);
            const bool byControl = variable->GetKind() == Variable::parameterKind;
            const CString name = !byControl   ? variableName
                                 : controlIds ? control->GetControlId()
                                              : ScriptControlId(*control);
            if (ControlKind(*control) != FieldRepData::RadioButton)
            {
                out.Write(I + 1, "formName.%s.value = formName.%s.value\n", variableName, name);
                continue;
            }
            out.Write(I + 1, "for (var i=0; i < formName.%s.length; i++)\n", name);
            out.Write(I + 1, "{\n");
            out.Write(I + 2, "if(formName.%s[i].checked)\n", name);
            out.Write(I + 2, "{\n");
            out.Write(I + 3, "formName.%s.value = formName.%s[i].value\n", variableName, name);
            out.Write(I + 2, "}\n");
            out.Write(I + 1, "}\n");
        }
    }
    if (showAction)
        out.Write(I + 1, "formName.hiddenActionControl.value = \"Show\";\n");
    out.Write(I + 1, "formName.action = \"%s\"\n", actionUrl);
    out.Write(I + 1, "formName.submit();\n");
    out.Write(I, "}\n");
}

void FormControlWriter::WritePrintFunction(const CString& formName,
                                           const std::vector<FieldRep*>& controls, TextFile& out)
{
    const int I = m_indent;
    out.Write(I, "function fn_print()\n");
    out.Write(I, "{\n");
    out.Write(I + 1, "var formName\n");
    out.Write(I + 1, "formName = document.frm%s\n", ScriptNamePart(formName));
    WriteFieldChecks(controls, out);
    out.Write(I + 1, "formName.action = \"Report_Print.asp\"\n");
    out.Write(I + 1, "formName.submit();\n");
    out.Write(I, "}\n");
}

void FormControlWriter::WriteButtonFunctions(ApplicationReport* report, const CString& formName,
                                             TextFile& out)
{
    if (report == nullptr)
        return;
    std::vector<ReportField*> buttons;
    report->CollectButtonReportFields(buttons);
    const auto& files = report->GetAspFiles();
    const auto extra = std::find_if(files.begin(), files.end(),
                                    [](const AspFile* f) { return f->GetFileKind() == 11; });
    const CString extraUrl = extra != files.end() ? ClassicAddress(*extra, true) : CString();
    const int I = m_indent;
    for (const ReportField* button : buttons)
    {
        const auto& bindings = button->GetBindings();
        CString parameters;
        for (std::size_t j = 1; j <= bindings.size(); ++j)
        {
            CString item;
            item.Format("%svar%d", j > 1 ? ", " : "", static_cast<int>(j));
            parameters += item;
        }
        out.Write(I, "function fn_%s(", button->GetName());
        out.Write(0, "%s", parameters);
        out.Write(0, ")\n");
        out.Write(I, "{\n");
        out.Write(I + 1, "var formName\n");
        out.Write(I + 1, "formName = document.frm%s\n", ScriptNamePart(formName));
        for (std::size_t j = 0; j < bindings.size(); ++j)
        {
            CString column;
            if (bindings[j] != nullptr && bindings[j]->m_sourceColumn != nullptr)
                bindings[j]->m_sourceColumn->GetDisplayName(column);
            out.Write(I + 1, "formName.%s.value = var%d\n", column, static_cast<int>(j + 1));
        }
        out.Write(I + 1, "formName.action = \"%s\"\n", extraUrl);
        out.Write(I + 1, "formName.submit();\n");
        out.Write(I, "}\n");
    }
}

void FormControlWriter::WriteValidateData(const std::vector<FieldVariableMap*>& maps,
                                          const std::vector<FieldRep*>& controls,
                                          const CString& redirectPage, TextFile& out, int indent)
{
    out.Write(indent, "Function ValidateData()\n");
    for (const FieldVariableMap* map : maps)
    {
        if (map == nullptr || map->field == nullptr || map->variable == nullptr)
            continue;
        const auto control = std::find_if(controls.begin(), controls.end(),
                                          [map](const FieldRep* c)
                                          { return c != nullptr && c->GetField() == map->field; });
        if (control != controls.end() && TakesPartInChecks(**control, false))
            WritePostedValueCheck(**control, VbsVariableName(*map->variable), out, redirectPage,
                                  indent);
    }
    if (auto* report = dynamic_cast<ApplicationReport*>(Page()))
    {
        std::vector<ReportField*> columns;
        report->CollectReportFields(columns);
        for (const ReportField* column : columns)
        {
            const FieldRep* control = column->GetControlFieldRep();
            if (!column->HasControl() || column->IsButton() || control == nullptr)
                continue;
            CString name = column->GetName();
            name.Replace(' ', '_');
            WritePostedValueCheck(*control, name, out, redirectPage, indent);
        }
    }
    out.Write(indent, "End Function\n\n");
}

void FormControlWriter::WriteRedirect(const CString& message, const CString& redirectPage,
                                      const CString& parameter, TextFile& out, int indent)
{
    out.Write(indent, "sInfo = \"%s\"\n", VbsLiteral(message));
    out.Write(indent, "redir = \"%s?\" & redirString & \"&%s=\" & %s\n", redirectPage, parameter,
              UrlEncoded("sInfo"));
    out.Write(indent, "Response.Redirect(redir)\n");
}

void FormControlWriter::WritePostedValueCheck(const FieldRep& control, const CString& variable,
                                              TextFile& out, const CString& redirectPage,
                                              int indent)
{
    const int kind = ControlKind(control);
    if (!IsTextKind(kind) && kind != FieldRepData::ComboBox && kind != FieldRepData::FileUpload)
        return;
    CString parameter = "strInfo";
    const auto* transaction = dynamic_cast<Transaction*>(Page());
    const Field* field = control.GetField();
    const Table* table = field != nullptr ? field->GetTable() : nullptr;
    if (transaction != nullptr && table != nullptr && table != transaction->GetBasicTable() &&
        transaction->GetDetailTableIndex(table) >= 0)
        parameter.Format("strInfo%d", transaction->GetDetailTableIndex(table) + 1);
    const CString message = "Please enter valid " + Caption(control);
    out.Write(indent + 1,
              kind == FieldRepData::ComboBox ? "IF %s = \"0\" THEN\n" : "IF %s = \"\" THEN\n",
              variable);
    WriteRedirect(message, redirectPage, parameter, out, indent + 2);
    const int type = field != nullptr ? field->GetTypeCode() : -1;
    if (type == FieldTypeInt || type == FieldTypeFloat || type == FieldTypeDateTime)
    {
        out.Write(indent + 1,
                  type == FieldTypeDateTime ? "ELSEIF isDate(%s) = false THEN\n"
                                            : "ELSEIF isNumeric(%s) = false THEN\n",
                  variable);
        WriteRedirect(message, redirectPage, parameter, out, indent + 2);
    }
    out.Write(indent + 1, "END IF\n");
    if (kind == FieldRepData::DateControl)
        WriteDateRangeCheck(control, redirectPage, out, indent);
}

CString FormControlWriter::RuleVariable(const DateValidation& rule, TextFile& out, int indent)
{
    const CString name =
        rule.GetVariable() != nullptr ? VbsVariableName(*rule.GetVariable()) : CString();
    if (rule.GetResultField() == nullptr)
        return name;
    CString column;
    rule.GetResultField()->GetDisplayName(column);
    WriteListQuery(out, rule.GetProcedureInvokation(), "StrQry", indent);
    out.Write(indent, "Set rsQry = Server.CreateObject(\"ADODB.RecordSet\")\n");
    out.Write(indent, "rsQry.Open strQry, glb_con, 1, 2\n");
    out.Write(indent, "%s = rsQry(\"%s\")\n", name, VbsLiteral(column));
    return name;
}

void FormControlWriter::WriteDateRangeCheck(const FieldRep& control, const CString& redirectPage,
                                            TextFile& out, int indent)
{
    const ValidationData* validation = control.GetValidationData();
    if (validation == nullptr)
        return;
    const auto& rules = validation->GetDateValidations();
    CString first;
    CString second;
    if (rules.size() == 2)
    {
        first = RuleVariable(*rules[0], out, indent + 1);
        second = RuleVariable(*rules[1], out, indent + 1);
    }
    else if (rules.size() == 1)
    {
        first = ValueVariable(control.GetField());
        second = RuleVariable(*rules[0], out, indent + 1);
    }
    else
    {
        return;
    }
    out.Write(indent + 1, "If Datediff(\"d\",ConvertDate(%s),ConvertDate(%s)) > 0 then\n", first,
              second);
    WriteRedirect("Please enter correct Dates", redirectPage, "strInfo", out, indent + 2);
    out.Write(indent + 1, "end If\n");
}
