#include "ClassicGolden.h"
#include "ReportProject.h"

#include "entities/ApplicationReport.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "gen_classic/ReportCollectorWriter.h"
#include "tests/gen_web/GenWebProject.h"

#include <gtest/gtest.h>

// The collector "Sales Board" of five list reports "Sales A" to "Sales E" of BaseModule, each
// over PRC_Sales(name, placed) with a filter on both fields. The collector filters on name,
// which every report maps, and on amount, which none does; only the first two reports have a
// print page file in the collector.
class ReportCollectorTest : public ::testing::Test
{
protected:
    ReportCollectorTest()
    {
        Procedure* sales = m_reports.AddProcedure("PRC_Sales");
        Field* name = m_reports.Name();
        m_collector->SetName("Sales Board");
        m_collector->SetModule(&m_reports.Base());
        m_reports.Base().Append(m_collector);
        m_collector->CreateDefaultAspFiles(0);
        for (const char* reportName : {"Sales A", "Sales B", "Sales C", "Sales D", "Sales E"})
            m_collector->AddReport(
                {m_reports.AddListReport(reportName, sales, {name, m_reports.Placed()}), 250, 450});
        for (int index = 2; index < 5; ++index)
            m_collector->RemoveAspFileForReport(m_collector->GetEntries()[index].m_report);
        for (Field* field : {name, m_reports.Amount()})
        {
            m_collector->AddFieldRep(ClassicPageFixture::NewControl(field, FieldRepData::TextBox));
            auto* variable = new Variable;
            variable->SetName("reportCollector_" + field->GetFieldName() + "_var");
            variable->SetKind(Variable::pageKind);
            m_collector->AddFieldVariableMap(new FieldVariableMap{field, variable});
        }
    }

    std::filesystem::path Page(const char* name) const
    {
        return m_project.Root() / "BaseModule" / name;
    }
    std::string Read(const char* name) const { return ReadPage(Page(name)); }

    ReportProject m_reports;
    GenWebProject& m_project = m_reports.Project();
    ReportCollector* m_collector = new ReportCollector;
};

// Five reports in three columns: two rows of frames, the missing sixth as two empty cells; the
// print pages of the two reports with a page file leave the collector's name filter out.
TEST_F(ReportCollectorTest, FramePageAndPrintPagesPassTheChecks)
{
    m_collector->SetNumColumns(3);
    ReportCollectorWriter(&m_project.Project(), m_collector, m_project.Report()).Write();
    EXPECT_TRUE(m_project.Report().IsEmpty()) << m_project.Report().GetText().str();
    ExpectGolden("collector/Sales_Board.asp", Read("Sales_Board.asp"));
    ExpectGolden("collector/Sales_A_ReportCollector.asp", Read("Sales_A_ReportCollector.asp"));
    const std::string second = Read("Sales_B_ReportCollector.asp");
    EXPECT_EQ(Count(second, "name = \"txt_placed\""), 1);
    EXPECT_EQ(Count(second, "name = \"txt_name\""), 0);
    for (const char* absent : {"Sales_C_ReportCollector.asp", "Sales_A_report.asp"})
        EXPECT_FALSE(std::filesystem::exists(Page(absent))) << absent;

    std::filesystem::copy(ClassicData("_system"), m_project.Root() / "_system",
                          std::filesystem::copy_options::recursive);
    for (const char* name :
         {"Sales_Board.asp", "Sales_A_ReportCollector.asp", "Sales_B_ReportCollector.asp"})
    {
        EXPECT_EQ("", Joined(CheckPageFile(Page(name)))) << name;
        ExpectNodeAccepts(PageScripts(Read(name)), m_project.Root());
    }
}

// However many columns the collector asks for, every frame has its cell: a count of 0 or less
// lays the frames out in one column.
TEST_F(ReportCollectorTest, FrameRowsFollowTheColumnCount)
{
    struct Case
    {
        int columns;
        int rows;
        int emptyCells;
    };
    const Case cases[] = {{3, 2, 1}, {5, 1, 0}, {2, 3, 1}, {1, 5, 0}, {0, 5, 0}, {-2, 5, 0}};
    for (const Case& test : cases)
    {
        m_collector->SetNumColumns(test.columns);
        ReportCollectorWriter(&m_project.Project(), m_collector, m_project.Report()).Write();
        const std::string page = Read("Sales_Board.asp");
        EXPECT_EQ(Count(page, "\t\t\t\t\t\t\t<TR>\n\t\t\t\t\t\t\t\t<TD bgColor = <%=glb_bgBlank%> "
                              "align = center valign = top>"),
                  test.rows)
            << test.columns;
        EXPECT_EQ(Count(page, "<IFRAME src = "), 5) << test.columns;
        EXPECT_EQ(Count(page, "&nbsp </TD>\n"), 2 * test.emptyCells) << test.columns;
    }
}
