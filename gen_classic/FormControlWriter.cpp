#include "gen_classic/FormControlWriter.h"

#include "database/SqlText.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/LinkControl.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "model/VisibilityData.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
const char* const labelCell = "<TD align = right bgColor = <%%=glb_bgBlank%%> class = menutitle "
                              "width = \"25%%\"> %s </TD>\n";
// The control cell's opening tag, with and without its line end.
const char* const controlCell =
    "<TD bgColor = <%%=glb_bgControl%%> class = pagetext1 width = \"25%%\">";
const char* const controlCellLine =
    "<TD bgColor = <%%=glb_bgControl%%> class = pagetext1 width = \"25%%\">\n";

bool IsDateKind(int kind)
{
    return kind == FieldRepData::DateControl || kind == FieldRepData::DateTime;
}

CString InputType(int kind)
{
    switch (kind)
    {
    case FieldRepData::TextBox:
    case FieldRepData::DateControl:
    case FieldRepData::TextArea:
    case FieldRepData::DateTime:
    case FieldRepData::Month:
    case FieldRepData::Year:
        return "text";
    case FieldRepData::ComboBox:
    case FieldRepData::MultipleComboBox:
        return "Combobox";
    case FieldRepData::RadioButton:
        return "radio";
    case FieldRepData::CheckBox:
        return "checkbox";
    case FieldRepData::FileUpload:
        return "file";
    case FieldRepData::Password:
        return "password";
    case FieldRepData::Hidden:
        return "hidden";
    case FieldRepData::Button:
        return "button";
    default:
        return {};
    }
}

CString Joined(const std::vector<CString>& values)
{
    CString joined;
    for (std::size_t i = 0; i < values.size(); ++i)
        joined += (i == 0 ? "" : ",") + VbsLiteral(values[i]);
    return joined;
}
} // namespace

FormControlWriter::FormControlWriter(AspFile* file) : m_file(file) {}

FormInterface* FormControlWriter::Page() const
{
    return m_file != nullptr ? m_file->GetOwnerPage() : nullptr;
}

AspFile* FormControlWriter::VisibilityFile() const
{
    if (m_file == nullptr)
        return nullptr;
    int governing = -1;
    switch (m_file->GetFileKind())
    {
    case 0:
    case 2:
        governing = 1;
        break;
    case 6:
        governing = 5;
        break;
    case 4:
    case 9:
        governing = 3;
        break;
    case 8:
        governing = 7;
        break;
    default:
        return m_file;
    }
    return Page() != nullptr ? Page()->FindAspFileByType(governing) : nullptr;
}

const FieldVisibility* FormControlWriter::FindVisibility(const Field* field) const
{
    const AspFile* file = VisibilityFile();
    return file != nullptr ? file->FindFieldVisibility(field) : nullptr;
}

int FormControlWriter::GetVisibilityKind(const Field* field) const
{
    return GetFieldVisibilityCode(VisibilityFile(), field);
}

CString FormControlWriter::ValueVariable(const Field* field) const
{
    const FieldVariableMap* map =
        Page() != nullptr && field != nullptr
            ? Page()->FindFieldVariableMapByField(const_cast<Field*>(field))
            : nullptr;
    return map != nullptr && map->variable != nullptr ? VbsVariableName(*map->variable) : CString();
}

CString FormControlWriter::Label(const FieldRep& control) const
{
    CString label = EscapeHtmlText(control.GetFieldRepData()->GetCaption());
    if (control.GetField() != nullptr && control.IsMandatory())
        label += "<FONT color = \"RED\">*</FONT>";
    return label;
}

CString FormControlWriter::EventFunctionName(const FieldRep& control, const EventRecmpFields& list)
{
    return control.GetControlName("fn_" + list.GetEventName() + "_");
}

void FormControlWriter::WriteFieldGrid(const std::vector<FieldRep*>& controls, int columns,
                                       const CString& formName, TextFile& out, int indent)
{
    columns = std::max(columns, 1);
    std::vector<FieldRep*> placed;
    std::size_t counted = 0;
    for (FieldRep* control : controls)
    {
        if (control == nullptr)
            continue;
        ++counted;
        if (control->GetFieldRepData() == nullptr || !control->GetFieldRepData()->IsAddedBySync())
            placed.push_back(control);
    }
    const std::size_t rows = (counted + columns - 1) / columns;
    std::size_t next = 0;
    for (std::size_t row = 0; row < rows && next < placed.size(); ++row)
    {
        out.Write(indent + 1, "<TR>\n");
        for (int column = 0; column < columns; ++column)
        {
            if (next < placed.size())
            {
                WriteControlRow(placed[next++], 2 * columns, formName, out, indent);
                continue;
            }
            out.Write(indent + 2, "<TD align = right bgColor = <%%=glb_bgBlank%%> class = "
                                  "menutitle width = \"25%%\"></TD>\n");
            out.Write(indent + 2, "<TD bgColor = <%%=glb_bgControl%%> class = pagetext1 width = "
                                  "\"25%%\"> &nbsp </TD>\n");
        }
        out.Write(indent + 1, "</TR>\n");
    }
}

void FormControlWriter::WriteEmptyCells(TextFile& out, int indent)
{
    for (int cell = 0; cell < 2; ++cell)
        out.Write(indent + 2, "<TD  align = right bgColor = <%%=glb_bgBlank%%> class = menutitle "
                              "width = \"25%%\"></TD>\n");
    out.Write(0, "\n");
}

void FormControlWriter::WriteControlRow(FieldRep* rep, int, const CString& formName, TextFile& out,
                                        int indent)
{
    FieldRepData* data = rep != nullptr ? rep->GetFieldRepData() : nullptr;
    if (data == nullptr || GetVisibilityKind(rep->GetField()) == FieldVisibility::Invisible)
        return;
    const int kind = data->GetControlKind();
    if (kind < 0 || kind >= FieldRepData::ControlKindCount)
        return;
    if (kind == FieldRepData::Hidden)
    {
        WriteEmptyCells(out, indent);
        return;
    }
    Control control{rep,
                    data,
                    rep->GetField(),
                    kind,
                    rep->GetControlId(),
                    ValueVariable(rep->GetField()),
                    formName,
                    out,
                    indent,
                    indent + 3};
    if (kind == FieldRepData::Button)
    {
        WriteButtonRow(control);
        return;
    }
    const bool period = kind == FieldRepData::Month || kind == FieldRepData::Year;
    out.Write(indent + 2, labelCell,
              period && control.field != nullptr ? control.field->GetFieldName() : Label(*rep));
    WriteControlCell(control);
}

void FormControlWriter::WriteControlCell(Control& control)
{
    TextFile& out = control.out;
    if (control.kind == FieldRepData::FileUpload)
    {
        out.Write(control.base + 2, controlCell);
        out.Write(control.base + 2, "<%%Response.Write %s %%>\n", HtmlEncoded(control.value));
    }
    else
        out.Write(control.base + 2, controlCellLine);
    OpenLinkTables(control);
    WriteControlMarkup(control);
    CloseLinkTables(control);
    out.Write(control.kind == FieldRepData::TextBox ? control.level - 1 : control.level, "</TD>\n");
}

void FormControlWriter::OpenLinkTables(Control& control)
{
    for (const LinkControl* link : control.data->GetLinkControls())
    {
        if (link == nullptr)
            continue;
        control.out.Write(control.level,
                          "<TABLE border = \"0\" cellspacing = \"0\" cellpadding = \"0\">\n");
        control.out.Write(control.level + 1, "<TR>\n");
        control.out.Write(control.level + 2, "<TD>\n");
        control.level += 2;
    }
}

void FormControlWriter::CloseLinkTables(Control& control)
{
    TextFile& out = control.out;
    for (const LinkControl* link : control.data->GetLinkControls())
    {
        if (link == nullptr)
            continue;
        const int level = control.level;
        out.Write(level, "</TD>\n");
        out.Write(level, "<TD align = \"%s\">\n", link->GetAlignmentText());
        out.Write(level + 1, "<a href = \"%s\" class=\"Link7\"> %s </a>\n",
                  AddressPath(link->GetClassicTargetUrl()), EscapeHtmlText(link->GetCaption()));
        out.Write(level, "</TD>\n");
        out.Write(level - 1, "</TR>\n");
        out.Write(level - 2, "</TABLE>\n");
        control.level -= 2;
    }
}

void FormControlWriter::WriteEvents(const Control& control)
{
    if (!control.data->HasEventRecmpFields() &&
        (Page() == nullptr || !Page()->IsEventFieldRep(control.rep)))
        return;
    for (const EventRecmpFields* list : control.data->GetEventRecmpFieldsList())
    {
        if (list == nullptr)
            continue;
        control.out.Write(0, " %s = \"%s('<%%=glb_conString%%>');\"", list->GetEventName(),
                          EventFunctionName(*control.rep, *list));
    }
}

void FormControlWriter::WriteTextInput(const Control& control, const CString& name)
{
    control.out.Write(control.level,
                      "<INPUT class = pagetext2inside name = \"%s\" size = \"%d\" value = \"<%% = "
                      "%s%%>\" maxlength = \"%d\"",
                      name, control.data->GetWidth(), HtmlEncoded(control.value),
                      control.data->GetMaxLength());
}

void FormControlWriter::WriteControlMarkup(Control& control)
{
    TextFile& out = control.out;
    const bool conditional = GetVisibilityKind(control.field) == FieldVisibility::DependsOnData;
    switch (control.kind)
    {
    case FieldRepData::TextBox:
    case FieldRepData::EditableTextBox:
        if (!conditional || control.kind == FieldRepData::EditableTextBox)
        {
            WriteTextInput(control, control.id);
            WriteEvents(control);
        }
        WriteTagTail(control);
        break;
    case FieldRepData::Password:
    case FieldRepData::FileUpload:
        out.Write(control.level,
                  "<INPUT class=pagetext2inside type = \"%s\" name = \"%s\" size = \"40\" value = "
                  "\"<%%=%s%%>\" maxlength = \"%d\"",
                  InputType(control.kind), control.id, HtmlEncoded(control.value),
                  control.data->GetMaxLength());
        WriteEvents(control);
        WriteTagTail(control);
        break;
    case FieldRepData::TextArea:
        WriteTextArea(control);
        break;
    case FieldRepData::ComboBox:
    case FieldRepData::MultipleComboBox:
        WriteTagTail(control);
        break;
    case FieldRepData::EditableComboBox:
        out.Write(control.level, "<TABLE border = \"0\" cellspacing = \"0\" cellpadding = \"0\" "
                                 "ID=\"Table1\"> \n");
        out.Write(control.level, "<TR> \n");
        out.Write(control.level, "<TD> \n");
        WriteTextInput(control, control.rep->GetControlName("txt_"));
        WriteTagTail(control);
        break;
    case FieldRepData::DateControl:
    case FieldRepData::DateTime:
        WriteDateRow(control);
        break;
    case FieldRepData::Month:
        WritePeriodSelect(control, "lst_months_", "Fill_Months");
        break;
    case FieldRepData::Year:
        WritePeriodSelect(control, "lst_year_", "Fill_Years");
        break;
    case FieldRepData::CheckBox:
        WriteCheckBox(control);
        break;
    case FieldRepData::RadioButton:
    {
        const FieldVisibility* visibility = FindVisibility(control.field);
        if (visibility != nullptr && visibility->GetVisibilityData() != nullptr)
            WriteTagTail(control);
        else
            WriteRadioOptions(control, visibility != nullptr);
        break;
    }
    default:
        break;
    }
}

void FormControlWriter::WriteTextArea(const Control& control)
{
    TextFile& out = control.out;
    const CString id = control.id;
    const int length = control.data->GetMaxLength();
    out.Write(control.level,
              "<TEXTAREA class=pagetext2inside name = \"%s\" rows = \"%d\" cols = \"%d\" "
              "wrap=\"physical\" onKeyDown=\"textCounter(document.%s.%s,%d)\" "
              "onKeyUp=\"textCounter(document.%s.%s,%d)\"",
              id, control.data->GetRows(), control.data->GetColumns(), control.formName, id, length,
              control.formName, id, length);
    if (GetVisibilityKind(control.field) == FieldVisibility::ReadOnly)
        out.Write(0, " readonly");
    WriteEvents(control);
    out.Write(0, "><%%=%s%%></TEXTAREA", HtmlEncoded(control.value));
    out.Write(0, ">\n");
}

void FormControlWriter::WriteButtonRow(Control& control)
{
    TextFile& out = control.out;
    out.Write(control.base + 2,
              "<TD align=right bgColor=<%%=glb_bgBlank%%> class=comment colspan = 4>\n");
    OpenLinkTables(control);
    out.Write(control.level,
              " <INPUT class=Button id=\"\" type = \"button\" name = \"%s\" value = \"\" Onclick "
              "= \"\" ",
              control.id);
    WriteEvents(control);
    WriteTagTail(control);
    CloseLinkTables(control);
    out.Write(control.base + 2, "</TD>\n");
}

void FormControlWriter::WriteDateRow(const Control& control)
{
    TextFile& out = control.out;
    const int level = control.level;
    out.Write(level, "<TABLE border = \"0\" cellspacing = \"0\" cellpadding = \"0\">\n");
    out.Write(level + 1, "<TR>\n");
    out.Write(level + 2, "<TD>\n");
    if (GetVisibilityKind(control.field) != FieldVisibility::DependsOnData)
    {
        out.Write(level + 3,
                  "<INPUT type = \"text\" name = \"%s\" class = \"pagetext1inside\" value = \"<%% "
                  "= %s %%>\"onKeyUp=\"date_dash(this,event)\" "
                  "onKeyDown=\"date_dash(this,event)\"",
                  control.id, HtmlEncoded("Change_Date_Format(" + control.value + ")"));
        WriteEvents(control);
    }
    WriteTagTail(control);
    out.Write(level + 2, "</TD>\n");
    if (GetVisibilityKind(control.field) == FieldVisibility::Editable)
        WriteCalendarCell(control, level + 2);
    out.Write(level + 1, "</TR>\n");
    out.Write(level, "</TABLE>\n");
    if (control.kind != FieldRepData::DateTime)
        return;
    out.Write(level, "<br>hh:mm<br>\n");
    out.Write(level, "<SELECT name = \"lst_hrs_%s\" class = \"pagetext1inside\">\n", control.id);
    out.Write(level + 1, "<%% call Fill_Hrs(hour(%s)) %%>\n", control.value);
    out.Write(level, "</SELECT>:\n");
    out.Write(level, "<SELECT name = \"lst_mins_%s\" class = \"pagetext1inside\">\n", control.id);
    out.Write(level + 1, "<%% call Fill_Mins(minute(%s)) %%>\n", control.value);
    out.Write(level, "</SELECT>:\n");
}

void FormControlWriter::WriteCalendarCell(const Control& control, int level)
{
    TextFile& out = control.out;
    out.Write(level, "<TD class = \"pagetext1\">\n");
    out.Write(level + 1,
              "<a href=\"javascript: void(0);\" onmouseover=\"if (timeoutId) "
              "clearTimeout(timeoutId);window.status='Show Calendar';return true;\" "
              "onmouseout=\"if (timeoutDelay) calendarTimeout();window.status='';\" "
              "onclick=\"g_Calendar.show(event,'%s.%s',false,'<%%=glb_dateFormat_String%%>'); "
              "return false;\"><img src=\"../_system/images/calendar.gif\" name=\"imgCalendar\" "
              "width=\"32\" height=\"19\" border=\"0\" alt=\"\"></a>&nbsp;<%%=glb_dateFormat_"
              "String%%>\n",
              control.formName, control.id);
    out.Write(level, "</TD>\n");
}

void FormControlWriter::WritePeriodSelect(const Control& control, const char* prefix,
                                          const char* fill)
{
    control.out.Write(control.level, "<SELECT name = \"%s\" class = \"pagetext1inside\">\n",
                      control.rep->GetControlName(prefix));
    control.out.Write(control.level + 1, "<%% call %s(%s) %%>\n", CString(fill), control.value);
    control.out.Write(control.level, "</SELECT>:\n");
}

void FormControlWriter::WriteCheckBox(const Control& control)
{
    if (control.value.IsEmpty())
        return;
    TextFile& out = control.out;
    CString tag = "<INPUT type = \"checkbox\" class=pagetext2inside name = \"" + control.id + "\"";
    if (control.data->HasEventRecmpFields())
        tag += " onChange = \"" + control.rep->GetControlName("fn_SetValue_") +
               "('<%=glb_conString%>');\"";
    out.Write(control.level, "<%% if Trim(%s) = \"on\" Then %%>\n", control.value);
    out.Write(control.level, "%s checked ", tag);
    WriteTagTail(control);
    out.Write(control.level, "<%% else %%>\n");
    out.Write(control.level, "%s", tag);
    WriteTagTail(control);
    out.Write(control.level, "<%% end if %%>\n");
}

void FormControlWriter::WriteRadioOptions(const Control& control, bool withTail)
{
    TextFile& out = control.out;
    std::vector<CString> texts;
    std::vector<CString> values;
    control.data->GetHardCodedStrings(texts, values);
    texts.resize(std::max(texts.size(), values.size()));
    const auto writeOptions = [&](const CString& selected, const char* checked)
    {
        for (std::size_t j = 0; j < values.size(); ++j)
        {
            CString tag = "<INPUT type = \"radio\" class=pagetext2inside name = \"" + control.id +
                          "\" value=\"" + EscapeXml(values[j]) + "\"";
            if (control.data->HasEventRecmpFields())
                tag += " OnClick = \"" + control.rep->GetControlName("fn_OnClick_") +
                       "('<%=glb_conString%>');\"";
            const bool isChecked = values[j] == selected;
            if (withTail)
            {
                out.Write(control.level, isChecked ? "%s checked" : "%s ", tag);
                WriteTagTail(control, texts[j]);
            }
            else
                out.Write(control.level, isChecked ? checked : "%s >", tag);
        }
    };
    for (std::size_t i = 1; i < values.size(); ++i)
    {
        out.Write(control.level,
                  i == 1 ? "<%% If Trim(%s) = \"%s\" Then %%>\n"
                         : "<%% ElseIf Trim(%s) = \"%s\" Then %%>\n",
                  control.value, VbsLiteral(values[i]));
        writeOptions(values[i], "%s checked>");
    }
    if (values.size() > 1)
        out.Write(control.level, "<%% Else %%>\n");
    if (!values.empty())
        writeOptions(values[0], "%s checked >");
    if (values.size() > 1)
        out.Write(control.level, "<%% End If %%>\n");
}

void FormControlWriter::WriteTagTail(const Control& control, const CString& optionText)
{
    const FieldVisibility* visibility = FindVisibility(control.field);
    if (visibility == nullptr)
        WriteTailWithKind(control, FieldVisibility::Editable, optionText);
    else if (visibility->GetVisibilityData() == nullptr)
        WriteTailWithKind(control, visibility->GetVisibilityKind(), optionText);
    else
        WriteConditionalBlock(control, *visibility);
}

void FormControlWriter::WriteTailWithKind(const Control& control, int tailKind,
                                          const CString& optionText)
{
    TextFile& out = control.out;
    if (IsListControlKind(control.kind))
    {
        WriteSelect(control, tailKind);
        if (tailKind == FieldVisibility::ReadOnly || tailKind == FieldVisibility::Invisible)
            out.Write(control.level + 1,
                      "<INPUT type = \"hidden\" name = \"%s\" value = \"<%%=%s%%>\">\n", control.id,
                      HtmlEncoded(control.value));
        return;
    }
    if (control.kind == FieldRepData::EditableTextBox)
    {
        WriteSearchList(control, tailKind);
        return;
    }
    if (control.kind == FieldRepData::EditableComboBox)
    {
        WriteSearchCombo(control, tailKind);
        return;
    }
    const bool radio = control.kind == FieldRepData::RadioButton;
    if (GetVisibilityKind(control.field) == FieldVisibility::DependsOnData &&
        tailKind != FieldVisibility::Invisible)
    {
        out.Write(0, "\n");
        out.Write(control.base + 1, "<INPUT type = \"%s\" name = %s value = \"<%%=%s%%>\"",
                  InputType(control.kind), control.id, HtmlEncoded(control.value));
    }
    if (tailKind == FieldVisibility::Editable)
    {
        if (radio)
            out.Write(0, " %s \n", EscapeHtmlText(optionText));
        else
            out.Write(0, ">\n");
    }
    else if (tailKind == FieldVisibility::ReadOnly)
    {
        out.Write(0, " disabled >");
        if (radio)
            out.Write(0, " %s \n", EscapeHtmlText(optionText));
        else
            out.Write(0, "\n");
        if (!radio)
            WriteHiddenCopy(control);
    }
    else if (tailKind == FieldVisibility::Invisible)
        WriteHiddenCopy(control);
}

void FormControlWriter::WriteHiddenCopy(const Control& control)
{
    const CString value =
        IsDateKind(control.kind) ? "Change_Date_Format(" + control.value + ")" : control.value;
    control.out.Write(control.level,
                      "<INPUT type = \"hidden\" name = \"%s\" value = \"<%%=%s%%>\">\n", control.id,
                      HtmlEncoded(value));
}

void FormControlWriter::WriteConditionalBlock(const Control& control,
                                              const FieldVisibility& visibility)
{
    TextFile& out = control.out;
    const VisibilityData& data = *visibility.GetVisibilityData();
    CString compared;
    const Field* comparedField = nullptr;
    const bool byVariable = data.GetVariable() != nullptr;
    if (byVariable)
    {
        compared = VbsVariableName(*data.GetVariable());
        if (Page() != nullptr)
            comparedField = Page()->GetMappedFieldOfVariable(data.GetVariable());
    }
    else if (data.GetDataProcedure() != nullptr && data.GetResultField() != nullptr)
    {
        data.GetResultField()->GetDisplayName(compared);
        comparedField = data.GetResultField()->GetField();
    }
    else
        return;
    std::vector<const VisibilityValue*> values;
    for (const VisibilityValue* value : data.GetValues())
    {
        if (value != nullptr)
            values.push_back(value);
    }
    if (values.empty())
    {
        WritePlainControl(control, byVariable);
        return;
    }
    bool first = true;
    for (const VisibilityValue* value : values)
    {
        const CString op = VisibilityData::GetOperatorText(value);
        if (first)
        {
            out.Write(0, "\n");
            out.Write(control.base + 1, "<%% If Trim(%s) %s ", compared, op);
        }
        else
            out.Write(control.base + 1, byVariable ? "<%% ElseIf %s %s" : "<%% ElseIf (%s) %s ",
                      compared, op);
        first = false;
        out.Write(0, " %s Then %%>\n", ComparedValueText(comparedField, value->value));
        WriteTailWithKind(control, value->layoutStatus, CString());
    }
    out.Write(control.base + 1, "<%% Else %%>\n");
    WritePlainControl(control, byVariable);
    out.Write(control.base + 1, "<%% End if%%>\n");
}

void FormControlWriter::WritePlainControl(const Control& control, bool byVariable)
{
    TextFile& out = control.out;
    if (IsListControlKind(control.kind))
        WriteSelect(control, FieldVisibility::Editable);
    else if (byVariable && control.kind == FieldRepData::RadioButton)
        WriteRadioOptions(control, false);
    else if (byVariable && control.kind == FieldRepData::DateControl)
    {
        out.Write(control.base + 1, "<INPUT type = \"%s\" name = %s value = \"<%%=%s%%>\"",
                  InputType(control.kind), control.id,
                  HtmlEncoded("Change_Date_Format(" + control.value + ")"));
        out.Write(0, ">\n");
        WriteCalendarCell(control, control.base + 1);
    }
    else
    {
        out.Write(control.base + 1, "<INPUT type = \"%s\" name = %s value = \"<%%=%s%%>\"",
                  InputType(control.kind), control.id, HtmlEncoded(control.value));
        out.Write(0, ">\n");
    }
}

void FormControlWriter::WriteSelect(const Control& control, int tailKind)
{
    if (tailKind == FieldVisibility::Invisible)
        return;
    TextFile& out = control.out;
    const int base = control.base;
    const bool multiple = control.kind == FieldRepData::MultipleComboBox;
    out.Write(base + 1, "<SELECT name = \"%s\" class = \"pagetext2inside\" ", control.id);
    if (multiple)
        out.Write(0, " multiple ");
    WriteEvents(control);
    out.Write(0, tailKind == FieldVisibility::ReadOnly ? "disabled >\n" : ">\n");
    if (control.data->GetSelectAllCaption())
        out.Write(base + 2, "<OPTION value=\"0\">%s</OPTION>\n", CString("All"));
    if (control.data->GetNoneCaption())
        out.Write(base + 2, "<OPTION value=\"0\">%s</OPTION>\n", CString("None"));
    out.Write(base + 2, "<%%\n");
    out.Write(base + 3, "If %s = \"\" Then\n", control.value);
    out.Write(base + 4, "%s = 0\n", control.value);
    out.Write(base + 3, "end if\n");
    if (control.data->GetDataProcedure() != nullptr)
        WriteListFill(control, base + 3, multiple ? "Fill_List_Multiple" : "Fill_List_General",
                      control.value);
    else
    {
        std::vector<CString> texts;
        std::vector<CString> values;
        control.data->GetHardCodedStrings(texts, values);
        if (!texts.empty() && !values.empty())
        {
            out.Write(base + 3, "frontFieldStr = \"%s\"\n", Joined(values));
            std::vector<CString> shown;
            for (const CString& text : texts)
                shown.push_back(EscapeHtmlText(text));
            out.Write(base + 3, "backFieldStr = \"%s\"\n", Joined(shown));
            out.Write(base + 3, "call Fill_List_HardCode(%s, frontFieldStr, backFieldStr)\n",
                      control.value);
        }
    }
    out.Write(base + 2, "%%>\n");
    out.Write(base + 1, "</SELECT>\n");
}

void FormControlWriter::WriteListFill(const Control& control, int indent,
                                      const CString& fillFunction, const CString& selected)
{
    const ProcedureInvokation* source = control.data->GetDataProcedure();
    if (source == nullptr)
        return;
    WriteListQuery(control.out, source, "strList", indent);
    const Field* front = control.data->GetFrontField();
    const Field* back = control.data->GetBackField();
    control.out.Write(0, "\n");
    control.out.Write(indent, "call %s(strList, %s, glb_con, \"%s\", \"%s\")\n", fillFunction,
                      selected, front != nullptr ? front->GetFieldName() : CString(),
                      back != nullptr ? back->GetFieldName() : CString());
}

void FormControlWriter::WriteSearchList(const Control& control, int tailKind)
{
    if (tailKind == FieldVisibility::Invisible)
        return;
    TextFile& out = control.out;
    const int level = control.level;
    const CString& id = control.id;
    CString list = id;
    if (list.Left(3) == "txt")
        list = list.Mid(3);
    list = "lst" + list;
    const bool internal = control.data->GetInternalSearch();
    out.Write(0, "\n");
    if (internal)
    {
        out.Write(level + 1, "onKeyUp   = \"fn_InternalSearchList(%s,%s,list_show,'lister1')\" \n",
                  id, list);
        out.Write(level + 1,
                  "onKeyDown = \"fn_NevigateInternalSearchList(%s,list_show,'lister1')\" \n", id);
    }
    else
    {
        out.Write(level + 1, "onKeyUp   = \"fn_SearchList(%s,%s,'lister1')\" \n", id, list);
        out.Write(level + 1, "onKeyDown = \"fn_NevigateSearchList(%s,%s,'lister1')\" \n", id, list);
    }
    out.Write(level + 1, "onBlur    = \"hideList('lister1');\" ID =\"Text1\" > \n");
    out.Write(level, "<DIV style=\"width:0px\" align=left> \n");
    out.Write(level + 1,
              "<DIV id=\"lister1\" style=\"display:none;position:absolute;z-index:+1;\"> \n");
    if (internal)
    {
        out.Write(level + 2,
                  "<SELECT name = \"list_show\" size=5 class = \"pagetext2insidenoalign\"");
        out.Write(0,
                  " onClick= \"updateInternalSearchList(%s,this,'lister1');\" ID=\"Select1\" > \n",
                  id);
        out.Write(level + 2, "</SELECT>\n");
        out.Write(level + 2,
                  "<SELECT name = \"%s\" style=\"display:none;\" class = "
                  "\"pagetext2insidenoalign\"",
                  list);
        out.Write(0, " \"ID=\"Select2\" > \n");
    }
    else
    {
        out.Write(level + 2, "<SELECT name = \"%s\" size=5 class = \"pagetext2insidenoalign\"",
                  list);
        out.Write(0, " onClick= \"updateSearchList(%s,this,'lister1');\"> \n", id);
    }
    out.Write(level + 3, "<%% \n");
    WriteListFill(control, level + 4, "Fill_List_General", "0");
    out.Write(level + 3, "%%>\n");
    out.Write(level + 2, "</SELECT>\n");
    out.Write(level + 2, "</TD>\n");
    out.Write(level + 1, "</DIV>\n");
    out.Write(level, "</DIV>\n");
}

void FormControlWriter::WriteSearchCombo(const Control& control, int tailKind)
{
    if (tailKind == FieldVisibility::Invisible)
        return;
    TextFile& out = control.out;
    const int level = control.level;
    const CString& id = control.id;
    const CString text = control.rep->GetControlName("txt_");
    const CString all = id + "_all";
    const CString& value = control.value;
    const Table* table = control.field != nullptr ? control.field->GetTable() : nullptr;
    if (table == nullptr && control.field != nullptr && Page() != nullptr)
        table = Page()->GetRefOrDerivedFieldTable(control.field);
    const CString form =
        table != nullptr ? "frm" + ScriptNamePart(table->GetTableName()) : CString();
    const bool internal = control.data->GetInternalSearch();
    out.Write(0, "\n");
    if (internal)
    {
        out.Write(level + 1,
                  "onKeyUp   = \"fn_InternalSearchCombo(%s,%s,list_show,%s,'lister1')\" \n", text,
                  id, all);
        out.Write(level + 1,
                  "onKeyDown = \"fn_NevigateInternalSearchCombo(%s,%s,list_show,'lister1')\" \n",
                  text, id);
    }
    else
    {
        out.Write(level + 1, "onKeyUp   = \"fn_SearchCombo(%s,%s,%s,'%s_div');\" \n", text, id, all,
                  id);
        out.Write(level + 1, "onKeyDown = \"fn_NevigateSearchCombo(%s,%s,%s,'%s_div')\" \n", text,
                  id, all, id);
    }
    out.Write(level + 1, "onBlur    = \"hideList('%s_div');\"> \n", id);
    out.Write(level, "<INPUT type = hidden name = \"%s\" value = \"<%%=%s%%>\" size = 1> \n", id,
              HtmlEncoded(value));
    out.Write(level, "<DIV style=\"width:0px\" align=left> \n");
    out.Write(level + 1,
              "<DIV id=\"%s_div\" style=\"display:none;position:absolute;z-index:+1;\"> \n", id);
    if (internal)
    {
        out.Write(level + 2,
                  "<SELECT name = \"list_show\" size=5 class = \"pagetext2insidenoalign\"");
        out.Write(0, " onClick= \"updateInternalSearchCombo(%s,%s,this,'lister1');\" > \n", text,
                  id);
        out.Write(level + 2, "</SELECT>\n");
        out.Write(level + 2,
                  "<SELECT name = \"%s\" style=\"display:none;\" class = "
                  "\"pagetext2insidenoalign\"",
                  all);
        out.Write(0, "\n");
    }
    else
    {
        out.Write(level + 2, "<SELECT name = \"%s\" size=5 class = \"pagetext2insidenoalign\"",
                  all);
        WriteEvents(control);
        out.Write(0, " onClick= \"updateSearchCombo(%s,%s,this,'%s_div');", text, id, id);
        if (control.data->HasEventRecmpFields() ||
            (Page() != nullptr && Page()->IsEventFieldRep(control.rep)))
        {
            for (const EventRecmpFields* list : control.data->GetEventRecmpFieldsList())
            {
                if (list != nullptr)
                    out.Write(0, "%s('<%%=glb_conString%%>');",
                              EventFunctionName(*control.rep, *list));
            }
        }
        out.Write(0, "\"> \n");
    }
    out.Write(level + 3, "<%% \n");
    out.Write(level + 4, "If %s = \"\" Then \n", value);
    out.Write(level + 5, "%s = 0 \n", value);
    out.Write(level + 4, "end if \n\n");
    WriteListFill(control, level + 4, "Fill_List_General", value);
    out.Write(level + 3, "%%>\n");
    out.Write(level + 2, "</SELECT>\n");
    out.Write(level + 2, "</TD>\n");
    out.Write(level + 2, "<TD class = \"pagetext2insidenoalign\"> \n");
    out.Write(level + 3, "<a href=\"#\" onclick=\"showHideList('%s_div');\" ", id);
    out.Write(0, "onKeyDown=\"fn_NevigateSearchCombo(%s,%s,%s,'%s_div')\">", text, id, all, id);
    out.Write(
        0, "<img border=0 height=20 width=20 src=\"../_system/images/comboButton.bmp\"/></a> \n");
    out.Write(level + 3, "<script language=javascript >\n");
    out.Write(level + 4, "document.%s.%s.value = ", form, text);
    out.Write(0, "document.%s.%s.options[document.%s.%s.selectedIndex].text\n", form, all, form,
              all);
    out.Write(level + 3, "</script>\n");
    out.Write(level + 2, "</TD>\n");
    out.Write(level + 1, "</TR>\n");
    out.Write(level, "</TABLE>\n");
    out.Write(level, "</TD>\n");
    out.Write(level - 1, "</DIV>\n");
    out.Write(level - 2, "</DIV>\n");
}

void FormControlWriter::WriteListQuery(TextFile& out, const ProcedureInvokation* invokation,
                                       const CString& name, int indent)
{
    if (invokation == nullptr || invokation->GetProcedure() == nullptr)
        return;
    FormInterface* page = Page();
    WriteProcedureCall(
        out, indent, name, *invokation,
        [page](const VariablePair& pair)
        {
            const Field* field =
                page != nullptr ? page->GetMappedFieldOfVariable(pair.second) : nullptr;
            return field != nullptr && IsQuotedSqlType(field->GetTypeCode());
        },
        [](const VariablePair& pair) { return VbsVariableName(*pair.second); });
}

void FormControlWriter::WriteRecordAssignments(TextFile& out,
                                               const std::vector<FieldVariableMap*>& maps,
                                               const CString& recordset, int indent)
{
    std::vector<const FieldVariableMap*> assigned;
    for (const FieldVariableMap* map : maps)
    {
        if (map != nullptr && map->field != nullptr && map->variable != nullptr &&
            GetVisibilityKind(map->field) != FieldVisibility::Invisible)
            assigned.push_back(map);
    }
    out.Write(indent, "IF %s.EOF then\n", recordset);
    for (const FieldVariableMap* map : assigned)
        out.Write(indent + 1,
                  map->field->GetTypeCode() == FieldTypeInt ? "%s = 0\n" : "%s = \"\"\n",
                  VbsVariableName(*map->variable));
    out.Write(indent, "ELSE\n");
    for (const FieldVariableMap* map : assigned)
        out.Write(indent + 1, "%s = %s(\"%s\")\n", VbsVariableName(*map->variable), recordset,
                  map->field->GetFieldName());
    out.Write(indent, "END IF\n");
}
