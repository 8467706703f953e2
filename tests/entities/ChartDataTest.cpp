#include "entities/ColumnGraphData.h"
#include "entities/GraphData.h"
#include "entities/PieChartData.h"

#include <gtest/gtest.h>

namespace
{

TEST(ChartDataTest, ChartTypesOneToSevenHaveTheirNamesAndOthersNone)
{
    const std::vector<CString> expected{"",      "Area2D", "Column2D", "Column3D", "Doughnut2D",
                                        "Pie2D", "Pie3D",  "SSGrid",   ""};
    GraphData chart;
    for (UINT type = 0; type < expected.size(); ++type)
    {
        chart.SetChartType(type);
        EXPECT_EQ(expected[type], chart.GetChartTypeName()) << type;
    }
    chart.SetChartType(0xFFFFFFFFu);
    EXPECT_EQ("", chart.GetChartTypeName());
    EXPECT_EQ("Column3D", ColumnGraphData().GetChartTypeName());
    EXPECT_EQ("Pie3D", PieChartData().GetChartTypeName());
}

TEST(ChartDataTest, ColumnChartValuesInDialogOrderAreAssignedWithTheChartType)
{
    ColumnGraphData chart;
    chart.SetValues("Sales", "Per month", "Month", "Amount", "MonthNo", "Total", "$");
    chart.SetChartType(1);
    ColumnGraphData copy;
    copy.Assign(chart);

    EXPECT_EQ("Area2D", copy.GetChartTypeName());
    EXPECT_EQ("Sales", copy.GetCaption());
    EXPECT_EQ("Per month", copy.GetSubcaption());
    EXPECT_EQ("Month", copy.GetXAxisName());
    EXPECT_EQ("Amount", copy.GetYAxisName());
    EXPECT_EQ("MonthNo", copy.GetXParameter());
    EXPECT_EQ("Total", copy.GetYParameter());
    EXPECT_EQ("$", copy.GetNumberPrefix());
}

TEST(ChartDataTest, PieChartValuesInDialogOrderAreAssignedWithTheChartType)
{
    PieChartData chart;
    chart.SetValues("Share", "By region", "Region", "%");
    chart.SetChartType(4);
    PieChartData copy;
    copy.Assign(chart);

    EXPECT_EQ("Doughnut2D", copy.GetChartTypeName());
    EXPECT_EQ("Share", copy.GetCaption());
    EXPECT_EQ("By region", copy.GetSubcaption());
    EXPECT_EQ("Region", copy.GetParameter());
    EXPECT_EQ("%", copy.GetNumberPrefix());
}

} // namespace
