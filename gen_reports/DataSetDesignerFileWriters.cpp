#include "gen_reports/DataSetDesignerFileWriters.h"

#include "model/TextFile.h"

DataSetSettingsWriter::DataSetSettingsWriter(TextFile& file) : m_file(file) {}

void DataSetSettingsWriter::Write()
{
    m_file.Write(0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    m_file.Write(0, "<DataSetUISetting Version=\"1.00\" "
                    "xmlns=\"urn:schemas-microsoft-com:xml-msdatasource\">\n");
    m_file.Write(1, "<TableUISettings>\n");
    m_file.Write(1, "</TableUISettings>\n");
    m_file.Write(0, "</DataSetUISetting>\n");
}

DataSetLayoutWriter::DataSetLayoutWriter(const DataSetNames& names, TextFile& file)
    : m_names(names), m_file(file)
{
}

void DataSetLayoutWriter::Write()
{
    m_file.Write(0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    m_file.Write(0, "<DiagramLayout xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" ex:showrelationlabel=\"False\" "
                    "ViewPortX=\"0\" ViewPortY=\"0\" "
                    "xmlns:ex=\"urn:schemas-microsoft-com:xml-msdatasource-layout-extended\" "
                    "xmlns=\"urn:schemas-microsoft-com:xml-msdatasource-layout\">\n");
    m_file.Write(1, "<Shapes>\n");
    m_file.Write(2,
                 "<Shape ID=\"DesignTable:%s\" ZOrder=\"1\" X=\"418\" Y=\"101\" Height=\"139\" "
                 "Width=\"212\" AdapterExpanded=\"true\" DataTableExpanded=\"true\" "
                 "OldAdapterHeight=\"0\" OldDataTableHeight=\"0\" SplitterPosition=\"92\" />\n",
                 m_names.tableName);
    m_file.Write(1, "</Shapes>\n");
    m_file.Write(1, "<Connectors />\n");
    m_file.Write(0, "</DiagramLayout>\n");
}
