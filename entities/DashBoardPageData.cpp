#include "entities/DashBoardPageData.h"

#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(DashBoardPageData, CObject, 0)

namespace
{
// A placement keeps the field first; a cell keeps it last.
using PlacementVariableMapRecords =
    PairRecords<DashBoardVariableMap, &DashBoardVariableMap::sourceField,
                &DashBoardVariableMap::target, &DashBoardVariableMap::sourceVariable>;
} // namespace

DashBoardPageData::~DashBoardPageData()
{
    delete m_procedureInvokation;
    delete m_classInvokation;
    DeleteAll(m_variablePairs);
    DeleteAll(m_variableMaps);
}

void DashBoardPageData::RemoveProcedureInvokation(const Procedure* procedure)
{
    if (procedure != nullptr && GetProcedure() != procedure)
        return;
    delete m_procedureInvokation;
    m_procedureInvokation = nullptr;
}

void DashBoardPageData::RemoveClassInvokation()
{
    delete m_classInvokation;
    m_classInvokation = nullptr;
}

Procedure* DashBoardPageData::GetProcedure() const
{
    return m_procedureInvokation == nullptr ? nullptr : m_procedureInvokation->GetProcedure();
}

VariablePair* DashBoardPageData::FindVariablePair(const Variable* first) const
{
    return FindFirst(m_variablePairs,
                     [first](const VariablePair* pair) { return pair->first == first; });
}

void DashBoardPageData::RemoveVariablePair(VariablePair* pair)
{
    EraseAndDelete(m_variablePairs, pair);
}

void DashBoardPageData::RemoveVariableMapAt(int index)
{
    EraseAndDelete(m_variableMaps, ItemAt(m_variableMaps, index));
}

DashBoardVariableMap* DashBoardPageData::FindVariableMap(const Variable* target) const
{
    return FindFirst(m_variableMaps,
                     [target](const DashBoardVariableMap* map) { return map->target == target; });
}

void DashBoardPageData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_dashBoard);
        ar.WriteObject(m_procedureInvokation);
        VariablePairRecords::Write(ar, m_variablePairs);
        PlacementVariableMapRecords::Write(ar, m_variableMaps);
        ar.WriteObject(m_classInvokation);
        return;
    }
    m_dashBoard = ReadRef<DashBoard>(ar);
    m_procedureInvokation = ReadOwned<ProcedureInvokation>(ar);
    VariablePairRecords::Read(ar, m_variablePairs, VariablePairRecords::EmptyEntry::Kept);
    PlacementVariableMapRecords::Read(ar, m_variableMaps,
                                      PlacementVariableMapRecords::EmptyEntry::Kept);
    if (ArchiveVersion() > 78)
        m_classInvokation = ReadOwned<ClassInvokation>(ar);
}
