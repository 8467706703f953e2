#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Module.h"
#include "model/Table.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// A page name with a leading, a trailing and a doubled blank.
const char* const spacedName = " Order  Entry ";

// A page file of the class, kinds and owner, appended to the owner's files.
AspFile* AddFile(FormInterface& page, bool aspx, int ownerKind, int fileKind)
{
    AspFile* file = aspx ? new AspxFile : new AspFile;
    file->SetOwnerKind(ownerKind);
    file->SetFileKind(fileKind);
    file->SetOwnerPage(&page);
    page.AddAspFile(file);
    return file;
}

} // namespace

TEST(PageFileNamingTest, SuffixOfEveryFileKindEndsInTheExtensionOfTheFileClass)
{
    const char* const suffixes[] = {"",
                                    "_add",
                                    "_add_action",
                                    "_upd",
                                    "_upd_action",
                                    "_addReport",
                                    "_addReport_action",
                                    "_updReport",
                                    "_updReport_action",
                                    "_action",
                                    "",
                                    "",
                                    ""};
    for (int kind = 0; kind < static_cast<int>(std::size(suffixes)); ++kind)
    {
        SCOPED_TRACE(kind);
        AspFile classic;
        classic.SetFileKind(kind);
        AspxFile aspx;
        aspx.SetFileKind(kind);
        EXPECT_EQ(CString(suffixes[kind]) + ".asp", classic.GetFileSuffix());
        EXPECT_EQ(CString(suffixes[kind]) + ".aspx", aspx.GetFileSuffix());
    }
    AspFile negative;
    negative.SetFileKind(-1);
    EXPECT_EQ(".asp", negative.GetFileSuffix());
}

TEST(PageFileNamingTest, KindNamesCallEveryKindFromSixOnAndUnknownKindsLoginPage)
{
    const char* const names[] = {"Master Form", "Transaction",    "Report",     "Map form",
                                 "Dashboard",   "Dashboard Page", "LogIn Page", "LogIn Page",
                                 "LogIn Page",  "LogIn Page",     "LogIn Page"};
    for (int kind = 0; kind < static_cast<int>(std::size(names)); ++kind)
    {
        AspFile file;
        file.SetOwnerKind(kind);
        EXPECT_EQ(names[kind], file.GetKindName()) << kind;
    }
    AspFile negative;
    negative.SetOwnerKind(-3);
    EXPECT_EQ("LogIn Page", negative.GetKindName());
}

// Every page class but the one-off ones is named spacedName; the form is over order_line.
TEST(PageFileNamingTest, NameFollowsOwnerPageOwnerKindFileKindFileClassAndVariant)
{
    Table table;
    table.SetTableName("order_line");
    Form form;
    form.SetTable(&table);
    Transaction transaction;
    ApplicationReport report;
    MapForm mapForm;
    DashBoard dashBoard;
    DashBoardPage dashBoardPage;
    MultiPageReport multiPageReport;
    LoginPage loginPage;
    ReportCollector collector;
    RDLCReport rdlc;
    for (FormInterface* page : std::initializer_list<FormInterface*>{
             &form, &transaction, &report, &mapForm, &dashBoard, &dashBoardPage, &multiPageReport,
             &loginPage, &collector, &rdlc})
        page->SetName(spacedName);
    Form formWithoutTable;
    formWithoutTable.SetName("Orders");
    ReportCollector summary;
    summary.SetName("Sales Summary");
    const int board = AspFile::dashBoardOwner;
    const int boardPage = AspFile::dashBoardPageOwner;
    const int multi = AspFile::multiPageReportOwner;

    // The owner page, owner kind, file kind, ASP.NET or classic, variant, expected name.
    const struct
    {
        FormInterface* page;
        int ownerKind;
        int fileKind;
        bool aspx;
        BOOL variant;
        const char* expected;
    } cases[] = {
        // Forms use the table name for ASP.NET and the trimmed, blanked page name for classic.
        {&form, 0, 0, true, FALSE, "order_line.aspx"},
        {&form, 0, 1, true, FALSE, "order_lineAdd.aspx"},
        {&form, 0, 3, true, FALSE, "order_lineUpdate.aspx"},
        {&form, 0, 5, true, FALSE, "order_lineAdd.aspx"},
        {&form, 0, 7, true, FALSE, "order_lineUpdate.aspx"},
        {&form, 0, 6, true, FALSE, "order_line.aspx"},
        {&form, 0, 0, false, FALSE, "Order__Entry.asp"},
        {&form, 0, 1, false, FALSE, "Order__Entry_add.asp"},
        {&form, 0, 10, false, FALSE, "Order__Entry.asp"},
        {&form, 0, 11, false, TRUE, "Order__Entry.asp"},
        // A form without table has no stem for its ASP.NET files.
        {&formWithoutTable, 0, 1, true, FALSE, ""},
        {&formWithoutTable, 0, 1, false, FALSE, "Orders_add.asp"},
        {&transaction, 1, 0, true, FALSE, "Order__Entry.aspx"},
        {&transaction, 1, 1, true, FALSE, "Order__EntryAdd.aspx"},
        {&transaction, 1, 3, true, FALSE, "Order__EntryUpdate.aspx"},
        {&transaction, 1, 5, true, FALSE, "Order__Entry.aspx"},
        {&transaction, 1, 0, false, FALSE, "Order__Entry.asp"},
        {&transaction, 1, 2, false, FALSE, "Order__Entry_add_action.asp"},
        {&transaction, 1, 9, false, FALSE, "Order__Entry_action.asp"},
        // An owner kind that names a form while the owner is another page.
        {&transaction, 0, 1, true, FALSE, ""},
        {&report, 2, 0, true, FALSE, "Order__Entry_report.aspx"},
        {&report, 2, 3, true, FALSE, "Order__Entry_report.aspx"},
        {&report, 2, 0, false, FALSE, "Order__Entry_report.asp"},
        {&report, 2, 10, false, FALSE, "Order__Entry_report.asp"},
        {&report, 2, 11, false, FALSE, "Order__Entry_action.asp"},
        {&report, 2, 3, false, FALSE, ""},
        {&report, 2, 1, false, FALSE, ""},
        // The collector rule keeps the outer blanks as "_" and collapses double underscores.
        {&report, 2, 0, true, TRUE, "_Order_Entry__ReportCollector.aspx"},
        {&report, 2, 1, true, TRUE, "_Order_Entry__ReportCollector_add.aspx"},
        {&report, 2, 10, false, TRUE, "_Order_Entry__ReportCollector.asp"},
        {&mapForm, 3, 5, true, FALSE, "Order__Entry_addReport.aspx"},
        {&mapForm, 3, 6, true, FALSE, "Order__Entry_addReport_action.aspx"},
        {&mapForm, 3, 5, false, FALSE, "Order__Entry_addReport.asp"},
        {&mapForm, 3, 0, false, FALSE, "Order__Entry.asp"},
        {&mapForm, 10, 0, true, FALSE, ""},
        {&mapForm, -1, 0, false, FALSE, ""},
        // Dashboards and multi-page reports have only a file of kind 0.
        {&dashBoard, board, 0, true, FALSE, "Order__Entry.aspx"},
        {&dashBoard, board, 0, false, FALSE, "Order__Entry.asp"},
        {&dashBoard, board, 1, true, FALSE, ""},
        {&dashBoard, board, 9, false, FALSE, ""},
        {&dashBoardPage, boardPage, 0, true, FALSE, "Order__Entry.aspx"},
        {&dashBoardPage, boardPage, 0, false, FALSE, "Order__Entry.asp"},
        {&dashBoardPage, boardPage, 1, true, FALSE, ""},
        {&dashBoardPage, boardPage, 9, false, FALSE, ""},
        {&multiPageReport, multi, 0, true, FALSE, "Order__Entry.aspx"},
        {&multiPageReport, multi, 0, false, FALSE, "Order__Entry.asp"},
        {&multiPageReport, multi, 1, true, FALSE, ""},
        {&multiPageReport, multi, 9, false, FALSE, ""},
        {&loginPage, 6, 0, true, FALSE, "Login.aspx"},
        {&loginPage, 6, 1, true, FALSE, "Login.aspx"},
        {&loginPage, 6, 0, false, FALSE, "Login.asp"},
        {&loginPage, 6, 1, false, FALSE, "Login_action.asp"},
        {&loginPage, 6, 11, false, FALSE, "Login_action.asp"},
        // A collector names its main file after the page and the others by the collector rule.
        {&collector, 8, 0, true, FALSE, "Order__Entry.aspx"},
        {&collector, 8, 0, false, FALSE, "Order__Entry.asp"},
        {&collector, 8, 1, true, FALSE, "_Order_Entry__ReportCollector_add.aspx"},
        {&collector, 8, 10, false, FALSE, "_Order_Entry__ReportCollector.asp"},
        {&summary, 8, 0, true, FALSE, "Sales_Summary.aspx"},
        {&summary, 8, 1, true, FALSE, "Sales_Summary_ReportCollector_add.aspx"},
        {&rdlc, 9, 0, true, FALSE, "Order__Entry_report.aspx"},
        {&rdlc, 9, 3, true, FALSE, "Order__Entry_report.aspx"},
        {&rdlc, 9, 0, false, FALSE, "Order__Entry_report.asp"},
        {&rdlc, 9, 3, false, FALSE, "Order__Entry_report_upd.asp"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.page->GetClassName().GetString()) + ", owner kind " +
                     std::to_string(c.ownerKind) + ", file kind " + std::to_string(c.fileKind) +
                     (c.aspx ? ", aspx" : ", asp") + (c.variant ? ", variant" : ""));
        EXPECT_EQ(c.expected,
                  AddFile(*c.page, c.aspx, c.ownerKind, c.fileKind)->GetFileName(c.variant));
    }
}

TEST(PageFileNamingTest, TransactionUsesItsBaseNameOnlyForClassicFilesAndOrphansHaveNoName)
{
    Transaction transaction;
    transaction.SetName(spacedName);
    for (const bool aspx : {false, true})
    {
        AspFile* file = AddFile(transaction, aspx, 1, 1);
        file->SetBaseName(" Order  Lines ");
        EXPECT_EQ(aspx ? "Order__EntryAdd.aspx" : "Order__Lines_add.asp", file->GetFileName(FALSE));
    }

    AspxFile orphan;
    orphan.SetOwnerKind(AspFile::loginPageOwner);
    EXPECT_EQ("", orphan.GetFileName(FALSE));
    EXPECT_EQ("", orphan.GetRelativeUrl(TRUE, FALSE));
}

TEST(PageFileNamingTest, CopiedFormIsNamedAfterItsUntrimmedPageNameNotItsTable)
{
    Table table;
    table.SetTableName("order_line");
    Form source;
    source.SetTable(&table);
    source.SetName(spacedName);
    AddFile(source, false, 0, 1);
    AddFile(source, true, 0, 3);

    const Form copy(source);
    ASSERT_TRUE(copy.IsCopy());
    ASSERT_EQ(2u, copy.GetAspFiles().size());
    EXPECT_EQ("Copy_0_of_ Order  Entry Add.aspx", copy.GetAspFiles()[0]->GetDefaultFileName());
    EXPECT_EQ("Copy_0_of_ Order  Entry Update.aspx", copy.GetAspFiles()[1]->GetDefaultFileName());
    EXPECT_EQ("order_lineUpdate.aspx", source.GetAspFiles()[1]->GetDefaultFileName());
}

TEST(PageFileNamingTest, RelativeUrlPutsTheModuleFirstAndAspNetFilesUnderUi)
{
    Module module("Sales");
    Table table;
    table.SetTableName("order_line");
    Form form;
    form.SetTable(&table);
    form.SetName("Order Entry");
    form.SetModule(&module);
    const AspFile* aspx = AddFile(form, true, 0, 3);
    const AspFile* classic = AddFile(form, false, 0, 4);

    EXPECT_EQ("Sales/UI/order_lineUpdate.aspx", aspx->GetRelativeUrl(FALSE, FALSE));
    EXPECT_EQ("../../Sales/UI/order_lineUpdate.aspx", aspx->GetRelativeUrl(TRUE, FALSE));
    EXPECT_EQ("Sales/Order_Entry_upd_action.asp", classic->GetRelativeUrl(FALSE, FALSE));
    EXPECT_EQ("../../Sales/Order_Entry_upd_action.asp", classic->GetRelativeUrl(TRUE, TRUE));

    form.SetModule(nullptr);
    EXPECT_EQ("/UI/order_lineUpdate.aspx", aspx->GetRelativeUrl(FALSE, FALSE));
    EXPECT_EQ("../..//Order_Entry_upd_action.asp", classic->GetRelativeUrl(TRUE, FALSE));
}

TEST(PageFileNamingTest, RelativeUrlFollowsTheVariantAndIsEmptyWithoutName)
{
    Module module("Reports");
    ApplicationReport report;
    report.SetName("Sales Summary");
    report.SetModule(&module);
    const AspFile* file = AddFile(report, true, 2, 0);
    EXPECT_EQ("Reports/UI/Sales_Summary_report.aspx", file->GetRelativeUrl(FALSE, FALSE));
    EXPECT_EQ("Reports/UI/Sales_Summary_ReportCollector.aspx", file->GetRelativeUrl(FALSE, TRUE));

    DashBoard dashBoard;
    dashBoard.SetName("Overview");
    dashBoard.SetModule(&module);
    EXPECT_EQ("", AddFile(dashBoard, true, 4, 1)->GetRelativeUrl(TRUE, FALSE));
    EXPECT_EQ("Reports/UI/Overview.aspx",
              AddFile(dashBoard, true, 4, 0)->GetRelativeUrl(FALSE, FALSE));
}

TEST(PageFileNamingTest, PageTitleIsBuiltFromKindAndTableOnceAndKept)
{
    Table table;
    table.SetTableName("order_line");
    Form form;
    form.SetTable(&table);
    AspFile* update = AddFile(form, true, 0, 7);
    AspFile* add = AddFile(form, true, 0, 5);
    AspFile* plain = AddFile(form, true, 0, 1);

    EXPECT_EQ("UPDATE ORDER LINE", update->GetPageTitle());
    EXPECT_EQ("UPDATE ORDER LINE", update->GetTitle());
    EXPECT_EQ("ADD ORDER LINE", add->GetPageTitle());
    EXPECT_EQ("ORDER LINE", plain->GetPageTitle());
    table.SetTableName("renamed");
    EXPECT_EQ("UPDATE ORDER LINE", update->GetPageTitle());

    Table basic;
    basic.SetTableName("invoice_basic");
    Transaction transaction;
    transaction.SetBasicTable(&basic);
    EXPECT_EQ("ADD INVOICE BASIC", AddFile(transaction, true, 1, 5)->GetPageTitle());
    Transaction withoutTable;
    EXPECT_EQ("UPDATE ", AddFile(withoutTable, true, 1, 7)->GetPageTitle());
}

TEST(PageFileNamingTest, StoredTitleKeepsItsCaseAndShowsUnderscoresAsBlanks)
{
    AspFile file;
    file.SetTitle("Monthly_sales_Report");
    EXPECT_EQ("Monthly sales Report", file.GetPageTitle());
    EXPECT_EQ("Monthly sales Report", file.GetTitle());

    // Without owner page only the file kind speaks.
    AspFile orphan;
    orphan.SetFileKind(5);
    EXPECT_EQ("ADD ", orphan.GetPageTitle());
    AspFile dashBoardFile;
    dashBoardFile.SetFileKind(0);
    EXPECT_EQ("", dashBoardFile.GetPageTitle());
}
