// Deleting several tables, forms, map forms, transactions, search reports, RDLC reports, menus
// or report and data set descriptions in one deletion leaves the project as deleting them one by
// one in the same order does: in every project file of the test data that opens, the entities of
// each kind of every module deleted together save the bytes of the same entities deleted one at a
// time, with the project open and without.
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/ForgeonProject.h"
#include "model/GoingPages.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/Types.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{
// Deletes every entity of one kind, together or one by one; answers how many there were.
using KindDeletion = std::function<std::size_t(ForgeonProject&, bool together)>;

template <class T, class List>
KindDeletion DeletingEvery(List list, bool (ForgeonProject::*one)(T*),
                           int (ForgeonProject::*all)(const std::vector<T*>&))
{
    return [list, one, all](ForgeonProject& project, bool together)
    {
        const std::vector<T*> entities = list(project);
        if (together)
            (project.*all)(entities);
        else
        {
            for (T* entity : entities)
                (project.*one)(entity);
        }
        return entities.size();
    };
}

// The entities of every module's list, module by module.
template <class T, class List> auto OfEveryModule(List list)
{
    return [list](const ForgeonProject& project)
    {
        std::vector<T*> entities;
        for (const Module* module : project.GetModules())
        {
            const std::vector<T*>& held = list(*module);
            entities.insert(entities.end(), held.begin(), held.end());
        }
        return entities;
    };
}

struct TogetherKind
{
    const char* name;
    KindDeletion remove;
};

const TogetherKind togetherKinds[] = {
    {"tables", DeletingEvery<Table>(OfEveryModule<Table>(
                                        [](const Module& module)
                                        {
                                            std::vector<Table*> tables;
                                            module.GetAllTables(tables);
                                            return tables;
                                        }),
                                    &ForgeonProject::DeleteTable, &ForgeonProject::DeleteTables)},
    {"forms", DeletingEvery<Form>(
                  OfEveryModule<Form>([](const Module& module) { return module.GetMasterForms(); }),
                  &ForgeonProject::DeleteForm, &ForgeonProject::DeleteForms)},
    {"map forms",
     DeletingEvery<MapForm>(
         OfEveryModule<MapForm>([](const Module& module) { return module.GetMapForms(); }),
         &ForgeonProject::DeleteMapForm, &ForgeonProject::DeleteMapForms)},
    {"transactions",
     DeletingEvery<Transaction>(
         OfEveryModule<Transaction>([](const Module& module) { return module.GetTransactions(); }),
         &ForgeonProject::DeleteTransaction, &ForgeonProject::DeleteTransactions)},
    {"search reports",
     DeletingEvery<ApplicationReport>(
         OfEveryModule<ApplicationReport>([](const Module& module) { return module.GetReports(); }),
         &ForgeonProject::DeleteApplicationReport, &ForgeonProject::DeleteApplicationReports)},
    {"RDLC reports",
     DeletingEvery<RDLCReport>(
         OfEveryModule<RDLCReport>([](const Module& module) { return module.GetRDLCReports(); }),
         &ForgeonProject::DeleteRDLCReport, &ForgeonProject::DeleteRDLCReports)},
    {"RDLC descriptions",
     DeletingEvery<RDLCInfo>([](const ForgeonProject& project) { return project.GetRDLCInfos(); },
                             &ForgeonProject::DeleteRDLCInfo, &ForgeonProject::DeleteRDLCInfos)},
    // Each module's top menus with their trees.
    {"menus",
     [](ForgeonProject& project, bool together)
     {
         std::vector<std::pair<Module*, Menu*>> menus;
         for (Module* module : project.GetModules())
         {
             for (Menu* menu : module->GetMenus())
                 menus.emplace_back(module, menu);
         }
         if (together)
             project.DeleteMenus(menus);
         else
         {
             for (const auto& [module, menu] : menus)
                 project.DeleteMenu(menu);
         }
         return menus.size();
     }},
    {"data set descriptions",
     DeletingEvery<XSDInfo>([](const ForgeonProject& project) { return project.GetXSDInfos(); },
                            &ForgeonProject::DeleteXSDInfo, &ForgeonProject::DeleteXSDInfos)},
};

// The bytes of the project once the kind's entities are deleted, and how many there were; none
// when the bytes do not open.
std::optional<std::pair<std::vector<BYTE>, std::size_t>>
SavedAfter(const std::vector<BYTE>& bytes, const TogetherKind& kind, bool together, bool open)
{
    ProjectStore store;
    if (!store.RestoreProject(bytes))
        return std::nullopt;
    std::optional<ScopedOpenProject> opened;
    if (open)
        opened.emplace(store.GetProject());
    const std::size_t count = kind.remove(*store.GetProject(), together);
    return std::pair{SaveObject(store.GetProject()), count};
}

// The project files of the test data, in name order.
std::vector<std::filesystem::path> TestDataProjects()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(WEAVO_TEST_DATA))
    {
        if (entry.path().extension() == ".wvt")
            files.push_back(entry.path());
    }
    std::ranges::sort(files);
    return files;
}

// Calls check with each project file of the test data that opens and its project.
template <class Check> void ForEachOpenedProject(const Check& check)
{
    for (const std::filesystem::path& file : TestDataProjects())
    {
        const std::string text = ReadHostFile(file);
        ProjectStore store;
        if (store.RestoreProject(std::vector<BYTE>(text.begin(), text.end())))
            check(file, *store.GetProject());
    }
}
} // namespace

TEST(TogetherDeletionTest, EachKindDeletedTogetherSavesTheBytesOfItsDeletionsOneByOne)
{
    const ScriptedMessageBoxes boxes;
    const ScopedArchiveVersion version{CurrentVersion()};
    std::size_t opened = 0;
    std::map<std::string, std::size_t> deleted;
    for (const std::filesystem::path& file : TestDataProjects())
    {
        const std::string text = ReadHostFile(file);
        const std::vector<BYTE> bytes(text.begin(), text.end());
        for (const TogetherKind& kind : togetherKinds)
        {
            for (const bool open : {false, true})
            {
                const auto oneByOne = SavedAfter(bytes, kind, false, open);
                if (!oneByOne)
                    break;
                const auto together = SavedAfter(bytes, kind, true, open);
                ASSERT_TRUE(together);
                EXPECT_TRUE(together->first == oneByOne->first)
                    << file << ": " << kind.name << (open ? " (open)" : "");
                deleted[kind.name] += oneByOne->second;
                opened += kind.name == togetherKinds[0].name && !open ? 1 : 0;
            }
        }
    }
    // Some files are refused on purpose; most open, with entities of every kind among them.
    EXPECT_GT(opened, 10u);
    for (const TogetherKind& kind : togetherKinds)
        EXPECT_GT(deleted[kind.name], 0u) << kind.name;
}

// Deleting tables together asks only the reports the index gives for a table: in every project
// file of the test data that opens, those are the reports built on it, and a report it does not
// give keeps its groups when the table's are dropped.
TEST(TogetherDeletionTest, TheReportIndexGivesEveryReportATableTakesOrThinsOut)
{
    const ScriptedMessageBoxes boxes;
    std::size_t built = 0;
    ForEachOpenedProject(
        [&built](const std::filesystem::path& file, ForgeonProject& project)
        {
            const std::vector<Module*>& modules = project.GetModules();
            const Module::ReportsByTable index = Module::IndexReportsByTable(modules);
            for (const Module* module : modules)
            {
                std::vector<Table*> tables;
                module->GetAllTables(tables);
                for (const Table* table : tables)
                {
                    const GoingPages all = Module::FindReportsOnTable(modules, table);
                    EXPECT_EQ(Module::FindReportsOnTable(modules, table, &index).reports,
                              all.reports)
                        << file << ": " << table->GetTableName().GetString();
                    built += all.reports.size();
                    const auto given = index.find(table);
                    for (const Module* each : modules)
                    {
                        for (ApplicationReport* report : each->GetReports())
                        {
                            if (given != index.end() && Contains(given->second, report))
                                continue;
                            const std::size_t groups = report->GetReportGroups().size();
                            report->DeleteGroupsShowingOnly(table);
                            EXPECT_EQ(report->GetReportGroups().size(), groups)
                                << file << ": " << report->GetFormName().GetString();
                        }
                    }
                }
            }
        });
    EXPECT_GT(built, 0u);
}

// The users a deletion of tables indexes are listed again for each table through the lists the
// index says they stand in: in every project file of the test data that opens, each table's
// users list what a walk of every list gives, in the same order.
TEST(TogetherDeletionTest, TheIndexedUsersListWhatAWalkOfEveryListGives)
{
    const ScriptedMessageBoxes boxes;
    std::size_t listed = 0;
    ForEachOpenedProject(
        [&listed](const std::filesystem::path& file, ForgeonProject& project)
        {
            std::vector<Table*> tables;
            for (const Module* module : project.GetModules())
                module->GetAllTables(tables);
            ReferenceList::Targets targets;
            for (const Table* table : tables)
            {
                targets.insert(table);
                targets.merge(Module::FieldTargets(table->GetFields()));
            }
            TableUsersIndex index;
            for (Module* module : project.GetModules())
                module->IndexUsers(targets, index.users, index.referrers);
            for (const Table* table : tables)
            {
                ReferenceList::Targets tableAndFields(table->GetFields().begin(),
                                                      table->GetFields().end());
                tableAndFields.insert(table);
                std::unordered_set<const void*> among;
                for (const void* target : tableAndFields)
                {
                    if (const auto found = index.users.find(target); found != index.users.end())
                        among.insert(found->second.begin(), found->second.end());
                }
                // The checks walk the functions of these classes alone.
                Module::ClassSet functionClasses;
                ASSERT_TRUE(Module::ReferrerKindsAmong(among, index.referrers, functionClasses));
                for (Module* module : project.GetModules())
                {
                    for (const Class* dataClass : module->GetClasses())
                    {
                        for (const Function* function : dataClass->GetFunctions())
                            EXPECT_TRUE(!among.contains(function) ||
                                        functionClasses.contains(dataClass))
                                << file << ": " << function->GetFieldName().GetString();
                    }
                    ReferenceList walked(tableAndFields, ReferenceList::MenuMaps::skipped);
                    module->ListReferences(walked, among);
                    ReferenceList indexed(tableAndFields, ReferenceList::MenuMaps::skipped);
                    module->ListReferences(indexed, among, index.referrers);
                    EXPECT_EQ(indexed.UsersOf(tableAndFields), walked.UsersOf(tableAndFields))
                        << file << ": " << table->GetTableName().GetString();
                    listed += walked.UsersOf(tableAndFields).size();
                }
            }
        });
    EXPECT_GT(listed, 0u);
}
