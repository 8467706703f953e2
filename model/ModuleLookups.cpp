#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
// The open project's output kind; ASP.NET, as in a new project, while none is open.
int ProjectOutputKind()
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    return project == nullptr ? ForgeonProject::aspNetOutput : project->GetOutputKind();
}

// Erases the first occurrence of the pointer without freeing it; false when absent.
template <class T> bool Detach(std::vector<T*>& list, T* item)
{
    if (!Contains(list, item))
        return false;
    EraseFirst(list, item);
    return true;
}

// Appends the pages of the list.
template <class T> void AppendPages(std::vector<FormInterface*>& pages, const std::vector<T*>& list)
{
    pages.insert(pages.end(), list.begin(), list.end());
}

// The pages built on the table, chosen by its kind: master forms over it, map forms over it or
// transactions that use it.
std::vector<FormInterface*> PagesBuiltOnTable(const Module& module, const Table* table)
{
    std::vector<FormInterface*> pages;
    if (table == nullptr)
        return pages;
    switch (table->GetKind())
    {
    case Table::masterKind:
        for (Form* form : module.GetMasterForms())
        {
            if (form->GetTable() == table)
                pages.push_back(form);
        }
        break;
    case Table::mapKind:
        for (MapForm* mapForm : module.GetMapForms())
        {
            if (mapForm->GetMappingTable() == table)
                pages.push_back(mapForm);
        }
        break;
    case Table::masterDetailKind:
        for (Transaction* transaction : module.GetTransactions())
        {
            if (transaction->UsesTable(table))
                pages.push_back(transaction);
        }
        break;
    default:
        break;
    }
    return pages;
}

// The control of the field on the page takes its own data again.
void RefreshControlOfField(FormInterface* page, Field* field)
{
    if (page == nullptr)
        return;
    if (FieldRep* control = page->GetFieldRepForField(field))
        control->SetFieldRepData(control->GetFieldRepData());
}
} // namespace

void Module::GetAllPages(std::vector<FormInterface*>& out) const
{
    out.clear();
    AppendPages(out, m_masterForms);
    AppendPages(out, m_transactions);
    AppendPages(out, m_reports);
    AppendPages(out, m_mapForms);
    AppendPages(out, m_dashBoards);
    AppendPages(out, m_multiPageReports);
    AppendPages(out, m_dashBoardPages);
    AppendPages(out, m_rdlcReports);
}

void Module::GetNamedPages(std::vector<FormInterface*>& out) const
{
    out.clear();
    AppendPages(out, m_masterForms);
    AppendPages(out, m_transactions);
    AppendPages(out, m_reports);
    AppendPages(out, m_mapForms);
    AppendPages(out, m_dashBoardPages);
    AppendPages(out, m_rdlcReports);
    if (m_loginPage != nullptr)
        out.push_back(m_loginPage);
}

FormInterface* Module::FindPageByName(const CString& name) const
{
    std::vector<FormInterface*> pages;
    GetNamedPages(pages);
    return FindFirst(pages,
                     [&name](const FormInterface* page) { return page->GetFormName() == name; });
}

MapForm* Module::FindMapFormByTable(const Table* table) const
{
    if (table == nullptr)
        return nullptr;
    return FindFirst(m_mapForms, [table](const MapForm* mapForm)
                     { return mapForm->GetMappingTable() == table; });
}

bool Module::IsRDLCInfoUsedByOtherReport(const RDLCInfo* info, const RDLCReport* report) const
{
    return info != nullptr &&
           std::any_of(m_rdlcReports.begin(), m_rdlcReports.end(),
                       [info, report](const RDLCReport* other)
                       { return other != report && other->GetRDLCInfo() == info; });
}

bool Module::DetachDashBoardPage(DashBoardPage* page)
{
    return Detach(m_dashBoardPages, page);
}

bool Module::DetachDashBoard(DashBoard* dashBoard)
{
    return Detach(m_dashBoards, dashBoard);
}

void Module::AddTransactionAndRefresh(Transaction* transaction)
{
    if (transaction == nullptr)
        return;
    m_transactions.push_back(transaction);
    transaction->SetModule(this);
    transaction->CreateDefaultAspFiles(ProjectOutputKind());
    SortLists();
    MainFrameAccess::RefreshTree();
}

void Module::GetProcedures(std::vector<Procedure*>& out) const
{
    out = m_procedures;
}

void Module::GetDashBoardPages(std::vector<DashBoardPage*>& out) const
{
    out = m_dashBoardPages;
}

void Module::GetFormsForTable(const Table* table, std::vector<Form*>& out) const
{
    out.clear();
    for (Form* form : m_masterForms)
    {
        if (table != nullptr && form->GetTable() == table)
            out.push_back(form);
    }
}

void Module::GetTransactionsForTable(const Table* table, std::vector<Transaction*>& out) const
{
    out.clear();
    for (Transaction* transaction : m_transactions)
    {
        if (table != nullptr && transaction->GetBasicTable() == table)
            out.push_back(transaction);
    }
}

Class* Module::FindClassByName(const CString& name) const
{
    return FindFirst(m_classes, [&name](const Class* dataClass)
                     { return dataClass->GetFieldName().CompareNoCase(name) == 0; });
}

int Module::GetClassIndex(const Class* dataClass) const
{
    const auto found = std::find(m_classes.begin(), m_classes.end(), dataClass);
    return found == m_classes.end() ? -1 : static_cast<int>(found - m_classes.begin());
}

Function* Module::FindFunctionById(int id) const
{
    for (const Class* dataClass : m_classes)
    {
        if (Function* function = FindFirst(dataClass->GetFunctions(), [id](const Function* item)
                                           { return item->GetId() == id; }))
            return function;
    }
    return nullptr;
}

void Module::AddVariablesForTableToPages(Table* table)
{
    for (FormInterface* page : PagesBuiltOnTable(*this, table))
        page->AddVariablesForTable(table);
}

void Module::CreateFieldRepsForTableInPages(Table* table)
{
    for (FormInterface* page : PagesBuiltOnTable(*this, table))
        page->CreateFieldRepsForTable(table);
}

void Module::RenamePageVariablesForTable(Table* table)
{
    std::vector<FormInterface*> pages = PagesBuiltOnTable(*this, table);
    if (pages.empty())
        return;
    if (table->GetKind() == Table::masterDetailKind)
    {
        for (FormInterface* page : pages)
            page->RenameVariablesAfterFieldsOfTable(table);
        return;
    }
    FormInterface* first = pages.front();
    if (table->GetKind() == Table::mapKind)
        first->SetName(table->GetTableName() + "_form");
    first->RenameVariablesAfterFieldsOfTable(table);
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
        RemoveFunctionUsages(function, nullptr);
        dataClass->DeleteFunction(function);
    }
}
