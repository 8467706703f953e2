#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/LinkControl.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/RefField.h"

CString FormInterface::NumberedCopyPrefix(int count)
{
    CString prefix;
    prefix.Format("Copy_%d_of_", count);
    return prefix;
}

void FormInterface::Reset()
{
    m_grid = nullptr;
    m_secondOwnedObject = nullptr;
    m_module = nullptr;
    m_procedureCall = nullptr;
    m_preLinks.clear();
    m_postLinks.clear();
    m_isCopy = false;
    m_transient = false;
    m_preLinkColumnCount = 2;
    m_postLinkColumnCount = 2;
    m_columnCount = 2;
}

void FormInterface::CopyFrom(const FormInterface* source)
{
    Reset();
    m_isCopy = true;
    if (source == nullptr)
        return;
    m_preLinkColumnCount = source->m_preLinkColumnCount;
    m_postLinkColumnCount = source->m_postLinkColumnCount;

    if (const CString prefix = source->GetCopyNamePrefix(); !prefix.IsEmpty())
        m_name = prefix;
    m_name += source->m_name;
    m_module = source->m_module;

    for (const RefField* refField : source->m_refFields)
        m_refFields.push_back(new RefField(*refField));
    for (const DerivedField* derivedField : source->m_derivedFields)
        m_derivedFields.push_back(new DerivedField(*derivedField));

    const bool classicFiles = ProjectOutputKind() == 0;
    for (const AspFile* file : source->m_aspFiles)
    {
        AspFile* copy = classicFiles ? new AspFile : new AspxFile;
        copy->CopyFrom(*file, this);
        m_aspFiles.push_back(copy);
    }

    CopyFieldReps(source);
    for (DerivedField* derivedField : m_derivedFields)
        derivedField->RemapOperands(source->m_fieldReps, m_fieldReps);
    for (const LinkControl* link : source->m_preLinks)
        m_preLinks.push_back(new LinkControl(link));
    for (const LinkControl* link : source->m_postLinks)
        m_postLinks.push_back(new LinkControl(link));
    m_columnCount = source->m_columnCount;

    for (const FieldVariableMap* sourceMap : source->m_fieldVariableMaps)
    {
        auto* map = new FieldVariableMap;
        map->field = TranslateCopiedField(sourceMap->field);
        map->variable = new Variable(sourceMap->variable);
        m_fieldVariableMaps.push_back(map);
    }
}

void FormInterface::CopyFieldReps(const FormInterface* source)
{
    const auto translate = [this](Field* field) { return TranslateCopiedField(field); };
    for (const FieldRep* sourceRep : source->m_fieldReps)
        m_fieldReps.push_back(
            CopyControl(*sourceRep, TranslateCopiedField(sourceRep->GetField()), translate));

    for (size_t i = 0; i < source->m_fieldReps.size(); ++i)
    {
        const FieldRepData* sourceData = source->m_fieldReps[i]->GetFieldRepData();
        FieldRepData* copyData = m_fieldReps[i]->GetFieldRepData();
        if (sourceData == nullptr || copyData == nullptr)
            continue;
        for (const EventRecmpFields* sourceList : sourceData->GetEventRecmpFieldsList())
        {
            auto* list = new EventRecmpFields(*sourceList);
            for (const EventClassRecompute* recompute : sourceList->GetClassRecomputes())
            {
                if (recompute->fieldRep == nullptr)
                    continue;
                Field* field = TranslateCopiedField(recompute->fieldRep->GetField());
                FieldRep* target = field == nullptr ? nullptr : GetFieldRepForField(field);
                if (target != nullptr)
                    list->AddClassRecompute(target);
            }
            copyData->AddEventRecmpFields(list);
        }
    }
}

FieldRep* FormInterface::CopyControl(const FieldRep& source, Field* field,
                                     const std::function<Field*(Field*)>& translate)
{
    auto* copy = new FieldRep(source);
    copy->SetField(field);
    const FieldRepData* sourceData = source.GetFieldRepData();
    const FieldRepData* copyData = copy->GetFieldRepData();
    if (sourceData != nullptr && copyData != nullptr && sourceData->GetDataCall() != nullptr &&
        copyData->GetDataCall() != nullptr)
    {
        const auto& sourceMaps = sourceData->GetDataCall()->GetParameterMaps();
        const auto& copyMaps = copyData->GetDataCall()->GetParameterMaps();
        for (size_t i = 0; i < sourceMaps.size() && i < copyMaps.size(); ++i)
            copyMaps[i]->m_field = translate(sourceMaps[i]->m_field);
    }
    return copy;
}

Field* FormInterface::TranslateCopiedField(Field* field)
{
    if (field == nullptr || field->GetTable() != nullptr)
        return field;
    if (const RefField* refField = FindRefFieldByName(field->GetFieldName()))
        return refField->GetField();
    if (const DerivedField* derivedField = FindDerivedFieldByName(field->GetFieldName()))
        return derivedField->GetField();
    if (Field* own = FindFirst(m_pageFields, [field](const Field* pageField)
                               { return pageField->GetFieldName() == field->GetFieldName(); }))
        return own;
    auto* own = new Field(*field);
    AdoptPageField(own);
    return own;
}
