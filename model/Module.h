#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <array>
#include <vector>

class ApplicationReport;
class CArchive;
class Class;
class DashBoard;
class DashBoardPage;
class Designation;
class ForgeonProject;
class FormInterface;
class Form;
class Function;
class LoginPage;
class MapForm;
class Menu;
class MultiPageReport;
class Parameter;
class Procedure;
class RDLCInfo;
class RDLCReport;
class ReportCollector;
class Table;
class TextFile;
class Transaction;

// One named part of a project. It owns the tables, pages, roles, menus, procedures, data classes
// and login page of that part; pages point back to it.
class Module : public CObject
{
    DECLARE_SERIAL(Module)

public:
    // A handle of a node of the project tree; only the tree's code gives it a meaning.
    using TreeItemHandle = void*;
    static constexpr int treeItemCount = 23;
    using TreeItems = std::array<TreeItemHandle, treeItemCount>;

    // Every list empty, no name, number -1, no login page, paste slots null.
    Module();
    explicit Module(CString name);
    // Frees every owned entity, list by list, tracing each group to the debug report.
    ~Module() override;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // The lists in their record order; a load sorts the name-ordered lists after the dashboard
    // pages, reads the classes after version 65 and the RDLC reports after version 73.
    void Serialize(CArchive& ar) override;

    CString GetName() const { return m_name; }
    void SetName(CString name) { m_name = name; }
    int GetNumber() const { return m_number; }
    void SetNumber(int number) { m_number = number; }
    TreeItems* GetTreeItems() { return &m_treeItems; }

    const std::vector<Table*>& GetMasterTables() const { return m_masterTables; }
    const std::vector<Table*>& GetTransactionTables() const { return m_transactionTables; }
    const std::vector<Table*>& GetMapTables() const { return m_mapTables; }
    const std::vector<Form*>& GetMasterForms() const { return m_masterForms; }
    const std::vector<Designation*>& GetDesignations() const { return m_designations; }
    const std::vector<Transaction*>& GetTransactions() const { return m_transactions; }
    const std::vector<Menu*>& GetMenus() const { return m_menus; }
    const std::vector<DashBoard*>& GetDashBoards() const { return m_dashBoards; }
    const std::vector<Procedure*>& GetProcedures() const { return m_procedures; }
    const std::vector<ApplicationReport*>& GetReports() const { return m_reports; }
    const std::vector<RDLCReport*>& GetRDLCReports() const { return m_rdlcReports; }
    const std::vector<MapForm*>& GetMapForms() const { return m_mapForms; }
    const std::vector<DashBoardPage*>& GetDashBoardPages() const { return m_dashBoardPages; }
    const std::vector<MultiPageReport*>& GetMultiPageReports() const { return m_multiPageReports; }
    const std::vector<ReportCollector*>& GetReportCollectors() const { return m_reportCollectors; }
    const std::vector<Class*>& GetClasses() const { return m_classes; }
    // The class bound to the table; when there is none and create is set, a new class named
    // "_" + table name, bound to it, is appended and returned; else null.
    Class* GetClassForTable(Table* table, bool create);
    LoginPage* GetLoginPage() const { return m_loginPage; }

    // Each appends the entity to its list as a load does, without a duplicate test or sorting,
    // and the module takes ownership; a page gets this module as its module.
    void AppendMasterTable(Table* table);
    void AppendTransactionTable(Table* table);
    void AppendMapTable(Table* table);
    void Append(Form* form);
    void Append(Designation* designation);
    void Append(Transaction* transaction);
    void Append(Menu* menu);
    void Append(DashBoard* dashBoard);
    void Append(Procedure* procedure);
    void Append(ApplicationReport* report);
    void Append(RDLCReport* report);
    void Append(MapForm* mapForm);
    void Append(DashBoardPage* page);
    void Append(MultiPageReport* report);
    void Append(ReportCollector* collector);
    void Append(Class* dataClass);
    // Replaces the login page without freeing the previous one; the page gets this module.
    void AdoptLoginPage(LoginPage* page);
    // Erases the first occurrence of the role from the role list without freeing it; false when
    // absent.
    bool DetachDesignation(Designation* designation);
    // In a usage set of its own: the master forms, transactions, reports, RDLC reports and
    // dashboards that use the function's parameter drop their references to it.
    void RemoveFunctionParameterReferences(Function* function, Parameter* parameter);

    // Appends the table to the list of its kind and re-sorts; true without change when it is in
    // a table list already, false for null or an unknown kind.
    bool AddTable(Table* table);
    // Each appends the page, sets its module and re-sorts; true without change when a page of
    // the same id is listed, false for null. With withFiles set the page creates its page files
    // for the project's output kind (also when it was listed already).
    bool AddMasterForm(Form* form, bool withFiles);
    bool AddTransaction(Transaction* transaction, bool withFiles);
    bool AddReport(ApplicationReport* report, bool withFiles = false);
    bool AddRDLCReport(RDLCReport* report, bool withFiles);
    bool AddDashBoardPage(DashBoardPage* page, bool withFiles);
    // As above, the duplicate test by pointer.
    bool AddDashBoard(DashBoard* dashBoard, bool withFiles);
    // No duplicate test; false for null. With withFiles set the map form first ensures its
    // page files of file kinds 5 and 6; once listed it gets its select parameter
    // (AddMapFormSelectParameter).
    bool AddMapForm(MapForm* mapForm, bool withFiles);
    // A report without page files first gets its page file of the project's output kind.
    bool AddMultiPageReport(MultiPageReport* report);
    // The collector first creates its page files of the project's output kind.
    bool AddReportCollector(ReportCollector* collector);
    bool AddMenu(Menu* menu);
    // True without change when the procedure is listed already.
    bool AddProcedure(Procedure* procedure);
    // Replaces the login page without freeing the previous one.
    bool SetLoginPage(LoginPage* page);
    void DeleteLoginPage();

    // Each takes the entity out of its list without freeing it; false when absent.
    // RemoveTable picks the list by the table's kind and also takes the module's kind-0
    // procedures on the table out of the procedure list.
    bool RemoveTable(Table* table);
    bool RemoveMasterTable(Table* table);
    bool RemoveTransactionTable(Table* table);
    bool RemoveMapTable(Table* table);
    bool RemoveMasterForm(Form* form);
    bool RemoveTransaction(Transaction* transaction);
    bool RemoveReport(ApplicationReport* report);
    bool RemoveRDLCReport(RDLCReport* report);
    bool RemoveMenu(Menu* menu);

    // The entity at the index, null for a negative index or one at or past the end.
    Table* GetMasterTableAt(int index) const;
    Table* GetTransactionTableAt(int index) const;
    Table* GetMapTableAt(int index) const;
    Transaction* GetTransactionAt(int index) const;
    Menu* GetMenuAt(int index) const;
    Procedure* GetProcedureAt(int index) const;
    DashBoard* GetDashBoardAt(int index) const;
    DashBoardPage* GetDashBoardPageAt(int index) const;
    ApplicationReport* GetReportAt(int index) const;
    RDLCReport* GetRDLCReportAt(int index) const;
    MapForm* GetMapFormAt(int index) const;
    MultiPageReport* GetMultiPageReportAt(int index) const;
    ReportCollector* GetReportCollectorAt(int index) const;
    int GetReportCollectorCount() const;
    // The procedures of kind 0.
    int CountUserProcedures() const;

    // By id; null when none.
    Table* FindMasterTableById(int id) const;
    Table* FindTransactionTableById(int id) const;
    Table* FindMapTableById(int id) const;
    // Master, then transaction, then map tables.
    Table* FindTableById(int id) const;
    Form* FindMasterFormById(int id) const;
    Transaction* FindTransactionById(int id) const;
    Procedure* FindProcedureById(int id) const;
    ApplicationReport* FindReportById(int id) const;
    RDLCReport* FindRDLCReportById(int id) const;
    DashBoard* FindDashBoardById(int id) const;
    DashBoardPage* FindDashBoardPageById(int id) const;
    MapForm* FindMapFormById(int id) const;
    MultiPageReport* FindMultiPageReportById(int id) const;
    ReportCollector* FindReportCollectorById(int id) const;
    // Top-level menus and, recursively, their sub-menus.
    Menu* FindMenuById(int id) const;

    // By name; null when none. Tables ignore case: FindTableByName searches master, map, then
    // transaction tables and lower-cases the caller's string.
    Table* FindTableByName(CString& name) const;
    Table* FindMasterTableByName(const CString& name) const;
    Table* FindMasterTableByNameExact(const CString& name) const;
    // Exact.
    Form* FindMasterFormByName(const CString& name) const;
    MapForm* FindMapFormByName(const CString& name) const;
    Transaction* FindTransactionByName(const CString& name) const;
    DashBoard* FindDashBoardByName(const CString& name) const;
    DashBoardPage* FindDashBoardPageByName(const CString& name) const;
    ReportCollector* FindReportCollectorByName(const CString& name) const;
    MultiPageReport* FindMultiPageReportByName(const CString& name) const;
    Procedure* FindProcedureByName(const CString& name) const;
    Designation* FindDesignationByName(const CString& name) const;
    Menu* FindMenuByFullName(const CString& fullName) const;
    // Ignoring case.
    Procedure* FindProcedureByNameNoCase(const CString& name) const;
    ApplicationReport* FindReportByName(const CString& name) const;
    RDLCReport* FindRDLCReportByName(const CString& name) const;

    // The master form over the table, or null.
    Form* FindMasterFormForTable(const Table* table) const;
    // The transaction that uses the table, or null.
    Transaction* FindTransactionByTable(const Table* table) const;

    // A master table's master form (as its page part), a map table's map form, else null.
    FormInterface* FindFormOfTable(const Table* table) const;
    // The master form over the table; when there is none and create is set, a new form for the
    // table that is not added to the module.
    Form* GetMasterFormForTable(Table* table, bool create) const;
    // The search report or RDLC report built on the table, or null.
    ApplicationReport* FindReportForTable(const Table* table) const;
    RDLCReport* FindRDLCReportForTable(const Table* table) const;
    // Containment by pointer.
    bool ContainsMasterForm(const Form* form) const;
    bool ContainsDesignation(const Designation* designation) const;
    bool ContainsProcedure(const Procedure* procedure) const;
    bool ContainsDashBoard(const DashBoard* dashBoard) const;
    bool ContainsDashBoardPage(const DashBoardPage* page) const;
    // Replaces the vector's contents with the master, transaction and map tables.
    void GetAllTables(std::vector<Table*>& out) const;
    // Replaces the vector's contents with the kind-0 procedures whose main table is the table.
    void GetProceduresOfTable(const Table* table, std::vector<Procedure*>& out) const;
    // Replaces the vector's contents with the master tables that are system tables.
    void CollectSystemTables(std::vector<Table*>& out) const;
    // Replaces the vector's contents with the user-defined functions of the table's classes.
    void GetUserFunctionsOfTable(const Table* table, std::vector<Function*>& out) const;
    // The user-defined functions of all classes.
    int CountUserFunctions() const;
    // -1 when absent.
    int GetDesignationIndex(const Designation* designation) const;
    // The role named "Director", or null.
    Designation* GetDirectorDesignation() const;
    // Appends every menu but the excluded one and its sub-tree, each menu after its sub-menus.
    void CollectMenus(std::vector<Menu*>& out, const Menu* excluded) const;
    // The master forms, transactions, reports, dashboard pages and map forms rename their
    // variables after their fields.
    void RenameAllVariablesAfterFields();
    // Every control of the page re-applies its own field data; nothing for null.
    static void RefreshFieldRepData(FormInterface* page);
    // The groups of the table's search report, when there is one, add report fields for the
    // output columns they lack.
    void AddMissingFieldsToTableReport(const Table* table) const;
    // One place towards the front or the back of the top-level menus; nothing at the end.
    void MoveMenuUp(Menu* menu);
    void MoveMenuDown(Menu* menu);

    // Joins the "_SelectAll" or "_SelectRecord" procedure of a map table with a map form to the
    // tables its map form links; other procedures and tables are left alone.
    void FillMapTableProcedure(Table* mapTable, Procedure* procedure);

    // The project tree's Copy command remembers an entity of each kind here.
    void SetPastedTable(Table* table) { m_pastedTable = table; }
    void SetPastedReport(ApplicationReport* report) { m_pastedReport = report; }
    void SetPastedTransaction(Transaction* transaction) { m_pastedTransaction = transaction; }
    void SetPastedForm(Form* form) { m_pastedForm = form; }
    // A new copy of the remembered entity, not added to any list, and the slot cleared; null
    // when the slot is empty.
    Table* TakePastedTable();
    ApplicationReport* TakePastedReport();
    Transaction* TakePastedTransaction();
    Form* TakePastedForm();

    // The default search report of the table, built on its data class's "SelectAllRecords" and
    // linked from its first column to the table's page; added with its page files when the
    // page exists. Null when the table has no data class.
    ApplicationReport* CreateSearchReport(Table* table);

    // The table is in one of the three table lists.
    bool ContainsTable(const Table* table) const;
    // The menu is one of the top-level menus.
    bool ContainsTopLevelMenu(const Menu* menu) const;
    // Each top-level menu by its own name, else its sub-tree; the first match wins, or null.
    Menu* FindMenuByName(const CString& name) const;
    // The table, form, role, transaction, menu, dashboard, procedure, report, map-form,
    // dashboard-page, multi-page-report and collector lists are all empty; RDLC reports,
    // classes and the login page are not looked at.
    bool IsEmpty() const;

    // Sorts the master tables, transaction tables, master forms, transactions, dashboards,
    // reports, multi-page reports, menus and procedures by name in the locale's collation.
    void SortLists();

    // Default procedures and data-class functions (model/DefaultProcedures.cpp).
    // A kind-0 procedure of the table has exactly that name.
    bool HasTableProcedure(Table* table, const CString& name) const;
    bool HasSelectAllProcedure(Table* table) const;
    bool HasSelectRecordProcedure(Table* table) const;
    bool HasSelectLastRecordProcedure(Table* table) const;
    // The procedure of the given name, else "PRC_<table>_Delete", made when missing; it shows
    // and takes the table's key field.
    void CreateDeleteProcedure(Table* table, CString name);
    // The insert or update procedure of the table, named after the transaction's page when its
    // named-procedures flag is set; made when missing.
    Procedure* GetOrCreateWriteProcedure(Table* table, bool insert, Transaction* transaction);
    // The table's insert or update procedure with the columns and parameters it writes.
    void CreateTableWriteProcedure(Table* table, bool insert);
    void FillBasicWriteProcedure(Transaction* transaction, bool insert);
    void FillDetailWriteProcedure(Table* detail, Transaction* transaction, bool insert);
    // Every default procedure of a master-detail form, named after its tables / after the form.
    void CreateTransactionProcedures(Transaction* transaction);
    void CreateNamedTransactionProcedures(Transaction* transaction);
    // The table's insert, update and delete procedures emptied and filled again.
    void RebuildTableProcedures(Table* table);
    // With a name, the transaction of that page name ignoring case; else the first one using
    // the table; null when none.
    Transaction* FindTransactionByTableOrName(Table* table, const CString& name) const;
    bool IsDetailTableOfAnyTransaction(Table* table) const;
    // A map table's select-all (filled from its map form) and select-record procedures, and the
    // select-last-record procedure of its map form's bottom master table, each when missing.
    void CreateMapTableProcedures(Table* mapTable);
    // The insert and update procedures of the map tables (of the map form's table when one is
    // given) take the fields their map form writes.
    void UpdateMapTableWriteProcedures(MapForm* mapForm);
    // The mapping table's select-all procedure gets a parameter for the form's first top field.
    void AddMapFormSelectParameter(MapForm* mapForm);
    // The standard functions of the class, each made when missing.
    void AddDefaultClassFunctions(Class* dataClass);
    // True when the function was made.
    bool EnsureClassFunction(CString name, Class* dataClass);
    Function* GetOrAddClassFunction(CString name, Class* dataClass);
    // Output columns for the fields of the class's table and, for a user function, the front
    // fields and tables its foreign keys refer to.
    void AddTableFieldsToFunction(Function* function);
    void AddTableFieldsToClassFunctions(Table* table);

    // The passes run on every module after a project file has been read, in the order of
    // ProjectStore's registry. The login-table passes act on the project's base module only.
    void MarkKeyFieldVariables();
    void DetachKeyFieldReps();
    void CleanUpPageFiles();
    void LinkDetailTableProcedures();
    void FillEmptyCaptions();
    void RemoveInvalidFieldReps();
    void AddFormKeyVariables();
    void AddMissingAliasColumns();
    void RenamePageVariablesForAllTables();
    void VisitPageEventFields();
    void CreateMapFormInputFields();
    void SyncPageTableFlags();
    void SyncPageControlsWithTables();
    void ClearMapFormSyncFlags();
    void CleanPageClassRecomputes();
    void EnsureLoginTableClasses(ForgeonProject& project);
    // With a table: the classes up to the first one bound to it; with null: every class.
    void AddDefaultClassFunctionsUpTo(Table* table);
    void AddTableFieldsToAllClassFunctions();
    void RenameClassesAfterTables();
    void DeleteUnconfirmedFieldReps();
    void SetLoginTableFrontFields(ForgeonProject& project);

    // A login page with its default controls and logout menu entry when the module has none.
    void CreateLoginPage();
    // The role "admin" when the module has no role.
    void EnsureDefaultDesignation();

    // Lookups, list operations and page upkeep of model/ModuleLookups.cpp.
    // Replaces the vector's contents with the master forms, transactions, reports, map forms,
    // dashboards, multi-page reports, dashboard pages and RDLC reports, in that order.
    void GetAllPages(std::vector<FormInterface*>& out) const;
    // Exact: master forms, transactions, reports, map forms, dashboard pages, RDLC reports,
    // then the login page; null when none.
    FormInterface* FindPageByName(const CString& name) const;
    // The first map form over the table, or null.
    MapForm* FindMapFormByTable(const Table* table) const;
    // An RDLC report of the module other than the given one uses the description.
    bool IsRDLCInfoUsedByOtherReport(const RDLCInfo* info, const RDLCReport* report) const;
    // Erase the first occurrence without freeing it, keeping the order; false when absent.
    bool DetachDashBoardPage(DashBoardPage* page);
    bool DetachDashBoard(DashBoard* dashBoard);
    // Appends, makes the transaction's page files, re-sorts and rebuilds the project tree.
    void AddTransactionAndRefresh(Transaction* transaction);
    // Replace the vector's contents with the list.
    void GetProcedures(std::vector<Procedure*>& out) const;
    void GetDashBoardPages(std::vector<DashBoardPage*>& out) const;
    // Empty the vector, then append the pages built on the table, in list order.
    void GetFormsForTable(const Table* table, std::vector<Form*>& out) const;
    void GetTransactionsForTable(const Table* table, std::vector<Transaction*>& out) const;
    // Ignoring case, or null.
    Class* FindClassByName(const CString& name) const;
    // -1 when absent.
    int GetClassIndex(const Class* dataClass) const;
    // Searches the functions of every class, class by class; null when none.
    Function* FindFunctionById(int id) const;
    // The pages built on the table (master forms, map forms or transactions, by its kind) gain
    // variables, or controls, for its new fields.
    void AddVariablesForTableToPages(Table* table);
    void CreateFieldRepsForTableInPages(Table* table);
    // Page variables renamed after the table's fields; a map form is first named table name +
    // "_form".
    void RenamePageVariablesForTable(Table* table);

private:
    // A module's lists are written as a count and each entity.
    template <class T> void ReadInto(CArchive& ar, std::vector<T*>& list);
    template <class T> void ReadPagesInto(CArchive& ar, std::vector<T*>& list);
    void ReadTransactions(CArchive& ar);
    void ReadClasses(CArchive& ar);
    // Appends the page unless listed, then re-sorts; false for null.
    template <class T> bool AddPage(T* page, bool listed);
    // As AddPage, listed when a page of the same id is in the list.
    template <class T> bool AddPageById(const std::vector<T*>& list, T* page);
    // As AddPageById; with withFiles set the page then creates its page files.
    template <class T> bool AddPageWithFiles(const std::vector<T*>& list, T* page, bool withFiles);
    // The table list of the table's kind; null for null or another kind.
    std::vector<Table*>* TableListOfKind(const Table* table);
    void Store(CArchive& ar) const;
    void Load(CArchive& ar);

    std::vector<Table*> m_masterTables;
    std::vector<Table*> m_transactionTables;
    std::vector<Table*> m_mapTables;
    std::vector<Form*> m_masterForms;
    std::vector<Designation*> m_designations;
    std::vector<Transaction*> m_transactions;
    std::vector<Menu*> m_menus;
    std::vector<DashBoard*> m_dashBoards;
    std::vector<Procedure*> m_procedures;
    std::vector<ApplicationReport*> m_reports;
    std::vector<RDLCReport*> m_rdlcReports;
    std::vector<MapForm*> m_mapForms;
    std::vector<DashBoardPage*> m_dashBoardPages;
    std::vector<MultiPageReport*> m_multiPageReports;
    std::vector<ReportCollector*> m_reportCollectors;
    std::vector<Class*> m_classes;
    LoginPage* m_loginPage = nullptr;
    CString m_name;
    int m_number = -1;
    TreeItems m_treeItems{};
    Table* m_pastedTable = nullptr;
    ApplicationReport* m_pastedReport = nullptr;
    Transaction* m_pastedTransaction = nullptr;
    Form* m_pastedForm = nullptr;
};

// The trace on "C:\temp\KestraneWeavoDebugReport.txt", opened when the program starts; module
// destructors write to it.
TextFile& DebugReport();
