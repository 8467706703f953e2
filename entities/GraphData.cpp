#include "entities/GraphData.h"

#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(GraphData, CObject, 0)

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
