#include "shell/logic/TreeEntityMover.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"

namespace
{
bool Refuse(const char* text)
{
    AfxMessageBox(text, MB_OK);
    return false;
}

// The name, lower-cased, is the module's name followed by the suffix, lower-cased.
bool IsNamedAfterModule(const CString& name, const Module& module, const char* suffix)
{
    CString moduleName = module.GetName() + suffix;
    moduleName.MakeLower();
    CString lower = name;
    lower.MakeLower();
    return lower == moduleName;
}

bool IsProjectDashboardName(const CString& name)
{
    CString lower = name;
    lower.MakeLower();
    return lower == "project_dashboard";
}

// Asks with the text filled with the page's name and the two module names; on OK the
// destination adds the page with its files and, when it took it, the source lets it go.
template <class T>
bool MoveConfirmed(Module& source, Module& destination, T* page, const char* question,
                   bool (Module::*add)(T*, bool), bool (Module::*remove)(T*))
{
    CString text;
    text.Format(question, page->GetFormName(), source.GetName(), destination.GetName());
    if (AfxMessageBox(text, MB_OKCANCEL) != IDOK || !(destination.*add)(page, /*withFiles=*/true))
        return false;
    (source.*remove)(page);
    return true;
}
} // namespace

bool TreeEntityMover::Move(Module& source, Module& destination)
{
    const TreeHandle parent = m_tree.Control().GetParentItem(m_dragged);
    for (const int tableSlot :
         {TreeSlot::MasterTables, TreeSlot::DetailTables, TreeSlot::MapTables})
    {
        if (parent != nullptr && parent == CategoryNode(source, tableSlot))
            return MoveTable(source, destination, tableSlot);
    }
    bool moved = false;
    switch (ProjectTree::SlotOfItem(destination, m_target))
    {
    case TreeSlot::MasterForms:
        moved = MoveForm(source, destination);
        break;
    case TreeSlot::DetailForms:
        moved = MoveTransaction(source, destination);
        break;
    case TreeSlot::SearchReports:
        moved = MoveSearchReport(source, destination);
        break;
    case TreeSlot::DashBoardPages:
        moved = MoveDashBoardPage(source, destination);
        break;
    case TreeSlot::Dashboards:
        moved = MoveDashBoard(source, destination);
        break;
    case TreeSlot::Menus:
        moved = MoveMenu(source, destination);
        break;
    case TreeSlot::Reports:
        moved = MoveRDLCReport(source, destination);
        break;
    case TreeSlot::UserFunctions:
        return RefuseUserFunction(source);
    default:
        return false;
    }
    if (moved)
        RefreshModules(source, destination);
    return moved;
}

bool TreeEntityMover::DraggedIdUnder(Module& source, int slot, int& id) const
{
    const ProjectTreeControl& control = m_tree.Control();
    const TreeHandle node = CategoryNode(source, slot);
    if (node == nullptr || control.GetParentItem(m_dragged) != node)
        return false;
    id = control.GetItemData(m_dragged);
    return true;
}

bool TreeEntityMover::MoveTable(Module& source, Module& destination, int tableSlot)
{
    const int id = m_tree.Control().GetItemData(m_dragged);
    Table* table = tableSlot == TreeSlot::MasterTables   ? source.FindMasterTableById(id)
                   : tableSlot == TreeSlot::DetailTables ? source.FindTransactionTableById(id)
                                                         : source.FindMapTableById(id);
    if (table == nullptr)
        return false;
    if (table->IsSystemTable())
        return Refuse("Can not move default table");
    const int targetSlot = ProjectTree::SlotOfItem(destination, m_target);
    if (table->GetKind() == Table::masterKind && targetSlot == TreeSlot::MasterTables)
    {
        MoveMasterTable(source, destination, *table);
        RefreshModules(source, destination);
        return true;
    }
    if (table->GetKind() == Table::masterDetailKind && targetSlot == TreeSlot::DetailTables)
    {
        if (Transaction* transaction = source.FindTransactionByTable(table))
        {
            if (transaction->MoveToModule(&source, &destination) &&
                destination.AddTransaction(transaction, /*withFiles=*/true))
                source.RemoveTransaction(transaction);
        }
    }
    RefreshModules(source, destination);
    return false;
}

void TreeEntityMover::MoveMasterTable(Module& source, Module& destination, Table& table)
{
    // The table's master form goes first: the one it has, or a new one for it.
    Form* form = source.GetMasterFormForTable(&table, /*create=*/true);
    form->MoveToModule(&source, &destination, /*ask=*/false);
    if (destination.AddMasterForm(form, /*withFiles=*/true))
        source.RemoveMasterForm(form);
    MoveTableBetweenModules(&table, &source, &destination);
}

bool TreeEntityMover::MoveForm(Module& source, Module& destination)
{
    int id = 0;
    Form* form =
        DraggedIdUnder(source, TreeSlot::MasterForms, id) ? source.FindMasterFormById(id) : nullptr;
    if (form == nullptr)
        return false;
    if (form->GetTable() != nullptr && form->GetTable()->IsSystemTable())
        return Refuse("Can not move default forms");
    if (!form->MoveToModule(&source, &destination, /*ask=*/true) ||
        !destination.AddMasterForm(form, /*withFiles=*/true))
        return false;
    source.RemoveMasterForm(form);
    return true;
}

bool TreeEntityMover::MoveTransaction(Module& source, Module& destination)
{
    int id = 0;
    Transaction* transaction = DraggedIdUnder(source, TreeSlot::DetailForms, id)
                                   ? source.FindTransactionById(id)
                                   : nullptr;
    if (transaction == nullptr || !transaction->MoveToModule(&source, &destination) ||
        !destination.AddTransaction(transaction, /*withFiles=*/true))
        return false;
    source.RemoveTransaction(transaction);
    return true;
}

bool TreeEntityMover::MoveSearchReport(Module& source, Module& destination)
{
    int id = 0;
    ApplicationReport* report =
        DraggedIdUnder(source, TreeSlot::SearchReports, id) ? source.FindReportById(id) : nullptr;
    return report != nullptr &&
           MoveConfirmed(source, destination, report, "Moving Search Report '%s' from %s, to %s",
                         &Module::AddReport, &Module::RemoveReport);
}

bool TreeEntityMover::MoveRDLCReport(Module& source, Module& destination)
{
    int id = 0;
    RDLCReport* report =
        DraggedIdUnder(source, TreeSlot::Reports, id) ? source.FindRDLCReportById(id) : nullptr;
    return report != nullptr &&
           MoveConfirmed(source, destination, report, "Moving Report '%s' from %s, to %s",
                         &Module::AddRDLCReport, &Module::RemoveRDLCReport);
}

bool TreeEntityMover::MoveDashBoard(Module& source, Module& destination)
{
    int id = 0;
    DashBoard* dashBoard =
        DraggedIdUnder(source, TreeSlot::Dashboards, id) ? source.FindDashBoardById(id) : nullptr;
    if (dashBoard == nullptr)
        return false;
    if (IsNamedAfterModule(dashBoard->GetFormName(), source, "_Dashboard"))
        return Refuse("Can not move Module Dashboard");
    if (IsProjectDashboardName(dashBoard->GetFormName()))
        return Refuse("Can not move Project Dashboard");
    return MoveConfirmed(source, destination, dashBoard, "Moving Dashboard '%s' from %s, to %s",
                         &Module::AddDashBoard, &Module::RemoveDashBoard);
}

bool TreeEntityMover::MoveDashBoardPage(Module& source, Module& destination)
{
    int id = 0;
    DashBoardPage* page = DraggedIdUnder(source, TreeSlot::DashBoardPages, id)
                              ? source.FindDashBoardPageById(id)
                              : nullptr;
    if (page == nullptr)
        return false;
    if (IsNamedAfterModule(page->GetFormName(), source, "_Dashboard"))
        return Refuse("Can not move module Dashboard Page");
    if (IsProjectDashboardName(page->GetFormName()))
        return Refuse("Can not move project Dashboard Page");
    return MoveConfirmed(source, destination, page, "Moving Dashboard Page '%s' from %s, to %s",
                         &Module::AddDashBoardPage, &Module::RemoveDashBoardPage);
}

bool TreeEntityMover::MoveMenu(Module& source, Module& destination)
{
    int id = 0;
    Menu* menu = DraggedIdUnder(source, TreeSlot::Menus, id) ? source.FindMenuById(id) : nullptr;
    if (menu == nullptr)
        return false;
    if (IsNamedAfterModule(menu->GetName(), source, "Menu"))
        return Refuse("Can not move module Menu");
    if (!menu->MoveToModule(&source, &destination) || !destination.AddMenu(menu))
        return false;
    source.RemoveMenu(menu);
    return true;
}

bool TreeEntityMover::RefuseUserFunction(Module& source)
{
    int id = 0;
    if (DraggedIdUnder(source, TreeSlot::UserFunctions, id) &&
        source.FindFunctionById(id) != nullptr)
        Refuse("Can not move User Defined Function");
    return false;
}

void TreeEntityMover::RefreshModules(Module& source, Module& destination)
{
    m_tree.RebuildModule(source);
    m_tree.RebuildModule(destination);
}

namespace TreeDragRules
{
bool CanStartDrag(const ProjectTreeControl& tree, TreeHandle item)
{
    return item != nullptr && tree.GetParentItem(item) != nullptr;
}

bool CanHighlight(const ProjectTreeControl& tree, TreeHandle dragged, TreeHandle item)
{
    return item != nullptr && item != tree.GetParentItem(dragged);
}

bool CanDrop(const ProjectTreeControl& tree, TreeHandle dragged, TreeHandle target)
{
    if (dragged == nullptr || target == nullptr)
        return false;
    for (TreeHandle item = target; item != nullptr; item = tree.GetParentItem(item))
    {
        if (item == dragged)
            return false;
    }
    return true;
}

bool DropItem(ProjectTree& tree, TreeHandle dragged, TreeHandle target)
{
    if (!CanDrop(tree.Control(), dragged, target))
        return false;
    Module* source = tree.FindModuleOfTreeItem(dragged);
    Module* destination = tree.FindModuleOfTreeItem(target);
    if (source == nullptr || destination == nullptr || source == destination)
        return false;
    // The target goes with the refresh; its slot tells the node that replaces it.
    const int slot = ProjectTree::SlotOfItem(*destination, target);
    if (!TreeEntityMover(tree, dragged, target).Move(*source, *destination))
        return false;
    if (slot > 0)
    {
        if (const TreeHandle node = CategoryNode(*destination, slot))
            tree.Control().Expand(node, true);
    }
    return true;
}
} // namespace TreeDragRules
