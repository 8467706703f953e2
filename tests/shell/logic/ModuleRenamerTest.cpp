#include "shell/logic/ModuleRenamer.h"
#include "entities/Menu.h"
#include "model/Identifiers.h"
#include "model/ProjectNameCheck.h"
#include "tests/shell/logic/TreeFixture.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace
{
constexpr const char* kCharacterRefusal =
    "Module name cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n Please enter "
    "valid name";
} // namespace

TEST_F(TreeFixture, AModuleNameIsCheckedTheSameOnEveryRoad)
{
    Module* second = project.AddNewModule();
    const struct
    {
        const char* name;
        const char* refusal;
    } cases[] = {
        {"", "Please enter Module Name"},
        {"   ", "Please enter Module Name"},
        {"Sales Team", "Please enter Module Name without space"},
        {"Sales\\Team", kCharacterRefusal},
        {"C:Sales", kCharacterRefusal},
        {"Sales/Team", kCharacterRefusal},
        {"Sales?", kCharacterRefusal},
        {"Sales\"Team", "Module name cannot be taken: it holds \", which no folder name holds.\n"
                        "Please enter valid name"},
        {"basemodule", "A Module with this name already exists."},
        {"BASEMODULE ", "A Module with this name already exists."},
        {"  Sales  ", ""},
        {"module2", ""},
        {"Sales-Team", ""},
        {".", "\".\" and \"..\" name no folder of their own.\nPlease enter valid name"},
        {" .. ", "\".\" and \"..\" name no folder of their own.\nPlease enter valid name"},
        {"...", ""},
        {"con", "\"con\" is a name that Windows keeps for a device: no file of the site can take "
                "it. Please enter another name."},
        {"Lpt9.old", "\"Lpt9.old\" is a name that Windows keeps for a device: no file of the site "
                     "can take it. Please enter another name."},
        {"COM10", ""},
        {"Console", ""},
    };
    for (const auto& each : cases)
        EXPECT_EQ(ModuleRenamer(project, *second).Check(each.name), each.refusal) << each.name;

    // The module's dashboard page takes the name: its files must fit in a folder.
    const CString longest(std::string(228, 'm').c_str());
    EXPECT_EQ(ModuleRenamer(project, *second).Check(longest), "");
    EXPECT_EQ(ModuleRenamer(project, *second).Check(longest + "m"),
              "The name \"mmmmmmmmmmmmmmmmmmmm...mm_Dashboard\" cannot be taken: its file "
              "mmmmmmmmmmmmmmmmmmmm...mm_Dashboard"
              ".aspx.designer.cs would be 256 bytes long, longer than the 255 bytes a file "
              "name may hold.\nPlease enter another name.");

    // A module that a project brought with such a name keeps it, in any case.
    second->SetName("Aux");
    EXPECT_EQ(ModuleRenamer(project, *second).Check("AUX"), "");
    EXPECT_NE(ModuleRenamer(project, *second).Check("nul"), "");
}

TEST(CSharpIdentifierTest, NamesThatCanBeANamespace)
{
    for (const char* name : {"Sales", "_sales2", "Module_2", "classes"})
        EXPECT_TRUE(IsCSharpIdentifier(name)) << name;
    for (const char* name : {"", "2Sales", "Sales-Team", "Sales.Team", "class", "namespace"})
        EXPECT_FALSE(IsCSharpIdentifier(name)) << name;
}

TEST_F(TreeFixture, ARefusedNameIsShownAndChangesNothing)
{
    Module* second = project.AddNewModule();
    EXPECT_FALSE(ModuleRenamer(project, *second).Rename("Base:Module"));
    EXPECT_EQ(Messages(), std::vector<std::string>{kCharacterRefusal});
    EXPECT_EQ(second->GetName(), "Module2");
    EXPECT_NE(second->FindMenuByName("Module2Menu"), nullptr);
}

TEST_F(TreeFixture, ANameThatIsNoIdentifierIsWarnedOfAndMayBeTakenBack)
{
    Module* second = project.AddNewModule();
    boxes.Answer(IDCANCEL);
    EXPECT_FALSE(ModuleRenamer(project, *second).Rename("Sales-Team"));
    EXPECT_EQ(second->GetName(), "Module2");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].type, MB_OKCANCEL | MB_ICONWARNING);
    EXPECT_NE(boxes.Shown()[0].text.find("namespace"), std::string::npos);

    boxes.Answer(IDOK);
    EXPECT_TRUE(ModuleRenamer(project, *second).Rename(" Sales-Team "));
    EXPECT_EQ(second->GetName(), "Sales-Team");

    // The dashboard and its page follow such a name, and a project file holding them opens.
    EXPECT_TRUE(ModuleRenamer(project, *second).Rename("R&D.Team"));
    ASSERT_NE(second->FindDashBoardByName("R&D.Team_Dashboard"), nullptr);
    ASSERT_NE(second->FindDashBoardPageByName("R&D.Team_Dashboard"), nullptr);
    EXPECT_EQ(RefuseProjectNames(project), "");
}

TEST_F(TreeFixture, ARenamedModuleTakesItsDefaultObjectsAndOutputFolderAlong)
{
    TempFolder folder;
    project.SetProjectName("Shop");
    project.SetProjectPath((folder.Path().string() + "/").c_str());
    Module* second = project.AddNewModule();
    const std::filesystem::path output = folder.Path() / "Shop" / "Shop";
    std::filesystem::create_directories(output / "Module2" / "UI" / "Module2");
    std::ofstream(output / "Module2" / "UI" / "Module2" / "page.aspx") << "page";
    const std::filesystem::path modified = folder.Path() / "Shop" / "_modifiedCode";
    std::filesystem::create_directories(modified / "Module2" / "CS");
    std::ofstream(modified / "Module2" / "CS" / "mine.cs") << "my code";

    EXPECT_TRUE(ModuleRenamer(project, *second).Rename("Sales"));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(second->GetName(), "Sales");
    EXPECT_NE(second->FindMenuByName("SalesMenu"), nullptr);
    EXPECT_NE(second->FindDashBoardPageByName("Sales_Dashboard"), nullptr);
    // Every occurrence of the old name in the copied paths is replaced; the old folder stays.
    EXPECT_TRUE(std::filesystem::exists(output / "Sales" / "UI" / "Sales" / "page.aspx"));
    EXPECT_TRUE(std::filesystem::exists(output / "Module2" / "UI" / "Module2" / "page.aspx"));
    // The user's own code of the module keeps applying under the new name.
    EXPECT_TRUE(std::filesystem::exists(modified / "Sales" / "CS" / "mine.cs"));
    EXPECT_TRUE(std::filesystem::exists(modified / "Module2" / "CS" / "mine.cs"));

    // Its own name again changes nothing and asks nothing.
    EXPECT_TRUE(ModuleRenamer(project, *second).Rename("Sales"));
    EXPECT_TRUE(boxes.Shown().empty());
    // A change of case only is taken.
    EXPECT_TRUE(ModuleRenamer(project, *second).Rename("SALES"));
    EXPECT_EQ(second->GetName(), "SALES");
}

// Names a crafted project file may hold: each would copy the site or the project folder into
// itself. Nothing is copied and the message names the module and the reason.
TEST_F(TreeFixture, AModuleWhoseNameIsNoFolderOfItsOwnIsRenamedWithoutCopyingAnyFolder)
{
    const char* const oldNames[] = {".", "..", "", "UI\\..\\.."};
    for (int index = 0; index < 4; ++index)
    {
        const char* oldName = oldNames[index];
        SCOPED_TRACE(oldName);
        TempFolder folder;
        project.SetProjectName("Shop");
        project.SetProjectPath((folder.Path().string() + "/").c_str());
        Module* module = project.AddNewModule();
        module->SetName(oldName);
        const std::filesystem::path projectFolder = folder.Path() / "Shop";
        std::filesystem::create_directories(projectFolder / "Shop" / "UI");
        std::ofstream(projectFolder / "Shop" / "UI" / "page.aspx") << "page";
        std::filesystem::create_directories(projectFolder / "_modifiedCode");
        const std::size_t shown = boxes.Shown().size();
        const CString newName = ("Sales" + std::to_string(index)).c_str();

        EXPECT_TRUE(ModuleRenamer(project, *module).Rename(newName));

        EXPECT_EQ(module->GetName(), newName);
        // Shop, Shop/Shop, its UI folder and page, _modifiedCode.
        EXPECT_EQ(5, std::distance(std::filesystem::recursive_directory_iterator(folder.Path()),
                                   std::filesystem::recursive_directory_iterator()));
        ASSERT_EQ(shown + 1, boxes.Shown().size());
        const std::string& text = boxes.Shown().back().text;
        EXPECT_EQ(0u, text.find(std::string("The files of module \"") + oldName +
                                "\" were not all copied to its new folder."))
            << text;
        EXPECT_NE(text.find(std::string("(the module name \"") + oldName +
                            "\" is not a folder name of its own)"),
                  std::string::npos)
            << text;
    }
}
