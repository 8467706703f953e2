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

TEST(ChartDataTest, ValuesInDialogOrderAreAssignedWithTheChartType)
{
    ColumnGraphData column;
    column.SetValues("Sales", "Per month", "Month", "Amount", "MonthNo", "Total", "$");
    column.SetChartType(1);
    ColumnGraphData columnCopy;
    columnCopy.Assign(column);
    EXPECT_EQ((std::vector<CString>{"Area2D", "Sales", "Per month", "Month", "Amount", "MonthNo",
                                    "Total", "$"}),
              (std::vector<CString>{columnCopy.GetChartTypeName(), columnCopy.GetCaption(),
                                    columnCopy.GetSubcaption(), columnCopy.GetXAxisName(),
                                    columnCopy.GetYAxisName(), columnCopy.GetXParameter(),
                                    columnCopy.GetYParameter(), columnCopy.GetNumberPrefix()}));

    PieChartData pie;
    pie.SetValues("Share", "By region", "Region", "%");
    pie.SetChartType(4);
    PieChartData pieCopy;
    pieCopy.Assign(pie);
    EXPECT_EQ((std::vector<CString>{"Doughnut2D", "Share", "By region", "Region", "%"}),
              (std::vector<CString>{pieCopy.GetChartTypeName(), pieCopy.GetCaption(),
                                    pieCopy.GetSubcaption(), pieCopy.GetParameter(),
                                    pieCopy.GetNumberPrefix()}));
}

} // namespace
