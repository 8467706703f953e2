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
class Form;
class Function;
class LoginPage;
class MapForm;
class Menu;
class MultiPageReport;
class Parameter;
class Procedure;
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
    // Takes the table out of the list of its kind without freeing it, and the module's kind-0
    // procedures on it out of the procedure list; false when it was not there.
    bool RemoveTable(Table* table);
    // Appends the report, sets its module and re-sorts; true without change when a report of
    // the same id is listed; false for null. Page files and menu entries are not made here.
    bool AddReport(ApplicationReport* report);
    // Takes the report out of the list without freeing it; false when absent.
    bool RemoveReport(ApplicationReport* report);

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

private:
    // A module's lists are written as a count and each entity.
    template <class T> void ReadInto(CArchive& ar, std::vector<T*>& list);
    template <class T> void ReadPagesInto(CArchive& ar, std::vector<T*>& list);
    void ReadTransactions(CArchive& ar);
    void ReadClasses(CArchive& ar);
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
