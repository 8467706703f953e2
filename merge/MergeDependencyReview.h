#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class MergeDependencyCollector;

// The mapping dialog that the dependency review opens; the window layer shows it modally.
class MergeDependencyHost
{
public:
    virtual ~MergeDependencyHost() = default;

    virtual void OpenMapping(MergeDependencyCollector& collector) = 0;
};

// The rules of the dependency review dialog: the findings of the collector's pass that the
// filter names, listed one a row; "Map" opens the mapping and runs the pass again; Cancel
// empties the needed lists.
class MergeDependencyReview
{
public:
    static constexpr UINT IDD = 244;
    static constexpr int FilterLabel = 1602;
    static constexpr int FilterCombo = 1587;
    static constexpr int DependencyList = 1600;
    static constexpr int MapButton = 1039;

    MergeDependencyReview(MergeDependencyCollector& collector, MergeDependencyHost& host);

    // The filter at its first entry and that entry's pass.
    void Open();
    // A change of the filter: its pass runs.
    void SelectFilter(int index);
    // "Map": the mapping, then the current pass again.
    void Map();
    // Cancel: the needed tables, procedures and reports and the findings emptied.
    void Cancel();

    static const std::vector<CString>& GetFilters();
    int GetFilter() const { return m_filter; }
    const std::vector<CString>& GetFindings() const { return m_findings; }
    // "Map" is enabled while a finding is listed.
    bool IsMapEnabled() const { return !m_findings.empty(); }

private:
    void RunPass();

    MergeDependencyCollector& m_collector;
    MergeDependencyHost& m_host;
    std::vector<CString> m_findings;
    int m_filter = 0;
};
