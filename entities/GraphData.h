#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CArchive;

// The chart settings of a report: caption, chart type (1 to 7), number prefix, subcaption.
class GraphData : public CObject
{
    DECLARE_SERIAL(GraphData)

public:
    // Empty texts; chart type 0, which names no chart.
    GraphData() = default;
    GraphData(const GraphData&) = delete;
    GraphData& operator=(const GraphData&) = delete;

    // Caption, chart type, number prefix, subcaption; files before version 33 hold none of them.
    void Serialize(CArchive& ar) override;

    // The name of the chart type: "Area2D" for 1 to "SSGrid" for 7; empty for any other.
    CString GetChartTypeName() const;
    // Copies caption, chart type, number prefix and subcaption of the other chart.
    void Assign(const GraphData& other);

    const CString& GetCaption() const { return m_caption; }
    void SetCaption(const CString& caption) { m_caption = caption; }
    UINT GetChartType() const { return m_chartType; }
    void SetChartType(UINT chartType) { m_chartType = chartType; }
    const CString& GetNumberPrefix() const { return m_numberPrefix; }
    void SetNumberPrefix(const CString& prefix) { m_numberPrefix = prefix; }
    const CString& GetSubcaption() const { return m_subcaption; }
    void SetSubcaption(const CString& subcaption) { m_subcaption = subcaption; }

protected:
    explicit GraphData(UINT chartType) : m_chartType(chartType) {}

private:
    CString m_caption;
    UINT m_chartType = 0;
    CString m_numberPrefix;
    CString m_subcaption;
};
