#pragma once

#include "merge/PointerLists.h"
#include "platform/core/CString.h"

#include <map>
#include <vector>

class ApplicationReport;
class Class;
class DashBoard;
class DashBoardPage;
class Field;
class ForgeonProject;
class Form;
class FormInterface;
class Function;
class MapForm;
class Menu;
class Module;
class Procedure;
class RDLCInfo;
class RDLCReport;
class Table;
class TableAdapter;
class Transaction;
class XSDInfo;

// What the user chose to merge from the second project, which entities of the second project
// stand for which of the first, and the dependency passes that list what a selection needs but
// neither holds nor finds in the first project. The collector borrows every entity: it owns its
// lists and maps only.
class MergeDependencyCollector
{
public:
    // From an entity of the second project to its counterpart in the first, in key order.
    template <class Key, class Value = Key> using EntityMap = PointerMap<Key, Value>;

    MergeDependencyCollector(ForgeonProject* first, ForgeonProject* second);
    MergeDependencyCollector(const MergeDependencyCollector&) = delete;
    MergeDependencyCollector& operator=(const MergeDependencyCollector&) = delete;

    ForgeonProject* GetFirstProject() const { return m_first; }
    ForgeonProject* GetSecondProject() const { return m_second; }
    // A module of the second project; null until one is selected.
    Module* GetSelectedModule() const { return m_selectedModule; }
    void SetSelectedModule(Module* module) { m_selectedModule = module; }

    // The selection lists; callers append after the matching query, so that each holds an
    // entity once (the full-module menus excepted).
    PointerList<Table>& GetSelectedTables() { return m_selectedTables; }
    PointerList<Procedure>& GetSelectedProcedures() { return m_selectedProcedures; }
    PointerList<ApplicationReport>& GetSelectedReports() { return m_selectedReports; }
    PointerList<Form>& GetSelectedMasterForms() { return m_selectedMasterForms; }
    PointerList<MapForm>& GetSelectedMapForms() { return m_selectedMapForms; }
    PointerList<Transaction>& GetSelectedTransactions() { return m_selectedTransactions; }
    PointerList<Menu>& GetSelectedMenus() { return m_selectedMenus; }
    PointerList<DashBoard>& GetSelectedDashBoards() { return m_selectedDashBoards; }
    PointerList<DashBoardPage>& GetSelectedDashBoardPages() { return m_selectedDashBoardPages; }
    PointerList<Class>& GetSelectedClasses() { return m_selectedClasses; }
    PointerList<Function>& GetSelectedFunctions() { return m_selectedFunctions; }
    PointerList<RDLCReport>& GetSelectedRDLCReports() { return m_selectedRDLCReports; }
    PointerList<RDLCInfo>& GetSelectedRDLCInfos() { return m_selectedRDLCInfos; }
    PointerList<TableAdapter>& GetSelectedTableAdapters() { return m_selectedTableAdapters; }
    PointerList<XSDInfo>& GetSelectedXSDInfos() { return m_selectedXSDInfos; }

    // The entity is in its selection list (pointer equality).
    bool IsTableSelected(const Table* table) const;
    bool IsProcedureSelected(const Procedure* procedure) const;
    bool IsReportSelected(const ApplicationReport* report) const;
    bool IsMasterFormSelected(const Form* form) const;
    bool IsMapFormSelected(const MapForm* mapForm) const;
    bool IsTransactionSelected(const Transaction* transaction) const;
    bool IsMenuSelected(const Menu* menu) const;
    bool IsDashBoardSelected(const DashBoard* dashBoard) const;
    bool IsDashBoardPageSelected(const DashBoardPage* page) const;
    bool IsClassSelected(const Class* dataClass) const;
    bool IsFunctionSelected(const Function* function) const;
    bool IsRDLCReportSelected(const RDLCReport* report) const;
    bool IsRDLCInfoSelected(const RDLCInfo* info) const;
    bool IsTableAdapterSelected(const TableAdapter* adapter) const;
    bool IsXSDInfoSelected(const XSDInfo* info) const;

    // Each takes the first entry of the entity out of its list; nothing when absent.
    void RemoveSelectedTable(const Table* table);
    void RemoveSelectedClass(const Class* dataClass);
    void RemoveSelectedReport(const ApplicationReport* report);
    void RemoveSelectedMasterForm(const Form* form);
    void RemoveSelectedTransaction(const Transaction* transaction);
    void RemoveSelectedDashBoard(const DashBoard* dashBoard);
    void RemoveSelectedDashBoardPage(const DashBoardPage* page);
    void RemoveSelectedRDLCReport(const RDLCReport* report);

    // Empties all fifteen selection lists.
    void ClearSelection();
    // Empties the needed tables, procedures and reports.
    void ClearNeeded();

    // The needed lists: entities of the second project that the passes found missing.
    const PointerList<Table>& GetNeededTables() const { return m_neededTables; }
    const PointerList<Procedure>& GetNeededProcedures() const { return m_neededProcedures; }
    const PointerList<ApplicationReport>& GetNeededReports() const { return m_neededReports; }
    const PointerList<Function>& GetNeededFunctions() const { return m_neededFunctions; }
    const PointerList<RDLCInfo>& GetNeededRDLCInfos() const { return m_neededRDLCInfos; }
    const PointerList<TableAdapter>& GetNeededTableAdapters() const
    {
        return m_neededTableAdapters;
    }
    const PointerList<XSDInfo>& GetNeededXSDInfos() const { return m_neededXSDInfos; }
    bool IsTableNeeded(const Table* table) const;
    bool IsReportNeeded(const ApplicationReport* report) const;
    bool IsFunctionNeeded(const Function* function) const;
    bool IsRDLCInfoNeeded(const RDLCInfo* info) const;
    bool IsTableAdapterNeeded(const TableAdapter* adapter) const;
    bool IsXSDInfoNeeded(const XSDInfo* info) const;

    // Whether the first project holds an entity of the name, each by its kind's rule: tables,
    // reports and functions ignore case, the others compare exactly.
    bool FirstProjectHasTable(const CString& name) const;
    bool FirstProjectHasProcedure(const CString& name) const;
    bool FirstProjectHasReport(const CString& name) const;
    bool FirstProjectHasMasterForm(const CString& name) const;
    bool FirstProjectHasMapForm(const CString& name) const;
    bool FirstProjectHasTransaction(const CString& name) const;
    bool FirstProjectHasFunction(const CString& name) const;
    bool FirstProjectHasRDLCInfo(const CString& name) const;
    bool FirstProjectHasTableAdapter(const CString& name) const;
    bool FirstProjectHasXSDInfo(const CString& name) const;

    // The maps. An insert never replaces the pair of a key already there.
    void MapTable(Table* key, Table* value);
    void MapProcedure(Procedure* key, Procedure* value);
    void MapReport(ApplicationReport* key, ApplicationReport* value);
    void MapField(Field* key, Field* value);
    bool IsTableMapped(const Table* table) const;
    bool IsReportMapped(const ApplicationReport* report) const;
    bool IsClassMapped(const Class* dataClass) const;
    bool IsFieldMapped(const Field* field) const;
    bool IsFunctionMapped(const Function* function) const;
    bool IsRDLCInfoMapped(const RDLCInfo* info) const;
    bool IsTableAdapterMapped(const TableAdapter* adapter) const;
    bool IsXSDInfoMapped(const XSDInfo* info) const;
    // Both ways: the non-null value of the key, else the first key (in key order) whose value
    // is the argument, else null.
    Table* GetMappedTable(Table* table) const;
    Field* GetMappedField(Field* field) const;
    // The value of the key, or null.
    ApplicationReport* GetMappedReport(ApplicationReport* report) const;
    // Each removes the pair at the position in key order; nothing past the end.
    void RemoveTableMapAt(int position);
    void RemoveProcedureMapAt(int position);
    void RemoveReportMapAt(int position);
    void RemoveMasterFormMapAt(int position);
    void RemoveMapFormMapAt(int position);
    void RemoveTransactionMapAt(int position);

    const EntityMap<Table>& GetTableMap() const { return m_tableMap; }
    const EntityMap<Procedure>& GetProcedureMap() const { return m_procedureMap; }
    const EntityMap<ApplicationReport>& GetReportMap() const { return m_reportMap; }
    const EntityMap<Form>& GetMasterFormMap() const { return m_masterFormMap; }
    const EntityMap<MapForm>& GetMapFormMap() const { return m_mapFormMap; }
    const EntityMap<Transaction>& GetTransactionMap() const { return m_transactionMap; }
    const EntityMap<Field>& GetFieldMap() const { return m_fieldMap; }
    EntityMap<Class>& GetClassMap() { return m_classMap; }
    EntityMap<Function>& GetFunctionMap() { return m_functionMap; }
    EntityMap<RDLCInfo>& GetRDLCInfoMap() { return m_rdlcInfoMap; }
    EntityMap<TableAdapter>& GetTableAdapterMap() { return m_tableAdapterMap; }
    EntityMap<XSDInfo>& GetXSDInfoMap() { return m_xsdInfoMap; }

    // A master form, map form, transaction or report that is selected or present by name in
    // the first project; any other page is not available.
    bool IsPageAvailable(FormInterface* page) const;

    // Selects the report with its RDLC info, XSD info and table adapters; the infos selected
    // here lose their merge marks. Nothing when the report is selected already.
    void SelectRDLCReport(RDLCReport* report);
    // Selects every XSD info of the second project with its table adapters, then every RDLC
    // info, each when it is not selected yet.
    void SelectReportDescriptions();
    // Selects each report description that no RDLC report of the second project uses when every
    // table its data sets name is selected or in the first project: Write All writes no data
    // set of a table the merged project lacks.
    void SelectUnusedReportDescriptions();
    // Selects the whole selected module: tables with their classes and pages, classes,
    // procedures, pages, RDLC reports with their descriptions, menus with their descendants,
    // dashboard pages with their dashboards, and the report descriptions that no RDLC report
    // uses whose tables come. Nothing without a selected module.
    void SelectFullModule();
    // One entity of the selected module with the dependants the full-module selection adds for
    // it: a table with its classes and pages (a transaction's detail tables in turn), a menu with
    // its descendants, a dashboard page with its dashboards. Nothing when it is selected already
    // (a table needs a selected module).
    void SelectTableWithDependants(Table* table);
    void SelectMenuWithDescendants(Menu* menu);
    void SelectDashBoardPageWithDashBoards(DashBoardPage* page);

    // The dependency passes: each appends one line per finding to the lines, in order, and the
    // entity found to its needed list unless it is there.
    void CollectTableDependencies(std::vector<CString>& lines);
    void CollectProcedureDependencies(std::vector<CString>& lines);
    void CollectReportDependencies(std::vector<CString>& lines);
    void CollectMasterFormDependencies(std::vector<CString>& lines);
    void CollectMapFormDependencies(std::vector<CString>& lines);
    void CollectTransactionDependencies(std::vector<CString>& lines);
    void CollectMenuDependencies(std::vector<CString>& lines);
    void CollectRDLCReportDependencies(std::vector<CString>& lines);
    // The pass of the number 0 to 7, in the order above; nothing for another number.
    void CollectDependencies(int pass, std::vector<CString>& lines);

private:
    // A table, report or function that is neither selected, present by name nor mapped.
    bool IsMissing(Table* table) const;
    bool IsMissing(ApplicationReport* report) const;
    bool IsMissing(Function* function) const;
    bool IsMissing(RDLCInfo* info) const;
    bool IsMissing(XSDInfo* info) const;
    bool IsMissing(TableAdapter* adapter) const;
    // Appends the line and the entity to the needed list unless it is there.
    template <class T>
    static void AddFinding(std::vector<CString>& lines, const CString& name, const char* literal,
                           const CString& owner, PointerList<T>& needed, T* entity);
    void SelectClassWithFunctions(Class* dataClass);

    ForgeonProject* m_first;
    ForgeonProject* m_second;
    Module* m_selectedModule = nullptr;

    PointerList<Table> m_selectedTables;
    PointerList<Procedure> m_selectedProcedures;
    PointerList<ApplicationReport> m_selectedReports;
    PointerList<Form> m_selectedMasterForms;
    PointerList<MapForm> m_selectedMapForms;
    PointerList<Transaction> m_selectedTransactions;
    PointerList<Menu> m_selectedMenus;
    PointerList<DashBoard> m_selectedDashBoards;
    PointerList<DashBoardPage> m_selectedDashBoardPages;
    PointerList<Class> m_selectedClasses;
    PointerList<Function> m_selectedFunctions;
    PointerList<RDLCReport> m_selectedRDLCReports;
    PointerList<RDLCInfo> m_selectedRDLCInfos;
    PointerList<TableAdapter> m_selectedTableAdapters;
    PointerList<XSDInfo> m_selectedXSDInfos;

    PointerList<Table> m_neededTables;
    PointerList<Procedure> m_neededProcedures;
    PointerList<ApplicationReport> m_neededReports;
    PointerList<Function> m_neededFunctions;
    PointerList<RDLCInfo> m_neededRDLCInfos;
    PointerList<TableAdapter> m_neededTableAdapters;
    PointerList<XSDInfo> m_neededXSDInfos;

    EntityMap<Table> m_tableMap;
    EntityMap<Procedure> m_procedureMap;
    EntityMap<ApplicationReport> m_reportMap;
    EntityMap<Form> m_masterFormMap;
    EntityMap<MapForm> m_mapFormMap;
    EntityMap<Transaction> m_transactionMap;
    EntityMap<Field> m_fieldMap;
    EntityMap<Class> m_classMap;
    EntityMap<Function> m_functionMap;
    EntityMap<RDLCInfo> m_rdlcInfoMap;
    EntityMap<TableAdapter> m_tableAdapterMap;
    EntityMap<XSDInfo> m_xsdInfoMap;
};
