#include "gen_reports/ReportDefinitionWriter.h"

#include "model/NameUtilities.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

ReportDefinitionWriter::ReportDefinitionWriter(const DataSetNames& names, const CString& heading,
                                               TextFile& file)
    : m_names(EscapedForXml(names)), m_fields(ReportFieldNames(names.columns)), m_heading(heading),
      m_file(file), m_reportDataSetName(ReportDataSetName(names.dataSetName, names.tableName)),
      m_count(static_cast<int>(names.columns.size()))
{
    for (const CString& column : names.columns)
        m_captions.push_back(EscapeXml(MakeCaption(column)));
}

void ReportDefinitionWriter::Write()
{
    m_file.Write(0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    m_file.Write(0, "<Report "
                    "xmlns=\"http://schemas.microsoft.com/sqlserver/reporting/2005/01/"
                    "reportdefinition\" "
                    "xmlns:rd=\"http://schemas.microsoft.com/SQLServer/reporting/"
                    "reportdesigner\">\n");
    WriteDataSources();
    m_file.Write(1, "<BottomMargin>1in</BottomMargin>\n");
    m_file.Write(1, "<RightMargin>0.5in</RightMargin>\n");
    m_file.Write(1, "<rd:DrawGrid>true</rd:DrawGrid>\n");
    m_file.Write(1, "<InteractiveWidth>8.5in</InteractiveWidth>\n");
    m_file.Write(1, "<rd:SnapToGrid>true</rd:SnapToGrid>\n");
    WriteBody();
    m_file.Write(1, "<LeftMargin>0.5in</LeftMargin>\n");
    WriteDataSets();
    m_file.Write(1, "<Width>8.5in</Width>\n");
    m_file.Write(1, "<InteractiveHeight>11in</InteractiveHeight>\n");
    m_file.Write(1, "<Language>en-US</Language>\n");
    m_file.Write(1, "<TopMargin>1in</TopMargin>\n");
    m_file.Write(0, "</Report>\n");
}

void ReportDefinitionWriter::WriteDataSources()
{
    m_file.Write(1, "<DataSources>\n");
    m_file.Write(2, "<DataSource Name=\"m_connectionString\">\n");
    m_file.Write(3, "<ConnectionProperties>\n");
    m_file.Write(4, "<ConnectString />\n");
    m_file.Write(4, "<DataProvider>SQL</DataProvider>\n");
    m_file.Write(3, "</ConnectionProperties>\n");
    m_file.Write(2, "</DataSource>\n");
    m_file.Write(1, "</DataSources>\n");
}

void ReportDefinitionWriter::WriteBody()
{
    m_file.Write(1, "<Body>\n");
    m_file.Write(2, "<ReportItems>\n");
    WriteHeading();
    WriteTable();
    m_file.Write(2, "</ReportItems>\n");
    m_file.Write(2, "<Height>2in</Height>\n");
    m_file.Write(1, "</Body>\n");
}

void ReportDefinitionWriter::WriteHeading()
{
    m_file.Write(3, "<Textbox Name=\"txtReportHeading\">\n");
    m_file.Write(4, "<Left>0.375in</Left>\n");
    m_file.Write(4, "<Top>0.375in</Top>\n");
    m_file.Write(4, "<rd:DefaultName>txtReportHeading</rd:DefaultName>\n");
    m_file.Write(4, "<ZIndex>1</ZIndex>\n");
    m_file.Write(4, "<Width>7.25in</Width>\n");
    m_file.Write(4, "<Style>\n");
    m_file.Write(5, "<TextAlign>Center</TextAlign>\n");
    m_file.Write(5, "<PaddingLeft>2pt</PaddingLeft>\n");
    m_file.Write(5, "<FontWeight>700</FontWeight>\n");
    m_file.Write(5, "<TextDecoration>Underline</TextDecoration>\n");
    m_file.Write(5, "<PaddingRight>2pt</PaddingRight>\n");
    m_file.Write(5, "<PaddingTop>2pt</PaddingTop>\n");
    m_file.Write(4, "</Style>\n");
    m_file.Write(4, "<CanGrow>true</CanGrow>\n");
    m_file.Write(4, "<Height>0.25in</Height>\n");
    m_file.Write(4, "<Value>%s</Value>\n", m_heading);
    m_file.Write(3, "</Textbox>\n");
}

void ReportDefinitionWriter::WriteTable()
{
    m_file.Write(3, "<Table Name=\"table1\">\n");
    WriteRows("Footer");
    m_file.Write(4, "<Left>0.375in</Left>\n");
    m_file.Write(4, "<DataSetName>%s</DataSetName>\n", m_reportDataSetName);
    m_file.Write(4, "<Top>0.75in</Top>\n");
    WriteRows("Details");
    m_file.Write(4, "<Style>\n");
    m_file.Write(5, "<BorderStyle>\n");
    m_file.Write(6, "<Default>Solid</Default>\n");
    m_file.Write(5, "</BorderStyle>\n");
    m_file.Write(4, "</Style>\n");
    WriteRows("Header");
    WriteTableColumns();
    m_file.Write(4, "<Width>7.25in</Width>\n");
    m_file.Write(4, "<Height>0.75in</Height>\n");
    m_file.Write(3, "</Table>\n");
}

void ReportDefinitionWriter::WriteRows(const char* element)
{
    const CString kind = element;
    m_file.Write(4, "<%s>\n", kind);
    m_file.Write(5, "<TableRows>\n");
    m_file.Write(6, "<TableRow>\n");
    m_file.Write(7, "<TableCells>\n");
    for (int k = 1; k < m_count; ++k)
    {
        m_file.Write(8, "<TableCell>\n");
        m_file.Write(9, "<ReportItems>\n");
        if (kind == "Header")
            WriteHeaderCell(m_fields[k], m_captions[k], 3 * m_count - k);
        else if (kind == "Details")
            WriteDetailCell(m_fields[k], m_count - k);
        else
            WriteFooterCell(m_fields[k], 2 * m_count - k);
        m_file.Write(9, "</ReportItems>\n");
        m_file.Write(8, "</TableCell>\n");
    }
    m_file.Write(7, "</TableCells>\n");
    m_file.Write(7, "<Height>0.25in</Height>\n");
    m_file.Write(6, "</TableRow>\n");
    m_file.Write(5, "</TableRows>\n");
    m_file.Write(4, "</%s>\n", kind);
}

void ReportDefinitionWriter::WriteHeaderCell(const CString& field, const CString& caption,
                                             int zIndex)
{
    m_file.Write(10, "<Textbox Name=\"head_%s\">\n", field);
    m_file.Write(11, "<rd:DefaultName>head_%s</rd:DefaultName>\n", field);
    m_file.Write(11, "<ZIndex>%d</ZIndex>\n", zIndex);
    m_file.Write(11, "<Style>\n");
    WritePaddings();
    m_file.Write(12, "<FontWeight>700</FontWeight>\n");
    m_file.Write(12, "<BackgroundColor>Gainsboro</BackgroundColor>\n");
    m_file.Write(12, "<BorderStyle>\n");
    m_file.Write(13, "<Bottom>Solid</Bottom>\n");
    m_file.Write(13, "<Right>Solid</Right>\n");
    m_file.Write(12, "</BorderStyle>\n");
    m_file.Write(12, "<BorderWidth>\n");
    m_file.Write(13, "<Bottom>1pt</Bottom>\n");
    m_file.Write(13, "<Right>1pt</Right>\n");
    m_file.Write(12, "</BorderWidth>\n");
    m_file.Write(12, "<BorderColor>\n");
    m_file.Write(13, "<Bottom>Black</Bottom>\n");
    m_file.Write(13, "<Right>Black</Right>\n");
    m_file.Write(12, "</BorderColor>\n");
    m_file.Write(11, "</Style>\n");
    m_file.Write(11, "<CanGrow>true</CanGrow>\n");
    m_file.Write(11, "<Value>%s</Value>\n", caption);
    m_file.Write(10, "</Textbox>\n");
}

void ReportDefinitionWriter::WriteDetailCell(const CString& field, int zIndex)
{
    m_file.Write(10, "<Textbox Name=\"%s\">\n", field);
    m_file.Write(11, "<rd:DefaultName>%s</rd:DefaultName>\n", field);
    m_file.Write(11, "<ZIndex>%d</ZIndex>\n", zIndex);
    m_file.Write(11, "<Style>\n");
    WritePaddings();
    WriteRightBorder();
    m_file.Write(12, "<BackgroundColor>=iif(RowNumber(Nothing) mod 2, \"White\", "
                     "\"Gainsboro\")</BackgroundColor>\n");
    m_file.Write(11, "</Style>\n");
    m_file.Write(11, "<CanGrow>true</CanGrow>\n");
    m_file.Write(11, "<Value>=Fields!%s.Value</Value>\n", field);
    m_file.Write(10, "</Textbox>\n");
}

void ReportDefinitionWriter::WriteFooterCell(const CString& field, int zIndex)
{
    m_file.Write(10, "<Textbox Name=\"foot_%s\">\n", field);
    m_file.Write(11, "<rd:DefaultName>foot_%s</rd:DefaultName>\n", field);
    m_file.Write(11, "<ZIndex>%d</ZIndex>\n", zIndex);
    m_file.Write(11, "<Style>\n");
    WritePaddings();
    WriteRightBorder();
    m_file.Write(11, "</Style>\n");
    m_file.Write(11, "<CanGrow>true</CanGrow>\n");
    m_file.Write(11, "<Value />\n");
    m_file.Write(10, "</Textbox>\n");
}

void ReportDefinitionWriter::WritePaddings()
{
    m_file.Write(12, "<PaddingLeft>2pt</PaddingLeft>\n");
    m_file.Write(12, "<PaddingBottom>2pt</PaddingBottom>\n");
    m_file.Write(12, "<PaddingRight>2pt</PaddingRight>\n");
    m_file.Write(12, "<PaddingTop>2pt</PaddingTop>\n");
}

void ReportDefinitionWriter::WriteRightBorder()
{
    m_file.Write(12, "<BorderStyle>\n");
    m_file.Write(13, "<Right>Solid</Right>\n");
    m_file.Write(12, "</BorderStyle>\n");
    m_file.Write(12, "<BorderWidth>\n");
    m_file.Write(13, "<Right>1pt</Right>\n");
    m_file.Write(12, "</BorderWidth>\n");
    m_file.Write(12, "<BorderColor>\n");
    m_file.Write(13, "<Right>Black</Right>\n");
    m_file.Write(12, "</BorderColor>\n");
}

void ReportDefinitionWriter::WriteTableColumns()
{
    // Single precision, as the columns always fill the 7.25-inch table.
    const float width = m_count > 1 ? 7.25f / static_cast<float>(m_count - 1) : 0.0f;
    m_file.Write(4, "<TableColumns>\n");
    for (int k = 1; k < m_count; ++k)
    {
        m_file.Write(5, "<TableColumn>\n");
        m_file.Write(6, "<Width>%fin</Width>\n", static_cast<double>(width));
        m_file.Write(5, "</TableColumn>\n");
    }
    m_file.Write(4, "</TableColumns>\n");
}

void ReportDefinitionWriter::WriteDataSets()
{
    m_file.Write(1, "<DataSets>\n");
    m_file.Write(2, "<DataSet Name=\"%s\">\n", m_reportDataSetName);
    m_file.Write(3, "<rd:DataSetInfo>\n");
    m_file.Write(4, "<rd:TableAdapterGetDataMethod>GetData</rd:TableAdapterGetDataMethod>\n");
    m_file.Write(4, "<rd:DataSetName>%s</rd:DataSetName>\n", m_names.dataSetName);
    m_file.Write(4, "<rd:TableAdapterFillMethod>Fill</rd:TableAdapterFillMethod>\n");
    m_file.Write(4, "<rd:TableAdapterName>%s</rd:TableAdapterName>\n", m_names.tableAdapterName);
    m_file.Write(4, "<rd:TableName>%s</rd:TableName>\n", m_names.tableName);
    m_file.Write(3, "</rd:DataSetInfo>\n");
    m_file.Write(3, "<Query>\n");
    m_file.Write(4, "<rd:UseGenericDesigner>true</rd:UseGenericDesigner>\n");
    m_file.Write(4, "<CommandText>%s</CommandText>\n", m_names.commandText);
    m_file.Write(4, "<DataSourceName>m_connectionString</DataSourceName>\n");
    m_file.Write(3, "</Query>\n");
    m_file.Write(3, "<Fields>\n");
    for (int k = 1; k < m_count; ++k)
    {
        m_file.Write(4, "<Field Name=\"%s\">\n", m_fields[k]);
        m_file.Write(5, "<rd:TypeName>System.%s</rd:TypeName>\n", "String");
        m_file.Write(5, "<DataField>%s</DataField>\n", m_names.columns[k]);
        m_file.Write(4, "</Field>\n");
    }
    m_file.Write(3, "</Fields>\n");
    m_file.Write(2, "</DataSet>\n");
    m_file.Write(1, "</DataSets>\n");
}
