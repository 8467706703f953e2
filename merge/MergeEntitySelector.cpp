#include "merge/MergeEntitySelector.h"

#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Transaction.h"
#include "merge/MergeDependencyCollector.h"
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
}

void MergeEntitySelector::FullModule()
{
    m_collector.SelectFullModule();
}

void MergeEntitySelector::SelectiveMerging()
{
    if (m_selectedModule == nullptr)
        return;
    m_collector.GetSelectedMenus().clear();
    m_host.OpenSelectiveMerge(m_selectedModule, m_collector);
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
    if (!m_selectExistingModule && !m_first->HasModuleNamed(m_selectedModule->GetName()) &&
        AfxMessageBox("A new module will be created in the merged WVT.", MB_YESNO) != IDYES)
        return false;
    return true;
}
