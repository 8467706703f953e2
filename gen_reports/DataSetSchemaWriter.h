#pragma once

#include "gen_reports/DataSetNames.h"

class TextFile;

// The ".xsd" schema of a typed data set of one table: the designer's annotation with the
// connection and the table adapter, and the data-set element whose table holds the key as an
// auto-increment int and every other column as a string of at most 50 characters.
class DataSetSchemaWriter
{
public:
    // Names come XML-escaped.
    DataSetSchemaWriter(const DataSetNames& names, TextFile& file);

    void Write();

private:
    void WriteAnnotation();
    void WriteTableAdapter();
    void WriteElement();
    void WriteColumns();

    const DataSetNames& m_names;
    TextFile& m_file;
};
