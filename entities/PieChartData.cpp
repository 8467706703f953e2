#include "entities/PieChartData.h"

#include "platform/core/CArchive.h"

IMPLEMENT_SERIAL(PieChartData, GraphData, 0)

void PieChartData::SetValues(CString caption, CString subcaption, CString parameter,
                             CString numberPrefix)
{
    SetCaption(caption);
    SetSubcaption(subcaption);
    m_parameter = parameter;
    SetNumberPrefix(numberPrefix);
}

void PieChartData::Assign(const PieChartData& other)
{
    GraphData::Assign(other);
    m_parameter = other.m_parameter;
}

void PieChartData::Serialize(CArchive& ar)
{
    GraphData::Serialize(ar);
    if (ar.IsStoring())
        ar << m_parameter;
    else
        ar >> m_parameter;
}
