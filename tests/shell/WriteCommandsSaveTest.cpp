#include "editors/WriteAllDlg.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "model/TableFormCreator.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

#include <filesystem>
#include <functional>
#include <string>

namespace
{
// A project "Shop" saved as Shop.wvt, opened from it and saved again, writing into the temp folder:
// a second module "Sales", current, whose table "member" has its pages with empty page titles (as a
// merge brings them) beside a master-detail pair, a table "guest" in the base module that refers to
// it, with a form but no data class, and no database name: every write command finds something that
// Write All prepares.
struct SavedShop
{
    SavedShop()
    {
        ForgeonProject& project = program.Project();
        project.SetProjectName("Shop");
        project.SetProjectPath(program.folder.Path().c_str());
        PrepareProjectFolder(project);
        Module* base = project.GetBaseModule();
        Module* sales = project.AddNewModule();
        project.SetCurrentModule(sales);
        Table* member = NewTable("member", Table::masterKind, {"name"});
        sales->AddTable(member);
        TableFormCreator(member, &project).CreateAll();
        for (const Form* form : sales->GetMasterForms())
            for (AspFile* file : form->GetAspFiles())
                file->SetTitle("");
        Table* order = NewTable("orders", Table::masterDetailKind, {"note"});
        Table* line = NewTable("orderline", Table::masterDetailKind, {"qty"});
        AddVarcharField(line, "orders", order->GetFields().front());
        AddVarcharField(line, "member", member->GetFields().front());
        sales->AddTable(order);
        sales->AddTable(line);
        sales->AddTransaction(NewTransaction("order", order, line), true);
        Table* guest = NewTable("guest", Table::masterKind, {"name"});
        AddVarcharField(guest, "member", member->GetFields().front());
        base->AddTable(guest);
        AddFormWithoutDefaults(*base, guest, "guest_form");
        project.SetDatabaseName("");
        program.files.Answer(path.c_str());
        program.Command(ID_FILE_SAVE);
        // Saved again as the load leaves it.
        opened = program.Doc().OpenProjectFile(path.c_str()) && program.Doc().Save();
    }

    Module& Sales() const { return *program.Project().GetModuleAt(1); }
    Module::TreeItemHandle SalesItem() const
    {
        return program.Frame().GetTreeView()->GetProjectTree().GetModuleItem(1);
    }

    // The command of the item's context menu.
    void TreeCommand(Module::TreeItemHandle item, UINT command) const
    {
        ScriptedPopupMenus menus;
        menus.Answer(command);
        program.Frame().GetTreeView()->ShowContextMenu(static_cast<HTREEITEM>(item), CPoint(0, 0));
    }
    // The first item under the category node of the module.
    Module::TreeItemHandle FirstUnder(Module& module, int slot) const
    {
        return program.Frame().GetTreeView()->GetTreeCtrl().GetChildItem(
            static_cast<HTREEITEM>(CategoryNode(module, slot)));
    }

    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    bool opened = false;
};

// After every write command the open project is its file, and the file loads and saves to the
// same bytes: the commands that write pages prepare and save the project as Write All does, the
// script commands leave it as it was, and a save that fails leaves it as it was before.
TEST(WriteCommandsSaveTest, EveryWriteCommandLeavesTheProjectAsSaved)
{
    const struct
    {
        const char* name;
        std::function<void(SavedShop&)> run;
        bool saves;
    } commands[] = {
        {"Write All",
         [](SavedShop& shop)
         {
             shop.program.dialogs.Answer(
                 [](CDialog&, DialogDriver& user)
                 {
                     user.SetCheck(WriteAllDlg::IDC_MODIFIED_FILES, false);
                     user.PressOk();
                 });
             shop.program.Command(ID_WRITE_ALL);
         },
         true},
        {"classic Write All",
         [](SavedShop& shop)
         {
             shop.program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
             shop.program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
             shop.program.Command(ID_CLASSIC_WRITE_ALL);
         },
         true},
        {"Write Module", [](SavedShop& shop) { shop.TreeCommand(shop.SalesItem(), 20); }, true},
        {"Write Form",
         [](SavedShop& shop)
         { shop.TreeCommand(shop.FirstUnder(shop.Sales(), TreeSlot::MasterForms), 10); },
         true},
        {"Write Menu",
         [](SavedShop& shop) { shop.TreeCommand(CategoryNode(shop.Sales(), TreeSlot::Menus), 20); },
         false},
        {"Write Table Script",
         [](SavedShop& shop)
         { shop.TreeCommand(shop.FirstUnder(shop.Sales(), TreeSlot::MasterTables), 70); },
         false},
        {"SQL script", [](SavedShop& shop) { shop.program.Command(ID_SQL_QUERY); }, false},
        {"SQL scripts of the project",
         [](SavedShop& shop) { shop.program.Command(ID_PROJECT_SQL_SCRIPTS); }, false},
        {"Write Module with a read-only file",
         [](SavedShop& shop)
         {
             std::filesystem::permissions(shop.path, std::filesystem::perms::owner_read);
             shop.TreeCommand(shop.SalesItem(), 20);
             std::filesystem::permissions(shop.path, std::filesystem::perms::owner_all);
         },
         false},
    };
    for (const auto& command : commands)
    {
        SCOPED_TRACE(command.name);
        SavedShop shop;
        ASSERT_TRUE(shop.opened);
        const std::string before = ReadHostFile(shop.path);

        command.run(shop);

        EXPECT_TRUE(shop.program.Doc().IsUnchangedSinceSaved());
        EXPECT_EQ(ReadHostFile(shop.path) != before, command.saves);
        EXPECT_TRUE(ReadHostFile(shop.path) == SavedAfterLoad(shop.path));
        EXPECT_EQ(shop.program.Project().GetDatabaseName(), command.saves ? "Shop_db" : "");
    }
}
} // namespace
