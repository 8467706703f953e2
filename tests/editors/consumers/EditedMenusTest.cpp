#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/GenerationReport.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/editors/logic/ScriptedMenuHost.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/UtilLibrary.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
namespace fs = std::filesystem;

// The designed library project edited through the menu pages: "Library Desk" under the module's
// menu opening the author form, the role "Librarian" given it, and the publisher form's page
// given the module's menu again with the author id passed on.
struct EditedMenus
{
    explicit EditedMenus(const CString& path) : designed(path)
    {
        ForgeonProject& project = designed.project;
        Module& base = *project.GetBaseModule();
        top = base.GetMenuAt(0);
        author = base.FindMasterFormByName("author_form")->GetAspFileAt(0);
        publisher = base.FindMasterFormByName("publisher_form")->GetAspFileAt(0);

        ScriptedMenuHost host;
        host.project = &project;
        MenuEditor editor(project, host);
        editor.LoadMenu(top);
        MenuCreation& menus = editor.Menus();
        host.childName = "Library Desk";
        menus.Click(menus.Tree().FindItemOf(top->GetId()));
        menus.AddSubMenu();
        desk = top->FindSubMenuByName("Library Desk");
        host.fileToAssign = author;
        menus.Click(menus.Tree().FindItemOf(desk->GetId()));
        menus.AttachFile();

        librarian = new Designation(TRUE);
        librarian->SetName("Librarian");
        base.Append(librarian);
        editor.OnPageSelected(MenuEditor::rolesPage);
        MenuDesignation& roles = editor.Roles();
        roles.ChooseRole(static_cast<int>(base.GetDesignations().size()) - 1);
        roles.Tree().At(roles.Tree().FindItemOf(desk->GetId())).checked = true;
        roles.Assign();

        editor.OnPageSelected(MenuEditor::filesPage);
        MenuInterfaceFiles& files = editor.Files();
        const int publisherIndex =
            static_cast<int>(std::ranges::find(base.GetMasterForms(), publisher->GetOwnerPage()) -
                             base.GetMasterForms().begin());
        files.ChooseType(0);
        files.ChoosePage(publisherIndex);
        files.SelectFile();
        ScriptedMessageBoxes yes{IDYES};
        files.Remove();
        host.topMenu = top;
        files.Assign();
        MenuParameterMapping mapping(*publisher, true);
        mapping.Load();
        const std::vector<CString>& leaves = mapping.Controls().GetItems(1248);
        mapping.Controls().Select(
            1248, static_cast<int>(std::ranges::find(leaves, "Library Desk") - leaves.begin()));
        mapping.SelectMenu();
        mapping.SelectRow(0);
        mapping.Controls().Select(MenuParameterMapping::IDC_FILE_VARIABLES, 0);
        mapping.Map();
    }

    DesignedProject designed;
    Menu* top = nullptr;
    Menu* desk = nullptr;
    AspFile* author = nullptr;
    AspFile* publisher = nullptr;
    Designation* librarian = nullptr;
};
} // namespace

// Menus.cs holds the new item for the role on the page that shows the menu, and compiles with
// the Util classes.
TEST(EditedMenus, MenusCompileWithTheNewItemTheRoleAndTheTopMenu)
{
    TempFolder folder;
    EditedMenus edited(folder.ModelPath());
    ASSERT_NE(edited.desk, nullptr);
    EXPECT_EQ(edited.desk->GetAspFile(), edited.author);
    EXPECT_EQ(edited.librarian->GetMenus(), (std::vector<Menu*>{edited.desk, edited.top}));
    EXPECT_EQ(edited.publisher->GetTopMenu(), edited.top);
    const MenuVariableMap* map = edited.publisher->FindTopMenuVariableMap(edited.desk);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->GetVariablePairs().size(), 1u);

    GenerationReport report;
    ProjectWriterSet writers(edited.designed.project, report);
    WriteUtilClasses(writers);
    ASSERT_TRUE(report.IsEmpty()) << report.GetText();
    const fs::path application = folder.Path() / "Library" / "Library";
    const std::string menus = ReadHostFile(application / "Util" / "Menus.cs");
    CString librarianId;
    librarianId.Format("%d", edited.librarian->GetId());
    CString itemId;
    itemId.Format("Menu1n%d", edited.desk->GetId());
    for (const std::string& expected :
         {std::string("new MenuItem(\"Library Desk\", null, null, \"") +
              std::string(edited.author->GetRelativeUrl(TRUE, FALSE)) + "\")",
          std::string("{\"") + std::string(librarianId) + "\", \"" +
              std::string(edited.author->GetDefaultFileName()) + "\"}",
          std::string("{\"") + std::string(librarianId) + "\", \"" +
              std::string(edited.publisher->GetDefaultFileName()) +
              "\", \"BASEMODULEMENU_LIBRARIAN\"}",
          std::string(itemId)})
        EXPECT_NE(menus.find(expected), std::string::npos) << expected << "\n" << menus;
    const ToolResult library = CompileUtilLibrary(application);
    EXPECT_EQ(library.exitCode, 0) << library.output;
}

// The edited project saves, loads and saves again to the same bytes.
TEST(EditedMenus, TheProjectRoundTripsToTheSameBytes)
{
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    ProjectStore store;
    {
        EditedMenus edited(folder.ModelPath());
        ASSERT_TRUE(store.ArchiveProject(&edited.designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    const Module& base = *store.GetProject()->GetBaseModule();
    const Menu* desk = base.GetMenuAt(0)->FindSubMenuByName("Library Desk");
    ASSERT_NE(desk, nullptr);
    EXPECT_NE(desk->GetAspFile(), nullptr);
    EXPECT_TRUE(base.FindDesignationByName("Librarian")->HasMenu(desk));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    EXPECT_EQ(ReadHostFile(first), ReadHostFile(second));
}
