#include "designers/ChartDataDlgs.h"

#include "designers/DialogChoices.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration chartTemplates{
    {
        ChartDataEditor::IDD_COLUMN,
        "Column and area chart data",
        {
            {0, ControlKind::Static, "Caption:"},
            {ChartDataEditor::IDC_CAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Subcaption:"},
            {ChartDataEditor::IDC_SUBCAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Number Prefix:"},
            {ChartDataEditor::IDC_NUMBER_PREFIX, ControlKind::Edit, ""},
            {0, ControlKind::Static, "x-Name:"},
            {ChartDataEditor::IDC_X_NAME, ControlKind::Edit, ""},
            {0, ControlKind::Static, "y-Name:"},
            {ChartDataEditor::IDC_Y_NAME, ControlKind::Edit, ""},
            {0, ControlKind::Static, "x-Parameter:"},
            {ChartDataEditor::IDC_X_PARAMETER, ControlKind::ComboBox, ""},
            {0, ControlKind::Static, "y-Parameter:"},
            {ChartDataEditor::IDC_Y_PARAMETER, ControlKind::ComboBox, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {IDCANCEL, ControlKind::PushButton, "Cancel"},
        },
    },
    {
        ChartDataEditor::IDD_PIE,
        "Pie and doughunt chart data",
        {
            {0, ControlKind::Static, "Caption:"},
            {ChartDataEditor::IDC_PIE_CAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Subcaption:"},
            {ChartDataEditor::IDC_PIE_SUBCAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Number Prefix:"},
            {ChartDataEditor::IDC_PIE_NUMBER_PREFIX, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Parameter:"},
            {ChartDataEditor::IDC_PIE_PARAMETER, ControlKind::ComboBox, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {IDCANCEL, ControlKind::PushButton, "Cancel"},
        },
    },
};
} // namespace

ChartDataDlg::ChartDataDlg(const ApplicationReport& report, int groupIndex, GraphData& chart,
                           CWnd* parent)
    : CDialog(ChartDataEditor::TemplateFor(chart), parent), m_editor(report, groupIndex, chart),
      m_view(*this)
{
}

BOOL ChartDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editor.Open();
    m_view.Show(m_editor.States());
    return TRUE;
}

void ChartDataDlg::OnOK()
{
    ReadChoices(*this, m_view, m_editor.States(),
                {ChartDataEditor::IDC_CAPTION, ChartDataEditor::IDC_SUBCAPTION,
                 ChartDataEditor::IDC_NUMBER_PREFIX, ChartDataEditor::IDC_X_NAME,
                 ChartDataEditor::IDC_Y_NAME, ChartDataEditor::IDC_PIE_CAPTION,
                 ChartDataEditor::IDC_PIE_SUBCAPTION, ChartDataEditor::IDC_PIE_NUMBER_PREFIX},
                {ChartDataEditor::IDC_X_PARAMETER, ChartDataEditor::IDC_Y_PARAMETER,
                 ChartDataEditor::IDC_PIE_PARAMETER});
    if (!m_editor.Ok())
        return;
    CDialog::OnOK();
}

ColumnGraphDlg::ColumnGraphDlg(const ApplicationReport& report, int groupIndex,
                               ColumnGraphData& chart, CWnd* parent)
    : ChartDataDlg(report, groupIndex, chart, parent)
{
}

PieChartDataDlg::PieChartDataDlg(const ApplicationReport& report, int groupIndex,
                                 PieChartData& chart, CWnd* parent)
    : ChartDataDlg(report, groupIndex, chart, parent)
{
}
