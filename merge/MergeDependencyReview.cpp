#include "merge/MergeDependencyReview.h"

#include "merge/MergeDependencyCollector.h"

MergeDependencyReview::MergeDependencyReview(MergeDependencyCollector& collector,
                                             MergeDependencyHost& host)
    : m_collector(collector), m_host(host)
{
}

const std::vector<CString>& MergeDependencyReview::GetFilters()
{
    static const std::vector<CString> filters = {
        "Tables", "Procedures", "Reports", "Master Forms", "Map Forms", "Transactions", "Menus", "",
    };
    return filters;
}

void MergeDependencyReview::Open()
{
    SelectFilter(0);
}

void MergeDependencyReview::SelectFilter(int index)
{
    m_filter = index;
    RunPass();
}

void MergeDependencyReview::RunPass()
{
    m_findings.clear();
    m_collector.CollectDependencies(m_filter, m_findings);
}

void MergeDependencyReview::Map()
{
    m_host.OpenMapping(m_collector);
    RunPass();
}

void MergeDependencyReview::Cancel()
{
    m_collector.ClearNeeded();
    m_findings.clear();
}
