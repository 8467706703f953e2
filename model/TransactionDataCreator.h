#pragma once

#include "platform/core/CString.h"

class ApplicationReport;
class ForgeonProject;
class Table;
class Transaction;

// Makes the default master-detail data of a basic table ("<name>_basic") in the project's
// current module: the detail table "<name>_detail" with its foreign key "<name>_id", the
// transaction "<name>" over both, the classes' default functions, the search report and the
// RDLC report. Made on the caller's stack; the module owns everything it makes.
class TransactionDataCreator
{
public:
    TransactionDataCreator(Table* basicTable, ForgeonProject* project);
    TransactionDataCreator(Table* basicTable, Table* detailTable, ForgeonProject* project,
                           Transaction* transaction);
    TransactionDataCreator(const TransactionDataCreator&) = delete;
    TransactionDataCreator& operator=(const TransactionDataCreator&) = delete;
    virtual ~TransactionDataCreator();

    // Every step below, in this order, once CheckBasicTable has passed.
    void CreateAll();
    // False, after its message, for a master-detail basic table whose name has no "_basic"
    // part: the derived detail table would be the basic table itself.
    bool CheckBasicTable() const;
    // The kind-1 table of the derived name found in any module or a new one, named in lower
    // case, with its default fields and, unless it has it, the foreign key to the basic
    // table's key; added to the module. Null without a current module, and for a basic table
    // that CheckBasicTable refuses, which stays as it is.
    Table* CreateDetailTable();
    // The transaction over the basic and the detail table, added with its page files; needs
    // the detail table. Null without a current module.
    Transaction* CreateTransaction();
    // The default functions of the classes of the transaction's tables, made when missing.
    void AddClassFunctions();
    ApplicationReport* CreateReport();
    void CreateRDLCReport();

private:
    // Each occurrence of "_basic", or else of "_Basic", in the basic table's name replaced.
    CString DerivedName(const char* replacement) const;
    bool HasForeignKeyToBasicTable(const CString& name) const;
    // A master-detail basic table whose own name (case ignored) is the derived detail name.
    bool NamesOwnDetailTable() const;
    // A master-detail table of that name (case ignored) in any module; a table of another kind
    // of the same name does not hide it.
    Table* FindMasterDetailTable(const CString& name) const;

    ForgeonProject* m_project = nullptr;
    Table* m_basicTable = nullptr;
    Table* m_detailTable = nullptr;
    Transaction* m_transaction = nullptr;
};
