#pragma once

#include "designers/logic/ChartDataEditor.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// A chart dialog over a ChartDataEditor: OK writes the texts into the chart it was given.
class ChartDataDlg : public CDialog
{
public:
    BOOL OnInitDialog() override;

protected:
    ChartDataDlg(const ApplicationReport& report, int groupIndex, GraphData& chart, CWnd* parent);
    void OnOK() override;

private:
    ChartDataEditor m_editor;
    ControlStatesView m_view;
};

// "Column and area chart data" on a ColumnGraphData.
class ColumnGraphDlg : public ChartDataDlg
{
public:
    static constexpr UINT IDD = ChartDataEditor::IDD_COLUMN;

    ColumnGraphDlg(const ApplicationReport& report, int groupIndex, ColumnGraphData& chart,
                   CWnd* parent = nullptr);
};

// "Pie and doughunt chart data" on a PieChartData.
class PieChartDataDlg : public ChartDataDlg
{
public:
    static constexpr UINT IDD = ChartDataEditor::IDD_PIE;

    PieChartDataDlg(const ApplicationReport& report, int groupIndex, PieChartData& chart,
                    CWnd* parent = nullptr);
};
