#pragma once

#include "gen_reports/DataSetNames.h"
#include "platform/core/CString.h"

#include <vector>

class TextFile;

// The ".Designer.cs" code of a typed data set of one table with one table adapter and one
// select command, as the data-set designer generates it: the data-set class with its table,
// row and row-event classes, and the table adapter in a namespace of its own.
class DataSetCodeWriter
{
public:
    DataSetCodeWriter(const DataSetNames& names, TextFile& file);

    void Write();

private:
    void WriteDataSetClass();
    void WriteDataSetConstructors();
    void WriteDataSetProperties();
    void WriteDataSetSerialization();
    // The copy of a read data set's table and settings, at the indent of its statements.
    void WriteMergeReadDataSet(int indent);
    void WriteDataSetInitialization();
    void WriteTableClass();
    void WriteTableConstructors();
    void WriteTableAccessors();
    void WriteTableRowMethods();
    void WriteTableInitialization();
    void WriteTableEvents();
    void WriteTableSchema();
    void WriteRowClass();
    void WriteRowChangeEventClass();
    void WriteTableAdapterNamespace();
    void WriteTableAdapterProperties();
    void WriteTableAdapterInitialization();
    void WriteTableAdapterMethods();
    // "<declaration> {", a getter returning the value, "}".
    void WriteReadOnlyProperty(int indent, const CString& declaration, const CString& value);

    const DataSetNames& m_names;
    TextFile& m_file;
    // The C# names of the data set's class and, inside others, of its table.
    const CString m_dataSet;
    const CString m_table;
    // The columns' part of the names of their members.
    const std::vector<CString> m_columns;
    // The command text inside its C# string literal.
    CString m_commandLiteral;
};
