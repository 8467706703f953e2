#include "shell/logic/ProjectTreeBuilder.h"

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/Table.h"
#include "shell/logic/ProjectTreeLayout.h"

#include <algorithm>
#include <cstddef>
#include <functional>

namespace
{
constexpr int kOtherTableImage = TreeImage::Module;

// The procedures of kind 0, the default ones, are those CountUserProcedures counts.
int CountDefaultProcedures(const Module& module)
{
    return module.CountUserProcedures();
}

// The item image of a table of the kind.
int TableImage(int kind)
{
    switch (kind)
    {
    case Table::masterKind:
        return 3;
    case Table::masterDetailKind:
        return 8;
    default:
        return kOtherTableImage;
    }
}
} // namespace

void ProjectTreeBuilder::PopulateModule(TreeHandle moduleItem, Module& module)
{
    AddCategoryNodes(moduleItem, module);
    // Each count text once, when the module's entities are in.
    m_countsDeferred = true;
    m_inserted.reset();
    AddModuleEntities(module);
    m_countsDeferred = false;
    for (const TreeCategory& category : kCategories)
    {
        if (m_inserted.test(static_cast<std::size_t>(category.slot)))
            RefreshCountText(module, category.slot);
    }
}

void ProjectTreeBuilder::AddCategoryNodes(TreeHandle moduleItem, Module& module)
{
    for (const TreeCategory& category : kCategories)
    {
        if (category.slot == TreeSlot::LoginPage && module.GetLoginPage() == nullptr)
            continue;
        const TreeHandle parent =
            category.parentSlot != 0 ? CategoryNode(module, category.parentSlot) : moduleItem;
        CategoryNode(module, category.slot) =
            m_tree.InsertItem(category.text, category.nodeImage, category.code, parent);
    }
}

void ProjectTreeBuilder::AddModuleEntities(Module& module)
{
    m_listedPages.clear();
    m_listedPages.reserve(module.GetMasterForms().size() + module.GetMapForms().size());
    for (Table* table : module.GetMasterTables())
    {
        AddTableItem(module, *table);
        AddFormsOfTable(module, *table);
    }
    for (Table* table : module.GetTransactionTables())
    {
        AddTableItem(module, *table);
        if (module.FindFormOfTable(table) != nullptr)
        {
            if (Form* form = module.GetMasterFormForTable(table, /*create=*/false))
                AddFormItem(module, *form);
        }
    }
    AddUnlistedPages(module, module.GetMasterForms(), &ProjectTreeBuilder::AddFormItem);
    for (Procedure* procedure : module.GetProcedures())
        AddProcedureItem(module, *procedure);
    for (Transaction* transaction : module.GetTransactions())
        AddTransactionItem(module, *transaction);
    for (ApplicationReport* report : module.GetReports())
        AddApplicationReportItem(module, *report);
    for (RDLCReport* report : module.GetRDLCReports())
        AddRDLCReportItem(module, *report);
    for (DashBoard* dashBoard : module.GetDashBoards())
        AddDashBoardItem(module, *dashBoard);
    for (Menu* menu : module.GetMenus())
        AddMenuItem(module, *menu);
    for (Table* table : module.GetMapTables())
    {
        AddTableItem(module, *table);
        if (MapForm* mapForm = module.FindMapFormByTable(table))
            AddMapFormItem(module, *mapForm);
    }
    AddUnlistedPages(module, module.GetMapForms(), &ProjectTreeBuilder::AddMapFormItem);
    for (DashBoardPage* page : module.GetDashBoardPages())
        AddDashBoardPageItem(module, *page);
    for (MultiPageReport* report : module.GetMultiPageReports())
        AddMultiPageReportItem(module, *report);
    for (ReportCollector* collector : module.GetReportCollectors())
        AddReportCollectorItem(module, *collector);
    for (Class* dataClass : module.GetClasses())
    {
        for (Function* function : dataClass->GetFunctions())
        {
            if (function->GetKind() == 1)
                AddUserFunctionItem(module, *function);
        }
    }
    AddLoginPageItem(module);
}

template <class Page>
void ProjectTreeBuilder::AddUnlistedPages(Module& module, const std::vector<Page*>& pages,
                                          void (ProjectTreeBuilder::*addItem)(Module&, Page&))
{
    // The pages listed before, in address order; those added here go after them.
    std::ranges::sort(m_listedPages);
    const auto listed = static_cast<std::ptrdiff_t>(m_listedPages.size());
    for (Page* page : pages)
    {
        if (!std::binary_search(m_listedPages.begin(), m_listedPages.begin() + listed,
                                static_cast<const FormInterface*>(page), std::ranges::less{}))
            (this->*addItem)(module, *page);
    }
}

TreeHandle ProjectTreeBuilder::AddEntityItem(Module& module, int slot, const CString& text, int id,
                                             int image)
{
    const TreeHandle node = CategoryNode(module, slot);
    if (node == nullptr)
        return nullptr;
    const TreeHandle item = m_tree.InsertItem(text, image, id, node);
    CountInsert(module, slot);
    return item;
}

void ProjectTreeBuilder::CountInsert(Module& module, int slot)
{
    if (m_countsDeferred)
        m_inserted.set(static_cast<std::size_t>(slot));
    else
        RefreshCountText(module, slot);
}

void ProjectTreeBuilder::RefreshCountText(Module& module, int slot)
{
    const TreeCategory* category = FindCategory(slot);
    if (category != nullptr && CategoryNode(module, slot) != nullptr)
        m_tree.SetItemText(CategoryNode(module, slot), CategoryText(*category, module));
}

CString ProjectTreeBuilder::CategoryText(const TreeCategory& category, const Module& module)
{
    const int count = category.counted ? CountOfSlot(module, category.slot) : 0;
    if (count == 0)
        return category.text;
    CString text;
    text.Format("%s(%d)", category.text, count);
    return text;
}

int ProjectTreeBuilder::CountOfSlot(const Module& module, int slot)
{
    switch (slot)
    {
    case TreeSlot::MasterTables:
        return static_cast<int>(module.GetMasterTables().size());
    case TreeSlot::MasterForms:
        return static_cast<int>(module.GetMasterForms().size());
    case TreeSlot::DetailTables:
        return static_cast<int>(module.GetTransactionTables().size());
    case TreeSlot::DetailForms:
        return static_cast<int>(module.GetTransactions().size());
    case TreeSlot::Dashboards:
        return static_cast<int>(module.GetDashBoards().size());
    case TreeSlot::UserProcedures:
        return static_cast<int>(module.GetProcedures().size()) - CountDefaultProcedures(module);
    case TreeSlot::DefaultProcedures:
    case TreeSlot::SelectAllProcedures:
    case TreeSlot::SelectRecordProcedures:
        return CountDefaultProcedures(module);
    case TreeSlot::SearchReports:
        return static_cast<int>(module.GetReports().size());
    case TreeSlot::Reports:
        return static_cast<int>(module.GetRDLCReports().size());
    case TreeSlot::Menus:
        return static_cast<int>(module.GetMenus().size());
    case TreeSlot::MapTables:
        return static_cast<int>(module.GetMapTables().size());
    case TreeSlot::MapForms:
        return static_cast<int>(module.GetMapForms().size());
    case TreeSlot::DashBoardPages:
        return static_cast<int>(module.GetDashBoardPages().size());
    case TreeSlot::MultiPageReports:
        return static_cast<int>(module.GetMultiPageReports().size());
    case TreeSlot::LoginPage:
        return module.GetLoginPage() != nullptr ? 1 : 0;
    case TreeSlot::ReportCollectors:
        return module.GetReportCollectorCount();
    case TreeSlot::UserFunctions:
        return module.CountUserFunctions();
    default:
        return 0;
    }
}

void ProjectTreeBuilder::AddTableItem(Module& module, Table& table)
{
    const TreeHandle item = AddEntityItem(module, TableSlot(table.GetKind()), table.GetTableName(),
                                          table.GetId(), TableImage(table.GetKind()));
    if (item == nullptr)
        return;
    for (const Field* field : table.GetFields())
        m_tree.InsertItem(field->GetFieldName(), TreeImage::Field, field->GetId(), item);
}

void ProjectTreeBuilder::AddFormItem(Module& module, Form& form)
{
    if (form.GetFormName().IsEmpty() && form.GetTable() != nullptr)
        form.SetName(form.GetTable()->GetTableName() + "_form");
    AddEntityItem(module, TreeSlot::MasterForms, form.GetFormName(), form.GetId(), 6);
    m_listedPages.push_back(&form);
}

void ProjectTreeBuilder::AddFormsOfTable(Module& module, Table& table)
{
    std::vector<Form*> forms;
    module.GetFormsForTable(&table, forms);
    for (Form* form : forms)
        AddFormItem(module, *form);
}

void ProjectTreeBuilder::AddProcedureItem(Module& module, Procedure& procedure)
{
    if (procedure.GetKind() != Procedure::standardKind)
    {
        AddEntityItem(module, TreeSlot::UserProcedures, procedure.GetName(), procedure.GetId(),
                      TreeImage::Module);
        return;
    }
    // A default procedure shows in its group when it is one of the select procedures, any other
    // under the node of the groups, which counts all of them.
    int slot = TreeSlot::DefaultProcedures;
    if (procedure.GetName().Find("SelectAll") >= 0)
        slot = TreeSlot::SelectAllProcedures;
    else if (procedure.GetName().Find("SelectRecord") >= 0 ||
             procedure.GetName().Find("SelectLastRecord") >= 0)
        slot = TreeSlot::SelectRecordProcedures;
    const TreeHandle node = CategoryNode(module, slot);
    if (node == nullptr)
        return;
    m_tree.InsertItem(procedure.GetName(), TreeImage::Module, procedure.GetId(), node);
    CountInsert(module, TreeSlot::DefaultProcedures);
}

void ProjectTreeBuilder::AddTransactionItem(Module& module, Transaction& transaction)
{
    AddEntityItem(module, TreeSlot::DetailForms, transaction.GetFormName(), transaction.GetId(),
                  10);
}

void ProjectTreeBuilder::AddApplicationReportItem(Module& module, ApplicationReport& report)
{
    AddEntityItem(module, TreeSlot::SearchReports, report.GetFormName(), report.GetId(), 14);
}

void ProjectTreeBuilder::AddRDLCReportItem(Module& module, RDLCReport& report)
{
    AddEntityItem(module, TreeSlot::Reports, report.GetFormName(), report.GetId(), 12);
}

void ProjectTreeBuilder::AddDashBoardItem(Module& module, DashBoard& dashBoard)
{
    AddEntityItem(module, TreeSlot::Dashboards, dashBoard.GetFormName(), dashBoard.GetId(), 18);
}

void ProjectTreeBuilder::AddMenuItem(Module& module, Menu& menu)
{
    AddEntityItem(module, TreeSlot::Menus, menu.GetName(), menu.GetId(), 20);
}

void ProjectTreeBuilder::AddMapFormItem(Module& module, MapForm& mapForm)
{
    AddEntityItem(module, TreeSlot::MapForms, mapForm.GetFormName(), mapForm.GetId(),
                  TreeImage::Module);
    m_listedPages.push_back(&mapForm);
}

void ProjectTreeBuilder::AddDashBoardPageItem(Module& module, DashBoardPage& page)
{
    AddEntityItem(module, TreeSlot::DashBoardPages, page.GetFormName(), page.GetId(), 16);
}

void ProjectTreeBuilder::AddMultiPageReportItem(Module& module, MultiPageReport& report)
{
    AddEntityItem(module, TreeSlot::MultiPageReports, report.GetFormName(), report.GetId(),
                  TreeImage::Module);
}

void ProjectTreeBuilder::AddReportCollectorItem(Module& module, ReportCollector& collector)
{
    AddEntityItem(module, TreeSlot::ReportCollectors, collector.GetFormName(), collector.GetId(),
                  TreeImage::Module);
}

void ProjectTreeBuilder::AddUserFunctionItem(Module& module, Function& function)
{
    AddEntityItem(module, TreeSlot::UserFunctions, function.GetFieldName(), function.GetId(), 22);
}

void ProjectTreeBuilder::AddLoginPageItem(Module& module)
{
    // A module has one login page: its item carries no id.
    if (const LoginPage* page = module.GetLoginPage())
        AddEntityItem(module, TreeSlot::LoginPage, page->GetFormName(), 0, TreeImage::Module);
}

void ProjectTreeBuilder::RemoveCategoryNodes(Module& module)
{
    // From the last, so that the groups go before the node they stand under.
    for (int slot = Module::treeItemCount - 1; slot > 0; --slot)
    {
        TreeHandle& node = CategoryNode(module, slot);
        if (node == nullptr)
            continue;
        m_tree.DeleteItem(node);
        node = nullptr;
    }
}

bool ProjectTreeBuilder::IsWithin(TreeHandle item, TreeHandle moduleItem) const
{
    for (; item != nullptr; item = m_tree.GetParentItem(item))
    {
        if (item == moduleItem)
            return true;
    }
    return false;
}

ProjectTreeBuilder::ItemKey ProjectTreeBuilder::KeyOf(TreeHandle item) const
{
    const TreeHandle parent = m_tree.GetParentItem(item);
    return {parent != nullptr ? m_tree.GetItemData(parent) : 0, m_tree.GetItemData(item)};
}

void ProjectTreeBuilder::SaveExpandedItems(TreeHandle moduleItem,
                                           std::vector<ItemKey>& expanded) const
{
    for (TreeHandle item = moduleItem; item != nullptr && IsWithin(item, moduleItem);
         item = m_tree.GetNextVisibleItem(item))
    {
        if (m_tree.IsExpanded(item))
            expanded.push_back(KeyOf(item));
    }
}

void ProjectTreeBuilder::RestoreExpandedItems(TreeHandle moduleItem,
                                              const std::vector<ItemKey>& expanded)
{
    for (TreeHandle item = moduleItem; item != nullptr && IsWithin(item, moduleItem);
         item = m_tree.GetNextVisibleItem(item))
    {
        if (std::find(expanded.begin(), expanded.end(), KeyOf(item)) != expanded.end())
            m_tree.Expand(item, true);
    }
}
