#include "entities/Class.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The classes of every module that are bound to no table.
int UnboundClasses(const ForgeonProject& project)
{
    int count = 0;
    for (const Module* module : project.GetModules())
        for (const Class* dataClass : module->GetClasses())
            count += dataClass->GetTable() == nullptr ? 1 : 0;
    return count;
}
} // namespace

// A deleted table's classes, in its own module and in another, leave the class lists as a read of
// the saved project leaves them out: the project saves, loads and saves to the same bytes.
TEST(DeletedTableClassesTest, ADeletedTablesClassesLeaveTheClassListsAsAReadLeavesThem)
{
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    ProjectStore store;
    {
        ForgeonProject made;
        ScopedOpenProject open(&made);
        made.InitNewProject();
        made.SetProjectPath(folder.ModelPath());
        Module* sales = made.AddNewModule();
        Table* customer = NewTable("customer", Table::masterKind, {"name"});
        sales->AddTable(customer);
        sales->GetClassForTable(customer, /*create=*/true);
        made.GetBaseModule()->GetClassForTable(customer, /*create=*/true);
        ASSERT_TRUE(store.ArchiveProject(&made, folder.ModelPath("made.wvt"), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, folder.ModelPath("made.wvt"), TRUE));
    {
        ForgeonProject* project = store.GetProject();
        ScopedOpenProject open(project);
        Table* customer = project->FindTableByName("customer");
        ASSERT_NE(customer, nullptr);
        ASSERT_TRUE(project->DeleteTable(customer));
        EXPECT_EQ(UnboundClasses(*project), 0);
        for (const Module* module : project->GetModules())
            EXPECT_EQ(module->FindClassByName("_customer"), nullptr)
                << module->GetName().GetString();
        ASSERT_TRUE(store.ArchiveProject(project, folder.ModelPath("deleted.wvt"), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, folder.ModelPath("deleted.wvt"), TRUE));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), folder.ModelPath("again.wvt"), FALSE));
    const std::string deleted = ReadHostFile(ToHostPath(folder.ModelPath("deleted.wvt")));
    const std::string again = ReadHostFile(ToHostPath(folder.ModelPath("again.wvt")));
    EXPECT_TRUE(again == deleted) << FirstDifference(
        std::vector<BYTE>(again.begin(), again.end()),
        std::vector<BYTE>(deleted.begin(), deleted.end()));
}
