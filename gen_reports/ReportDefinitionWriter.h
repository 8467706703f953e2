#pragma once

#include "gen_reports/DataSetNames.h"
#include "platform/core/CString.h"

class TextFile;

// The ".rdlc" report definition of one data set: a heading text box above a table whose
// header, detail and footer rows show every column but the first (the key).
class ReportDefinitionWriter
{
public:
    // Names and heading come XML-escaped.
    ReportDefinitionWriter(const DataSetNames& names, const CString& heading, TextFile& file);

    void Write();

private:
    void WriteDataSources();
    void WriteBody();
    void WriteHeading();
    void WriteTable();
    // The footer, detail or header rows ("Footer", "Details", "Header").
    void WriteRows(const char* element);
    void WriteHeaderCell(const CString& column, int zIndex);
    void WriteDetailCell(const CString& column, int zIndex);
    void WriteFooterCell(const CString& column, int zIndex);
    void WritePaddings();
    // The right-border style, width and colour of detail and footer cells.
    void WriteRightBorder();
    void WriteTableColumns();
    void WriteDataSets();

    const DataSetNames& m_names;
    CString m_heading;
    TextFile& m_file;
    // The report's name of the data set: DataSetName, "_" and TableName.
    CString m_reportDataSetName;
    // The number of the adapter's columns; the report shows the last count - 1.
    int m_count;
};
