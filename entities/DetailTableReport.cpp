#include "entities/DetailTableReport.h"

#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(DetailTableReport, CObject, 0)

DetailTableReport::~DetailTableReport()
{
    DeleteAll(m_variablePairs);
}

void DetailTableReport::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_table);
        ar.WriteObject(m_report);
        WriteReportVariableMaps(ar, m_variablePairs);
        return;
    }
    m_table = ReadRef<Table>(ar);
    m_report = ReadRef<ApplicationReport>(ar);
    ReadReportVariableMaps(ar, m_variablePairs, false);
}

void DetailTableReport::ListReferences(ReferenceList& list)
{
    ListReportVariableMaps(list, m_variablePairs);
}

void DetailTableReport::RemoveVariablePair(ReportVariableMap* pair)
{
    if (pair == nullptr ||
        std::find(m_variablePairs.begin(), m_variablePairs.end(), pair) == m_variablePairs.end())
        return;
    std::replace(m_variablePairs.begin(), m_variablePairs.end(), pair,
                 static_cast<ReportVariableMap*>(nullptr));
    delete pair;
}
