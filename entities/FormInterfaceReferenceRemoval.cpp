#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/FormInterfaceParts.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
// The front field is cleared when it is the field, otherwise the back field when it is.
void ClearFrontOrBack(FieldRepData* data, const Field* field)
{
    if (data->GetFrontField() == field)
        data->SetFrontField(nullptr);
    else if (data->GetBackField() == field)
        data->SetBackField(nullptr);
}

// Removes every procedure recompute of the list that matches, walking the list by its indexes.
template <class Predicate>
void RemoveProcedureRecomputesIf(EventRecmpFields& list, Predicate matches)
{
    int index = 0;
    while (index < static_cast<int>(list.GetProcedureRecomputes().size()))
    {
        if (matches(list.GetProcedureRecomputes()[index]))
            list.RemoveProcedureRecomputeAt(index);
        else
            ++index;
    }
}

// The event lists of the controls whose data is not an automatic control's.
std::vector<EventRecmpFields*> ConfirmedEventLists(const std::vector<FieldRep*>& controls)
{
    std::vector<EventRecmpFields*> lists;
    for (const FieldRep* rep : controls)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && !data->IsAddedBySync())
            lists.insert(lists.end(), data->GetEventRecmpFieldsList().begin(),
                         data->GetEventRecmpFieldsList().end());
    }
    return lists;
}

// Drops the recompute entries of both lists whose own target control is missing, each list
// walked by its own indexes.
void DropRecomputesWithoutTarget(EventRecmpFields& list)
{
    RemoveProcedureRecomputesIf(list, [](const EventProcedureRecompute* recompute)
                                { return recompute->fieldRep == nullptr; });
    while (list.HasClassRecompute(nullptr))
        list.RemoveClassRecompute(nullptr);
}
} // namespace

void FormInterface::DeleteFieldRep(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return;
    RemoveFieldVisibilities(fieldRep->GetField());
    RemoveClassRecomputeOf(fieldRep);
    for (const FieldRep* rep : m_fieldReps)
    {
        if (rep->GetFieldRepData() == nullptr)
            continue;
        for (EventRecmpFields* list : rep->GetFieldRepData()->GetEventRecmpFieldsList())
            list->RemoveProcedureRecompute(fieldRep);
    }
    const auto found = std::ranges::find(m_fieldReps, fieldRep);
    if (found == m_fieldReps.end())
        return;
    m_fieldReps.erase(found);
    delete fieldRep;
}

void FormInterface::ClearExtraFrontBackField(Field*) {}

void FormInterface::RemoveClassRecomputeOf(FieldRep* fieldRep)
{
    for (const FieldRep* rep : m_fieldReps)
    {
        if (FieldRepData* data = rep->GetFieldRepData())
            data->RemoveClassRecomputeOf(fieldRep);
    }
}

void FormInterface::ClearFunctionFieldFrontBack(Function* function, Table* table)
{
    for (Field* field : OutputFieldsOfTable(function, table))
    {
        for (const FieldRep* rep : m_fieldReps)
        {
            if (!rep->IsFrontOrBackField(field))
                continue;
            rep->GetFieldRepData()->SetFrontField(nullptr);
            rep->GetFieldRepData()->SetBackField(nullptr);
        }
    }
}

bool FormInterface::RemoveRefField(RefField* refField)
{
    if (!ErasePointer(m_refFields, refField))
        return false;
    if (FieldRep* rep = GetFieldRepForField(refField->GetField()))
    {
        RemoveClassRecomputeOf(rep);
        DeleteFieldRep(rep);
    }
    RemoveFieldVariableMapByField(refField->GetField());
    delete refField;
    return true;
}

void FormInterface::RemoveDerivedField(DerivedField* derivedField)
{
    if (std::ranges::find(m_derivedFields, derivedField) == m_derivedFields.end() ||
        IsDerivedFieldInUse(derivedField))
        return;
    ErasePointer(m_derivedFields, derivedField);
    DeleteFieldRep(GetFieldRepForField(derivedField->GetField()));
    RemoveFieldVariableMapByField(derivedField->GetField());
    delete derivedField;
}

void FormInterface::ClearProcedureFieldFrontBack(Field* field, Procedure* procedure)
{
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && CallsProcedure(data->GetDataProcedure(), procedure))
            ClearFrontOrBack(data, field);
    }
    if (FindExtraFieldRepDataUsingField(field) != nullptr)
        ClearExtraFrontBackField(field);
    if (IsProcedureRecomputed(procedure))
        RemoveProcedureRecomputes(procedure);
}

void FormInterface::RemoveProcedureRecomputes(Procedure* procedure)
{
    for (EventRecmpFields* list : ConfirmedEventLists(m_fieldReps))
        RemoveProcedureRecomputesIf(*list, [procedure](const EventProcedureRecompute* recompute)
                                    { return CallsProcedure(recompute->invokation, procedure); });
}

void FormInterface::ClearFrontBackFieldOf(const std::vector<FieldRep*>& controls, Field* field)
{
    for (const FieldRep* rep : controls)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (data == nullptr)
            continue;
        if (data->GetFrontField() == field)
            data->SetFrontField(nullptr);
        if (data->GetBackField() == field)
            data->SetBackField(nullptr);
    }
}

void FormInterface::CleanEmptyClassRecomputes()
{
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (data == nullptr)
            continue;
        const std::vector<EventRecmpFields*> lists = data->GetEventRecmpFieldsList();
        for (EventRecmpFields* list : lists)
        {
            DropRecomputesWithoutTarget(*list);
            if (list->GetClassRecomputes().empty())
                data->RemoveEventRecmpFields(list);
        }
    }
}

void FormInterface::RemoveVisibilityDataOf(Variable* variable)
{
    for (AspFile* file : m_aspFiles)
        file->RemoveFieldVisibilityByVariable(variable);
}

bool FormInterface::RemoveFieldVisibilities(Field* field)
{
    for (AspFile* file : m_aspFiles)
        file->RemoveFieldVisibility(field);
    return true;
}

void FormInterface::RemoveVariableFromDataCalls(Variable* variable)
{
    for (const FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        ProcedureInvokation* call = data == nullptr ? nullptr : data->GetDataProcedure();
        if (call == nullptr)
            continue;
        int index = 0;
        while (index < static_cast<int>(call->GetVariablePairs().size()))
        {
            const VariablePair* pair = call->GetVariablePairs()[index];
            if (pair != nullptr && pair->second == variable)
                call->RemoveVariablePairAt(index);
            else
                ++index;
        }
    }
}

void FormInterface::RemoveMatchingFieldVariableMaps(const FieldVariableMap& given)
{
    std::erase_if(m_fieldVariableMaps, [&given](const FieldVariableMap* map)
                  { return map->field == given.field || map->variable == given.variable; });
}
