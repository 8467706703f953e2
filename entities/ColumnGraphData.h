#pragma once

#include "entities/GraphData.h"
#include "platform/core/CString.h"

class CArchive;

// The settings of a column or area chart: the axis names and the axis parameters.
class ColumnGraphData : public GraphData
{
    DECLARE_SERIAL(ColumnGraphData)

public:
    // Chart type 3, empty texts.
    ColumnGraphData() : GraphData(3) {}

    // The chart record, then x-axis name, y-axis name, x parameter, y parameter.
    void Serialize(CArchive& ar) override;

    // The values of the chart dialog.
    void SetValues(CString caption, CString subcaption, CString xAxisName, CString yAxisName,
                   CString xParameter, CString yParameter, CString numberPrefix);
    // Copies every member of the other chart.
    void Assign(const ColumnGraphData& other);

    const CString& GetXAxisName() const { return m_xAxisName; }
    void SetXAxisName(const CString& name) { m_xAxisName = name; }
    const CString& GetYAxisName() const { return m_yAxisName; }
    void SetYAxisName(const CString& name) { m_yAxisName = name; }
    const CString& GetXParameter() const { return m_xParameter; }
    void SetXParameter(const CString& parameter) { m_xParameter = parameter; }
    const CString& GetYParameter() const { return m_yParameter; }
    void SetYParameter(const CString& parameter) { m_yParameter = parameter; }

private:
    CString m_xAxisName;
    CString m_yAxisName;
    CString m_xParameter;
    CString m_yParameter;
};
