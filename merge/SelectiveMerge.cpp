#include "merge/SelectiveMerge.h"

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeEntityNames.h"
#include "merge/PointerLists.h"
#include "model/Module.h"
#include "model/Table.h"

namespace
{

template <class T> std::vector<SelectiveMerge::Item> ItemsOf(const std::vector<T*>& list)
{
    std::vector<SelectiveMerge::Item> items;
    for (const T* entity : list)
        items.push_back({EntityName(*entity), entity->GetId(), false});
    return items;
}

template <class T>
std::optional<bool> Test(const MergeDependencyCollector& collector, const T* entity,
                         bool (MergeDependencyCollector::*isSelected)(const T*) const)
{
    if (entity == nullptr)
        return std::nullopt;
    return (collector.*isSelected)(entity);
}

// Appends the entity unless selected, or takes it out.
template <class T> void Toggle(PointerList<T>& list, T* entity, bool checked)
{
    if (entity == nullptr)
        return;
    if (checked)
        AppendOnce(list, entity);
    else
        RemoveFirst(list, static_cast<const T*>(entity));
}
} // namespace

SelectiveMerge::SelectiveMerge(Module* module, MergeDependencyCollector& collector)
    : m_module(module), m_collector(collector)
{
}

const std::vector<CString>& SelectiveMerge::GetKinds()
{
    static const std::vector<CString> kinds = {
        "Master Tables",       "Master-Detail Tables", "Master Forms",
        "Master-Detail Forms", "Search Reports",       "Reports",
        "Dashboards",          "DashboardPages",
    };
    return kinds;
}

CString SelectiveMerge::GetModuleName() const
{
    return m_module->GetName();
}

void SelectiveMerge::Select()
{
    m_hasRoot = true;
    m_rootChecked = false;
    m_items.clear();
    m_builtKind = m_kind;
    switch (m_kind)
    {
    case MasterTables:
        m_items = ItemsOf(m_module->GetMasterTables());
        break;
    case MasterDetailTables:
        m_items = ItemsOf(m_module->GetTransactionTables());
        break;
    case MasterForms:
        m_items = ItemsOf(m_module->GetMasterForms());
        break;
    case MasterDetailForms:
        m_items = ItemsOf(m_module->GetTransactions());
        break;
    case SearchReports:
        m_items = ItemsOf(m_module->GetReports());
        break;
    case Reports:
        m_items = ItemsOf(m_module->GetRDLCReports());
        break;
    case Dashboards:
        m_items = ItemsOf(m_module->GetDashBoards());
        break;
    case DashboardPages:
        m_items = ItemsOf(m_module->GetDashBoardPages());
        break;
    default:
        return;
    }
    for (Item& item : m_items)
        item.checked = IsSelected(m_builtKind, item.data).value_or(item.checked);
}

std::optional<bool> SelectiveMerge::IsSelected(int kind, int id) const
{
    switch (kind)
    {
    case MasterTables:
    case MasterDetailTables:
        return Test(m_collector, m_module->FindTableById(id),
                    &MergeDependencyCollector::IsTableSelected);
    case MasterForms:
        return Test(m_collector, m_module->FindMasterFormById(id),
                    &MergeDependencyCollector::IsMasterFormSelected);
    case MasterDetailForms:
        return Test(m_collector, m_module->FindTransactionById(id),
                    &MergeDependencyCollector::IsTransactionSelected);
    case SearchReports:
        return Test(m_collector, m_module->FindReportById(id),
                    &MergeDependencyCollector::IsReportSelected);
    case Reports:
        return Test(m_collector, m_module->FindRDLCReportById(id),
                    &MergeDependencyCollector::IsRDLCReportSelected);
    case Dashboards:
        return Test(m_collector, m_module->FindDashBoardById(id),
                    &MergeDependencyCollector::IsDashBoardSelected);
    case DashboardPages:
        return Test(m_collector, m_module->FindDashBoardPageById(id),
                    &MergeDependencyCollector::IsDashBoardPageSelected);
    default:
        return std::nullopt;
    }
}

void SelectiveMerge::SetItemCheck(int index, bool checked)
{
    if (index >= 0 && index < static_cast<int>(m_items.size()))
        m_items[index].checked = checked;
}

void SelectiveMerge::SetAllChecks(bool checked)
{
    if (!m_hasRoot)
        return;
    m_rootChecked = checked;
    for (Item& item : m_items)
        item.checked = checked;
}

void SelectiveMerge::Save()
{
    for (const Item& item : m_items)
        SaveItem(m_builtKind, item.data, item.checked);
}

void SelectiveMerge::SaveItem(int kind, int id, bool checked)
{
    switch (kind)
    {
    case MasterTables:
    case MasterDetailTables:
        if (Table* table = m_module->FindTableById(id))
        {
            if (checked)
                SelectTableWithDependents(table);
            else
            {
                m_collector.RemoveSelectedTable(table);
                DeselectTableDependents(table);
            }
        }
        break;
    case MasterForms:
        Toggle(m_collector.GetSelectedMasterForms(), m_module->FindMasterFormById(id), checked);
        break;
    case MasterDetailForms:
        Toggle(m_collector.GetSelectedTransactions(), m_module->FindTransactionById(id), checked);
        break;
    case SearchReports:
        Toggle(m_collector.GetSelectedReports(), m_module->FindReportById(id), checked);
        break;
    case Dashboards:
        Toggle(m_collector.GetSelectedDashBoards(), m_module->FindDashBoardById(id), checked);
        break;
    case DashboardPages:
        if (DashBoardPage* page = m_module->FindDashBoardPageById(id))
        {
            if (!checked)
                m_collector.RemoveSelectedDashBoardPage(page);
            else
                m_collector.SelectDashBoardPageWithDashBoards(page);
        }
        break;
    case Reports:
        if (RDLCReport* report = m_module->FindRDLCReportById(id))
        {
            if (!checked)
                m_collector.RemoveSelectedRDLCReport(report);
            else
            {
                m_collector.SelectReportDescriptions();
                m_collector.SelectRDLCReport(report);
            }
        }
        break;
    default:
        break;
    }
}

void SelectiveMerge::SelectTableWithDependents(Table* table)
{
    if (!AppendOnce(m_collector.GetSelectedTables(), table))
        return;
    for (Class* dataClass : m_module->GetClasses())
    {
        if (dataClass->GetTable() != table ||
            !AppendOnce(m_collector.GetSelectedClasses(), dataClass))
            continue;
        for (Function* function : dataClass->GetFunctions())
            AppendOnce(m_collector.GetSelectedFunctions(), function);
    }
    for (Form* form : m_module->GetMasterForms())
    {
        if (form->GetTable() == table)
            AppendOnce(m_collector.GetSelectedMasterForms(), form);
    }
    for (Transaction* transaction : m_module->GetTransactions())
    {
        if (transaction->GetBasicTable() != table ||
            !AppendOnce(m_collector.GetSelectedTransactions(), transaction))
            continue;
        for (Table* detail : transaction->GetDetailTables())
            SelectTableWithDependents(detail);
    }
}

void SelectiveMerge::DeselectTableDependents(const Table* table)
{
    for (const Class* dataClass : m_module->GetClasses())
    {
        if (dataClass->GetTable() == table)
            m_collector.RemoveSelectedClass(dataClass);
    }
    for (const Form* form : m_module->GetMasterForms())
    {
        if (form->GetTable() == table)
            m_collector.RemoveSelectedMasterForm(form);
    }
    for (const Transaction* transaction : m_module->GetTransactions())
    {
        if (transaction->UsesTable(table))
            m_collector.RemoveSelectedTransaction(transaction);
    }
}
