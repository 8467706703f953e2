#include "gen_web/TransactionGridWriter.h"

#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Transaction.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/CodeLines.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
bool HasRecomputeLists(const FieldRep& control)
{
    return !control.GetFieldRepData()->GetEventRecmpFieldsList().empty();
}
} // namespace

TransactionGridWriter::TransactionGridWriter(Transaction& transaction, AspxFile& pageFile,
                                             ForgeonProject& project, TextFile& out,
                                             CodeBehindFragments& fragments)
    : m_transaction(transaction), m_pageFile(pageFile), m_project(project), m_out(out),
      m_fragments(fragments)
{
}

std::vector<FieldRep*> TransactionGridWriter::RecomputingControls(Transaction& transaction)
{
    std::vector<Table*> tables{transaction.GetBasicTable()};
    tables.insert(tables.end(), transaction.GetDetailTables().begin(),
                  transaction.GetDetailTables().end());
    std::vector<FieldRep*> recomputing;
    for (Table* table : tables)
    {
        std::vector<FieldRep*> controls;
        transaction.GetFieldRepsOfTable(table, controls);
        for (FieldRep* control : controls)
        {
            if (control->GetFieldRepData() != nullptr && HasRecomputeLists(*control))
                recomputing.push_back(control);
        }
    }
    return recomputing;
}

CString TransactionGridWriter::RecomputeEvent(Transaction& transaction, const FieldRep& control)
{
    CString name = ControlName(control);
    name.MakeUpper();
    for (const FieldRep* other : RecomputingControls(transaction))
    {
        if (other == &control)
            break;
        CString otherName = ControlName(*other);
        otherName.MakeUpper();
        if (otherName == name && control.GetField()->GetTable() != nullptr)
        {
            CString qualified =
                control.GetField()->GetTable()->GetTableName() + "_" + ControlName(control);
            qualified.MakeUpper();
            return qualified;
        }
    }
    return name;
}

TransactionGridWriter::RowCell TransactionGridWriter::CellOf(const FieldRep& control)
{
    switch (ControlKind(control))
    {
    case FieldRepData::TextBox:
        return RowCell::text;
    case FieldRepData::TextArea:
        return RowCell::textArea;
    case FieldRepData::CheckBox:
        return RowCell::checkBox;
    case FieldRepData::ComboBox:
        return RowCell::combo;
    case FieldRepData::DateControl:
        return RowCell::date;
    case FieldRepData::RadioButton:
        return RowCell::radio;
    default:
        return RowCell::none;
    }
}

bool TransactionGridWriter::PostsInRow(const FieldRep& control)
{
    return CellOf(control) != RowCell::none;
}

CString TransactionGridWriter::RecomputeCall(const FieldRep& control) const
{
    return "HandleGridRecompute(\\\"RECOMPUTEON" + RecomputeEvent(m_transaction, control) +
           "\\\", " + RowId(ControlName(control)) + "__ROW__, " + RowId("inp") + "__ROW__);";
}

CString TransactionGridWriter::RecomputeArgument(const FieldRep& control, bool dataRow) const
{
    if (!HasRecomputeLists(control))
        return "null";
    if (!dataRow)
        return "\"" + RecomputeCall(control) + "\"";
    // A stored row passes its own ids, known when the row is written.
    return "\"HandleGridRecompute(\\\"RECOMPUTEON" + RecomputeEvent(m_transaction, control) +
           "\\\",\" + idString + \",\" + inpString + \");\"";
}

CString TransactionGridWriter::RowId(const CString& name) const
{
    return m_prefix + name;
}

CString TransactionGridWriter::GridMethodName(const Transaction& transaction, const Table& table)
{
    if (transaction.GetDetailTables().size() < 2)
        return "GetXMLDataForGrid";
    return "GetXMLDataForGridOf" + table.GetTableName();
}

void TransactionGridWriter::WriteAddGridData(int indent)
{
    WriteGridData(indent, /*update=*/false);
}

void TransactionGridWriter::WriteUpdateGridData(int indent)
{
    WriteGridData(indent, /*update=*/true);
}

void TransactionGridWriter::WriteGridData(int indent, bool update)
{
    const std::vector<Table*>& details = m_transaction.GetDetailTables();
    m_out.Write(indent, "void GetXMLDataForGrid(ReportXMLWriter w)\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "UtilHandler utilHandler = new UtilHandler();\n");
    if (details.size() < 2)
    {
        for (Table* table : details)
            WriteGridBlock(*table, indent + 1, update);
        m_out.Write(indent, "}\n");
    }
    else
    {
        for (const Table* table : details)
            m_out.Write(indent + 1, "%s(w);\n", GridMethodName(m_transaction, *table));
        m_out.Write(indent, "}\n");
        for (Table* table : details)
        {
            m_out.Write(indent, "void %s(ReportXMLWriter w)\n",
                        GridMethodName(m_transaction, *table));
            m_out.Write(indent, "{\n");
            m_out.Write(indent + 1, "UtilHandler utilHandler = new UtilHandler();\n");
            WriteGridBlock(*table, indent + 1, update);
            m_out.Write(indent, "}\n");
        }
    }
    // The row method draws the stored rows and, on an upload page, the posted rows of a refused
    // save.
    for (Table* table : details)
    {
        if (update || m_transaction.HasFileUploadControl())
            WriteGridRowMethod(*table, indent);
        if (update)
            WriteFillGridMethod(*table, indent);
    }
    WriteFillOptionsMethod(indent);
}

void TransactionGridWriter::BeginTable(Table& table)
{
    m_table = &table;
    m_transaction.GetFieldRepsOfTable(&table, m_controls);
    std::erase_if(m_controls,
                  [](const FieldRep* control)
                  {
                      return control == nullptr || control->GetField() == nullptr ||
                             control->GetFieldRepData() == nullptr || !PostsInRow(*control);
                  });
}

void TransactionGridWriter::WriteGridBlock(Table& table, int indent, bool update)
{
    BeginTable(table);
    m_prefix = GetGridRowPrefix(m_transaction, table);
    m_declaredObjects.clear();
    m_dataTableDeclared = false;
    m_dateLocalsDeclared = false;
    m_fragments.ClearDeclaredNames();
    const CString name = table.GetTableName();
    m_out.Write(indent, "w.BeginGrid(\"%sDiv\");\n", name);
    m_out.Write(indent, "int colSpan = %d;\n", static_cast<int>(m_controls.size()) + 1);
    WriteHeaderRow(indent, update);
    WriteDefaultRow(indent, update);
    m_out.Write(0, "\n");
    if (update)
        m_out.Write(indent, "fillGridFor%s(w);\n", name);
    else if (m_transaction.HasFileUploadControl())
    {
        // Only a refused save draws the Add page's grid after its whole form posted.
        m_out.Write(indent, "if (\"ADD\".Equals(this.Request.Params[\"ACTION\"]))\n");
        m_out.Write(indent + 1, "fillPostedGridFor%s(w);\n", name);
    }
    WriteFooters(table, indent, update);
    m_out.Write(0, "\n");
    m_out.Write(indent, "w.EndGrid();\n");
}

// On the Update page, a role that only a report's rows lead there sees no box that deletes a row
// nor the button that adds one: the Delete Row column stays, empty.
void TransactionGridWriter::WriteMayActTest(int indent, bool update)
{
    if (update)
        m_out.Write(indent, "if (%s)\n", RoleMayActTest());
}

void TransactionGridWriter::WriteHeaderRow(int indent, bool update)
{
    m_out.Write(indent, "w.BeginGridDataHeaderRow(null);\n");
    for (const FieldRep* control : m_controls)
        m_out.Write(indent, "w.WriteGridDataHeader(\"%s\", 0, 0);\n",
                    EscapeCSharpString(control->GetFieldRepData()->GetCaption()));
    WriteMayActTest(indent, update);
    m_out.Write(indent + (update ? 1 : 0), "w.WriteGridDataHeader(\"Delete Row\", 0, 5);\n");
    if (update)
    {
        m_out.Write(indent, "else\n");
        m_out.Write(indent + 1, "w.WriteGridDataHeader(\"\", 0, 5);\n");
    }
    m_out.Write(indent, "w.EndGridDataHeaderRow();\n");
    m_out.Write(0, "\n");
}

void TransactionGridWriter::WriteDefaultRow(int indent, bool update)
{
    m_out.Write(indent, "w.BeginGridDefaultRow(null);\n");
    for (const FieldRep* control : m_controls)
        WriteDefaultCell(*control, indent);
    m_out.Write(0, "\n");
    WriteFixedDefaultCell("checkbox", "__ROW__", RowId("delete__ROW__"), indent, update);
    WriteFixedDefaultCell("hidden", "__ROW__", RowId("inp__ROW__"), indent, false);
    WriteFixedDefaultCell("hidden", "0", RowId("id__ROW__"), indent, false);
    m_out.Write(indent, "w.EndGridDefaultRow();\n");
}

void TransactionGridWriter::WriteFixedDefaultCell(const char* type, const char* value,
                                                  const CString& id, int indent, bool actsOnly)
{
    m_out.Write(indent, "w.BeginGridData(null, null, 0, 0 ,0);\n");
    WriteMayActTest(indent, actsOnly);
    m_out.Write(indent + (actsOnly ? 1 : 0),
                "w.WriteInputField(\"%s\", \"%s\", \"%s\", null, null, false, false, false, false, "
                "null, null);\n",
                type, value, id);
    m_out.Write(indent, "w.EndGridData();\n");
    m_out.Write(0, "\n");
}

void TransactionGridWriter::WriteFooters(const Table& table, int indent, bool update)
{
    const CString name = table.GetTableName();
    // A role that only a report's rows lead to the Update page gets no buttons that add a row or
    // act on the record.
    WriteMayActTest(indent, update);
    const int i = indent + (update ? 1 : 0);
    if (update)
        m_out.Write(indent, "{\n");
    m_out.Write(i, "w.BeginGridFooter(null, \"right\", colSpan);\n");
    m_out.Write(i,
                "w.WriteInputFieldGrid(\"button\", \"Add New Row\", null, "
                "\"onclick='addGridRow(%sDiv_body, %sDiv_defaultRow);'\", \"AddRowButton\", false, "
                "false, false);\n",
                name, name);
    m_out.Write(i, "w.EndGridFooter();\n");
    m_out.Write(0, "\n");
    m_out.Write(i, "w.BeginGridFooter(null, \"right\", colSpan);\n");
    if (update)
        WriteCodeLines(m_out, {
                                  {i, "w.WriteInputFieldGrid(\"button\", \"Commit\", null, "
                                      "\"onclick='HandleAction(\\\"UPDATE\\\");'\", "
                                      "\"ButtonControl\", false, false, false);"},
                                  {i, "w.WriteInputFieldGrid(\"button\", \"Delete\", null, "
                                      "\"onclick='HandleAction(\\\"DELETE\\\");'\", "
                                      "\"ButtonControl\", false, false, false);"},
                              });
    else
        WriteCodeLines(m_out, {
                                  {i, "w.WriteInputFieldGrid(\"button\", \"Commit\", null, "
                                      "\"onclick='HandleAction(\\\"ADD\\\");'\", "
                                      "\"ButtonControl\", false, false, false);"},
                                  {i, "w.WriteInputFieldGrid(\"button\", \"Clear\", null, "
                                      "\"onclick='reloadForm();'\", \"ButtonControl\", false, "
                                      "false, false);"},
                              });
    m_out.Write(i, "w.EndGridFooter();\n");
    if (update)
        m_out.Write(indent, "}\n");
}

void TransactionGridWriter::WriteRowDeclarations(const FieldRep& control, int indent)
{
    const RowCell cell = CellOf(control);
    if (cell == RowCell::combo && !m_dataTableDeclared)
    {
        m_out.Write(indent, "DataTable dataTable = new DataTable();\n");
        m_dataTableDeclared = true;
    }
    if (cell == RowCell::date && !m_dateLocalsDeclared)
    {
        m_out.Write(indent, "String actionString = \"\";\n");
        m_out.Write(indent, "String imagePath = \"\";\n");
        m_dateLocalsDeclared = true;
    }
}

void TransactionGridWriter::WriteDefaultCell(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    const FieldRepData& data = *control.GetFieldRepData();
    WriteRowDeclarations(control, indent);
    switch (CellOf(control))
    {
    case RowCell::text:
        WriteDefaultValue(control, indent);
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0 ,0);\n");
        m_out.Write(
            indent,
            "w.WriteInputField(\"input\", val_%s, \"%s__ROW__\", null, \"TextControl\", %s, "
            "false, %s, false, null, %s);\n",
            name, RowId(name), HiddenFlag(control), ReadOnlyFlag(control),
            RecomputeArgument(control));
        break;
    case RowCell::textArea:
        WriteDefaultValue(control, indent);
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0 ,0);\n");
        m_out.Write(indent,
                    "w.WriteTextAreaField(%d, %d, val_%s, \"%s__ROW__\", %s, %s, false, "
                    "\"TextAreaControl\", %s);\n",
                    data.GetColumns(), data.GetRows(), name, RowId(name), HiddenFlag(control),
                    ReadOnlyFlag(control), RecomputeArgument(control));
        break;
    case RowCell::checkBox:
        WriteDefaultValue(control, indent);
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0 ,0);\n");
        m_out.Write(indent,
                    "w.WriteInputField(\"checkbox\", null, \"%s__ROW__\", null, null, %s, %s, "
                    "false, bChecked_%s, %s, null);\n",
                    RowId(name), HiddenFlag(control), ReadOnlyFlag(control), name,
                    RecomputeArgument(control));
        break;
    case RowCell::combo:
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0 ,0);\n");
        WriteComboCell(control, indent, /*dataRow=*/false);
        break;
    case RowCell::date:
        WriteDefaultValue(control, indent);
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0, 0);\n");
        WriteDateCell(control, indent, /*dataRow=*/false);
        break;
    case RowCell::radio:
        WriteDefaultValue(control, indent);
        WriteRadioDefaultCell(control, indent);
        return;
    case RowCell::none:
        return;
    }
    m_out.Write(indent, "w.EndGridData();\n");
    m_out.Write(0, "\n");
}

void TransactionGridWriter::WriteDataCell(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    const FieldRepData& data = *control.GetFieldRepData();
    const RowCell cell = CellOf(control);
    WriteRowDeclarations(control, indent);
    if (cell == RowCell::radio || cell == RowCell::date)
    {
        m_out.Write(indent, "idString = \"%s\" + count;\n", RowId(name));
        m_out.Write(indent, "valueString = utilHandler.GetValueOfField(strA, \"%s\");\n", name);
        if (cell == RowCell::radio)
        {
            WriteRadioDataCell(control, indent);
            return;
        }
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0, 0);\n");
        WriteDateCell(control, indent, /*dataRow=*/true);
        m_out.Write(indent, "w.EndGridData();\n");
        m_out.Write(0, "\n");
        return;
    }
    m_out.Write(indent, "w.BeginGridData(null, null, 0, 0 ,0);\n");
    m_out.Write(indent, "idString = \"%s\" + count;\n", RowId(name));
    m_out.Write(indent, "valueString = utilHandler.GetValueOfField(strA, \"%s\");\n", name);
    switch (cell)
    {
    case RowCell::text:
        m_out.Write(
            indent,
            "w.WriteInputField(\"input\", valueString, idString, null, \"TextControl\", %s, "
            "false, false, false, null, %s);\n",
            HiddenFlag(control), RecomputeArgument(control, /*dataRow=*/true));
        break;
    case RowCell::textArea:
        m_out.Write(indent,
                    "w.WriteTextAreaField(%d, %d, valueString, idString, %s, %s, false, "
                    "\"TextAreaControl\", %s);\n",
                    data.GetColumns(), data.GetRows(), HiddenFlag(control), ReadOnlyFlag(control),
                    RecomputeArgument(control, /*dataRow=*/true));
        break;
    case RowCell::checkBox:
        m_out.Write(indent, "valueString = valueString.Trim();\n");
        // One flag per row method, declared by its first check box.
        m_out.Write(indent,
                    m_isCheckedDeclared ? "is_checked = false;\n" : "bool is_checked = false;\n");
        m_isCheckedDeclared = true;
        m_out.Write(indent, "if(valueString == \"on\")\n");
        m_out.Write(indent + 1, "is_checked = true;\n");
        m_out.Write(indent,
                    "w.WriteInputField(\"checkbox\", valueString, idString, null, null, %s, %s, "
                    "false, is_checked, %s, null);\n",
                    HiddenFlag(control), ReadOnlyFlag(control),
                    RecomputeArgument(control, /*dataRow=*/true));
        break;
    default:
        WriteComboCell(control, indent, /*dataRow=*/true);
        break;
    }
    m_out.Write(indent, "w.EndGridData();\n");
    m_out.Write(0, "\n");
}

void TransactionGridWriter::WriteDefaultValue(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    const int kind = ControlKind(control);
    switch (kind)
    {
    case FieldRepData::TextBox:
    case FieldRepData::DateControl:
        m_out.Write(indent, "String val_%s = null;\n", name);
        break;
    case FieldRepData::TextArea:
        m_out.Write(indent, "String val_%s = \"\";\n", name);
        break;
    case FieldRepData::RadioButton:
    {
        const std::size_t count = GetRadioItems(*control.GetFieldRepData()).size();
        for (std::size_t i = 0; i < count; ++i)
            m_out.Write(indent, "bool bChecked_%s%d = %s;\n", name, static_cast<int>(i),
                        i == 0 ? "true" : "false");
        break;
    }
    case FieldRepData::CheckBox:
        m_out.Write(indent, "bool bChecked_%s = false;\n", name);
        break;
    default:
        return;
    }
    if (GetUsableDataCall(control) == nullptr || !HasFrontAndBackFields(control) ||
        IsRecomputedInRow(control))
        return;
    if (!m_dataTableDeclared)
    {
        m_out.Write(indent, "DataTable dataTable = new DataTable();\n");
        m_dataTableDeclared = true;
    }
    WriteDataCall(control, indent);
    const CString front =
        EscapeCSharpString(control.GetFieldRepData()->GetFrontField()->GetFieldName());
    m_out.Write(indent, "if (dataTable.Rows.Count > 0)\n");
    m_out.Write(indent, "{\n");
    if (kind == FieldRepData::CheckBox)
    {
        m_out.Write(indent + 1, "if (dataTable.Rows[0][\"%s\"].ToString().Trim() == \"on\")\n",
                    front);
        m_out.Write(indent + 2, "bChecked_%s = true;\n", name);
    }
    else if (kind == FieldRepData::RadioButton)
    {
        const std::vector<RadioItem> items = GetRadioItems(*control.GetFieldRepData());
        for (std::size_t i = 0; i < items.size(); ++i)
        {
            m_out.Write(indent + 1,
                        i == 0
                            ? "if (dataTable.Rows[0][\"%s\"].ToString().Trim() == \"%s\")\n"
                            : "else if (dataTable.Rows[0][\"%s\"].ToString().Trim() == \"%s\")\n",
                        front, EscapeCSharpString(items[i].value));
            m_out.Write(indent + 1, "{\n");
            for (std::size_t j = 0; j < items.size(); ++j)
                m_out.Write(indent + 1, " bChecked_%s%d = %s;\n", name, static_cast<int>(j),
                            i == j ? "true" : "false");
            m_out.Write(indent + 1, "}\n");
        }
    }
    else
        m_out.Write(indent + 1, "val_%s = dataTable.Rows[0][\"%s\"].ToString();\n", name, front);
    m_out.Write(indent, "}\n");
}

void TransactionGridWriter::WriteDataCall(const FieldRep& control, int indent)
{
    const ClassInvokation& call = *GetUsableDataCall(control);
    const Table* table = call.GetClass()->GetTable();
    const CString tableName = CSharpIdentifierPart(
        table != nullptr ? table->GetTableName() : call.GetClass()->GetFieldName());
    if (std::find(m_declaredObjects.begin(), m_declaredObjects.end(), table) ==
        m_declaredObjects.end())
    {
        const CString className = CSharpIdentifier(call.GetClass()->GetFieldName());
        m_out.Write(indent, "%s m_%s = new %s(); \n", className, tableName, className);
        m_declaredObjects.push_back(table);
    }
    m_fragments.WriteCallParameterValues(call, indent, /*detailRow=*/false,
                                         MasterValueMember(control));
    m_out.Write(indent, "dataTable = m_%s.%s(", tableName,
                CSharpIdentifier(call.GetFunction()->GetFieldName()));
    m_fragments.WriteCallArguments(*call.GetFunction(), false);
    m_out.Write(0, ");\n");
}

CString TransactionGridWriter::MasterValueMember(const FieldRep& control) const
{
    if (!IsUpdatePage())
        return CString();
    std::vector<FieldRep*> master;
    m_transaction.GetFieldRepsOfTable(m_transaction.GetBasicTable(), master);
    for (const FieldRep* other : master)
    {
        if (other->GetFieldRepData() != nullptr &&
            other->GetFieldRepData()->HasClassRecomputeFor(&control) && HasValueMember(*other))
            return ControlName(*other);
    }
    return CString();
}

void TransactionGridWriter::WriteComboCell(const FieldRep& control, int indent, bool dataRow)
{
    const CString name = ControlName(control);
    if (dataRow)
    {
        m_out.Write(indent, "String %s = valueString;\n", name);
        m_out.Write(indent,
                    "w.BeginComboField(idString, \"GridComboControl\", %s, false, %s, null, null, "
                    "%s);\n",
                    HiddenFlag(control), ReadOnlyFlag(control),
                    RecomputeArgument(control, /*dataRow=*/true));
    }
    else
        m_out.Write(indent,
                    "w.BeginComboField(\"%s__ROW__\", \"GridComboControl\", %s, false, %s, null, "
                    "null, %s);\n",
                    RowId(name), HiddenFlag(control), ReadOnlyFlag(control),
                    RecomputeArgument(control));
    if (!dataRow && IsRecomputedInRow(control))
        m_out.Write(indent, "w.WriteComboOption(\"null\", \"None\", true);\n");
    else if (GetUsableDataCall(control) != nullptr && HasFrontAndBackFields(control))
    {
        WriteDataCall(control, indent);
        m_out.Write(indent, "fillOptionsForGridCombo(w, dataTable, \"%s\", \"%s\", %s);\n",
                    EscapeCSharpString(control.GetFieldRepData()->GetFrontField()->GetFieldName()),
                    EscapeCSharpString(control.GetFieldRepData()->GetBackField()->GetFieldName()),
                    dataRow ? "valueString" : "null");
    }
    m_out.Write(indent, "w.EndComboField();\n");
}

void TransactionGridWriter::WriteDateCell(const FieldRep& control, int indent, bool dataRow)
{
    const CString name = ControlName(control);
    const bool turned = m_fragments.ShowsDatesTurned();
    const bool readOnly = ReadOnlyFlag(control) == "true";
    // A stored row's date comes in the page's form (fillGridFor turns it).
    if (!dataRow)
    {
        // A new row's date is today's in the form the server reads, as a master date's default.
        m_out.Write(indent, "val_%s = utilHandler.getDateAsMMDDYYYY();\n", name);
        if (turned)
            m_out.Write(indent, "val_%s = utilHandler.ShownDate(val_%s);\n", name, name);
    }
    m_out.Write(indent, readOnly ? "actionString = null;\n"
                                 : "actionString = \"onKeyUp=\\\"date_dash(this,event)\\\" "
                                   "onKeyDown=\\\"date_dash(this,event)\\\"\";\n");
    // A stored row's date posts under its own row's name.
    if (dataRow)
        m_out.Write(indent,
                    "w.WriteInputField(\"text\", valueString, idString, actionString, "
                    "\"CalenderBoxControl\", %s, false, false, false, null, null);\n",
                    HiddenFlag(control));
    else
        m_out.Write(indent,
                    "w.WriteInputField(\"text\", val_%s, \"%s__ROW__\", actionString, "
                    "\"CalenderBoxControl\", %s, false, %s, false, null, null);\n",
                    name, RowId(name), HiddenFlag(control), ReadOnlyFlag(control));
    m_out.Write(indent, "imagePath = \"../../includes/images/calendar.gif\";\n");
    if (readOnly)
        m_out.Write(indent, "actionString = null;\n");
    else
    {
        m_out.Write(indent,
                    "actionString = \" onmouseover=\\\"if (timeoutId) clearTimeout(timeoutId); "
                    "window.status= 'Show Calendar'; return true;\\\" onmouseout=\\\"if "
                    "(timeoutDelay) calendarTimeout();window.status='';\\\"\" +\n");
        // The calendar writes the page's form, which the server reads.
        CString format = m_project.GetDateFormat();
        format.MakeLower();
        if (format != "dd/mm/yyyy" && format != "yyyy/mm/dd")
            format = "mm/dd/yyyy";
        if (dataRow)
            m_out.Write(
                indent,
                "\" onclick = 'g_Calendar.show(event,\" + idString + \",false,\\\"%s\\\");'\";\n",
                format);
        else
            m_out.Write(indent,
                        "\" onclick = 'g_Calendar.show(event,%s__ROW__,false,\\\"%s\\\");'\";\n",
                        RowId(name), format);
    }
    // A stored row shows a role that only views the record no calendar button.
    const bool mayActTested = dataRow && IsUpdatePage();
    WriteMayActTest(indent, mayActTested);
    m_out.Write(indent + (mayActTested ? 1 : 0),
                "w.WriteImageField(imagePath, null, null, null, actionString, "
                "\"CalenderButtonImage_In\", 0, 0, 0, 0, 0);\n");
}

void TransactionGridWriter::WriteRadioDefaultCell(const FieldRep& control, int indent)
{
    const CString name = ControlName(control);
    const std::vector<RadioItem> items = GetRadioItems(*control.GetFieldRepData());
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0, 0);\n");
        m_out.Write(
            indent,
            "w.WriteInputField(\"radio\", \"%s\", \"%s__ROW__\", null, null, %s, %s, false, "
            "bChecked_%s%d, %s, null);\n",
            EscapeCSharpString(items[i].value), RowId(name), HiddenFlag(control),
            ReadOnlyFlag(control), name, static_cast<int>(i), RecomputeArgument(control));
        m_out.Write(indent, "w.WriteTextField(\"%s\", \"RadioTextControl\");\n",
                    EscapeCSharpString(items[i].text));
        m_out.Write(indent, "w.EndGridData();\n");
        m_out.Write(0, "\n");
    }
}

void TransactionGridWriter::WriteRadioDataCell(const FieldRep& control, int indent)
{
    m_out.Write(indent, "valueString = valueString.Trim();\n");
    for (const RadioItem& item : GetRadioItems(*control.GetFieldRepData()))
    {
        const CString value = EscapeCSharpString(item.value);
        m_out.Write(indent, "w.BeginGridData(null, null, 0, 0, 0);\n");
        m_out.Write(indent, "if(valueString == \"%s\")\n", value);
        for (const char* checked : {"true", "false"})
        {
            if (checked[0] == 'f')
                m_out.Write(indent, "else\n");
            m_out.Write(indent + 1,
                        "w.WriteInputField(\"radio\", \"%s\", idString, null, null, %s, %s, false, "
                        "%s, %s, null);\n",
                        value, HiddenFlag(control), ReadOnlyFlag(control), checked,
                        RecomputeArgument(control, /*dataRow=*/true));
        }
        m_out.Write(indent, "w.WriteTextField(\"%s\", \"RadioTextControl\");\n",
                    EscapeCSharpString(item.text));
        m_out.Write(indent, "w.EndGridData();\n");
    }
    m_out.Write(0, "\n");
}

void TransactionGridWriter::WriteGridRowMethod(Table& table, int indent)
{
    BeginTable(table);
    m_declaredObjects.clear();
    m_dataTableDeclared = false;
    m_dateLocalsDeclared = false;
    m_isCheckedDeclared = false;
    m_prefix = GetGridRowPrefix(m_transaction, table);
    m_fragments.ClearDeclaredNames();
    const int i = indent;
    m_out.Write(i, "public void writeGridRowFor%s(ReportXMLWriter w, ArrayList strA, int count)\n",
                table.GetTableName());
    WriteCodeLines(m_out, {
                              {i, "{"},
                              {i + 1, "UtilHandler utilHandler = new UtilHandler();"},
                              {i + 1, "String idString = \"\";"},
                              {i + 1, "String valueString = \"\";"},
                          });
    m_out.Write(i + 1, "String inpString = \"%s\";\n", RowId("inp"));
    m_out.Write(i + 1, "inpString += count;\n");
    for (const FieldRep* control : m_controls)
        WriteDataCell(*control, i + 1);
    WriteCodeLines(m_out, {
                              {i + 1, "w.BeginGridData(null, null, 0, 0, 0);"},
                              {i + 1, "valueString = null;"},
                          });
    m_out.Write(i + 1, "idString = \"%s\" + count;\n", RowId("delete"));
    WriteMayActTest(i + 1, IsUpdatePage());
    // A posted row keeps its delete box as posted.
    m_out.Write(i + (IsUpdatePage() ? 2 : 1),
                "w.WriteInputField(\"checkbox\", valueString, idString, null, null, false, false, "
                "false, %s, null, null);\n",
                m_transaction.HasFileUploadControl()
                    ? "utilHandler.GetValueOfField(strA, \"delete\") != \"\""
                    : "false");
    WriteCodeLines(
        m_out,
        {
            {i + 1, "w.EndGridData();"},
            {i + 1, "w.BeginGridData(null, null, 0, 0, 0);"},
            {i + 1, "valueString = \"\" + count;"},
            {i + 1, "idString = inpString;"},
            {i + 1, "w.WriteInputField(\"hidden\", valueString, idString, null, null, false, "
                    "false, false, false, null, null);"},
            {i + 1, "w.EndGridData();"},
            {i + 1, "w.BeginGridData(null, null, 0, 0, 0);"},
        });
    m_out.Write(i + 1, "valueString = utilHandler.GetValueOfField(strA, \"%s\");\n",
                GetPrimaryKeyName(&table));
    m_out.Write(i + 1, "idString = \"%s\" + count;\n", RowId("id"));
    WriteCodeLines(m_out, {
                              {i + 1, "w.WriteInputField(\"hidden\", valueString, idString, null, "
                                      "null, false, false, false, false, null, null);"},
                              {i + 1, "w.EndGridData();"},
                              {i, "}"},
                          });
}

void TransactionGridWriter::WriteFillGridMethod(Table& table, int indent)
{
    const int i = indent;
    const CString name = table.GetTableName();
    const Field* foreignKey = table.FindForeignKeyFieldTo(m_transaction.GetBasicTable());
    m_out.Write(i, "public void fillGridFor%s(ReportXMLWriter w)\n", name);
    m_out.Write(i, "{\n");
    // The page's own form posts only the refused updates that it shows again.
    if (m_transaction.HasFileUploadControl())
    {
        m_out.Write(i + 1, "if (IsPostBack)\n");
        m_out.Write(i + 1, "{\n");
        m_out.Write(i + 2, "fillPostedGridFor%s(w);\n", name);
        m_out.Write(i + 2, "return;\n");
        m_out.Write(i + 1, "}\n");
    }
    m_out.Write(i + 1, "String primaryKey = this.Request.Params[\"%s\"];\n",
                GetPrimaryKeyName(m_transaction.GetBasicTable()));
    m_out.Write(i + 1, "DataTable dataTable = m_%s.SelectRecordFor%s(primaryKey);\n", name,
                foreignKey->GetFieldName());
    WriteCodeLines(m_out,
                   {
                       {i + 1, "int numColumns = dataTable.Columns.Count;"},
                       {i + 1, "int numRows = dataTable.Rows.Count;"},
                       {i + 1, "int count = 1;"},
                       {i + 1, "for(int i = 0; i < numRows; i++)"},
                       {i + 1, "{"},
                       {i + 2, "DataRow r = dataTable.Rows[i];"},
                       {i + 2, "w.BeginGridDataRow(null);"},
                       {i + 2, "String valueString = \"\";"},
                       {i + 2, "ArrayList strA = new ArrayList(); "},
                       {0, ""},
                       {i + 2, "for (int j = 0; j < numColumns; j++)"},
                       {i + 2, "{"},
                       {i + 3, "String columnName = dataTable.Columns[j].ColumnName.ToString();"},
                   });
    // Each column's name in the query's table and the id of its cells.
    std::vector<std::pair<CString, const FieldRep*>> columns{{GetPrimaryKeyName(&table), nullptr}};
    for (const FieldRep* control : m_controls)
        columns.emplace_back(ColumnName(*control), control);
    for (const auto& [column, control] : columns)
    {
        m_out.Write(i + 3, "if (columnName.Equals(\"%s\"))\n", column);
        m_out.Write(i + 3, "{\n");
        m_out.Write(i + 4, "valueString = r[j].ToString();\n");
        m_out.Write(i + 4, "FieldValues s = new FieldValues();\n");
        m_out.Write(i + 4, "s.m_fieldName = \"%s\";\n",
                    control != nullptr ? ControlName(*control) : column);
        // The row shows a stored date in the page's form, as a posted row shows it as typed.
        if (control != nullptr && ControlKind(*control) == FieldRepData::DateControl &&
            m_fragments.ShowsDatesTurned())
            m_out.Write(i + 4, "s.m_value = new UtilHandler().ShownDate(valueString);\n");
        else
            m_out.Write(i + 4, "s.m_value = valueString;\n");
        m_out.Write(i + 4, "strA.Add(s);\n");
        m_out.Write(i + 3, "}\n");
    }
    m_out.Write(i + 2, "}\n");
    m_out.Write(i + 2, "writeGridRowFor%s(w, strA, count);\n", name);
    WriteCodeLines(m_out, {
                              {i + 2, "w.EndGridDataRow();"},
                              {i + 2, "count++;"},
                              {i + 1, "}"},
                              {i, "}"},
                          });
}

void TransactionGridWriter::WriteFillOptionsMethod(int indent)
{
    const int i = indent;
    WriteCodeLines(
        m_out,
        {
            {i, "public void fillOptionsForGridCombo(ReportXMLWriter w, DataTable dataTable, "
                "String frontField, String backField, String selectString)"},
            {i, "{"},
            {i + 1, "UtilHandler util = new UtilHandler();"},
            {i + 1, "int numColumns = dataTable.Columns.Count;"},
            {i + 1, "int numRows = dataTable.Rows.Count;"},
            {0, ""},
            {i + 1, "w.WriteComboOption(\"null\", \"None\", true);"},
            {0, ""},
            {i + 1, "for (int i = 0; i < numRows; i++)"},
            {i + 1, "{"},
            {i + 2, "DataRow r = dataTable.Rows[i];"},
            {i + 2, "string backId = \"\";"},
            {i + 2, "string frontId = \"\";"},
            {i + 2, "bool selected = false;"},
            {i + 2, "for (int j = 0; j < numColumns; j++)"},
            {i + 2, "{"},
            {i + 3, "String columnName = dataTable.Columns[j].ColumnName.ToString();"},
            {i + 3, "if (columnName.Equals(backField))"},
            {i + 3, "{"},
            {i + 4, "backId = r[j].ToString();"},
            {i + 4, "if (backId == selectString)"},
            {i + 5, "selected = true;"},
            {i + 3, "}"},
            {i + 3, "if (columnName.Equals(frontField))"},
            {i + 3, "{"},
            {i + 4, "frontId = r[j].ToString();"},
            {i + 3, "}"},
            {i + 2, "}"},
            {i + 2, "w.WriteComboOption(util.ConvertToXML(backId), util.ConvertToXML(frontId), "
                    "selected);"},
            {i + 1, "}"},
            {i, "}"},
        });
}

bool TransactionGridWriter::IsUpdatePage() const
{
    return m_pageFile.GetFileKind() == transactionUpdateFileKind;
}

CString TransactionGridWriter::HiddenFlag(const FieldRep& control) const
{
    const FieldVisibility* visibility = m_pageFile.FindFieldVisibility(control.GetField());
    return visibility != nullptr && visibility->GetVisibilityKind() == FieldVisibility::Invisible
               ? "true"
               : "false";
}

CString TransactionGridWriter::ReadOnlyFlag(const FieldRep& control) const
{
    const FieldVisibility* visibility = m_pageFile.FindFieldVisibility(control.GetField());
    return visibility != nullptr && visibility->GetVisibilityKind() == FieldVisibility::ReadOnly
               ? "true"
               : "false";
}

bool TransactionGridWriter::IsRecomputedInRow(const FieldRep& control) const
{
    return std::any_of(m_controls.begin(), m_controls.end(),
                       [&control](const FieldRep* other) {
                           return other != &control &&
                                  other->GetFieldRepData()->HasClassRecomputeFor(&control);
                       });
}
