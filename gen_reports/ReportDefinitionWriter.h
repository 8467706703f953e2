#pragma once

#include "gen_reports/DataSetNames.h"
#include "platform/core/CString.h"

#include <vector>

class TextFile;

// The ".rdlc" report definition of one data set: a heading text box above a table whose
// header, detail and footer rows show every column but the first (the key).
class ReportDefinitionWriter
{
public:
    // The heading comes XML-escaped.
    ReportDefinitionWriter(const DataSetNames& names, const CString& heading, TextFile& file);

    void Write();

private:
    void WriteDataSources();
    void WriteBody();
    void WriteHeading();
    void WriteTable();
    // The footer, detail or header rows ("Footer", "Details", "Header").
    void WriteRows(const char* element);
    // The cells of the column of the report's field name.
    void WriteHeaderCell(const CString& field, const CString& caption, int zIndex);
    void WriteDetailCell(const CString& field, int zIndex);
    void WriteFooterCell(const CString& field, int zIndex);
    void WritePaddings();
    // The right-border style, width and colour of detail and footer cells.
    void WriteRightBorder();
    void WriteTableColumns();
    void WriteDataSets();

    // The names XML-escaped.
    DataSetNames m_names;
    // The report's names of the columns, and their captions XML-escaped.
    std::vector<CString> m_fields;
    std::vector<CString> m_captions;
    CString m_heading;
    TextFile& m_file;
    // The report's name of the data set's table.
    CString m_reportDataSetName;
    // The number of the adapter's columns; the report shows the last count - 1.
    int m_count;
};
