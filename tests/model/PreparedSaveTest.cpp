#include "entities/AspFile.h"
#include "entities/Form.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/RDLCCreator.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Where two files part, for the failure message.
std::string FirstDifference(const std::string& left, const std::string& right)
{
    const auto parted = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
    return "sizes " + std::to_string(left.size()) + " and " + std::to_string(right.size()) +
           ", first difference at " + std::to_string(parted.first - left.begin());
}

// The store's project prepared as Write All prepares it and saved; that file loads and saves to
// the same bytes, and the next Write All's preparation of it changes nothing.
void ExpectPreparedSaveLoadsAsSaved(ProjectStore& store, const fs::path& folder)
{
    ForgeonProject* project = store.GetProject();
    if (project->GetProjectName().IsEmpty())
        project->SetProjectName("Shop");
    project->PrepareForWriteAll();
    const fs::path prepared = folder / "prepared.wvt";
    const fs::path reloaded = folder / "reloaded.wvt";
    const fs::path again = folder / "again.wvt";
    ASSERT_TRUE(store.ArchiveProject(project, prepared.c_str(), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, prepared.c_str(), TRUE));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), reloaded.c_str(), FALSE));
    store.GetProject()->PrepareForWriteAll();
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), again.c_str(), FALSE));
    const std::string saved = ReadHostFile(prepared);
    for (const fs::path& next : {reloaded, again})
    {
        const std::string bytes = ReadHostFile(next);
        EXPECT_TRUE(saved == bytes) << next.filename() << ": " << FirstDifference(saved, bytes);
    }
}
} // namespace

TEST(PreparedSaveTest, EveryLoadableFileSavesAfterWriteAllsPreparationAsItLoads)
{
    const std::vector<fs::path> files = ProjectFilesBelow(WEAVO_TEST_DATA);
    ASSERT_GE(files.size(), 29u);
    TempFolder folder;
    ScopedArchiveVersion version{CurrentVersion()};
    int prepared = 0;
    for (const fs::path& path : files)
    {
        SCOPED_TRACE(path.string());
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        if (!store.ArchiveProject(nullptr, path.c_str(), TRUE))
            continue;
        ++prepared;
        ExpectPreparedSaveLoadsAsSaved(store, folder.Path());
    }
    EXPECT_LE(15, prepared);
}

// Projects of many shapes, some of their tables with pages but no data class yet, as Write All
// finds them: saved and opened again, and the new project never saved.
TEST(PreparedSaveTest, NewProjectsSaveAfterWriteAllsPreparationAsTheyLoad)
{
    const struct
    {
        const char* name;
        std::function<void(ForgeonProject&)> fill;
        bool opened = true;
    } shapes[] = {
        {"new project", [](ForgeonProject&) {}, false},
        {"new project opened", [](ForgeonProject&) {}},
        {"table with its default pages",
         [](ForgeonProject& project)
         {
             Table* item = NewTable("item", Table::masterKind, {"name", "price"});
             project.GetBaseModule()->AddTable(item);
             TableFormCreator(item, &project).CreateAll();
         }},
        {"form without a class, its table referring to a table with a class",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* member = NewTable("member", Table::masterKind, {"name"});
             base.AddTable(member);
             TableFormCreator(member, &project).CreateForm();
             Table* guest = NewTable("guest", Table::masterKind, {"title"});
             AddVarcharField(guest, "member", member->GetPrimaryKeyField());
             base.AddTable(guest);
             AddFormWithoutDefaults(base, guest, "guest_form");
         }},
        {"forms without classes referring to each other's tables",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* city = NewTable("city", Table::masterKind, {"label"});
             Table* street = NewTable("street", Table::masterKind, {"label"});
             AddVarcharField(street, "city", city->GetPrimaryKeyField());
             AddVarcharField(street, "twin", city->GetPrimaryKeyField());
             base.AddTable(city);
             base.AddTable(street);
             AddFormWithoutDefaults(base, street, "street_form");
             AddFormWithoutDefaults(base, city, "city_form");
         }},
        {"RDLC report of a table whose form has no class",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* part = NewTable("part", Table::masterKind, {"label", "weight"});
             base.AddTable(part);
             AddFormWithoutDefaults(base, part, "part_form");
             RDLCCreator(part, &project).CreateReport();
         }},
        {"master-detail page without classes",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* order = NewTable("order_basic", Table::masterDetailKind, {"note"});
             Table* line = NewTable("order_detail", Table::masterDetailKind, {"item"});
             AddVarcharField(line, "order_id", order->GetPrimaryKeyField());
             base.AddTable(order);
             base.AddTable(line);
             base.AddTransaction(NewTransaction("order", order, line), true);
         }},
        {"master-detail page as its creator makes it, with reports",
         [](ForgeonProject& project)
         {
             Table* ship = NewTable("ship_basic", Table::masterDetailKind, {"note"});
             project.GetBaseModule()->AddTable(ship);
             TransactionDataCreator(ship, &project).CreateAll();
         }},
        {"second module whose form has no class and refers to the base module",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* shop = NewTable("shop", Table::masterKind, {"name"});
             base.AddTable(shop);
             TableFormCreator(shop, &project).CreateAll();
             Module* sales = project.AddNewModule();
             project.SetCurrentModule(sales);
             Table* sale = NewTable("sale", Table::masterKind, {"note"});
             AddVarcharField(sale, "shop", shop->GetPrimaryKeyField());
             sales->AddTable(sale);
             AddFormWithoutDefaults(*sales, sale, "sale_form");
             RDLCCreator(sale, &project).CreateReport();
             for (AspFile* file : sales->GetMasterForms().at(0)->GetAspFiles())
                 file->SetTitle("");
         }},
        {"base module's table with a form in the second module",
         [](ForgeonProject& project)
         {
             Table* stock = NewTable("stock", Table::masterKind, {"count"});
             project.GetBaseModule()->AddTable(stock);
             Module* store = project.AddNewModule();
             project.SetCurrentModule(store);
             AddFormWithoutDefaults(*store, stock, "stock_form");
         }},
    };
    TempFolder folder;
    ScopedArchiveVersion version{CurrentVersion()};
    for (const auto& shape : shapes)
    {
        SCOPED_TRACE(shape.name);
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        ForgeonProject& project = *store.GetProject();
        project.InitNewProject();
        LoginPageCreator().Create();
        shape.fill(project);
        const fs::path made = folder.Path() / "made.wvt";
        if (shape.opened)
        {
            ASSERT_TRUE(store.ArchiveProject(&project, made.c_str(), FALSE));
            ASSERT_TRUE(store.ArchiveProject(nullptr, made.c_str(), TRUE));
        }
        ExpectPreparedSaveLoadsAsSaved(store, folder.Path());
    }
}
