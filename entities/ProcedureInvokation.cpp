#include "entities/ProcedureInvokation.h"

#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"

#include <algorithm>

IMPLEMENT_SERIAL(ProcedureInvokation, CObject, 0)

ProcedureInvokation::ProcedureInvokation(const ProcedureInvokation* source)
    : m_procedure(source != nullptr ? source->m_procedure : nullptr)
{
}

ProcedureInvokation::~ProcedureInvokation()
{
    DeleteAll(m_variablePairs);
    DeleteAll(m_fieldVariableMaps);
}

VariablePair* ProcedureInvokation::GetVariablePairAt(int index) const
{
    return ItemAt(m_variablePairs, index);
}

VariablePair* ProcedureInvokation::FindVariablePair(Variable* procedureVariable) const
{
    return FindFirst(m_variablePairs, [procedureVariable](VariablePair* pair)
                     { return pair != nullptr && pair->first == procedureVariable; });
}

Variable* ProcedureInvokation::FindProcedureVariableOf(Variable* callerVariable) const
{
    const VariablePair* pair = FindPairOfCallerVariable(callerVariable);
    return pair != nullptr ? pair->first : nullptr;
}

VariablePair* ProcedureInvokation::FindPairOfCallerVariable(Variable* callerVariable) const
{
    return FindFirst(m_variablePairs, [callerVariable](VariablePair* pair)
                     { return pair != nullptr && pair->second == callerVariable; });
}

void ProcedureInvokation::RemoveVariablePairAt(int index)
{
    if (!IsValidIndex(m_variablePairs, index))
        return;
    delete m_variablePairs[index];
    EraseAt(m_variablePairs, index);
}

void ProcedureInvokation::SetVariablePairAt(int index, VariablePair* pair)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_variablePairs.size())
        return;
    if (m_variablePairs[index] != pair)
        delete m_variablePairs[index];
    m_variablePairs[index] = pair;
}

void ProcedureInvokation::ClearVariablePairOf(Variable* procedureVariable)
{
    VariablePair* pair = FindVariablePair(procedureVariable);
    if (pair == nullptr)
        return;
    std::ranges::replace(m_variablePairs, pair, nullptr);
    delete pair;
}

void ProcedureInvokation::ClearVariablePairs()
{
    DeleteAll(m_variablePairs);
}

void ProcedureInvokation::ClearFieldVariableMaps()
{
    DeleteAll(m_fieldVariableMaps);
}

void ProcedureInvokation::SyncWithProcedure()
{
    if (m_procedure == nullptr)
        return;
    const std::size_t count = m_procedure->GetFieldParameters().size();
    while (m_variablePairs.size() > count)
    {
        delete m_variablePairs.back();
        m_variablePairs.pop_back();
    }
    m_variablePairs.resize(count, nullptr);
}

FieldVariableMap* ProcedureInvokation::FindFieldVariableMap(Field* field) const
{
    return FindFirst(m_fieldVariableMaps, [field](FieldVariableMap* map)
                     { return map != nullptr && map->field == field; });
}

FieldVariableMap* ProcedureInvokation::FindFieldVariableMapByVariableName(const CString& name) const
{
    return FindFirst(m_fieldVariableMaps,
                     [&name](FieldVariableMap* map) {
                         return map != nullptr && map->variable != nullptr &&
                                map->variable->GetFieldName() == name;
                     });
}

Variable* ProcedureInvokation::FindFieldVariableByName(const CString& name) const
{
    const FieldVariableMap* map = FindFieldVariableMapByVariableName(name);
    return map != nullptr ? map->variable : nullptr;
}

void ProcedureInvokation::RemoveFieldVariableMap(FieldVariableMap* map)
{
    EraseAndDelete(m_fieldVariableMaps, map);
}

void ProcedureInvokation::RemoveFieldVariableMapOfField(Field* field)
{
    if (FieldVariableMap* map = FindFieldVariableMap(field))
        EraseAndDelete(m_fieldVariableMaps, map);
}

void ProcedureInvokation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_procedure);
        VariablePairRecords::Write(ar, m_variablePairs);
        ar << static_cast<int>(m_fieldVariableMaps.size());
        for (const FieldVariableMap* map : m_fieldVariableMaps)
        {
            ar.WriteObject(map->field);
            ar.WriteObject(map->variable);
        }
        return;
    }
    m_procedure = ReadRef<Procedure>(ar);
    VariablePairRecords::Read(ar, m_variablePairs, VariablePairRecords::EmptyEntry::AsNull);
    if (ArchiveVersion() > 49)
    {
        const int mapCount = ReadCount(ar);
        for (int i = 0; i < mapCount; ++i)
        {
            Field* field = ReadRef<Field>(ar);
            Variable* variable = ReadRef<Variable>(ar);
            m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
        }
    }
}

bool ProcedureInvokation::HasCallerVariableNamed(const CString& name) const
{
    return std::ranges::any_of(m_variablePairs,
                               [&name](const VariablePair* pair)
                               {
                                   return pair != nullptr && pair->second != nullptr &&
                                          pair->second->GetFieldName().CompareNoCase(name) == 0;
                               });
}

void ProcedureInvokation::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_procedure);
    for (VariablePair* pair : m_variablePairs)
    {
        if (pair == nullptr)
            continue;
        for (const Variable* variable : {pair->first, pair->second})
            list.Add(variable,
                     [this, pair]
                     {
                         const auto found = std::ranges::find(m_variablePairs, pair);
                         if (found != m_variablePairs.end())
                             SetVariablePairAt(static_cast<int>(found - m_variablePairs.begin()),
                                               nullptr);
                     });
    }
}

void ProcedureInvokation::ListHeld(ReferenceList& list, ProcedureInvokation* call,
                                   std::function<void()> dropCall)
{
    if (call == nullptr)
        return;
    list.Add(call->m_procedure, std::move(dropCall));
    call->ListReferences(list);
}
