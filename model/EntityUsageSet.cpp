#include "model/EntityUsageSet.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"

#include <algorithm>
#include <cstddef>

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

template <class T> T* ItemAt(const std::vector<T*>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size()
               ? list[static_cast<std::size_t>(index)]
               : nullptr;
}
} // namespace

void EntityUsageSet::Clear()
{
    m_tables.clear();
    m_forms.clear();
    m_roles.clear();
    m_transactions.clear();
    m_menuItems.clear();
    m_dashBoards.clear();
    m_procedures.clear();
    m_reports.clear();
    m_rdlcReports.clear();
    m_mapForms.clear();
    m_dashBoardPages.clear();
    m_multiPageReports.clear();
    m_reportCollectors.clear();
    m_functions.clear();
    m_classes.clear();
    m_loginPage = nullptr;
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

void EntityUsageSet::RemoveFunctionParameterReferences(Function* function, Parameter* parameter)
{
    const auto remove = [function, parameter](const auto& pages)
    {
        for (FormInterface* page : pages)
            page->RemoveFunctionParameterReferences(function, parameter);
    };
    remove(m_forms);
    remove(m_transactions);
    remove(m_reports);
    remove(m_rdlcReports);
    remove(m_mapForms);
    remove(m_dashBoardPages);
    remove(m_dashBoards);
    remove(m_multiPageReports);
    remove(m_reportCollectors);
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
