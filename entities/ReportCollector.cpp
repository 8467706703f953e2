#include "entities/ReportCollector.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/ReportPageFiles.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"

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

AspFile* ReportCollector::CreateDefaultAspFiles(int mode)
{
    return MainPageFileOrNew(*this, mode, AspFile::reportCollectorOwner);
}

void ReportCollector::AddReport(const ReportCollectorEntry& entry)
{
    if (entry.m_report == nullptr)
        return;
    if (FindAspFileForReport(entry.m_report) == nullptr)
        CreateAspFileForReport(entry.m_report);
    m_entries.push_back(entry);
}

void ReportCollector::RemoveReportAt(int index)
{
    if (!IsValidIndex(m_entries, index))
        return;
    RemoveAspFileForReport(m_entries[static_cast<std::size_t>(index)].m_report);
    EraseAt(m_entries, index);
}

void ReportCollector::ListReferences(ReferenceList& list)
{
    for (const ReportCollectorEntry& entry : m_entries)
    {
        const ApplicationReport* report = entry.m_report;
        list.Add(report,
                 [this, report]
                 {
                     for (int index = static_cast<int>(m_entries.size()) - 1; index >= 0; --index)
                     {
                         if (m_entries[static_cast<std::size_t>(index)].m_report == report)
                             RemoveReportAt(index);
                     }
                 });
    }
    FormInterface::ListReferences(list);
}

void ReportCollector::SetEntrySize(int index, int height, int width)
{
    if (!IsValidIndex(m_entries, index))
        return;
    m_entries[static_cast<std::size_t>(index)].m_height = height;
    m_entries[static_cast<std::size_t>(index)].m_width = width;
}

AspFile* ReportCollector::FindAspFileForReport(const ApplicationReport* report) const
{
    if (report == nullptr)
        return nullptr;
    return FindFirst(m_aspFiles,
                     [report](const AspFile* file) { return file->GetOwnerPage() == report; });
}

void ReportCollector::CreateAspFileForReport(ApplicationReport* report)
{
    m_aspFiles.push_back(NewPageFile(0, AspFile::reportOwner, 10, report));
}

bool ReportCollector::OwnsAspFile(const AspFile& file) const
{
    return file.GetOwnerKind() != AspFile::reportOwner;
}

void ReportCollector::RemoveAspFileForReport(const ApplicationReport* report)
{
    if (AspFile* file = FindAspFileForReport(report))
        EraseAndDelete(m_aspFiles, file);
}
