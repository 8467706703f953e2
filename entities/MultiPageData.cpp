#include "entities/MultiPageData.h"

#include "entities/ApplicationReport.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(MultiPageData, CObject, 0)

MultiPageData::MultiPageData(ApplicationReport* report) : m_report(report) {}

MultiPageData::~MultiPageData()
{
    delete m_procedureCall;
    DeleteAll(m_parameterPairs);
    DeleteAll(m_fieldMaps);
}

void MultiPageData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_report);
        ar.WriteObject(m_procedureCall);
        ar << static_cast<int>(m_parameterPairs.size());
        for (const VariablePair* pair : m_parameterPairs)
        {
            ar.WriteObject(pair->first);
            ar.WriteObject(pair->second);
        }
        ar << static_cast<int>(m_fieldMaps.size());
        for (const MultiPageFieldMap* map : m_fieldMaps)
        {
            ar.WriteObject(map->m_field);
            ar.WriteObject(map->m_first);
            ar.WriteObject(map->m_second);
        }
        return;
    }
    m_report = ReadRef<ApplicationReport>(ar);
    m_procedureCall = ReadOwned<ProcedureInvokation>(ar);
    const int pairCount = ReadCount(ar);
    for (int i = 0; i < pairCount; ++i)
    {
        auto* pair = new VariablePair;
        m_parameterPairs.push_back(pair);
        pair->first = ReadRef<Variable>(ar);
        pair->second = ReadRef<Variable>(ar);
    }
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        auto* map = new MultiPageFieldMap;
        m_fieldMaps.push_back(map);
        map->m_field = ReadRef<Field>(ar);
        map->m_first = ReadRef<Variable>(ar);
        map->m_second = ReadRef<Variable>(ar);
    }
}

void MultiPageData::SetProcedureCall(ProcedureInvokation* call)
{
    if (call != m_procedureCall)
        delete m_procedureCall;
    m_procedureCall = call;
}

Procedure* MultiPageData::GetProcedure() const
{
    return m_procedureCall != nullptr ? m_procedureCall->GetProcedure() : nullptr;
}

VariablePair* MultiPageData::FindParameterPair(const Variable* first) const
{
    return FindFirst(m_parameterPairs,
                     [first](const VariablePair* pair) { return pair->first == first; });
}

void MultiPageData::RemoveParameterPair(VariablePair* pair)
{
    EraseAndDelete(m_parameterPairs, pair);
}
