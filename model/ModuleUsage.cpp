#include "model/Module.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DataLoss.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/NamedReferences.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "platform/core/FileWriters.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration usageDumpWriter("usage dump", replacesLinks | wholeOnFullDisk);

EntityUsageSet& CurrentUsageSet()
{
    return TheProjectDiagnostics().GetCurrentUsageSet();
}

CString RefusalMessage(const CString& name, const CString& usage)
{
    return "Can not delete " + name + ". It is used in following objects!\n" + usage;
}

// Calls ask with every element of every list, list after list.
template <class Ask, class... Lists> void AskEach(const Ask& ask, const Lists&... lists)
{
    (std::ranges::for_each(lists, ask), ...);
}

template <class... Lists> std::vector<FormInterface*> PagesOf(const Lists&... lists)
{
    std::vector<FormInterface*> pages;
    (pages.insert(pages.end(), lists.begin(), lists.end()), ...);
    return pages;
}

// Each page lists its references under its name; a multi-page report is named as such.
void ListPageReferences(const std::vector<FormInterface*>& pages, ReferenceList& list)
{
    for (FormInterface* page : pages)
    {
        const bool multiPage = dynamic_cast<MultiPageReport*>(page) != nullptr;
        list.SetUser([page, multiPage]
                     { return page->GetFormName() + (multiPage ? "_multiReport" : ""); });
        page->ListReferences(list);
    }
}

// The users, one line each.
CString UsageText(const std::vector<CString>& users)
{
    CString usage;
    for (const CString& user : users)
        usage += user + "\n";
    return usage;
}

// A finding of an answering check is also filed as an error, for the project's usage checks.
void FileRefusal(const CString& name, const CString& usage)
{
    if (!usage.IsEmpty())
        TheProjectDiagnostics().AddError(RefusalMessage(name, usage));
}

// The menu, then each sub-menu's tree.
void CollectMenuTree(Menu* menu, std::vector<Menu*>& tree)
{
    tree.push_back(menu);
    for (Menu* subMenu : menu->GetSubMenus())
        CollectMenuTree(subMenu, tree);
}

// The pages that refer to some of the menus, other than through page files' menu maps, by
// menu, each in the order given.
class MenuUsers
{
public:
    MenuUsers(const std::vector<FormInterface*>& pages, const ReferenceList::Targets& menus)
    {
        // One list serves every page, emptied after each.
        ReferenceList list(menus, ReferenceList::MenuMaps::skipped);
        for (FormInterface* page : pages)
        {
            page->ListReferences(list);
            for (const void* menu : list.ReferredAmong(menus))
                m_users[menu].push_back(page);
            list.Clear();
        }
    }

    const std::vector<FormInterface*>& Of(const Menu* menu) const
    {
        static const std::vector<FormInterface*> none;
        const auto found = m_users.find(menu);
        return found != m_users.end() ? found->second : none;
    }

private:
    std::unordered_map<const void*, std::vector<FormInterface*>> m_users;
};

// The first list holding the entity loses it, and the entity is in no usage set any more;
// false when no list holds it.
template <class T, class... Lists> bool TakeFromFirst(T* entity, Lists&... lists)
{
    if (!(Contains(lists, entity) || ...))
        return false;
    TheProjectDiagnostics().ForgetFreed(entity);
    const auto erase = [entity](auto& list)
    {
        if (!Contains(list, entity))
            return false;
        EraseFirst(list, entity);
        return true;
    };
    (erase(lists) || ...);
    return true;
}

// TakeFromFirst, then the entity is deleted.
template <class T, class... Lists> bool DeleteFromFirst(T* entity, Lists&... lists)
{
    if (!TakeFromFirst(entity, lists...))
        return false;
    delete entity;
    return true;
}

// Page files' menu maps refer to none of the entities that the checks below ask for.
constexpr ReferenceList::MenuMaps noMenuMaps = ReferenceList::MenuMaps::skipped;

// Appends the users of the targets, neither menus nor variables, that the entity's list names,
// one line each; answers whether there was one. The list, made for the targets, is left empty
// for the next entity.
template <class Entity>
bool NameListedUser(Entity& entity, ReferenceList& list, const ReferenceList::Targets& targets,
                    CString& usage)
{
    ListNamedReferences(list, entity);
    const std::vector<CString> users = list.UsersOf(targets);
    for (const CString& user : users)
    {
        usage += user;
        usage += '\n';
    }
    list.Clear();
    return !users.empty();
}

// NameListedUser for each entity asked (every one by default), one list serving them all;
// those named are recorded.
template <class Entities, class Record, class Asked = TargetMatch>
void NameListedUsers(const Entities& entities, const ReferenceList::Targets& targets,
                     CString& usage, const Record& record, const Asked& asked = Asked())
{
    ReferenceList list(targets, noMenuMaps);
    for (auto* entity : entities)
    {
        if (asked(entity) && NameListedUser(*entity, list, targets, usage))
            record(entity);
    }
}

// Adds the entities whose lists refer to one of the targets.
template <class Entities>
void AddReferring(const Entities& entities, const ReferenceList::Targets& targets,
                  Module::AskedEntities& referring)
{
    // One list serves every entity, emptied after each.
    ReferenceList list(targets, noMenuMaps);
    for (auto* entity : entities)
    {
        ListNamedReferences(list, *entity);
        if (list.Refers(targets))
            referring.insert(entity);
        list.Clear();
    }
}

const auto recordNothing = [](const auto*) {};

template <class T> void ForgetPasted(T*& slot, const T* entity)
{
    if (slot == entity)
        slot = nullptr;
}
} // namespace

bool Module::ReportUsage(const CString& name, const CString& usage, bool)
{
    if (usage.IsEmpty())
        return true;
    const ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != nullptr && project->GetProjectSettings() != nullptr &&
        !project->GetProjectPath().IsEmpty())
    {
        // Written whole, as a generated file is; a debugging aid that no message names.
        GenerationReport written;
        written.SetOutputRoot(project->GetProjectPath());
        SaveTextFile(project->GetProjectPath() + "ObjectRefDump.txt", RefusalMessage(name, usage),
                     written);
    }
    return false;
}

bool Module::RemoveFieldUsages(Field* field)
{
    AskFieldUsers(field, nullptr, MainFrameAccess::GetProject());
    // What the recorded entities do not reach lets go of the field through the module's list,
    // in the walk that lets go of the parts the removal freed.
    ReleaseWithFreedParts({field});
    CurrentUsageSet().Clear();
    return true;
}

struct Module::FieldAskees
{
    std::vector<Table*> tables;
    std::vector<Procedure*> procedures;
    std::vector<Function*> functions;
    struct Page
    {
        FormInterface* page;
        // Whether it is asked for its references.
        bool listed;
        // Set for a report, which is asked all the same.
        const ApplicationReport* report;
    };
    std::vector<Page> pages;
    LoginPage* loginPage = nullptr;
    ListSizes sizes{};
};

Module::ListSizes Module::AskedListSizes(const ClassSet* functionClasses) const
{
    std::size_t functions = 0;
    // A few classes are each counted where the module lists them, cheaper than a look-up for
    // every class of the module; one the module no longer lists is not read.
    constexpr std::size_t fewClasses = 8;
    if (functionClasses != nullptr && functionClasses->size() <= fewClasses)
    {
        for (const Class* dataClass : *functionClasses)
        {
            if (const auto listed = std::ranges::count(m_classes, dataClass); listed > 0)
                functions += static_cast<std::size_t>(listed) * dataClass->GetFunctions().size();
        }
    }
    else
    {
        for (const Class* dataClass : m_classes)
        {
            if (AmongClasses(functionClasses, dataClass))
                functions += dataClass->GetFunctions().size();
        }
    }
    return {m_masterTables.size(),     m_transactionTables.size(),
            m_mapTables.size(),        m_procedures.size(),
            m_classes.size(),          functions,
            m_masterForms.size(),      m_transactions.size(),
            m_reports.size(),          m_rdlcReports.size(),
            m_mapForms.size(),         m_dashBoards.size(),
            m_dashBoardPages.size(),   m_multiPageReports.size(),
            m_reportCollectors.size(), m_loginPage != nullptr ? 1U : 0U};
}

Module::FieldAskees Module::FieldAskeesAmong(const AskedEntities* asked,
                                             const ClassSet* functionClasses) const
{
    // Every entity without a set.
    const TargetMatch isAsked(asked);
    FieldAskees askees;
    std::vector<Table*> tables;
    GetAllTables(tables);
    std::ranges::copy_if(tables, std::back_inserter(askees.tables), isAsked);
    std::ranges::copy_if(m_procedures, std::back_inserter(askees.procedures), isAsked);
    for (const Class* dataClass : m_classes)
    {
        if (AmongClasses(functionClasses, dataClass))
            std::ranges::copy_if(dataClass->GetFunctions(), std::back_inserter(askees.functions),
                                 isAsked);
    }
    const auto addPage = [&askees, &isAsked](FormInterface* page)
    {
        if (isAsked(page))
            askees.pages.push_back({page, true, nullptr});
    };
    // The reports are asked whether they show the row a field refers to.
    const auto addReport = [&askees, &isAsked](ApplicationReport* report) {
        askees.pages.push_back({report, isAsked(report), report});
    };
    AskEach(addPage, m_masterForms, m_transactions);
    AskEach(addReport, m_reports);
    AskEach(addPage, m_rdlcReports, m_mapForms, m_dashBoards, m_dashBoardPages, m_multiPageReports,
            m_reportCollectors);
    if (m_loginPage != nullptr && isAsked(m_loginPage))
        askees.loginPage = m_loginPage;
    askees.sizes = AskedListSizes(functionClasses);
    return askees;
}

void Module::AskFieldUsers(Field* field, const AskedEntities* asked, ForgeonProject* project)
{
    AskFieldUsers(field, FieldAskeesAmong(asked), project);
}

void Module::AskFieldUsers(Field* field, const FieldAskees& askees, ForgeonProject* project)
{
    const ReferenceList::Targets targets{field};
    CString usage;
    // The field's own table is not named; its keys on the field go all the same.
    NameListedUsers(
        askees.tables, targets, usage, [](Table* table) { CurrentUsageSet().AddTable(table); },
        [field](const Table* table) { return table != field->GetTable(); });
    NameListedUsers(askees.procedures, targets, usage,
                    [](Procedure* procedure) { CurrentUsageSet().AddProcedure(procedure); });
    // A function showing the field's foreign field shows it for the field.
    NameListedUsers(askees.functions, {field, field->GetForeignField()}, usage,
                    [](Function* function) { CurrentUsageSet().AddFunction(function); });
    // Each page once, by its first use of the field; a report also by a column showing through
    // the field the row it refers to, which a field referring to none cannot show.
    ReferenceList list(targets, noMenuMaps);
    for (const auto& [page, listed, report] : askees.pages)
    {
        if (!listed && field->GetForeignField() == nullptr)
            continue;
        CString use;
        if (listed)
        {
            ListNamedReferences(list, *page);
            use = list.FirstUseOf(targets);
            list.Clear();
        }
        if (use.IsEmpty() && report != nullptr && report->ShowsRowReferredBy(field))
            use = page->FieldUseName(" report output field");
        if (use.IsEmpty())
            continue;
        usage += use + "\n";
        CurrentUsageSet().AddFormInterface(page);
    }
    // The login page names fields of its procedure's output.
    if (askees.loginPage != nullptr)
        NameListedUsers(std::vector{askees.loginPage}, targets, usage, recordNothing);
    if (!ReportUsage(field->GetFieldName(), usage))
        TheProjectDiagnostics().RemoveFieldReferences(field, project);
}

ReferenceList::Targets Module::FieldTargets(const std::vector<Field*>& fields)
{
    ReferenceList::Targets targets(fields.begin(), fields.end());
    for (const Field* field : fields)
    {
        if (field->GetForeignField() != nullptr)
            targets.insert(field->GetForeignField());
    }
    return targets;
}

Module::AskedEntities Module::FieldUsersOf(const std::vector<Field*>& fields) const
{
    const ReferenceList::Targets targets = FieldTargets(fields);
    AskedEntities referring;
    std::vector<Table*> tables;
    GetAllTables(tables);
    AddReferring(tables, targets, referring);
    AddReferring(m_procedures, targets, referring);
    for (const Class* dataClass : m_classes)
        AddReferring(dataClass->GetFunctions(), targets, referring);
    AddReferring(PagesOf(m_masterForms, m_transactions, m_reports, m_rdlcReports, m_mapForms,
                         m_dashBoards, m_dashBoardPages, m_multiPageReports, m_reportCollectors),
                 targets, referring);
    if (m_loginPage != nullptr)
        AddReferring(std::vector{m_loginPage}, targets, referring);
    return referring;
}

namespace
{
// The pages of the list that are among the given ones.
template <class Page>
std::vector<Page*> ListedAmong(const std::vector<Page*>& pages, const std::vector<Page*>& listed)
{
    std::vector<Page*> among;
    std::ranges::copy_if(pages, std::back_inserter(among),
                         [&listed](const Page* page)
                         { return std::ranges::find(listed, page) != listed.end(); });
    return among;
}

// Names and records those of the pages that the set does not hold yet.
template <class Page>
void RecordUnrecorded(const std::vector<Page*>& pages,
                      std::unordered_set<const FormInterface*>& recorded, CString& usage)
{
    for (Page* page : pages)
    {
        if (recorded.insert(page).second)
        {
            usage += page->GetFormName() + "\n";
            CurrentUsageSet().AddFormInterface(page);
        }
    }
}

// Deletes each of the pages that the module still lists.
template <class Page>
void DeleteStillListed(const std::vector<Page*>& pages, const std::vector<Page*>& listed,
                       ForgeonProject* project, bool (ForgeonProject::*erase)(Page*))
{
    for (Page* page : pages)
    {
        if (project != nullptr && std::ranges::find(listed, page) != listed.end())
            (project->*erase)(page);
    }
}
} // namespace

Module::ReportsByTable Module::IndexReportsByTable(const std::vector<Module*>& modules)
{
    ReportsByTable index;
    std::vector<const Table*> tables;
    for (const Module* module : modules)
    {
        for (ApplicationReport* report : module->m_reports)
        {
            tables.clear();
            report->ListTablesItMayGoWith(tables);
            std::ranges::sort(tables);
            tables.erase(std::unique(tables.begin(), tables.end()), tables.end());
            for (const Table* table : tables)
                index[table].push_back(report);
        }
    }
    return index;
}

namespace
{
// The reports the index gives for the table that the list still holds, in list order.
std::vector<ApplicationReport*> ListedReportsOf(const Module::ReportsByTable& index,
                                                const Table* table,
                                                const std::vector<ApplicationReport*>& listed)
{
    std::vector<ApplicationReport*> reports;
    const auto found = index.find(table);
    if (found != index.end())
        reports = ListedAmong(found->second, listed);
    return reports;
}
} // namespace

GoingPages Module::FindReportsOnTable(const std::vector<Module*>& modules, const Table* table,
                                      const ReportsByTable* reports)
{
    GoingPages onTable;
    for (const Module* module : modules)
    {
        const auto builtOnTable = [table](const ApplicationReport* report)
        { return report->IsBuiltOnTable(table); };
        if (reports != nullptr)
            std::ranges::copy_if(ListedReportsOf(*reports, table, module->m_reports),
                                 std::back_inserter(onTable.reports), builtOnTable);
        else
            std::ranges::copy_if(module->m_reports, std::back_inserter(onTable.reports),
                                 builtOnTable);
        std::ranges::copy_if(module->m_rdlcReports, std::back_inserter(onTable.rdlcReports),
                             [table](const RDLCReport* report)
                             { return report->IsBuiltOnTable(table); });
        std::ranges::copy_if(module->m_dashBoards, std::back_inserter(onTable.dashBoards),
                             [table](const DashBoard* dashBoard)
                             { return dashBoard->IsBuiltOnTable(table); });
    }
    return onTable;
}

bool Module::RemoveTableUsages(Table* table)
{
    return RemoveTableUsages(table, FindReportsOnTable({this}, table),
                             MainFrameAccess::GetProject());
}

GoingPages Module::PagesGoingWith(const DataLoss& loss) const
{
    GoingPages going;
    std::ranges::copy_if(m_reports, std::back_inserter(going.reports),
                         [&loss](const ApplicationReport* report)
                         { return report->GoesWith(loss); });
    std::ranges::copy_if(m_dashBoards, std::back_inserter(going.dashBoards),
                         [&loss](const DashBoard* dashBoard) { return dashBoard->GoesWith(loss); });
    return going;
}

void Module::DeleteStillListed(const GoingPages& pages, ForgeonProject* project) const
{
    ::DeleteStillListed(pages.reports, m_reports, project,
                        &ForgeonProject::DeleteApplicationReport);
    ::DeleteStillListed(pages.rdlcReports, m_rdlcReports, project,
                        &ForgeonProject::DeleteRDLCReport);
    ::DeleteStillListed(pages.dashBoards, m_dashBoards, project, &ForgeonProject::DeleteDashBoard);
}

namespace
{
// The entities the index gives for the targets.
Module::AskedEntities IndexedUsers(const Module::UsersIndex& index,
                                   const ReferenceList::Targets& targets)
{
    Module::AskedEntities users;
    for (const void* target : targets)
    {
        const auto found = index.find(target);
        if (found != index.end())
            users.insert(found->second.begin(), found->second.end());
    }
    return users;
}

// The classes holding the functions among the entities, gathered in classes, when the index met
// every one of them; null (every class) otherwise or without an index.
const Module::ClassSet* FunctionClassesAmong(const Module::AskedEntities& entities,
                                             const TableUsersIndex* index,
                                             Module::ClassSet& classes)
{
    return index != nullptr && Module::ReferrerKindsAmong(entities, index->referrers, classes)
               ? &classes
               : nullptr;
}
} // namespace

bool Module::RemoveTableUsages(Table* table, const GoingPages& onTable, ForgeonProject* project,
                               const TableUsersIndex* index)
{
    const UsersIndex* users = index != nullptr ? &index->users : nullptr;
    UsageSetScope scope;
    // The pages built on the table go with it, whatever its fields' removal leaves of them.
    const GoingPages own{ListedAmong(onTable.reports, m_reports),
                         ListedAmong(onTable.rdlcReports, m_rdlcReports),
                         ListedAmong(onTable.dashBoards, m_dashBoards)};
    // The other reports keep what is not on the table, a group without calls showing its fields
    // alone going at once.
    const auto dropGroups = [&own, table](ApplicationReport* report)
    {
        if (std::ranges::find(own.reports, report) == own.reports.end())
            report->DeleteGroupsShowingOnly(table);
    };
    if (index != nullptr)
        std::ranges::for_each(ListedReportsOf(index->reports, table, m_reports), dropGroups);
    else
        std::ranges::for_each(m_reports, dropGroups);
    const std::vector<Field*> fields = table->GetFields();
    ReferenceList::Targets tableAndFields(fields.begin(), fields.end());
    tableAndFields.insert(table);
    // Only what refers to one of the fields is asked about each; the table's list below lets go
    // of what the recorded users do not reach.
    const AskedEntities asked =
        users != nullptr ? IndexedUsers(*users, FieldTargets(fields)) : FieldUsersOf(fields);
    // Without an index every entity is asked about the table.
    const AskedEntities tableUsers =
        users != nullptr ? IndexedUsers(*users, {table}) : AskedEntities{};
    const TargetMatch usesTable(users != nullptr ? &tableUsers : nullptr);
    // With an index, only the classes holding functions asked are walked for functions.
    ClassSet askedClasses;
    ClassSet tableClasses;
    const ClassSet* askedFunctionClasses = FunctionClassesAmong(asked, index, askedClasses);
    const ClassSet* tableFunctionClasses = FunctionClassesAmong(tableUsers, index, tableClasses);
    FieldAskees askees = FieldAskeesAmong(&asked, askedFunctionClasses);
    for (Field* field : fields)
    {
        // A removal that changed the module's lists has them taken again.
        if (askees.sizes != AskedListSizes(askedFunctionClasses))
            askees = FieldAskeesAmong(&asked, askedFunctionClasses);
        AskFieldUsers(field, askees, project);
        CurrentUsageSet().Clear();
    }
    CString usage;
    const ReferenceList::Targets targets{table};
    // The pages whose lists refer to the table: those built on it (a map form on its mapping
    // table among them), and those that use it through their controls, groups or class calls.
    ReferenceList list(targets, noMenuMaps);
    const auto askPage = [&list, &targets, &usage, &usesTable](FormInterface* page)
    {
        if (usesTable(page) && NameListedUser(*page, list, targets, usage))
            CurrentUsageSet().AddFormInterface(page);
    };
    AskEach(askPage, m_masterForms, m_transactions, m_reports, m_dashBoards, m_rdlcReports,
            m_mapForms);
    for (const Class* dataClass : m_classes)
    {
        if (!AmongClasses(tableFunctionClasses, dataClass))
            continue;
        NameListedUsers(
            dataClass->GetFunctions(), targets, usage,
            [](Function* function) { CurrentUsageSet().AddFunction(function); }, usesTable);
    }
    NameListedUsers(
        m_classes, targets, usage, [](Class* dataClass) { CurrentUsageSet().AddClass(dataClass); },
        usesTable);
    NameListedUsers(
        m_procedures, targets, usage,
        [](Procedure* procedure) { CurrentUsageSet().AddProcedure(procedure); }, usesTable);
    // Pages of other kinds may take reference or derived fields from it.
    std::unordered_set<const FormInterface*> recorded;
    CurrentUsageSet().ForEachPage([&recorded](FormInterface* page) { recorded.insert(page); });
    RecordUnrecorded(own.reports, recorded, usage);
    RecordUnrecorded(own.rdlcReports, recorded, usage);
    RecordUnrecorded(own.dashBoards, recorded, usage);
    AddReferringPages(targets, noMenuMaps, usage,
                      [&recorded, &usesTable](FormInterface& page)
                      { return recorded.contains(&page) || !usesTable(&page); });
    if (!ReportUsage(table->GetTableName(), usage))
        TheProjectDiagnostics().RemoveTableReferences(table, onTable, project);
    // Those whose link to the table an earlier deletion or the fields' removal took.
    DeleteStillListed(own, project);
    // What the removals above do not reach lets go of the table and its fields through the
    // list.
    if (users == nullptr)
    {
        ReleaseReferences({this}, tableAndFields, noMenuMaps);
        return true;
    }
    ReleaseReferencesAmong(tableAndFields, IndexedUsers(*users, tableAndFields), index->referrers);
    return true;
}

namespace
{
// The pages of the list as pages.
template <class Page> std::vector<FormInterface*> AsPages(const std::vector<Page*>& pages)
{
    return {pages.begin(), pages.end()};
}

// NameListedUsers for each page (usages[i] of pages[i]) with one listing of each entity: a page
// gains the users the entity's list names when it refers to the page.
template <class Entities>
void NameListedUsersOfEach(const Entities& entities, const std::vector<FormInterface*>& pages,
                           std::vector<CString>& usages)
{
    const ReferenceList::Targets targets(pages.begin(), pages.end());
    std::unordered_map<const void*, std::size_t> indexOf;
    for (std::size_t index = 0; index < pages.size(); ++index)
        indexOf.emplace(pages[index], index);
    // One list serves every entity, emptied after each.
    ReferenceList list(targets, noMenuMaps);
    for (auto* entity : entities)
    {
        ListNamedReferences(list, *entity);
        for (const void* page : list.ReferredAmong(targets))
            usages[indexOf.at(page)] += UsageText(list.UsersOf({page}));
        list.Clear();
    }
}
} // namespace

void Module::RemoveFormUsages(const std::vector<Form*>& forms)
{
    const std::vector<FormInterface*> pages = AsPages(forms);
    std::vector<CString> usages(pages.size());
    NameListedUsersOfEach(m_mapForms, pages, usages);
    RemovePageUsages(pages, std::move(usages), {});
}

void Module::RemovePageUsages(const std::vector<FormInterface*>& pages, std::vector<CString> usages,
                              const std::vector<CString>& shownBy)
{
    CollectPageLinkUsage(pages, usages);
    // Only the pages with a usage have menus or columns linking to their page files.
    std::vector<FormInterface*> linked;
    for (std::size_t index = 0; index < pages.size(); ++index)
    {
        if (!ReportUsage(pages[index]->GetFormName(),
                         usages[index] + (shownBy.empty() ? CString() : shownBy[index])))
            linked.push_back(pages[index]);
    }
    CurrentUsageSet().RemovePageLinks(linked);
    ReleaseReferences({this}, {pages.begin(), pages.end()}, noMenuMaps);
    CurrentUsageSet().Clear();
}

void Module::RemoveMapFormUsages(const std::vector<MapForm*>& mapForms)
{
    RemovePageUsages(AsPages(mapForms), std::vector<CString>(mapForms.size()), {});
}

void Module::RemoveTransactionUsages(const std::vector<Transaction*>& transactions)
{
    RemovePageUsages(AsPages(transactions), std::vector<CString>(transactions.size()), {});
}

void Module::RemoveRDLCReportUsages(const std::vector<RDLCReport*>& reports)
{
    RemovePageUsages(AsPages(reports), std::vector<CString>(reports.size()), {});
}

void Module::RemoveReportUsages(const std::vector<ApplicationReport*>& reports)
{
    const std::vector<FormInterface*> pages = AsPages(reports);
    std::vector<CString> usages(pages.size());
    NameListedUsersOfEach(m_masterForms, pages, usages);
    NameListedUsersOfEach(m_transactions, pages, usages);
    NameListedUsersOfEach(m_mapForms, pages, usages);
    // Multi-page reports and report collectors show reports as well.
    std::vector<CString> shownBy(pages.size());
    NameListedUsersOfEach(m_multiPageReports, pages, shownBy);
    NameListedUsersOfEach(m_reportCollectors, pages, shownBy);
    RemovePageUsages(pages, std::move(usages), shownBy);
}

bool Module::RemoveDashBoardUsages(DashBoard* dashBoard)
{
    CString usage;
    NameListedUsers(m_dashBoardPages, {dashBoard}, usage, recordNothing);
    if (!ReportUsage(dashBoard->GetFormName(), usage))
        CurrentUsageSet().RemovePageLinks(dashBoard);
    ReleaseReferences({this}, {dashBoard}, noMenuMaps);
    CurrentUsageSet().Clear();
    return true;
}

bool Module::CollectDashBoardPageUsage(DashBoardPage* page)
{
    CString usage;
    CollectPageLinkUsage(page, usage);
    CollectDesignationsOfDashBoardPage(page, usage);
    if (!ReportUsage(page->GetFormName(), usage))
        CurrentUsageSet().RemoveDashBoardPageReferences(page);
    CurrentUsageSet().Clear();
    return true;
}

void Module::ReleaseUsers(std::vector<FormInterface*> pages, const CString& name,
                          const ReferenceList::Targets& freed, ReferenceList::MenuMaps menuMaps)
{
    // The login page is listed last, so that its call is let go of first.
    if (m_loginPage != nullptr)
        pages.push_back(m_loginPage);
    ReferenceList list(freed, menuMaps);
    ListPageReferences(pages, list);
    ReportUsage(name, UsageText(list.UsersOf(freed)));
    list.Release(freed);
}

bool Module::RemoveProcedureUsages(Procedure* procedure, ForgeonProject* project)
{
    // Of what the procedure frees, only its parameters' variables may be passed by menu maps.
    std::vector<const Variable*> variables;
    for (const FieldVariableMap& parameter : procedure->GetFieldParameters())
    {
        if (parameter.variable != nullptr)
            variables.push_back(parameter.variable);
    }
    // The reports and graphs that only the procedure feeds are left without data: they go with
    // it.
    const GoingPages fed = PagesGoingWith(DataLoss::OfProcedure(procedure));
    ReleaseUsers(PagesOf(m_masterForms, m_mapForms, m_transactions, m_dashBoards, m_reports,
                         m_multiPageReports, m_dashBoardPages, m_rdlcReports, m_reportCollectors),
                 procedure->GetName(), procedure->FreedWithIt(), AspFile::MenuMapsFor(variables));
    DeleteStillListed(fed, project);
    return true;
}

bool Module::RemoveFunctionUsages(Function* function, ForgeonProject* project)
{
    // The reports and graphs that only the function feeds go with it, as with a procedure.
    const GoingPages fed = PagesGoingWith(DataLoss::OfFunction(function));
    ReleaseUsers(PagesOf(m_masterForms, m_transactions, m_reports, m_rdlcReports, m_dashBoards,
                         m_mapForms, m_multiPageReports, m_dashBoardPages, m_reportCollectors),
                 function->GetFieldName(), function->FreedWithIt(), noMenuMaps);
    DeleteStillListed(fed, project);
    return true;
}

void Module::RemoveMenuUsages(const std::vector<Menu*>& roots)
{
    std::vector<Menu*> subtree;
    for (Menu* menu : roots)
    {
        subtree.push_back(menu);
        menu->CollectSubMenus(subtree, nullptr);
    }
    const ReferenceList::Targets menus(subtree.begin(), subtree.end());
    // The lists leave the page files' menu maps out: Module::DeleteMenu erases the maps of the
    // menus in one pass. Each item asks only the pages found referring to it in one listing.
    const MenuUsers pageUsers(PagesOf(m_masterForms, m_mapForms, m_transactions, m_reports,
                                      m_rdlcReports, m_dashBoardPages, m_dashBoards),
                              menus);
    for (Menu* item : subtree)
    {
        UsageSetScope scope;
        for (FormInterface* page : pageUsers.Of(item))
            page->CollectMenuLinkUsage(item);
        CurrentUsageSet().RemoveMenuReferences(item);
    }
}

void Module::EraseMenuMaps(const ReferenceList::Targets& menus) const
{
    const TargetMatch isMenu(&menus);
    AspFile::MapErasure erasure(isMenu);
    std::vector<FormInterface*> pages;
    GetEveryPage(pages);
    for (const FormInterface* page : pages)
    {
        for (AspFile* file : page->GetAspFiles())
            file->EraseMapsOfMenus(erasure);
    }
}

void Module::CollectFunctionFieldUsage(Function* function, Table* table)
{
    UsageSetScope scope;
    const auto askPage = [function, table](FormInterface* page)
    { page->IsFunctionFieldUsedAsFrontBack(function, table); };
    AskEach(askPage, m_masterForms, m_transactions, m_reports, m_dashBoards, m_rdlcReports);
    CurrentUsageSet().ClearFunctionFieldFrontBack(function, table);
}

void Module::CollectPageLinkUsage(FormInterface* page, CString& usage)
{
    std::vector<CString> usages{usage};
    CollectPageLinkUsage(std::vector{page}, usages);
    usage = usages.front();
}

void Module::CollectPageLinkUsage(const std::vector<FormInterface*>& pages,
                                  std::vector<CString>& usages)
{
    // The pages of each page file.
    std::unordered_map<const void*, std::vector<std::size_t>> pagesOfFile;
    ReferenceList::Targets pageFiles;
    for (std::size_t index = 0; index < pages.size(); ++index)
    {
        for (const AspFile* file : pages[index]->GetAspFiles())
        {
            pageFiles.insert(file);
            pagesOfFile[file].push_back(index);
        }
    }
    if (pageFiles.empty())
        return;
    // One list serves every item, emptied after each.
    ReferenceList list(pageFiles);
    const auto collect = [&list, &pageFiles, &pagesOfFile, &usages](MenuInterface& item)
    {
        item.ListReferences(list);
        std::vector<std::size_t> linked;
        for (const void* file : list.ReferredAmong(pageFiles))
        {
            for (const std::size_t index : pagesOfFile[file])
            {
                if (std::ranges::find(linked, index) == linked.end())
                    linked.push_back(index);
            }
        }
        list.Clear();
        if (linked.empty())
            return;
        for (const std::size_t index : linked)
            usages[index] += item.GetName() + "\n";
        CurrentUsageSet().AddMenuItem(&item);
    };
    std::vector<Menu*> menus;
    for (Menu* menu : m_menus)
        CollectMenuTree(menu, menus);
    for (Menu* menu : menus)
        collect(*menu);
    for (const ApplicationReport* report : m_reports)
    {
        std::vector<ReportField*> columns;
        report->CollectReportFields(columns);
        for (ReportField* column : columns)
            collect(*column);
    }
}

void Module::CollectDesignationsOfDashBoardPage(DashBoardPage* page, CString& usage)
{
    for (Designation* designation : m_designations)
    {
        if (ReferenceList::Reaches(*designation, {page}))
        {
            usage += designation->GetName() + "\n";
            CurrentUsageSet().AddRole(designation);
        }
    }
}

bool Module::CanRemoveFieldRep(FieldRep* fieldRep, FormInterface* page)
{
    CString usage;
    if (!page->IsFieldRepUnused(fieldRep))
        usage = "Used for mapping or recomputation in:" + page->GetFormName();
    return ReportUsage(FieldNameOrEmpty(fieldRep->GetField()), usage);
}

bool Module::CheckVariableUsage(FieldVariableMap* map, bool report)
{
    CString usage;
    const auto askPage = [map, &usage](FormInterface* page)
    { page->CollectVariableUsage(*map, usage); };
    AskEach(askPage, m_masterForms, m_transactions, m_reports);
    // The pages that map the variable hold it, and let go of their own references.
    Variable* variable = map->variable;
    if (variable != nullptr)
        AddReferringPages({variable}, AspFile::MenuMapsFor(std::array{variable}), usage,
                          [variable](FormInterface& page)
                          { return page.FindFieldVariableMapByVariable(variable) != nullptr; });
    const CString name = map->variable != nullptr ? map->variable->GetFieldName() : CString();
    FileRefusal(name, usage);
    return report ? ReportUsage(name, usage) : usage.IsEmpty();
}

void Module::AddReferringPages(const ReferenceList::Targets& targets,
                               ReferenceList::MenuMaps menuMaps, CString& usage,
                               const std::function<bool(FormInterface&)>& holds)
{
    std::vector<FormInterface*> pages;
    GetEveryPage(pages);
    for (FormInterface* page : pages)
    {
        if (holds && holds(*page))
            continue;
        if (!ReferenceList::Reaches(*page, targets, menuMaps))
            continue;
        const CString line = page->GetFormName() + "\n";
        if (("\n" + usage).Find("\n" + line) >= 0)
            continue;
        usage += line;
        CurrentUsageSet().AddFormInterface(page);
    }
}

bool Module::CheckProcedureFieldUsage(Procedure* procedure, Field* field)
{
    CString usage;
    FieldVariableMap parameter;
    procedure->FindFieldParameterByField(field, parameter);
    if (parameter.variable != nullptr)
    {
        ReferenceList list({parameter.variable});
        ListPageReferences(PagesOf(m_transactions, m_dashBoards, m_reports, m_dashBoardPages),
                           list);
        usage = UsageText(list.UsersOf({parameter.variable}));
    }
    FileRefusal(FieldNameOrEmpty(field), usage);
    return ReportUsage(FieldNameOrEmpty(field), usage);
}

bool Module::DeleteTable(Table* table)
{
    RemoveTableUsages(table);
    return EraseTable(table);
}

bool Module::EraseTable(Table* table)
{
    ForgetPasted(m_pastedTable, table);
    return DeleteFromFirst(table, m_masterTables, m_transactionTables, m_mapTables);
}

bool Module::EraseTableWithFreedParts(Table* table)
{
    ForgetPasted(m_pastedTable, table);
    if (!TakeFromFirst(table, m_masterTables, m_transactionTables, m_mapTables))
        return false;
    ReferenceList::Targets parts(table->GetFields().begin(), table->GetFields().end());
    parts.insert(table);
    ReleaseThenFree(parts, [table] { delete table; });
    return true;
}

bool Module::DeleteMasterForm(Form* form)
{
    ForgetPasted(m_pastedForm, form);
    return DeleteFromFirst(form, m_masterForms);
}

bool Module::DeleteMapForm(MapForm* mapForm)
{
    return DeleteFromFirst(mapForm, m_mapForms);
}

bool Module::DeleteTransaction(Transaction* transaction)
{
    ForgetPasted(m_pastedTransaction, transaction);
    return DeleteFromFirst(transaction, m_transactions);
}

bool Module::DeleteDashBoard(DashBoard* dashBoard)
{
    return DeleteFromFirst(dashBoard, m_dashBoards);
}

bool Module::DeleteDashBoardPage(DashBoardPage* page)
{
    return DeleteFromFirst(page, m_dashBoardPages);
}

bool Module::DeleteReport(ApplicationReport* report)
{
    ForgetPasted(m_pastedReport, report);
    return DeleteFromFirst(report, m_reports);
}

bool Module::DeleteRDLCReport(RDLCReport* report)
{
    return DeleteFromFirst(report, m_rdlcReports);
}

bool Module::DeleteProcedure(Procedure* procedure)
{
    return DeleteFromFirst(procedure, m_procedures);
}

void Module::DeleteDesignation(Designation* designation)
{
    DeleteDesignation(designation, GetReferringModules());
}

void Module::DeleteDesignation(Designation* designation, const std::vector<Module*>& modules)
{
    if (!ContainsDesignation(designation))
        return;
    // The roles reporting to it and the menus granted to it would otherwise keep a pointer to
    // a deleted role.
    ReleaseReferences(modules, {designation}, noMenuMaps);
    DeleteFromFirst(designation, m_designations);
}

bool Module::DeleteMenu(Menu* menu)
{
    return DeleteMenu(menu, GetReferringModules());
}

bool Module::DeleteMenu(Menu* menu, const std::vector<Module*>& modules)
{
    Menu* parent = menu->GetParent();
    const bool subMenu =
        parent != nullptr && parent != menu &&
        std::ranges::find(parent->GetSubMenus(), menu) != parent->GetSubMenus().end();
    if (!subMenu && std::ranges::find(m_menus, menu) == m_menus.end())
        return false;
    DeleteMenus({{this, menu}}, modules);
    return true;
}

void Module::DeleteMenus(const HeldMenus& menus, const std::vector<Module*>& modules)
{
    // Whether each is a sub-menu, judged before any goes.
    std::vector<bool> subMenus;
    for (const auto& [owner, menu] : menus)
    {
        const Menu* parent = menu->GetParent();
        subMenus.push_back(parent != nullptr && parent != menu &&
                           std::ranges::find(parent->GetSubMenus(), menu) !=
                               parent->GetSubMenus().end());
    }
    // What refers to the menus or their sub-menus lets go of them before they go; the page
    // files' maps of them are erased in one sweep.
    std::vector<Menu*> subtree;
    for (const auto& [owner, menu] : menus)
    {
        subtree.push_back(menu);
        menu->CollectSubMenus(subtree, nullptr);
    }
    const ReferenceList::Targets targets(subtree.begin(), subtree.end());
    for (Module* module : modules)
        module->EraseMenuMaps(targets);
    ReleaseReferences(modules, targets, ReferenceList::MenuMaps::skipped);
    for (const Menu* item : subtree)
        TheProjectDiagnostics().ForgetFreed(item);
    bool parentBecomesLeaf = false;
    for (std::size_t index = 0; index < menus.size(); ++index)
    {
        const auto& [owner, menu] = menus[index];
        if (subMenus[index])
        {
            parentBecomesLeaf = parentBecomesLeaf || menu->GetParent()->GetSubMenus().size() == 1;
            menu->GetParent()->RemoveSubMenu(menu);
        }
        else
            owner->RemoveMenu(menu);
        delete menu;
    }
    // The other leaves keep their maps; a parent left without sub-menus is mapped as a leaf.
    if (parentBecomesLeaf)
    {
        for (Module* module : modules)
            module->CleanUpPageFiles();
    }
}

bool Module::DeleteClassFunction(Function* function)
{
    for (Class* dataClass : m_classes)
    {
        if (std::ranges::find(dataClass->GetFunctions(), function) !=
            dataClass->GetFunctions().end())
        {
            dataClass->DeleteFunction(function);
            return true;
        }
    }
    return false;
}

void Module::UpdateFrontFieldUsers(Table* table, Field* previous)
{
    Field* front = table->GetFrontField();
    if (front == nullptr)
        front = table->GetDefaultFrontField();
    const auto update = [this, table, previous, front](Table* user)
    {
        if (!user->HasForeignKeyTo(table))
            return;
        if (const Class* dataClass = GetClassForTable(user, false))
        {
            for (Function* function : dataClass->GetFunctions())
            {
                if (function->IsUserFunction())
                    continue;
                if (previous != nullptr)
                    function->RemoveFieldWithReferences(previous);
                if (front != nullptr && !function->HasOutputField(front))
                    function->AddOutputField(
                        new ProcedureFieldInfo(front, ProcedureFieldInfo::noAggregate));
            }
        }
        AddMissingFieldsToTableReport(user);
    };
    AskEach(update, m_masterTables, m_transactionTables);
}
