#pragma once

#include "entities/GraphData.h"
#include "platform/core/CString.h"

class CArchive;

// The settings of a pie or doughnut chart: one parameter.
class PieChartData : public GraphData
{
    DECLARE_SERIAL(PieChartData)

public:
    // Chart type 6, empty parameter.
    PieChartData() : GraphData(6) {}

    // The chart record, then the parameter.
    void Serialize(CArchive& ar) override;

    // The values of the chart dialog.
    void SetValues(CString caption, CString subcaption, CString parameter, CString numberPrefix);
    // Copies every member of the other chart.
    void Assign(const PieChartData& other);

    const CString& GetParameter() const { return m_parameter; }
    void SetParameter(const CString& parameter) { m_parameter = parameter; }

private:
    CString m_parameter;
};
