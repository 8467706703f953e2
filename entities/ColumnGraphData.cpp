#include "entities/ColumnGraphData.h"

#include "platform/core/CArchive.h"

IMPLEMENT_SERIAL(ColumnGraphData, GraphData, 0)

void ColumnGraphData::SetValues(CString caption, CString subcaption, CString xAxisName,
                                CString yAxisName, CString xParameter, CString yParameter,
                                CString numberPrefix)
{
    SetCaption(caption);
    SetSubcaption(subcaption);
    m_xAxisName = xAxisName;
    m_yAxisName = yAxisName;
    m_xParameter = xParameter;
    m_yParameter = yParameter;
    SetNumberPrefix(numberPrefix);
}

void ColumnGraphData::Assign(const ColumnGraphData& other)
{
    GraphData::Assign(other);
    m_xAxisName = other.m_xAxisName;
    m_yAxisName = other.m_yAxisName;
    m_xParameter = other.m_xParameter;
    m_yParameter = other.m_yParameter;
}

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
