#include "entities/RDLCInfo.h"

#include "model/ArchiveIO.h"
#include "model/ListAccess.h"

#include <algorithm>
#include <cstddef>

IMPLEMENT_SERIAL(RDLCInfo, CObject, 0)

RDLCInfo::RDLCInfo(const RDLCInfo& source)
    : CObject(source), m_name(source.m_name), m_entries(source.m_entries), m_flag(source.m_flag),
      m_status(source.m_status)
{
}

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

bool RDLCDataSetEntry::IsInDataSetFile(const CString& dataSetFileName) const
{
    return dataSetFileName.Find("\\" + m_dataSetName + ".xsd") >= 0;
}

RDLCDataSetEntry* RDLCInfo::GetEntryAt(int index)
{
    return IsValidIndex(m_entries, index) ? &m_entries[static_cast<std::size_t>(index)] : nullptr;
}

int RDLCInfo::FindEntryIndexByTableName(const CString& tableName) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&tableName](const RDLCDataSetEntry& entry)
                                    { return entry.m_tableName == tableName; });
    return found == m_entries.end() ? -1 : static_cast<int>(found - m_entries.begin());
}

bool RDLCInfo::UsesDataSetFile(const CString& dataSetFileName) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&dataSetFileName](const RDLCDataSetEntry& entry)
                       { return entry.IsInDataSetFile(dataSetFileName); });
}

void RDLCInfo::RemoveDataSetFileEntries(const CString& dataSetFileName)
{
    std::erase_if(m_entries, [&dataSetFileName](const RDLCDataSetEntry& entry)
                  { return entry.IsInDataSetFile(dataSetFileName); });
}

void RDLCInfo::RemoveDataSet(const CString& name)
{
    std::erase_if(m_entries,
                  [&name](const RDLCDataSetEntry& entry) { return entry.IsDataSet(name); });
}
