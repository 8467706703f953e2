#pragma once

#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeBuilder.h"
#include "shell/logic/ProjectTreeCommands.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "shell/logic/TreeCommandHost.h"
#include "tests/shell/logic/MemoryTree.h"

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

// A window that lets every editor go and keeps the last entity a command opened.
class OpeningHost : public TreeCommandHost
{
public:
    bool MayLeaveEditor() override { return true; }
    void OpenEditor(RightPane pane, CObject* entity) override
    {
        openedPane = pane;
        opened = entity;
    }
    void OpenTableEditor(Table* table, int /*kind*/, bool /*enableOK*/) override
    {
        openedPane = RightPane::TableView;
        opened = table;
    }
    void ResetEditor(RightPane /*pane*/) override {}
    void ReloadCurrentEditor() override {}
    void RebindCurrentEditor() override {}
    void EditLabel(TreeHandle /*item*/) override {}
    void ShowRenameModuleDialog() override {}
    void RefreshTree() override {}
    bool PrepareAndSave() override { return false; }

    std::optional<RightPane> openedPane;
    const void* opened = nullptr;
};

// The entity items a category node lists: its children, those of its groups in their place.
inline std::vector<TreeHandle> ListedItems(const ProjectTree& tree, TreeHandle node)
{
    std::vector<TreeHandle> items;
    const ProjectTreeControl& control = tree.Control();
    for (TreeHandle child = control.GetChildItem(node); child != nullptr;
         child = control.GetNextSiblingItem(child))
    {
        if (!tree.IsCategoryNode(child))
        {
            items.push_back(child);
            continue;
        }
        const std::vector<TreeHandle> grouped = ListedItems(tree, child);
        items.insert(items.end(), grouped.begin(), grouped.end());
    }
    return items;
}

// The count at the end of a node's text, "(<count>)"; 0 for a bare name.
inline int ShownCount(const CString& text)
{
    const int open = text.ReverseFind('(');
    return open < 0 || text[text.GetLength() - 1] != ')'
               ? 0
               : std::atoi(text.Mid(open + 1).GetString());
}

// The project's tree built in memory, each node of every kind the tree shows held against its
// module: the count it shows, the items it lists, the entities a double click on them opens
// (each a different one) and the number the module holds of the kind are one number. One line
// per node where they differ; empty when none does. The project keeps its current module.
inline std::string UnlistedEntities(ForgeonProject& project)
{
    MemoryTree control;
    ProjectTree tree{control};
    OpeningHost host;
    ProjectTreeCommands commands{tree, host};
    Module* current = project.GetCurrentModule();
    tree.BuildTree(&project);
    std::string faults;
    for (Module* module : project.GetModules())
    {
        for (const TreeCategory& category : kCategories)
        {
            // A group's items are its node's.
            if (category.parentSlot != 0)
                continue;
            const TreeHandle node = CategoryNode(*module, category.slot);
            const std::vector<TreeHandle> items =
                node != nullptr ? ListedItems(tree, node) : std::vector<TreeHandle>{};
            std::set<const void*> opened;
            for (const TreeHandle item : items)
            {
                host.opened = nullptr;
                commands.OpenItem(item);
                if (host.opened != nullptr)
                    opened.insert(host.opened);
            }
            const std::size_t held =
                static_cast<std::size_t>(ProjectTreeBuilder::CountOfSlot(*module, category.slot));
            const std::size_t shown =
                category.counted && node != nullptr
                    ? static_cast<std::size_t>(ShownCount(control.GetItemText(node)))
                    : held;
            if (held != items.size() || shown != items.size() || opened.size() != items.size())
                faults += std::string(module->GetName().GetString()) + " " + category.text +
                          ": holds " + std::to_string(held) + ", shows " + std::to_string(shown) +
                          ", lists " + std::to_string(items.size()) + ", opens " +
                          std::to_string(opened.size()) + "\n";
        }
    }
    tree.Clear();
    project.SetCurrentModule(current);
    return faults;
}
