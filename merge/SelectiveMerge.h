#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <optional>
#include <vector>

class MergeDependencyCollector;
class Module;
class Table;

// The rules of the selective merge dialog: the entities of one kind of the module shown under
// the module's name with check marks from the collector's selection, and "Save" writing the
// check marks back, a table with what is built on it.
class SelectiveMerge
{
public:
    static constexpr UINT IDD = 315;
    static constexpr int ModuleName = 1728;
    static constexpr int KindCombo = 1587;
    static constexpr int SelectButton = 1039;
    static constexpr int SelectedItem = 1807;
    static constexpr int Tree = 1588;
    static constexpr int SelectAllButton = 1526;
    static constexpr int DeselectAllButton = 1594;
    static constexpr int SaveButton = 1599;
    static constexpr int HelpButton = 1663;
    static constexpr UINT HelpTopic = 130;

    // The kinds, in the order of the combo.
    enum Kind
    {
        MasterTables,
        MasterDetailTables,
        MasterForms,
        MasterDetailForms,
        SearchReports,
        Reports,
        Dashboards,
        DashboardPages,
    };

    struct Item
    {
        CString name;
        // The entity's id.
        int data = 0;
        bool checked = false;
    };

    SelectiveMerge(Module* module, MergeDependencyCollector& collector);

    static const std::vector<CString>& GetKinds();
    CString GetModuleName() const;
    // A change of the combo: the tree stays as it is.
    void SelectKind(int index) { m_kind = index; }
    int GetKind() const { return m_kind; }

    // "Select": the tree again, for the combo's kind.
    void Select();
    // "Select All" / "Deselect All": the root and every item.
    void SelectAll() { SetAllChecks(true); }
    void DeselectAll() { SetAllChecks(false); }
    // "Save": the check marks into the collector, by the kind the tree was built for.
    void Save();

    // The tree: a root item with the module's name once "Select" was used, and its children.
    bool HasRoot() const { return m_hasRoot; }
    bool IsRootChecked() const { return m_rootChecked; }
    const std::vector<Item>& GetItems() const { return m_items; }
    // The user's check marks, as the tree shows them.
    void SetRootCheck(bool checked) { m_rootChecked = checked; }
    void SetItemCheck(int index, bool checked);

private:
    void SetAllChecks(bool checked);
    // The entity's check mark by the kind's selection test; none when the id finds nothing.
    std::optional<bool> IsSelected(int kind, int id) const;
    void SaveItem(int kind, int id, bool checked);
    void SelectTableWithDependents(Table* table);
    void DeselectTableDependents(const Table* table);

    Module* m_module;
    MergeDependencyCollector& m_collector;
    int m_kind = -1;
    // The kind the tree was built for; none before "Select" with a kind.
    int m_builtKind = -1;
    bool m_hasRoot = false;
    bool m_rootChecked = false;
    std::vector<Item> m_items;
};
