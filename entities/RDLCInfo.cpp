#include "entities/RDLCInfo.h"

#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(RDLCInfo, CObject, 0)

void RDLCInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        ar << static_cast<int>(m_entries.size());
        for (const RDLCDataSetEntry& entry : m_entries)
            ar << entry.m_dataSetName << entry.m_tableAdapterName << entry.m_tableName;
        ar << m_status;
        return;
    }
    ar >> m_name;
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        RDLCDataSetEntry entry;
        ar >> entry.m_dataSetName >> entry.m_tableAdapterName >> entry.m_tableName;
        m_entries.push_back(entry);
    }
    if (ArchiveVersion() > 81)
        ar >> m_status;
}
