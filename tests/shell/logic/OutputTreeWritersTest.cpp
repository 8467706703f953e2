#include "gen_classic/AspWriteAll.h"
#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "shell/logic/ModuleRenamer.h"
#include "shell/logic/ProjectProperties.h"
#include "shell/logic/ThemeSelection.h"

#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace
{
namespace fs = std::filesystem;

// The Shop project below root/a/b/c with a program folder root/bin of its own: one support file
// and one theme. A folder "outside" beside them holds the targets of planted links.
struct PlantedShop
{
    PlantedShop()
    {
        shop.Project().SetProjectPath(shop.Temp().ModelPath("a\\b\\c\\"));
        WriteHostFile(bin / "KestraneWeavoFiles" / "includes" / "JS" / "Ajax.js", "support");
        WriteHostFile(bin / "logo.png", "logo");
        for (const char* file : {"a.jpg", "UI/Blue.master", "CSS/ajaxstyle.css"})
            WriteHostFile(bin / "themes" / "classic" / "blue" / file, "theme");
        ProjectSettings& settings = *shop.Project().GetProjectSettings();
        settings.SetThemeName("classic");
        settings.SetColorSchemeName("blue");
        PrepareProjectFolder(shop.Project());
        WriteOwnDataSet(site);
        WriteHostFile(site / "Sales & Stock" / "UI" / "mine.aspx", "mine");
        WriteHostFile(outside / "target.txt", "outside");
        fs::create_directories(outside / "folder");
    }

    std::map<std::string, std::string> Outside() const { return FilesAndLinksBelow(outside); }

    // The folder moves to the target and a link to it takes its place.
    static void MoveBehindLink(const fs::path& folder, const fs::path& target)
    {
        fs::rename(folder, target);
        fs::create_directory_symlink(target, folder);
    }

    static void Link(const fs::path& path, const fs::path& target)
    {
        fs::remove_all(path);
        fs::create_directories(path.parent_path());
        fs::create_symlink(target, path);
    }

    CString BinFolder() const { return bin.c_str(); }

    ShopProject shop;
    ScriptedMessageBoxes boxes;
    const fs::path bin = shop.Root() / "bin";
    const fs::path projectFolder = shop.Root() / "a" / "b" / "c" / "Shop";
    const fs::path site = projectFolder / "Shop";
    const fs::path outside = shop.Root() / "outside";
};

// A function that writes into the output tree: where it writes, and how it runs.
struct Writer
{
    const char* name;
    // Below the project folder: a folder the writer writes files into, and one of those files.
    const char* folder;
    const char* file;
    // Runs the writer; the texts the user is shown of the run.
    std::function<std::string(PlantedShop&)> run;
};

// The shell's side of the classic Write All: it writes whatever the user may choose.
class WritingServices : public ClassicWriteServices
{
public:
    void SaveBackupCopy(const CString&) override {}
    bool SelectForWrite(const CString&, bool& writeMenus, bool& copyModifiedFiles) override
    {
        writeMenus = true;
        copyModifiedFiles = true;
        return true;
    }
    void SetStatusText(const CString&) override {}
};

std::string ShownTexts(const PlantedShop& planted)
{
    std::string texts;
    for (const std::string& text : planted.boxes.ShownTexts())
        texts += text + "\n";
    return texts;
}

const Writer writers[] = {
    {"WriteAll", "Shop/BaseModule/CS", "Shop/Web.config",
     [](PlantedShop& p)
     {
         AspxWriteAll(&p.shop.Project()).Run(nullptr, /*copyModifiedFiles=*/true);
         return ShownTexts(p);
     }},
    {"ClassicWriteAll", "../_system/scripts",
     "../_system/scripts/KestraneWeavo_PGSQL_CreateTables.sql",
     [](PlantedShop& p)
     {
         WritingServices services;
         // The PostgreSQL script goes to a folder of its own.
         p.shop.Project().SetSqlServerDatabase(0);
         AspWriteAll writeAll(&p.shop.Project(), nullptr, services);
         writeAll.SetWriteErrorsLogPath(p.shop.Temp().ModelPath("WriteErrors.txt"));
         writeAll.Run(nullptr);
         return std::string(writeAll.GetReport().GetFullText().GetString()) + ShownTexts(p);
     }},
    {"SupportFiles", "Shop/includes/JS", "Shop/includes/JS/Ajax.js",
     [](PlantedShop& p)
     {
         return std::string(
             SetUpProjectFolder(p.shop.Project(), p.BinFolder()).GetFullText().GetString());
     }},
    {"ThemeSelection", "Shop/includes/CSS", "Shop/includes/CSS/ajaxstyle.css",
     [](PlantedShop& p)
     {
         ThemeSelection selection(p.shop.Project(), p.BinFolder());
         selection.Load();
         selection.SelectTheme(0);
         selection.SelectScheme(0);
         p.boxes.Answer(IDOK);
         selection.Select();
         return ShownTexts(p);
     }},
    {"ProjectPropertiesLogo", "Shop/includes/images", "Shop/includes/images/logo.jpg",
     [](PlantedShop& p)
     {
         ProjectProperties properties(&p.shop.Project(), p.BinFolder(),
                                      [](CStringArray&) { return true; });
         properties.Load();
         properties.Edit().databaseName = "ShopData";
         properties.Edit().logoPath = (p.bin / "logo.png").c_str();
         properties.Apply();
         return ShownTexts(p);
     }},
    {"ModuleRename", "Shop/Orders/UI", "Shop/Orders/UI/mine.aspx",
     [](PlantedShop& p)
     {
         ModuleRenamer(p.shop.Project(), *p.shop.Project().GetModuleAt(1)).Rename("Orders");
         return ShownTexts(p);
     }},
};

enum class Plant
{
    linkedFolder,
    linkedFile,
    linkedRootParent,
    linkedSiteFolder,
};

struct PlantedCase
{
    const Writer* writer;
    Plant plant;
};

class OutputTreeWriters : public ::testing::TestWithParam<PlantedCase>
{
};

TEST_P(OutputTreeWriters, RefuseOrReplaceLinksBelowTheRootAndFollowTheRootsOwn)
{
    const Writer& writer = *GetParam().writer;
    PlantedShop planted;
    const fs::path folder = (planted.projectFolder / writer.folder).lexically_normal();
    const fs::path file = (planted.projectFolder / writer.file).lexically_normal();
    fs::path written = file;
    switch (GetParam().plant)
    {
    case Plant::linkedFolder:
        PlantedShop::Link(folder, planted.outside / "folder");
        break;
    case Plant::linkedFile:
        PlantedShop::Link(file, planted.outside / "target.txt");
        break;
    case Plant::linkedRootParent:
        PlantedShop::MoveBehindLink(planted.shop.Root() / "a" / "b" / "c",
                                    planted.shop.Root() / "real");
        written = (planted.shop.Root() / "real" / "Shop" / writer.file).lexically_normal();
        break;
    case Plant::linkedSiteFolder:
        PlantedShop::MoveBehindLink(planted.site, planted.shop.Root() / "served");
        if (const fs::path below = file.lexically_relative(planted.site); *below.begin() != "..")
            written = planted.shop.Root() / "served" / below;
        break;
    }
    const auto before = planted.Outside();

    const std::string shown = writer.run(planted);

    EXPECT_EQ(before, planted.Outside());
    if (GetParam().plant == Plant::linkedFolder)
    {
        EXPECT_NE(shown.find("(the folder " + folder.string() + " is a symbolic link)"),
                  std::string::npos)
            << shown;
        EXPECT_TRUE(fs::is_symlink(folder));
        return;
    }
    EXPECT_EQ(shown.find("symbolic link"), std::string::npos) << shown;
    EXPECT_FALSE(fs::is_symlink(written));
    EXPECT_TRUE(fs::is_regular_file(written)) << written;
    EXPECT_NE(ReadHostFile(written), "outside");
}

std::vector<PlantedCase> AllCases()
{
    std::vector<PlantedCase> cases;
    for (const Writer& writer : writers)
        for (Plant plant : {Plant::linkedFolder, Plant::linkedFile, Plant::linkedRootParent,
                            Plant::linkedSiteFolder})
            cases.push_back({&writer, plant});
    return cases;
}

constexpr const char* plantNames[] = {"LinkedFolder", "LinkedFile", "LinkedRootParent",
                                      "LinkedSiteFolder"};

INSTANTIATE_TEST_SUITE_P(Planted, OutputTreeWriters, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                             return std::string(info.param.writer->name) +
                                    plantNames[static_cast<int>(info.param.plant)];
                         });
} // namespace
