#include "gen_reports/DataSetCodeWriter.h"

#include "model/Identifiers.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"
#include "platform/core/StringFormat.h"

namespace
{
constexpr const char* generatedCode = "[System.CodeDom.Compiler.GeneratedCodeAttribute("
                                      "\"System.Data.Design.TypedDataSetGenerator\", "
                                      "\"2.0.0.0\")]\n";
constexpr const char* nonUserCode = "[System.Diagnostics.DebuggerNonUserCodeAttribute()]\n";
} // namespace

DataSetCodeWriter::DataSetCodeWriter(const DataSetNames& names, TextFile& file)
    : m_names(names), m_file(file), m_dataSet(CSharpIdentifier(names.dataSetName)),
      m_table(CSharpIdentifierPart(names.tableName)), m_columns(DataSetColumnParts(names.columns)),
      m_commandLiteral(EscapeCSharpString(names.commandText))
{
}

void DataSetCodeWriter::Write()
{
    m_file.Write(0, "#pragma warning disable 1591\n");
    m_file.Write(0, "\n");
    m_file.Write(0, "\n");
    m_file.Write(0, "namespace %s.DataSets {\n", CSharpIdentifier(m_names.projectName));
    m_file.Write(1, "using System;\n");
    m_file.Write(0, "\n");
    WriteDataSetClass();
    m_file.Write(0, "}\n");
    WriteTableAdapterNamespace();
    m_file.Write(0, "#pragma warning restore 1591\n");
}

void DataSetCodeWriter::WriteDataSetClass()
{
    m_file.Write(1, generatedCode);
    m_file.Write(1, "[Serializable()]\n");
    m_file.Write(1, "[System.ComponentModel.DesignerCategoryAttribute(\"code\")]\n");
    m_file.Write(1, "[System.ComponentModel.ToolboxItem(true)]\n");
    m_file.Write(
        1, "[System.Xml.Serialization.XmlSchemaProviderAttribute(\"GetTypedDataSetSchema\")]\n");
    m_file.Write(1, "[System.Xml.Serialization.XmlRootAttribute(\"%s\")]\n", m_names.dataSetName);
    m_file.Write(1, "[System.ComponentModel.Design.HelpKeywordAttribute(\"vs.data.DataSet\")]\n");
    m_file.Write(1, "public partial class %s : System.Data.DataSet {\n", m_dataSet);
    m_file.Write(0, "\n");
    m_file.Write(2, "private %sDataTable table%s;\n", m_table, m_table);
    m_file.Write(0, "\n");
    m_file.Write(2, "private System.Data.SchemaSerializationMode _schemaSerializationMode = "
                    "System.Data.SchemaSerializationMode.IncludeSchema;\n");
    m_file.Write(0, "\n");
    WriteDataSetConstructors();
    WriteDataSetProperties();
    WriteDataSetSerialization();
    WriteDataSetInitialization();
    m_file.Write(
        2, "public delegate void %sRowChangeEventHandler(object sender, %sRowChangeEvent e);\n",
        m_table, m_table);
    m_file.Write(0, "\n");
    WriteTableClass();
    WriteRowClass();
    WriteRowChangeEventClass();
    m_file.Write(1, "}\n");
}

void DataSetCodeWriter::WriteDataSetConstructors()
{
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "public %s()\n", m_dataSet);
    m_file.Write(2, "{\n");
    m_file.Write(3, "this.BeginInit();\n");
    m_file.Write(3, "this.InitClass();\n");
    m_file.Write(3, "System.ComponentModel.CollectionChangeEventHandler schemaChangedHandler = new "
                    "System.ComponentModel.CollectionChangeEventHandler(this.SchemaChanged);\n");
    m_file.Write(3, "base.Tables.CollectionChanged += schemaChangedHandler;\n");
    m_file.Write(3, "base.Relations.CollectionChanged += schemaChangedHandler;\n");
    m_file.Write(3, "this.EndInit();\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2,
                 "protected %s(System.Runtime.Serialization.SerializationInfo info, "
                 "System.Runtime.Serialization.StreamingContext context) : \n",
                 m_dataSet);
    m_file.Write(2, "base(info, context, false) {\n");
    m_file.Write(3, "if ((this.IsBinarySerialized(info, context) == true)) {\n");
    m_file.Write(4, "this.InitVars(false);\n");
    m_file.Write(4,
                 "System.ComponentModel.CollectionChangeEventHandler schemaChangedHandler1 = new "
                 "System.ComponentModel.CollectionChangeEventHandler(this.SchemaChanged);\n");
    m_file.Write(4, "this.Tables.CollectionChanged += schemaChangedHandler1;\n");
    m_file.Write(4, "this.Relations.CollectionChanged += schemaChangedHandler1;\n");
    m_file.Write(4, "return;\n");
    m_file.Write(3, "}\n");
    m_file.Write(3,
                 "string strSchema = ((string)(info.GetValue(\"XmlSchema\", typeof(string))));\n");
    m_file.Write(3, "if ((this.DetermineSchemaSerializationMode(info, context) == "
                    "System.Data.SchemaSerializationMode.IncludeSchema)) {\n");
    m_file.Write(4, "System.Data.DataSet ds = new System.Data.DataSet();\n");
    m_file.Write(4, "ds.ReadXmlSchema(new System.Xml.XmlTextReader(new "
                    "System.IO.StringReader(strSchema)));\n");
    WriteMergeReadDataSet(4);
    m_file.Write(3, "}\n");
    m_file.Write(3, "else {\n");
    m_file.Write(4, "this.ReadXmlSchema(new System.Xml.XmlTextReader(new "
                    "System.IO.StringReader(strSchema)));\n");
    m_file.Write(3, "}\n");
    m_file.Write(3, "this.GetSerializationData(info, context);\n");
    m_file.Write(3, "System.ComponentModel.CollectionChangeEventHandler schemaChangedHandler = new "
                    "System.ComponentModel.CollectionChangeEventHandler(this.SchemaChanged);\n");
    m_file.Write(3, "base.Tables.CollectionChanged += schemaChangedHandler;\n");
    m_file.Write(3, "this.Relations.CollectionChanged += schemaChangedHandler;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteMergeReadDataSet(int indent)
{
    m_file.Write(indent, "if ((ds.Tables[\"%s\"] != null)) {\n", m_names.tableName);
    m_file.Write(indent + 1, "base.Tables.Add(new %sDataTable(ds.Tables[\"%s\"]));\n", m_table,
                 m_names.tableName);
    m_file.Write(indent, "}\n");
    m_file.Write(indent, "this.DataSetName = ds.DataSetName;\n");
    m_file.Write(indent, "this.Prefix = ds.Prefix;\n");
    m_file.Write(indent, "this.Namespace = ds.Namespace;\n");
    m_file.Write(indent, "this.Locale = ds.Locale;\n");
    m_file.Write(indent, "this.CaseSensitive = ds.CaseSensitive;\n");
    m_file.Write(indent, "this.EnforceConstraints = ds.EnforceConstraints;\n");
    m_file.Write(indent, "this.Merge(ds, false, System.Data.MissingSchemaAction.Add);\n");
    m_file.Write(indent, "this.InitVars();\n");
}

void DataSetCodeWriter::WriteDataSetProperties()
{
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "[System.ComponentModel.Browsable(false)]\n");
    m_file.Write(2, "[System.ComponentModel.DesignerSerializationVisibility("
                    "System.ComponentModel.DesignerSerializationVisibility.Content)]\n");
    WriteReadOnlyProperty(2,
                          FormatString("public %sDataTable %s", m_table,
                                       CSharpIdentifier(m_names.tableName).GetString()),
                          FormatString("this.table%s", m_table));
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "[System.ComponentModel.BrowsableAttribute(true)]\n");
    m_file.Write(2, "[System.ComponentModel.DesignerSerializationVisibilityAttribute("
                    "System.ComponentModel.DesignerSerializationVisibility.Visible)]\n");
    m_file.Write(2,
                 "public override System.Data.SchemaSerializationMode SchemaSerializationMode {\n");
    m_file.Write(3, "get {\n");
    m_file.Write(4, "return this._schemaSerializationMode;\n");
    m_file.Write(3, "}\n");
    m_file.Write(3, "set {\n");
    m_file.Write(4, "this._schemaSerializationMode = value;\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "[System.ComponentModel.DesignerSerializationVisibilityAttribute("
                    "System.ComponentModel.DesignerSerializationVisibility.Hidden)]\n");
    WriteReadOnlyProperty(2, "public new System.Data.DataTableCollection Tables", "base.Tables");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "[System.ComponentModel.DesignerSerializationVisibilityAttribute("
                    "System.ComponentModel.DesignerSerializationVisibility.Hidden)]\n");
    WriteReadOnlyProperty(2, "public new System.Data.DataRelationCollection Relations",
                          "base.Relations");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "protected override void InitializeDerivedDataSet() {\n");
    m_file.Write(3, "this.BeginInit();\n");
    m_file.Write(3, "this.InitClass();\n");
    m_file.Write(3, "this.EndInit();\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "public override System.Data.DataSet Clone() {\n");
    m_file.Write(3, "%s cln = ((%s)(base.Clone()));\n", m_dataSet, m_dataSet);
    m_file.Write(3, "cln.InitVars();\n");
    m_file.Write(3, "cln.SchemaSerializationMode = this.SchemaSerializationMode;\n");
    m_file.Write(3, "return cln;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "protected override bool ShouldSerializeTables() {\n");
    m_file.Write(3, "return false;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "protected override bool ShouldSerializeRelations() {\n");
    m_file.Write(3, "return false;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteDataSetSerialization()
{
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "protected override void ReadXmlSerializable(System.Xml.XmlReader reader) {\n");
    m_file.Write(3, "if ((this.DetermineSchemaSerializationMode(reader) == "
                    "System.Data.SchemaSerializationMode.IncludeSchema)) {\n");
    m_file.Write(4, "this.Reset();\n");
    m_file.Write(4, "System.Data.DataSet ds = new System.Data.DataSet();\n");
    m_file.Write(4, "ds.ReadXml(reader);\n");
    WriteMergeReadDataSet(4);
    m_file.Write(3, "}\n");
    m_file.Write(3, "else {\n");
    m_file.Write(4, "this.ReadXml(reader);\n");
    m_file.Write(4, "this.InitVars();\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "protected override System.Xml.Schema.XmlSchema GetSchemaSerializable() {\n");
    m_file.Write(3, "System.IO.MemoryStream stream = new System.IO.MemoryStream();\n");
    m_file.Write(3, "this.WriteXmlSchema(new System.Xml.XmlTextWriter(stream, null));\n");
    m_file.Write(3, "stream.Position = 0;\n");
    m_file.Write(3, "return System.Xml.Schema.XmlSchema.Read(new System.Xml.XmlTextReader(stream), "
                    "null);\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteDataSetInitialization()
{
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "internal void InitVars() {\n");
    m_file.Write(3, "this.InitVars(true);\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "internal void InitVars(bool initTable) {\n");
    m_file.Write(3, "this.table%s = ((%sDataTable)(base.Tables[\"%s\"]));\n", m_table, m_table,
                 m_names.tableName);
    m_file.Write(3, "if ((initTable == true)) {\n");
    m_file.Write(4, "if ((this.table%s != null)) {\n", m_table);
    m_file.Write(5, "this.table%s.InitVars();\n", m_table);
    m_file.Write(4, "}\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private void InitClass() {\n");
    m_file.Write(3, "this.DataSetName = \"%s\";\n", m_names.dataSetName);
    m_file.Write(3, "this.Prefix = \"\";\n");
    m_file.Write(3, "this.Namespace = \"%s%s.xsd\";\n", dataSetNamespaceBase, m_names.dataSetName);
    m_file.Write(3, "this.EnforceConstraints = true;\n");
    m_file.Write(3, "this.SchemaSerializationMode = "
                    "System.Data.SchemaSerializationMode.IncludeSchema;\n");
    m_file.Write(3, "this.table%s = new %sDataTable();\n", m_table, m_table);
    m_file.Write(3, "base.Tables.Add(this.table%s);\n", m_table);
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private bool ShouldSerialize%s() {\n", m_table);
    m_file.Write(3, "return false;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private void SchemaChanged(object sender, "
                    "System.ComponentModel.CollectionChangeEventArgs e) {\n");
    m_file.Write(3, "if ((e.Action == System.ComponentModel.CollectionChangeAction.Remove)) {\n");
    m_file.Write(4, "this.InitVars();\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "public static System.Xml.Schema.XmlSchemaComplexType "
                    "GetTypedDataSetSchema(System.Xml.Schema.XmlSchemaSet xs) {\n");
    m_file.Write(3, "%s ds = new %s();\n", m_dataSet, m_dataSet);
    m_file.Write(3, "System.Xml.Schema.XmlSchemaComplexType type = new "
                    "System.Xml.Schema.XmlSchemaComplexType();\n");
    m_file.Write(3, "System.Xml.Schema.XmlSchemaSequence sequence = new "
                    "System.Xml.Schema.XmlSchemaSequence();\n");
    m_file.Write(3, "xs.Add(ds.GetSchemaSerializable());\n");
    m_file.Write(3, "System.Xml.Schema.XmlSchemaAny any = new System.Xml.Schema.XmlSchemaAny();\n");
    m_file.Write(3, "any.Namespace = ds.Namespace;\n");
    m_file.Write(3, "sequence.Items.Add(any);\n");
    m_file.Write(3, "type.Particle = sequence;\n");
    m_file.Write(3, "return type;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableClass()
{
    m_file.Write(2, generatedCode);
    m_file.Write(2, "[System.Serializable()]\n");
    m_file.Write(
        2, "[System.Xml.Serialization.XmlSchemaProviderAttribute(\"GetTypedTableSchema\")]\n");
    m_file.Write(2,
                 "public partial class %sDataTable : System.Data.DataTable, "
                 "System.Collections.IEnumerable {\n",
                 m_table);
    m_file.Write(0, "\n");
    for (const CString& column : m_columns)
    {
        m_file.Write(3, "private System.Data.DataColumn column%s;\n", column);
        m_file.Write(0, "\n");
    }
    WriteTableConstructors();
    WriteTableAccessors();
    WriteTableRowMethods();
    WriteTableInitialization();
    WriteTableEvents();
    WriteTableSchema();
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableConstructors()
{
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public %sDataTable() {\n", m_table);
    m_file.Write(4, "this.TableName = \"%s\";\n", m_names.tableName);
    m_file.Write(4, "this.BeginInit();\n");
    m_file.Write(4, "this.InitClass();\n");
    m_file.Write(4, "this.EndInit();\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "internal %sDataTable(System.Data.DataTable table) {\n", m_table);
    m_file.Write(4, "this.TableName = table.TableName;\n");
    m_file.Write(4, "if ((table.CaseSensitive != table.DataSet.CaseSensitive)) {\n");
    m_file.Write(5, "this.CaseSensitive = table.CaseSensitive;\n");
    m_file.Write(4, "}\n");
    m_file.Write(4, "if ((table.Locale.ToString() != table.DataSet.Locale.ToString())) {\n");
    m_file.Write(5, "this.Locale = table.Locale;\n");
    m_file.Write(4, "}\n");
    m_file.Write(4, "if ((table.Namespace != table.DataSet.Namespace)) {\n");
    m_file.Write(5, "this.Namespace = table.Namespace;\n");
    m_file.Write(4, "}\n");
    m_file.Write(4, "this.Prefix = table.Prefix;\n");
    m_file.Write(4, "this.MinimumCapacity = table.MinimumCapacity;\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3,
                 "protected %sDataTable(System.Runtime.Serialization.SerializationInfo info, "
                 "System.Runtime.Serialization.StreamingContext context) : \n",
                 m_table);
    m_file.Write(3, "base(info, context) {\n");
    m_file.Write(4, "this.InitVars();\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableAccessors()
{
    for (const CString& column : m_columns)
    {
        m_file.Write(3, nonUserCode);
        WriteReadOnlyProperty(3, "public System.Data.DataColumn " + column + "Column",
                              "this.column" + column);
        m_file.Write(0, "\n");
    }
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "[System.ComponentModel.Browsable(false)]\n");
    WriteReadOnlyProperty(3, "public int Count", "this.Rows.Count");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    WriteReadOnlyProperty(3, FormatString("public %sRow this[int index]", m_table),
                          FormatString("((%sRow)(this.Rows[index]))", m_table));
    m_file.Write(0, "\n");
    for (const char* event : {"RowChanging", "RowChanged", "RowDeleting", "RowDeleted"})
    {
        m_file.Write(3, "public event %sRowChangeEventHandler %s%s;\n", m_table, m_table, event);
        m_file.Write(0, "\n");
    }
}

void DataSetCodeWriter::WriteTableRowMethods()
{
    CString parameters;
    CString values;
    for (std::size_t i = 1; i < m_names.columns.size(); ++i)
    {
        parameters += (i > 1 ? ", string " : "string ") + CSharpIdentifier(m_columns[i]);
        values += (i > 1 ? ", " : "") + CSharpIdentifier(m_columns[i]);
    }
    const CString& key = m_columns.front();
    const CString keyParameter = CSharpIdentifier(key);
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public void Add%sRow(%sRow row) {\n", m_table, m_table);
    m_file.Write(4, "this.Rows.Add(row);\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public %sRow Add%sRow(%s) {\n", m_table, m_table, parameters);
    m_file.Write(4, "%sRow row%sRow = ((%sRow)(this.NewRow()));\n", m_table, m_table, m_table);
    m_file.Write(4, "row%sRow.ItemArray = new object[] {null, %s};\n", m_table, values);
    m_file.Write(4, "this.Rows.Add(row%sRow);\n", m_table);
    m_file.Write(4, "return row%sRow;\n", m_table);
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public %sRow FindBy%s(int %s) {\n", m_table, key, keyParameter);
    m_file.Write(4, "return ((%sRow)(this.Rows.Find(new object[] {\n", m_table);
    m_file.Write(6, "%s})));\n", keyParameter);
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public virtual System.Collections.IEnumerator GetEnumerator() {\n");
    m_file.Write(4, "return this.Rows.GetEnumerator();\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public override System.Data.DataTable Clone() {\n");
    m_file.Write(4, "%sDataTable cln = ((%sDataTable)(base.Clone()));\n", m_table, m_table);
    m_file.Write(4, "cln.InitVars();\n");
    m_file.Write(4, "return cln;\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "protected override System.Data.DataTable CreateInstance() {\n");
    m_file.Write(4, "return new %sDataTable();\n", m_table);
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableInitialization()
{
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "internal void InitVars() {\n");
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        m_file.Write(4, "this.column%s = base.Columns[\"%s\"];\n", m_columns[i],
                     EscapeCSharpString(m_names.columns[i]));
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "private void InitClass() {\n");
    for (std::size_t i = 0; i < m_columns.size(); ++i)
    {
        m_file.Write(4,
                     "this.column%s = new System.Data.DataColumn(\"%s\", typeof(%s), null, "
                     "System.Data.MappingType.Element);\n",
                     m_columns[i], EscapeCSharpString(m_names.columns[i]), "string");
        m_file.Write(4, "base.Columns.Add(this.column%s);\n", m_columns[i]);
    }
    const CString& key = m_columns.front();
    m_file.Write(4, "this.Constraints.Add(new System.Data.UniqueConstraint(\"Constraint1\", new "
                    "System.Data.DataColumn[] {\n");
    m_file.Write(8, "this.column%s}, true));\n", key);
    m_file.Write(4, "this.column%s.AutoIncrement = true;\n", key);
    m_file.Write(4, "this.column%s.AllowDBNull = false;\n", key);
    m_file.Write(4, "this.column%s.ReadOnly = true;\n", key);
    m_file.Write(4, "this.column%s.Unique = true;\n", key);
    for (std::size_t i = 1; i < m_names.columns.size(); ++i)
    {
        const CString& column = m_columns[i];
        m_file.Write(4, "this.column%s.AllowDBNull = false;\n", column);
        m_file.Write(4, "this.column%s.MaxLength = %d;\n", column, 50);
    }
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public %sRow New%sRow() {\n", m_table, m_table);
    m_file.Write(4, "return ((%sRow)(this.NewRow()));\n", m_table);
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "protected override System.Data.DataRow "
                    "NewRowFromBuilder(System.Data.DataRowBuilder builder) {\n");
    m_file.Write(4, "return new %sRow(builder);\n", m_table);
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "protected override System.Type GetRowType() {\n");
    m_file.Write(4, "return typeof(%sRow);\n", m_table);
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableEvents()
{
    for (const char* event : {"RowChanged", "RowChanging", "RowDeleted", "RowDeleting"})
    {
        m_file.Write(3, nonUserCode);
        m_file.Write(3, "protected override void On%s(System.Data.DataRowChangeEventArgs e) {\n",
                     event);
        m_file.Write(4, "base.On%s(e);\n", event);
        m_file.Write(4, "if ((this.%s%s != null)) {\n", m_table, event);
        m_file.Write(5, "this.%s%s(this, new %sRowChangeEvent(((%sRow)(e.Row)), e.Action));\n",
                     m_table, event, m_table, m_table);
        m_file.Write(4, "}\n");
        m_file.Write(3, "}\n");
        m_file.Write(0, "\n");
    }
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public void Remove%sRow(%sRow row) {\n", m_table, m_table);
    m_file.Write(4, "this.Rows.Remove(row);\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableSchema()
{
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public static System.Xml.Schema.XmlSchemaComplexType "
                    "GetTypedTableSchema(System.Xml.Schema.XmlSchemaSet xs) {\n");
    m_file.Write(4, "System.Xml.Schema.XmlSchemaComplexType type = new "
                    "System.Xml.Schema.XmlSchemaComplexType();\n");
    m_file.Write(4, "System.Xml.Schema.XmlSchemaSequence sequence = new "
                    "System.Xml.Schema.XmlSchemaSequence();\n");
    m_file.Write(4, "%s ds = new %s();\n", m_dataSet, m_dataSet);
    m_file.Write(4, "xs.Add(ds.GetSchemaSerializable());\n");
    m_file.Write(4,
                 "System.Xml.Schema.XmlSchemaAny any1 = new System.Xml.Schema.XmlSchemaAny();\n");
    m_file.Write(4, "any1.Namespace = \"http://www.w3.org/2001/XMLSchema\";\n");
    m_file.Write(4, "any1.MinOccurs = new decimal(0);\n");
    m_file.Write(4, "any1.MaxOccurs = decimal.MaxValue;\n");
    m_file.Write(4, "any1.ProcessContents = System.Xml.Schema.XmlSchemaContentProcessing.Lax;\n");
    m_file.Write(4, "sequence.Items.Add(any1);\n");
    m_file.Write(4,
                 "System.Xml.Schema.XmlSchemaAny any2 = new System.Xml.Schema.XmlSchemaAny();\n");
    m_file.Write(4, "any2.Namespace = \"urn:schemas-microsoft-com:xml-diffgram-v1\";\n");
    m_file.Write(4, "any2.MinOccurs = new decimal(1);\n");
    m_file.Write(4, "any2.ProcessContents = System.Xml.Schema.XmlSchemaContentProcessing.Lax;\n");
    m_file.Write(4, "sequence.Items.Add(any2);\n");
    m_file.Write(4, "System.Xml.Schema.XmlSchemaAttribute attribute1 = new "
                    "System.Xml.Schema.XmlSchemaAttribute();\n");
    m_file.Write(4, "attribute1.Name = \"namespace\";\n");
    m_file.Write(4, "attribute1.FixedValue = ds.Namespace;\n");
    m_file.Write(4, "type.Attributes.Add(attribute1);\n");
    m_file.Write(4, "System.Xml.Schema.XmlSchemaAttribute attribute2 = new "
                    "System.Xml.Schema.XmlSchemaAttribute();\n");
    m_file.Write(4, "attribute2.Name = \"tableTypeName\";\n");
    m_file.Write(4, "attribute2.FixedValue = \"%sDataTable\";\n", m_table);
    m_file.Write(4, "type.Attributes.Add(attribute2);\n");
    m_file.Write(4, "type.Particle = sequence;\n");
    m_file.Write(4, "return type;\n");
    m_file.Write(3, "}\n");
}

void DataSetCodeWriter::WriteRowClass()
{
    m_file.Write(2, generatedCode);
    m_file.Write(2, "public partial class %sRow : System.Data.DataRow {\n", m_table);
    m_file.Write(0, "\n");
    m_file.Write(3, "private %sDataTable table%s;\n", m_table, m_table);
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "internal %sRow(System.Data.DataRowBuilder rb) : \n", m_table);
    m_file.Write(3, "base(rb) {\n");
    m_file.Write(4, "this.table%s = ((%sDataTable)(this.Table));\n", m_table, m_table);
    m_file.Write(3, "}\n");
    for (const CString& part : m_columns)
    {
        m_file.Write(0, "\n");
        m_file.Write(3, nonUserCode);
        m_file.Write(3, "public %s %s {\n", "string", CSharpIdentifier(part));
        m_file.Write(4, "get {\n");
        m_file.Write(5, "return ((%s)(this[this.table%s.%sColumn]));\n", "string", m_table, part);
        m_file.Write(4, "}\n");
        m_file.Write(4, "set {\n");
        m_file.Write(5, "this[this.table%s.%sColumn] = value;\n", m_table, part);
        m_file.Write(4, "}\n");
        m_file.Write(3, "}\n");
    }
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteRowChangeEventClass()
{
    m_file.Write(2, generatedCode);
    m_file.Write(2, "public class %sRowChangeEvent : System.EventArgs {\n", m_table);
    m_file.Write(0, "\n");
    m_file.Write(3, "private %sRow eventRow;\n", m_table);
    m_file.Write(0, "\n");
    m_file.Write(3, "private System.Data.DataRowAction eventAction;\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    m_file.Write(3, "public %sRowChangeEvent(%sRow row, System.Data.DataRowAction action) {\n",
                 m_table, m_table);
    m_file.Write(4, "this.eventRow = row;\n");
    m_file.Write(4, "this.eventAction = action;\n");
    m_file.Write(3, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    WriteReadOnlyProperty(3, FormatString("public %sRow Row", m_table), "this.eventRow");
    m_file.Write(0, "\n");
    m_file.Write(3, nonUserCode);
    WriteReadOnlyProperty(3, "public System.Data.DataRowAction Action", "this.eventAction");
    m_file.Write(2, "}\n");
}

void DataSetCodeWriter::WriteTableAdapterNamespace()
{
    m_file.Write(0, "namespace %s.DataSets.%sTableAdapters {\n",
                 CSharpIdentifier(m_names.projectName), CSharpIdentifierPart(m_names.dataSetName));
    m_file.Write(0, "\n");
    m_file.Write(0, "\n");
    m_file.Write(1, generatedCode);
    m_file.Write(1, "[System.ComponentModel.DesignerCategoryAttribute(\"code\")]\n");
    m_file.Write(1, "[System.ComponentModel.ToolboxItem(true)]\n");
    m_file.Write(1, "[System.ComponentModel.DataObjectAttribute(true)]\n");
    m_file.Write(1, "[System.ComponentModel.DesignerAttribute(\"Microsoft.VSDesigner.DataSource."
                    "Design.TableAdapterDesigner, Microsoft.VSDesigner\" +\n");
    m_file.Write(1, " \", Version=%s, Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a\")]\n",
                 EscapeCSharpString(m_names.viewerVersion));
    m_file.Write(1,
                 "[System.ComponentModel.Design.HelpKeywordAttribute(\"vs.data.TableAdapter\")]\n");
    m_file.Write(1, "public partial class %s : System.ComponentModel.Component {\n",
                 CSharpIdentifier(m_names.tableAdapterName));
    m_file.Write(0, "\n");
    m_file.Write(2, "private System.Data.SqlClient.SqlDataAdapter _adapter;\n");
    m_file.Write(0, "\n");
    m_file.Write(2, "private System.Data.SqlClient.SqlConnection _connection;\n");
    m_file.Write(0, "\n");
    m_file.Write(2, "private System.Data.SqlClient.SqlCommand[] _commandCollection;\n");
    m_file.Write(0, "\n");
    m_file.Write(2, "private bool _clearBeforeFill;\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "public %s() {\n", CSharpIdentifier(m_names.tableAdapterName));
    m_file.Write(3, "this.ClearBeforeFill = true;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    WriteTableAdapterProperties();
    WriteTableAdapterInitialization();
    WriteTableAdapterMethods();
    m_file.Write(1, "}\n");
    m_file.Write(0, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableAdapterProperties()
{
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private System.Data.SqlClient.SqlDataAdapter Adapter {\n");
    m_file.Write(3, "get {\n");
    m_file.Write(4, "if ((this._adapter == null)) {\n");
    m_file.Write(5, "this.InitAdapter();\n");
    m_file.Write(4, "}\n");
    m_file.Write(4, "return this._adapter;\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "internal System.Data.SqlClient.SqlConnection Connection {\n");
    m_file.Write(3, "get {\n");
    m_file.Write(4, "if ((this._connection == null)) {\n");
    m_file.Write(5, "this.InitConnection();\n");
    m_file.Write(4, "}\n");
    m_file.Write(4, "return this._connection;\n");
    m_file.Write(3, "}\n");
    m_file.Write(3, "set {\n");
    m_file.Write(4, "this._connection = value;\n");
    for (const char* command : {"InsertCommand", "DeleteCommand", "UpdateCommand"})
    {
        m_file.Write(4, "if ((this.Adapter.%s != null)) {\n", command);
        m_file.Write(5, "this.Adapter.%s.Connection = value;\n", command);
        m_file.Write(4, "}\n");
    }
    m_file.Write(4, "for (int i = 0; (i < this.CommandCollection.Length); i = (i + 1)) {\n");
    m_file.Write(5, "if ((this.CommandCollection[i] != null)) {\n");
    m_file.Write(6, "((System.Data.SqlClient.SqlCommand)(this.CommandCollection[i])).Connection "
                    "= value;\n");
    m_file.Write(5, "}\n");
    m_file.Write(4, "}\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "protected System.Data.SqlClient.SqlCommand[] CommandCollection {\n");
    m_file.Write(3, "get {\n");
    m_file.Write(4, "if ((this._commandCollection == null)) {\n");
    m_file.Write(5, "this.InitCommandCollection();\n");
    m_file.Write(4, "}\n");
    m_file.Write(4, "return this._commandCollection;\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "public bool ClearBeforeFill {\n");
    m_file.Write(3, "get {\n");
    m_file.Write(4, "return this._clearBeforeFill;\n");
    m_file.Write(3, "}\n");
    m_file.Write(3, "set {\n");
    m_file.Write(4, "this._clearBeforeFill = value;\n");
    m_file.Write(3, "}\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableAdapterInitialization()
{
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private void InitAdapter() {\n");
    m_file.Write(3, "this._adapter = new System.Data.SqlClient.SqlDataAdapter();\n");
    m_file.Write(3, "System.Data.Common.DataTableMapping tableMapping = new "
                    "System.Data.Common.DataTableMapping();\n");
    m_file.Write(3, "tableMapping.SourceTable = \"Table\";\n");
    m_file.Write(3, "tableMapping.DataSetTable = \"%s\";\n", m_names.tableName);
    for (const CString& column : m_names.columns)
        m_file.Write(3, "tableMapping.ColumnMappings.Add(\"%s\", \"%s\");\n",
                     EscapeCSharpString(column), EscapeCSharpString(column));
    m_file.Write(3, "this._adapter.TableMappings.Add(tableMapping);\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private void InitConnection() {\n");
    m_file.Write(3, "this._connection = new System.Data.SqlClient.SqlConnection();\n");
    m_file.Write(3, "this._connection.ConnectionString = System.Configuration.ConfigurationManager."
                    "ConnectionStrings[\"m_connectionString\"].ConnectionString;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2, "private void InitCommandCollection() {\n");
    m_file.Write(3, "this._commandCollection = new System.Data.SqlClient.SqlCommand[1];\n");
    m_file.Write(3, "this._commandCollection[0] = new System.Data.SqlClient.SqlCommand();\n");
    m_file.Write(3, "this._commandCollection[0].Connection = this.Connection;\n");
    m_file.Write(3, "this._commandCollection[0].CommandText = \"%s\"; \n", m_commandLiteral);
    m_file.Write(3, "this._commandCollection[0].CommandType = System.Data.CommandType.%s;\n",
                 m_names.commandType);
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}

void DataSetCodeWriter::WriteTableAdapterMethods()
{
    constexpr const char* fillMethod = "[System.ComponentModel.DataObjectMethodAttribute("
                                       "System.ComponentModel.DataObjectMethodType.Fill, true)]\n";
    m_file.Write(2, nonUserCode);
    m_file.Write(2,
                 "[System.ComponentModel.Design.HelpKeywordAttribute(\"vs.data.TableAdapter\")]\n");
    m_file.Write(2, fillMethod);
    m_file.Write(2, "public virtual int Fill(%s.%sDataTable dataTable) {\n", m_dataSet, m_table);
    m_file.Write(3, "this.Adapter.SelectCommand = this.CommandCollection[0];\n");
    m_file.Write(3, "if ((this.ClearBeforeFill == true)) {\n");
    m_file.Write(4, "dataTable.Clear();\n");
    m_file.Write(3, "}\n");
    m_file.Write(3, "int returnValue = this.Adapter.Fill(dataTable);\n");
    m_file.Write(3, "return returnValue;\n");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
    m_file.Write(2, nonUserCode);
    m_file.Write(2,
                 "[System.ComponentModel.Design.HelpKeywordAttribute(\"vs.data.TableAdapter\")]\n");
    m_file.Write(2, fillMethod);
    m_file.Write(2, "public virtual %s.%sDataTable GetData() {\n", m_dataSet, m_table);
    m_file.Write(3, "this.Adapter.SelectCommand = this.CommandCollection[0];\n");
    m_file.Write(3, "%s.%sDataTable dataTable = new %s.%sDataTable();\n", m_dataSet, m_table,
                 m_dataSet, m_table);
    m_file.Write(3, "this.Adapter.Fill(dataTable);\n");
    m_file.Write(3, "return dataTable;\n");
    m_file.Write(2, "}\n");
}

void DataSetCodeWriter::WriteReadOnlyProperty(int indent, const CString& declaration,
                                              const CString& value)
{
    m_file.Write(indent, "%s {\n", declaration);
    m_file.Write(indent + 1, "get {\n");
    m_file.Write(indent + 2, "return %s;\n", value);
    m_file.Write(indent + 1, "}\n");
    m_file.Write(indent, "}\n");
}
