#include "gen_web/ProjectFolder.h"
#include "platform/core/HostPath.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// A project "Shop" in a temp folder beside a program folder "bin" of its own.
class ProjectFolderTest : public ::testing::Test
{
protected:
    fs::path Out(const char* relative) const { return m_fixture.Root() / "Shop/Shop" / relative; }
    fs::path Bin(const char* relative) const { return m_fixture.Root() / "bin" / relative; }
    CString BinFolder() const { return m_fixture.Temp().ModelPath("bin"); }

    // The files below the folder, as relative paths in name order.
    static std::vector<std::string> FilesBelow(const fs::path& folder)
    {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
        {
            if (entry.is_regular_file())
                files.push_back(fs::relative(entry.path(), folder).string());
        }
        std::ranges::sort(files);
        return files;
    }

    GenWebProject m_fixture;
};

TEST_F(ProjectFolderTest, SetUpCopiesEachSupportFileIntoItsOwnMirrorAndKeepsProjectFiles)
{
    for (const char* file : {"KestraneWeavoFiles/root.txt", "KestraneWeavoFiles/a/inner.txt",
                             "KestraneWeavoFiles/a/b/deep.txt", "KestraneWeavoFiles/a/z.txt",
                             "KestraneWeavoFiles/includes/JS/Ajax.js"})
        WriteHostFile(Bin(file), "support");
    WriteHostFile(Out("a/z.txt"), "the project's own");
    const CString path = m_fixture.Temp().ModelPath("new\\deep\\");
    m_fixture.Project().GetProjectSettings()->SetProjectPath(path);
    fs::remove_all(m_fixture.Root() / "new");

    SetUpProjectFolder(m_fixture.Project(), BinFolder());

    const fs::path output = m_fixture.Root() / "new/deep/Shop/Shop";
    EXPECT_EQ((std::vector<std::string>{"a/b/deep.txt", "a/inner.txt", "a/z.txt",
                                        "includes/JS/Ajax.js", "root.txt"}),
              FilesBelow(output));
    for (const char* folder : {"uploadedData", "Themes/UI", "../_modifiedCode"})
        EXPECT_TRUE(fs::is_directory(output / folder)) << folder;

    SetUpProjectFolder(m_fixture.Project(), BinFolder());
    WriteHostFile(output / "a/z.txt", "changed in the project");
    SetUpProjectFolder(m_fixture.Project(), BinFolder());
    EXPECT_EQ("changed in the project", ReadHostFile(output / "a/z.txt"));

    // A kept file with another name stays; a dangling link is replaced, its target not made.
    fs::create_hard_link(output / "a/z.txt", m_fixture.Root() / "other-name.txt");
    fs::remove(output / "root.txt");
    fs::create_symlink(m_fixture.Root() / "elsewhere.txt", output / "root.txt");
    EXPECT_TRUE(SetUpProjectFolder(m_fixture.Project(), BinFolder()).IsEmpty());
    EXPECT_EQ("changed in the project", ReadHostFile(output / "a/z.txt"));
    EXPECT_FALSE(fs::is_symlink(output / "root.txt"));
    EXPECT_EQ("support", ReadHostFile(output / "root.txt"));
    EXPECT_FALSE(fs::exists(m_fixture.Root() / "elsewhere.txt"));
}

TEST_F(ProjectFolderTest, ModifiedFilesReplaceGeneratedOnesInTheirOwnFolders)
{
    WriteHostFile(m_fixture.Root() / "Shop/_modifiedCode/Web.config", "mine");
    WriteHostFile(m_fixture.Root() / "Shop/_modifiedCode/M/UI/Page.aspx", "my page");
    WriteHostFile(m_fixture.Root() / "Shop/_modifiedCode/M/z.txt", "after the folder");
    WriteHostFile(Out("Web.config"), "generated");
    WriteHostFile(Out("M/UI/Page.aspx"), "generated");

    GenerationReport report;
    EXPECT_EQ(1, ReplaceModifiedFiles(&m_fixture.Project(), report).Run());
    EXPECT_TRUE(report.IsEmpty()) << report.GetText();

    EXPECT_EQ("mine", ReadHostFile(Out("Web.config")));
    EXPECT_EQ("my page", ReadHostFile(Out("M/UI/Page.aspx")));
    EXPECT_EQ("after the folder", ReadHostFile(Out("M/z.txt")));
    EXPECT_FALSE(fs::exists(Out("M/UI/z.txt")));
}

// The names and reasons of the files the report holds.
std::vector<std::string> UnwrittenOf(const GenerationReport& report)
{
    std::vector<std::string> lines;
    for (const GenerationReport::Entry& entry : report.GetUnwrittenFiles())
        lines.push_back((entry.name + " (" + entry.reason + ")").GetString());
    return lines;
}

TEST_F(ProjectFolderTest, CopiesThatCannotBeMadeAreNamedAndLeaveNoPartOfAFile)
{
    const std::string big(256 * 1024, 'x');
    WriteHostFile(m_fixture.Root() / "Shop/_modifiedCode/Web.config", big);
    WriteHostFile(m_fixture.Root() / "Shop/_modifiedCode/M/Page.aspx", "my page");
    WriteHostFile(Out("Web.config"), "generated");
    WriteHostFile(Out("M"), "a file where the folder goes");
    WriteHostFile(Bin("KestraneWeavoFiles/big.js"), big);
    WriteHostFile(Bin("KestraneWeavoFiles/small.js"), "small");
    const CString output = GetOutputRoot(m_fixture.Project());
    GenerationReport modified;
    GenerationReport support;
    {
        const ScopedFileSizeLimit fullDisk(64 * 1024);
        ReplaceModifiedFiles(&m_fixture.Project(), modified).Run();
        support = SetUpProjectFolder(m_fixture.Project(), BinFolder());
    }
    EXPECT_EQ(UnwrittenOf(modified),
              (std::vector<std::string>{(output + "M\\Page.aspx (Not a directory)").GetString(),
                                        (output + "Web.config (File too large)").GetString()}));
    EXPECT_EQ(ReadHostFile(Out("Web.config")), "generated");
    EXPECT_EQ(UnwrittenOf(support),
              std::vector<std::string>{(output + "big.js (File too large)").GetString()});
    EXPECT_FALSE(fs::exists(Out("big.js")));
    EXPECT_EQ(ReadHostFile(Out("small.js")), "small");

    // With room a later run copies what is missing.
    EXPECT_TRUE(SetUpProjectFolder(m_fixture.Project(), BinFolder()).IsEmpty());
    EXPECT_TRUE(ReadHostFile(Out("big.js")) == big);
}

TEST_F(ProjectFolderTest, ModuleCopyReplacesTheOldNameOnlyBelowTheOutputRoot)
{
    GenWebProject sales;
    sales.Project().SetProjectName("Sales");
    sales.Project().GetProjectSettings()->SetProjectPath(sales.Temp().ModelPath("Sales\\"));
    const fs::path output = sales.Root() / "Sales/Sales/Sales";
    WriteHostFile(output / "Sales/root.cs", "root");
    WriteHostFile(output / "Sales/Sales/nested.cs", "nested");
    WriteHostFile(output / "Sales/UI/Sales.aspx", "page");
    WriteHostFile(output / "Orders/UI/Sales.aspx", "old copy");

    GenerationReport report;
    GuardProjectFolder(report, sales.Project());
    EXPECT_EQ(1, ModuleEnumerateFolders(&sales.Project(), "Orders", "Sales", report).Run());
    EXPECT_TRUE(report.IsEmpty()) << report.GetText();

    EXPECT_EQ((std::vector<std::string>{"Orders/nested.cs", "UI/Sales.aspx", "root.cs"}),
              FilesBelow(output / "Orders"));
    EXPECT_EQ("page", ReadHostFile(output / "Orders/UI/Sales.aspx"));
    EXPECT_EQ("nested", ReadHostFile(output / "Orders/Orders/nested.cs"));
    EXPECT_EQ("root", ReadHostFile(output / "Orders/root.cs"));
    EXPECT_EQ(3u, FilesBelow(output / "Sales").size());
    EXPECT_FALSE(fs::exists(sales.Root() / "Orders"));
}

TEST_F(ProjectFolderTest, ThemesCollectPicturesAndCopyUiAndCssFiles)
{
    const fs::path scheme = Bin("themes/theme1/GUIscheme");
    for (const char* file : {"a.JPG", "b.jpeg", "c.png", "UI/Site.master", "CSS/Style.css"})
        WriteHostFile(scheme / file, "theme");
    const CString schemeFolder = m_fixture.Temp().ModelPath("bin\\themes\\theme1\\GUIscheme\\");

    ThemesEnumerateFolders pictures(&m_fixture.Project(), ".jpg", /*copy=*/false,
                                    /*overwrite=*/false);
    pictures.Walk(schemeFolder);
    EXPECT_EQ((std::vector<CString>{schemeFolder + "a.JPG", schemeFolder + "b.jpeg"}),
              pictures.GetCollectedFiles());
    EXPECT_FALSE(fs::exists(Out("Themes/UI/Site.master")));

    WriteHostFile(Out("includes/CSS/Style.css"), "the project's own");
    ThemesEnumerateFolders keep(&m_fixture.Project(), "", /*copy=*/true, /*overwrite=*/false);
    keep.Walk(schemeFolder);
    EXPECT_TRUE(keep.GetCollectedFiles().empty());
    EXPECT_EQ((std::vector<std::string>{"Themes/UI/Site.master", "includes/CSS/Style.css"}),
              FilesBelow(Out("")));
    EXPECT_EQ("the project's own", ReadHostFile(Out("includes/CSS/Style.css")));

    ThemesEnumerateFolders replace(&m_fixture.Project(), "", /*copy=*/true, /*overwrite=*/true);
    replace.Walk(schemeFolder);
    EXPECT_EQ("theme", ReadHostFile(Out("includes/CSS/Style.css")));
}

// Only the scheme that the settings name is copied, its existing files kept; settings without a
// theme or a scheme copy nothing.
TEST_F(ProjectFolderTest, ProjectThemeCopiesTheSchemeOfTheSettings)
{
    for (const char* file :
         {"themes/theme1/scheme1/UI/Main.Master", "themes/theme1/scheme1/CSS/style.css",
          "themes/theme1/scheme1/a.jpg", "themes/theme1/scheme2/UI/Other.Master",
          "themes/theme2/scheme1/CSS/x.css"})
        WriteHostFile(Bin(file), "theme");
    ProjectSettings& settings = *m_fixture.Project().GetProjectSettings();
    settings.SetThemeName("theme1");
    settings.SetColorSchemeName("");
    CopyProjectTheme(m_fixture.Project(), BinFolder());
    EXPECT_FALSE(fs::exists(Out("Themes")));
    EXPECT_FALSE(fs::exists(Out("includes")));

    settings.SetColorSchemeName("scheme1");
    WriteHostFile(Out("includes/CSS/style.css"), "the project's own");
    CopyProjectTheme(m_fixture.Project(), BinFolder());
    EXPECT_EQ((std::vector<std::string>{"Themes/UI/Main.Master", "includes/CSS/style.css"}),
              FilesBelow(Out("")));
    EXPECT_EQ("the project's own", ReadHostFile(Out("includes/CSS/style.css")));
}

TEST_F(ProjectFolderTest, EnsureFolderExistsMakesWholeChainsAndRefusesFiles)
{
    EXPECT_TRUE(EnsureFolderExists(m_fixture.Temp().ModelPath("x\\y\\z")));
    EXPECT_TRUE(fs::is_directory(m_fixture.Root() / "x/y/z"));
    EXPECT_TRUE(EnsureFolderExists(m_fixture.Temp().ModelPath("x\\y")));
    WriteHostFile(m_fixture.Root() / "file", "");
    EXPECT_FALSE(EnsureFolderExists(m_fixture.Temp().ModelPath("file")));
    EXPECT_FALSE(EnsureFolderExists(m_fixture.Temp().ModelPath("file\\below")));
}

TEST_F(ProjectFolderTest, NextFreeProjectNameSkipsExistingFoldersOnly)
{
    EXPECT_EQ(CString("Project1"), NextFreeProjectName(BinFolder()));
    fs::create_directories(Bin("Project1"));
    fs::create_directories(Bin("Project2"));
    WriteHostFile(Bin("Project3"), "a file, not a folder");
    EXPECT_EQ(CString("Project3"), NextFreeProjectName(BinFolder()));
}

// A walker that stops at the named file.
class StoppingWalker : public EnumerateFolders
{
public:
    std::vector<CString> seen;
    int OnFolder(const CString& path) override
    {
        seen.push_back(path);
        return 1;
    }
    int OnFile(const CString& path) override
    {
        seen.push_back(path);
        return path.Find("stop") < 0 ? 1 : 0;
    }
};

TEST_F(ProjectFolderTest, WalkVisitsFoldersBeforeTheirEntriesAndStopsWhenAsked)
{
    for (const char* file : {"w/a/one", "w/b/stop", "w/c/never"})
        WriteHostFile(m_fixture.Root() / file, "");
    const CString root = m_fixture.Temp().ModelPath("w\\");
    StoppingWalker walker;
    EXPECT_EQ(0, walker.Walk(root));
    EXPECT_EQ((std::vector<CString>{root + "a\\", root + "a\\one", root + "b\\", root + "b\\stop"}),
              walker.seen);
    EXPECT_EQ(1, StoppingWalker().Walk(m_fixture.Temp().ModelPath("missing")));
}
// A link inside the module's folder back to the site is not followed but named: neither the
// module's own folder nor its new one is copied again through it.
TEST_F(ProjectFolderTest, ModuleCopyThroughALinkBackToTheSiteEnds)
{
    const fs::path site = Out("");
    WriteHostFile(site / "Sales/UI/page.aspx", "page");
    WriteHostFile(site / "Web.config", "config");
    fs::create_directory_symlink(site, site / "Sales/loop");
    GenerationReport report;
    GuardProjectFolder(report, m_fixture.Project());

    EXPECT_EQ(1, ModuleEnumerateFolders(&m_fixture.Project(), "Orders", "Sales", report).Run());

    EXPECT_TRUE(report.IsEmpty()) << report.GetText();
    EXPECT_EQ((std::vector<std::string>{"UI/page.aspx"}), FilesBelow(site / "Orders"));
    ASSERT_EQ(1u, report.GetNotes().size());
    ASSERT_EQ(1u, report.GetNotes()[0].entries.size());
    EXPECT_EQ(ToHostPath(report.GetNotes()[0].entries[0].name), (site / "Sales/loop").string());
    EXPECT_EQ("a link to " + site.string(), std::string(report.GetNotes()[0].entries[0].reason));
}
} // namespace

namespace
{
// Only a folder of the module's own name is renamed: a name that holds the module's name, or a
// part of it, stays.
TEST_F(ProjectFolderTest, ModuleCopyRenamesOnlyFoldersOfTheModulesOwnName)
{
    struct Case
    {
        const char* oldName;
        const char* newName;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Data",
         "Stock",
         {"CS/Data.cs", "DataSets/Data.xsd", "Stock/nested.cs", "UI/DataList.aspx"}},
        {"S", "Sales", {"CS/Data.cs", "DataSets/Data.xsd", "S2/nested.cs", "UI/DataList.aspx"}},
    };
    const fs::path site = Out("");
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.oldName);
        const fs::path module = site / each.oldName;
        WriteHostFile(module / "CS/Data.cs", "class");
        WriteHostFile(module / "DataSets/Data.xsd", "schema");
        WriteHostFile(module / "UI/DataList.aspx", "page");
        WriteHostFile(module / (std::string(each.oldName) == "S" ? "S2" : each.oldName) /
                          "nested.cs",
                      "nested");
        GenerationReport report;
        GuardProjectFolder(report, m_fixture.Project());

        EXPECT_EQ(
            1,
            ModuleEnumerateFolders(&m_fixture.Project(), each.newName, each.oldName, report).Run());

        EXPECT_TRUE(report.IsEmpty()) << report.GetText();
        EXPECT_EQ(each.expected, FilesBelow(site / each.newName));
    }
}

// The module's folder that is itself a link is not followed but named.
TEST_F(ProjectFolderTest, ModuleCopyDoesNotFollowALinkAtTheModuleFolder)
{
    const fs::path site = Out("");
    WriteHostFile(m_fixture.Root() / "elsewhere/secret.txt", "secret");
    fs::create_directories(site);
    fs::create_directory_symlink(m_fixture.Root() / "elsewhere", site / "Sales");
    GenerationReport report;
    GuardProjectFolder(report, m_fixture.Project());

    EXPECT_EQ(1, ModuleEnumerateFolders(&m_fixture.Project(), "Orders", "Sales", report).Run());

    EXPECT_TRUE(FilesBelow(site / "Orders").empty());
    ASSERT_EQ(1u, report.GetNotes().size());
    ASSERT_EQ(1u, report.GetNotes()[0].entries.size());
    EXPECT_EQ("a link to " + (m_fixture.Root() / "elsewhere").string(),
              std::string(report.GetNotes()[0].entries[0].reason));
}
} // namespace

namespace
{
// A theme name that climbs out of the themes folder copies none of the user's files into the
// site; the copy names the refusal.
TEST_F(ProjectFolderTest, AThemeNameThatIsAPathCopiesNothing)
{
    WriteHostFile(m_fixture.Root() / "private/UI/diary.txt", "private");
    WriteHostFile(m_fixture.Root() / "private/CSS/notes.css", "private");
    ProjectSettings& settings = *m_fixture.Project().GetProjectSettings();
    settings.SetThemeName("..\\..");
    settings.SetColorSchemeName("private");
    GenerationReport report;

    CopyProjectTheme(m_fixture.Project(), BinFolder(), /*overwrite=*/false, &report);

    EXPECT_FALSE(fs::exists(Out("Themes/UI/diary.txt")));
    EXPECT_FALSE(fs::exists(Out("includes/CSS/notes.css")));
    ASSERT_EQ(1u, report.GetUnwrittenFiles().size());
    EXPECT_EQ("the theme name \"..\\..\" is refused: it holds one of * | / \\ < > ? :",
              std::string(report.GetUnwrittenFiles()[0].reason));
}
} // namespace
