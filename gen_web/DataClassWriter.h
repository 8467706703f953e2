#pragma once

#include "gen_web/TableClassWriter.h"

// "<table>.cs", the data class of a master form's table: a member per column, insert, update,
// soft delete, the queries and the binding of posted values; then "<table>_partial.cs" when it
// does not exist yet.
class DataClassWriter : public TableClassWriter
{
public:
    DataClassWriter(ForgeonProject* project, Table& table, GenerationReport& report);

    void Write();

private:
    // With an empty line before "namespace" and the table's comment before the class line.
    void WriteNamespaceAndClassHead();
    void WriteMembers();
    void WriteHandleAdd();
    void WriteHandleUpdate();
    void WriteHandleDelete();
    void WriteSelectAllRecords();
    void WriteSetValues();
    void WriteSetPrimaryKey();
    // One SelectRecordFor<column> per foreign key.
    void WriteSelectRecordFor();
    void WriteSelectRecord();

    Table& m_writtenTable;
};
