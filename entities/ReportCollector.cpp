#include "entities/ReportCollector.h"

#include "entities/ApplicationReport.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(ReportCollector, FormInterface, 0)

int ReportCollector::s_idCounter = 0;

ReportCollector::ReportCollector() : m_id(++s_idCounter) {}

ReportCollector::~ReportCollector()
{
    ClearFilters();
}

void ReportCollector::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_numColumns;
        ar << static_cast<int>(m_entries.size());
        for (const ReportCollectorEntry& entry : m_entries)
        {
            ar.WriteObject(entry.m_report);
            ar << entry.m_height << entry.m_width;
        }
        return;
    }
    ar >> m_numColumns;
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        ReportCollectorEntry entry;
        entry.m_report = ReadRef<ApplicationReport>(ar);
        ar >> entry.m_height >> entry.m_width;
        m_entries.push_back(entry);
    }
}

void ReportCollector::ClearFilters()
{
    DeleteAll(m_fieldReps);
    for (FieldVariableMap* map : m_fieldVariableMaps)
        DeleteFieldVariableMap(map);
    m_fieldVariableMaps.clear();
}
