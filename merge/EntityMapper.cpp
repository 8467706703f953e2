#include "merge/EntityMapper.h"

#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeEntityNames.h"
#include "merge/PointerLists.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <type_traits>
#include <vector>

namespace
{
// The names of a list of entities or of a selection list.
template <class List> std::vector<CString> NamesOf(const List& list)
{
    std::vector<CString> names;
    for (const auto* item : list)
        names.push_back(EntityName(*item));
    return names;
}

template <class T> std::vector<CString> PairTexts(const PointerMap<T, T>& map)
{
    std::vector<CString> texts;
    for (const auto& [key, value] : map)
        texts.push_back(EntityName(*key) + " -> " +
                        (value != nullptr ? EntityName(*value) : CString()));
    return texts;
}

// The entry at the index, or null.
template <class List> auto At(const List& list, int index) -> std::remove_cvref_t<decltype(list[0])>
{
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index] : nullptr;
}

const std::vector<Table*>& TablesOf(const Module& module, int filter)
{
    switch (filter)
    {
    case EntityMapper::MapTables:
        return module.GetMapTables();
    case EntityMapper::TransactionTables:
        return module.GetTransactionTables();
    default:
        return module.GetMasterTables();
    }
}
} // namespace

EntityMapper::EntityMapper(MergeDependencyCollector& collector) : m_collector(collector) {}

const std::vector<CString>& EntityMapper::GetFilters()
{
    static const std::vector<CString> filters = {
        "Master Table", "Map Table", "Transaction Table", "Procedure", "Report", "", "",
    };
    return filters;
}

const std::vector<CString>& EntityMapper::GetItems(int combo) const
{
    static const std::vector<CString> none;
    const auto found = m_combos.find(combo);
    return found != m_combos.end() ? found->second.items : none;
}

int EntityMapper::GetSelection(int combo) const
{
    const auto found = m_combos.find(combo);
    return found != m_combos.end() ? found->second.selection : -1;
}

bool EntityMapper::IsEnabled(int id) const
{
    if (id == NeededFieldCombo || id == MappedFieldCombo || id == MappedFieldsList)
        return IsTableFilter();
    return true;
}

void EntityMapper::Fill(int combo, std::vector<CString> items)
{
    m_combos[combo] = {std::move(items), -1};
}

Module* EntityMapper::ChosenModule() const
{
    return At(m_collector.GetFirstProject()->GetModules(), GetSelection(ModuleCombo));
}

void EntityMapper::Open()
{
    Fill(ModuleCombo, NamesOf(m_collector.GetFirstProject()->GetModules()));
    m_combos[ModuleCombo].selection = GetItems(ModuleCombo).empty() ? -1 : 0;
    Fill(FilterCombo, GetFilters());
    SelectFilter(MasterTables);
}

void EntityMapper::SelectModule(int index)
{
    m_combos[ModuleCombo].selection = index;
    FillEntities();
}

void EntityMapper::SelectFilter(int index)
{
    m_filter = index;
    m_combos[FilterCombo].selection = index;
    FillEntities();
}

void EntityMapper::FillEntities()
{
    const Module* module = ChosenModule();
    std::vector<CString> needed;
    std::vector<CString> mapped;
    switch (MapKind())
    {
    case MasterTables:
        needed = NamesOf(m_collector.GetNeededTables());
        if (module != nullptr)
            mapped = NamesOf(TablesOf(*module, m_filter));
        break;
    case Procedures:
        needed = NamesOf(m_collector.GetNeededProcedures());
        if (module != nullptr)
            mapped = NamesOf(module->GetProcedures());
        break;
    case Reports:
        needed = NamesOf(m_collector.GetNeededReports());
        if (module != nullptr)
            mapped = NamesOf(module->GetReports());
        break;
    case MasterForms:
        if (module != nullptr)
            mapped = NamesOf(module->GetMasterForms());
        break;
    case MapForms:
        mapped = NamesOf(m_collector.GetSelectedMapForms());
        break;
    default:
        break;
    }
    Fill(NeededCombo, std::move(needed));
    Fill(MappedCombo, std::move(mapped));
    FillFields();
    FillMappedData();
}

void EntityMapper::SelectNeeded(int index)
{
    m_combos[NeededCombo].selection = index;
    FillFields();
}

void EntityMapper::SelectMapped(int index)
{
    m_combos[MappedCombo].selection = index;
    FillFields();
}

void EntityMapper::SelectNeededField(int index)
{
    m_combos[NeededFieldCombo].selection = index;
}

void EntityMapper::SelectMappedField(int index)
{
    m_combos[MappedFieldCombo].selection = index;
}

Table* EntityMapper::ChosenNeededTable() const
{
    return IsTableFilter() ? At(m_collector.GetNeededTables(), GetSelection(NeededCombo)) : nullptr;
}

Table* EntityMapper::ChosenMappedTable() const
{
    const Module* module = ChosenModule();
    return IsTableFilter() && module != nullptr
               ? At(TablesOf(*module, m_filter), GetSelection(MappedCombo))
               : nullptr;
}

Field* EntityMapper::ChosenField(int combo, const Table* table) const
{
    return table != nullptr ? At(table->GetFields(), GetSelection(combo)) : nullptr;
}

void EntityMapper::FillFields()
{
    const Table* needed = ChosenNeededTable();
    const Table* mapped = ChosenMappedTable();
    Fill(NeededFieldCombo,
         needed != nullptr ? NamesOf(needed->GetFields()) : std::vector<CString>());
    Fill(MappedFieldCombo,
         mapped != nullptr ? NamesOf(mapped->GetFields()) : std::vector<CString>());
}

void EntityMapper::Map()
{
    const Module* module = ChosenModule();
    if (module == nullptr)
        return;
    switch (MapKind())
    {
    case MasterTables:
    {
        Table* needed = ChosenNeededTable();
        Table* mapped = ChosenMappedTable();
        Field* neededField = ChosenField(NeededFieldCombo, needed);
        Field* mappedField = ChosenField(MappedFieldCombo, mapped);
        if (neededField == nullptr || mappedField == nullptr)
            return;
        AppendOnce(m_collector.GetSelectedTables(), needed);
        m_collector.MapTable(needed, mapped);
        m_collector.MapField(neededField, mappedField);
        break;
    }
    case Procedures:
    {
        Procedure* needed = At(m_collector.GetNeededProcedures(), GetSelection(NeededCombo));
        Procedure* mapped = At(module->GetProcedures(), GetSelection(MappedCombo));
        if (needed == nullptr || mapped == nullptr)
            return;
        m_collector.MapProcedure(needed, mapped);
        break;
    }
    case Reports:
    {
        ApplicationReport* needed = At(m_collector.GetNeededReports(), GetSelection(NeededCombo));
        ApplicationReport* mapped = At(module->GetReports(), GetSelection(MappedCombo));
        if (needed == nullptr || mapped == nullptr)
            return;
        m_collector.MapReport(needed, mapped);
        break;
    }
    default:
        return;
    }
    FillMappedData();
}

void EntityMapper::DeleteRow(int row)
{
    if (row < 0)
        return;
    switch (MapKind())
    {
    case MasterTables:
        m_collector.RemoveTableMapAt(row);
        break;
    case Procedures:
        m_collector.RemoveProcedureMapAt(row);
        break;
    case Reports:
        m_collector.RemoveReportMapAt(row);
        break;
    case MasterForms:
        m_collector.RemoveMasterFormMapAt(row);
        break;
    case MapForms:
        m_collector.RemoveMapFormMapAt(row);
        break;
    default:
        return;
    }
    FillMappedData();
}

void EntityMapper::FillMappedData()
{
    switch (MapKind())
    {
    case MasterTables:
        m_mappedData = PairTexts(m_collector.GetTableMap());
        break;
    case Procedures:
        m_mappedData = PairTexts(m_collector.GetProcedureMap());
        break;
    case Reports:
        m_mappedData = PairTexts(m_collector.GetReportMap());
        break;
    case MasterForms:
        m_mappedData = PairTexts(m_collector.GetMasterFormMap());
        break;
    case MapForms:
        m_mappedData = PairTexts(m_collector.GetMapFormMap());
        break;
    default:
        m_mappedData.clear();
        break;
    }
}
