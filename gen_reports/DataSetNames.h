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

// The report definition's name of a table of a data set, which the pages' report viewers name as
// well.
CString ReportDataSetName(const CString& dataSetName, const CString& tableName);

// The columns' part of the names of their members in the data set's code ("column" + part,
// part + "Column", and the row's property CSharpIdentifier(part)), in their order: each a C#
// identifier without its "@", then "_" and a number added where it would give another column's
// part once more.
std::vector<CString> DataSetColumnParts(const std::vector<CString>& columns);

// The report definition's names of the columns, in their order: each made a report name, then
// "_" and a number added where it would give the name of another column or of a report item
// ("table1", "txtReportHeading", a column's "head_" and "foot_" text boxes) once more.
std::vector<CString> ReportFieldNames(const std::vector<CString>& columns);

// Every text escaped for the XML files: the command text for element text, the rest for
// attribute values too.
DataSetNames EscapedForXml(DataSetNames names);
