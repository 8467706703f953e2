#include "gen_web/ReportXMLWriterClassWriter.h"

#include "gen_web/CodeLines.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"

namespace
{
using XmlAttribute = ReportXMLWriterClassWriter::Attribute;
using XmlAttributeKind = XmlAttribute::Kind;

XmlAttribute Text(const char* prefix, const char* argument)
{
    return {XmlAttributeKind::Text, prefix, argument};
}

XmlAttribute Optional(const char* prefix, const char* argument)
{
    return {XmlAttributeKind::OptionalText, prefix, argument};
}

XmlAttribute Number(const char* prefix, const char* argument)
{
    return {XmlAttributeKind::Number, prefix, argument};
}

XmlAttribute Flag(const char* text, const char* argument)
{
    return {XmlAttributeKind::Flag, text, argument};
}

XmlAttribute Raw(const char* prefix, const char* argument)
{
    return {XmlAttributeKind::Raw, prefix, argument};
}

// The if-line that guards an attribute of the kind, or null when it is always written.
const char* GuardOf(XmlAttributeKind kind)
{
    switch (kind)
    {
    case XmlAttributeKind::OptionalText:
        return "if (%s != null)\n";
    case XmlAttributeKind::Number:
    case XmlAttributeKind::Percent:
        return "if (%s > 0)\n";
    case XmlAttributeKind::Flag:
        return "if (%s)\n";
    default:
        return nullptr;
    }
}

const XmlAttribute id = Optional(" id='", "id");
const XmlAttribute align = Optional(" align='", "align");
const XmlAttribute target = Optional(" target='", "target");
const XmlAttribute value = Optional(" value='", "value");
const XmlAttribute onblur = Optional(" onblur='", "onblur");
const XmlAttribute title = Text(" title='", "title");
const XmlAttribute percentWidth = {XmlAttributeKind::Percent, " width='", "width"};
const XmlAttribute width = Number(" width='", "width");
const XmlAttribute height = Number(" height='", "height");
const XmlAttribute border = Number(" border='", "border");
const XmlAttribute hspace = Number(" hspace='", "hspace");
const XmlAttribute vspace = Number(" vspace='", "vspace");
const XmlAttribute rowspan = Number(" rowspan='", "rowspan");
const XmlAttribute colspan = Number(" colspan='", "colspan");
const XmlAttribute visible = Flag(" visible='false'", "bVisible");
const XmlAttribute disabled = Flag(" disabled=''", "bDisabled");
const XmlAttribute checkedFlag = Flag(" checked=''", "bChecked");
} // namespace

ReportXMLWriterClassWriter::ReportXMLWriterClassWriter(const ForgeonProject& project,
                                                       TextFile& file)
    : m_file(file), m_namespace(CSharpIdentifier(project.GetProjectName()))
{
}

void ReportXMLWriterClassWriter::Write()
{
    WriteHead();
    WriteInitAndClose();
    WriteReportGroup();
    WriteReportInstance();
    WriteReportFields();
    WriteGrid();
    WriteMenus();
    m_file.Write(1, "}\n");
    m_file.Write(0, "}\n");
}

void ReportXMLWriterClassWriter::WriteHead()
{
    m_file.Write(0, "using System;\n");
    m_file.Write(0, "\n");
    m_file.Write(0, "\n");
    m_file.Write(0, "namespace %s\n", m_namespace);
    WriteCodeLines(m_file, {
                               {0, "{"},
                               {1, "public partial class ReportXMLWriter"},
                               {1, "{"},
                               {2, "String m_xmlString;"},
                           });
}

void ReportXMLWriterClassWriter::WriteInitAndClose()
{
    m_file.Write(2, "//Report writer initialization and closing functions..\n");
    WriteMethod("public ReportXMLWriter()", {"Init();"});
    WriteMethod("public void Init()", {"m_xmlString = \"<?xml version='1.0' encoding='UTF-8' ?>\";",
                                       "m_xmlString += \"<root>\";"});
    WriteMethod("public String Close()", {"m_xmlString += \"</root>\";", "return m_xmlString;"});
}

void ReportXMLWriterClassWriter::WriteReportGroup()
{
    m_file.Write(2, "//functions related to report group.\n");
    WriteElementMethod("public void BeginReportGroup(String id, String align, int width, int "
                       "rowspan, int colspan)",
                       "reportgroup", {id, align, percentWidth, rowspan, colspan}, ">");
    WriteEndMethod("EndReportGroup", "reportgroup");
    WriteElementMethod("public void WriteReportGroupHeader(String title, String id, int colspan)",
                       "reportgroupheader", {title, id, colspan}, "/>");
    WriteIdElementPair("ReportGroupRow", "reportgrouprow");
}

void ReportXMLWriterClassWriter::WriteReportInstance()
{
    m_file.Write(2, "//functions related to single report instance.\n");
    WriteElementMethod("public void BeginReport(String id, int width, int rowspan, int colspan)",
                       "report", {id, percentWidth, rowspan, colspan}, ">");
    WriteEndMethod("EndReport", "report");
    WriteMethod("public void WriteMessageString(String message)",
                {"m_xmlString += \"<messagestring>\" + message + \"</messagestring>\";"});
    WriteElementMethod(
        "public void WriteReportHeader(String title, String className, String id, int colspan)",
        "reportheader", {title, id, Optional(" class='", "className"), colspan}, "/>");
}

void ReportXMLWriterClassWriter::WriteReportFields()
{
    m_file.Write(2, "//functions related to report fields.\n");
    WriteIdElementPair("DataHeaderRow", "reportdataheaderrow");
    WriteElementMethod("public void WriteReportDataHeader(String title, String id, int width, int "
                       "rowspan, int colspan)",
                       "reportdataheader", {title, id, colspan, percentWidth}, "/>");
    WriteIdElementPair("ReportDataRow", "reportdatarow");
    WriteReportDataCells();
    WriteTextAndLinkFields();
    WriteImageFields();
    WriteFormFields();
}

void ReportXMLWriterClassWriter::WriteReportDataCells()
{
    WriteElementMethod("public void BeginReportData(String id, String align, int width, int "
                       "rowspan, int colspan)",
                       "reportdata", {id, align, percentWidth, rowspan, colspan}, ">");
    WriteEndMethod("EndReportData", "reportdata");
    WriteMethod("public void WriteTextReportData(String str, String id, String align, int width, "
                "int rowspan, int colspan)",
                {"BeginReportData(id, align, width, rowspan, colspan);",
                 "WriteTextField(str, null);", "EndReportData();"});
    WriteMethod("public void WriteImageReportData(String image, String alt, String id, String "
                "align, int width, int rowspan, int colspan, int border, int height, int hspace, "
                "int vspace)",
                {"BeginReportData(id, align, width, rowspan, colspan);",
                 "WriteImageField(image, alt, null, align, null, null, border, height, width, "
                 "hspace, vspace);",
                 "EndReportData();"});
    WriteMethod("public void WriteLinkReportData(String link, String linktext, String target, "
                "String id, String align, int width, int rowspan, int colspan)",
                {"BeginReportData(id, align, width, rowspan, colspan);",
                 "WriteLinkField(link, linktext, null, target);", "EndReportData();"});
}

void ReportXMLWriterClassWriter::WriteTextAndLinkFields()
{
    WriteMethod("public void WriteTextField(String str, String className)",
                {"if (str == \"NULL\" || str == \"\" || str == null)",
                 "\tm_xmlString += \"<textfield></textfield>\";", "else",
                 "\tm_xmlString += \"<textfield>\" + str + \"</textfield>\";"});
    m_file.Write(2, "public void WriteLinkField(String link, String linktext, String id, String "
                    "target)\n");
    m_file.Write(2, "{\n");
    WriteLinkFieldStart();
    m_file.Write(3, "m_xmlString += \"</linkfield>\";\n");
    m_file.Write(2, "}\n");
}

void ReportXMLWriterClassWriter::WriteLinkFieldStart()
{
    WriteOpenTag("linkfield", {id, target}, ">");
    WriteCodeLines(m_file,
                   {
                       {3, "m_xmlString += \"<link>\" + link + \"</link>\";"},
                       {3, "if (linktext == \"NULL\" || linktext == \"\" || linktext == null)"},
                       {4, "m_xmlString += \"<linktext></linktext>\";"},
                       {3, "else"},
                       {4, "m_xmlString += \"<linktext>\" + linktext + \"</linktext>\";"},
                   });
}

void ReportXMLWriterClassWriter::WriteImageFields()
{
    m_file.Write(2, "public void WriteImageField(String image, String alt, String id, String "
                    "align, String actionString, String className, int border, int height, int "
                    "width, int hspace, int vspace)\n");
    m_file.Write(2, "{\n");
    WriteOpenTag("imagefield",
                 {id, Raw("", "actionString"), align, border, width, height, hspace, vspace,
                  Optional(" class = '", "className")},
                 ">");
    WriteCodeLines(m_file, {
                               {3, "m_xmlString += \"<image>\" + image + \"</image>\";"},
                               {3, "m_xmlString += \"<alt>\" + alt + \"</alt>\";"},
                               {3, "m_xmlString += \"</imagefield>\";"},
                               {2, "}"},
                           });
    m_file.Write(2, "public void WriteLinkImageField(String link, String linktext, String id, "
                    "String target, String image, String alt, String imgid, String align, int "
                    "border, int height, int width, int hspace, int vspace)\n");
    m_file.Write(2, "{\n");
    WriteLinkFieldStart();
    WriteCodeLines(
        m_file,
        {
            {3, "WriteImageField(image, alt, imgid, align, null, null, border, height, width, "
                "hspace, vspace);"},
            {3, "m_xmlString += \"</linkfield>\";"},
            {2, "}"},
        });
}

void ReportXMLWriterClassWriter::WriteFormFields()
{
    WriteElementMethod("public void WriteTextAreaField(int cols, int rows, String str, String id, "
                       "bool bVisible, bool bDisabled, bool bReadonly, String className, String "
                       "onblur)",
                       "textareafield",
                       {Text(" cols='", "cols"), Text(" rows='", "rows"), id,
                        Optional(" value='", "str"), visible, disabled,
                        Flag(" readonly='true'", "bReadonly"), onblur,
                        Optional(" class='", "className")},
                       "/>");
    WriteElementMethod("public void BeginComboField(String id, String className, bool bVisible, "
                       "bool bMultiple, bool bDisabled, String onfocus, String onblur, String "
                       "onchange)",
                       "combofield",
                       {id, disabled, visible, Flag(" multiple=''", "bMultiple"),
                        Optional(" onfocus='", "onfocus"), onblur,
                        Optional(" onchange='", "onchange"), Optional(" class ='", "className")},
                       ">");
    WriteEndMethod("EndComboField", "combofield");
    m_file.Write(2, "public void WriteComboOption(String value, String str, bool bSelected)\n");
    m_file.Write(2, "{\n");
    WriteOpenTag("combooption", {value, Flag(" selected=''", "bSelected")}, ">");
    WriteCodeLines(m_file, {
                               {3, "if (str != null)"},
                               {4, "m_xmlString += str;"},
                               {3, "m_xmlString += \"</combooption>\";"},
                               {2, "}"},
                           });
    WriteElementMethod("public void WriteInputField(String type, String value, String id, String "
                       "actionString, String className, bool bVisible, bool bDisabled, bool "
                       "bReadonly, bool bChecked, String onclick, String onblur)",
                       "inputfield",
                       {Text(" type='", "type"), id, value, visible,
                        Flag(" readonly='true'", "bReadonly"), disabled, checkedFlag,
                        Raw(" ", "actionString"), Optional(" onclick='", "onclick"), onblur,
                        Optional(" class='", "className")},
                       "/>");
    WriteElementMethod("public void WriteInputFieldGrid(String type, String value, String id, "
                       "String actionString, String className, bool bDisabled, bool bReadonly, "
                       "bool bChecked)",
                       "gridinputfield",
                       {Text(" type='", "type"), id, value, Flag(" readonly=''", "bReadonly"),
                        disabled, checkedFlag, Raw(" ", "actionString"),
                        Optional(" class='", "className")},
                       "/>");
}

void ReportXMLWriterClassWriter::WriteGrid()
{
    m_file.Write(2, "//Grid code starts here\n");
    WriteElementMethod("public void BeginGrid(String id)", "grid", {Text(" id='", "id")}, ">");
    WriteEndMethod("EndGrid", "grid");
    WriteElementMethod("public void WriteGridHeader(String title, int colspan)", "gridheader",
                       {title, colspan}, "/>");
    WriteIdElementPair("GridDataHeaderRow", "griddataheaderrow");
    WriteElementMethod("public void WriteGridDataHeader(String title, int colspan, int width)",
                       "griddataheader", {title, colspan, percentWidth}, "/>");
    WriteIdElementPair("GridDefaultRow", "griddefaultrow");
    WriteIdElementPair("GridDataRow", "griddatarow");
    WriteElementMethod(
        "public void BeginGridData(String id, String align, int width, int rowspan, int colspan)",
        "griddata", {id, align, percentWidth, rowspan, colspan}, ">");
    WriteEndMethod("EndGridData", "griddata");
    WriteElementMethod("public void BeginGridFooter(String id, String align, int colspan)",
                       "gridfooter", {id, align, colspan}, ">");
    WriteEndMethod("EndGridFooter", "gridfooter");
    m_file.Write(2, "//Grid code ends here\n");
    m_file.Write(0, "\n");
}

void ReportXMLWriterClassWriter::WriteMenus()
{
    m_file.Write(2, "//Menu code starts here\n");
    WriteElementMethod("public void BeginMenus()", "menus", {}, ">");
    WriteEndMethod("EndMenus", "menus");
    WriteElementMethod("public void WriteParentMenu(String menuName, String id)", "menu",
                       {Optional(" value='", "menuName"), id}, "></menu>");
    WriteElementMethod("public void WriteSubMenu(String menuName, String id, String url)",
                       "submenu", {Optional(" value='", "menuName"), id, Text(" url='", "url")},
                       "></submenu>");
    WriteElementMethod("public void BeginMenuItems()", "menuitems", {}, ">");
    WriteEndMethod("EndMenuItems", "menuitems");
    WriteMethod("public void BeginMainMenu(String id)", {"m_xmlString += \"<\" + id + \">\";"});
    WriteMethod("public void EndMainMenu(String id)", {"m_xmlString += \"</\" + id + \">\";"});
    WriteMethod("public void AddXMLTag(String tagName, String value)",
                {"m_xmlString += \"<\" + tagName + \">\" + value + \"</\" + tagName + \">\";"});
    m_file.Write(2, "//Menu code ends here\n");
}

void ReportXMLWriterClassWriter::WriteElementMethod(const char* signature, const char* element,
                                                    std::initializer_list<Attribute> attributes,
                                                    const char* close)
{
    m_file.Write(2, "%s\n", signature);
    m_file.Write(2, "{\n");
    WriteOpenTag(element, attributes, close);
    m_file.Write(2, "}\n");
}

void ReportXMLWriterClassWriter::WriteOpenTag(const char* element,
                                              std::initializer_list<Attribute> attributes,
                                              const char* close)
{
    m_file.Write(3, "m_xmlString += \"<%s\";\n", element);
    for (const Attribute& attribute : attributes)
        WriteAttribute(attribute);
    m_file.Write(3, "m_xmlString += \"%s\";\n", close);
}

void ReportXMLWriterClassWriter::WriteAttribute(const Attribute& attribute)
{
    const char* prefix = attribute.prefix;
    const char* argument = attribute.argument;
    int indent = 3;
    if (const char* guard = GuardOf(attribute.kind))
    {
        m_file.Write(indent++, guard, argument);
    }
    switch (attribute.kind)
    {
    case XmlAttributeKind::Flag:
        m_file.Write(indent, "m_xmlString += \"%s\";\n", prefix);
        break;
    case XmlAttributeKind::Raw:
        m_file.Write(indent, "m_xmlString += \"%s\" + %s;\n", prefix, argument);
        break;
    case XmlAttributeKind::Percent:
        m_file.Write(indent, "m_xmlString += \"%s\" + %s + \"%%'\";\n", prefix, argument);
        break;
    default:
        m_file.Write(indent, "m_xmlString += \"%s\" + %s + \"'\";\n", prefix, argument);
    }
}

void ReportXMLWriterClassWriter::WriteEndMethod(const CString& name, const char* element)
{
    m_file.Write(2, "public void %s()\n", name);
    m_file.Write(2, "{\n");
    m_file.Write(3, "m_xmlString += \"</%s>\";\n", element);
    m_file.Write(2, "}\n");
}

void ReportXMLWriterClassWriter::WriteIdElementPair(const char* name, const char* element)
{
    m_file.Write(2, "public void Begin%s(String id)\n", name);
    m_file.Write(2, "{\n");
    WriteOpenTag(element, {id}, ">");
    m_file.Write(2, "}\n");
    WriteEndMethod(CString("End") + name, element);
}

void ReportXMLWriterClassWriter::WriteMethod(const char* signature,
                                             std::initializer_list<const char*> body)
{
    m_file.Write(2, "%s\n", signature);
    m_file.Write(2, "{\n");
    for (const char* line : body)
        m_file.Write(3, "%s\n", line);
    m_file.Write(2, "}\n");
}
