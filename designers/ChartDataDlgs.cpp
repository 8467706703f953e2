#include "designers/ChartDataDlgs.h"

#include "designers/DialogChoices.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using E = ChartDataEditor;

const DialogTemplateRegistration chartTemplates{
    {
        E::IDD_COLUMN,
        "Column and area chart data",
        {
            {0, ControlKind::Static, "Caption:"},
            {E::IDC_CAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Subcaption:"},
            {E::IDC_SUBCAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Number Prefix:"},
            {E::IDC_NUMBER_PREFIX, ControlKind::Edit, ""},
            {0, ControlKind::Static, "x-Name:"},
            {E::IDC_X_NAME, ControlKind::Edit, ""},
            {0, ControlKind::Static, "y-Name:"},
            {E::IDC_Y_NAME, ControlKind::Edit, ""},
            {0, ControlKind::Static, "x-Parameter:"},
            {E::IDC_X_PARAMETER, ControlKind::ComboBox, ""},
            {0, ControlKind::Static, "y-Parameter:"},
            {E::IDC_Y_PARAMETER, ControlKind::ComboBox, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {IDCANCEL, ControlKind::PushButton, "Cancel"},
        },
    },
    {
        E::IDD_PIE,
        "Pie and doughunt chart data",
        {
            {0, ControlKind::Static, "Caption:"},
            {E::IDC_PIE_CAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Subcaption:"},
            {E::IDC_PIE_SUBCAPTION, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Number Prefix:"},
            {E::IDC_PIE_NUMBER_PREFIX, ControlKind::Edit, ""},
            {0, ControlKind::Static, "Parameter:"},
            {E::IDC_PIE_PARAMETER, ControlKind::ComboBox, ""},
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
                {E::IDC_CAPTION, E::IDC_SUBCAPTION, E::IDC_NUMBER_PREFIX, E::IDC_X_NAME,
                 E::IDC_Y_NAME, E::IDC_PIE_CAPTION, E::IDC_PIE_SUBCAPTION,
                 E::IDC_PIE_NUMBER_PREFIX},
                {E::IDC_X_PARAMETER, E::IDC_Y_PARAMETER, E::IDC_PIE_PARAMETER});
    m_editor.Ok();
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
