#include "entities/PieChartData.h"

#include "platform/core/CArchive.h"

IMPLEMENT_SERIAL(PieChartData, GraphData, 0)

void PieChartData::Serialize(CArchive& ar)
{
    GraphData::Serialize(ar);
    if (ar.IsStoring())
        ar << m_parameter;
    else
        ar >> m_parameter;
}
