#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <map>
#include <vector>

class Field;
class Module;
class MergeDependencyCollector;
class Table;

// The rules of the mapping dialog: an entity of the second project that the selection needs is
// paired with an entity of the first project (a table also field by field), and a pair is taken
// out again by its position in the map of the filter's kind.
class EntityMapper
{
public:
    static constexpr UINT IDD = 247;
    static constexpr int ModuleCombo = 1015;
    static constexpr int FilterCombo = 1587;
    static constexpr int NeededCombo = 1604;
    static constexpr int MappedCombo = 1605;
    static constexpr int NeededFieldCombo = 1613;
    static constexpr int MappedFieldCombo = 1614;
    static constexpr int MapButton = 1039;
    static constexpr int MappedDataList = 1611;
    static constexpr int MappedFieldsList = 1377;

    // The filter entries: three of tables, procedures, reports, then master forms and the
    // selected map forms under two empty texts.
    enum Filter
    {
        MasterTables,
        MapTables,
        TransactionTables,
        Procedures,
        Reports,
        MasterForms,
        MapForms,
    };

    explicit EntityMapper(MergeDependencyCollector& collector);

    // The first project's modules with the first chosen, the first filter and its entities.
    void Open();
    void SelectModule(int index);
    void SelectFilter(int index);
    void SelectNeeded(int index);
    void SelectMapped(int index);
    void SelectNeededField(int index);
    void SelectMappedField(int index);
    // "Map": the chosen pair enters the map of the filter's kind; nothing unless both sides
    // (and for tables both fields) are chosen.
    void Map();
    // The Delete key on a row of the mapped data: the pair at that position leaves the map.
    void DeleteRow(int row);

    const std::vector<CString>& GetItems(int combo) const;
    int GetSelection(int combo) const;
    bool IsEnabled(int id) const;
    static const std::vector<CString>& GetFilters();
    // The pairs of the filter's map in its order, needed entity then mapped entity.
    const std::vector<CString>& GetMappedData() const { return m_mappedData; }

private:
    struct Combo
    {
        std::vector<CString> items;
        int selection = -1;
    };

    void Fill(int combo, std::vector<CString> items);
    Module* ChosenModule() const;
    bool IsTableFilter() const { return m_filter >= MasterTables && m_filter <= TransactionTables; }
    // The filter, the three of tables as the first: they share one map.
    int MapKind() const { return IsTableFilter() ? MasterTables : m_filter; }
    // The entity lists of the filter: the collector's needed ones and the chosen module's.
    void FillEntities();
    void FillFields();
    void FillMappedData();
    Table* ChosenNeededTable() const;
    Table* ChosenMappedTable() const;
    Field* ChosenField(int combo, const Table* table) const;

    MergeDependencyCollector& m_collector;
    int m_filter = MasterTables;
    std::map<int, Combo> m_combos;
    std::vector<CString> m_mappedData;
};
