#include "gen_web/ControlFieldHandlerWriter.h"

#include "gen_web/CodeLines.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"

ControlFieldHandlerWriter::ControlFieldHandlerWriter(const ForgeonProject& project, TextFile& file)
    : m_file(file), m_namespace(CSharpIdentifier(project.GetProjectName()))
{
}

void ControlFieldHandlerWriter::Write()
{
    WriteHead();
    WriteAddItems();
    WriteSetSelectedItem();
    WriteSetSelectedItemForEditable();
    WriteGetValueFromDataTable();
    m_file.Write(1, "}\n");
    m_file.Write(0, "}\n");
}

void ControlFieldHandlerWriter::WriteHead()
{
    WriteCodeLines(m_file, {
                               {0, "using System;"},
                               {0, "using System.Data;"},
                               {0, "using System.Data.SqlClient;"},
                               {0, "using System.Web.UI.WebControls;"},
                               {0, ""},
                               {0, ""},
                           });
    m_file.Write(0, "namespace %s\n", m_namespace);
    WriteCodeLines(m_file,
                   {
                       {0, "{"},
                       {1, "//This class handles population and selection for various controls"},
                       {1, "public partial class ControlFieldHandler"},
                       {1, "{"},
                   });
}

// The two fill methods differ only in the list they fill.
void ControlFieldHandlerWriter::WriteAddItems()
{
    struct Target
    {
        const char* comment;
        const char* signature;
        const char* items;
    };
    const Target targets[] = {
        {"//Adds items to the DropDownList from DataTable",
         "public void AddItemsToDropDownListFromDataTable(DataTable dataTable, DropDownList combo, "
         "string frontField, string backField)",
         "combo.Items"},
        {"//Adds items to the Editable DropDownList from DataTable",
         "public void AddItemsToEditableDropDownListFromDataTable(DataTable dataTable, ListBox "
         "list, string frontField, string backField)",
         "list.Items"},
    };
    for (const Target& target : targets)
    {
        m_file.Write(2, "%s\n", target.comment);
        m_file.Write(2, "%s\n", target.signature);
        WriteCodeLines(m_file, {
                                   {2, "{"},
                                   {3, "foreach (DataRow row in dataTable.Rows)"},
                                   {3, "{"},
                                   {4, "ListItem item = new ListItem();"},
                                   {4, "foreach (DataColumn column in dataTable.Columns)"},
                                   {4, "{"},
                                   {5, "String columnName = column.ColumnName;"},
                                   {5, "if (columnName.Equals(frontField))"},
                                   {6, "item.Text = row[columnName].ToString();"},
                                   {5, "if (columnName.Equals(backField))"},
                                   {6, "item.Value = row[columnName].ToString();"},
                                   {4, "}"},
                               });
        m_file.Write(4, "%s.Add(item);\n", target.items);
        m_file.Write(3, "}\n");
        m_file.Write(2, "}\n");
    }
}

void ControlFieldHandlerWriter::WriteSetSelectedItem()
{
    WriteColumnSearch(
        "//Set the SelectedItem for DropDrownList",
        "public void SetSelectedItemForDropDownList(DataTable dataTable, DropDownList "
        "combo, string field)",
        {
            {5, "if (columnName.Equals(field))"},
            {5, "{"},
            {6, "combo.SelectedValue = row[columnName].ToString();"},
            {6, "combo.Text = combo.SelectedItem.Text;"},
            {6, "return;"},
            {5, "}"},
        },
        {});
}

void ControlFieldHandlerWriter::WriteSetSelectedItemForEditable()
{
    WriteColumnSearch(
        "//Set the SelectedItem for Editable DropDrownList",
        "public String SetSelectedItemForEditableDropDownList(DataTable dataTable, ListBox list, "
        "string frontField, string backField, string selectedValue)",
        {
            {5,
             "if (columnName.Equals(backField) && row[columnName].ToString() == selectedValue &&"},
            {6, "dataTable.Columns.Contains(frontField))"},
            {5, "{"},
            {6, "String text = row[frontField].ToString();"},
            {6, "list.Text = text;"},
            {6, "return text;"},
            {5, "}"},
        },
        {{3, "return \"\";"}});
}

void ControlFieldHandlerWriter::WriteGetValueFromDataTable()
{
    WriteColumnSearch("//Get field value from dataTable",
                      "public String GetValueFromDataTable(DataTable dataTable, string fieldName)",
                      {
                          {5, "if (columnName.Equals(fieldName))"},
                          {6, "return row[columnName].ToString();"},
                      },
                      {{3, "return \"\";"}});
}

void ControlFieldHandlerWriter::WriteColumnSearch(const char* comment, const char* signature,
                                                  std::initializer_list<CodeLine> columnTest,
                                                  std::initializer_list<CodeLine> notFound)
{
    m_file.Write(2, "%s\n", comment);
    m_file.Write(2, "%s\n", signature);
    WriteCodeLines(m_file, {
                               {2, "{"},
                               {3, "foreach (DataRow row in dataTable.Rows)"},
                               {3, "{"},
                               {4, "foreach (DataColumn column in dataTable.Columns)"},
                               {4, "{"},
                               {5, "String columnName = column.ColumnName;"},
                           });
    WriteCodeLines(m_file, columnTest);
    m_file.Write(4, "}\n");
    m_file.Write(3, "}\n");
    WriteCodeLines(m_file, notFound);
    m_file.Write(2, "}\n");
}
