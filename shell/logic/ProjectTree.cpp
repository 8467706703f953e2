#include "shell/logic/ProjectTree.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "shell/logic/ProjectTreeBuilder.h"
#include "shell/logic/ProjectTreeLayout.h"

#include <algorithm>

void ProjectTree::BuildTree(ForgeonProject* project)
{
    m_project = project;
    m_tree.DeleteAllItems();
    m_moduleItems.clear();
    m_root = nullptr;
    if (m_project == nullptr)
        return;
    const CString name = m_project->GetProjectName();
    m_root = m_tree.InsertItem(name.IsEmpty() ? CString("Untitled Project") : name,
                               TreeImage::Project, 0, nullptr);
    for (Module* module : m_project->GetModules())
    {
        const TreeHandle item = AppendModuleItem(*module);
        m_tree.Expand(item, module == m_project->GetCurrentModule());
    }
    m_tree.Expand(m_root, true);
    ShowCurrentModule();
    m_tree.Redraw();
}

void ProjectTree::Clear()
{
    if (m_project != nullptr)
    {
        for (Module* module : m_project->GetModules())
            module->GetTreeItems()->fill(nullptr);
    }
    BuildTree(nullptr);
}

TreeHandle ProjectTree::AppendModuleItem(Module& module)
{
    const TreeHandle item =
        m_tree.InsertItem(module.GetName(), TreeImage::Module, module.GetNumber(), m_root);
    m_moduleItems.push_back(item);
    ProjectTreeBuilder(m_tree).PopulateModule(item, module);
    return item;
}

void ProjectTree::RemoveModuleItem(int index)
{
    const TreeHandle item = GetModuleItem(index);
    if (item == nullptr)
        return;
    m_tree.DeleteItem(item);
    m_moduleItems.erase(m_moduleItems.begin() + index);
}

void ProjectTree::RebuildModule(Module& module)
{
    const TreeHandle item = GetModuleItem(m_project->GetModuleIndex(&module));
    if (item == nullptr)
        return;
    ProjectTreeBuilder builder(m_tree);
    std::vector<ProjectTreeBuilder::ItemKey> expanded;
    builder.SaveExpandedItems(item, expanded);
    builder.RemoveCategoryNodes(module);
    builder.PopulateModule(item, module);
    builder.RestoreExpandedItems(item, expanded);
}

TreeHandle ProjectTree::GetModuleItem(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_moduleItems.size()))
        return nullptr;
    return m_moduleItems[static_cast<std::size_t>(index)];
}

int ProjectTree::FindModuleIndexOfItem(TreeHandle item) const
{
    for (; item != nullptr && item != m_root; item = m_tree.GetParentItem(item))
    {
        const auto found = std::find(m_moduleItems.begin(), m_moduleItems.end(), item);
        if (found != m_moduleItems.end())
            return static_cast<int>(found - m_moduleItems.begin());
    }
    return -1;
}

Module* ProjectTree::FindModuleOfTreeItem(TreeHandle item) const
{
    const int index = FindModuleIndexOfItem(item);
    return index >= 0 && m_project != nullptr ? m_project->GetModuleAt(index) : nullptr;
}

int ProjectTree::SlotOfItem(Module& module, TreeHandle item)
{
    if (item == nullptr)
        return 0;
    const Module::TreeItems& slots = *module.GetTreeItems();
    const auto found = std::find(slots.begin() + 1, slots.end(), item);
    return found != slots.end() ? static_cast<int>(found - slots.begin()) : 0;
}

bool ProjectTree::IsModuleItem(TreeHandle item) const
{
    return item != nullptr &&
           std::find(m_moduleItems.begin(), m_moduleItems.end(), item) != m_moduleItems.end();
}

bool ProjectTree::IsCategoryNode(TreeHandle item) const
{
    // A node of one of the module's slots; the groups of the default procedures stand under a
    // category node, beside procedures.
    Module* module = FindModuleOfTreeItem(item);
    return module != nullptr && SlotOfItem(*module, item) != 0;
}

bool ProjectTree::IsEntityItem(TreeHandle item) const
{
    return item != nullptr && item != m_root && !IsModuleItem(item) && !IsCategoryNode(item);
}

TreeHandle ProjectTree::FindEntityItem(int id, TreeHandle start) const
{
    for (TreeHandle item = m_tree.GetChildItem(start); item != nullptr;
         item = m_tree.GetNextVisibleItem(item))
    {
        if (IsCategoryNode(item))
            continue;
        m_tree.Expand(item, true);
        if (m_tree.GetItemData(item) == id)
            return item;
    }
    return nullptr;
}

TreeHandle ProjectTree::FindChildItem(TreeHandle parent, int data) const
{
    for (TreeHandle item = m_tree.GetChildItem(parent); item != nullptr;
         item = m_tree.GetNextSiblingItem(item))
    {
        if (m_tree.GetItemData(item) == data)
            return item;
    }
    return nullptr;
}

void ProjectTree::ShowCurrentModule()
{
    if (m_project == nullptr || m_project->GetCurrentModule() == nullptr)
        return;
    const TreeHandle current =
        GetModuleItem(m_project->GetModuleIndex(m_project->GetCurrentModule()));
    for (const TreeHandle item : m_moduleItems)
    {
        m_tree.SetBold(item, false);
        m_tree.Expand(item, item == current);
    }
}

TreeHandle ProjectTree::FindItemUnder(std::span<const int> slots, int id) const
{
    if (m_project == nullptr)
        return nullptr;
    for (Module* module : m_project->GetModules())
    {
        for (const int slot : slots)
        {
            const TreeHandle node = CategoryNode(*module, slot);
            if (const TreeHandle item = node != nullptr ? FindChildItem(node, id) : nullptr)
                return item;
        }
    }
    return nullptr;
}

void ProjectTree::UpdateTableItemNames(const Table& table)
{
    const int slot = TableSlot(table.GetKind());
    const TreeHandle item = FindItemUnder(std::span(&slot, 1), table.GetId());
    if (item == nullptr)
        return;
    m_tree.SetItemText(item, table.GetTableName());
    if (const Field* key = table.GetPrimaryKeyField())
    {
        if (const TreeHandle keyItem = FindChildItem(item, key->GetId()))
            m_tree.SetItemText(keyItem, key->GetFieldName());
    }
    m_tree.Redraw();
}

void ProjectTree::UpdateProcedureItemText(const Procedure& procedure)
{
    if (const TreeHandle item = FindItemUnder(kProcedureSlots, procedure.GetId()))
    {
        m_tree.SetItemText(item, procedure.GetName());
        m_tree.Redraw();
    }
}

void ProjectTree::UpdateMenuItemText(const Menu& menu)
{
    const int slot = TreeSlot::Menus;
    if (const TreeHandle item = FindItemUnder(std::span(&slot, 1), menu.GetId()))
    {
        m_tree.SetItemText(item, menu.GetName());
        m_tree.Redraw();
    }
}

void ProjectTree::UpdateFormItemText(const FormInterface& page)
{
    int slot = 0;
    int id = 0;
    if (const auto* form = dynamic_cast<const Form*>(&page))
        slot = TreeSlot::MasterForms, id = form->GetId();
    else if (const auto* transaction = dynamic_cast<const Transaction*>(&page))
        slot = TreeSlot::DetailForms, id = transaction->GetId();
    else if (const auto* report = dynamic_cast<const ApplicationReport*>(&page))
        slot = TreeSlot::SearchReports, id = report->GetId();
    else if (const auto* rdlc = dynamic_cast<const RDLCReport*>(&page))
        slot = TreeSlot::Reports, id = rdlc->GetId();
    else if (const auto* collector = dynamic_cast<const ReportCollector*>(&page))
        slot = TreeSlot::ReportCollectors, id = collector->GetId();
    else if (const auto* dashBoardPage = dynamic_cast<const DashBoardPage*>(&page))
        slot = TreeSlot::DashBoardPages, id = dashBoardPage->GetId();
    if (const TreeHandle item = slot != 0 ? FindItemUnder(std::span(&slot, 1), id) : nullptr)
    {
        m_tree.SetItemText(item, page.GetFormName());
        m_tree.Redraw();
    }
}

void ProjectTree::UpdateFieldItemText(const Table& table, const Field& field)
{
    const int slot = TableSlot(table.GetKind());
    const TreeHandle tableItem = FindItemUnder(std::span(&slot, 1), table.GetId());
    if (tableItem == nullptr)
        return;
    if (const TreeHandle item = FindChildItem(tableItem, field.GetId()))
        m_tree.SetItemText(item, field.GetFieldName());
    else
        m_tree.InsertItem(field.GetFieldName(), TreeImage::Field, field.GetId(), tableItem);
    m_tree.Redraw();
}
