#pragma once

#include "platform/core/CString.h"

#include <vector>

// The namespace of a generated data set is this base followed by the data set's name and
// ".xsd", in the schema and in its code alike.
inline constexpr const char* dataSetNamespaceBase = "http://tempuri.org/";

// What the files of a report's typed data set and report definition are made of: the first
// data-set record of the report description, the table adapter's command and columns (the
// first column is the key), and the project's names.
struct DataSetNames
{
    CString projectName;
    CString databaseName;
    CString viewerVersion;
    CString dataSetName;
    CString tableAdapterName;
    CString tableName;
    CString commandType;
    CString commandText;
    std::vector<CString> columns;
};

// Every text escaped for the XML files: the command text for element text, the rest for
// attribute values too.
DataSetNames EscapedForXml(DataSetNames names);
