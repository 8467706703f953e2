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
        ar << static_cast<int>(m_variablePairs.size());
        for (const VariablePair* pair : m_variablePairs)
        {
            ar.WriteObject(pair->first);
            ar.WriteObject(pair->second);
        }
        ar << static_cast<int>(m_variableMaps.size());
        for (const DashBoardVariableMap* map : m_variableMaps)
        {
            ar.WriteObject(map->sourceField);
            ar.WriteObject(map->target);
            ar.WriteObject(map->sourceVariable);
        }
        ar.WriteObject(m_classInvokation);
        return;
    }
    m_dashBoard = ReadRef<DashBoard>(ar);
    m_procedureInvokation = ReadOwned<ProcedureInvokation>(ar);
    const int pairCount = ReadCount(ar);
    for (int i = 0; i < pairCount; ++i)
    {
        auto* pair = new VariablePair;
        m_variablePairs.push_back(pair);
        pair->first = ReadRef<Variable>(ar);
        pair->second = ReadRef<Variable>(ar);
    }
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        auto* map = new DashBoardVariableMap;
        m_variableMaps.push_back(map);
        map->sourceField = ReadRef<Field>(ar);
        map->target = ReadRef<Variable>(ar);
        map->sourceVariable = ReadRef<Variable>(ar);
    }
    if (ArchiveVersion() > 78)
        m_classInvokation = ReadOwned<ClassInvokation>(ar);
}
