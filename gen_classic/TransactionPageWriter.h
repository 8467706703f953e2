#pragma once

#include "gen_classic/ClassicFormPageWriter.h"

#include <vector>

class Field;
class FieldRep;
class Table;
class Transaction;
struct FieldVariableMap;

// The classic pages of a master-detail transaction: the add and update pages with their action
// pages, and one action page per detail table that its form on the update page posts to.
class TransactionPageWriter : public ClassicFormPageWriter
{
public:
    TransactionPageWriter(ForgeonProject* project, Transaction& transaction,
                          GenerationReport& report);

    // Every page file into the current module's folder; the fifth page file on serves the
    // detail table of its position.
    void Write();
    // The file name of the detail table's action page, with the module name in front when the
    // project asks for it.
    CString DetailActionFileName(const Table* detail) const;

private:
    // The table of a page field: its own, else its reference or derived field's.
    Table* TableOf(Field* field) const;
    std::vector<FieldVariableMap*> PostedMaps(const Table* table) const;
    std::vector<FieldRep*> Rows(const Table* table) const;
    std::vector<FieldVariableMap*> HiddenMaps(const Table* table) const;
    bool IsLinkColumn(const Field* field) const;
    CString VariableOf(Field* field) const;
    CString KeyVariable(Table* table) const;
    CString ProcedureName(const Table* table, const char* operation) const;
    CString UrlOfKind(int fileKind) const;
    CString DetailActionUrl(const Table* detail) const;
    // The number of a detail table in generated names, from 1; 0 for the master table.
    int DetailNumber(const Table* table) const;
    std::vector<CString> DeclaredNames() const;

    void WriteAddPage();
    void WriteUpdatePage();
    void WriteUpdateServerScript();
    void WriteRecompute(const CString& suffix);
    void WriteMasterRecordLoad();
    void WriteRecordAssignment(const char* recordset, const CString& variable, const Field* field,
                               int indent);
    void WriteDetailExtractFunction(Table* detail);
    void WriteQueryBlocks();
    void WriteRecordFetchFunction(const Table* detail);
    // The form of the table with its rows, footer and list section.
    int WriteTableForm(Table* table, const CString& messageParam, int position);
    void WriteFooterRows(Table* table);
    // The ShowOutput_ functions of the tables' list sections at the last include.
    int InsertShowOutputFunctions(const std::vector<Table*>& tables, int position);

    void WriteAddActionPage();
    void WriteUpdateActionPage();
    void WriteDetailActionPage(Table* detail);
    void WriteDetailExtractData(Table* detail);
    void WriteCall(const Table* table, const char* operation, bool update);
    void WriteDeleteCall(Table* table);
    // " & \"&name=\" &value" for the values the page shows through references.
    void WritePassedOnVariables(const Table* onlyOf);
    void WriteUpdateRedirect();
    void WriteAddRedirect();
    void WriteDetailRedirect(Table* detail);

    Transaction& m_transaction;
    Table* m_master;
};
