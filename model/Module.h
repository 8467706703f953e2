#pragma once

#include "model/ClassTableIndex.h"
#include "model/GoingPages.h"
#include "model/ReferenceList.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class ApplicationReport;
class CArchive;
class Class;
class DashBoard;
class DashBoardCellInfo;
class DashBoardPage;
class Designation;
class Field;
class FieldRep;
class ForgeonProject;
class FormInterface;
class Form;
class Function;
class Grid;
class LoginPage;
class MapForm;
class Menu;
class MultiPageReport;
class Parameter;
class Procedure;
class ProcedureFieldInfo;
class RDLCInfo;
class RDLCReport;
class ReportCollector;
class Table;
class TextFile;
class Transaction;
class Variable;
class XSDInfo;
struct DataLoss;
struct FieldVariableMap;
struct ReportFieldBinding;
struct TableUsersIndex;

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
    // The classes whose table is gone, kept for the calls pages may still make to them.
    const std::vector<Class*>& GetUnboundClasses() const { return m_unboundClasses; }
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
    // Frees the page when it is the module's login page; false otherwise.
    bool DeleteLoginPage(LoginPage* page);

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
    bool RemoveDashBoard(DashBoard* dashBoard);
    bool RemoveDashBoardPage(DashBoardPage* page);

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
    // Brings the module to what Write All writes: variables named after their fields, the RDLC
    // reports built on a table given their default data sets, queries and report files, and
    // the titles of the form and master-detail page files filled in.
    void PrepareForWriteAll();
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
    // Whether a Copy left an entity of the kind to paste.
    bool HasPastedTable() const { return m_pastedTable != nullptr; }
    bool HasPastedReport() const { return m_pastedReport != nullptr; }
    bool HasPastedTransaction() const { return m_pastedTransaction != nullptr; }
    bool HasPastedForm() const { return m_pastedForm != nullptr; }

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

    // The page files of every page kind tidy their menu variable maps and a transaction's files
    // lose their null links; also one of the load passes.
    void CleanUpPageFiles();
    // With a table: the classes up to the first one bound to it; with null: every class; also
    // one of the load passes.
    void AddDefaultClassFunctionsUpTo(Table* table);

    // A login page with its default controls and logout menu entry when the module has none.
    void CreateLoginPage();
    // The role "admin" when the module has no role.
    void EnsureDefaultDesignation();

    // Users, roles and login defaults (model/UserDefaults.cpp, with the three passes above).
    // The master tables "personnel_role", then "useraccount", each with its data class and
    // default functions, each made only when missing.
    void EnsureSystemTables();
    void EnsureRoleTable();
    void EnsureUserAccountTable();
    // The table's name, lower-cased, is "useraccount".
    static bool IsUserAccountTable(const Table* table);
    // A master form of the module is built on a table named "useraccount" (ignoring case).
    bool HasUserAccountForm() const;
    // When "useraccount" has no master form: its form and search report made in this module by
    // the open project's TableFormCreator (nothing without an open project), a one-column
    // layout, the page-only fields "new_password" and "confirm_password" placed before the role
    // box, password boxes and the visibility entries of the add and update page files.
    void CreateUserAccountForm();
    // "ChangePassword_form", captioned "Change Password": a copy of the user-account form,
    // added with its page files, its controls carrying the variables of their table fields,
    // whose update page shows "username" read-only and hides the role; nothing without a
    // user-account form.
    void CreateChangePasswordForm();
    // A control for the field with new field data carrying a new page variable mapped to the
    // field, named as the field and of the page kind, as a load makes it; returns the control.
    static FieldRep* AddFieldControlToPage(FormInterface* page, Field* field);
    // Grants the menu to the first role of the base module of the project that holds this
    // module (this module itself outside the open project); nothing without a role.
    void AddMenuToDefaultDesignation(Menu* menu);
    // The first "password" column of the first "useraccount" search report leaves it.
    void RemovePasswordFromUserAccountReport();
    // "password" and "username" of "useraccount" become nvarchar; the update page file of every
    // "useraccount_form" without visibility entries hides "password".
    void RepairUserAccountPages();

    // Default menus, links and dashboards (model/DefaultMenus.cpp). Menus made here are granted
    // to the base module's first role.
    // The menu tree, the module dashboard and, in "BaseModule", the project dashboard.
    void CreateDefaultObjects();
    // "<name>Menu" with "Masters", "Master Details", "Search Reports", "Reports", "Dashboards".
    void CreateDefaultMenus();
    // The page and dashboard "<name>_Dashboard" with a 5-by-1 grid of category cells.
    void CreateModuleDashboard();
    // The page and dashboard "Project_Dashboard" with one cell per module.
    void CreateProjectDashboard();
    void FillModuleDashboardGrid(Grid* grid);
    void FillProjectDashboardGrid(Grid* grid);
    // A project dashboard panel captioned with the module's name, linking the item of the
    // module's dashboard page when there is one.
    DashBoardCellInfo* NewProjectDashboardCell() const;
    // The module dashboard's "Back to Project Dashboard" cell links the base module's item
    // "Project Dashboard".
    void LinkProjectDashboardCell(const Module& base);
    // The back link, top menu, category item and links of a page added with its files.
    void AddDefaultMenuEntries(FormInterface* page);
    // A pasted page, added with its menu entries, becomes what a load makes of it: a
    // master-detail form's table titles, the table flags, its controls carrying their fields'
    // variables, a variable for every field of its tables, the lists in order.
    void SettlePastedPage(FormInterface& page);
    // An item under "Dashboards" opening the page's first page file.
    void AddDashboardPageMenuEntry(DashBoardPage* page);
    // An item under the page kind's category menu (or at top level when it is missing) that
    // links the category's dashboard cell.
    void AddMasterFormMenuEntry(Form* form);
    void AddTransactionMenuEntry(Transaction* transaction);
    void AddSearchReportMenuEntry(ApplicationReport* report);
    void AddRDLCReportMenuEntry(RDLCReport* report);
    // Every cell of the module dashboard captioned with the page kind's category links the item
    // unless it links a menu opening a page file already.
    void LinkDashboardCellToMenu(FormInterface* page, Menu* item);
    // Every page file but the action files shows "<name>Menu" as top menu.
    void SetPageTopMenu(FormInterface* page);
    // Each adds its link unless the page has one of that caption.
    void AddBackToDashboardLink(FormInterface* page);
    void AddPageLinks(FormInterface* page);
    void AddFindLink(FormInterface* page);
    void AddAddLink(FormInterface* page);
    // The "FIND" link of the page of the report's table targets the report's item.
    void LinkFindLinksToReport(ApplicationReport* report);
    // In "BaseModule": the item "Logout" under "<name>Menu" opens the login page.
    void AddLogoutMenuEntry();
    // Run before the module takes the new name: its menu, dashboard, dashboard page and the
    // dashboard page's item follow the name.
    void RenameDefaultObjects(CString newName);
    // The name of the dashboard and dashboard page of a module of the name.
    static CString DashboardNameOf(const CString& moduleName);
    void RenameModuleMenu(const CString& newName);
    void RenameModuleDashboard(const CString& newName);
    void RenameModuleDashboardPage(const CString& newName);
    void RenameDashboardMenuEntry(const CString& newName);

    // Lookups, list operations and page upkeep of model/ModuleLookups.cpp.
    // Replaces the vector's contents with the master forms, transactions, reports, map forms,
    // dashboards, multi-page reports, dashboard pages and RDLC reports, in that order.
    void GetAllPages(std::vector<FormInterface*>& out) const;
    // Replaces the vector's contents with the pages FindPageByName searches: master forms,
    // transactions, reports, map forms, dashboard pages, RDLC reports, then the login page.
    void GetNamedPages(std::vector<FormInterface*>& out) const;
    // Exact, the first of GetNamedPages; null when none.
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

    // Services for the shell, the generators and the merge.
    bool ContainsMultiPageReport(const MultiPageReport* report) const;
    // The control of the field re-applies its own data: on the master form of a master table,
    // on every transaction using a master-detail table; nothing for other kinds.
    void RefreshFieldRepOfField(Table* table, Field* field);
    // Every class bound to the table deletes its function "SelectRecordFor" + field name once
    // the pages let go of it: those of every module of the open project when it holds this
    // module, else this module's.
    void RemoveSelectRecordForFunction(Field* field, Table* table);

    // Usage checks and relinking (model/ModuleUsage.cpp).
    // True when the usage text is empty. Otherwise the refusal "Can not delete <name>. It is
    // used in following objects!" with the usage text replaces the content of
    // "ObjectRefDump.txt" in the open project's folder (when it can be written) and the answer
    // is false. The last argument is not read.
    bool ReportUsage(const CString& name, const CString& usage, bool unused = false);
    // Each asks the module's entities who use the entity, listing them in a usage text and
    // recording them in the current usage set, reports the text, and when it is not empty
    // takes the references out of the recorded users. They answer true.
    bool RemoveFieldUsages(Field* field);
    // Of the open project.
    bool RemoveTableUsages(Table* table);
    // For each table, the reports of the modules, in module and list order, that a loss of the
    // table may take or leave without a group (ApplicationReport::ListTablesItMayGoWith). As
    // losses only drop what a report may go with, it holds while tables are deleted.
    using ReportsByTable = std::unordered_map<const Table*, std::vector<ApplicationReport*>>;
    static ReportsByTable IndexReportsByTable(const std::vector<Module*>& modules);
    // The reports, RDLC reports and graphs of the modules built on the table; with reports, the
    // index's reports still listed are the only ones asked.
    static GoingPages FindReportsOnTable(const std::vector<Module*>& modules, const Table* table,
                                         const ReportsByTable* reports = nullptr);
    // The fields and those they refer to.
    static ReferenceList::Targets FieldTargets(const std::vector<Field*>& fields);
    // For each target, the entities of the module (those ListReferences walks) whose lists
    // refer to it.
    using UsersIndex = std::unordered_map<const void*, std::unordered_set<const void*>>;
    // Where ListReferences meets an entity: the kind of list, and for a function the class whose
    // list holds it.
    struct Referrer
    {
        enum class Kind
        {
            table,
            dataClass,
            function,
            procedure,
            page,
            menu,
            designation,
        };
        Kind kind;
        const Class* owner = nullptr;

        // The kind's bit in a set of kinds.
        static constexpr unsigned Bit(Kind of) { return 1U << static_cast<unsigned>(of); }
    };
    using Referrers = std::unordered_map<const void*, Referrer>;
    // The kinds of list the entities stand in (Referrer::Bit of each), the classes whose lists
    // held the functions among them gathered in functionClasses, as the referrers met them; none
    // when one of the entities was not met.
    using ClassSet = std::unordered_set<const Class*>;
    // Whether the class is among the classes; every class is without a set.
    static bool AmongClasses(const ClassSet* classes, const Class* dataClass)
    {
        return classes == nullptr || classes->contains(dataClass);
    }
    static std::optional<unsigned> ReferrerKindsAmong(const std::unordered_set<const void*>& among,
                                                      const Referrers& referrers,
                                                      ClassSet& functionClasses);
    // Adds the users of the targets to the index, and where each stands to the referrers.
    void IndexUsers(const ReferenceList::Targets& targets, UsersIndex& index, Referrers& referrers);
    // RemoveTableUsages with the pages on the table found before any module let go of it:
    // those of this module go with it, deleted by the project that deletes the table. With an
    // index of the table, its fields and the fields they refer to, only the entities it names
    // are asked and listed for them, and only its reports of the table are asked to drop groups.
    bool RemoveTableUsages(Table* table, const GoingPages& onTable, ForgeonProject* project,
                           const TableUsersIndex* index = nullptr);
    // The reports and graphs of the module that nothing the loss leaves feeds.
    GoingPages PagesGoingWith(const DataLoss& loss) const;
    // The project (the module's) deletes those of the pages that the module still lists; none
    // without a project.
    void DeleteStillListed(const GoingPages& pages, ForgeonProject* project) const;
    // Entities of the module, by address.
    using AskedEntities = std::unordered_set<const void*>;
    // RemovePageUsages for every page of the list, in order, the module's entities listed once
    // for all of them: a form is named by the map forms referring to it, a report by the forms,
    // master-detail and map forms calling it and shown by multi-page reports and collectors.
    void RemoveFormUsages(const std::vector<Form*>& forms);
    void RemoveMapFormUsages(const std::vector<MapForm*>& mapForms);
    void RemoveTransactionUsages(const std::vector<Transaction*>& transactions);
    void RemoveReportUsages(const std::vector<ApplicationReport*>& reports);
    void RemoveRDLCReportUsages(const std::vector<RDLCReport*>& reports);
    bool RemoveDashBoardUsages(DashBoard* dashBoard);
    bool CollectDashBoardPageUsage(DashBoardPage* page);
    // The pages whose listed references reach the procedure, its columns, computed fields or
    // parameters are named in this order, and let go of them: master forms, map forms,
    // transactions, dashboards, reports, multi-page reports (named with "_multiReport"),
    // dashboard pages, RDLC reports, report collectors, the login page. The reports and graphs
    // that the procedure alone fed then go, deleted by the project.
    bool RemoveProcedureUsages(Procedure* procedure, ForgeonProject* project);
    // The pages of GetAllPages, then the report collectors and the login page.
    void GetEveryPage(std::vector<FormInterface*>& out) const;
    // Every table, class with its functions, procedure and page of the module, the login page
    // too, then every menu and sub-menu and every role lists its references under its name.
    void ListReferences(ReferenceList& list);
    // As ListReferences, of the entities among those given alone; the lists of kinds that the
    // referrers say none of them stands in are not entered (all are without an entry for each).
    void ListReferences(ReferenceList& list, const std::unordered_set<const void*>& among,
                        const Referrers& referrers = {});
    // As ReleaseReferences of this module (no menu maps), its entities among those given alone
    // listing their references.
    int ReleaseReferencesAmong(const ReferenceList::Targets& targets,
                               const std::unordered_set<const void*>& among,
                               const Referrers& referrers);
    // What the modules list lets go of every reference to the targets (entities that are
    // about to be freed); answers how many there were.
    static int
    ReleaseReferences(const std::vector<Module*>& modules, const ReferenceList::Targets& targets,
                      ReferenceList::MenuMaps menuMaps = ReferenceList::MenuMaps::listed);
    // The modules whose pages may refer to this module's entities: those of the open project
    // when it holds this module, else this module alone.
    std::vector<Module*> GetReferringModules();
    // While one lives, parts freed within it are let go of by the entities of its modules; the
    // innermost one counts. Parts handed to ReleaseThenFree within it are let go of in one pass
    // over its modules and freed when it ends.
    class PartHoldersScope
    {
    public:
        explicit PartHoldersScope(const std::vector<Module*>& modules);
        ~PartHoldersScope();
        PartHoldersScope(const PartHoldersScope&) = delete;
        PartHoldersScope& operator=(const PartHoldersScope&) = delete;

    private:
        friend class Module;
        const std::vector<Module*>& m_modules;
        PartHoldersScope* m_previous;
        ReferenceList::Targets m_parts;
        std::vector<std::function<void()>> m_frees;
    };
    // Every holder of the parts, which their owner is about to free, lets go of them: those of
    // the innermost PartHoldersScope's modules, or without one those of the open project.
    static void ReleaseFreedParts(const ReferenceList::Targets& parts);
    // The parts, which their owner no longer lists, are let go of by every holder as
    // ReleaseFreedParts does and then freed by free: at the end of the innermost
    // PartHoldersScope, with the other parts handed to it, else at once.
    static void ReleaseThenFree(const ReferenceList::Targets& parts, std::function<void()> free);
    // The same with the holders of the modules: at the end of the innermost PartHoldersScope
    // when it is of these modules, else at once.
    static void ReleaseThenFree(const std::vector<Module*>& modules,
                                const ReferenceList::Targets& parts, std::function<void()> free);
    // What this module's entities list of the targets, which outlive the innermost
    // PartHoldersScope, is let go of with the parts handed to that scope when it holds this
    // module (by every module of it), else at once.
    void ReleaseWithFreedParts(const ReferenceList::Targets& targets);
    // The procedure lets go of the output column; the pages of the modules let go of it, then it
    // is freed, as ReleaseThenFree with the modules does.
    static void RemoveOutputColumn(const std::vector<Module*>& modules, Procedure* procedure,
                                   ProcedureFieldInfo* column);
    // RemoveOutputColumn for each output column whose field belongs to the table.
    static void RemoveOutputColumnsOfTable(const std::vector<Module*>& modules,
                                           Procedure* procedure, const Table* table);
    // The pages of the modules let go of the function's output column; then the function frees
    // it.
    static void RemoveFunctionOutputColumn(const std::vector<Module*>& modules, Function* function,
                                           ProcedureFieldInfo* column);
    // The pages of the modules let go of the function's output columns of the table; then the
    // function drops the table and frees them.
    static void RemoveFunctionTable(const std::vector<Module*>& modules, Function* function,
                                    Table* table);
    // The procedure and its derived procedures lose the field's parameter, the calls of the
    // procedure on the pages the pair at its place; its variable is freed unless still used.
    void RemoveFieldParameter(Procedure* procedure, Field* field) const;
    // The pages whose listed references reach the function, its output or its parameters are
    // named in this order, and let go of them: master forms, transactions, reports, RDLC
    // reports, dashboards, map forms, multi-page reports, dashboard pages, report collectors,
    // the login page. The reports and graphs that the function alone fed then go, deleted by
    // the project.
    bool RemoveFunctionUsages(Function* function, ForgeonProject* project);
    // Without a report: the pages let go of each menu, then of each of its sub-menus, the
    // module listed once for all of them. What they do not reach, the roles among it, lets go
    // of the menus in the deletion's walk over every module (DeleteMenus).
    void RemoveMenuUsages(const std::vector<Menu*>& roots);
    // The page files of every page erase their maps of the menus.
    void EraseMenuMaps(const ReferenceList::Targets& menus) const;
    // The pages that show a field of the table through the function as front or back field
    // clear it.
    void CollectFunctionFieldUsage(Function* function, Table* table);
    // The menus (with their sub-menus) and report columns that link to the page.
    void CollectPageLinkUsage(FormInterface* page, CString& usage);
    // As CollectPageLinkUsage for each page, appending to its usage (usages[i] of pages[i]).
    void CollectPageLinkUsage(const std::vector<FormInterface*>& pages,
                              std::vector<CString>& usages);
    // The roles whose default dashboard page is the page, by name.
    void CollectDesignationsOfDashBoardPage(DashBoardPage* page, CString& usage);
    // Usage checks that only answer. A control that other controls of its page need is
    // reported under its field name.
    bool CanRemoveFieldRep(FieldRep* fieldRep, FormInterface* page);
    // The master forms, transactions and reports that use the mapping; a finding is filed as
    // an error. With report set the refusal is also reported.
    bool CheckVariableUsage(FieldVariableMap* map, bool report);
    // Appends, one line each, the pages not yet named whose listed references reach one of the
    // targets, but those that hold them, and records them.
    void AddReferringPages(const ReferenceList::Targets& targets, ReferenceList::MenuMaps menuMaps,
                           CString& usage, const std::function<bool(FormInterface&)>& holds = {});
    // The transactions, dashboards, reports and dashboard pages whose calls pass a value to the
    // procedure's parameter of the field; a finding is reported and filed as an error.
    bool CheckProcedureFieldUsage(Procedure* procedure, Field* field);
    // Each erases the entity from its list and deletes it; false when it is not listed.
    // DeleteTable first removes the table's usages (the cascades run by the open project);
    // EraseTable, for a deletion that removed them, does not. Both search master, transaction,
    // then map tables.
    bool DeleteTable(Table* table);
    bool EraseTable(Table* table);
    // As EraseTable, the table, which its users may still list, let go of by every holder and
    // freed with the parts of the innermost PartHoldersScope (ReleaseThenFree).
    bool EraseTableWithFreedParts(Table* table);
    // Classes whose table is gone leave the class list, as a read leaves them out; they are
    // kept, not freed, for the function references pages may still hold.
    void SetAsideUnboundClasses();
    bool DeleteMasterForm(Form* form);
    bool DeleteMapForm(MapForm* mapForm);
    bool DeleteTransaction(Transaction* transaction);
    bool DeleteDashBoard(DashBoard* dashBoard);
    bool DeleteDashBoardPage(DashBoardPage* page);
    bool DeleteReport(ApplicationReport* report);
    bool DeleteRDLCReport(RDLCReport* report);
    bool DeleteProcedure(Procedure* procedure);
    // The roles and menus of the referring modules let go of the role first.
    void DeleteDesignation(Designation* designation);
    // As DeleteDesignation, the roles and menus of the modules given letting go of it.
    void DeleteDesignation(Designation* designation, const std::vector<Module*>& modules);
    // What the referring modules list of the menu and its subtree, page files' maps among it,
    // is let go of; a sub-menu leaves its parent, a top-level menu the module's menus; a parent
    // left without sub-menus gets its maps as a leaf, and the menu is deleted. False, nothing
    // deleted, when it is in neither.
    bool DeleteMenu(Menu* menu);
    // As DeleteMenu, for the page files of the modules given, those that may show the menu's
    // tree; when a parent is left without sub-menus, their page files follow the trees.
    bool DeleteMenu(Menu* menu, const std::vector<Module*>& modules);
    // As DeleteMenu for each menu, paired with the module that holds it, in one sweep of the
    // modules' page files and lists; none may lie in the tree of one deleted before it.
    using HeldMenus = std::vector<std::pair<Module*, Menu*>>;
    static void DeleteMenus(const HeldMenus& menus, const std::vector<Module*>& modules);
    // The class that owns the function deletes it; false when no class of the module does.
    bool DeleteClassFunction(Function* function);
    // After the table's front field changed from previous: the non-user functions of the
    // classes of tables referring to it swap the previous front field for the current one, and
    // those tables' search reports gain the fields they lack.
    void UpdateFrontFieldUsers(Table* table, Field* previous);

    // Model checks (model/ModuleChecks.cpp). Each files its findings as errors in the project
    // diagnostics and changes nothing in the model.
    // The checks the classic page generator runs, in this order.
    void CheckProcedures();
    void ValidateTransactions();
    void CheckForeignFields();
    void CheckAllFieldReps();
    // A lookup control with a data procedure needs front and back field; radio buttons need as
    // many display texts as values.
    void CheckFieldRep(FieldRep* fieldRep, FormInterface* page);
    void CheckReportProcedures();
    // The page checks of master forms, map forms and search reports.
    void ValidateForms();
    void ValidateMapForms();
    void ValidateReports();
    // The pages that use the procedure's output column (or the function's field); each is
    // filed and recorded in the current usage set.
    void CheckProcedureFieldUse(Procedure* procedure, ProcedureFieldInfo* column);
    void CheckFunctionFieldUse(Function* function, Field* field);
    // The RDLC reports' uses of the description are reported and, when there are any, the
    // recorded reports drop it. Always true.
    bool CanDeleteRDLCInfo(RDLCInfo* info);
    bool CanDeleteXSDInfo(XSDInfo* info);

private:
    // The field's usage check of RemoveFieldUsages, asking of the tables, procedures, functions
    // and login page only those given (all when null), and listing only the pages given; the
    // reports are all asked whether they show the row the field refers to.
    // The project runs the cascades.
    void AskFieldUsers(Field* field, const AskedEntities* asked, ForgeonProject* project);
    // The entities the check asks, in its order, taken once for several fields: those asked
    // (all without a set) and every report; with the sizes of the module's lists they were
    // taken from (AskedListSizes).
    // With classes, the functions of those classes alone are asked and counted: those that
    // hold every asked function.
    struct FieldAskees;
    FieldAskees FieldAskeesAmong(const AskedEntities* asked,
                                 const ClassSet* functionClasses = nullptr) const;
    using ListSizes = std::array<std::size_t, 16>;
    ListSizes AskedListSizes(const ClassSet* functionClasses = nullptr) const;
    void AskFieldUsers(Field* field, const FieldAskees& askees, ForgeonProject* project);
    // What refers to one of the fields or to a field one of them refers to.
    AskedEntities FieldUsersOf(const std::vector<Field*>& fields) const;
    // The usage of each page being deleted, in order: the users found so far (usages), the
    // menus and report columns linking to it, then the pages showing it (shownBy, or none);
    // when there are any, the menus and columns let go of its page files. Then every page lets
    // go of the pages through the list.
    void RemovePageUsages(const std::vector<FormInterface*>& pages, std::vector<CString> usages,
                          const std::vector<CString>& shownBy);
    // The pages, then the login page, list their references (their page files' menu maps as
    // menuMaps says); the users of the freed entities are reported under the name, one line each
    // in that order, and let go of them.
    void ReleaseUsers(std::vector<FormInterface*> pages, const CString& name,
                      const ReferenceList::Targets& freed, ReferenceList::MenuMaps menuMaps);
    // The passes that only the project store runs after a project file has been read, called
    // through ModuleLoadPasses, which documents them.
    friend class ModuleLoadPasses;
    void MarkKeyFieldVariables();
    void DetachKeyFieldReps();
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
    void AddTableFieldsToAllClassFunctions();
    void RenameClassesAfterTables();
    void DeleteUnconfirmedFieldReps();
    void SetLoginTableFrontFields(ForgeonProject& project);

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
    ClassTableIndex m_classIndex;
    // Classes read without a table: dropped from the list, freed with the module, since pages
    // may still refer to them.
    std::vector<Class*> m_unboundClasses;
    LoginPage* m_loginPage = nullptr;
    CString m_name;
    int m_number = -1;
    TreeItems m_treeItems{};
    Table* m_pastedTable = nullptr;
    ApplicationReport* m_pastedReport = nullptr;
    Transaction* m_pastedTransaction = nullptr;
    Form* m_pastedForm = nullptr;
};

// What a deletion of tables finds in one walk before it deletes any, so that each table's checks
// ask only the entities concerned.
struct TableUsersIndex
{
    // The users of the tables, of their fields and of the fields those refer to.
    Module::UsersIndex users;
    Module::Referrers referrers;
    Module::ReportsByTable reports;
};

// The trace on "C:\temp\KestraneWeavoDebugReport.txt", opened when the program starts; module
// destructors write to it.
TextFile& DebugReport();
