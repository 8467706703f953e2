#include "entities/ColumnGraphData.h"

#include "platform/core/CArchive.h"

IMPLEMENT_SERIAL(ColumnGraphData, GraphData, 0)

void ColumnGraphData::Serialize(CArchive& ar)
{
    GraphData::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_xAxisName;
        ar << m_yAxisName;
        ar << m_xParameter;
        ar << m_yParameter;
        return;
    }
    ar >> m_xAxisName;
    ar >> m_yAxisName;
    ar >> m_xParameter;
    ar >> m_yParameter;
}
