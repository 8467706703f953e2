#pragma once

#include "entities/FormInterface.h"

#include <vector>

class ApplicationReport;

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

private:
    std::vector<ReportCollectorEntry> m_entries;
    int m_numColumns = 2;
    int m_id;

    static int s_idCounter;
};
