#include "entities/MultiPageData.h"

#include "entities/ApplicationReport.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(MultiPageData, CObject, 0)

namespace
{
using FieldMapRecords = PairRecords<MultiPageFieldMap, &MultiPageFieldMap::m_field,
                                    &MultiPageFieldMap::m_first, &MultiPageFieldMap::m_second>;
} // namespace

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
        VariablePairRecords::Write(ar, m_parameterPairs);
        FieldMapRecords::Write(ar, m_fieldMaps);
        return;
    }
    m_report = ReadRef<ApplicationReport>(ar);
    m_procedureCall = ReadOwned<ProcedureInvokation>(ar);
    VariablePairRecords::Read(ar, m_parameterPairs, VariablePairRecords::EmptyEntry::Kept);
    FieldMapRecords::Read(ar, m_fieldMaps, FieldMapRecords::EmptyEntry::Kept);
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
