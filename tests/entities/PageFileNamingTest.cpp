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

// One expected name: the file's owner kind and file kind, ASP.NET or classic, the variant.
struct NameCase
{
    int ownerKind;
    int fileKind;
    bool aspx;
    BOOL variant;
    const char* expected;
};

std::string Describe(const NameCase& c)
{
    return "owner kind " + std::to_string(c.ownerKind) + ", file kind " +
           std::to_string(c.fileKind) + (c.aspx ? ", aspx" : ", asp") +
           (c.variant ? ", variant" : "");
}

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

void ExpectNames(FormInterface& page, std::initializer_list<NameCase> cases)
{
    for (const NameCase& c : cases)
    {
        SCOPED_TRACE(Describe(c));
        const AspFile* file = AddFile(page, c.aspx, c.ownerKind, c.fileKind);
        EXPECT_EQ(c.expected, file->GetFileName(c.variant));
    }
}

// Every page class named spacedName, its files named by the owner kind of the case.
template <class Page> void ExpectPageNames(std::initializer_list<NameCase> cases)
{
    Page page;
    page.SetName(spacedName);
    ExpectNames(page, cases);
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

TEST(PageFileNamingTest, FormFilesUseTheTableNameForAspNetAndTheTrimmedBlankedPageNameForClassic)
{
    Table table;
    table.SetTableName("order_line");
    Form form;
    form.SetTable(&table);
    form.SetName(spacedName);
    ExpectNames(form, {
                          {0, 0, true, FALSE, "order_line.aspx"},
                          {0, 1, true, FALSE, "order_lineAdd.aspx"},
                          {0, 3, true, FALSE, "order_lineUpdate.aspx"},
                          {0, 5, true, FALSE, "order_lineAdd.aspx"},
                          {0, 7, true, FALSE, "order_lineUpdate.aspx"},
                          {0, 6, true, FALSE, "order_line.aspx"},
                          {0, 0, false, FALSE, "Order__Entry.asp"},
                          {0, 1, false, FALSE, "Order__Entry_add.asp"},
                          {0, 10, false, FALSE, "Order__Entry.asp"},
                          {0, 11, false, TRUE, "Order__Entry.asp"},
                      });
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

TEST(PageFileNamingTest, TransactionUsesItsBaseNameOnlyForClassicFiles)
{
    ExpectPageNames<Transaction>({
        {1, 0, true, FALSE, "Order__Entry.aspx"},
        {1, 1, true, FALSE, "Order__EntryAdd.aspx"},
        {1, 3, true, FALSE, "Order__EntryUpdate.aspx"},
        {1, 5, true, FALSE, "Order__Entry.aspx"},
        {1, 0, false, FALSE, "Order__Entry.asp"},
        {1, 2, false, FALSE, "Order__Entry_add_action.asp"},
        {1, 9, false, FALSE, "Order__Entry_action.asp"},
    });

    Transaction transaction;
    transaction.SetName(spacedName);
    for (const bool aspx : {false, true})
    {
        AspFile* file = AddFile(transaction, aspx, 1, 1);
        file->SetBaseName(" Order  Lines ");
        EXPECT_EQ(aspx ? "Order__EntryAdd.aspx" : "Order__Lines_add.asp", file->GetFileName(FALSE));
    }
}

TEST(PageFileNamingTest, ReportFilesAndTheirCollectorVariant)
{
    ExpectPageNames<ApplicationReport>({
        {2, 0, true, FALSE, "Order__Entry_report.aspx"},
        {2, 3, true, FALSE, "Order__Entry_report.aspx"},
        {2, 0, false, FALSE, "Order__Entry_report.asp"},
        {2, 10, false, FALSE, "Order__Entry_report.asp"},
        {2, 11, false, FALSE, "Order__Entry_action.asp"},
        {2, 3, false, FALSE, ""},
        {2, 1, false, FALSE, ""},
        // The collector rule keeps the outer blanks as "_" and collapses double underscores.
        {2, 0, true, TRUE, "_Order_Entry__ReportCollector.aspx"},
        {2, 1, true, TRUE, "_Order_Entry__ReportCollector_add.aspx"},
        {2, 10, false, TRUE, "_Order_Entry__ReportCollector.asp"},
    });
}

TEST(PageFileNamingTest, MapFormFilesTakeTheSuffixOfTheirKind)
{
    ExpectPageNames<MapForm>({
        {3, 5, true, FALSE, "Order__Entry_addReport.aspx"},
        {3, 6, true, FALSE, "Order__Entry_addReport_action.aspx"},
        {3, 5, false, FALSE, "Order__Entry_addReport.asp"},
        {3, 0, false, FALSE, "Order__Entry.asp"},
    });
}

TEST(PageFileNamingTest, DashboardsAndMultiPageReportsHaveOnlyAFileOfKindZero)
{
    const auto cases = {
        NameCase{0, 0, true, FALSE, "Order__Entry.aspx"},
        NameCase{0, 0, false, FALSE, "Order__Entry.asp"},
        NameCase{0, 1, true, FALSE, ""},
        NameCase{0, 9, false, FALSE, ""},
    };
    const auto withOwner = [&cases](int ownerKind, FormInterface& page)
    {
        page.SetName(spacedName);
        for (NameCase c : cases)
        {
            c.ownerKind = ownerKind;
            ExpectNames(page, {c});
        }
    };
    DashBoard dashBoard;
    withOwner(AspFile::dashBoardOwner, dashBoard);
    DashBoardPage dashBoardPage;
    withOwner(AspFile::dashBoardPageOwner, dashBoardPage);
    MultiPageReport multiPageReport;
    withOwner(AspFile::multiPageReportOwner, multiPageReport);
}

TEST(PageFileNamingTest, LoginPageFilesHaveFixedNames)
{
    ExpectPageNames<LoginPage>({
        {6, 0, true, FALSE, "Login.aspx"},
        {6, 1, true, FALSE, "Login.aspx"},
        {6, 0, false, FALSE, "Login.asp"},
        {6, 1, false, FALSE, "Login_action.asp"},
        {6, 11, false, FALSE, "Login_action.asp"},
    });
}

TEST(PageFileNamingTest, ReportCollectorNamesItsMainFileAfterThePageAndOthersByTheCollectorRule)
{
    ExpectPageNames<ReportCollector>({
        {8, 0, true, FALSE, "Order__Entry.aspx"},
        {8, 0, false, FALSE, "Order__Entry.asp"},
        {8, 1, true, FALSE, "_Order_Entry__ReportCollector_add.aspx"},
        {8, 10, false, FALSE, "_Order_Entry__ReportCollector.asp"},
    });

    ReportCollector collector;
    collector.SetName("Sales Summary");
    ExpectNames(collector, {
                               {8, 0, true, FALSE, "Sales_Summary.aspx"},
                               {8, 1, true, FALSE, "Sales_Summary_ReportCollector_add.aspx"},
                           });
}

TEST(PageFileNamingTest, RdlcReportFilesEndInReport)
{
    ExpectPageNames<RDLCReport>({
        {9, 0, true, FALSE, "Order__Entry_report.aspx"},
        {9, 3, true, FALSE, "Order__Entry_report.aspx"},
        {9, 0, false, FALSE, "Order__Entry_report.asp"},
        {9, 3, false, FALSE, "Order__Entry_report_upd.asp"},
    });
}

TEST(PageFileNamingTest, MissingOwnerPageUnknownOwnerKindOrMissingTableGiveNoName)
{
    AspxFile orphan;
    orphan.SetOwnerKind(AspFile::loginPageOwner);
    EXPECT_EQ("", orphan.GetFileName(FALSE));
    EXPECT_EQ("", orphan.GetRelativeUrl(TRUE, FALSE));

    ExpectPageNames<MapForm>({
        {10, 0, true, FALSE, ""},
        {-1, 0, false, FALSE, ""},
    });

    // A form without table has no stem for its ASP.NET files.
    Form form;
    form.SetName("Orders");
    ExpectNames(form, {
                          {0, 1, true, FALSE, ""},
                          {0, 1, false, FALSE, "Orders_add.asp"},
                      });
    // An owner kind that names a form while the owner is another page.
    ExpectPageNames<Transaction>({{0, 1, true, FALSE, ""}});
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
}

TEST(PageFileNamingTest, PageTitleOfATransactionShowsItsMasterTable)
{
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
