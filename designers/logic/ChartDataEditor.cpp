#include "designers/logic/ChartDataEditor.h"

#include "designers/logic/OutputColumns.h"
#include "editors/logic/ListLookup.h"
#include "entities/ApplicationReport.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "entities/ReportGroup.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

ChartDataEditor::ChartDataEditor(const ApplicationReport& report, int groupIndex, GraphData& chart)
    : m_report(report), m_groupIndex(groupIndex), m_chart(chart),
      m_column(dynamic_cast<ColumnGraphData*>(&chart)), m_pie(dynamic_cast<PieChartData*>(&chart))
{
}

UINT ChartDataEditor::TemplateFor(const GraphData& chart)
{
    return dynamic_cast<const ColumnGraphData*>(&chart) != nullptr ? IDD_COLUMN : IDD_PIE;
}

void ChartDataEditor::ShowParameter(int id, const CString& name)
{
    const ReportGroup* group = ItemAt(m_report.GetReportGroups(), m_groupIndex);
    std::vector<CString> names;
    if (group != nullptr)
        names = OutputColumns::Names(OutputColumns::Of(*group));
    const auto found = std::find(names.begin(), names.end(), name);
    const int selection = found == names.end() ? -1 : static_cast<int>(found - names.begin());
    m_states.SetItems(id, std::move(names));
    m_states.Select(id, selection);
}

CString ChartDataEditor::ReadParameter(int id) const
{
    const auto& items = m_states.GetItems(id);
    const int selection = m_states.GetSelection(id);
    return selection >= 0 && static_cast<std::size_t>(selection) < items.size() ? items[selection]
                                                                                : CString();
}

void ChartDataEditor::Open()
{
    const CString caption =
        m_chart.GetCaption().IsEmpty() ? m_report.GetFormName() : m_chart.GetCaption();
    if (m_column != nullptr)
    {
        m_states.SetText(IDC_CAPTION, caption);
        m_states.SetText(IDC_SUBCAPTION, m_chart.GetSubcaption());
        m_states.SetText(IDC_NUMBER_PREFIX, m_chart.GetNumberPrefix());
        m_states.SetText(IDC_X_NAME, m_column->GetXAxisName());
        m_states.SetText(IDC_Y_NAME, m_column->GetYAxisName());
        ShowParameter(IDC_X_PARAMETER, m_column->GetXParameter());
        ShowParameter(IDC_Y_PARAMETER, m_column->GetYParameter());
    }
    else
    {
        m_states.SetText(IDC_PIE_CAPTION, caption);
        m_states.SetText(IDC_PIE_SUBCAPTION, m_chart.GetSubcaption());
        m_states.SetText(IDC_PIE_NUMBER_PREFIX, m_chart.GetNumberPrefix());
        ShowParameter(IDC_PIE_PARAMETER, m_pie != nullptr ? m_pie->GetParameter() : CString());
    }
}

bool ChartDataEditor::Ok()
{
    if (const CString refusal = RefuseLineBreaks(
            {{"caption", m_states.GetText(m_column != nullptr ? IDC_CAPTION : IDC_PIE_CAPTION)}});
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    if (m_column != nullptr)
        m_column->SetValues(m_states.GetText(IDC_CAPTION), m_states.GetText(IDC_SUBCAPTION),
                            m_states.GetText(IDC_X_NAME), m_states.GetText(IDC_Y_NAME),
                            ReadParameter(IDC_X_PARAMETER), ReadParameter(IDC_Y_PARAMETER),
                            m_states.GetText(IDC_NUMBER_PREFIX));
    else if (m_pie != nullptr)
        m_pie->SetValues(m_states.GetText(IDC_PIE_CAPTION), m_states.GetText(IDC_PIE_SUBCAPTION),
                         ReadParameter(IDC_PIE_PARAMETER), m_states.GetText(IDC_PIE_NUMBER_PREFIX));
    return true;
}
