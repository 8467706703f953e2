#include "entities/GraphData.h"

#include "model/ArchiveIO.h"

#include <iterator>

IMPLEMENT_SERIAL(GraphData, CObject, 0)

CString GraphData::GetChartTypeName() const
{
    static const char* const names[] = {"Area2D", "Column2D", "Column3D", "Doughnut2D",
                                        "Pie2D",  "Pie3D",    "SSGrid"};
    if (m_chartType < 1 || m_chartType > std::size(names))
        return CString();
    return names[m_chartType - 1];
}

void GraphData::Assign(const GraphData& other)
{
    m_caption = other.m_caption;
    m_chartType = other.m_chartType;
    m_numberPrefix = other.m_numberPrefix;
    m_subcaption = other.m_subcaption;
}

void GraphData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_caption;
        ar << m_chartType;
        ar << m_numberPrefix;
        ar << m_subcaption;
        return;
    }
    if (ArchiveVersion() < 33)
        return;
    ar >> m_caption;
    ar >> m_chartType;
    ar >> m_numberPrefix;
    ar >> m_subcaption;
}
