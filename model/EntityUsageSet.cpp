#include "model/EntityUsageSet.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/Transaction.h"
#include "model/ListAccess.h"
#include "model/ReferenceList.h"

#include <algorithm>

namespace
{
template <class T> void AddOnce(std::vector<T*>& list, T* item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

// Records the page in the list when it is of the list's type.
template <class T> bool AddIfOfType(std::vector<T*>& list, FormInterface* page)
{
    T* typed = dynamic_cast<T*>(page);
    if (typed == nullptr)
        return false;
    AddOnce(list, typed);
    return true;
}
} // namespace

template <class Set, class Visit> void EntityUsageSet::VisitLists(Set& set, const Visit& visit)
{
    visit(set.m_tables);
    visit(set.m_forms);
    visit(set.m_roles);
    visit(set.m_transactions);
    visit(set.m_menuItems);
    visit(set.m_dashBoards);
    visit(set.m_procedures);
    visit(set.m_reports);
    visit(set.m_rdlcReports);
    visit(set.m_mapForms);
    visit(set.m_dashBoardPages);
    visit(set.m_multiPageReports);
    visit(set.m_reportCollectors);
    visit(set.m_functions);
    visit(set.m_classes);
}

void EntityUsageSet::Clear()
{
    VisitLists(*this, [](auto& list) { list.clear(); });
}

bool EntityUsageSet::IsEmpty() const
{
    bool empty = true;
    VisitLists(*this, [&empty](const auto& list) { empty = empty && list.empty(); });
    return empty;
}

void EntityUsageSet::Forget(const void* object)
{
    VisitLists(*this, [object](auto& list)
               { std::erase_if(list, [object](const void* item) { return item == object; }); });
}

bool EntityUsageSet::HoldsObject(const void* object) const
{
    bool held = false;
    VisitLists(*this,
               [object, &held](const auto& list)
               {
                   held = held || std::ranges::any_of(list, [object](const void* item)
                                                      { return item == object; });
               });
    return held;
}

void EntityUsageSet::AddTable(Table* table)
{
    AddOnce(m_tables, table);
}

void EntityUsageSet::AddProcedure(Procedure* procedure)
{
    AddOnce(m_procedures, procedure);
}

void EntityUsageSet::AddFunction(Function* function)
{
    AddOnce(m_functions, function);
}

void EntityUsageSet::AddClass(Class* dataClass)
{
    AddOnce(m_classes, dataClass);
}

void EntityUsageSet::AddRole(Designation* role)
{
    AddOnce(m_roles, role);
}

void EntityUsageSet::AddMenuItem(MenuInterface* item)
{
    AddOnce(m_menuItems, item);
}

void EntityUsageSet::AddFormInterface(FormInterface* page)
{
    AddIfOfType(m_forms, page) || AddIfOfType(m_transactions, page) ||
        AddIfOfType(m_reports, page) || AddIfOfType(m_rdlcReports, page) ||
        AddIfOfType(m_mapForms, page) || AddIfOfType(m_dashBoardPages, page) ||
        AddIfOfType(m_dashBoards, page) || AddIfOfType(m_multiPageReports, page) ||
        AddIfOfType(m_reportCollectors, page);
}

void EntityUsageSet::ForEachPage(const std::function<void(FormInterface*)>& action) const
{
    const auto each = [&action](const auto& pages)
    {
        for (FormInterface* page : pages)
            action(page);
    };
    each(m_forms);
    each(m_transactions);
    each(m_reports);
    each(m_rdlcReports);
    each(m_mapForms);
    each(m_dashBoardPages);
    each(m_dashBoards);
    each(m_multiPageReports);
    each(m_reportCollectors);
}

void EntityUsageSet::RemovePageLinks(FormInterface* page)
{
    if (page != nullptr)
        RemovePageLinks(std::vector{page});
}

void EntityUsageSet::RemovePageLinks(const std::vector<FormInterface*>& pages)
{
    ReferenceList::Targets targets;
    for (const FormInterface* page : pages)
        targets.insert(page->GetAspFiles().begin(), page->GetAspFiles().end());
    if (targets.empty())
        return;
    ReferenceList list(targets);
    for (MenuInterface* item : m_menuItems)
        item->ListReferences(list);
    list.Release(targets);
}

void EntityUsageSet::RemoveDashBoardPageReferences(DashBoardPage* page)
{
    ReferenceList list({page});
    ListRoleReferences(list);
    list.Release({page});
    RemovePageLinks(page);
}

void EntityUsageSet::RemoveRDLCInfoReferences(RDLCInfo* info)
{
    for (RDLCReport* report : m_rdlcReports)
        report->RemoveRDLCInfoReference(info);
}

void EntityUsageSet::RemoveXSDInfoReferences(XSDInfo* info)
{
    for (RDLCReport* report : m_rdlcReports)
    {
        report->RemoveXSDInfoTableAdapterMaps(info);
        report->RemoveXSDInfoEntries(info);
        if (report->GetXSDInfo() == info)
            report->SetXSDInfo(nullptr);
    }
}

void EntityUsageSet::RemoveMenuReferences(Menu* menu)
{
    ReferenceList list({menu}, ReferenceList::MenuMaps::skipped);
    ListRoleReferences(list);
    ForEachPage([&list](FormInterface* page) { page->ListReferences(list); });
    list.Release({menu});
}

void EntityUsageSet::ListRoleReferences(ReferenceList& list) const
{
    for (Designation* role : m_roles)
        role->ListReferences(list);
}

void EntityUsageSet::ClearFunctionFieldFrontBack(Function* function, Table* table)
{
    ForEachPage([function, table](FormInterface* page)
                { page->ClearFunctionFieldFrontBack(function, table); });
}

Table* EntityUsageSet::GetTableAt(int index) const
{
    return ItemAt(m_tables, index);
}

Form* EntityUsageSet::GetFormAt(int index) const
{
    return ItemAt(m_forms, index);
}

Transaction* EntityUsageSet::GetTransactionAt(int index) const
{
    return ItemAt(m_transactions, index);
}

Procedure* EntityUsageSet::GetProcedureAt(int index) const
{
    return ItemAt(m_procedures, index);
}

ApplicationReport* EntityUsageSet::GetReportAt(int index) const
{
    return ItemAt(m_reports, index);
}

Class* EntityUsageSet::GetClassAt(int index) const
{
    return ItemAt(m_classes, index);
}
