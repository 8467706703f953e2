#include "entities/ApplicationReport.h"
#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "gen_web/ProjectItemCheck.h"
#include "model/GenerationReport.h"
#include "model/OutputRoot.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <regex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The Include values of the project's items, XML entities resolved, "\" as "/", lower case.
std::vector<std::string> ItemIncludes(const std::string& projectFile)
{
    const std::regex item(R"re(<(Content|Compile|None|EmbeddedResource) Include="([^"]*)")re");
    std::vector<std::string> includes;
    for (auto it = std::sregex_iterator(projectFile.begin(), projectFile.end(), item);
         it != std::sregex_iterator(); ++it)
    {
        std::string include = (*it)[2];
        include = std::regex_replace(include, std::regex("&amp;"), "&");
        std::ranges::replace(include, '\\', '/');
        includes.push_back(Lowered(include));
    }
    return includes;
}

// Every file and folder below the folder, relative, lower case.
std::set<std::string> WrittenPaths(const fs::path& folder)
{
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        paths.insert(Lowered(entry.path().lexically_relative(folder).generic_string()));
    return paths;
}

TEST(ProjectIncludes, EveryIncludeNamesAFileOfThePreparedFolderOrOfWriteAll)
{
    ShopProject shop;
    PrepareProjectFolder(shop.Project());
    WriteOwnDataSet(shop.ApplicationFolder());
    AspxWriteAll writeAll(&shop.Project());
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    const fs::path application = shop.ApplicationFolder();
    const std::set<std::string> written = WrittenPaths(application);
    const std::vector<std::string> includes =
        ItemIncludes(ReadHostFile(application / "Shop.csproj"));
    for (const std::string& include : includes)
        EXPECT_TRUE(written.contains(include)) << include;
    // Web.config, the master page, the six Util classes, AssemblyInfo.cs, the data classes, the
    // form, login and search report pages and the RDLC report's page and print page at least.
    EXPECT_LE(30u, includes.size());
    for (const char* page : {"basemodule/ui/customer_rdlc_report.aspx.cs",
                             "basemodule/ui/customer_rdlc_report_print.aspx.designer.cs"})
        EXPECT_NE(includes.end(), std::ranges::find(includes, page)) << page;
}
} // namespace

namespace
{
struct ListedItem
{
    const char* item;
    // The file made in the application folder, or null.
    const char* file;
    // The file is written through the run's report rather than left from an earlier run.
    bool writtenByTheRun;
    // The path reported below the application folder, or null.
    const char* reported;
};

// Compile and Content items are checked as listed: "\" as the separator, entities resolved, the
// case kept; other items are not the driver's. A module's file counts only when the run wrote
// it; the prepared folder's files when they are on disk.
const ListedItem listedItems[] = {
    {R"(<Compile Include="Util\DBHandler.cs" />)", "Util/DBHandler.cs", false, nullptr},
    {R"(<Compile Include="Util\Missing.cs" />)", nullptr, false, R"(Util\Missing.cs)"},
    {R"(<Content Include="Sales &amp; Stock\UI\a.aspx" />)", "Sales & Stock/UI/a.aspx", true,
     nullptr},
    {R"(<Content Include="BaseModule\UI\left.aspx" />)", "BaseModule/UI/left.aspx", false,
     R"(BaseModule\UI\left.aspx)"},
    {R"(<Content Include="includes\JS\report.js" />)", "includes/JS/Report.js", false,
     R"(includes\JS\report.js)"},
    {R"(<Content Include="Web.config" />)", "web.config", false, "Web.config"},
    {R"(<None Include="BaseModule\DataSets\sales.xsc" />)", nullptr, false, nullptr},
    {R"(<EmbeddedResource Include="a.resx" />)", nullptr, false, nullptr},
};

TEST(ProjectIncludes, EachCompileAndContentItemWithoutItsFileIsReported)
{
    ShopProject shop;
    std::string projectFile = "<Project>\r\n<ItemGroup>\r\n";
    std::vector<std::string> expected;
    for (const ListedItem& listed : listedItems)
    {
        projectFile += std::string(listed.item) + "\r\n";
        if (listed.writtenByTheRun)
        {
            CString path = GetOutputRoot(shop.Project()) + listed.file;
            path.Replace("/", "\\");
            ASSERT_TRUE(SaveTextFile(path, "x", shop.Report()));
        }
        else if (listed.file != nullptr)
            WriteHostFile(shop.ApplicationFolder() / listed.file, "x");
        if (listed.reported != nullptr)
            expected.push_back(listed.reported);
    }
    WriteHostFile(shop.ApplicationFolder() / "Shop.csproj",
                  projectFile + "</ItemGroup>\r\n</Project>\r\n");

    ReportMissingProjectItems(shop.Project(), shop.Report());

    std::vector<std::string> reported;
    const std::string root(GetOutputRoot(shop.Project()));
    for (const GenerationReport::Entry& entry : shop.Report().GetUnwrittenFiles())
    {
        const std::string path(entry.name);
        ASSERT_TRUE(path.starts_with(root)) << path;
        reported.push_back(path.substr(root.size()));
        EXPECT_EQ("listed in the project file but not written", std::string(entry.reason));
    }
    EXPECT_EQ(expected, reported);
}
} // namespace

namespace
{
// An Include the host cannot look at is named with the host's reason, and the check goes on; a
// named pipe in the project file's place is not read, so the check does not wait for a writer.
TEST(ProjectIncludes, AnIncludeTheHostRefusesIsNamedAndAPipeIsNotRead)
{
    ShopProject shop;
    const std::string longName(300, 'r');
    struct Case
    {
        std::string include;
        const char* reason;
    };
    const Case cases[] = {
        {"UI\\" + longName + "_report.aspx.designer.cs", std::strerror(ENAMETOOLONG)},
        {"Web.config\\page.aspx", std::strerror(ENOTDIR)},
        {"Util\\Missing.cs", "listed in the project file but not written"},
    };
    std::string projectFile = "<Project>\r\n<ItemGroup>\r\n";
    for (const Case& each : cases)
        projectFile += "<Compile Include=\"" + each.include + "\" />\r\n";
    WriteHostFile(shop.ApplicationFolder() / "Web.config", "x");
    WriteHostFile(shop.ApplicationFolder() / "UI" / "page.aspx", "x");
    WriteHostFile(shop.ApplicationFolder() / "Shop.csproj",
                  projectFile + "</ItemGroup>\r\n</Project>\r\n");

    ReportMissingProjectItems(shop.Project(), shop.Report());
    const std::vector<GenerationReport::Entry>& reported = shop.Report().GetUnwrittenFiles();
    ASSERT_EQ(std::size(cases), reported.size());
    const std::string root(GetOutputRoot(shop.Project()));
    for (std::size_t index = 0; index < reported.size(); ++index)
    {
        EXPECT_EQ(root + cases[index].include, std::string(reported[index].name));
        EXPECT_EQ(cases[index].reason, std::string(reported[index].reason));
    }

    ShopProject piped;
    const fs::path pipe = piped.ApplicationFolder() / "Shop.csproj";
    fs::create_directories(pipe.parent_path());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ::alarm(20);
    ReportMissingProjectItems(piped.Project(), piped.Report());
    ::alarm(0);
    EXPECT_TRUE(piped.Report().GetUnwrittenFiles().empty());
}
} // namespace

namespace
{
// A report whose page names pass what the host takes: Write All refuses it, naming it, before it
// writes anything, and throws nothing.
TEST(ProjectIncludes, AReportNameTooLongForItsFilesIsRefusedBeforeAnythingIsWritten)
{
    ShopProject shop;
    PrepareProjectFolder(shop.Project());
    const std::vector<ApplicationReport*>& reports = shop.Project().GetBaseModule()->GetReports();
    ASSERT_FALSE(reports.empty());
    reports.front()->SetName(CString(std::string(240, 'r').c_str()));
    ScriptedMessageBoxes boxes;
    AspxWriteAll writeAll(&shop.Project());
    bool written = true;
    EXPECT_NO_THROW(written = writeAll.Run(nullptr));
    EXPECT_FALSE(written);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_NE(boxes.Shown()[0].text.find("the report name \"" + std::string(20, 'r') + "..." +
                                         std::string(12, 'r') + "\""),
              std::string::npos);
    EXPECT_EQ(writeAll.GetReport().GetWrittenCount(), 0u);
    EXPECT_FALSE(fs::exists(shop.ApplicationFolder() / "Shop.csproj"));
}
} // namespace
