#pragma once

#include "shell/logic/ProjectTreeControl.h"

#include "model/Module.h"

#include <bitset>
#include <utility>
#include <vector>

class ApplicationReport;
class DashBoard;
class DashBoardPage;
class Form;
class FormInterface;
class Function;
struct TreeCategory;
class MapForm;
class Menu;
class MultiPageReport;
class Procedure;
class RDLCReport;
class ReportCollector;
class Table;
class Transaction;

// Inserts the category nodes of a module and the items of its entities. Made on the stack
// wherever entities are inserted. Entity items carry the entity's id, field items the field's
// id; a category node's text turns into its count text once an entity of its kind is inserted.
// An entity whose category node the tree does not create gets no item. Every entity the module
// holds of a kind the tree shows stands under the module's node of that kind.
class ProjectTreeBuilder
{
public:
    explicit ProjectTreeBuilder(ProjectTreeControl& tree) : m_tree(tree) {}

    void PopulateModule(TreeHandle moduleItem, Module& module);
    // The ten category nodes with their bare names, their handles stored in the module's slots.
    void AddCategoryNodes(TreeHandle moduleItem, Module& module);
    // Forms and map forms stand in the order of their tables; those whose table is not one of
    // the module's own (a merge or a move leaves a page on another module's table) follow, in
    // the module's order.
    void AddModuleEntities(Module& module);

    // The table under the node of its kind, with one child item per field.
    void AddTableItem(Module& module, Table& table);
    // A form without a name is first named after its table with "_form".
    void AddFormItem(Module& module, Form& form);
    void AddFormsOfTable(Module& module, Table& table);
    // A default procedure stands in the group of the select procedures it is one of, else under
    // the node of the groups.
    void AddProcedureItem(Module& module, Procedure& procedure);
    void AddTransactionItem(Module& module, Transaction& transaction);
    void AddApplicationReportItem(Module& module, ApplicationReport& report);
    void AddRDLCReportItem(Module& module, RDLCReport& report);
    void AddDashBoardItem(Module& module, DashBoard& dashBoard);
    void AddMenuItem(Module& module, Menu& menu);
    void AddMapFormItem(Module& module, MapForm& mapForm);
    void AddDashBoardPageItem(Module& module, DashBoardPage& page);
    void AddMultiPageReportItem(Module& module, MultiPageReport& report);
    void AddReportCollectorItem(Module& module, ReportCollector& collector);
    void AddUserFunctionItem(Module& module, Function& function);
    // The module's login page, when it has one.
    void AddLoginPageItem(Module& module);

    // Deletes the module's category nodes with their subtrees and empties their slots.
    void RemoveCategoryNodes(Module& module);
    // An item told by its parent's data and its own, which ids of different kinds share.
    using ItemKey = std::pair<int, int>;
    // Walk the shown items from the module item while they belong to it: the first records the
    // key of every expanded item, the second expands every item whose key is listed.
    void SaveExpandedItems(TreeHandle moduleItem, std::vector<ItemKey>& expanded) const;
    void RestoreExpandedItems(TreeHandle moduleItem, const std::vector<ItemKey>& expanded);

    // The category node of the slot shows its text for the module's entities now, whichever
    // change came before: an insert, a delete or a new tree.
    void RefreshCountText(Module& module, int slot);
    // The category's name, with "(<count>)" after it when it is counted and has entities.
    static CString CategoryText(const TreeCategory& category, const Module& module);
    // The number of entities of the slot's kind in the module.
    static int CountOfSlot(const Module& module, int slot);

private:
    // Appends the item under the slot's node and sets the node's count text; null when the
    // slot holds no node.
    TreeHandle AddEntityItem(Module& module, int slot, const CString& text, int id, int image);
    // An entity of the slot went in: its count text now, or once the module is populated.
    void CountInsert(Module& module, int slot);
    // Adds the item of each page that has none yet.
    template <class Page>
    void AddUnlistedPages(Module& module, const std::vector<Page*>& pages,
                          void (ProjectTreeBuilder::*addItem)(Module&, Page&));
    // Is the item the module item or below it.
    bool IsWithin(TreeHandle item, TreeHandle moduleItem) const;
    ItemKey KeyOf(TreeHandle item) const;

    ProjectTreeControl& m_tree;
    bool m_countsDeferred = false;
    // The slots that took an entity while the counts were deferred.
    std::bitset<Module::treeItemCount> m_inserted;
    // The forms and map forms given an item since the module's entities began to go in.
    std::vector<const FormInterface*> m_listedPages;
};
