#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_web/ProjectWriterSet.h"

#include "tests/gen_web/FormProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/ReportViewerAssembly.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

struct Pair
{
    const char* column;
    const char* field; // null: no field
};

// The FormProject (day-first dates, page template 3) with RDLC reports on its orders table.
class RDLCProject : public FormProject
{
public:
    // A report with one ASP.NET page file and a description of its own, listed in the project.
    RDLCReport& AddReport(const char* name, int mode, const char* definition)
    {
        auto* report = new RDLCReport;
        report->SetName(name);
        report->SetMode(mode);
        report->SetTable(OrdersForm().GetTable());
        auto* file = new AspxFile;
        file->SetOwnerKind(AspFile::rdlcReportOwner);
        file->SetOwnerPage(report);
        report->AddAspFile(file);
        auto* info = new RDLCInfo;
        info->SetName(definition);
        Project().AddRDLCInfo(info);
        report->SetRDLCInfo(info);
        Base().AddRDLCReport(report, false);
        return *report;
    }

    // A data set file of the project with one table adapter.
    TableAdapter& AddDataSet(const char* path, const char* adapterName, const char* commandType,
                             const char* commandText)
    {
        auto* dataSet = new XSDInfo;
        dataSet->SetFilePath(path);
        auto* adapter = new TableAdapter;
        adapter->SetName(adapterName);
        adapter->SetCommandType(commandType);
        adapter->SetCommandText(commandText);
        dataSet->AddTableAdapter(adapter);
        Project().AddXSDInfo(dataSet);
        return *adapter;
    }

    // A data-set record of the report and the adapter's map, its parameters fed by those fields.
    void AddRecord(RDLCReport& report, const char* dataSet, TableAdapter& adapter,
                   const char* table, std::initializer_list<Pair> pairs)
    {
        report.GetRDLCInfo()->AddDataSet(dataSet, adapter.GetName(), table);
        TableAdapterMap map;
        map.m_tableAdapter = &adapter;
        for (const Pair& pair : pairs)
        {
            adapter.AddParameterName(pair.column);
            map.m_pairs.push_back(
                {pair.column, pair.field != nullptr ? OrdersField(pair.field) : nullptr});
        }
        report.AddTableAdapterMap(map);
    }

    FieldRep& AddControl(RDLCReport& report, const char* field, int kind)
    {
        auto* control = new FieldRep(OrdersField(field));
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        control->AttachFieldRepData(data);
        report.AddFieldRep(control);
        return *control;
    }

    // The control filled by the customer class's function with the name in front.
    void FillFromCustomers(FieldRep& control, const char* function)
    {
        Class* customers = Project().GetClassForTable(&Customer(), false);
        auto* call = new ClassInvokation;
        Function* called = customers->FindFunctionByName(function);
        call->SetFunction(customers, called);
        if (!called->GetParameters().empty())
            call->AddParameterMap(called->GetParameters()[0], OrdersField("customer_id"));
        control.GetFieldRepData()->SetDataCall(call);
        control.GetFieldRepData()->SetFrontField(Customer().FindFieldByName(
            std::string(function) == "SelectRecord" ? "credit_limit" : "cname"));
        control.GetFieldRepData()->SetBackField(Customer().GetPrimaryKeyField());
    }

    Field* OrdersField(const char* name) { return OrdersForm().GetTable()->FindFieldByName(name); }
};

// " Sales by customer ", bound to existing files, with two data sets: a procedure with a return
// value, a date and a text parameter, and a query whose text came from a data set file (entities,
// a line break, quotes) sharing the customer parameter. The combo recomputes the credit text
// box; the editable combo is filled from the same class; the check box is hidden; links before
// and after.
RDLCReport& AddSalesReport(RDLCProject& fixture)
{
    RDLCReport& report =
        fixture.AddReport(" Sales by customer ", 1, "BaseModule\\RDLCs\\sales_by_customer.rdlc");
    report.SetHeader("Sales \"by\" <customer>");
    FieldRep& combo = fixture.AddControl(report, "customer_id", FieldRepData::ComboBox);
    fixture.FillFromCustomers(combo, "SelectAllRecords");
    fixture.FillFromCustomers(fixture.AddControl(report, "status", FieldRepData::EditableComboBox),
                              "SelectAllRecords");
    fixture.AddControl(report, "odate", FieldRepData::DateControl);
    fixture.AddControl(report, "notes", FieldRepData::TextArea);
    FieldRep& credit = fixture.AddControl(report, "credit", FieldRepData::TextBox);
    fixture.FillFromCustomers(credit, "SelectRecord");
    auto* onChange = new EventRecmpFields;
    onChange->AddClassRecompute(&credit);
    combo.GetFieldRepData()->AddEventRecmpFields(onChange);
    fixture.AddControl(report, "urgent", FieldRepData::CheckBox)
        .GetFieldRepData()
        ->SetAddedBySync(true);
    report.AddPreLink(
        new LinkControl(fixture.Base().FindMenuByName("Order List"), 0, 0, LinkControl::Left));
    report.GetPreLinkList().back()->SetCaption("Order List");
    report.AddPostLink(
        new LinkControl(fixture.Base().FindMenuByName("Home"), 0, 0, LinkControl::Right));
    report.GetPostLinkList().back()->SetCaption("Home");

    TableAdapter& orders =
        fixture.AddDataSet("BaseModule\\DataSets\\orders_ByCustomer.xsd", "ordersTableAdapter",
                           "StoredProcedure", "PRC_orders_ByCustomer");
    fixture.AddRecord(report, "orders_ByCustomer", orders, "orders",
                      {{"@RETURN_VALUE", nullptr},
                       {"@customer_id", "customer_id"},
                       {"@odate", "odate"},
                       {"@notes", "notes"}});
    TableAdapter& customers = fixture.AddDataSet(
        "BaseModule\\DataSets\\customer_Credit.xsd", "customerTableAdapter", "Text",
        "SELECT cname, credit_limit FROM customer WHERE credit_limit &gt; @credit\r\n"
        "AND cname &lt;&gt; &apos;a \"b\"&apos; AND customer_id = @customer_id");
    fixture.AddRecord(report, "customer_Credit", customers, "customer",
                      {{"@credit", "credit"}, {"@customer_id", "customer_id"}});
    return report;
}

// The lines of the text that hold the part, without their tabs and line ends.
std::vector<std::string> LinesWith(const std::string& text, const std::string& part)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
    {
        if (line.find(part) == std::string::npos)
            continue;
        line.erase(0, line.find_first_not_of('\t'));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

const char* const salesPages[] = {"Sales_by_customer_report.aspx",
                                  "Sales_by_customer_report.aspx.cs",
                                  "Sales_by_customer_report.aspx.designer.cs",
                                  "Sales_by_customer_report_Print.aspx",
                                  "Sales_by_customer_report_Print.aspx.cs",
                                  "Sales_by_customer_report_Print.aspx.designer.cs"};
} // namespace

// The page, code-behind and designer files of the report page and of the print page (Visual
// Studio 2008: the page registers the viewer 9.0.0.0, the print page 8.0.0.0) equal their
// expected files. Two data sets: both object data sources, the data sources cleared once, each
// query in its own block, no local declared twice. The print page pairs its values with the
// parameters through the maps as the page does, and deletes its file through the application's
// folder, not the generating machine's. Node accepts the page's scripts; the code compiles with the
// Util classes, the data classes and the viewer's stand-in.
TEST(RDLCReportPages, PagesOfAReportWithTwoDataSetsAreWrittenAsExpectedAndCompile)
{
    RDLCProject fixture;
    fixture.Project().GetProjectSettings()->SetVisualStudioVersion(3);
    RDLCReport& report = AddSalesReport(fixture);
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteRDLCMarkup(report);
    writers.WriteRDLCCodeBehind(report);
    writers.WriteRDLCPrintPage(report);
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();

    std::string sources;
    for (const std::string name : salesPages)
    {
        const std::string written = ReadHostFile(fixture.PageFolder() / name);
        EXPECT_EQ(GoldenBytes("RDLCPages/" + name), written) << name;
        EXPECT_EQ(std::string::npos, written.find(fixture.Root().string())) << name;
        if (name.ends_with(".cs"))
            sources += " " + ShellQuoted(fixture.PageFolder() / name);
    }
    const std::string page = ReadHostFile(fixture.PageFolder() / salesPages[0]);
    const fs::path script = fixture.Root() / "page.js";
    WriteHostFile(script, PageScript(page));
    const ToolResult check = RunTool("node --check " + ShellQuoted(script));
    EXPECT_EQ(0, check.exitCode) << check.output;
    const std::string code = ReadHostFile(fixture.PageFolder() / salesPages[1]);
    const std::string printCode = ReadHostFile(fixture.PageFolder() / salesPages[4]);
    EXPECT_EQ(LinesWith(code, "sqlParamVals = "), LinesWith(printCode, "sqlParamVals = "));
    EXPECT_EQ((std::vector<std::string>{"String[] sqlParamVals = { customer_id, odate, notes };",
                                        "sqlParamVals = new String[] { credit, customer_id };"}),
              LinesWith(printCode, "sqlParamVals = "));

    WriteUtilClasses(writers);
    writers.WriteDataClass(fixture.Customer());
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;
    const ToolResult viewer = BuildReportViewerAssembly(application);
    ASSERT_EQ(0, viewer.exitCode) << viewer.output;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(application / "BaseModule" / "CS"))
        sources += " " + ShellQuoted(entry.path());
    const ToolResult compile =
        RunTool("mcs -warnaserror -nowarn:169,219,414 -target:library -out:" +
                ShellQuoted(application / "Pages.dll") + references +
                " -r:" + ShellQuoted(application / "Util" / "Util.dll") + " -r:" +
                ShellQuoted(application / "Microsoft.ReportViewer.WebForms.dll") + sources);
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The object data source's type is the data set's table adapter class. Visual Studio 2005, and the
// print page always, leave the module's folder out of it for a report built on its table; a report
// on existing files keeps it. Only that folder goes: the module name in the project's and the
// table's names stays. The page registers the viewer of the target version, the print page 8.0.0.0.
TEST(RDLCReportPages, TypeNamesLeaveOutOnlyTheModuleFolder)
{
    const char* const kept = "TypeName=\"SalesApp.Sales.DataSets.Sales_item_SelectAllRecords"
                             "TableAdapters.Sales_itemTableAdapter\">";
    const char* const left = "TypeName=\"SalesApp.DataSets.Sales_item_SelectAllRecords"
                             "TableAdapters.Sales_itemTableAdapter\">";
    const struct
    {
        int visualStudio;
        int mode;
        const char* pageType;
        const char* printType;
        const char* pageVersion;
    } cases[] = {
        {0, 0, left, left, "8.0.0.0"},
        {3, 0, kept, left, "9.0.0.0"},
        {0, 1, kept, kept, "8.0.0.0"},
        {3, 1, kept, kept, "9.0.0.0"},
    };
    for (const auto& c : cases)
    {
        RDLCProject fixture;
        fixture.Project().SetProjectName("SalesApp");
        fixture.Project().GetProjectSettings()->SetVisualStudioVersion(c.visualStudio);
        fixture.Base().SetName("Sales");
        RDLCReport& report =
            fixture.AddReport("Sales_item_rdlc", c.mode, "Sales\\RDLCs\\Sales_item.rdlc");
        TableAdapter& adapter =
            fixture.AddDataSet("Sales\\DataSets\\Sales_item_SelectAllRecords.xsd",
                               "Sales_itemTableAdapter", "Text", "SELECT * FROM Sales_item");
        fixture.AddRecord(report, "Sales_item_SelectAllRecords", adapter, "Sales_item", {});
        report.SetXSDInfo(fixture.Project().GetXSDInfos().back());
        ProjectWriterSet writers(fixture.Project(), fixture.Report());
        writers.WriteRDLCMarkup(report);
        writers.WriteRDLCPrintPage(report);
        const fs::path folder = fixture.Root() / "SalesApp" / "SalesApp" / "Sales" / "UI";
        const std::string page = ReadHostFile(folder / "Sales_item_rdlc_report.aspx");
        const std::string print = ReadHostFile(folder / "Sales_item_rdlc_report_Print.aspx");
        const std::string what = std::to_string(c.visualStudio) + "/" + std::to_string(c.mode);
        const std::string objectDataSource =
            "<asp:ObjectDataSource ID=\"ObjectDataSource1\" runat=\"server\" "
            "SelectMethod=\"GetData\" ";
        EXPECT_EQ(std::vector<std::string>{objectDataSource + c.pageType},
                  LinesWith(page, "TypeName="))
            << what;
        EXPECT_EQ(std::vector<std::string>{objectDataSource + c.printType},
                  LinesWith(print, "TypeName="))
            << what;
        const std::string assembly = "Microsoft.ReportViewer.WebForms, Version=";
        EXPECT_EQ(1u, LinesWith(page, assembly + c.pageVersion).size()) << what;
        EXPECT_EQ(1u, LinesWith(print, assembly + "8.0.0.0").size()) << what;
    }
}

// Without shown controls (none, or only a hidden one) the page has no View button and its
// Page_Load shows the report at once, with no initializeControls() call although the method is
// written; a shown control brings the View button and the report waits for it. A default date is
// converted only with the day-first date format.
TEST(RDLCReportPages, ViewButtonAndDefaultsFollowTheShownControls)
{
    const std::string viewButton = "<input type =\"Button\" class= \"ButtonControl\" value= "
                                   "\"View\" id=\"View\" onclick='OnShow(\"SHOW\")' />&nbsp;&nbsp;";
    const struct
    {
        const char* what;
        int kind;
        bool hidden;
        const char* dateFormat;
        std::vector<std::string> viewButtons;
        std::vector<std::string> showsAtOnce;
        std::vector<std::string> dateDefaults;
    } cases[] = {
        {"no control", -1, false, "dd/mm/yyyy", {}, {"ReportViewer1.Visible = true;"}, {}},
        {"hidden date",
         FieldRepData::DateControl,
         true,
         "dd/mm/yyyy",
         {},
         {"ReportViewer1.Visible = true;"},
         {}},
        {"day-first date",
         FieldRepData::DateControl,
         false,
         "dd/mm/yyyy",
         {viewButton},
         {},
         {"String str = \"\";", "str = util.getDateAsMMDDYYYY();", "str = util.ShownDate(str);",
          "this.odate.Value = str;"}},
        {"month-first date",
         FieldRepData::DateControl,
         false,
         "mm/dd/yyyy",
         {viewButton},
         {},
         {"String str = \"\";", "str = util.getDateAsMMDDYYYY();", "this.odate.Value = str;"}},
    };
    for (const auto& c : cases)
    {
        RDLCProject fixture;
        fixture.Project().GetProjectSettings()->SetDateFormat(c.dateFormat);
        RDLCReport& report = fixture.AddReport("Plain", 1, "BaseModule\\RDLCs\\plain.rdlc");
        if (c.kind >= 0)
            fixture.AddControl(report, "odate", c.kind).GetFieldRepData()->SetAddedBySync(c.hidden);
        ProjectWriterSet writers(fixture.Project(), fixture.Report());
        writers.WriteRDLCMarkup(report);
        writers.WriteRDLCCodeBehind(report);
        const std::string page = ReadHostFile(fixture.PageFolder() / "Plain_report.aspx");
        const std::string code = ReadHostFile(fixture.PageFolder() / "Plain_report.aspx.cs");
        EXPECT_EQ(c.viewButtons, LinesWith(page, "id=\"View\"")) << c.what;
        EXPECT_EQ(1u, LinesWith(page, "id=\"Print\"").size()) << c.what;
        const std::string pageLoad =
            code.substr(code.find("Page_Load"),
                        code.find("void initializeControls()") - code.find("Page_Load"));
        EXPECT_EQ(c.showsAtOnce, LinesWith(pageLoad, "ReportViewer1.Visible")) << c.what;
        EXPECT_EQ(std::vector<std::string>{}, LinesWith(pageLoad, "initializeControls();"))
            << c.what;
        EXPECT_EQ(1u, LinesWith(code, "void initializeControls()").size()) << c.what;
        EXPECT_EQ(c.dateDefaults, LinesWith(pageLoad, "str")) << c.what;
    }
}

// The page's SHOW runs the queries only when every data-set record has its table-adapter map.
// Otherwise the print page runs the first record's query without parameters, or, when its table
// adapter is unknown, only clears and refreshes; a report without records runs nothing.
TEST(RDLCReportPages, QueriesNeedAMapPerRecord)
{
    const std::vector<std::string> firstRecordOnly = {
        "ReportViewer1.LocalReport.DataSources.Clear();",
        "String commandText = \"SELECT * FROM orders\";",
        "String[] sqlParams = {  };",
        "String[] sqlParamVals = {  };",
        "ReportViewer1.LocalReport.DataSources.Add(datasource);",
        "ReportViewer1.LocalReport.Refresh();"};
    const std::vector<std::string> clearAndRefresh = {
        "ReportViewer1.LocalReport.DataSources.Clear();", "ReportViewer1.LocalReport.Refresh();"};
    const struct
    {
        const char* what;
        int records;
        bool mapped;
        const char* adapterName;
        std::vector<std::string> show;
        std::vector<std::string> print;
    } cases[] = {
        {"mapped",
         1,
         true,
         "ordersTableAdapter",
         {"ReportViewer1.LocalReport.DataSources.Clear();",
          "String commandText = \"SELECT * FROM orders\";", "String[] sqlParams = { \"@odate\" };",
          "String[] sqlParamVals = { odate };",
          "ReportViewer1.LocalReport.DataSources.Add(datasource);",
          "ReportViewer1.LocalReport.Refresh();"},
         {"ReportViewer1.LocalReport.DataSources.Clear();",
          "String commandText = \"SELECT * FROM orders\";", "String[] sqlParams = { \"@odate\" };",
          "String[] sqlParamVals = { odate };",
          "ReportViewer1.LocalReport.DataSources.Add(datasource);",
          "ReportViewer1.LocalReport.Refresh();"}},
        {"not mapped", 1, false, "ordersTableAdapter", {}, firstRecordOnly},
        {"two records, not mapped", 2, false, "ordersTableAdapter", {}, firstRecordOnly},
        {"unknown adapter", 1, false, "otherTableAdapter", {}, clearAndRefresh},
        {"no record", 0, false, "ordersTableAdapter", {}, {}},
    };
    for (const auto& c : cases)
    {
        RDLCProject fixture;
        RDLCReport& report = fixture.AddReport("Plain", 1, "BaseModule\\RDLCs\\plain.rdlc");
        fixture.AddControl(report, "odate", FieldRepData::DateControl);
        TableAdapter& adapter =
            fixture.AddDataSet("BaseModule\\DataSets\\orders_Plain.xsd", "ordersTableAdapter",
                               "Text", "SELECT * FROM orders");
        for (int record = 0; record < c.records; ++record)
            report.GetRDLCInfo()->AddDataSet("orders_Plain", c.adapterName, "orders");
        if (c.mapped)
            report.AddTableAdapterMap({&adapter, {{"@odate", fixture.OrdersField("odate")}}});
        ProjectWriterSet writers(fixture.Project(), fixture.Report());
        writers.WriteRDLCCodeBehind(report);
        writers.WriteRDLCPrintPage(report);
        const std::string code = ReadHostFile(fixture.PageFolder() / "Plain_report.aspx.cs");
        std::string print = ReadHostFile(fixture.PageFolder() / "Plain_report_Print.aspx.cs");
        print.erase(print.find("//print options"));
        const std::string show =
            code.substr(code.find("void handleShow()"),
                        code.find("catch (SqlException e)") - code.find("void handleShow()"));
        for (const auto& [text, expected] : {std::pair{show, c.show}, std::pair{print, c.print}})
        {
            std::vector<std::string> lines;
            for (const std::string& line : LinesWith(text, ""))
            {
                if (line.find("ReportViewer1.LocalReport") != std::string::npos ||
                    line.find("commandText =") != std::string::npos || line.find("sqlParam") == 0 ||
                    line.find("String[]") == 0)
                    lines.push_back(line);
            }
            EXPECT_EQ(expected, lines) << c.what;
        }
    }
}
