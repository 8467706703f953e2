#include "entities/AspFile.h"
#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "merge/MergeEntityNames.h"
#include "merge/ProjectMerger.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ValidationData.h"
#include "model/VisibilityData.h"

#include <memory>

namespace
{
CString ProcedureName(const ProcedureInvokation* call)
{
    const Procedure* procedure = call != nullptr ? call->GetProcedure() : nullptr;
    return procedure != nullptr ? procedure->GetName() : CString();
}

// The page's control of the control's field.
FieldRep* PageControl(const FormInterface* page, const FieldRep* control)
{
    if (page == nullptr || control == nullptr || control->GetField() == nullptr)
        return nullptr;
    return page->FindFieldRepByFieldName(control->GetField()->GetFieldName());
}
} // namespace

bool ProjectMerger::CopyValidationData(const ValidationData* source, ValidationData* target,
                                       const FormInterface* page)
{
    for (const DateValidation* rule : source->GetDateValidations())
        if (DateValidation* copy = CopyDateValidation(rule, page))
            target->AddDateValidation(copy);
    for (const DependentData* group : source->GetDependentData())
        target->AddDependentData(CopyDependentData(group, page));
    return !source->GetDateValidations().empty() || !source->GetDependentData().empty();
}

DateValidation* ProjectMerger::CopyDateValidation(const DateValidation* source,
                                                  const FormInterface* page)
{
    Variable* variable = VariableCounterpart(source->GetVariable(), page);
    std::unique_ptr<ProcedureInvokation> call;
    if (const ProcedureInvokation* incoming = source->GetProcedureInvokation())
    {
        call.reset(ResolvedInvocation(incoming));
        if (call == nullptr)
        {
            Report("%s procedure is not found in KWA1 for dateValidation\n\n",
                   ProcedureName(incoming));
            return nullptr;
        }
    }
    ProcedureFieldInfo* column = nullptr;
    if (const ProcedureFieldInfo* result = source->GetResultField())
    {
        column = FindOutputColumn(call != nullptr ? call->GetProcedure() : nullptr, result);
        if (column == nullptr)
            Report("%s fieldInfo of %s procedure is not found in DateValidation\n\n",
                   ColumnDisplayName(result), ProcedureName(source->GetProcedureInvokation()));
    }
    return new DateValidation(variable, source->GetComparisonKind(), call.release(), column);
}

DependentData* ProjectMerger::CopyDependentData(const DependentData* source,
                                                const FormInterface* page)
{
    auto* copy = new DependentData;
    copy->SetName(source->GetFieldName());
    copy->SetKind(source->GetKind());
    for (const FieldRep* control : source->GetControls())
        if (FieldRep* own = PageControl(page, control))
            copy->AddFieldRep(own);
    return copy;
}

bool ProjectMerger::CopyVisibilityData(const VisibilityData* source, VisibilityData* target,
                                       const FormInterface* page)
{
    if (const ProcedureInvokation* incoming = source->GetDataProcedure())
    {
        ProcedureInvokation* call = ResolvedInvocation(incoming);
        if (call == nullptr)
        {
            Report("%s procedure is not found in KWA1 for VisibilityData\n\n",
                   ProcedureName(incoming));
            return false;
        }
        target->SetDataProcedure(call);
        if (const ProcedureFieldInfo* result = source->GetResultField())
        {
            target->SetResultField(FindOutputColumn(call->GetProcedure(), result));
            if (target->GetResultField() == nullptr)
                Report("%s fieldInfo of %s procedure is not found in VisibilityData\n\n",
                       ColumnDisplayName(result), ProcedureName(incoming));
        }
    }
    target->SetVariable(VariableCounterpart(source->GetVariable(), page));
    for (const VisibilityValue* value : source->GetValues())
        target->AddValue(new VisibilityValue(*value));
    return true;
}

void ProjectMerger::CopyFieldVisibilities(const AspFile* source, AspFile* target)
{
    target->DeleteAllFieldVisibilities();
    for (const FieldVisibility* visibility : source->GetFieldVisibilities())
    {
        Field* field =
            visibility->GetField() != nullptr
                ? Owned(ResolveFieldReference(visibility->GetField(), target->GetOwnerPage()))
                : nullptr;
        if (visibility->GetField() != nullptr && field == nullptr)
            continue;
        auto copy = std::make_unique<FieldVisibility>(field);
        copy->SetVisibilityKind(visibility->GetVisibilityKind());
        if (const VisibilityData* data = visibility->GetVisibilityData())
        {
            auto made = std::make_unique<VisibilityData>();
            if (CopyVisibilityData(data, made.get(), target->GetOwnerPage()))
                copy->SetVisibilityData(made.release());
        }
        target->AddFieldVisibility(copy.release());
    }
}

void ProjectMerger::CopyRecomputeList(const EventRecmpFields* source, EventRecmpFields* target,
                                      const FormInterface* page)
{
    target->SetEventKind(source->GetEventKind());
    for (const EventProcedureRecompute* record : source->GetProcedureRecomputes())
    {
        FieldRep* control = PageControl(page, record->fieldRep);
        if (control == nullptr || target->FindProcedureRecomputeByFieldName(
                                      control->GetField()->GetFieldName()) != nullptr)
            continue;
        ProcedureInvokation* call = ResolvedInvocation(record->invokation);
        if (record->invokation != nullptr && call == nullptr)
            Report("%s procedure for %s recompute FieldRep is not found in KWA1\n\n",
                   ProcedureName(record->invokation), control->GetField()->GetFieldName());
        target->AddProcedureRecompute(control, call);
    }
    for (const EventClassRecompute* record : source->GetClassRecomputes())
        if (FieldRep* control = PageControl(page, record->fieldRep);
            control != nullptr && !target->HasClassRecompute(control))
            target->AddClassRecompute(control);
}

void ProjectMerger::CopyRecomputeLists(const FieldRepData* source, FieldRepData* target,
                                       const FormInterface* page)
{
    for (const EventRecmpFields* list : source->GetEventRecmpFieldsList())
    {
        EventRecmpFields* own = target->FindEventRecmpFields(list->GetEventKind());
        if (own == nullptr)
        {
            own = new EventRecmpFields;
            target->AddEventRecmpFields(own);
        }
        CopyRecomputeList(list, own, page);
    }
}
