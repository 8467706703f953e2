#include "model/ForgeonProject.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "entities/XSDInfo.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <unordered_set>
#include <utility>
#include <vector>

namespace
{
// Every module removes its references to the entities (remove, given them all), the parts the
// removals free let go of by every module's entities; then each entity is deleted by the first
// module, in order, that owns it. Answers how many were.
template <class T, class Remove, class Erase>
int RemoveThenDeleteEach(const std::vector<Module*>& modules, const std::vector<T*>& entities,
                         Remove remove, Erase erase)
{
    const UsageSetScope scope;
    const Module::PartHoldersScope holders(modules);
    // The walks over menu trees recurse as deep as the trees nest.
    return LargeStack::Run(
        [&]
        {
            for (Module* module : modules)
                std::invoke(remove, module, entities);
            return static_cast<int>(std::ranges::count_if(
                entities,
                [&modules, &erase](T* entity)
                {
                    return std::ranges::any_of(modules, [entity, &erase](Module* module)
                                               { return std::invoke(erase, module, entity); });
                }));
        });
}

// RemoveThenDeleteEach for one entity, removed from each module by remove.
template <class T, class Remove, class Erase>
bool RemoveThenDelete(const std::vector<Module*>& modules, T* entity, Remove remove, Erase erase)
{
    return RemoveThenDeleteEach(
               modules, std::vector{entity},
               [&remove](Module* module, const std::vector<T*>& one)
               { std::invoke(remove, module, one.front()); },
               erase) > 0;
}

using Variables = std::unordered_set<const Variable*>;

void AddOwnVariables(const std::vector<FieldVariableMap*>& maps, Variables& variables)
{
    for (const FieldVariableMap* map : maps)
    {
        if (map != nullptr && map->variable != nullptr && !FormInterface::IsSharedVariableMap(map))
            variables.insert(map->variable);
    }
}

// The variables that the page frees with itself.
void AddFreedVariables(const FormInterface& page, Variables& variables)
{
    AddOwnVariables(page.GetFieldVariableMaps(), variables);
}

// A report also frees the maps its removed filters detached.
void AddFreedVariables(const ApplicationReport& report, Variables& variables)
{
    AddOwnVariables(report.GetFieldVariableMaps(), variables);
    AddOwnVariables(report.GetDetachedMaps(), variables);
}

// The variables the pages free first leave every binding, link and call of the other pages,
// which would otherwise outlive them; then as RemoveThenDeleteEach.
template <class Page, class Remove>
int RemovePagesThenDelete(const std::vector<Module*>& modules, const std::vector<Page*>& pages,
                          Remove remove, bool (Module::*erase)(Page*))
{
    Variables variables;
    for (const Page* page : pages)
    {
        if (page != nullptr)
            AddFreedVariables(*page, variables);
    }
    Module::ReleaseReferences(modules, {variables.begin(), variables.end()},
                              AspFile::MenuMapsFor(variables));
    return RemoveThenDeleteEach(modules, pages, remove, erase);
}

// RemovePagesThenDelete for one page, removed from each module by remove.
template <class Page, class Remove>
bool RemovePageThenDelete(const std::vector<Module*>& modules, Page* page, Remove remove,
                          bool (Module::*erase)(Page*))
{
    return RemovePagesThenDelete(
               modules, std::vector{page},
               [&remove](Module* module, const std::vector<Page*>& one)
               { std::invoke(remove, module, one.front()); },
               erase) > 0;
}

// Erases and frees the descriptions among the candidates that no report uses, each judged
// before any goes.
template <class Info, class Unused>
void EraseUnused(std::vector<Info*>& infos, std::vector<Info*> candidates, const Unused& unused)
{
    std::erase_if(candidates,
                  [&unused](const Info* info) { return info == nullptr || !unused(info); });
    for (Info* info : candidates)
    {
        EraseFirst(infos, info);
        delete info;
    }
}

// Empties the error and warning lists, lets every module file its findings as errors, in a
// usage set of the check's own that users is given before it ends, and answers true when there
// is none; otherwise the errors are shown when show is set.
template <class Check>
bool RunUsageCheck(const std::vector<Module*>& modules, const Check& check, bool show,
                   const ForgeonProject::UsersAction& users)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    diagnostics.ClearErrorsAndWarnings();
    {
        const UsageSetScope scope;
        LargeStack::Run(
            [&]
            {
                for (Module* module : modules)
                    check(*module);
            });
        if (users)
            users(diagnostics.GetCurrentUsageSet());
    }
    if (diagnostics.GetErrors().empty())
        return true;
    if (show)
    {
        CString text;
        for (const CString& error : diagnostics.GetErrors())
            text += error + "\n";
        AfxMessageBox(text, MB_OK);
    }
    return false;
}
} // namespace

bool ForgeonProject::DeleteForm(Form* form)
{
    return form != nullptr && DeleteForms({form}) > 0;
}

bool ForgeonProject::DeleteMapForm(MapForm* mapForm)
{
    return mapForm != nullptr && DeleteMapForms({mapForm}) > 0;
}

bool ForgeonProject::DeleteTransaction(Transaction* transaction)
{
    return transaction != nullptr && DeleteTransactions({transaction}) > 0;
}

int ForgeonProject::DeleteForms(const std::vector<Form*>& forms)
{
    return RemovePagesThenDelete(m_modules, forms, &Module::RemoveFormUsages,
                                 &Module::DeleteMasterForm);
}

int ForgeonProject::DeleteMapForms(const std::vector<MapForm*>& mapForms)
{
    return RemovePagesThenDelete(m_modules, mapForms, &Module::RemoveMapFormUsages,
                                 &Module::DeleteMapForm);
}

int ForgeonProject::DeleteTransactions(const std::vector<Transaction*>& transactions)
{
    return RemovePagesThenDelete(m_modules, transactions, &Module::RemoveTransactionUsages,
                                 &Module::DeleteTransaction);
}

int ForgeonProject::DeleteApplicationReports(const std::vector<ApplicationReport*>& reports)
{
    return RemovePagesThenDelete(m_modules, reports, &Module::RemoveReportUsages,
                                 &Module::DeleteReport);
}

bool ForgeonProject::DeleteTable(Table* table)
{
    if (table != nullptr)
        return DeleteTables({table}) > 0;
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    return false;
}

int ForgeonProject::DeleteTables(const std::vector<Table*>& tables)
{
    const AspFile::PairlessMapsScope pairless;
    // What refers to the tables, to their fields and to the fields those refer to, found in one
    // walk: each table's checks ask those alone.
    TableUsersIndex index;
    ReferenceList::Targets targets;
    for (const Table* table : tables)
    {
        targets.insert(table);
        targets.merge(Module::FieldTargets(table->GetFields()));
    }
    for (Module* module : m_modules)
        module->IndexUsers(targets, index.users, index.referrers);
    index.reports = Module::IndexReportsByTable(m_modules);
    // The tables and the parts their deletions free are let go of by every holder in one walk
    // and freed when this ends.
    const Module::PartHoldersScope holders(m_modules);
    return static_cast<int>(std::ranges::count_if(tables, [this, &index](Table* table)
                                                  { return DeleteIndexedTable(table, index); }));
}

bool ForgeonProject::DeleteIndexedTable(Table* table, const TableUsersIndex& index)
{
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    const CString dataSet = RDLCReport::DataSetNameOf(*table);
    // Every module's reports are judged before a module lets go of what they call.
    const GoingPages onTable = Module::FindReportsOnTable(m_modules, table, &index.reports);
    bool deleted = false;
    {
        const UsageSetScope scope;
        // The walks over menu trees recurse as deep as the trees nest.
        deleted = LargeStack::Run(
            [&]
            {
                for (Module* module : m_modules)
                    module->RemoveTableUsages(table, onTable, this, &index);
                return std::ranges::any_of(m_modules, [table](Module* module)
                                           { return module->EraseTableWithFreedParts(table); });
            });
    }
    // The classes the table took with it, in any module.
    for (Module* module : m_modules)
        module->SetAsideUnboundClasses();
    if (deleted)
    {
        // The RDLC reports left with other data sets drop the table's.
        std::vector<XSDInfo*> files;
        std::ranges::copy_if(m_xsdInfos, std::back_inserter(files),
                             [&dataSet](const XSDInfo* file)
                             { return RDLCReport::IsDataSetFile(file, dataSet); });
        for (Module* module : m_modules)
        {
            for (RDLCReport* report : module->GetRDLCReports())
                report->DropDataSet(dataSet, files);
        }
        // The report definition and data set written for the table go once no report is on
        // them.
        std::vector<RDLCInfo*> layouts;
        std::ranges::copy_if(
            m_rdlcInfos, std::back_inserter(layouts),
            [&dataSet](const RDLCInfo* layout)
            { return RDLCReport::IsFileNamed(layout->GetName(), dataSet + ".rdlc"); });
        EraseUnusedReportFiles(layouts, files);
    }
    return deleted;
}

bool ForgeonProject::DeleteApplicationReport(ApplicationReport* report)
{
    return report != nullptr && DeleteApplicationReports({report}) > 0;
}

bool ForgeonProject::DeleteRDLCReport(RDLCReport* report)
{
    return report != nullptr && DeleteRDLCReports({report}) > 0;
}

int ForgeonProject::DeleteRDLCReports(const std::vector<RDLCReport*>& reports)
{
    // A report made for its table (mode 0) made its own RDLC and data set descriptions; they go
    // with it unless another report uses them, so that the project file no longer lists the
    // files of a report that is gone. A report deleted later in the list still uses them when
    // this one goes.
    std::vector<RDLCInfo*> layouts;
    std::vector<XSDInfo*> dataSets;
    for (auto report = reports.begin(); report != reports.end(); ++report)
    {
        const bool held =
            std::ranges::any_of(m_modules, [report](const Module* module)
                                { return Contains(module->GetRDLCReports(), *report); });
        if (!held || (*report)->GetMode() != 0)
            continue;
        RDLCInfo* layout = (*report)->GetRDLCInfo();
        XSDInfo* dataSet = (*report)->GetXSDInfo();
        const auto later = report + 1;
        if (std::none_of(later, reports.end(),
                         [layout](const RDLCReport* other)
                         { return other->GetRDLCInfo() == layout; }))
            layouts.push_back(layout);
        const std::function<bool(const RDLCReport&)> usesDataSet = DataSetUser(dataSet);
        if (std::none_of(later, reports.end(),
                         [&usesDataSet](const RDLCReport* other) { return usesDataSet(*other); }))
            dataSets.push_back(dataSet);
    }
    const int deleted = RemovePagesThenDelete(m_modules, reports, &Module::RemoveRDLCReportUsages,
                                              &Module::DeleteRDLCReport);
    EraseUnusedReportFiles(std::move(layouts), std::move(dataSets));
    return deleted;
}

void ForgeonProject::EraseUnusedReportFiles(std::vector<RDLCInfo*> layouts,
                                            std::vector<XSDInfo*> dataSets)
{
    EraseUnused(m_rdlcInfos, std::move(layouts),
                [this](const RDLCInfo* layout)
                { return !IsRDLCInfoUsedByOtherReport(layout, nullptr); });
    EraseUnused(m_xsdInfos, std::move(dataSets),
                [this](const XSDInfo* dataSet) { return !IsXSDInfoUsedByAReport(dataSet); });
}

bool ForgeonProject::IsXSDInfoUsedByAReport(const XSDInfo* dataSet) const
{
    const std::function<bool(const RDLCReport&)> uses = DataSetUser(dataSet);
    return dataSet != nullptr &&
           std::ranges::any_of(m_modules,
                               [&uses](const Module* module)
                               {
                                   return std::ranges::any_of(module->GetRDLCReports(),
                                                              [&uses](const RDLCReport* report)
                                                              { return uses(*report); });
                               });
}

std::function<bool(const RDLCReport&)> ForgeonProject::DataSetUser(const XSDInfo* dataSet) const
{
    CString own = dataSet != nullptr ? dataSet->GetName() : CString();
    own.MakeLower();
    return [this, dataSet, own](const RDLCReport& report)
    {
        if (dataSet == nullptr)
            return false;
        if (report.GetXSDInfo() == dataSet)
            return true;
        // Only a name the data set answers to may find it, so that the descriptions are
        // searched for those names alone.
        const auto finds = [this, dataSet, &own](const RDLCDataSetEntry& entry)
        {
            CString name = entry.m_dataSetName + ".xsd";
            name.MakeLower();
            return XSDNameMatches(own, name) && FindXSDInfoMatchingName(name) == dataSet;
        };
        const RDLCInfo* layout = report.GetRDLCInfo();
        return layout != nullptr && std::ranges::any_of(layout->GetEntries(), finds);
    };
}

bool ForgeonProject::DeleteDashBoard(DashBoard* dashBoard)
{
    return RemovePageThenDelete(m_modules, dashBoard, &Module::RemoveDashBoardUsages,
                                &Module::DeleteDashBoard);
}

bool ForgeonProject::DeleteDashBoardPage(DashBoardPage* page)
{
    return RemovePageThenDelete(m_modules, page, &Module::CollectDashBoardPageUsage,
                                &Module::DeleteDashBoardPage);
}

bool ForgeonProject::DeleteLoginPage(LoginPage* page)
{
    // Only the page's variables are referred to from elsewhere.
    const auto keep = [](Module*, LoginPage*) {};
    return RemovePageThenDelete(m_modules, page, keep, &Module::DeleteLoginPage);
}

bool ForgeonProject::DeleteMenu(Menu* menu)
{
    if (menu == nullptr)
        return false;
    // A page file may show a menu tree of another module: the owner erases the maps of every
    // module's page files.
    return RemoveThenDelete(
        m_modules, menu,
        [](Module* module, Menu* gone) { module->RemoveMenuUsages(std::vector{gone}); },
        [this](Module* module, Menu* gone) { return module->DeleteMenu(gone, m_modules); });
}

void ForgeonProject::DeleteMenus(const std::vector<std::pair<Module*, Menu*>>& menus)
{
    std::vector<Menu*> roots;
    for (const auto& [owner, menu] : menus)
        roots.push_back(menu);
    RemoveThenDelete(
        m_modules, &roots,
        [](Module* module, const std::vector<Menu*>* gone) { module->RemoveMenuUsages(*gone); },
        [this, &menus](Module*, const std::vector<Menu*>*)
        {
            Module::DeleteMenus(menus, m_modules);
            return true;
        });
}

bool ForgeonProject::DeleteDesignation(Designation* designation)
{
    const auto owner = std::ranges::find_if(m_modules, [designation](const Module* module)
                                            { return module->ContainsDesignation(designation); });
    if (owner == m_modules.end())
        return false;
    const UsageSetScope scope;
    // Every module of this project, which may be other than the open one (a merge's).
    (*owner)->DeleteDesignation(designation, m_modules);
    return true;
}

bool ForgeonProject::DeleteProcedure(Procedure* procedure)
{
    if (procedure == nullptr)
        return false;
    return RemoveThenDelete(
        m_modules, procedure,
        [this](Module* module, Procedure* gone)
        { return module->RemoveProcedureUsages(gone, this); },
        &Module::DeleteProcedure);
}

bool ForgeonProject::DeleteFunction(Function* function)
{
    if (function == nullptr)
        return false;
    return RemoveThenDelete(
        m_modules, function,
        [this](Module* module, Function* gone) { return module->RemoveFunctionUsages(gone, this); },
        &Module::DeleteClassFunction);
}

void ForgeonProject::RemoveFunctionDependentTableReferences(Function* function, Table* table)
{
    const UsageSetScope scope;
    const Module::PartHoldersScope holders(m_modules);
    for (Module* module : m_modules)
        module->CollectFunctionFieldUsage(function, table);
}

void ForgeonProject::UpdateFrontFieldReferences(Table* table, Field* previous)
{
    const Module::PartHoldersScope holders(m_modules);
    for (Module* module : m_modules)
        module->UpdateFrontFieldUsers(table, previous);
}

bool ForgeonProject::RemoveFieldUsages(Field* field)
{
    const UsageSetScope scope;
    const Module::PartHoldersScope holders(m_modules);
    const AspFile::PairlessMapsScope pairless;
    bool anyTrue = false;
    for (Module* module : m_modules)
        anyTrue = module->RemoveFieldUsages(field) || anyTrue;
    return anyTrue;
}

bool ForgeonProject::DeleteField(Field* field)
{
    Table* table = field != nullptr ? field->GetTable() : nullptr;
    if (table == nullptr || !RemoveFieldUsages(field))
        return false;
    table->DeleteField(field);
    // The class functions of the table and of the tables that key it, in whichever module their
    // classes are, are filled as a load fills them: the front fields that stand for the ones
    // gone among them.
    std::vector<Table*> refilled;
    for (const Module* module : m_modules)
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        std::ranges::copy_if(tables, std::back_inserter(refilled),
                             [table](const Table* each)
                             { return each == table || each->HasForeignKeyTo(table); });
    }
    for (Module* module : m_modules)
    {
        for (Table* each : refilled)
            module->AddTableFieldsToClassFunctions(each);
    }
    return true;
}

bool ForgeonProject::CanRemoveFunctionField(Function* function, Field* field, bool show)
{
    return RunUsageCheck(m_modules,
                         [function, field](Module& module)
                         { module.CheckFunctionFieldUse(function, field); },
                         show, {});
}

bool ForgeonProject::CanRemoveProcedureField(Procedure* procedure, Field* field)
{
    return RunUsageCheck(m_modules,
                         [procedure, field](Module& module)
                         { module.CheckProcedureFieldUsage(procedure, field); },
                         true, {});
}

bool ForgeonProject::CollectProcedureFieldUsage(Procedure* procedure, ProcedureFieldInfo* column,
                                                bool show, const UsersAction& users)
{
    return RunUsageCheck(
        m_modules,
        [procedure, column](Module& module) { module.CheckProcedureFieldUse(procedure, column); },
        show, users);
}

bool ForgeonProject::CanRemoveVariableMap(FieldVariableMap* map, bool show,
                                          const UsersAction& users)
{
    return RunUsageCheck(
        m_modules, [map, show](Module& module) { module.CheckVariableUsage(map, show); }, show,
        users);
}

bool ForgeonProject::IsPageVariableInUse(const FormInterface* page, FieldVariableMap* map,
                                         bool report)
{
    const Variable* variable = map->variable;
    const auto carries = [variable](const FieldRep* rep)
    {
        return rep->GetVariable() == variable ||
               (rep->GetFieldRepData() != nullptr &&
                rep->GetFieldRepData()->GetVariable() == variable);
    };
    if (page != nullptr && std::ranges::any_of(page->GetFieldReps(), carries))
        return true;
    return !CanRemoveVariableMap(map, report);
}

void ForgeonProject::ReleasePageVariable(FormInterface* page, std::vector<FieldVariableMap*>& maps,
                                         FieldVariableMap* map)
{
    std::erase(maps, map);
    if (page != nullptr)
        page->RemoveVariableFromDataCalls(map->variable);
    if (!FormInterface::IsSharedVariableMap(map))
        ReleaseReferences({map->variable}, AspFile::MenuMapsFor(std::array{map->variable}));
    FormInterface::DeleteFieldVariableMap(map);
}

bool ForgeonProject::DeletePageVariable(FormInterface* page, std::vector<FieldVariableMap*>& maps,
                                        FieldVariableMap* map)
{
    if (map->variable->GetKind() == Variable::sharedKind ||
        IsPageVariableInUse(page, map, /*report=*/true))
        return false;
    const UsageSetScope scope;
    if (page != nullptr)
        page->RemoveVisibilityDataOf(map->variable);
    ReleasePageVariable(page, maps, map);
    return true;
}

void ForgeonProject::ReleaseReferences(const std::unordered_set<const void*>& targets,
                                       ReferenceList::MenuMaps menuMaps)
{
    Module::ReleaseReferences(m_modules, targets, menuMaps);
}
