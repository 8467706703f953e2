#include "entities/PieChartData.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/ReportProject.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
namespace fs = std::filesystem;

void ExpectCompiles(const fs::path& application, const std::string& sources)
{
    const ToolResult compile =
        CompileWithUtilAndDataClasses(application, sources, application / "Reports.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// One report of each kind: a list with link, date, money and image cells and captions needing
// escapes, whose chart settings change nothing; a paged list; three master-detail levels reusing a
// request variable; a grid with links; a single record; a group report, and kinds 3 and 4, with
// only the opening lines and the end of the report. A data object and a variable that feeds several
// calls are declared once. The link variables of the innermost level and of the grid, and the
// single record's argument "start", are named like a request argument or the paging counter and
// take numbered names. Each data method equals its expected file, and together they compile with
// the Util classes and the data classes.
TEST(ReportXmlCode, MethodsAreWrittenAsExpectedAndCompile)
{
    ReportProject fixture;
    Field* customerId = fixture.OrdersField("customer_id");
    ApplicationReport& list = fixture.AddReport("orders_list", 1);
    ReportGroup& listGroup =
        fixture.AddGroup(list, *fixture.OrdersForm().GetTable(), "SelectAllRecords", {},
                         {{"odate", "Date"},
                          {"status", "Status <&\"open\">"},
                          {"credit", "Credit", 0},
                          {"notes", "", 1, true}});
    fixture.LinkToOrders(*listGroup.GetReportFields()[1]);
    auto* pie = new PieChartData;
    pie->SetValues("Orders", "by date", "odate", "");
    list.SetChartData(6, pie);
    ApplicationReport& paged = fixture.AddReport("orders_paged", 1);
    paged.SetPagingRequired(true);
    fixture.AddGroup(paged, *fixture.OrdersForm().GetTable(), "SelectRecordForcustomer_id",
                     {customerId}, {{"status", "Status"}});
    ApplicationReport& detail = fixture.AddReport("orders_detail", 1);
    fixture
        .AddGroup(detail, *fixture.OrdersForm().GetTable(), "SelectRecordForcustomer_id",
                  {customerId}, {{"odate", "Date"}})
        .SetHeader("Order");
    fixture.AddGroup(detail, fixture.Customer(), "SelectRecord", {customerId},
                     {{"cname", "Name"}, {"credit_limit", "Limit"}});
    fixture.LinkToOrders(*fixture
                              .AddGroup(detail, *fixture.OrdersForm().GetTable(), "SelectRecord",
                                        {customerId}, {{"status", "Status"}})
                              .GetReportFields()[0]);
    ApplicationReport& grid = fixture.AddReport("orders_grid", 2);
    grid.SetColumnLayout(3);
    ReportGroup& gridGroup =
        fixture.AddGroup(grid, *fixture.OrdersForm().GetTable(), "SelectRecordForcustomer_id",
                         {customerId}, {{"status", "Status"}, {"credit", "Credit"}});
    fixture.LinkToOrders(*gridGroup.GetReportFields()[0]);
    ApplicationReport& single = fixture.AddReport("orders_single", 5);
    single.SetTable(fixture.OrdersForm().GetTable());
    fixture.AddGroup(single, *fixture.OrdersForm().GetTable(), "SelectRecordForcustomer_id",
                     {&fixture.LooseField("start")},
                     {{"odate", "Date"}, {"status", "Status"}, {"notes", "Notes"}});
    ApplicationReport& group = fixture.AddReport("orders_group", 0);
    fixture.AddGroup(group, *fixture.OrdersForm().GetTable(), "SelectAllRecords", {},
                     {{"status", "Status"}});

    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    writers.WriteDataClass(*fixture.OrdersForm().GetTable());
    writers.WriteDataClass(fixture.Customer());
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    std::string sources;
    for (ApplicationReport* report : {&list, &paged, &detail, &grid, &single, &group})
    {
        const std::string name = std::string(report->GetFormName().GetString()) + ".cs";
        const std::string text = ReportClass(fixture, *report);
        EXPECT_EQ(ReadHostFile(GoldenPath("ReportPages/" + name)), text) << name;
        WriteHostFile(application / name, text);
        sources += " " + ShellQuoted(application / name);
    }
    // Kinds 3 and 4 write the method of a group report.
    for (const int kind : {3, 4})
    {
        group.SetReportKind(kind);
        EXPECT_EQ(ReadHostFile(GoldenPath("ReportPages/orders_group.cs")),
                  ReportClass(fixture, group))
            << kind;
    }
    ExpectCompiles(application, sources);
}

// The markup, code-behind and designer files of a list report with a filter of every kind and
// of a single-record report equal their expected files; the code compiles with the Util and data
// classes and node accepts the inline scripts and event attributes of both pages.
TEST(ReportCodeBehind, PagesAreWrittenAsExpectedAndCompile)
{
    ReportProject fixture;
    Field* customerId = fixture.OrdersField("customer_id");
    ApplicationReport& list = fixture.AddReport("Orders report", 1, true);
    list.SetTitle("Open \"orders\"");
    ReportGroup& listGroup =
        fixture.AddGroup(list, *fixture.OrdersForm().GetTable(), "SelectRecordForcustomer_id",
                         {customerId}, {{"status", "Status"}});
    FieldRep& combo = fixture.AddFilter(listGroup, "customer_id", FieldRepData::ComboBox);
    Class* customerClass = fixture.Project().GetClassForTable(&fixture.Customer(), false);
    auto* comboCall = new ClassInvokation;
    comboCall->SetFunction(customerClass, customerClass->FindFunctionByName("SelectAllRecords"));
    combo.GetFieldRepData()->SetDataCall(comboCall);
    combo.GetFieldRepData()->SetFrontField(fixture.Customer().FindFieldByName("cname"));
    combo.GetFieldRepData()->SetBackField(fixture.Customer().GetPrimaryKeyField());
    auto* onChange = new EventRecmpFields;
    combo.GetFieldRepData()->AddEventRecmpFields(onChange);
    fixture.AddFilter(listGroup, "status", FieldRepData::RadioButton);
    fixture.AddFilter(listGroup, "odate", FieldRepData::DateControl);
    fixture.AddFilter(listGroup, "notes", FieldRepData::TextBox);
    fixture.AddFilter(listGroup, "urgent", FieldRepData::CheckBox);
    fixture.AddFilter(listGroup, "credit", FieldRepData::Hidden);
    ApplicationReport& single = fixture.AddReport("orders_single", 5, true);
    single.SetTable(fixture.OrdersForm().GetTable());
    ReportGroup& singleGroup =
        fixture.AddGroup(single, *fixture.OrdersForm().GetTable(), "SelectRecordForcustomer_id",
                         {customerId}, {{"odate", "Date"}, {"status", "Status"}});
    fixture.AddFilter(singleGroup, "customer_id", FieldRepData::EditableComboBox);

    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    writers.WriteDataClass(*fixture.OrdersForm().GetTable());
    writers.WriteDataClass(fixture.Customer());
    writers.WriteReportCodeBehind(list);
    writers.WriteReportCodeBehind(single);
    writers.WriteReportMarkup(list);
    writers.WriteReportMarkup(single);
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    std::string sources;
    for (const char* name : {"Orders_report_report.aspx", "orders_single_report.aspx"})
    {
        const fs::path script = fixture.Root() / (std::string(name) + ".js");
        WriteHostFile(script, PageScript(ReadHostFile(fixture.PageFolder() / name)));
        const ToolResult check = RunTool("node --check " + ShellQuoted(script));
        EXPECT_EQ(0, check.exitCode) << name << check.output;
        EXPECT_EQ(GoldenBytes(std::string("ReportPages/") + name),
                  ReadHostFile(fixture.PageFolder() / name))
            << name;
    }
    for (const char* name :
         {"Orders_report_report.aspx.cs", "Orders_report_report.aspx.designer.cs",
          "orders_single_report.aspx.cs", "orders_single_report.aspx.designer.cs"})
    {
        EXPECT_EQ(GoldenBytes(std::string("ReportPages/") + name),
                  ReadHostFile(fixture.PageFolder() / name))
            << name;
        sources += " " + ShellQuoted(fixture.PageFolder() / name);
    }
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    ExpectCompiles(application, sources);
}
} // namespace
