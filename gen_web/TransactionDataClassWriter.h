#pragma once

#include "gen_web/TableClassWriter.h"

class Transaction;

// The data classes of a master-detail page: "<table>.cs" of the basic table and of each detail
// table, with real deletes (the basic table's delete removes its detail rows first), and their
// "_partial.cs" files when missing.
class TransactionDataClassWriter : public TableClassWriter
{
public:
    TransactionDataClassWriter(ForgeonProject* project, Transaction& transaction,
                               GenerationReport& report);

    // The basic table's class and partial file, then every detail table's class, then every
    // detail table's partial file.
    void Write();

private:
    // The class file of the table; false when the table cannot be written.
    bool WriteClassFile(Table& table);
    void WritePartialFile(Table& table);

    void WriteMembers();
    void WriteBasicHandleAdd();
    void WriteDetailHandleAdd();
    void WriteHandleUpdate();
    void WriteBasicHandleDelete();
    void WriteDetailHandleDelete();
    void WriteSelectAllRecords();
    void WriteSetValues();

    Transaction& m_transaction;
};
