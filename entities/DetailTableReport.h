#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/Types.h"

#include <vector>

class ApplicationReport;
class ReferenceList;
class Table;
struct ReportVariableMap;

// Ties a detail table of a master-detail form to a report, with the pairs of variables that
// pass values to the report.
class DetailTableReport : public CObject
{
    DECLARE_SERIAL(DetailTableReport)

public:
    DetailTableReport() = default;
    // Frees every variable pair; the table and the report are not touched.
    ~DetailTableReport() override;
    DetailTableReport(const DetailTableReport&) = delete;
    DetailTableReport& operator=(const DetailTableReport&) = delete;

    // Table, report, then the pairs, each as its two variables (a null entry as two nulls);
    // a pair read as two nulls is a null entry.
    void Serialize(CArchive& ar) override;

    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    ApplicationReport* GetReport() const { return m_report; }
    void SetReport(ApplicationReport* report) { m_report = report; }
    // Owned; an entry may be null.
    const std::vector<ReportVariableMap*>& GetVariablePairs() const { return m_variablePairs; }
    void AddVariablePair(ReportVariableMap* pair) { m_variablePairs.push_back(pair); }
    // Every entry holding the pair becomes null (the entries stay) and the pair is freed; nothing
    // for a pair this report does not hold.
    void RemoveVariablePair(ReportVariableMap* pair);
    // The variables of its pairs; a pair goes with either.
    void ListReferences(ReferenceList& list);
    BYTE GetFirstFlag() const { return m_firstFlag; }
    BYTE GetSecondFlag() const { return m_secondFlag; }

private:
    Table* m_table = nullptr;
    ApplicationReport* m_report = nullptr;
    std::vector<ReportVariableMap*> m_variablePairs;
    BYTE m_firstFlag = 1;
    BYTE m_secondFlag = 1;
};
