#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "platform/core/HostPath.h"

#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>

namespace
{
namespace fs = std::filesystem;

// Includes of the files that the user supplies (data sets and report definitions of reports
// on existing files) or that the theme copy brings (the scheme's style sheets and the master
// page's code); every other Include, the form, login, dashboard, search report and RDLC report
// pages, the data classes and the support files among them, is checked.
const std::regex notWrittenYet(R"(^(?!themes/)[^/]+/(datasets|rdlcs)/.*|)"
                               R"(^includes/css/(style|ajaxstyle|styleconfig)\.css$|)"
                               R"(^themes/ui/.*\.master\.(designer\.)?cs$)");

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

TEST(ProjectIncludes, EveryCheckedIncludeNamesAFileThatWriteAllMade)
{
    ShopProject shop;
    SetUpProjectFolder(shop.Project(), ProgramFolder().c_str());
    ASSERT_TRUE(AspxWriteAll(&shop.Project()).Run(nullptr));
    const fs::path application = shop.ApplicationFolder();
    const std::set<std::string> written = WrittenPaths(application);
    const std::vector<std::string> includes =
        ItemIncludes(ReadHostFile(application / "Shop.csproj"));
    int checked = 0;
    for (const std::string& include : includes)
    {
        if (std::regex_match(include, notWrittenYet))
            continue;
        ++checked;
        EXPECT_TRUE(written.contains(include)) << include;
    }
    // web.config, the master page, the six Util classes, AssemblyInfo.cs, the data classes, the
    // form, login and search report pages and the RDLC report's page and print page at least.
    EXPECT_LE(30, checked);
    for (const char* page : {"basemodule/ui/customer_rdlc_report.aspx.cs",
                             "basemodule/ui/customer_rdlc_report_print.aspx.designer.cs"})
        EXPECT_NE(includes.end(), std::ranges::find(includes, page)) << page;
}
} // namespace
