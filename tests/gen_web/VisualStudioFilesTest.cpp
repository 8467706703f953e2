#include "gen_web/VSProjectWriter.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

namespace
{
struct VersionCase
{
    int versionCode;
    const char* folder;
};

class VisualStudioFilesTest : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(VisualStudioFilesTest, SolutionAndProjectFilesOfATwoModuleProject)
{
    ShopProject shop(GetParam().versionCode);
    VSProjectWriter(&shop.Project(), shop.Report()).Write();
    EXPECT_TRUE(shop.Report().IsEmpty()) << shop.Report().GetText();

    const std::string folder = GetParam().folder;
    EXPECT_EQ(GoldenBytes(folder + "/Shop.sln"), ReadHostFile(shop.Root() / "Shop" / "Shop.sln"));
    const auto application = shop.ApplicationFolder();
    EXPECT_EQ(GoldenBytes(folder + "/Shop.csproj"), ReadHostFile(application / "Shop.csproj"));
    EXPECT_EQ(GoldenBytes("Shop.csproj.user"), ReadHostFile(application / "Shop.csproj.user"));
    EXPECT_EQ(GoldenBytes("AssemblyInfo.cs"),
              ReadHostFile(application / "Properties" / "AssemblyInfo.cs"));
    for (const char* name : {"Shop.csproj", "Shop.csproj.user"})
    {
        const ToolResult lint = RunTool("xmllint --noout " + ShellQuoted(application / name));
        EXPECT_EQ(0, lint.exitCode) << name << ": " << lint.output;
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, VisualStudioFilesTest,
                         ::testing::Values(VersionCase{0, "vs2005"}, VersionCase{3, "vs2008"}),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(VisualStudioFolders, ModuleAndModifiedCodeFoldersAreMadeAsWholeChains)
{
    ShopProject shop;
    VSProjectWriter(&shop.Project(), shop.Report()).Write();
    const auto application = shop.ApplicationFolder();
    for (const auto& folder : {application / "Properties", application / "Util",
                               application / "PDFReports", application / "Sales & Stock" / "RDLCs",
                               shop.Root() / "Shop" / "_modifiedCode" / "BaseModule" / "DataSets"})
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
}
} // namespace
