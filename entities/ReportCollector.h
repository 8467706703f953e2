#pragma once

#include "entities/FormInterface.h"

#include <vector>

class ApplicationReport;
class AspFile;

// One report shown by a collector, in a frame of its own height and width.
struct ReportCollectorEntry
{
    ApplicationReport* m_report = nullptr;
    int m_height = 0;
    int m_width = 0;
};

// A page that shows several reports side by side, arranged in columns, with shared filters.
class ReportCollector : public FormInterface
{
    DECLARE_SERIAL(ReportCollector)

public:
    ReportCollector();
    ~ReportCollector() override;
    ReportCollector(const ReportCollector&) = delete;
    ReportCollector& operator=(const ReportCollector&) = delete;

    void Serialize(CArchive& ar) override;

    const std::vector<ReportCollectorEntry>& GetEntries() const { return m_entries; }
    int GetNumColumns() const { return m_numColumns; }
    void SetNumColumns(int numColumns) { m_numColumns = numColumns; }
    int GetId() const { return m_id; }

    // Deletes every control of the page and every field-variable mapping whose variable's kind
    // is not 2, and empties both lists.
    void ClearFilters();

    // A classic (mode 0) or ASP.NET (mode 1) page file of file kind 0, unless there is one.
    virtual AspFile* CreateDefaultAspFiles(int mode);

    // Appends the entry, first giving its report a page file in the collector's list unless it
    // has one; nothing without a report.
    void AddReport(const ReportCollectorEntry& entry);
    // Deletes the report's page file and erases the entry; nothing for a bad index.
    void RemoveReportAt(int index);
    // The entry's frame size; nothing for a bad index.
    void SetEntrySize(int index, int height, int width);
    // The page file of the list owned by the report, or null.
    AspFile* FindAspFileForReport(const ApplicationReport* report) const;
    // A classic page file of kind 10 owned by the report, appended to the collector's list.
    void CreateAspFileForReport(ApplicationReport* report);
    // Takes the report's page file out of the list and deletes it.
    void RemoveAspFileForReport(const ApplicationReport* report);
    // Its own file, not those of the reports it shows.
    bool OwnsAspFile(const AspFile& file) const override;
    // The reports of its entries (each entry goes with its report), then the page's references.
    void ListReferences(ReferenceList& list) override;

private:
    std::vector<ReportCollectorEntry> m_entries;
    int m_numColumns = 2;
    int m_id;

    static int s_idCounter;
};
