#pragma once

#include "gen_reports/DataSetNames.h"
#include "platform/core/CString.h"

#include <vector>

class TextFile;

// The ".xsd" schema of a typed data set of one table: the designer's annotation with the
// connection and the table adapter, and the data-set element whose table holds the key as an
// auto-increment int and every other column as a string of at most 50 characters.
class DataSetSchemaWriter
{
public:
    DataSetSchemaWriter(const DataSetNames& names, TextFile& file);

    void Write();

private:
    void WriteAnnotation();
    void WriteTableAdapter();
    void WriteElement();
    void WriteColumns();

    // The names XML-escaped, for attribute values and text.
    DataSetNames m_names;
    TextFile& m_file;
    // The element names of the data set, its table and its columns.
    CString m_dataSetElement;
    CString m_tableElement;
    std::vector<CString> m_columnElements;
    // The C# names the data set's code gives them: the data set's class, the table's part of the
    // class names, and the table's property.
    CString m_dataSetClass;
    CString m_tablePart;
    CString m_tableProperty;
    // Each column's property in the row and its part of the table's names.
    std::vector<CString> m_columnProperties;
    std::vector<CString> m_columnParts;
};
