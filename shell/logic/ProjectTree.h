#pragma once

#include "shell/logic/ProjectTreeControl.h"

#include <span>
#include <vector>

class Field;
class ForgeonProject;
class FormInterface;
class Menu;
class Module;
class Procedure;
class Table;

// The project tree of the left pane, apart from its window: the root item for the project, one
// item per module carrying the module's number, under each module its category nodes and under
// those the entities, each carrying its id. Every lookup goes back to the model by id.
class ProjectTree
{
public:
    explicit ProjectTree(ProjectTreeControl& tree) : m_tree(tree) {}

    ProjectTreeControl& Control() const { return m_tree; }
    ForgeonProject* GetProject() const { return m_project; }

    // Deletes every item and builds the tree of the project: only its current module expanded.
    void BuildTree(ForgeonProject* project);
    // Deletes every item; the modules of the project shown forget their category nodes.
    void Clear();
    TreeHandle GetRootItem() const { return m_root; }

    // Appends the module's item under the root, with its category nodes and entities.
    TreeHandle AppendModuleItem(Module& module);
    // Deletes the item of the module at the index.
    void RemoveModuleItem(int index);
    // The module's category nodes and entities built again, keeping what was expanded.
    void RebuildModule(Module& module);

    // The module item at the index; null when out of range.
    TreeHandle GetModuleItem(int index) const;
    // The index of the module whose item is the item or one of its ancestors; -1 for the root,
    // for null, or when no module item is met.
    int FindModuleIndexOfItem(TreeHandle item) const;
    Module* FindModuleOfTreeItem(TreeHandle item) const;
    // The slot of the module whose category node the item is; 0 when it is none of them.
    static int SlotOfItem(Module& module, TreeHandle item);
    bool IsModuleItem(TreeHandle item) const;
    bool IsCategoryNode(TreeHandle item) const;
    // Neither the root, a module item nor a category node.
    bool IsEntityItem(TreeHandle item) const;
    // Walks the shown items from the first child of start (the first top-level item for null),
    // expanding every item it passes but the category nodes; the first whose data is the id, or
    // null. The items passed stay expanded.
    TreeHandle FindEntityItem(int id, TreeHandle start) const;
    // The child of the item carrying the data, or null.
    TreeHandle FindChildItem(TreeHandle parent, int data) const;

    // Expands the current module's item and collapses the others, none of them bold.
    void ShowCurrentModule();

    // Text updates of the editors.
    // The table's own item takes the table's name, its key field's item the field's name.
    void UpdateTableItemNames(const Table& table);
    // The procedure's item takes the procedure's name.
    void UpdateProcedureItemText(const Procedure& procedure);
    // The page's item takes the page's name.
    void UpdateFormItemText(const FormInterface& page);
    // The menu's item takes the menu's name; a sub-menu has none.
    void UpdateMenuItemText(const Menu& menu);
    // The field's item under the table's item takes the field's name; a table item without it
    // gets a new field item.
    void UpdateFieldItemText(const Table& table, const Field& field);

private:
    // The item carrying the id under a category node of one of the slots, in any module.
    TreeHandle FindItemUnder(std::span<const int> slots, int id) const;

    ProjectTreeControl& m_tree;
    ForgeonProject* m_project = nullptr;
    TreeHandle m_root = nullptr;
    std::vector<TreeHandle> m_moduleItems;
};
