#pragma once

#include "entities/FormInterface.h"

#include <vector>

class DetailTableReport;

// The display title of one table of a transaction page.
struct TableTitleEntry
{
    Table* table = nullptr;
    CString title;
};

// A master-detail data-entry page: one basic table and detail tables whose rows belong to a
// basic row, with a title per table and reports attached to detail tables.
class Transaction : public FormInterface
{
    DECLARE_SERIAL(Transaction)

public:
    Transaction();
    // A new id and the source's tables; the page part copied, titles and reports not.
    explicit Transaction(const Transaction* source);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() override;

    void Serialize(CArchive& ar) override;

    // Makes sure the page files of the output kind exist: kinds 1 to 4 and one kind-9 file
    // per detail table for classic pages (0), kinds 1 and 3 for ASP.NET pages (1).
    virtual void CreateDefaultAspFiles(int outputKind);

    int GetId() const { return m_id; }
    bool GetCustomProcedureNames() const { return m_customProcedureNames; }
    void SetCustomProcedureNames(bool custom) { m_customProcedureNames = custom; }

    Table* GetBasicTable() const { return m_basicTable; }
    // Null clears it; a new basic table without a title gets its name without "_basic".
    void SetBasicTable(Table* table);
    const std::vector<Table*>& GetDetailTables() const { return m_detailTables; }
    // Appends without a duplicate check; a table without a title gets its name as title.
    void AddDetailTable(Table* table);
    // It is the basic table or a detail table.
    bool UsesTable(const Table* table) const;

    const std::vector<TableTitleEntry>& GetTableTitles() const { return m_tableTitles; }
    // With an empty title list: a title for the basic table and for each detail table.
    void EnsureTableTitles();

    const std::vector<DetailTableReport*>& GetDetailTableReports() const
    {
        return m_detailTableReports;
    }
    // The page takes ownership.
    void AddDetailTableReport(DetailTableReport* report) { m_detailTableReports.push_back(report); }

    // Without any field-variable map: variables for the basic table, then the detail tables.
    void EnsureDefaultVariables();
    // Erases the page file from the page's list and deletes it; nothing when absent.
    void DeleteAspFile(AspFile* file);

private:
    static int ms_lastId;

    // A title of the table unless it has a non-empty one already.
    void AddTitleUnlessTitled(Table* table, const CString& title);

    int m_id;
    bool m_customProcedureNames = false;
    Table* m_basicTable = nullptr;
    std::vector<Table*> m_detailTables;
    std::vector<TableTitleEntry> m_tableTitles;
    std::vector<DetailTableReport*> m_detailTableReports;
};
