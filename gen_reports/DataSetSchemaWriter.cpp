#include "gen_reports/DataSetSchemaWriter.h"

#include "model/Identifiers.h"
#include "model/TextFile.h"

DataSetSchemaWriter::DataSetSchemaWriter(const DataSetNames& names, TextFile& file)
    : m_names(EscapedForXml(names)), m_file(file), m_dataSetElement(XmlName(names.dataSetName)),
      m_tableElement(XmlName(names.tableName)), m_dataSetClass(CSharpIdentifier(names.dataSetName)),
      m_tablePart(CSharpIdentifierPart(names.tableName)),
      m_tableProperty(CSharpIdentifier(names.tableName)),
      m_columnParts(DataSetColumnParts(names.columns))
{
    for (const CString& column : names.columns)
        m_columnElements.push_back(XmlName(column));
    for (const CString& part : m_columnParts)
        m_columnProperties.push_back(CSharpIdentifier(part));
}

void DataSetSchemaWriter::Write()
{
    const CString dataSetNamespace = dataSetNamespaceBase + m_names.dataSetName + ".xsd";
    m_file.Write(0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    m_file.Write(0,
                 "<xs:schema id=\"%s\" targetNamespace=\"%s\" xmlns:mstns=\"%s\" xmlns=\"%s\" "
                 "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                 "xmlns:msdata=\"urn:schemas-microsoft-com:xml-msdata\" "
                 "xmlns:msprop=\"urn:schemas-microsoft-com:xml-msprop\" "
                 "attributeFormDefault=\"qualified\" elementFormDefault=\"qualified\">\n",
                 m_dataSetElement, dataSetNamespace, dataSetNamespace, dataSetNamespace);
    WriteAnnotation();
    WriteElement();
    m_file.Write(0, "</xs:schema>\n");
}

void DataSetSchemaWriter::WriteAnnotation()
{
    m_file.Write(1, "<xs:annotation>\n");
    m_file.Write(2, "<xs:appinfo source=\"urn:schemas-microsoft-com:xml-msdatasource\">\n");
    m_file.Write(3, "<DataSource DefaultConnectionIndex=\"0\" "
                    "FunctionsComponentName=\"QueriesTableAdapter\" "
                    "Modifier=\"AutoLayout, AnsiClass, Class, Public\" "
                    "SchemaSerializationMode=\"IncludeSchema\" "
                    "xmlns=\"urn:schemas-microsoft-com:xml-msdatasource\">\n");
    m_file.Write(4, "<Connections>\n");
    m_file.Write(5, "<Connection AppSettingsObjectName=\"Web.config\" "
                    "AppSettingsPropertyName=\"m_connectionString\" ConnectionStringObject=\"\" "
                    "IsAppSettingsProperty=\"True\" Modifier=\"Assembly\" "
                    "Name=\"m_connectionString (Web.config)\" ParameterPrefix=\"@\" "
                    "PropertyReference=\"AppConfig.System.Configuration.ConfigurationManager.0."
                    "ConnectionStrings.m_connectionString.ConnectionString\" "
                    "Provider=\"System.Data.SqlClient\">\n");
    m_file.Write(5, "</Connection>\n");
    m_file.Write(4, "</Connections>\n");
    m_file.Write(4, "<Tables>\n");
    WriteTableAdapter();
    m_file.Write(4, "</Tables>\n");
    m_file.Write(4, "<Sources>\n");
    m_file.Write(4, "</Sources>\n");
    m_file.Write(3, "</DataSource>\n");
    m_file.Write(2, "</xs:appinfo>\n");
    m_file.Write(1, "</xs:annotation>\n");
}

void DataSetSchemaWriter::WriteTableAdapter()
{
    m_file.Write(5,
                 "<TableAdapter BaseClass=\"System.ComponentModel.Component\" "
                 "DataAccessorModifier=\"AutoLayout, AnsiClass, Class, Public\" "
                 "DataAccessorName=\"%s\" GeneratorDataComponentClassName=\"%s\" Name=\"%s\" "
                 "UserDataComponentName=\"%s\">\n",
                 m_names.tableAdapterName, m_names.tableAdapterName, m_names.tableName,
                 m_names.tableAdapterName);
    m_file.Write(6, "<MainSource>\n");
    m_file.Write(7,
                 "<DbSource ConnectionRef=\"m_connectionString (Web.config)\" "
                 "DbObjectName=\"%s.dbo.%s\" DbObjectType=\"Table\" FillMethodModifier=\"Public\" "
                 "FillMethodName=\"Fill\" GenerateMethods=\"Both\" GenerateShortCommands=\"False\" "
                 "GeneratorGetMethodName=\"GetData\" GeneratorSourceName=\"Fill\" "
                 "GetMethodModifier=\"Public\" GetMethodName=\"GetData\" QueryType=\"Rowset\" "
                 "ScalarCallRetval=\"System.Object, mscorlib, Version=2.0.0.0, Culture=neutral, "
                 "PublicKeyToken=b77a5c561934e089\" UseOptimisticConcurrency=\"False\" "
                 "UserGetMethodName=\"GetData\" UserSourceName=\"Fill\">\n",
                 m_names.databaseName, m_names.tableName);
    m_file.Write(8, "<SelectCommand>\n");
    m_file.Write(9, "<DbCommand CommandType=\"%s\" ModifiedByUser=\"True\">\n",
                 m_names.commandType);
    m_file.Write(10, "<CommandText>%s</CommandText>\n", m_names.commandText);
    m_file.Write(10, "<Parameters>\n");
    m_file.Write(10, "</Parameters>\n");
    m_file.Write(9, "</DbCommand>\n");
    m_file.Write(8, "</SelectCommand>\n");
    m_file.Write(7, "</DbSource>\n");
    m_file.Write(6, "</MainSource>\n");
    m_file.Write(6, "<Mappings>\n");
    for (const CString& column : m_names.columns)
        m_file.Write(7, "<Mapping SourceColumn=\"%s\" DataSetColumn=\"%s\" />\n", column, column);
    m_file.Write(6, "</Mappings>\n");
    m_file.Write(6, "<Sources>\n");
    m_file.Write(6, "</Sources>\n");
    m_file.Write(5, "</TableAdapter>\n");
}

void DataSetSchemaWriter::WriteElement()
{
    m_file.Write(1,
                 "<xs:element name=\"%s\" msdata:IsDataSet=\"true\" "
                 "msdata:UseCurrentLocale=\"true\" msprop:Generator_UserDSName=\"%s\" "
                 "msprop:Generator_DataSetName=\"%s\">\n",
                 m_dataSetElement, m_names.dataSetName, m_dataSetClass);
    m_file.Write(2, "<xs:complexType>\n");
    m_file.Write(3, "<xs:choice minOccurs=\"0\" maxOccurs=\"unbounded\">\n");
    const CString& t = m_tablePart;
    m_file.Write(4,
                 "<xs:element name=\"%s\" msprop:Generator_UserTableName=\"%s\" "
                 "msprop:Generator_RowDeletedName=\"%sRowDeleted\" "
                 "msprop:Generator_TableClassName=\"%sDataTable\" "
                 "msprop:Generator_RowChangedName=\"%sRowChanged\" "
                 "msprop:Generator_RowClassName=\"%sRow\" "
                 "msprop:Generator_RowChangingName=\"%sRowChanging\" "
                 "msprop:Generator_RowEvArgName=\"%sRowChangeEvent\" "
                 "msprop:Generator_RowEvHandlerName=\"%sRowChangeEventHandler\" "
                 "msprop:Generator_TablePropName=\"%s\" msprop:Generator_TableVarName=\"table%s\" "
                 "msprop:Generator_RowDeletingName=\"%sRowDeleting\">\n",
                 m_tableElement, m_names.tableName, t, t, t, t, t, t, t, m_tableProperty, t, t);
    m_file.Write(5, "<xs:complexType>\n");
    m_file.Write(6, "<xs:sequence>\n");
    WriteColumns();
    m_file.Write(6, "</xs:sequence>\n");
    m_file.Write(5, "</xs:complexType>\n");
    m_file.Write(4, "</xs:element>\n");
    m_file.Write(3, "</xs:choice>\n");
    m_file.Write(2, "</xs:complexType>\n");
    m_file.Write(2, "<xs:unique name=\"Constraint1\" msdata:PrimaryKey=\"true\">\n");
    m_file.Write(3, "<xs:selector xpath=\".//mstns:%s\" />\n", m_tableElement);
    m_file.Write(3, "<xs:field xpath=\"mstns:%s\" />\n", m_columnElements.front());
    m_file.Write(2, "</xs:unique>\n");
    m_file.Write(1, "</xs:element>\n");
}

void DataSetSchemaWriter::WriteColumns()
{
    m_file.Write(7,
                 "<xs:element name=\"%s\" msdata:ReadOnly=\"true\" msdata:AutoIncrement=\"true\" "
                 "msprop:Generator_UserColumnName=\"%s\" "
                 "msprop:Generator_ColumnPropNameInRow=\"%s\" "
                 "msprop:Generator_ColumnVarNameInTable=\"column%s\" "
                 "msprop:Generator_ColumnPropNameInTable=\"%sColumn\" type=\"xs:int\" />\n",
                 m_columnElements.front(), m_names.columns.front(), m_columnProperties.front(),
                 m_columnParts.front(), m_columnParts.front());
    for (std::size_t i = 1; i < m_names.columns.size(); ++i)
    {
        const CString& part = m_columnParts[i];
        m_file.Write(7,
                     "<xs:element name=\"%s\" msprop:Generator_UserColumnName=\"%s\" "
                     "msprop:Generator_ColumnPropNameInRow=\"%s\" "
                     "msprop:Generator_ColumnVarNameInTable=\"column%s\" "
                     "msprop:Generator_ColumnPropNameInTable=\"%sColumn\">\n",
                     m_columnElements[i], m_names.columns[i], m_columnProperties[i], part, part);
        m_file.Write(8, "<xs:simpleType>\n");
        m_file.Write(9, "<xs:restriction base=\"xs:%s\">\n", "string");
        m_file.Write(10, "<xs:maxLength value=\"%d\" />\n", 50);
        m_file.Write(9, "</xs:restriction>\n");
        m_file.Write(8, "</xs:simpleType>\n");
        m_file.Write(7, "</xs:element>\n");
    }
}
