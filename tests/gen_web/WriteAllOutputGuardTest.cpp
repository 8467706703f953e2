#include "gen_web/AspxWriteAll.h"

#include "model/Field.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "platform/core/HostPath.h"
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

// The Shop project written below root/a/b/c, so that names that climb six folders up from a
// module's folder land in root/a, with a folder "outside" beside it for the targets of links.
struct GuardedShop
{
    GuardedShop()
    {
        shop.Project().SetProjectPath(shop.Temp().ModelPath("a\\b\\c\\"));
        PrepareProjectFolder(shop.Project());
        WriteOwnDataSet(application);
        WriteHostFile(outside / "Web.config", "outside");
        WriteHostFile(outside / "Login.aspx", "outside");
        fs::create_directories(outside / "cs");
    }

    void AddTableWithPages(const char* name)
    {
        Table* table = NewTable(name, Table::masterKind, {"name"});
        // A plain key name, which Write All's check of field names takes, so that the run
        // reaches the guard of the output folder.
        table->GetPrimaryKeyField()->SetFieldName("escaped_id");
        shop.Project().GetBaseModule()->AddTable(table);
        TableFormCreator creator(table, &shop.Project());
        creator.CreateForm();
        creator.CreateReport();
    }

    // Every file and link outside the project folder.
    std::map<std::string, std::string> Outside() const
    {
        return FilesAndLinksBelow(shop.Root(), projectFolder);
    }

    // A first run writes the project; then the plant, and what lies outside after it.
    std::map<std::string, std::string>
    WrittenThenPlanted(const std::function<void(GuardedShop&)>& plant)
    {
        EXPECT_TRUE(AspxWriteAll(&shop.Project()).Run(nullptr));
        plant(*this);
        return Outside();
    }

    void Link(const fs::path& path, const fs::path& target)
    {
        fs::remove_all(path);
        fs::create_directories(path.parent_path());
        fs::create_symlink(target, path);
    }

    ShopProject shop;
    ScriptedMessageBoxes boxes;
    const fs::path projectFolder = shop.Root() / "a" / "b" / "c" / "Shop";
    const fs::path application = projectFolder / "Shop";
    const fs::path ui = application / "BaseModule" / "UI";
    const fs::path outside = shop.Root() / "outside";
};

struct PlantedCase
{
    friend void PrintTo(const PlantedCase& planted, std::ostream* out) { *out << planted.name; }

    const char* name;
    std::function<void(GuardedShop&)> plant;
    bool copyModifiedFiles;
    // The report's text; "@" stands for the project folder, "^" for the folder "outside".
    std::string expectedText;
    // A link that is a regular file after the run, with this text in it.
    const char* replacedLink;
    const char* replacedText;
};

std::string Expanded(std::string text, const GuardedShop& guarded)
{
    for (const auto& [mark, path] : {std::pair{std::string("@"), guarded.projectFolder.string()},
                                     std::pair{std::string("^"), guarded.outside.string()}})
    {
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + path.size()))
            text.replace(at, 1, path);
    }
    return text;
}

// Every unwritten file of the report lies below the marked folder and was refused with the
// reason, or is an item of the project file that names one of them in other words.
void ExpectEveryUnwrittenFileRefused(const GenerationReport& report, const std::string& marker,
                                     const std::string& reason)
{
    std::size_t refused = 0;
    for (const GenerationReport::Entry& entry : report.GetUnwrittenFiles())
    {
        EXPECT_NE(std::string(ToHostPath(entry.name)).find(marker), std::string::npos)
            << entry.name;
        if (entry.reason.str() == reason)
            ++refused;
        else
            EXPECT_TRUE(
                entry.reason.str().starts_with("listed in the project file but not written"))
                << entry.name << ": " << entry.reason;
    }
    EXPECT_GT(refused, 0u) << report.GetFullText();
}

const PlantedCase plantedCases[] = {
    {"a linked Web.config",
     [](GuardedShop& g) { g.Link(g.application / "Web.config", g.outside / "Web.config"); }, false,
     "These links were replaced by the files written:\n"
     "@/Shop/Web.config (it led to ^/Web.config)",
     "Shop/Web.config", "<configuration"},
    {"a linked page", [](GuardedShop& g) { g.Link(g.ui / "Login.aspx", g.outside / "Login.aspx"); },
     false,
     "These links were replaced by the files written:\n"
     "@/Shop/BaseModule/UI/Login.aspx (it led to ^/Login.aspx)",
     "Shop/BaseModule/UI/Login.aspx", "<%@ Page"},
    {"a hard-linked page",
     [](GuardedShop& g)
     {
         std::filesystem::remove(g.ui / "Login.aspx");
         std::filesystem::create_hard_link(g.outside / "Login.aspx", g.ui / "Login.aspx");
     },
     false,
     "These links were replaced by the files written:\n"
     "@/Shop/BaseModule/UI/Login.aspx (it was a hard link)",
     "Shop/BaseModule/UI/Login.aspx", "<%@ Page"},
    {"a dangling link",
     [](GuardedShop& g) { g.Link(g.ui / "Login.aspx.cs", g.outside / "missing.cs"); }, false,
     "These links were replaced by the files written:\n"
     "@/Shop/BaseModule/UI/Login.aspx.cs (it led to ^/missing.cs)",
     "Shop/BaseModule/UI/Login.aspx.cs", "class Login"},
    {"a modified file copied over a link",
     [](GuardedShop& g)
     {
         WriteHostFile(g.projectFolder / "_modifiedCode" / "BaseModule" / "UI" / "Extra.aspx",
                       "mine");
         g.Link(g.ui / "Extra.aspx", g.outside / "Login.aspx");
     },
     true,
     "These links were replaced by the files written:\n"
     "@/Shop/BaseModule/UI/Extra.aspx (it led to ^/Login.aspx)",
     "Shop/BaseModule/UI/Extra.aspx", "mine"},
};

class WriteAllPlantedLinks : public ::testing::TestWithParam<PlantedCase>
{
};

TEST_P(WriteAllPlantedLinks, ReplaceTheLinkAndLeaveWhatItLedTo)
{
    const PlantedCase& planted = GetParam();
    GuardedShop guarded;
    const auto before = guarded.WrittenThenPlanted(planted.plant);
    AspxWriteAll writeAll(&guarded.shop.Project());
    EXPECT_TRUE(writeAll.Run(nullptr, planted.copyModifiedFiles)) << writeAll.GetReport().GetText();
    EXPECT_EQ(Expanded(planted.expectedText, guarded), writeAll.GetReport().GetText().GetString());
    EXPECT_EQ(before, guarded.Outside());
    EXPECT_TRUE(guarded.boxes.Shown().empty());
    const fs::path replaced = guarded.projectFolder / planted.replacedLink;
    EXPECT_FALSE(fs::is_symlink(replaced));
    EXPECT_NE(ReadHostFile(replaced).find(planted.replacedText), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Planted, WriteAllPlantedLinks, ::testing::ValuesIn(plantedCases),
                         [](const auto& info)
                         {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

struct RefusedCase
{
    friend void PrintTo(const RefusedCase& refused, std::ostream* out) { *out << refused.name; }

    const char* name;
    std::function<void(GuardedShop&)> plant;
    // Every unwritten file's path holds this; "@" as above.
    const char* marker;
    const char* reason;
};

const RefusedCase refusedCases[] = {
    {"backslashes", [](GuardedShop& g) { g.AddTableWithPages("..\\..\\..\\..\\..\\..\\escapedA"); },
     "escapedA", "outside the output folder @"},
    {"slashes", [](GuardedShop& g) { g.AddTableWithPages("../../../../../../escapedB"); },
     "escapedB", "outside the output folder @"},
    {"linked_folder",
     [](GuardedShop& g)
     { g.Link(g.application / "BaseModule" / "CS", g.shop.Root() / "outside" / "cs"); },
     "/BaseModule/CS", "the folder @/Shop/BaseModule/CS is a symbolic link"},
};

class WriteAllRefusedPaths : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(WriteAllRefusedPaths, AreNamedAndNothingIsWrittenOutsideTheProjectFolder)
{
    const RefusedCase& refused = GetParam();
    GuardedShop guarded;
    const auto before = guarded.WrittenThenPlanted(refused.plant);
    AspxWriteAll writeAll(&guarded.shop.Project());
    EXPECT_FALSE(writeAll.Run(nullptr, /*copyModifiedFiles=*/true));
    ExpectEveryUnwrittenFileRefused(writeAll.GetReport(), refused.marker,
                                    Expanded(refused.reason, guarded));
    EXPECT_EQ(before, guarded.Outside());
    const auto& boxes = guarded.boxes;
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_NE(boxes.Shown()[0].text.find("Your modified files were not copied:\n" +
                                         (guarded.projectFolder / "_modifiedCode").string() +
                                         " (not every file was written)"),
              std::string::npos)
        << boxes.Shown()[0].text;
}

INSTANTIATE_TEST_SUITE_P(Planted, WriteAllRefusedPaths, ::testing::ValuesIn(refusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder looked at early in the run and swapped for a link later in it: the pages written into
// it afterwards are refused, not written through the link.
TEST(WriteAllSwappedFolder, IsRefusedForEveryFileWrittenAfterTheSwap)
{
    GuardedShop guarded;
    const auto before =
        guarded.WrittenThenPlanted([](GuardedShop& g) { fs::remove_all(g.application / "Util"); });
    bool swapped = false;
    SetFolderProbeObserver(
        [&](const std::string& folder)
        {
            if (swapped || fs::path(folder).filename() != "Util")
                return;
            swapped = true;
            fs::rename(guarded.ui, guarded.ui.parent_path() / "UI.old");
            fs::create_directory_symlink(guarded.outside / "cs", guarded.ui);
        });
    const auto outside = guarded.Outside();
    AspxWriteAll writeAll(&guarded.shop.Project());
    EXPECT_FALSE(writeAll.Run(nullptr));
    SetFolderProbeObserver({});
    ASSERT_TRUE(swapped);
    ExpectEveryUnwrittenFileRefused(
        writeAll.GetReport(), "/BaseModule/UI/",
        Expanded("the folder @/Shop/BaseModule/UI is a symbolic link", guarded));
    EXPECT_EQ(outside, guarded.Outside());
}
} // namespace
