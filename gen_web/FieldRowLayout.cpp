#include "gen_web/FieldRowLayout.h"

#include "gen_web/CodeBehindFragments.h"

#include "entities/AspFile.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
bool IsSeparateRow(const FieldRep* control)
{
    return control->GetFieldRepData()->GetSeparateRow();
}

// The Invisible, ReadOnly or normal variant of a control's markup, by the visibility.
template <typename... Args>
void WriteVariant(TextFile& out, const CString& visibility, int indent, const char* invisible,
                  const char* readOnly, const char* normal, const Args&... args)
{
    const char* format = visibility == "Invisible"  ? invisible
                         : visibility == "ReadOnly" ? readOnly
                                                    : normal;
    out.Write(indent, format, args...);
}

// A name inside a JavaScript string of an event attribute.
CString ScriptAttribute(const CString& text)
{
    return EscapeXml(EscapeJavaScriptString(text));
}
} // namespace

FieldRowLayout::FieldRowLayout(AspFile& pageFile, ForgeonProject& project, TextFile& out)
    : m_pageFile(pageFile), m_project(project), m_out(out)
{
}

void FieldRowLayout::SetColumnCount(int count)
{
    m_columnCount = std::max(count, 1);
}

bool FieldRowLayout::WritesCells(int controlKind)
{
    return (controlKind >= FieldRepData::TextBox && controlKind <= FieldRepData::Password) ||
           controlKind == FieldRepData::EditableComboBox;
}

void FieldRowLayout::WriteRows(const std::vector<FieldRep*>& controls, int indent)
{
    const int count = static_cast<int>(controls.size());
    const int columns = m_columnCount;
    int rows = count / columns + (count % columns != 0 ? 1 : 0);
    int next = 0;
    for (int row = 0; row < rows; ++row)
    {
        if (next >= count)
            continue;
        m_out.Write(indent + 1, "<tr>\n");
        for (int slot = 0; slot < columns; ++slot)
        {
            if (next >= count)
            {
                WriteEmptyPair(indent);
                continue;
            }
            WriteControlCells(*controls[next], indent + 1);
            if (columns != 1)
            {
                const bool nextIsSeparate =
                    slot == 0 && next + 1 < count && IsSeparateRow(controls[next + 1]);
                if (IsSeparateRow(controls[next]) || nextIsSeparate)
                {
                    WriteEmptyPair(indent);
                    ++slot;
                    ++rows;
                }
            }
            ++next;
        }
        m_out.Write(indent + 1, "</tr>\n");
    }
}

void FieldRowLayout::WriteEmptyPair(int indent)
{
    m_out.Write(indent + 2, "<td class = \"TDClassEmptyLabel\" >&nbsp;</td>\n");
    m_out.Write(indent + 2, "<td class = \"TDClassEmptyControl\" > &nbsp; </td>\n");
}

void FieldRowLayout::WriteControlCells(FieldRep& control, int indent)
{
    switch (GetWrittenControlKind(control))
    {
    case FieldRepData::TextBox:
        return WriteTextBoxCell(control, indent);
    case FieldRepData::ComboBox:
        return WriteComboBoxCell(control, indent);
    case FieldRepData::DateControl:
        return WriteDateCell(control, indent);
    case FieldRepData::RadioButton:
        return WriteRadioButtonCell(control, indent);
    case FieldRepData::CheckBox:
        return WriteCheckBoxCell(control, indent);
    case FieldRepData::TextArea:
        return WriteTextAreaCell(control, indent);
    case FieldRepData::FileUpload:
        return WriteFileUploadCell(control, indent);
    case FieldRepData::Password:
        return WritePasswordCell(control, indent);
    case FieldRepData::EditableComboBox:
        return WriteEditableComboCell(control, indent);
    default:
        return;
    }
}

FieldRowLayout::Cell FieldRowLayout::MakeCell(FieldRep& control) const
{
    Cell cell;
    cell.label = EscapeHtmlText(control.GetFieldRepData()->GetCaption());
    if (control.IsMandatory())
        cell.label += "<label class=\"CompulsaryLabel\">*</label>";
    cell.visibility = GetVisibilityText(m_pageFile, control);
    cell.name = ControlName(control);
    cell.upperName = cell.name;
    cell.upperName.MakeUpper();
    return cell;
}

void FieldRowLayout::WriteCellOpening(const Cell& cell, const char* emptyLabel, const char* label,
                                      const char* controlOpening, int indent)
{
    if (cell.visibility == "Invisible")
        m_out.Write(indent + 1, emptyLabel);
    else
        m_out.Write(indent + 1, label, cell.label);
    m_out.Write(indent + 1, controlOpening);
}

void FieldRowLayout::WriteCellEnd(FieldRep& control, const Cell& cell, int indent)
{
    if (!control.GetFieldRepData()->GetLinkControls().empty())
        WriteLinkTable(control, cell.name, indent);
    m_out.Write(indent + 1, "</td>\n");
}

void FieldRowLayout::WriteTextBoxCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class = \"TDClassLabel\">  </td>\n",
                     "<td class = \"TDClassLabel\"> %s </td>\n",
                     "<td class = \"TDClassControl\">\n", indent);
    const CString id = EscapeXml(cell.name);
    const int size = control.GetFieldRepData()->GetMaxLength();
    WriteVariant(m_out, cell.visibility, indent + 2,
                 "<asp:TextBox CssClass =\"TextControl\" id=\"%s\" Visible = \"false\" "
                 "maxlength = \"%d\"",
                 "<asp:TextBox CssClass =\"TextControl\" id=\"%s\" maxlength = \"%d\" "
                 "ReadOnly = \"true\" ",
                 "<asp:TextBox CssClass =\"TextControl\" id=\"%s\" maxlength = \"%d\"", id, size);
    WriteEventAttributes(control, cell);
    m_out.Write(0, " runat=\"server\"></asp:TextBox>\n");
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteComboBoxCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class = \"TDClassLabel\" > </td>\n",
                     "<td class = \"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    WriteVariant(m_out, cell.visibility, indent + 2,
                 "<asp:DropDownList  CssClass= \"ComboControl\" ID=\"%s\" Visible = \"false\" "
                 "runat=\"server\" ",
                 "<asp:DropDownList  CssClass= \"ComboControl\" ID=\"%s\" Enabled = \"false\" "
                 "runat=\"server\" ",
                 "<asp:DropDownList  CssClass= \"ComboControl\" ID=\"%s\" runat=\"server\" ", id);
    WriteEventAttributes(control, cell);
    m_out.Write(indent, ">\n");
    m_out.Write(indent + 1, "</asp:DropDownList>\n");
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteRadioButtonCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class = \"TDClassLabel\" >  </td>\n",
                     "<td class = \"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    const FieldRepData& data = *control.GetFieldRepData();
    if (!data.GetEventRecmpFieldsList().empty())
    {
        WriteVariant(m_out, cell.visibility, indent + 1,
                     "<asp:RadioButtonList CssClass = \"RadioControl\" ID= \"%s\" Visible = "
                     "\"false\" runat=\"server\" ",
                     "<asp:RadioButtonList CssClass = \"RadioControl\" ID= \"%s\" Enabled = "
                     "\"false\" runat=\"server\" ",
                     "<asp:RadioButtonList CssClass = \"RadioControl\" ID= \"%s\" "
                     "runat=\"server\" ",
                     id);
        for (const EventRecmpFields* list : data.GetEventRecmpFieldsList())
        {
            if (list->GetEventName() == "OnClick")
                m_out.Write(0, "OnClick=\"HandleAction('RECOMPUTEON%s', '%s');\"",
                            ScriptAttribute(cell.upperName), ScriptAttribute(cell.name));
        }
        m_out.Write(0, " RepeatDirection=\"Horizontal\">\n");
    }
    else if (cell.visibility == "Invisible")
        m_out.Write(indent + 1,
                    "<asp:RadioButtonList  CssClass = \"RadioControl\" ID= \"%s\" Visible = "
                    "\"false\" runat=\"server\"  RepeatDirection=\"Horizontal\">\n",
                    id);
    else if (cell.visibility == "ReadOnly")
        m_out.Write(indent + 1,
                    "<asp:RadioButtonList CssClass = \"RadioControl\" ID= \"%s\" Enabled = "
                    "\"false\" runat=\"server\" RepeatDirection=\"Horizontal\">\n",
                    id);
    else
        m_out.Write(
            indent + 1,
            "<asp:RadioButtonList  CssClass = \"RadioControl\" ID= \"%s\" runat=\"server\"  "
            "RepeatDirection=\"Horizontal\">\n",
            id);
    bool first = true;
    for (const RadioItem& item : GetRadioItems(data))
    {
        m_out.Write(indent + 2,
                    first ? "<asp:ListItem Value=\"%s\" Selected=\"True\">%s</asp:ListItem>\n"
                          : "<asp:ListItem Value=\"%s\">%s</asp:ListItem>\n",
                    EscapeXml(item.value), EscapeHtmlText(item.text));
        first = false;
    }
    m_out.Write(indent + 1, "</asp:RadioButtonList>\n");
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteCheckBoxCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td align = \"right\" class = \"TDClassLabel\" >  </td>\n",
                     "<td align = \"right\" class = \"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    WriteVariant(m_out, cell.visibility, indent + 1,
                 "<asp:CheckBox CssClass =\"CheckBoxControl\" ID=\"%s\" Visible = \"false\" "
                 "runat=\"server\" TextAlign=\"Left\"",
                 "<asp:CheckBox CssClass =\"CheckBoxControl\" ID=\"%s\" Enabled = \"false\" "
                 "runat=\"server\" TextAlign=\"Left\"",
                 "<asp:CheckBox CssClass =\"CheckBoxControl\" ID=\"%s\" runat=\"server\" "
                 "TextAlign=\"Left\"",
                 id);
    WriteEventAttributes(control, cell);
    m_out.Write(0, ">");
    m_out.Write(0, "</asp:CheckBox>\n");
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteTextAreaCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class=\"TDClassLabel\" >  </td>\n",
                     "<td class=\"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    const FieldRepData& data = *control.GetFieldRepData();
    const int columns = data.GetColumns();
    const int rows = data.GetRows();
    const int size = data.GetMaxLength();
    WriteVariant(m_out, cell.visibility, indent + 2,
                 "<textarea id=\"%s\" Visible = \"false\" class=\"TextAreaControl\" cols=\"%d\" "
                 "rows=\"%d\" maxlength = \"%d\"",
                 "<textarea id=\"%s\" ReadOnly = \"true\" class=\"TextAreaControl\" cols=\"%d\" "
                 "rows=\"%d\" maxlength = \"%d\"",
                 "<textarea id=\"%s\" class=\"TextAreaControl\" cols=\"%d\" rows=\"%d\" "
                 "maxlength = \"%d\"",
                 id, columns, rows, size);
    WriteEventAttributes(control, cell);
    m_out.Write(0, " runat=\"server\"></textarea>\n");
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteDateCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class =\"TDClassLabel\" >  </td>\n",
                     "<td class =\"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    WriteVariant(m_out, cell.visibility, indent + 2,
                 "<input type=\"text\" class= \"CalenderBoxControl\" id = \"%s\" Visible = "
                 "\"false\" runat=\"server\" onkeyup=\"date_dash(this,event)\" "
                 "onkeydown=\"date_dash(this,event)\"/>",
                 "<input type=\"text\" class= \"CalenderBoxControl\" id = \"%s\" ReadOnly = "
                 "\"true\" runat=\"server\" onkeyup=\"date_dash(this,event)\" "
                 "onkeydown=\"date_dash(this,event)\"/>",
                 "<input type=\"text\" class= \"CalenderBoxControl\" id = \"%s\" "
                 "runat=\"server\" onkeyup=\"date_dash(this,event)\" "
                 "onkeydown=\"date_dash(this,event)\"/>",
                 id);
    if (cell.visibility != "Invisible")
    {
        // On an Update page the button is a server control, which a role that only views the
        // record does not get.
        const CString opening =
            IsUpdatePageFile() ? " <a id=\"" + id + "Calendar\" runat=\"server\"" : CString(" <a");
        if (cell.visibility == "ReadOnly")
            m_out.Write(0, "%s>", opening);
        else
        {
            CString dateFormat = m_project.GetDateFormat();
            dateFormat.MakeLower();
            m_out.Write(0,
                        "%s href=\"javascript: void(0);\" onmouseover=\"if (timeoutId) "
                        "clearTimeout(timeoutId);window.status='Show Calendar';return true;\"",
                        opening);
            m_out.Write(
                0,
                "onmouseout=\"if (timeoutDelay) calendarTimeout();window.status='';\" "
                "onclick=\"g_Calendar.show(event,'aspnetForm.ctl00_KestraneWeavoContent_%s',"
                "false,'%s'); return false;\">",
                ScriptAttribute(cell.name), ScriptAttribute(dateFormat));
        }
        m_out.Write(0, "<img class = \"CalenderButtonImage_In\" "
                       "src=\"../../includes/images/calendar.gif\" name=\"imgCalendar\" "
                       "border=\"0\" alt=\"\"></a>\n");
    }
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WritePasswordCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td align = \"right\" class = \"TDClassLabel\" >  </td>\n",
                     "<td align = \"right\" class = \"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    WriteVariant(m_out, cell.visibility, indent + 1,
                 "<input type=\"password\" id = \"%s\" Visible = \"false\" runat=\"server\" "
                 "class=\"TextControl\" />\n",
                 "<input type=\"password\" id = \"%s\" ReadOnly = \"true\" runat=\"server\" "
                 "class=\"TextControl\" />\n",
                 "<input type=\"password\" id = \"%s\" runat=\"server\" class=\"TextControl\" "
                 "/>\n",
                 id);
    WriteCellEnd(control, cell, indent);
}

bool FieldRowLayout::IsUpdatePageFile() const
{
    const int fileKind = m_pageFile.GetFileKind();
    return fileKind == transactionUpdateFileKind || fileKind == formUpdateFileKind;
}

void FieldRowLayout::WriteFileUploadCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class = \"TDClassLabel\">  </td>\n",
                     "<td class = \"TDClassLabel\"> %s </td>\n",
                     "<td class = \"TDClassControl\">\n", indent);
    const CString id = EscapeXml(cell.name);
    WriteVariant(m_out, cell.visibility, indent + 2,
                 "<input id=\"%s\" type=\"file\" Visible = \"false\" runat=\"server\"/>\n",
                 "<input id=\"%s\" type=\"file\" ReadOnly = \"true\" runat=\"server\"/>\n",
                 "<input id=\"%s\" type=\"file\" runat=\"server\"/>\n", id);
    if (IsUpdatePageFile())
    {
        m_out.Write(indent + 2, "<br/>\n");
        if (cell.visibility == "Invisible")
            m_out.Write(indent + 2,
                        "<asp:Label ID=\"%sLabel\" CssClass = \"LabelClass\" Visible = \"false\" "
                        "runat=\"server\"></asp:Label>\n",
                        id);
        else
            m_out.Write(indent + 2,
                        "<asp:Label ID=\"%sLabel\" CssClass = \"LabelClass\" "
                        "runat=\"server\"></asp:Label>\n",
                        id);
    }
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteEditableComboCell(FieldRep& control, int indent)
{
    const Cell cell = MakeCell(control);
    WriteCellOpening(cell, "<td class = \"TDClassLabel\" >  </td>\n",
                     "<td class = \"TDClassLabel\" > %s </td>\n",
                     "<td class = \"TDClassControl\" >\n", indent);
    const CString id = EscapeXml(cell.name);
    m_out.Write(indent + 1, "<table border = \"0\" cellspacing = \"0\" cellpadding = \"0\">\n");
    m_out.Write(indent + 2, "<tr>\n");
    m_out.Write(indent + 3, "<td>\n");
    m_out.Write(indent + 3, "<asp:HiddenField ID=\"hide_%s\" runat=\"server\"/>\n", id);
    WriteEditableComboSearch(control, cell, indent);
    WriteVariant(m_out, cell.visibility, indent + 3,
                 "<asp:TextBox CssClass=\"EditableComboControl\" id=\"%s_editable\" Visible = "
                 "\"false\" runat=\"server\" > </asp:TextBox>\n",
                 "<asp:TextBox CssClass=\"EditableComboControl\" id=\"%s_editable\" ReadOnly = "
                 "\"true\" runat=\"server\" > </asp:TextBox>\n",
                 "<asp:TextBox CssClass=\"EditableComboControl\" id=\"%s_editable\" "
                 "runat=\"server\" > </asp:TextBox>\n",
                 id);
    if (cell.visibility == "ReadOnly")
        m_out.Write(indent + 3, "<img class=\"EditableComboImage\" "
                                "src=\"../../includes/images/EditableComboButton.bmp\"/>\n");
    else if (cell.visibility != "Invisible")
        m_out.Write(indent + 3,
                    "<a href=\"#\" onclick=\"showHideList('div_%s');\" ><img "
                    "class=\"EditableComboImage\" "
                    "src=\"../../includes/images/EditableComboButton.bmp\"/></a>\n",
                    ScriptAttribute(cell.name));
    m_out.Write(indent + 3, "</div>\n");
    m_out.Write(indent + 3, "<div style=\"width:0px\">\n");
    m_out.Write(indent + 3,
                "<div id=\"div_%s\" style=\"display:none;position:absolute;z-index:+1;\" "
                "onmouseout=\"hideList(this);\" ",
                id);
    WriteListClickHandler(control, cell);
    m_out.Write(0, " >\n");
    m_out.Write(indent + 3,
                "<asp:ListBox CssClass=\"EditableComboList\" ID=\"%s\" runat=\"server\"> "
                "</asp:ListBox>\n",
                id);
    m_out.Write(indent + 3, "</div>\n");
    m_out.Write(indent + 3, "</div>\n");
    m_out.Write(indent + 3, "</td>\n");
    m_out.Write(indent + 2, "</tr>\n");
    m_out.Write(indent + 1, "</table>\n");
    WriteCellEnd(control, cell, indent);
}

void FieldRowLayout::WriteEditableComboSearch(FieldRep& control, const Cell& cell, int indent)
{
    m_out.Write(indent + 3, "<div ");
    if (cell.visibility == "ReadOnly")
    {
        m_out.Write(0, ">\n");
        return;
    }
    const CString id = EscapeXml(cell.name);
    const CString divName = ScriptAttribute(cell.name);
    m_out.Write(0,
                " onkeyup  =\"fn_SearchCombo(ctl00_KestraneWeavoContent_%s_editable,"
                "ctl00_KestraneWeavoContent_hide_%s,ctl00_KestraneWeavoContent_%s,'div_%s');\"",
                id, id, id, divName);
    m_out.Write(0,
                " onkeydown=\"fn_NevigateSearchCombo(ctl00_KestraneWeavoContent_%s_editable,"
                "ctl00_KestraneWeavoContent_hide_%s,ctl00_KestraneWeavoContent_%s,'div_%s');",
                id, id, id, divName);
    if (!control.GetFieldRepData()->GetEventRecmpFieldsList().empty())
        m_out.Write(0, " if(event.keyCode == 13) HandleAction('RECOMPUTEON%s', '%s');",
                    ScriptAttribute(cell.upperName), ScriptAttribute(cell.name));
    m_out.Write(0, " \">\n");
}

void FieldRowLayout::WriteEventAttributes(FieldRep& control, const Cell& cell)
{
    const CString action = ScriptAttribute(cell.upperName);
    const CString name = ScriptAttribute(cell.name);
    for (const EventRecmpFields* list : control.GetFieldRepData()->GetEventRecmpFieldsList())
    {
        const CString event = list->GetEventName();
        if (event == "OnChange")
            m_out.Write(0, " onChange=\"HandleAction('RECOMPUTEON%s', '%s');\"", action, name);
        else if (event == "OnBlur")
            m_out.Write(0, " onBlur=\"HandleAction('RECOMPUTEON%s', '%s');\"", action, name);
        else if (event == "OnClick")
            m_out.Write(0, " onClick=\"HandleAction('RECOMPUTEON%s', '%s');\"", action, name);
    }
}

void FieldRowLayout::WriteListClickHandler(FieldRep& control, const Cell& cell)
{
    const CString id = EscapeXml(cell.name);
    m_out.Write(0,
                " onclick= \"handleClickOnList(ctl00_KestraneWeavoContent_%s_editable,"
                "ctl00_KestraneWeavoContent_%s, this);",
                id, id);
    for (std::size_t i = 0; i < control.GetFieldRepData()->GetEventRecmpFieldsList().size(); ++i)
        m_out.Write(0, " HandleAction('RECOMPUTEON%s', '%s');", ScriptAttribute(cell.upperName),
                    ScriptAttribute(cell.name));
    m_out.Write(0, "\"");
}

void FieldRowLayout::WriteLinkTable(FieldRep& control, const CString& name, int indent)
{
    m_out.Write(indent + 1, "<table width=\"100%%\">\n");
    m_out.Write(indent + 2, "<tr>\n");
    int index = 0;
    for (const LinkControl* link : control.GetFieldRepData()->GetLinkControls())
    {
        const Menu* target = link->GetTarget();
        const AspFile* file = target != nullptr ? target->GetAspFile() : nullptr;
        const CString url =
            "../../" + (file != nullptr ? file->GetRelativeUrl(FALSE, FALSE) : CString());
        m_out.Write(indent + 3,
                    "<td align = \"%s\"><asp:HyperLink ID=\"%s%d\" CssClass= \"Back_LogoutLink\" "
                    "runat=\"server\" NavigateUrl=\"%s\">%s</asp:HyperLink></td>",
                    link->GetAlignmentText(), EscapeXml(name), index++, EscapeXml(url),
                    EscapeHtmlText(link->GetCaption()));
    }
    m_out.Write(indent + 2, "</tr>\n");
    m_out.Write(indent + 1, "</table>\n");
}
