#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/GraphData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "gen_classic/GraphReportWriter.h"
#include "gen_classic/ReportPageWriter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/gen_web/GenWebProject.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// The list report "Order List" of BaseModule over PRC_Orders(name, placed) with a name and a
// date filter, and a button column calling PRC_Close with the row's key.
class ReportPage
{
public:
    ReportPage()
    {
        m_table->SetTableName("orders");
        m_table->EnsureDefaultFields();
        Field* name = AddNullableField(*m_table, "name", 4);
        Field* placed = AddNullableField(*m_table, "placed", 5);
        Field* key = m_table->GetPrimaryKeyField();
        m_report->SetName("Order List");
        m_project.Base().Append(m_report);
        m_report->SetModule(&m_project.Base());
        m_target.SetName("p_id");
        m_report->SetReportKind(1);
        auto* group = new ReportGroup(m_report, nullptr);
        m_report->AddReportGroup(group);
        auto* call = new ProcedureInvokation;
        m_list->SetName("PRC_Orders");
        m_list->SetMainTable(m_table.get());
        call->SetProcedure(m_list.get());
        for (Field* field : {name, placed})
        {
            group->AddFilter(ClassicPageFixture::NewControl(field, FieldRepData::TextBox));
            m_report->AddFieldRep(ClassicPageFixture::NewControl(field, FieldRepData::TextBox));
            auto* own = new Variable;
            own->SetName("@" + field->GetFieldName());
            m_list->AddFieldParameterPair(field, own);
            call->AddVariablePair(
                new VariablePair{own, m_report->FindFieldVariableMapByField(field)->variable});
        }
        group->SetProcedureCall(call);
        m_infos.push_back(
            std::make_unique<ProcedureFieldInfo>(name, ProcedureFieldInfo::noAggregate));
        auto* column = new ReportField(m_infos.back().get());
        column->SetName("Name");
        group->AddReportField(column);
        m_infos.push_back(
            std::make_unique<ProcedureFieldInfo>(key, ProcedureFieldInfo::noAggregate));
        auto* button = new ReportField(m_infos.back().get());
        button->SetName("Close");
        m_close->SetName("PRC_Close");
        auto* property = new ReportFieldControlProperty;
        property->SetControl(ClassicPageFixture::NewControl(key, FieldRepData::Button));
        property->SetProcedure(m_close.get());
        property->AddBinding(
            new ReportFieldBinding{&m_target, nullptr, nullptr, m_infos.back().get()});
        button->SetControlProperty(property);
        group->AddReportField(button);
        m_report->CreateDefaultAspFiles(0);
        m_report->CreateButtonAspFileIfNeeded();
    }

    void Write()
    {
        ReportPageWriter(&m_project.Project(), m_report, m_project.Report()).Write(false);
    }
    // Two drill-down levels below the first group, each with a column.
    void WriteGroupPage()
    {
        for (const char* procedureName : {"PRC_Days", "PRC_Lines"})
        {
            m_levels.push_back(std::make_unique<Procedure>());
            m_levels.back()->SetName(procedureName);
            m_levels.back()->SetMainTable(m_table.get());
            auto* group = new ReportGroup(m_report, nullptr);
            auto* call = new ProcedureInvokation;
            call->SetProcedure(m_levels.back().get());
            group->SetProcedureCall(call);
            auto* column = new ReportField(m_infos.front().get());
            column->SetName(procedureName);
            group->AddReportField(column);
            m_report->AddReportGroup(group);
        }
        m_report->SetName("Orders By Day");
        ReportPageWriter(&m_project.Project(), m_report, m_project.Report())
            .WriteGroupPage(m_report->GetAspFileAt(0));
    }
    // A column chart over the report; without the procedure its first group calls nothing.
    void WriteGraphPages(bool withProcedure, UINT chartType = 2)
    {
        m_report->SetReportKind(3);
        auto* chart = new GraphData;
        chart->SetCaption("Orders & 'late' ones");
        chart->SetChartType(chartType);
        m_report->SetChartData(2, chart);
        if (!withProcedure)
            m_report->GetReportGroups().front()->SetProcedureCall(nullptr);
        GraphReportWriter(&m_project.Project(), m_report, m_project.Report()).Write();
    }
    std::filesystem::path Page(const char* name) const
    {
        return m_project.Root() / "BaseModule" / name;
    }
    std::string Read(const char* name) const { return ReadPage(Page(name)); }
    GenWebProject& Project() { return m_project; }

private:
    GenWebProject m_project;
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    std::unique_ptr<Procedure> m_list = std::make_unique<Procedure>();
    std::unique_ptr<Procedure> m_close = std::make_unique<Procedure>();
    std::vector<std::unique_ptr<ProcedureFieldInfo>> m_infos;
    std::vector<std::unique_ptr<Procedure>> m_levels;
    Variable m_target;
    ApplicationReport* m_report = new ApplicationReport;
};

TEST(ReportPageTest, ListPageAndButtonActionPagePassTheChecks)
{
    ReportPage page;
    page.Write();
    EXPECT_TRUE(page.Project().Report().IsEmpty()) << page.Project().Report().GetText().str();
    ExpectGolden("report/Order_List_report.asp", page.Read("Order_List_report.asp"));
    ExpectGolden("report/Order_List_action.asp", page.Read("Order_List_action.asp"));
    std::filesystem::copy(ClassicData("_system"), page.Project().Root() / "_system",
                          std::filesystem::copy_options::recursive);
    for (const char* name : {"Order_List_report.asp", "Order_List_action.asp"})
        EXPECT_EQ("", Joined(CheckPageFile(page.Page(name)))) << name;
    const std::vector<std::string> scripts = PageScripts(page.Read("Order_List_report.asp"));
    EXPECT_FALSE(scripts.empty());
    ExpectNodeAccepts(scripts, page.Project().Root());
}
// Three groups: the filter form of the first, the column heads of the last and the chain of
// ShowOutput_ functions, under the form name without blanks.
TEST(ReportPageTest, GroupReportPagePassesTheChecks)
{
    ReportPage page;
    page.WriteGroupPage();
    EXPECT_TRUE(page.Project().Report().IsEmpty()) << page.Project().Report().GetText().str();
    ExpectGolden("report/Orders_By_Day_report.asp", page.Read("Orders_By_Day_report.asp"));
    std::filesystem::copy(ClassicData("_system"), page.Project().Root() / "_system",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ("", Joined(CheckPageFile(page.Page("Orders_By_Day_report.asp"))));
    ExpectNodeAccepts(PageScripts(page.Read("Orders_By_Day_report.asp")), page.Project().Root());
}

// The graph page's chart object reads the chart data page, which runs the first group's
// procedure; without that procedure the data page is not written and the run says so.
TEST(ReportPageTest, GraphPageAndItsChartDataPage)
{
    for (const bool withProcedure : {true, false})
    {
        ReportPage page;
        page.WriteGraphPages(withProcedure);
        ExpectGolden("report/Order_List_graph.asp", page.Read("Order_List_report.asp"));
        std::filesystem::copy(ClassicData("_system"), page.Project().Root() / "_system",
                              std::filesystem::copy_options::recursive);
        EXPECT_EQ("", Joined(CheckPageFile(page.Page("Order_List_report.asp"))));
        ExpectNodeAccepts(PageScripts(page.Read("Order_List_report.asp")), page.Project().Root());
        const std::string report = page.Project().Report().GetText().str();
        if (withProcedure)
        {
            EXPECT_EQ(report, "");
            ExpectGolden("report/Order_List_chart_data.asp", page.Read("Order_List_action.asp"));
            EXPECT_EQ("", Joined(CheckPageFile(page.Page("Order_List_action.asp"))));
            continue;
        }
        EXPECT_FALSE(std::filesystem::exists(page.Page("Order_List_action.asp")));
        EXPECT_NE(report.find("Order List (Order_List_action.asp)"), std::string::npos) << report;
    }
}

// The chart movie is named after the chart type; a type outside 1 to 7 names none.
TEST(ReportPageTest, TheGraphPageNamesTheChartOfItsType)
{
    const std::pair<UINT, const char*> cases[] = {
        {1, "Area2D"}, {4, "Doughnut2D"}, {7, "SSGrid"}, {0, ""}, {8, ""}};
    for (const auto& [type, name] : cases)
    {
        ReportPage page;
        page.WriteGraphPages(true, type);
        EXPECT_NE(page.Read("Order_List_report.asp")
                      .find("\tstrGraph = \"./Charts/" + std::string(name) +
                            ".swf?chartWidth=350&chartHeight=300\"\n"),
                  std::string::npos)
            << type;
    }
}

// A graph report made in the report designer fills its groups through a function of a data
// class, which no classic page can run: its chart data page is not written, and the run names
// it with the function, also when the report has no page file for it (a list report with a
// chart).
TEST(ReportPageTest, AChartFedByAFunctionIsNamedAsNotWritten)
{
    for (const int kind : {3, 1})
    {
        SCOPED_TRACE(kind);
        Class orders;
        orders.SetName("orders_class");
        Function totals;
        totals.SetName("TotalsByRegion");
        GenWebProject project;
        auto* call = new ClassInvokation;
        call->SetFunction(&orders, &totals);
        auto* report = new ApplicationReport;
        report->SetName("Sales Chart");
        report->SetModule(&project.Base());
        project.Base().Append(report);
        report->AddReportGroup(new ReportGroup(report, call));
        report->SetReportKind(kind);
        report->CreateDefaultAspFiles(0);
        report->SetChartData(2, new GraphData);
        GraphReportWriter(&project.Project(), report, project.Report()).Write();

        EXPECT_TRUE(std::filesystem::exists(project.Root() / "BaseModule/Sales_Chart_report.asp"));
        EXPECT_FALSE(std::filesystem::exists(project.Root() / "BaseModule/Sales_Chart_action.asp"));
        EXPECT_EQ(project.Report().GetText().str(),
                  std::string("These pages were skipped:\nSales Chart (") +
                      (kind == 3 ? "Sales_Chart_action.asp" : "chart data page") +
                      ") (the report's first group calls the function "
                      "orders_class.TotalsByRegion, which no classic page can run; the chart "
                      "data page needs a procedure)");
    }
}
} // namespace
