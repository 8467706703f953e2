#pragma once

#include "editors/logic/ControlStates.h"

class ApplicationReport;
class ColumnGraphData;
class GraphData;
class PieChartData;

// The chart dialogs on the texts of one chart: "Column and area chart data" for a column chart,
// "Pie and doughunt chart data" for a pie chart. The parameters are chosen from the output
// columns of the report's group at the index. OK writes the texts into the chart.
class ChartDataEditor
{
public:
    static constexpr UINT IDD_COLUMN = 203;
    static constexpr UINT IDD_PIE = 204;
    // Column chart.
    static constexpr int IDC_X_NAME = 1452;
    static constexpr int IDC_Y_NAME = 1453;
    static constexpr int IDC_NUMBER_PREFIX = 1454;
    static constexpr int IDC_X_PARAMETER = 1455;
    static constexpr int IDC_Y_PARAMETER = 1456;
    static constexpr int IDC_CAPTION = 1465;
    static constexpr int IDC_SUBCAPTION = 1468;
    // Pie chart.
    static constexpr int IDC_PIE_CAPTION = 1457;
    static constexpr int IDC_PIE_SUBCAPTION = 1458;
    static constexpr int IDC_PIE_PARAMETER = 1459;
    static constexpr int IDC_PIE_NUMBER_PREFIX = 1460;

    ChartDataEditor(const ApplicationReport& report, int groupIndex, GraphData& chart);

    // The template of the chart's dialog: the column chart's or the pie chart's.
    static UINT TemplateFor(const GraphData& chart);
    ControlStates& States() { return m_states; }
    void Open();
    // Stores the typed values into the chart; false, with the refusal shown and nothing stored,
    // when the caption holds a line break.
    bool Ok();

private:
    void ShowParameter(int id, const CString& name);
    CString ReadParameter(int id) const;

    const ApplicationReport& m_report;
    int m_groupIndex;
    GraphData& m_chart;
    ColumnGraphData* m_column;
    PieChartData* m_pie;
    ControlStates m_states;
};
