#include "shell/logic/ThemeSelection.h"
#include "gen_web/ProjectFolder.h"
#include "tests/shell/logic/ProgramFolderFixture.h"

namespace fs = std::filesystem;

namespace
{
// Two themes, the first with two schemes; a file whose name holds "UI" outside the UI folder.
class ThemeSelectionTest : public ProgramFolderFixture
{
protected:
    ThemeSelectionTest()
    {
        for (const char* file :
             {"themes/classic/blue/a.jpg", "themes/classic/blue/UI/Blue.master",
              "themes/classic/blue/CSS/blue.css", "themes/classic/blue/GUIDE.txt",
              "themes/classic/green/b.jpeg", "themes/classic/green/UI/Green.master",
              "themes/modern/dark/c.jpg", "themes/modern/dark/ui/Dark.master"})
            Write(Bin(file), file);
        project.SetProjectName("Shop");
        project.SetProjectPath(folder.ModelPath() + "\\");
        Settings().SetThemeName("classic");
        Settings().SetColorSchemeName("blue");
    }

    CString Picture(const char* relative) const { return BinFolder() + "\\themes\\" + relative; }
    fs::path Output(const char* relative) const { return folder.Path() / "Shop/Shop" / relative; }

    ThemeSelection Loaded()
    {
        ThemeSelection selection(project, BinFolder());
        selection.Load();
        return selection;
    }
};

TEST_F(ThemeSelectionTest, EachThemeIsListedOnceWithTheSchemesOfTheFirstAndTheCurrentScheme)
{
    ThemeSelection selection = Loaded();
    EXPECT_EQ(selection.Themes(),
              (std::vector<ThemePicture>{{Picture("classic\\blue\\a.jpg"), "classic"},
                                         {Picture("modern\\dark\\c.jpg"), "modern"}}));
    EXPECT_EQ(selection.Schemes(),
              (std::vector<ThemePicture>{{Picture("classic\\blue\\a.jpg"), "blue"},
                                         {Picture("classic\\green\\b.jpeg"), "green"}}));
    EXPECT_FALSE(selection.Preview().has_value());
    EXPECT_EQ(selection.Current(), (ThemePicture{Picture("classic\\blue\\a.jpg"), "classic/blue"}));

    selection.SelectTheme(1);
    EXPECT_EQ(selection.Schemes(),
              (std::vector<ThemePicture>{{Picture("modern\\dark\\c.jpg"), "dark"}}));
    selection.SelectScheme(0);
    EXPECT_EQ(selection.Preview(), (ThemePicture{Picture("modern\\dark\\c.jpg"), "modern/dark"}));
    // Without a confirmation nothing is chosen.
    boxes.Answer(IDCANCEL);
    EXPECT_FALSE(selection.Select());
    EXPECT_EQ(Settings().GetThemeName(), "classic");
    EXPECT_FALSE(fs::exists(Output("Themes/UI/Dark.master")));
}

TEST_F(ThemeSelectionTest, SelectAsksThenMakesTheSchemeTheProjectsAndReplacesItsThemeFiles)
{
    ThemeSelection selection = Loaded();
    EXPECT_FALSE(selection.Select()) << "no scheme clicked";
    EXPECT_TRUE(boxes.Shown().empty());

    Write(Output("Themes/UI/Green.master"), "the project's own");
    selection.SelectScheme(1);
    boxes.Answer(IDOK);
    ASSERT_TRUE(selection.Select());
    ASSERT_EQ(Messages(), std::vector<std::string>{"By continuing, your changes (if any) to "
                                                   "theme/scheme will be overwritten.\n Do you "
                                                   "wish to continue?"});
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(Settings().GetThemeName(), "classic");
    EXPECT_EQ(Settings().GetColorSchemeName(), "green");
    EXPECT_EQ(Settings().GetMasterPageFile(), "Green.master");
    EXPECT_EQ(selection.Current(),
              (ThemePicture{Picture("classic\\green\\b.jpeg"), "classic/green"}));
    EXPECT_EQ(Read(Output("Themes/UI/Green.master")), "themes/classic/green/UI/Green.master");

    // A UI folder in another case counts; a file whose own name holds "UI" does not.
    selection.SelectTheme(0);
    selection.SelectScheme(0);
    boxes.Answer(IDOK);
    ASSERT_TRUE(selection.Select());
    EXPECT_TRUE(fs::exists(Output("Themes/UI/Blue.master")));
    EXPECT_TRUE(fs::exists(Output("includes/CSS/blue.css")));
    EXPECT_FALSE(fs::exists(Output("Themes/UI/GUIDE.txt")));
    selection.SelectTheme(1);
    selection.SelectScheme(0);
    boxes.Answer(IDOK);
    ASSERT_TRUE(selection.Select());
    EXPECT_TRUE(fs::exists(Output("Themes/UI/Dark.master")));
}

TEST_F(ThemeSelectionTest, ALibraryWithoutPicturesLeavesTheDefaultThemeAsItWas)
{
    fs::remove_all(Bin("themes"));
    Write(Bin("themes/plain/one/UI/Plain.master"), "master");
    Settings().SetThemeName("theme1");
    Settings().SetColorSchemeName("scheme1");
    ApplyDefaultTheme(project, BinFolder());
    EXPECT_EQ(Settings().GetThemeName(), "theme1");
    EXPECT_EQ(Settings().GetColorSchemeName(), "scheme1");
    EXPECT_EQ(Settings().GetMasterPageFile(), "Plain.master");
    EXPECT_TRUE(Loaded().Themes().empty());
}
} // namespace
