#include "editors/logic/ReportAssigner.h"
#include "entities/ApplicationReport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// "BaseModule" (current) holds the reports "Orders" and "Stock", "Sales" the report "Invoices".
class ReportAssignerTest : public ::testing::Test
{
protected:
    ReportAssignerTest()
    {
        orders = NewPage<ApplicationReport>("Orders");
        stock = NewPage<ApplicationReport>("Stock");
        open.Base().Append(orders);
        open.Base().Append(stock);
        sales = NewModule("Sales", 2);
        open.Project().AddModule(sales);
        invoices = NewPage<ApplicationReport>("Invoices");
        sales->Append(invoices);
    }

    OpenBaseModuleProject open;
    Module* sales;
    ApplicationReport* orders;
    ApplicationReport* stock;
    ApplicationReport* invoices;
};

TEST_F(ReportAssignerTest, CombosFollowTheModuleAndOkTakesTheSelection)
{
    struct Case
    {
        const char* name;
        ApplicationReport* preset;
        int module; // -1: the current module stays
        int report; // -2: the selection the dialog starts with
        std::vector<CString> reports;
        int shownSelection;
        ApplicationReport* chosen;
    };
    const std::vector<Case> cases{
        {"preset selected", stock, -1, -2, {"Orders", "Stock"}, 1, stock},
        {"other report", stock, -1, 0, {"Orders", "Stock"}, 1, orders},
        {"other module", stock, 1, 0, {"Invoices"}, -1, invoices},
        {"preset in other module", invoices, 1, -2, {"Invoices"}, 0, invoices},
        {"no preset, nothing chosen", nullptr, -1, -2, {"Orders", "Stock"}, -1, nullptr},
        {"preset, selection cleared", orders, -1, -1, {"Orders", "Stock"}, 0, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ReportAssigner assigner(open.Project(), nullptr, nullptr, c.preset);
        assigner.Open();
        EXPECT_EQ(assigner.States().GetItems(ReportAssigner::IDC_MODULE),
                  (std::vector<CString>{"BaseModule", "Sales"}));
        EXPECT_EQ(assigner.States().GetSelection(ReportAssigner::IDC_MODULE), 0);
        if (c.module >= 0)
            assigner.ChooseModule(c.module);
        EXPECT_EQ(assigner.States().GetItems(ReportAssigner::IDC_REPORT), c.reports);
        EXPECT_EQ(assigner.States().GetSelection(ReportAssigner::IDC_REPORT), c.shownSelection);
        EXPECT_EQ(assigner.GetChosenReport(), c.preset);
        if (c.report != -2)
            assigner.ChooseReport(c.report);
        assigner.Ok();
        EXPECT_EQ(assigner.GetChosenReport(), c.chosen);
    }
}
} // namespace
