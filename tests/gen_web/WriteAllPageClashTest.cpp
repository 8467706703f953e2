#include "gen_web/AspxWriteAll.h"

#include "entities/AspxFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A dashboard page with its one ASP.NET page file.
DashBoardPage* DashBoardPageNamed(const char* name)
{
    auto* page = NewPage<DashBoardPage>(name);
    page->CreateAspFile(ForgeonProject::aspNetOutput);
    return page;
}

// Pages that write one file of a folder whatever the case, or declare one class of the project,
// reach Write All from an old file or a merge: the run names each clash and does not succeed.
TEST(WriteAllPageClash, EachFileOrClassTwoPagesWriteIsNamedAndTheRunFails)
{
    ShopProject shop;
    Module& base = *shop.Project().GetBaseModule();
    Module& sales = *shop.Project().GetModuleAt(1);
    base.Append(DashBoardPageNamed("Home"));
    base.Append(DashBoardPageNamed("home"));
    // The search report "customer Report" writes customer_Report_report.aspx.
    base.Append(DashBoardPageNamed("CUSTOMER_Report_report"));
    base.Append(DashBoardPageNamed("Shared"));
    sales.Append(DashBoardPageNamed("Shared"));
    // Classes and link ids the generated code writes alike.
    base.Append(DashBoardPageNamed("Plan-A"));
    base.Append(DashBoardPageNamed("Plan_A"));
    Form* form = base.GetMasterFormForTable(base.FindMasterTableByNameExact("customer"), false);
    for (const char* caption : {"View & Print", "View - Print", "Orders (all)"})
    {
        auto* link = new LinkControl(nullptr, 0, 0, LinkControl::Left);
        link->SetCaption(caption);
        form->AddPreLink(link);
    }
    {
        ScopedOpenProject open(&shop.Project());
        shop.Project().SetCurrentModule(&sales);
        sales.CreateLoginPage();
        shop.Project().SetCurrentModule(&base);
    }
    PrepareProjectFolder(shop.Project());
    WriteOwnDataSet(shop.ApplicationFolder());
    ScriptedMessageBoxes boxes;
    AspxWriteAll writeAll(&shop.Project());
    EXPECT_FALSE(writeAll.Run(nullptr));
    const std::string ui = shop.Project().GetProjectPath().str() + "Shop\\Shop\\";
    std::vector<std::string> named;
    for (const GenerationReport::Entry& entry : writeAll.GetReport().GetUnwrittenFiles())
        named.push_back(entry.name.str() + " (" + entry.reason.str() + ")");
    const std::vector<std::string> expected = {
        ui + "BaseModule\\UI\\customerAdd.aspx (the link \"View - Print\" of the form "
             "\"customer_form\" of module \"BaseModule\" has the id View___Print of another "
             "control of the page: the site does not compile; change its display name)",
        ui + "BaseModule\\UI\\home.aspx (written for the dashboard page \"Home\" of module "
             "\"BaseModule\" and the dashboard page \"home\" of module \"BaseModule\": a folder "
             "holds one file of that name whatever its case)",
        ui + "BaseModule\\UI\\CUSTOMER_Report_report.aspx (written for the report \"customer "
             "Report\" of module \"BaseModule\" and the dashboard page \"CUSTOMER_Report_report\" "
             "of module "
             "\"BaseModule\": a folder holds one file of that name whatever its case)",
        ui + "BaseModule\\UI\\Plan_A.aspx.cs (its class Plan_A is the class of the dashboard "
             "page \"Plan-A\" of module \"BaseModule\" too: the site does not compile)",
        ui + "Sales & Stock\\UI\\Login.aspx.cs (its class Login is the class of the login page "
             "\"Login Page\" of module \"BaseModule\" too: the site does not compile)",
        ui + "Sales & Stock\\UI\\Shared.aspx.cs (its class Shared is the class of the dashboard "
             "page \"Shared\" of module \"BaseModule\" too: the site does not compile)",
    };
    EXPECT_EQ(expected, named);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_NE(std::string::npos, boxes.Shown()[0].text.find("CUSTOMER_Report_report.aspx"));
}
} // namespace
