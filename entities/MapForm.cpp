#include "entities/MapForm.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(MapForm, FormInterface, 0)

int MapForm::ms_lastId = 0;

namespace
{

constexpr int reportFileKinds[] = {5, 6};

// The control's data exists and was not added by a sync with the table.
bool IsOwnControl(const FieldRep* fieldRep)
{
    const FieldRepData* data = fieldRep == nullptr ? nullptr : fieldRep->GetFieldRepData();
    return data != nullptr && !data->IsAddedBySync();
}

} // namespace

MapForm::MapForm() : m_id(++ms_lastId) {}

MapForm::~MapForm()
{
    m_bottomMasterForm = nullptr;
    m_report = nullptr;
    m_topFields.clear();
    m_bottomFields.clear();
    DeleteAll(m_topInputFieldReps);
    m_topInputFieldReps.clear();
    DeleteAll(m_bottomInputFieldReps);
    m_bottomInputFieldReps.clear();
    DeleteAll(m_reportVariableMaps);
    m_reportVariableMaps.clear();
    RemoveForeignEntries();
}

void MapForm::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_mappingTable);
        ar.WriteObject(m_bottomMasterForm);
        WriteObjectList(ar, m_topFields);
        WriteObjectList(ar, m_bottomFields);
        WriteObjectList(ar, m_topInputFieldReps);
        WriteObjectList(ar, m_bottomInputFieldReps);
        ar << m_header;
        ar.WriteObject(m_report);
        WriteReportVariableMaps(ar, m_reportVariableMaps);
        return;
    }

    m_mappingTable = ReadRef<Table>(ar);
    m_bottomMasterForm = ReadRef<Form>(ar);
    ReadObjectList(ar, m_topFields);
    ReadObjectList(ar, m_bottomFields);
    ReadObjectList(ar, m_topInputFieldReps);
    ReadObjectList(ar, m_bottomInputFieldReps);
    ar >> m_header;
    m_report = ReadRef<ApplicationReport>(ar);
    ReadReportVariableMaps(ar, m_reportVariableMaps, true);
    ShareMasterFormMaps();
    EnsureReportFiles();
}

void MapForm::ShareMasterFormMaps()
{
    if (m_bottomMasterForm == nullptr)
        return;
    for (FieldVariableMap*& map : m_fieldVariableMaps)
    {
        const auto& formMaps = m_bottomMasterForm->GetFieldVariableMaps();
        const auto formMap = std::ranges::find_if(
            formMaps, [map](const FieldVariableMap* own)
            { return own->field == map->field && own->variable == map->variable; });
        if (formMap == formMaps.end())
            continue;
        delete map;
        map = *formMap;
    }
}

void MapForm::SetBottomMasterForm(Form* form)
{
    m_bottomMasterForm = form;
    if (form == nullptr)
    {
        RemoveForeignEntries();
        return;
    }
    for (FieldVariableMap* map : form->GetFieldVariableMaps())
    {
        // Maps without a field are not taken over.
        if (IsSharedVariableMap(map) || map->field == nullptr ||
            map->field->GetFieldName().Find("Is_Deleted") >= 0)
            continue;
        if (FindFieldVariableMapByVariable(map->variable) != nullptr)
            continue;
        if (map->field->IsKey() || IsOwnControl(GetFieldRepForField(map->field)))
            m_fieldVariableMaps.push_back(map);
    }
    for (FieldRep* fieldRep : form->GetFieldReps())
    {
        if (GetFieldRepForField(fieldRep->GetField()) == nullptr && IsOwnControl(fieldRep))
            m_fieldReps.push_back(fieldRep);
    }
}

void MapForm::SetReport(ApplicationReport* report)
{
    if (report != m_report)
    {
        for (int fileKind : reportFileKinds)
        {
            std::erase_if(m_aspFiles,
                          [fileKind](AspFile* file)
                          {
                              if (file->GetFileKind() != fileKind)
                                  return false;
                              delete file;
                              return true;
                          });
        }
    }
    m_report = report;
    EnsureReportFiles();
}

void MapForm::EnsureReportFiles()
{
    constexpr int ownerKind = 3;
    for (int fileKind : reportFileKinds)
    {
        if (FindAspFileByType(fileKind) == nullptr)
            CreateAspFile(fileKind, ownerKind);
    }
}

bool MapForm::IsPageField(const Field* field) const
{
    return std::any_of(m_refFields.begin(), m_refFields.end(),
                       [field](const RefField* refField)
                       { return refField->GetField() == field; }) ||
           std::any_of(m_derivedFields.begin(), m_derivedFields.end(),
                       [field](const DerivedField* derivedField)
                       { return derivedField->GetField() == field; });
}

bool MapForm::IsForeignField(const Field* field) const
{
    return field != nullptr && !IsPageField(field) && field->GetTable() != m_mappingTable;
}

void MapForm::RemoveForeignEntries()
{
    std::erase_if(m_fieldVariableMaps,
                  [this](const FieldVariableMap* map)
                  {
                      return map->field != nullptr && map->field->GetTable() != nullptr &&
                             IsForeignField(map->field);
                  });
    std::erase_if(m_fieldReps, [this](const FieldRep* fieldRep)
                  { return IsForeignField(fieldRep->GetField()); });
}
