// Operations that the shell, the generators and the merge ask of the model beyond the model's
// own needs.

#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TextFile.h"

#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectDiagnostics.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <vector>

namespace
{
// The names of the tables, pages and procedures of the module, in that order.
void CollectEntityNames(const Module& module, std::vector<CString>& names)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    for (const Table* table : tables)
        names.push_back(table->GetTableName());
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    for (const FormInterface* page : pages)
        names.push_back(page->GetFormName());
    for (const Procedure* procedure : module.GetProcedures())
        names.push_back(procedure->GetName());
}

// Each name that occurs more than once, once, in the order of its first repetition.
std::vector<CString> RepeatedNames(const std::vector<CString>& names)
{
    std::vector<CString> repeated;
    for (auto name = names.begin(); name != names.end(); ++name)
    {
        if (std::find(names.begin(), name, *name) != name && !Contains(repeated, *name))
            repeated.push_back(*name);
    }
    return repeated;
}

// The control of the field on the page takes its own data again.
void RefreshControlOfField(FormInterface* page, Field* field)
{
    if (page == nullptr)
        return;
    if (FieldRep* control = page->GetFieldRepForField(field))
        control->SetFieldRepData(control->GetFieldRepData());
}

// Every module lets go of the description, and so does every RDLC report that still points at
// it without using it; then the list erases and deletes it when it holds it.
template <class Info>
bool DeleteListedInfo(const std::vector<Module*>& modules, std::vector<Info*>& list, Info* info,
                      bool (Module::*release)(Info*), Info* (RDLCReport::*get)() const,
                      void (RDLCReport::*set)(Info*))
{
    for (Module* module : modules)
    {
        (module->*release)(info);
        for (RDLCReport* report : module->GetRDLCReports())
        {
            if ((report->*get)() == info)
                (report->*set)(nullptr);
        }
    }
    TheProjectDiagnostics().GetCurrentUsageSet().Clear();
    if (!Contains(list, info))
        return false;
    EraseFirst(list, info);
    delete info;
    return true;
}
} // namespace

Table* ForgeonProject::FindTableByName(CString name) const
{
    for (const Module* module : m_modules)
    {
        if (Table* table = module->FindTableByName(name))
            return table;
    }
    return nullptr;
}

bool ForgeonProject::HasDuplicateNames() const
{
    std::vector<CString> names;
    for (const Module* module : m_modules)
        CollectEntityNames(*module, names);
    const std::vector<CString> repeated = RepeatedNames(names);
    if (repeated.empty())
        return false;

    CString message = "Following are the duplicate names found in the project!\n";
    TextFile report("C:\\temp\\KestraneWeavoReport.txt", false, '=', 60, false, false);
    for (const CString& name : repeated)
    {
        message += name + "\n";
        report.Write(0, "%s\n", name);
    }
    report.Close();
    AfxMessageBox(message);
    return true;
}

bool ForgeonProject::IsFileLinkedFromMenu(const AspFile*) const
{
    return true;
}

std::vector<CString> ForgeonProject::GetModuleNames() const
{
    std::vector<CString> names;
    for (const Module* module : m_modules)
        names.push_back(module->GetName());
    return names;
}

int ForgeonProject::IndexOfCurrentModule() const
{
    const auto found = std::ranges::find(m_modules, m_currentModule);
    return m_currentModule == nullptr || found == m_modules.end()
               ? -1
               : static_cast<int>(found - m_modules.begin());
}

bool ForgeonProject::DeleteRDLCInfo(RDLCInfo* info)
{
    return DeleteListedInfo(m_modules, m_rdlcInfos, info, &Module::CanDeleteRDLCInfo,
                            &RDLCReport::GetRDLCInfo, &RDLCReport::SetRDLCInfo);
}

bool ForgeonProject::DeleteXSDInfo(XSDInfo* info)
{
    return DeleteListedInfo(m_modules, m_xsdInfos, info, &Module::CanDeleteXSDInfo,
                            &RDLCReport::GetXSDInfo, &RDLCReport::SetXSDInfo);
}

bool Module::ContainsMultiPageReport(const MultiPageReport* report) const
{
    return Contains(m_multiPageReports, const_cast<MultiPageReport*>(report));
}

void Module::RefreshFieldRepOfField(Table* table, Field* field)
{
    if (table == nullptr || field == nullptr)
        return;
    if (table->GetKind() == Table::masterKind)
    {
        RefreshControlOfField(FindMasterFormForTable(table), field);
        return;
    }
    if (table->GetKind() != Table::masterDetailKind)
        return;
    for (Transaction* transaction : m_transactions)
    {
        if (transaction->UsesTable(table))
            RefreshControlOfField(transaction, field);
    }
}

void Module::RemoveSelectRecordForFunction(Field* field, Table* table)
{
    if (field == nullptr || table == nullptr)
        return;
    const CString name = "SelectRecordFor" + field->GetFieldName();
    // The open project takes the function's references out of every module; a module outside
    // it clears its own pages.
    ForgeonProject* project = MainFrameAccess::GetProject();
    const bool inOpenProject = project != nullptr && Contains(project->GetModules(), this);
    for (Class* dataClass : m_classes)
    {
        if (dataClass->GetTable() != table)
            continue;
        Function* function = dataClass->FindFunctionByName(name);
        if (function == nullptr)
            continue;
        if (inOpenProject)
        {
            project->DeleteFunction(function);
            continue;
        }
        RemoveFunctionReferences(function);
        dataClass->DeleteFunction(function);
    }
}
