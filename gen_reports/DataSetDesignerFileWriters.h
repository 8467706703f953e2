#pragma once

#include "gen_reports/DataSetNames.h"

class TextFile;

// The data-set designer's settings file (".xsc"), the same for every data set.
class DataSetSettingsWriter
{
public:
    explicit DataSetSettingsWriter(TextFile& file);

    void Write();

private:
    TextFile& m_file;
};

// The data-set designer's layout file (".xss"): one shape for the table.
class DataSetLayoutWriter
{
public:
    // Names come XML-escaped.
    DataSetLayoutWriter(const DataSetNames& names, TextFile& file);

    void Write();

private:
    const DataSetNames& m_names;
    TextFile& m_file;
};
