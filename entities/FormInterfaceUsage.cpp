#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/FormInterfaceParts.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>
#include <array>

namespace
{
// Some event list of some control's data meets the test.
template <class Test> bool AnyEventList(const std::vector<FieldRep*>& controls, Test test)
{
    return std::ranges::any_of(
        controls,
        [&test](const FieldRep* rep)
        {
            return rep->GetFieldRepData() != nullptr &&
                   std::ranges::any_of(rep->GetFieldRepData()->GetEventRecmpFieldsList(), test);
        });
}
} // namespace

bool FormInterface::IsFieldRepUsedElsewhere(FieldRep*)
{
    return false;
}

bool FormInterface::IsFieldRepMappedToReportVariable(FieldRep*)
{
    return false;
}

CString FormInterface::FieldUseName(const CString& use) const
{
    return m_name + "_" + use;
}

void FormInterface::ReleaseFieldVariableMap(FieldVariableMap* map)
{
    map->field = nullptr;
}

void FormInterface::ReleaseReportVariablesOf(FieldVariableMap* map)
{
    if (map->field != nullptr && map->field->GetTable() != nullptr)
        TheProjectDiagnostics().RemoveVariableMapReferences(map);
}

bool FormInterface::CollectClassUsage(Class* dataClass, CString& list)
{
    bool found = false;
    for (const FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && data->GetDataCall() != nullptr &&
            data->GetDataCall()->GetClass() == dataClass)
        {
            list += m_name + "\n";
            found = true;
        }
    }
    if (found)
        TheProjectDiagnostics().GetCurrentUsageSet().AddClass(dataClass);
    return found;
}

bool FormInterface::CollectMenuLinkUsage(Menu* menu)
{
    const ReferenceList::Targets targets{menu};
    const auto reaches = [&targets](auto* part)
    { return ReferenceList::Reaches(*part, targets, ReferenceList::MenuMaps::skipped); };
    CString text = m_name + "\n";
    bool user = std::ranges::any_of(m_aspFiles, reaches);
    for (FieldRep* rep : m_fieldReps)
    {
        if (reaches(rep))
        {
            text += "\tPresent as Link assigned to a field rep";
            user = true;
        }
    }
    if (std::ranges::any_of(m_preLinks, reaches))
    {
        text += "\tPresent as pre Link";
        user = true;
    }
    if (std::ranges::any_of(m_postLinks, reaches))
    {
        text += "\tPresent as post Link";
        user = true;
    }
    if (!user)
        return false;
    TheProjectDiagnostics().AddError(text);
    RecordUsage();
    return true;
}

void FormInterface::CollectVariableMappingUsage(Variable*, CString&) {}

void FormInterface::CollectReportVariableUsage(Variable*, CString&) {}

FieldRepData* FormInterface::FindExtraFieldRepDataUsingField(Field*)
{
    return nullptr;
}

bool FormInterface::IsFunctionFieldUsedAsFrontBack(Function* function, Table* table)
{
    for (Field* field : OutputFieldsOfTable(function, table))
    {
        if (std::ranges::any_of(m_fieldReps, [field](const FieldRep* rep)
                                { return rep->IsFrontOrBackField(field); }))
        {
            RecordUsage();
            return true;
        }
    }
    return false;
}

void FormInterface::RecordUsage()
{
    TheProjectDiagnostics().GetCurrentUsageSet().AddFormInterface(this);
}

bool FormInterface::IsNodeUsedByDerivedField(FormulaTreeNode* node) const
{
    return std::ranges::any_of(m_derivedFields, [node](const DerivedField* derivedField)
                               { return derivedField->FormulaContains(node); });
}

bool FormInterface::IsDerivedFieldInUse(DerivedField* derivedField) const
{
    Field* field = derivedField->GetField();
    const bool recomputed = std::ranges::any_of(
        m_fieldReps,
        [field](const FieldRep* rep)
        {
            if (rep->GetField() == field || rep->GetFieldRepData() == nullptr)
                return false;
            return std::ranges::any_of(rep->GetFieldRepData()->GetEventRecmpFieldsList(),
                                       [field](const EventRecmpFields* list)
                                       {
                                           return std::ranges::any_of(
                                               list->GetProcedureRecomputes(),
                                               [field](const EventProcedureRecompute* recompute) {
                                                   return recompute->fieldRep != nullptr &&
                                                          recompute->fieldRep->GetField() == field;
                                               });
                                       });
        });
    return recomputed || std::ranges::any_of(m_derivedFields,
                                             [derivedField, field](const DerivedField* other)
                                             {
                                                 return other != derivedField &&
                                                        other->GetFormula() != nullptr &&
                                                        other->GetFormula()->ContainsField(field);
                                             });
}

bool FormInterface::IsFieldRepUnused(FieldRep* fieldRep)
{
    const bool recomputed =
        std::ranges::any_of(m_fieldReps,
                            [fieldRep](const FieldRep* rep)
                            {
                                return rep != fieldRep && rep->GetFieldRepData() != nullptr &&
                                       rep->GetFieldRepData()->HasClassRecomputeFor(fieldRep);
                            });
    if (recomputed || IsFieldRepUsedElsewhere(fieldRep) ||
        IsFieldRepMappedToReportVariable(fieldRep))
        return false;
    return !IsNameInUniquenessVariables(ControlName(fieldRep));
}

bool FormInterface::IsNameInUniquenessVariables(const CString& name) const
{
    return std::ranges::any_of(m_uniquenessProcedureTables,
                               [&name](const UniquenessProcedureTable* entry)
                               {
                                   if (entry->GetInvocation() == nullptr)
                                       return false;
                                   return std::ranges::any_of(
                                       entry->GetInvocation()->GetVariablePairs(),
                                       [&name](const VariablePair* pair)
                                       {
                                           return pair != nullptr && pair->second != nullptr &&
                                                  pair->second->GetFieldName().Find(name) >= 0;
                                       });
                               });
}

FieldRepData* FormInterface::FindFieldRepDataUsingField(Field* field, Procedure* procedure)
{
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (rep->IsFrontOrBackField(field) &&
            (procedure == nullptr || CallsProcedure(data->GetDataProcedure(), procedure)))
            return data;
    }
    return FindExtraFieldRepDataUsingField(field);
}

FieldRepData* FormInterface::FindFieldRepDataUsingFunctionField(Field* field,
                                                                Function* function) const
{
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (rep->IsFrontOrBackField(field) &&
            (function == nullptr || CallsFunction(data->GetDataCall(), function)))
            return data;
    }
    return nullptr;
}

bool FormInterface::IsProcedureRecomputed(Procedure* procedure) const
{
    return AnyEventList(m_fieldReps,
                        [procedure](const EventRecmpFields* list)
                        {
                            return std::ranges::any_of(
                                list->GetProcedureRecomputes(),
                                [procedure](const EventProcedureRecompute* recompute)
                                { return CallsProcedure(recompute->invokation, procedure); });
                        });
}

bool FormInterface::IsFieldRecomputedOnEvent(Field* field, bool withCalls) const
{
    return AnyEventList(
        m_fieldReps,
        [field, withCalls](const EventRecmpFields* list)
        {
            return std::ranges::any_of(
                list->GetClassRecomputes(),
                [field, withCalls](const EventClassRecompute* recompute)
                {
                    if (recompute->fieldRep != nullptr && recompute->fieldRep->GetField() == field)
                        return true;
                    return withCalls && recompute->classInvokation != nullptr &&
                           recompute->classInvokation->FindParameterMapByField(field) != nullptr;
                });
        });
}

bool FormInterface::RecomputesSameBackField(FieldRep* fieldRep)
{
    const FieldRepData* data = fieldRep == nullptr ? nullptr : fieldRep->GetFieldRepData();
    if (data == nullptr)
        return false;
    return std::ranges::any_of(data->GetEventRecmpFieldsList(),
                               [data](const EventRecmpFields* list)
                               {
                                   return std::ranges::any_of(
                                       list->GetClassRecomputes(),
                                       [data](const EventClassRecompute* recompute)
                                       {
                                           const FieldRep* target = recompute->fieldRep;
                                           return target != nullptr &&
                                                  target->GetFieldRepData() != nullptr &&
                                                  target->GetFieldRepData()->GetBackField() ==
                                                      data->GetBackField();
                                       });
                               });
}

bool FormInterface::IsFrontOrBackFieldOfAnyControl(Field* field) const
{
    return std::ranges::any_of(m_fieldReps, [field](const FieldRep* rep)
                               { return rep->IsFrontOrBackField(field); });
}

bool FormInterface::CheckVisibilityDataUse(ProcedureFieldInfo* column) const
{
    return std::ranges::any_of(m_aspFiles, [column](const AspFile* file)
                               { return file->UsesProcedureFieldInVisibility(column); });
}

void FormInterface::CollectVariableUsage(const FieldVariableMap& given, CString& list)
{
    Variable* variable = given.variable;
    for (AspFile* file : m_aspFiles)
    {
        if (variable != nullptr &&
            ReferenceList::Reaches(*file, {variable}, AspFile::MenuMapsFor(std::array{variable})))
            list += file->GetRelativeUrl(FALSE, FALSE) + "\n";
    }
    CollectReportVariableUsage(variable, list);
    CollectVariableMappingUsage(variable, list);
    if (FindFieldVariableMapByVariable(variable) != nullptr)
        RecordUsage();
}
