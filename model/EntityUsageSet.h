#pragma once

#include <functional>
#include <vector>

class ApplicationReport;
class Class;
class DashBoard;
class DashBoardPage;
class Designation;
class Form;
class FormInterface;
class Function;
class MapForm;
class Menu;
class MenuInterface;
class MultiPageReport;
class Procedure;
class RDLCInfo;
class RDLCReport;
class ReferenceList;
class ReportCollector;
class Table;
class Transaction;
class XSDInfo;

// The entities that a usage check found using the entity under test, one list per kind; the
// removal that follows the check takes the references out of exactly these. Nothing is owned
// and no list holds an entity twice.
class EntityUsageSet
{
public:
    EntityUsageSet() = default;
    EntityUsageSet(const EntityUsageSet&) = delete;
    EntityUsageSet& operator=(const EntityUsageSet&) = delete;

    // Empties every list.
    void Clear();
    // No list holds anything.
    bool IsEmpty() const;
    // The entity at the address of its whole object leaves its list: it is about to be freed.
    void Forget(const void* object);
    // A list holds the entity; asked by the pointer of the kind it is recorded as, which may be
    // one to an entity freed since it was copied out.
    template <class T> bool Holds(const T* entity) const
    {
        return HoldsObject(static_cast<const void*>(entity));
    }

    // Each records the entity unless its list holds it already.
    void AddTable(Table* table);
    void AddProcedure(Procedure* procedure);
    void AddFunction(Function* function);
    void AddClass(Class* dataClass);
    void AddRole(Designation* role);
    void AddMenuItem(MenuInterface* item);
    // Into the list of the page's own type: form, transaction, report, RDLC report, map form,
    // dashboard page, dashboard, multi-page report or report collector; other pages are not
    // recorded.
    void AddFormInterface(FormInterface* page);

    // The removals that follow a usage check: each takes the references to the entity out of
    // the entities recorded here, and only out of those.
    // Menu items let go of the page's page files as they list them: they stop showing and
    // opening them, and a report column opening one loses its bindings as well.
    void RemovePageLinks(FormInterface* page);
    // RemovePageLinks for each of the pages, the items listed once for all of them.
    void RemovePageLinks(const std::vector<FormInterface*>& pages);
    // The roles lose the page as their default page; then RemovePageLinks.
    void RemoveDashBoardPageReferences(DashBoardPage* page);
    // The RDLC reports drop the description.
    void RemoveRDLCInfoReferences(RDLCInfo* info);
    void RemoveXSDInfoReferences(XSDInfo* info);
    // The roles drop every entry of the menu, and the pages let go of it, as they list it; the
    // page files' menu maps of it are erased before (Module::EraseMenuMaps).
    void RemoveMenuReferences(Menu* menu);
    // The pages clear the front and back fields taken from the table through the function.
    void ClearFunctionFieldFrontBack(Function* function, Table* table);

    // Null for a negative index or one past the end.
    Table* GetTableAt(int index) const;
    Form* GetFormAt(int index) const;
    Transaction* GetTransactionAt(int index) const;
    Procedure* GetProcedureAt(int index) const;
    ApplicationReport* GetReportAt(int index) const;
    Class* GetClassAt(int index) const;

    const std::vector<Table*>& GetTables() const { return m_tables; }
    const std::vector<Form*>& GetForms() const { return m_forms; }
    const std::vector<Designation*>& GetRoles() const { return m_roles; }
    const std::vector<Transaction*>& GetTransactions() const { return m_transactions; }
    const std::vector<MenuInterface*>& GetMenuItems() const { return m_menuItems; }
    const std::vector<DashBoard*>& GetDashBoards() const { return m_dashBoards; }
    const std::vector<Procedure*>& GetProcedures() const { return m_procedures; }
    const std::vector<ApplicationReport*>& GetReports() const { return m_reports; }
    const std::vector<RDLCReport*>& GetRDLCReports() const { return m_rdlcReports; }
    const std::vector<MapForm*>& GetMapForms() const { return m_mapForms; }
    const std::vector<DashBoardPage*>& GetDashBoardPages() const { return m_dashBoardPages; }
    const std::vector<MultiPageReport*>& GetMultiPageReports() const { return m_multiPageReports; }
    const std::vector<ReportCollector*>& GetReportCollectors() const { return m_reportCollectors; }
    const std::vector<Function*>& GetFunctions() const { return m_functions; }
    const std::vector<Class*>& GetClasses() const { return m_classes; }

    // Runs the action on every recorded page, list by list.
    void ForEachPage(const std::function<void(FormInterface*)>& action) const;

private:
    // What the recorded roles refer to.
    void ListRoleReferences(ReferenceList& list) const;
    bool HoldsObject(const void* object) const;
    // Calls visit with every list of the set, as a vector of pointers of its kind.
    template <class Set, class Visit> static void VisitLists(Set& set, const Visit& visit);

    std::vector<Table*> m_tables;
    std::vector<Form*> m_forms;
    std::vector<Designation*> m_roles;
    std::vector<Transaction*> m_transactions;
    std::vector<MenuInterface*> m_menuItems;
    std::vector<DashBoard*> m_dashBoards;
    std::vector<Procedure*> m_procedures;
    std::vector<ApplicationReport*> m_reports;
    std::vector<RDLCReport*> m_rdlcReports;
    std::vector<MapForm*> m_mapForms;
    std::vector<DashBoardPage*> m_dashBoardPages;
    std::vector<MultiPageReport*> m_multiPageReports;
    std::vector<ReportCollector*> m_reportCollectors;
    std::vector<Function*> m_functions;
    std::vector<Class*> m_classes;
};
