#include "merge/MergeEntitySelector.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeEntityNames.h"
#include "merge/PointerLists.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

namespace
{
const char* const noModule = "Module not selected.";

std::vector<CString> ModuleNamesOf(const ForgeonProject* project)
{
    std::vector<CString> names;
    for (const Module* module : project->GetModules())
        names.push_back(module->GetName());
    return names;
}

// The kinds of the kind combo, and RDLC reports, which no entry names.
enum MergeEntityKind
{
    MasterTableKind,
    MapTableKind,
    TransactionTableKind,
    ProcedureKind,
    ReportKind,
    MasterFormKind,
    MapFormKind,
    TransactionKind,
    MenuKind,
    DashBoardPageKind,
    RDLCReportKind,
};

template <class T>
void AppendItems(std::vector<MergeEntitySelector::TreeItem>& tree, const std::vector<T*>& list)
{
    for (const T* entity : list)
        tree.push_back({EntityName(*entity), entity->GetId()});
}

// The entity joins the selected list once; an id that names none adds nothing.
template <class T> void AppendIfFound(PointerList<T>& list, T* entity)
{
    if (entity != nullptr)
        AppendOnce(list, entity);
}

CString FilePathOf(const ForgeonProject* project)
{
    return project->GetProjectSettings() != nullptr ? project->GetProjectFilePath() : CString();
}
} // namespace

MergeEntitySelector::MergeEntitySelector(ForgeonProject* first, ForgeonProject* second,
                                         MergeDependencyCollector& collector, MergeEntityHost& host)
    : m_first(first), m_second(second), m_collector(collector), m_host(host)
{
}

const std::vector<CString>& MergeEntitySelector::GetKinds()
{
    static const std::vector<CString> kinds = {
        "Master Tables", "Map Tables", "Transaction Tables", "Procedures", "Reports",
        "Master Forms",  "Map Forms",  "Transactions",       "Menus",      "Dashboard Pages",
    };
    return kinds;
}

void MergeEntitySelector::Open()
{
    m_firstModuleNames = ModuleNamesOf(m_first);
    m_moduleNames = ModuleNamesOf(m_second);
    m_filePath = FilePathOf(m_second);
    m_firstFilePath = FilePathOf(m_first);
}

bool MergeEntitySelector::IsEnabled(int id) const
{
    const bool selected = m_selectedModule != nullptr;
    switch (id)
    {
    case SelectButton:
        return !selected;
    case FullModuleButton:
    case SelectiveButton:
    case ResolveButton:
    case RemoveButton:
    case IDOK:
        return selected;
    case FirstModulesLabel:
    case FirstModuleCombo:
        return m_selectExistingModule;
    default:
        return true;
    }
}

void MergeEntitySelector::Select(int index)
{
    if (index < 0 || index >= m_second->GetModuleCount())
        return;
    m_selectedModule = m_second->GetModuleAt(index);
    m_collector.SetSelectedModule(m_selectedModule);
    m_moduleLabel = m_selectedModule->GetName();
    m_mergingLabel.Empty();
}

void MergeEntitySelector::Remove()
{
    if (m_selectedModule == nullptr ||
        AfxMessageBox("Do you really want to remove selected module?", MB_YESNO) != IDYES)
        return;
    m_selectedModule = nullptr;
    m_collector.SetSelectedModule(nullptr);
    m_collector.ClearSelection();
    m_moduleLabel = noModule;
    m_mergingLabel.Empty();
}

void MergeEntitySelector::FullModule()
{
    m_collector.SelectFullModule();
    if (m_selectedModule != nullptr)
        m_mergingLabel =
            "Full Module chosen: all of " + m_selectedModule->GetName() + " is merged.";
}

void MergeEntitySelector::SelectiveMerging()
{
    if (m_selectedModule == nullptr)
        return;
    m_collector.GetSelectedMenus().clear();
    m_host.OpenSelectiveMerge(m_selectedModule, m_collector);
    m_mergingLabel = "Selective Merging chosen: the entities selected are merged.";
}

void MergeEntitySelector::Resolve()
{
    m_host.OpenDependencyReview(m_collector);
}

bool MergeEntitySelector::IsTableAvailable(const Table* table) const
{
    return table == nullptr || m_collector.IsTableSelected(table) ||
           m_collector.FirstProjectHasTable(table->GetTableName());
}

CString MergeEntitySelector::MissingTableLines() const
{
    CString lines;
    for (const Form* form : m_collector.GetSelectedMasterForms())
    {
        if (!IsTableAvailable(form->GetTable()))
            lines += form->GetTable()->GetTableName() +
                     " parent table not present in Master form " + form->GetFormName() + "\n";
    }
    for (const Transaction* transaction : m_collector.GetSelectedTransactions())
    {
        if (!IsTableAvailable(transaction->GetBasicTable()))
            lines += transaction->GetBasicTable()->GetTableName() +
                     " parent table not present in Master-Detail form " +
                     transaction->GetFormName() + "\n";
    }
    for (const Function* function : m_collector.GetSelectedFunctions())
    {
        if (function->GetKind() != 0 && !IsTableAvailable(function->GetTable()))
            lines += function->GetTable()->GetTableName() + " main table not present in function " +
                     function->GetFieldName() + "\n";
    }
    return lines;
}

bool MergeEntitySelector::Ok()
{
    if (m_selectedModule == nullptr)
        return false;
    const CString lines = MissingTableLines();
    if (!lines.IsEmpty())
    {
        AfxMessageBox(lines);
        return false;
    }
    if (!m_selectExistingModule &&
        m_first->FindModuleNamedAlike(m_selectedModule->GetName()) == nullptr &&
        AfxMessageBox("A new module will be created in the merged WVT.", MB_YESNO) != IDYES)
        return false;
    return true;
}

void MergeEntitySelector::ToggleExistingModule()
{
    m_selectExistingModule = !m_selectExistingModule;
    if (m_selectExistingModule)
    {
        m_firstModuleChoice = m_first->GetModuleCount() > 0 ? 0 : -1;
        if (m_selectedModule != nullptr && m_firstModuleChoice == 0)
            m_selectedModule->SetName(m_first->GetModuleAt(0)->GetName());
    }
    else
    {
        m_firstModuleChoice = -1;
        if (m_selectedModule != nullptr)
            m_selectedModule->SetName(m_nameText);
    }
}

void MergeEntitySelector::ChooseFirstModule(int index)
{
    if (index < 0 || index >= m_first->GetModuleCount())
        return;
    m_firstModuleChoice = index;
    const CString name = m_first->GetModuleAt(index)->GetName();
    if (m_selectedModule != nullptr)
        m_selectedModule->SetName(name);
    m_tree.push_back({name, 0, false, true});
}

void MergeEntitySelector::ChooseKind(int index)
{
    m_kind = index;
    if (m_selectedModule == nullptr)
        return;
    const Module& module = *m_selectedModule;
    m_tree.clear();
    m_tree.push_back({module.GetName(), 0, false, true});
    switch (index)
    {
    case MasterTableKind:
        AppendItems(m_tree, module.GetMasterTables());
        break;
    case MapTableKind:
        AppendItems(m_tree, module.GetMapTables());
        break;
    case TransactionTableKind:
        AppendItems(m_tree, module.GetTransactionTables());
        break;
    case ProcedureKind:
        for (const Procedure* procedure : module.GetProcedures())
        {
            if (procedure->GetWriteFlag())
                m_tree.push_back({EntityName(*procedure), procedure->GetId()});
        }
        break;
    case ReportKind:
        AppendItems(m_tree, module.GetReports());
        break;
    case MasterFormKind:
        AppendItems(m_tree, module.GetMasterForms());
        break;
    case MapFormKind:
        AppendItems(m_tree, module.GetMapForms());
        break;
    case TransactionKind:
        AppendItems(m_tree, module.GetTransactions());
        break;
    case MenuKind:
        for (const Menu* menu : module.GetMenus())
            m_tree.push_back({menu->GetName(), menu->GetId()});
        break;
    case DashBoardPageKind:
        AppendItems(m_tree, module.GetDashBoardPages());
        break;
    case RDLCReportKind:
        AppendItems(m_tree, module.GetRDLCReports());
        break;
    default:
        break;
    }
    for (TreeItem& item : m_tree)
    {
        if (!item.root)
            item.checked = IsIdSelected(item.id);
    }
}

bool MergeEntitySelector::IsIdSelected(int id) const
{
    const Module& module = *m_selectedModule;
    const MergeDependencyCollector& c = m_collector;
    switch (m_kind)
    {
    case MasterTableKind:
    case MapTableKind:
    case TransactionTableKind:
        return c.IsTableSelected(module.FindTableById(id));
    case ProcedureKind:
        return c.IsProcedureSelected(module.FindProcedureById(id));
    case ReportKind:
        return c.IsReportSelected(module.FindReportById(id));
    case MasterFormKind:
        return c.IsMasterFormSelected(module.FindMasterFormById(id));
    case MapFormKind:
        return c.IsMapFormSelected(module.FindMapFormById(id));
    case TransactionKind:
        return c.IsTransactionSelected(module.FindTransactionById(id));
    case MenuKind:
        return c.IsMenuSelected(module.FindMenuById(id));
    case DashBoardPageKind:
        return c.IsDashBoardPageSelected(module.FindDashBoardPageById(id));
    case RDLCReportKind:
        return c.IsRDLCReportSelected(module.FindRDLCReportById(id));
    default:
        return false;
    }
}

void MergeEntitySelector::SetItemCheck(int index, bool checked)
{
    if (index >= 0 && index < static_cast<int>(m_tree.size()))
        m_tree[static_cast<std::size_t>(index)].checked = checked;
}

void MergeEntitySelector::SetFirstRootChecks(bool checked)
{
    const auto root = std::ranges::find_if(m_tree, [](const TreeItem& item) { return item.root; });
    if (root == m_tree.end())
        return;
    root->checked = checked;
    for (auto item = root + 1; item != m_tree.end() && !item->root; ++item)
        item->checked = checked;
}

void MergeEntitySelector::SelectChecked()
{
    if (m_selectedModule == nullptr)
        return;
    for (const TreeItem& item : m_tree)
    {
        if (item.checked && !item.root)
            SelectEntity(item.id);
    }
}

void MergeEntitySelector::SelectEntity(int id)
{
    Module& module = *m_selectedModule;
    switch (m_kind)
    {
    case MasterTableKind:
    case MapTableKind:
    case TransactionTableKind:
        if (Table* table = module.FindTableById(id))
            m_collector.SelectTableWithDependants(table);
        break;
    case ProcedureKind:
        AppendIfFound(m_collector.GetSelectedProcedures(), module.FindProcedureById(id));
        break;
    case ReportKind:
        AppendIfFound(m_collector.GetSelectedReports(), module.FindReportById(id));
        break;
    case MasterFormKind:
        AppendIfFound(m_collector.GetSelectedMasterForms(), module.FindMasterFormById(id));
        break;
    case MapFormKind:
        AppendIfFound(m_collector.GetSelectedMapForms(), module.FindMapFormById(id));
        break;
    case TransactionKind:
        AppendIfFound(m_collector.GetSelectedTransactions(), module.FindTransactionById(id));
        break;
    case MenuKind:
        if (Menu* menu = module.FindMenuById(id))
            m_collector.SelectMenuWithDescendants(menu);
        break;
    case DashBoardPageKind:
        if (DashBoardPage* page = module.FindDashBoardPageById(id))
            m_collector.SelectDashBoardPageWithDashBoards(page);
        break;
    case RDLCReportKind:
        if (RDLCReport* report = module.FindRDLCReportById(id))
        {
            m_collector.SelectReportDescriptions();
            m_collector.SelectRDLCReport(report);
        }
        break;
    default:
        break;
    }
}
