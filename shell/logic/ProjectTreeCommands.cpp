#include "shell/logic/ProjectTreeCommands.h"

#include "database/SqlScriptWriter.h"
#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DataLoss.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "gen_classic/MapFormPageWriter.h"
#include "gen_classic/MenuWriter.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FileUtilities.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/OutputRoot.h"
#include "model/ProjectFolders.h"
#include "model/ProjectNameCheck.h"
#include "model/ReferenceList.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "platform/core/HostPath.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"
#include "shell/logic/ProjectProperties.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeBuilder.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "shell/logic/TreeCommandHost.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <optional>

namespace
{
// Command numbers of the menus.
constexpr UINT kFirst = 10;
constexpr UINT kSecond = 20;
constexpr UINT kThird = 30;
constexpr UINT kFourth = 40;
constexpr UINT kWriteTableScript = 70;

bool IsTableSlot(int slot)
{
    return slot == TreeSlot::MasterTables || slot == TreeSlot::DetailTables ||
           slot == TreeSlot::MapTables;
}

bool IsProcedureSlot(int slot)
{
    return std::ranges::find(kProcedureSlots, slot) != kProcedureSlots.end();
}

// Is the entity of the item under the module's node of the slot still in the module.
bool ItemEntityExists(const Module& module, int slot, int id)
{
    switch (slot)
    {
    case TreeSlot::MasterForms:
        return module.FindMasterFormById(id) != nullptr;
    case TreeSlot::DetailForms:
        return module.FindTransactionById(id) != nullptr;
    case TreeSlot::SearchReports:
        return module.FindReportById(id) != nullptr;
    case TreeSlot::Reports:
        return module.FindRDLCReportById(id) != nullptr;
    case TreeSlot::MapForms:
        return module.FindMapFormById(id) != nullptr;
    case TreeSlot::UserFunctions:
        return module.FindFunctionById(id) != nullptr;
    case TreeSlot::Dashboards:
        return module.FindDashBoardById(id) != nullptr;
    default:
        return !IsProcedureSlot(slot) || module.FindProcedureById(id) != nullptr;
    }
}

// "<kind>: <first three names> and <n> more" of the items, or nothing when there are none.
template <class T, class Name>
void AddHeld(std::vector<CString>& held, const char* kind, const std::vector<T*>& items,
             const Name& name)
{
    if (items.empty())
        return;
    CString text = CString(kind) + ": ";
    const std::size_t shown = std::min<std::size_t>(items.size(), 3);
    for (std::size_t index = 0; index < shown; ++index)
        text += (index > 0 ? ", " : "") + name(*items[index]);
    if (items.size() > shown)
        text += " and " + CString(std::to_string(items.size() - shown).c_str()) + " more";
    held.push_back(text);
}

// What keeps the module from being deleted, kind by kind.
CString ModuleHoldings(const Module& module)
{
    const auto table = [](const Table& each) { return each.GetTableName(); };
    const auto page = [](const FormInterface& each) { return each.GetFormName(); };
    const auto named = [](const auto& each) { return each.GetName(); };
    std::vector<CString> held;
    AddHeld(held, "master tables", module.GetMasterTables(), table);
    AddHeld(held, "master-detail tables", module.GetTransactionTables(), table);
    AddHeld(held, "map tables", module.GetMapTables(), table);
    AddHeld(held, "forms", module.GetMasterForms(), page);
    AddHeld(held, "master-detail forms", module.GetTransactions(), page);
    AddHeld(held, "map forms", module.GetMapForms(), page);
    AddHeld(held, "search reports", module.GetReports(), page);
    AddHeld(held, "multi-page reports", module.GetMultiPageReports(), page);
    AddHeld(held, "report collectors", module.GetReportCollectors(), page);
    AddHeld(held, "dashboards", module.GetDashBoards(), page);
    AddHeld(held, "dashboard pages", module.GetDashBoardPages(), page);
    AddHeld(held, "menus", module.GetMenus(), named);
    AddHeld(held, "procedures", module.GetProcedures(), named);
    AddHeld(held, "roles", module.GetDesignations(), named);
    CString text = "\nThe module holds:";
    for (const CString& each : held)
        text += "\n" + each;
    return text;
}

// The paste entry is grayed while no copy waits to be pasted.
std::vector<UINT> NothingToPaste(bool pasted, UINT paste)
{
    return pasted ? std::vector<UINT>{} : std::vector<UINT>{paste};
}

// Nothing is typed where a copy is pasted: the refusal of its name asks for no other one.
CString PasteRefusal(CString refusal)
{
    refusal.Replace("\nPlease enter another name.", "\nThe copy is not pasted.");
    return refusal;
}

// "<what was written> under <folder> (files written: n)", or "to <file>", as the status bar
// tells it.
void ShowWritten(const CString& written, const char* where, const CString& place, std::size_t count)
{
    CString status;
    status.Format("%s %s %s (files written: %d)", written.GetString(), where,
                  NormalHostPath(place).c_str(), static_cast<int>(count));
    MainFrameAccess::SetStatusText(status);
}

// Runs a write command's writers on the large stack (the pages' menus and the menu scripts walk
// menu trees as deep as a file nests them); the status bar says what they wrote and where, a box
// what they could not write.
template <class Write>
void RunWriter(const CString& written, const CString& folder, const Write& write)
{
    LargeStack::Run(
        [&]
        {
            GenerationReport report;
            write(report);
            ShowWritten(written, "under", folder, report.GetWrittenCount());
            if (const CString text = report.ClosingText(""); !text.IsEmpty())
                AfxMessageBox(text);
        });
}

// The kinds the model deletes with a table, and the counts a table delete refreshes.
constexpr std::array<int, 10> kTableDependentSlots = {
    TreeSlot::MasterForms,         TreeSlot::DetailForms,
    TreeSlot::SearchReports,       TreeSlot::Reports,
    TreeSlot::UserFunctions,       TreeSlot::MapForms,
    TreeSlot::UserProcedures,      TreeSlot::DefaultProcedures,
    TreeSlot::SelectAllProcedures, TreeSlot::SelectRecordProcedures};
constexpr std::array<int, 9> kTableCountSlots = {
    TreeSlot::MasterForms,    TreeSlot::DetailForms,       TreeSlot::SearchReports,
    TreeSlot::Reports,        TreeSlot::UserFunctions,     TreeSlot::MapForms,
    TreeSlot::UserProcedures, TreeSlot::DefaultProcedures, TreeSlot::Dashboards};

// Some report of the project calls what the loss takes: its own call, a group's calls or a
// filter's data calls.
bool AnyReportLoses(const ForgeonProject& project, const DataLoss& loss)
{
    const auto filterLoses = [&loss](const FieldRep* filter)
    {
        const FieldRepData* data = filter->GetFieldRepData();
        return data != nullptr && loss.TakesAny(data->GetDataCall(), data->GetDataProcedure());
    };
    const auto groupLoses = [&loss, &filterLoses](const ReportGroup* group)
    {
        return loss.TakesAny(group->GetClassCall(), group->GetProcedureCall()) ||
               std::ranges::any_of(group->GetFilters(), filterLoses);
    };
    const auto loses = [&loss, &groupLoses](const ApplicationReport* report)
    {
        return loss.TakesAny(report->GetClassCall(), nullptr) ||
               std::ranges::any_of(report->GetReportGroups(), groupLoses);
    };
    return std::ranges::any_of(project.GetModules(), [&loses](const Module* module)
                               { return std::ranges::any_of(module->GetReports(), loses); });
}

// Some graph of the project has a call the loss takes: the graph goes or loses the call.
bool AnyGraphLoses(const ForgeonProject& project, const DataLoss& loss)
{
    return std::ranges::any_of(project.GetModules(),
                               [&loss](const Module* module)
                               {
                                   return std::ranges::any_of(
                                       module->GetDashBoards(),
                                       [&loss](const DashBoard* graph) {
                                           return loss.TakesAny(graph->GetClassInvokation(),
                                                                graph->GetProcedureInvokation());
                                       });
                               });
}
// The editor that the one entry of the menu, a create command, opens new.
std::optional<RightPane> CreatingPane(TreeMenu menu)
{
    switch (menu)
    {
    case TreeMenu::DashboardsNode:
        return RightPane::DashBoardView;
    case TreeMenu::ReportsNode:
        return RightPane::RDLCReportView;
    case TreeMenu::UserFunctionsNode:
        return RightPane::UserFunctionView;
    case TreeMenu::Procedure:
        return RightPane::ProcedureView;
    case TreeMenu::MultiPageReport:
        return RightPane::MultiPageReportView;
    case TreeMenu::ReportCollector:
        return RightPane::ReportCollectorView;
    default:
        return std::nullopt;
    }
}
} // namespace

const std::vector<TreeMenuEntry>& TreeMenuEntries(TreeMenu menu)
{
    static const std::array<std::vector<TreeMenuEntry>, kTreeMenuCount + 1> entries = {{
        {},
        {{kFirst, "Create Module"}},
        {{kSecond, "Write Module"}, {kThird, "Delete"}, {kFourth, "Rename"}},
        {{kFirst, "Create Table"}, {kSecond, "Create Forms"}, {kThird, "Paste Table"}},
        {{kFirst, "Create Form"},
         {kSecond, "Copy Table"},
         {kWriteTableScript, "Write Table Script"}},
        {{kFirst, "Paste Form"}},
        {{kFirst, "Write Form"}, {kSecond, "Copy Form"}},
        {{kFirst, "Create Master-Detail"},
         {kSecond, "Copy Master-Detail"},
         {kThird, "Paste Master-Detail"},
         {kFourth, "Write Master-Detail"}},
        {{kFirst, "Create Dashboard"}},
        {{kFirst, "Create Search Report"}, {kSecond, "Paste Search Report"}},
        {{kFirst, "Copy"}, {kSecond, "Write Report"}},
        {{kFirst, "Create Report"}},
        {{kFirst, "Create Menu"}, {kSecond, "Write Menu"}},
        {{kFirst, "Write MapForm"}},
        {{kFirst, "Create DashBoardPage"}, {kSecond, "Write DashBoardPage"}},
        {{kFirst, "Create Function"}},
        {{kFirst, "Create Procedure"}},
        {{kFirst, "Create MultiPageReport"}},
        {{kFirst, "Create ReportCollector"}},
    }};
    return entries[static_cast<std::size_t>(menu)];
}

ForgeonProject& ProjectTreeCommands::Project() const
{
    return *m_tree.GetProject();
}

Module* ProjectTreeCommands::CurrentModule() const
{
    return m_tree.GetProject() != nullptr ? Project().GetCurrentModule() : nullptr;
}

void ProjectTreeCommands::SelectModuleOfItem(TreeHandle item)
{
    const int index = m_tree.FindModuleIndexOfItem(item);
    m_previousModule = CurrentModule();
    if (index >= 0)
        Project().SelectModuleAt(index);
}

void ProjectTreeCommands::SelectModule(const Module* module)
{
    const std::vector<Module*>& modules = Project().GetModules();
    const auto found = std::ranges::find(modules, module);
    if (module != nullptr && found != modules.end())
        Project().SelectModuleAt(static_cast<int>(found - modules.begin()));
}

ProjectTreeCommands::ItemKey ProjectTreeCommands::KeyOf(TreeHandle item) const
{
    Module* module = m_tree.FindModuleOfTreeItem(item);
    if (module == nullptr)
        return {};
    if (m_tree.IsModuleItem(item))
        return {module};
    if (const int slot = ProjectTree::SlotOfItem(*module, item); slot != 0)
        return {module, slot, /*node=*/true};
    const TreeHandle parent = m_tree.Control().GetParentItem(item);
    const int data = m_tree.Control().GetItemData(item);
    if (const int slot = ProjectTree::SlotOfItem(*module, parent); slot != 0)
        return {module, slot, /*node=*/false, data};
    ItemKey table = KeyOf(parent);
    table.field = data;
    return table;
}

TreeHandle ProjectTreeCommands::ItemOf(const ItemKey& key) const
{
    const std::vector<Module*>& modules = Project().GetModules();
    const auto found = std::ranges::find(modules, key.module);
    if (key.module == nullptr || found == modules.end())
        return nullptr;
    if (key.slot == 0)
        return m_tree.GetModuleItem(static_cast<int>(found - modules.begin()));
    const TreeHandle node = CategoryNode(**found, key.slot);
    if (key.node || node == nullptr)
        return node;
    const TreeHandle item = m_tree.FindChildItem(node, key.data);
    return key.field < 0 || item == nullptr ? item : m_tree.FindChildItem(item, key.field);
}

bool ProjectTreeCommands::LeaveEditorFor(TreeHandle item)
{
    const ItemKey key = KeyOf(item);
    const Module* chosen = CurrentModule();
    // A new item the answer stores goes into the module it was made in.
    SelectModule(m_previousModule);
    if (!m_host.MayLeaveEditor())
    {
        HighlightShownItem();
        return false;
    }
    SelectModule(chosen);
    m_shown = key;
    return true;
}

void ProjectTreeCommands::HighlightShownItem()
{
    const TreeHandle shown = ItemOf(m_shown);
    if (m_tree.Control().GetSelectedItem() != shown)
        m_tree.Control().SelectItem(shown);
}

TreeMenuChoice ProjectTreeCommands::ChooseMenu(TreeHandle item) const
{
    Module* module = CurrentModule();
    if (item == nullptr || m_tree.GetProject() == nullptr)
        return {};
    if (item == m_tree.GetRootItem())
        return {TreeMenu::ProjectRoot, {}};
    if (m_tree.IsModuleItem(item))
        return {TreeMenu::Module, {}};
    if (module == nullptr)
        return {};
    const TreeHandle parent = m_tree.Control().GetParentItem(item);
    const int slot = ProjectTree::SlotOfItem(*module, item);
    const int parentSlot = ProjectTree::SlotOfItem(*module, parent);
    switch (slot)
    {
    case TreeSlot::MasterTables:
    case TreeSlot::DetailTables:
        return {TreeMenu::TableCategory, NothingToPaste(module->HasPastedTable(), kThird)};
    case TreeSlot::MapTables:
        // A map table is made in the table designer; forms and pastes are for the other kinds.
        return {TreeMenu::TableCategory, {kSecond, kThird}};
    case TreeSlot::UserProcedures:
    case TreeSlot::DefaultProcedures:
    case TreeSlot::SelectAllProcedures:
    case TreeSlot::SelectRecordProcedures:
        return {TreeMenu::Procedure, {}};
    case TreeSlot::MultiPageReports:
        return {TreeMenu::MultiPageReport, {}};
    case TreeSlot::ReportCollectors:
        return {TreeMenu::ReportCollector, {}};
    case TreeSlot::MasterForms:
        return {TreeMenu::MasterFormsNode, NothingToPaste(module->HasPastedForm(), kFirst)};
    case TreeSlot::DetailForms:
    {
        std::vector<UINT> grayed = {kSecond, kFourth};
        if (!module->HasPastedTransaction())
            grayed.push_back(kThird);
        return {TreeMenu::MasterDetail, grayed};
    }
    case TreeSlot::Dashboards:
        return {TreeMenu::DashboardsNode, {}};
    case TreeSlot::SearchReports:
        return {TreeMenu::SearchReportsNode, NothingToPaste(module->HasPastedReport(), kSecond)};
    case TreeSlot::Reports:
        return {TreeMenu::ReportsNode, {}};
    case TreeSlot::Menus:
        return {TreeMenu::MenusNode, {}};
    case TreeSlot::DashBoardPages:
        return {TreeMenu::DashBoardPage, {kSecond}};
    case TreeSlot::UserFunctions:
        return {TreeMenu::UserFunctionsNode, {}};
    default:
        break;
    }
    if (IsTableSlot(parentSlot))
        return {TreeMenu::TableItem, {}};
    if (IsProcedureSlot(parentSlot))
        return {TreeMenu::Procedure, {}};
    switch (parentSlot)
    {
    case TreeSlot::MultiPageReports:
        return {TreeMenu::MultiPageReport, {}};
    case TreeSlot::ReportCollectors:
        return {TreeMenu::ReportCollector, {}};
    case TreeSlot::MasterForms:
        return {TreeMenu::FormItem, {}};
    case TreeSlot::DetailForms:
        return {TreeMenu::MasterDetail, {kFirst, kThird}};
    case TreeSlot::SearchReports:
        return {TreeMenu::SearchReportItem, {}};
    case TreeSlot::MapForms:
        return {TreeMenu::MapFormItem, {}};
    case TreeSlot::DashBoardPages:
        return {TreeMenu::DashBoardPage, {kFirst}};
    default:
        return {};
    }
}

void ProjectTreeCommands::RunMenuCommand(TreeMenu menu, UINT command, TreeHandle item)
{
    Module* module = CurrentModule();
    if (m_tree.GetProject() == nullptr)
        return;
    switch (menu)
    {
    case TreeMenu::ProjectRoot:
        if (command == kFirst)
            CreateModule();
        return;
    case TreeMenu::Module:
        if (command == kSecond)
            WriteModule();
        else if (command == kThird)
            DeleteModuleItem(item);
        else if (command == kFourth)
            m_host.ShowRenameModuleDialog();
        return;
    default:
        break;
    }
    if (module == nullptr)
        return;
    if (const std::optional<RightPane> pane = CreatingPane(menu))
    {
        if (command == kFirst && LeaveEditorFor(item))
            EditNew(m_host, *pane);
        return;
    }
    switch (menu)
    {
    case TreeMenu::TableCategory:
    {
        const int kind = item == CategoryNode(*module, TreeSlot::DetailTables)
                             ? Table::masterDetailKind
                         : item == CategoryNode(*module, TreeSlot::MapTables) ? Table::mapKind
                                                                              : Table::masterKind;
        if (command == kFirst && LeaveEditorFor(item))
            m_host.OpenTableEditor(nullptr, kind, /*enableOK=*/false);
        else if (command == kSecond && kind == Table::masterKind && LeaveEditorFor(item))
            CreateForms();
        else if (command == kThird && kind != Table::mapKind)
            PasteTable(kind);
        return;
    }
    case TreeMenu::TableItem:
        if (command == kFirst)
            CreateFormOfItem(item);
        else if (command == kSecond)
            CopyTable(item);
        else if (command == kWriteTableScript)
            WriteTableScript(item);
        return;
    case TreeMenu::MasterFormsNode:
        if (command == kFirst)
            PastePage(&Module::TakePastedForm, &Module::AddMasterForm,
                      &ProjectTreeBuilder::AddFormItem);
        return;
    case TreeMenu::FormItem:
        if (command == kFirst)
            WritePage(module->FindMasterFormById(m_tree.Control().GetItemData(item)), "Form",
                      &AspxObjectWriter::WriteForm);
        else if (command == kSecond)
            CopyPage(item, &Module::FindMasterFormById, &Module::SetPastedForm);
        return;
    case TreeMenu::MasterDetail:
        if (command == kFirst && LeaveEditorFor(item))
            EditNew(m_host, RightPane::TransactionView);
        else if (command == kSecond)
            CopyPage(item, &Module::FindTransactionById, &Module::SetPastedTransaction);
        else if (command == kThird)
            PastePage(&Module::TakePastedTransaction, &Module::AddTransaction,
                      &ProjectTreeBuilder::AddTransactionItem);
        else if (command == kFourth)
            WritePage(module->FindTransactionById(m_tree.Control().GetItemData(item)),
                      "Master-detail form", &AspxObjectWriter::WriteTransaction);
        return;
    case TreeMenu::SearchReportsNode:
        if (command == kFirst && LeaveEditorFor(item))
            EditNew(m_host, RightPane::ReportView);
        else if (command == kSecond)
            PastePage(&Module::TakePastedReport, &Module::AddReport,
                      &ProjectTreeBuilder::AddApplicationReportItem);
        return;
    case TreeMenu::SearchReportItem:
        if (command == kFirst)
            CopyPage(item, &Module::FindReportById, &Module::SetPastedReport);
        else if (command == kSecond)
            WritePage(module->FindReportById(m_tree.Control().GetItemData(item)), "Report",
                      &AspxObjectWriter::WriteReport);
        return;
    case TreeMenu::MenusNode:
        if (command == kFirst && LeaveEditorFor(item))
            EditNew(m_host, RightPane::MenuView);
        else if (command == kSecond)
            WriteMenuScripts();
        return;
    case TreeMenu::MapFormItem:
        if (command == kFirst)
            WriteMapFormPages(module->FindMapFormById(m_tree.Control().GetItemData(item)));
        return;
    case TreeMenu::DashBoardPage:
        if (command == kFirst && LeaveEditorFor(item))
            EditNew(m_host, RightPane::DashBoardPageView);
        else if (command == kSecond)
            WritePage(module->FindDashBoardPageById(m_tree.Control().GetItemData(item)),
                      "Dashboard page", &AspxObjectWriter::WriteDashBoardPage);
        return;
    default:
        return;
    }
}

void ProjectTreeCommands::CreateModule()
{
    // The editor shown is loaded again for the new module.
    if (!m_host.MayLeaveEditor())
        return;
    ForgeonProject& project = Project();
    Module* module = project.AddNewModule();
    if (module == nullptr)
        return;
    project.UpdateProjectDashboard();
    const TreeHandle item = m_tree.AppendModuleItem(*module);
    m_tree.Control().SelectItem(item);
    m_host.EditLabel(item);
    m_host.ReloadCurrentEditor();
}

void ProjectTreeCommands::WriteModule()
{
    Module* module = CurrentModule();
    if (module == nullptr || !CheckNamesBeforeWrite(Project(), module, nullptr) ||
        !m_host.PrepareAndSave())
        return;
    AspxWriteAll writeAll(&Project());
    writeAll.NamesChecked();
    CompleteProjectFolder(Project(), ProgramFolder().c_str(), writeAll.GetReport());
    // A failed run has shown its report; a run that wrote everything shows its notes.
    const bool written = writeAll.Run(module);
    ShowWritten("Module " + module->GetName() + " was written", "under", GetOutputRoot(Project()),
                writeAll.GetReport().GetWrittenCount());
    if (const CString notes = writeAll.GetClosingText(""); written && !notes.IsEmpty())
        AfxMessageBox(notes);
}

void ProjectTreeCommands::DeleteModuleItem(TreeHandle item)
{
    ForgeonProject& project = Project();
    const int index = m_tree.FindModuleIndexOfItem(item);
    if (index < 0)
    {
        AfxMessageBox("Please select module to delete.");
        return;
    }
    // The editor shown may hold an entity of the module: it is left for the start page first.
    if (project.GetModuleAt(index)->IsEmpty())
    {
        if (!m_host.MayLeaveEditor())
        {
            HighlightShownItem();
            return;
        }
        m_host.OpenEditor(RightPane::StartPage, nullptr);
    }
    if (!project.DeleteModuleAt(index))
    {
        AfxMessageBox("Cannot delete a selected module as it contains data.\nFor Deletion you "
                      "need to clean the data mannualy." +
                      ModuleHoldings(*project.GetModuleAt(index)));
        return;
    }
    project.SelectModuleAt(0);
    project.UpdateProjectDashboard();
    m_tree.RemoveModuleItem(index);
}

Table* ProjectTreeCommands::TableOfItem(Module& module, TreeHandle item) const
{
    const int id = m_tree.Control().GetItemData(item);
    switch (ProjectTree::SlotOfItem(module, m_tree.Control().GetParentItem(item)))
    {
    case TreeSlot::MasterTables:
        return module.FindMasterTableById(id);
    case TreeSlot::DetailTables:
        return module.FindTransactionTableById(id);
    case TreeSlot::MapTables:
        return module.FindMapTableById(id);
    default:
        return nullptr;
    }
}

void ProjectTreeCommands::CreateForm(Module& module, Table& table)
{
    Form* form = module.GetMasterFormForTable(&table, /*create=*/true);
    if (form == nullptr)
        return;
    if (!module.ContainsMasterForm(form))
    {
        module.AddMasterForm(form, /*withFiles=*/true);
        module.AddDefaultMenuEntries(form);
        m_host.RefreshTree();
    }
    m_host.OpenEditor(RightPane::FormEditor, form);
}

void ProjectTreeCommands::CreateForms()
{
    Module* module = CurrentModule();
    const std::vector<Table*> tables = module->GetMasterTables();
    for (Table* table : tables)
    {
        if (module->FindFormOfTable(table) == nullptr)
            CreateForm(*module, *table);
    }
}

void ProjectTreeCommands::CreateFormOfItem(TreeHandle item)
{
    Module& module = *CurrentModule();
    const int id = m_tree.Control().GetItemData(item);
    const bool master =
        m_tree.Control().GetParentItem(item) == CategoryNode(module, TreeSlot::MasterTables);
    if (!LeaveEditorFor(item))
        return;
    if (master)
    {
        if (Table* table = module.FindMasterTableById(id))
            CreateForm(module, *table);
    }
    else if (Table* mapTable = module.FindMapTableById(id))
    {
        m_host.OpenEditor(RightPane::MapFormView, mapTable);
    }
}

void ProjectTreeCommands::CopyTable(TreeHandle item)
{
    Module& module = *CurrentModule();
    Table* table = TableOfItem(module, item);
    if (table == nullptr)
        return;
    if (table->IsSystemTable())
    {
        AfxMessageBox("Can not copy default table");
        return;
    }
    module.SetPastedTable(table);
}

void ProjectTreeCommands::PasteTable(int kind)
{
    Module& module = *CurrentModule();
    std::unique_ptr<Table> copy(module.TakePastedTable());
    if (copy == nullptr)
        return;
    // A copy's name is checked as the table designer checks a new one.
    const CString refusal = Project().FindTableByName(copy->GetTableName()) != nullptr
                                ? CString("A table with this name already exists.")
                                : RefuseTablePageNames(copy->GetTableName());
    if (!refusal.IsEmpty())
    {
        AfxMessageBox(PasteRefusal(refusal));
        return;
    }
    Table* table = copy.release();
    table->SetKind(kind);
    module.AddTable(table);
    ProjectTreeBuilder(m_tree.Control()).AddTableItem(module, *table);
}

void ProjectTreeCommands::WriteTableScript(TreeHandle item)
{
    Table* table = TableOfItem(*CurrentModule(), item);
    if (table == nullptr)
        return;
    if (WritableOutputPath().IsEmpty())
        return;
    const CString path = Project().GetTableScriptFilePath(table->GetTableName());
    GenerationReport report;
    GuardProjectFolder(report, Project());
    SqlScriptWriter(Project(), path, report).WriteTableScript(*table);
    ShowWritten("The script of table " + table->GetTableName() + " was written", "to", path,
                report.GetWrittenCount());
    AfxMessageBox(report.ClosingText("The script of table " + table->GetTableName() +
                                     " was written to " + ToHostPath(path).c_str()),
                  report.IsEmpty() ? MB_OK | MB_ICONINFORMATION : MB_OK);
}

void ProjectTreeCommands::WriteMenuScripts()
{
    const CString path = WritableOutputPath();
    if (path.IsEmpty())
        return;
    RunWriter("The menu scripts were written", path + "_system\\js",
              [&](GenerationReport& report)
              {
                  report.SetOutputRoot(path);
                  MenuWriter(Project(), path, report).Write();
              });
}

void ProjectTreeCommands::WriteMapFormPages(MapForm* form)
{
    if (form == nullptr || !CheckNamesBeforeWrite(Project(), form->GetModule(), form))
        return;
    const CString path = WritableOutputPath();
    if (path.IsEmpty() || !m_host.PrepareAndSave())
        return;
    RunWriter("Map form " + form->GetFormName() + " was written", path,
              [&](GenerationReport& report)
              {
                  report.SetOutputRoot(path);
                  MapFormPageWriter(&Project(), *form, report).Write();
              });
}

template <class T>
void ProjectTreeCommands::PastePage(T* (Module::*take)(), bool (Module::*add)(T*, bool),
                                    void (ProjectTreeBuilder::*addItem)(Module&, T&))
{
    Module& module = *CurrentModule();
    std::unique_ptr<T> copy((module.*take)());
    if (copy == nullptr)
        return;
    // A copy's name is checked as a designer checks a new one.
    if (const CString refusal = RefuseDesignedPageName(&module, *copy, copy->GetFormName());
        !refusal.IsEmpty())
    {
        AfxMessageBox(PasteRefusal(refusal));
        return;
    }
    T* page = copy.release();
    (module.*add)(page, /*withFiles=*/true);
    module.AddDefaultMenuEntries(page);
    module.SettlePastedPage(*page);
    (ProjectTreeBuilder(m_tree.Control()).*addItem)(module, *page);
}

template <class T>
void ProjectTreeCommands::CopyPage(TreeHandle item, T* (Module::*find)(int) const,
                                   void (Module::*mark)(T*))
{
    Module& module = *CurrentModule();
    if (T* page = (module.*find)(m_tree.Control().GetItemData(item)))
        (module.*mark)(page);
}

void ProjectTreeCommands::WritePage(FormInterface* page, const char* what,
                                    void (AspxObjectWriter::*write)())
{
    if (page == nullptr || !CheckNamesBeforeWrite(Project(), page->GetModule(), page) ||
        WritableOutputPath().IsEmpty() || !m_host.PrepareAndSave())
        return;
    ForgeonProject& project = Project();
    RunWriter(CString(what) + " " + page->GetFormName() + " was written", GetOutputRoot(project),
              [&](GenerationReport& report)
              {
                  GuardProjectFolder(report, project);
                  ProjectWriterSet writers(project, report);
                  (AspxObjectWriter(&project, page, writers, report).*write)();
              });
}

CString ProjectTreeCommands::WritableOutputPath() const
{
    const ForgeonProject& project = Project();
    const CString path = project.GetProjectSettings() != nullptr ? project.GetProjectPath() : "";
    if (!path.IsEmpty() && EnsureFolderChain(path) && IsFolderWritable(path))
        return path;
    AfxMessageBox(UnwritableFolderMessage("Could not write output at ", path, errno));
    return {};
}

void ProjectTreeCommands::OpenItem(TreeHandle item)
{
    if (item == nullptr || m_tree.GetProject() == nullptr)
        return;
    SelectModuleOfItem(item);
    const int id = m_tree.Control().GetItemData(item);
    const TreeHandle parent = m_tree.Control().GetParentItem(item);
    Module* owner = nullptr;
    int slot = 0;
    for (Module* module : Project().GetModules())
    {
        slot = m_tree.IsEntityItem(item) ? ProjectTree::SlotOfItem(*module, parent) : 0;
        if (slot != 0)
        {
            owner = module;
            break;
        }
    }
    if (owner != nullptr && !LeaveEditorFor(item))
        return;
    m_tree.ShowCurrentModule();
    if (owner != nullptr && OpenEntityOfSlot(*owner, slot, id))
        HighlightShownItem();
}

bool ProjectTreeCommands::OpenEntityOfSlot(Module& module, int slot, int id)
{
    const auto open = [this](RightPane pane, CObject* entity)
    {
        if (entity == nullptr)
            return false;
        m_host.OpenEditor(pane, entity);
        return true;
    };
    switch (slot)
    {
    case TreeSlot::MasterTables:
    case TreeSlot::DetailTables:
    case TreeSlot::MapTables:
        if (Table* table = module.FindTableById(id))
        {
            m_host.OpenTableEditor(table, table->GetKind(), /*enableOK=*/false);
            return true;
        }
        return false;
    case TreeSlot::MasterForms:
        return open(RightPane::FormEditor, module.FindMasterFormById(id));
    case TreeSlot::DetailForms:
        return open(RightPane::TransactionView, module.FindTransactionById(id));
    case TreeSlot::Dashboards:
        return open(RightPane::DashBoardView, module.FindDashBoardById(id));
    case TreeSlot::SearchReports:
        return open(RightPane::ReportView, module.FindReportById(id));
    case TreeSlot::Reports:
        return open(RightPane::RDLCReportView, module.FindRDLCReportById(id));
    case TreeSlot::Menus:
        return open(RightPane::MenuView, module.FindMenuById(id));
    case TreeSlot::DashBoardPages:
        return open(RightPane::DashBoardPageView, module.FindDashBoardPageById(id));
    case TreeSlot::UserFunctions:
        return open(RightPane::UserFunctionView, module.FindFunctionById(id));
    case TreeSlot::UserProcedures:
    case TreeSlot::DefaultProcedures:
    case TreeSlot::SelectAllProcedures:
    case TreeSlot::SelectRecordProcedures:
        return open(RightPane::ProcedureView, module.FindProcedureById(id));
    case TreeSlot::MapForms:
        return open(RightPane::MapFormView, module.FindMapFormById(id));
    case TreeSlot::MultiPageReports:
        return open(RightPane::MultiPageReportView, module.FindMultiPageReportById(id));
    case TreeSlot::LoginPage:
        return open(RightPane::LoginPageView, module.GetLoginPage());
    case TreeSlot::ReportCollectors:
        return open(RightPane::ReportCollectorView, module.FindReportCollectorById(id));
    default:
        return false;
    }
}

bool ProjectTreeCommands::IsDefaultTableItem(TreeHandle item) const
{
    Module* base = Project().GetBaseModule();
    if (base == nullptr ||
        m_tree.Control().GetParentItem(item) != CategoryNode(*base, TreeSlot::MasterTables))
        return false;
    const Table* table = base->FindMasterTableById(m_tree.Control().GetItemData(item));
    return table != nullptr && table->IsSystemTable();
}

void ProjectTreeCommands::DeleteSelectedItem()
{
    TreeHandle item = m_tree.Control().GetSelectedItem();
    if (item == nullptr || m_tree.GetProject() == nullptr)
        return;
    if (m_tree.IsModuleItem(item))
    {
        DeleteModuleItem(item);
        return;
    }
    if (!m_tree.IsEntityItem(item))
        return;
    if (IsDefaultTableItem(item))
    {
        AfxMessageBox("Can not delete Default Table");
        return;
    }
    TreeHandle parent = m_tree.Control().GetParentItem(item);
    // The login page, pages of reports and report collectors are not deleted from the tree.
    if (Module* module = m_tree.FindModuleOfTreeItem(item))
    {
        switch (ProjectTree::SlotOfItem(*module, parent))
        {
        case TreeSlot::LoginPage:
            AfxMessageBox("Can not delete the Login Page");
            return;
        case TreeSlot::MultiPageReports:
            AfxMessageBox("Can not delete a Multi Page Report");
            return;
        case TreeSlot::ReportCollectors:
            AfxMessageBox("Can not delete a Report Collector");
            return;
        default:
            break;
        }
    }
    if (AfxMessageBox(NamedQuestion("Do you really want to delete the selected entity?",
                                    m_tree.Control().GetItemText(item)),
                      MB_OKCANCEL) != IDOK)
        return;
    // The editor shown is rebound after the deletion: what it holds is asked about first. The
    // answer may build the tree anew.
    const ItemKey key = KeyOf(item);
    if (!m_host.MayLeaveEditor())
    {
        HighlightShownItem();
        return;
    }
    item = ItemOf(key);
    if (item == nullptr)
        return;
    parent = m_tree.Control().GetParentItem(item);
    for (Module* module : Project().GetModules())
    {
        const int slot = ProjectTree::SlotOfItem(*module, parent);
        if (slot != 0)
        {
            DeleteEntityOfSlot(*module, slot, item);
            return;
        }
    }
    DeleteField(item);
}

template <class T>
void ProjectTreeCommands::DeleteEntity(T* entity, bool (ForgeonProject::*remove)(T*),
                                       TreeHandle item, RightPane pane, std::vector<int> countSlots)
{
    if (entity != nullptr && (Project().*remove)(entity))
        AfterDelete(item, pane, std::move(countSlots));
}

void ProjectTreeCommands::DeleteEntityOfSlot(Module& module, int slot, TreeHandle item)
{
    const int id = m_tree.Control().GetItemData(item);
    switch (slot)
    {
    case TreeSlot::MasterTables:
    case TreeSlot::DetailTables:
    case TreeSlot::MapTables:
        DeleteTable(module, slot, item);
        return;
    case TreeSlot::MasterForms:
        DeleteEntity(module.FindMasterFormById(id), &ForgeonProject::DeleteForm, item,
                     RightPane::FormEditor, {TreeSlot::MasterForms});
        return;
    case TreeSlot::MapForms:
        DeleteEntity(module.FindMapFormById(id), &ForgeonProject::DeleteMapForm, item,
                     RightPane::MapFormView, {TreeSlot::MapForms});
        return;
    case TreeSlot::DetailForms:
        DeleteTransaction(module, item);
        return;
    case TreeSlot::Dashboards:
        DeleteEntity(module.FindDashBoardById(id), &ForgeonProject::DeleteDashBoard, item,
                     RightPane::DashBoardView, {TreeSlot::Dashboards});
        return;
    case TreeSlot::DashBoardPages:
        DeleteEntity(module.FindDashBoardPageById(id), &ForgeonProject::DeleteDashBoardPage, item,
                     RightPane::DashBoardPageView, {TreeSlot::DashBoardPages});
        return;
    case TreeSlot::UserProcedures:
    case TreeSlot::DefaultProcedures:
    case TreeSlot::SelectAllProcedures:
    case TreeSlot::SelectRecordProcedures:
        DeleteProcedure(module.FindProcedureById(id), item);
        return;
    case TreeSlot::SearchReports:
        DeleteEntity(module.FindReportById(id), &ForgeonProject::DeleteApplicationReport, item,
                     RightPane::ReportView, {TreeSlot::SearchReports});
        return;
    case TreeSlot::Reports:
        DeleteEntity(module.FindRDLCReportById(id), &ForgeonProject::DeleteRDLCReport, item,
                     RightPane::RDLCReportView, {TreeSlot::Reports});
        return;
    case TreeSlot::Menus:
        DeleteEntity(module.FindMenuById(id), &ForgeonProject::DeleteMenu, item,
                     RightPane::MenuView, {TreeSlot::Menus});
        return;
    case TreeSlot::UserFunctions:
        DeleteFunction(module.FindFunctionById(id), item);
        return;
    default:
        return;
    }
}

void ProjectTreeCommands::DeleteProcedure(Procedure* procedure, TreeHandle item)
{
    std::vector<const Module*> loginCallers;
    for (const Module* module : Project().GetModules())
    {
        if (procedure != nullptr && module->GetLoginPage() != nullptr &&
            module->GetLoginPage()->GetLoginProcedure() == procedure)
            loginCallers.push_back(module);
    }
    const bool feedsReports =
        procedure != nullptr && AnyReportLoses(Project(), DataLoss::OfProcedure(procedure));
    const bool feedsGraphs =
        procedure != nullptr && AnyGraphLoses(Project(), DataLoss::OfProcedure(procedure));
    if (procedure == nullptr || !Project().DeleteProcedure(procedure))
        return;
    AfterFeedLost(feedsReports, feedsGraphs);
    AfterDelete(item, RightPane::ProcedureView,
                {TreeSlot::UserProcedures, TreeSlot::DefaultProcedures, TreeSlot::SearchReports,
                 TreeSlot::Dashboards});
    for (const Module* module : loginCallers)
    {
        if (module->GetLoginPage() != nullptr &&
            module->GetLoginPage()->GetLoginProcedure() == nullptr)
            AfxMessageBox("The Login Page of module " + module->GetName() +
                              " no longer has a procedure.",
                          MB_OK | MB_ICONINFORMATION);
    }
}

void ProjectTreeCommands::DeleteFunction(Function* function, TreeHandle item)
{
    if (function == nullptr)
        return;
    const bool feedsReports = AnyReportLoses(Project(), DataLoss::OfFunction(function));
    const bool feedsGraphs = AnyGraphLoses(Project(), DataLoss::OfFunction(function));
    if (!Project().DeleteFunction(function))
        return;
    AfterFeedLost(feedsReports, feedsGraphs);
    AfterDelete(item, RightPane::UserFunctionView,
                {TreeSlot::UserFunctions, TreeSlot::SearchReports, TreeSlot::Dashboards});
}

void ProjectTreeCommands::AfterFeedLost(bool reports, bool graphs)
{
    if (reports)
    {
        m_host.ResetEditor(RightPane::ReportView);
        RemoveStaleItems({TreeSlot::SearchReports});
    }
    if (graphs)
        AfterGraphsLost();
}

void ProjectTreeCommands::AfterGraphsLost()
{
    m_host.ResetEditor(RightPane::DashBoardView);
    m_host.ResetEditor(RightPane::DashBoardPageView);
    RemoveStaleItems({TreeSlot::Dashboards});
}

void ProjectTreeCommands::AfterDelete(TreeHandle item, RightPane pane, std::vector<int> countSlots)
{
    m_host.ResetEditor(pane);
    m_host.RebindCurrentEditor();
    m_tree.Control().DeleteItem(item);
    ProjectTreeBuilder builder(m_tree.Control());
    for (Module* module : Project().GetModules())
    {
        for (const int slot : countSlots)
            builder.RefreshCountText(*module, slot);
    }
    m_tree.Control().Redraw();
}

void ProjectTreeCommands::DeleteTable(Module& module, int slot, TreeHandle item)
{
    ForgeonProject& project = Project();
    Table* table = TableOfItem(module, item);
    if (table == nullptr)
        return;
    bool usedByProcedures = false;
    bool ownsFunctions = false;
    bool usedByForms = false;
    bool usedByTransactions = false;
    bool ownsReports = false;
    bool ownsRDLCReports = false;
    const bool ownsGraphs = AnyGraphLoses(project, DataLoss::OfTable(table));
    const int kind = table->GetKind();
    for (Module* each : project.GetModules())
    {
        usedByProcedures =
            usedByProcedures ||
            std::ranges::any_of(each->GetProcedures(),
                                [table](const Procedure* procedure)
                                {
                                    return procedure->GetMainTable() == table ||
                                           procedure->FindTableById(table->GetId()) != nullptr;
                                });
        std::vector<Form*> forms;
        each->GetFormsForTable(table, forms);
        usedByForms = usedByForms || !forms.empty();
        usedByTransactions =
            usedByTransactions ||
            std::ranges::any_of(each->GetTransactions(), [table](const Transaction* transaction)
                                { return transaction->UsesTable(table); });
        // A report that stays may lose groups to the table.
        ownsReports =
            ownsReports || std::ranges::any_of(each->GetReports(),
                                               [table](ApplicationReport* report) {
                                                   return report->IsBuiltOnTable(table) ||
                                                          ReferenceList::Reaches(*report, {table});
                                               });
        ownsRDLCReports =
            ownsRDLCReports ||
            std::ranges::any_of(each->GetRDLCReports(),
                                [table](const RDLCReport* report)
                                {
                                    // One that stays may lose the table's data set.
                                    return report->IsBuiltOnTable(table) ||
                                           report->NamesDataSet(RDLCReport::DataSetNameOf(*table));
                                });
        std::vector<Function*> functions;
        each->GetUserFunctionsOfTable(table, functions);
        ownsFunctions = ownsFunctions || !functions.empty();
    }
    if (!project.DeleteTable(table))
        return;
    // The procedure and function editors let go of what the table took with it or changed.
    if (usedByProcedures)
        m_host.ResetEditor(RightPane::ProcedureView);
    if (ownsFunctions)
        m_host.ResetEditor(RightPane::UserFunctionView);
    // The page editors let go of the pages and the table and form lists the table went with.
    if (usedByForms)
        m_host.ResetEditor(RightPane::FormEditor);
    if (usedByTransactions || kind == Table::masterDetailKind)
        m_host.ResetEditor(RightPane::TransactionView);
    if (usedByForms || kind == Table::mapKind)
        m_host.ResetEditor(RightPane::MapFormView);
    // The report designers let go of the reports that went with the table.
    if (ownsReports)
        m_host.ResetEditor(RightPane::ReportView);
    if (ownsRDLCReports)
        m_host.ResetEditor(RightPane::RDLCReportView);
    if (ownsGraphs)
        AfterGraphsLost();
    // The items of what went with the table.
    RemoveStaleItems({kTableDependentSlots.begin(), kTableDependentSlots.end()});
    std::vector<int> counts(kTableCountSlots.begin(), kTableCountSlots.end());
    counts.push_back(slot);
    AfterDelete(item, RightPane::TableView, counts);
}

void ProjectTreeCommands::RemoveStaleItems(const std::vector<int>& slots)
{
    for (Module* module : Project().GetModules())
    {
        for (const int slot : slots)
        {
            const TreeHandle node = CategoryNode(*module, slot);
            for (TreeHandle item = node != nullptr ? m_tree.Control().GetChildItem(node) : nullptr;
                 item != nullptr;)
            {
                const TreeHandle next = m_tree.Control().GetNextSiblingItem(item);
                if (!m_tree.IsCategoryNode(item) &&
                    !ItemEntityExists(*module, slot, m_tree.Control().GetItemData(item)))
                    m_tree.Control().DeleteItem(item);
                item = next;
            }
        }
    }
}

void ProjectTreeCommands::DeleteTransaction(Module& module, TreeHandle item)
{
    ForgeonProject& project = Project();
    Transaction* transaction = module.FindTransactionById(m_tree.Control().GetItemData(item));
    if (transaction == nullptr)
        return;
    if (transaction->GetCustomProcedureNames())
    {
        std::vector<Procedure*> own;
        for (Procedure* procedure : module.GetProcedures())
        {
            Table* table = procedure->GetMainTable();
            if (procedure->GetCustomNameFlag() && table != nullptr &&
                (table == transaction->GetBasicTable() ||
                 transaction->FindDetailTable(table) != nullptr))
                own.push_back(procedure);
        }
        for (Procedure* procedure : own)
            project.DeleteProcedure(procedure);
        if (!own.empty())
            m_host.ResetEditor(RightPane::ProcedureView);
    }
    if (!project.DeleteTransaction(transaction))
        return;
    RemoveStaleItems({kProcedureSlots.begin(), kProcedureSlots.end()});
    AfterDelete(item, RightPane::TransactionView,
                {TreeSlot::DetailForms, TreeSlot::UserProcedures, TreeSlot::DefaultProcedures});
}

void ProjectTreeCommands::DeleteField(TreeHandle item)
{
    Module* module = m_tree.FindModuleOfTreeItem(item);
    const TreeHandle tableItem = m_tree.Control().GetParentItem(item);
    const int grandparentSlot =
        module != nullptr
            ? ProjectTree::SlotOfItem(*module, m_tree.Control().GetParentItem(tableItem))
            : 0;
    if (!IsTableSlot(grandparentSlot))
        return;
    Table* table = TableOfItem(*module, tableItem);
    if (table == nullptr)
        return;
    if (table->IsSystemTable())
    {
        AfxMessageBox("Can not Delete Fields from default table");
        return;
    }
    Field* field = table->FindFieldById(m_tree.Control().GetItemData(item));
    if (field == nullptr)
        return;
    if (field->IsKeyOrDeletedFlag() || field->IsKeyColumn())
    {
        AfxMessageBox("Can not delete default fields");
        return;
    }
    if (!Project().DeleteField(field))
        return;
    m_tree.Control().DeleteItem(item);
    m_host.OpenTableEditor(table, table->GetKind(), /*enableOK=*/false);
}
