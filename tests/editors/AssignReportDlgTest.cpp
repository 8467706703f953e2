#include "editors/AssignReportDlg.h"
#include "entities/ApplicationReport.h"
#include "platform/ui/DialogDriver.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

namespace
{

// "BaseModule" holds "Orders" and "Stock", "Sales" holds "Invoices".
class AssignReportDlgTest : public ::testing::Test
{
protected:
    AssignReportDlgTest()
    {
        open.Base().Append(orders);
        open.Base().Append(stock);
        sales->Append(invoices);
        open.Project().AddModule(sales);
    }

    OpenBaseModuleProject open;
    Module* sales = NewModule("Sales", 2);
    ApplicationReport* orders = NewPage<ApplicationReport>("Orders");
    ApplicationReport* stock = NewPage<ApplicationReport>("Stock");
    ApplicationReport* invoices = NewPage<ApplicationReport>("Invoices");
    ScriptedDialogs dialogs;
};

TEST_F(AssignReportDlgTest, OkTakesTheReportOfTheChosenModuleAndCancelKeepsThePreset)
{
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            CString title;
            dialog.GetWindowText(title);
            EXPECT_EQ(title, "Assign Search Report");
            EXPECT_EQ(user.GetText(ReportAssigner::IDC_REPORT), "Stock");
            EXPECT_TRUE(user.Select(ReportAssigner::IDC_MODULE, 1));
            EXPECT_EQ(user.GetText(ReportAssigner::IDC_REPORT), "");
            EXPECT_TRUE(user.Select(ReportAssigner::IDC_REPORT, 0));
            user.PressOk();
        });
    AssignReportDlg dialog(open.Project(), nullptr, nullptr, stock);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetChosenReport(), invoices);

    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            EXPECT_TRUE(user.Select(ReportAssigner::IDC_REPORT, 0));
            user.PressCancel();
        });
    AssignReportDlg cancelled(open.Project(), nullptr, nullptr, stock);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetChosenReport(), stock);
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{173, 173}));
}
} // namespace
