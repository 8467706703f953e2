// Deleting each menu of a new project in the menu editor, as the user does: no page file of any
// page kind keeps a map of a deleted menu, and the project saves, loads and saves to the same
// bytes.
#include "editors/logic/MenuPages.h"
#include "editors/logic/TableDesigner.h"
#include "entities/AspFile.h"
#include "entities/Menu.h"
#include "model/ProjectStore.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/editors/logic/ScriptedMenuHost.h"
#include "tests/model/MenuMapChecks.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{
// The tables customer (name) and product (title, price) made in the table designer with
// "Generate Forms and Reports": each with its form, search report, RDLC report and menu items.
void DesignShopTables(ForgeonProject& project)
{
    RecordingHost host;
    TableDesigner designer(project, host);
    designer.InitialUpdate();
    ControlStates& states = designer.States();
    const auto table = [&](const char* name, std::vector<const char*> fields)
    {
        designer.LoadTable(nullptr, Table::masterKind);
        for (const char* field : fields)
        {
            states.SetText(TableDesigner::IDC_FIELD_NAME, field);
            designer.ChooseType(4);
            designer.AddOrUpdate(true);
        }
        states.SetText(TableDesigner::IDC_TABLE_NAME, name);
        designer.Ok(true);
    };
    table("Customer", {"name"});
    table("Product", {"title", "price"});
}

class MenuDeletionTest : public ::testing::Test
{
protected:
    // A new project with the shop tables, the menu at that index (none for -1) deleted in the
    // menu editor; saved, loaded and saved again. Returns the deleted menu's full name.
    std::string DeleteSaveLoadSave(int index)
    {
        ForgeonProject made;
        std::string deleted = "nothing";
        {
            ScopedOpenProject open(&made);
            made.InitNewProject();
            made.SetProjectName("Shop");
            made.SetProjectPath(m_folder.ModelPath());
            DesignShopTables(made);
            if (index >= 0)
            {
                const std::vector<Menu*> menus = AllMenus(made);
                EXPECT_LT(index, static_cast<int>(menus.size()));
                Menu* menu = menus.at(static_cast<std::size_t>(index));
                deleted = menu->GetFullName().str();
                std::vector<Menu*> subtree;
                menu->CollectSubMenus(subtree, nullptr);
                ScriptedMenuHost host;
                host.project = &made;
                MenuCreation page(made, host);
                page.ResetSelection();
                page.Refill();
                page.Click(page.Tree().FindItemOf(menu->GetId()));
                ScriptedMessageBoxes boxes{IDYES};
                page.Delete();
                EXPECT_EQ(AllMenus(made).size(), menus.size() - 1 - subtree.size()) << deleted;
            }
            EXPECT_EQ(MapsOfGoneMenus(made), std::vector<std::string>{}) << deleted;
            EXPECT_TRUE(m_store.ArchiveProject(&made, m_folder.ModelPath("made.wvt"), FALSE))
                << deleted;
        }
        ScopedOpenProject open(m_store.GetProject());
        EXPECT_TRUE(m_store.ArchiveProject(nullptr, m_folder.ModelPath("made.wvt"), TRUE))
            << deleted;
        ScopedOpenProject openLoaded(m_store.GetProject());
        EXPECT_TRUE(
            m_store.ArchiveProject(m_store.GetProject(), m_folder.ModelPath("saved.wvt"), FALSE))
            << deleted;
        EXPECT_TRUE(ReadHostFile(m_folder.Path() / "made.wvt") ==
                    ReadHostFile(m_folder.Path() / "saved.wvt"))
            << deleted;
        return deleted;
    }

    TempFolder m_folder;
    ScopedArchiveVersion m_version{CurrentVersion()};
    ProjectStore m_store;
};

TEST_F(MenuDeletionTest, EachMenuOfANewProjectDeletedSavesLoadsAndSavesToTheSameBytes)
{
    std::size_t count = 0;
    {
        ForgeonProject counted;
        ScopedOpenProject open(&counted);
        counted.InitNewProject();
        DesignShopTables(counted);
        count = AllMenus(counted).size();
    }
    std::set<std::string> deleted;
    for (int index = -1; index < static_cast<int>(count); ++index)
        deleted.insert(DeleteSaveLoadSave(index));
    for (const char* name :
         {"nothing", "BaseModuleMenu__Masters", "BaseModuleMenu_Masters__Customer",
          "BaseModuleMenu_Masters__Product", "BaseModuleMenu_Reports__Customer"})
        EXPECT_TRUE(deleted.contains(name)) << name;
}
} // namespace
