#pragma once

#include "entities/FormInterface.h"

#include <vector>

class ApplicationReport;
class DetailTableReport;
struct ReportVariableMap;

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
    // Null for a bad index.
    Table* GetDetailTableAt(int index) const;
    // -1 when it is no detail table.
    int GetDetailTableIndex(const Table* table) const;
    // The table when it is a detail table, else null.
    Table* FindDetailTable(Table* table) const;
    bool HasDetailTableNamed(const CString& name) const;
    // The basic table, else the first detail table, of the id.
    Table* FindTableById(int id) const;
    bool IsBasicTableField(const Field* field) const;
    bool IsFieldInDetailTables(const Field* field) const;
    // The first foreign key of the detail table that refers to a field of the basic table.
    Field* FindLinkField(Table* detail) const;
    // The detail index of the field's table (of its reference or derived field for a page
    // field); -1 for the basic table or no detail table.
    int GetDetailIndexOfField(Field* field) const;
    // Swap with the neighbour before / after; other indexes do nothing.
    void MoveDetailTableUp(int index);
    void MoveDetailTableDown(int index);
    // Takes the maps and controls of the table's fields off the page and frees them, and deletes
    // the reference and derived fields of the table.
    void RemoveTableFromPage(Table* table);
    void RemoveBasicTable();
    void RemoveDetailTable(Table* table);
    void RemoveAllDetailTables();

    const std::vector<TableTitleEntry>& GetTableTitles() const { return m_tableTitles; }
    // With an empty title list: a title for the basic table and for each detail table.
    void EnsureTableTitles();
    // Copies the table's first title entry; out is untouched when there is none.
    void GetTableTitleEntry(Table* table, TableTitleEntry& out) const;
    // The title upper-cased with "_" as blanks; empty without an entry.
    CString GetTableTitle(Table* table) const;
    // A copy of the title entry at the index; {null, empty} for a bad index.
    TableTitleEntry GetTableTitleAt(int index) const;
    // Sets the title of the table's first entry; nothing without one.
    void SetTableTitle(Table* table, const CString& title);
    void RemoveTableTitle(Table* table);
    void RemoveTableTitleAt(int index);
    // The title entries of the two tables change places; nothing unless both have one.
    void SwapTableTitles(const Table* first, const Table* second);

    // Empties out, then the controls of the table's fields and of its reference and derived
    // fields, in control order.
    void GetFieldRepsOfTable(Table* table, std::vector<FieldRep*>& out);
    FieldVariableMap* FindKeyFieldVariableMap(Table* table) const;
    // A reference field of the page for the field comes from a detail table.
    bool IsRefFieldFromDetailTable(Field* field) const;

    const std::vector<DetailTableReport*>& GetDetailTableReports() const
    {
        return m_detailTableReports;
    }
    // The page takes ownership.
    void AddDetailTableReport(DetailTableReport* report) { m_detailTableReports.push_back(report); }
    DetailTableReport* FindDetailTableReport(Table* table) const;
    ApplicationReport* FindDetailTableReportByReportId(int id) const;
    // The pairs of the first entry of the report; null when none.
    const std::vector<ReportVariableMap*>* GetReportVariablePairs(ApplicationReport* report) const;
    // Drops the table-flags record of the entry's table, then deletes the entry.
    void RemoveDetailTableReport(DetailTableReport* entry);
    void RemoveDetailTableReportsOf(ApplicationReport* report);
    // Every pair naming the variable is deleted; its entry stays, as null.
    void RemoveReportVariablePairsOf(Variable* variable);

    // Files the first detail table without link field, the page checks and unmapped report
    // variables as errors.
    void Validate();
    // Offers the basic and detail tables to move along; false without tables or on Cancel. The
    // page itself is moved by the caller.
    bool MoveToModule(Module* from, Module* to);

    bool IsFieldRepMappedToReportVariable(FieldRep* fieldRep) override;
    // Appends the basic table (when set) and the detail tables; out is not emptied.
    void GetTables(std::vector<Table*>& out) override;
    // Its basic table, its detail tables (a release removes one) and the tables of its detail
    // table reports (a release removes the entry), then the page's references.
    void ListReferences(ReferenceList& list) override;
    void ReleaseFieldVariableMap(FieldVariableMap* map) override;
    // The field refers to a field of the basic table.
    bool IsMasterLinkField(Field* field) override;
    void CollectReportVariableUsage(Variable* variable, CString& list) override;
    CString GetClassName() override { return "Transaction"; }
    // A table-flags record for every detail-table report's table that has none.
    void SyncTableFlags() override;
    Table* GetTitleTable() const override { return m_basicTable; }
    // Numbered by the transactions of the module over the same basic table.
    CString GetCopyNamePrefix() const override;

    // Another form of this transaction, added to the module with its page files: named after
    // this one with the first number no transaction of the module has, over the same tables,
    // with copies of the reference fields, of the controls (bound to the same fields, or to the
    // copied reference field of the same name) with their procedure recomputes, of the
    // field-variable maps but those of global variables, and of the page files' top menus and
    // their maps. It is marked as a copy. Controls of other page fields are left out. Null when
    // the module refuses it.
    Transaction* CreateOtherForm(Module& module) const;

    // Without any field-variable map: variables for the basic table, then the detail tables.
    void EnsureDefaultVariables();
    // Erases the page file from the page's list and deletes it; nothing when absent.
    void DeleteAspFile(AspFile* file);

private:
    static int ms_lastId;

    // A title of the table unless it has a non-empty one already.
    void AddTitleUnlessTitled(Table* table, const CString& title);
    // The field's own table, else the table of its reference or derived field.
    Table* TableOfField(Field* field) const;
    // Run on another form being made. A table field stands for itself, a reference field's
    // page field for the page field of this page's reference field of the same name; null for
    // any other field.
    Field* OtherFormField(Field* sourceField) const;
    // The variable of this page named as the source's; a global variable stands for itself;
    // null otherwise.
    Variable* OtherFormVariable(Variable* sourceVariable) const;
    // The source control's procedure recomputes for the copy, each naming this page's control
    // of the same field name with a copy of the invocation and its variable pairs.
    void CopyProcedureRecomputes(const FieldRep& source, FieldRep& copy) const;
    // The top menu and top-menu maps of each of the source's page files onto this page's page
    // file of the same kind.
    void CopyTopMenus(const Transaction& source);

    int m_id;
    bool m_customProcedureNames = false;
    Table* m_basicTable = nullptr;
    std::vector<Table*> m_detailTables;
    std::vector<TableTitleEntry> m_tableTitles;
    std::vector<DetailTableReport*> m_detailTableReports;
};
