#include "gen_web/SupportFileWriter.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

namespace
{
// Quotes, an ampersand and a less-than sign in the connection string come out as entities; the
// report viewer version of Visual Studio 2008 stands in all four places.
TEST(WebConfig, ConnectionStringIsEscapedAndTheFileParses)
{
    ShopProject shop(3);
    shop.Project().SetConnectionString(
        "Data Source=.\\SQLEXPRESS;Initial Catalog=\"Shop & Co\";User Id=sa;Password=a<b'c");
    SupportFileWriter(&shop.Project(), shop.Report()).WriteWebConfig();
    EXPECT_TRUE(shop.Report().IsEmpty()) << shop.Report().GetText();

    const auto path = shop.ApplicationFolder() / "Web.config";
    EXPECT_EQ(GoldenBytes("web.config"), ReadHostFile(path));
    const ToolResult lint = RunTool("xmllint --noout " + ShellQuoted(path));
    EXPECT_EQ(0, lint.exitCode) << lint.output;
}
} // namespace
