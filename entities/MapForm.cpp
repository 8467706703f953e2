#include "entities/MapForm.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/RefField.h"
#include "model/ReferenceList.h"
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

// The control's caption with blanks as "_"; empty without data.
CString CaptionName(const FieldRep* fieldRep)
{
    CString caption;
    if (fieldRep->GetFieldRepData() != nullptr)
        caption = fieldRep->GetFieldRepData()->GetCaption();
    caption.Replace(' ', '_');
    return caption;
}

// The variable of the map carries the name part.
bool VariableNameContains(const FieldVariableMap* map, const CString& part)
{
    return !part.IsEmpty() && map->variable != nullptr &&
           map->variable->GetFieldName().Find(part) >= 0;
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
    if (!m_onlyOwnEntries)
        RemoveForeignEntries();
}

// A page still being read has claimed none of its controls and variables: the load frees them.
void MapForm::LetGoOfUnownedObjects(const CArchive& ar)
{
    if (m_readingEntries)
    {
        for (FieldVariableMap* map : m_fieldVariableMaps)
            delete map;
        m_fieldVariableMaps.clear();
        m_fieldReps.clear();
    }
    else
        RemoveForeignEntries();
    m_onlyOwnEntries = true;
    FormInterface::LetGoOfUnownedObjects(ar);
}

void MapForm::Serialize(CArchive& ar)
{
    m_readingEntries = ar.IsLoading();
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
    ReadOwnedList(ar, m_topInputFieldReps);
    ReadOwnedList(ar, m_bottomInputFieldReps);
    ar >> m_header;
    m_report = ReadRef<ApplicationReport>(ar);
    ReadReportVariableMaps(ar, m_reportVariableMaps, true);
    ShareMasterFormMaps();
    ClaimOwnEntries(ar);
    m_readingEntries = false;
    EnsureReportFiles();
}

void MapForm::ShareMasterFormMaps()
{
    const std::vector<FieldVariableMap*> noMaps;
    const auto& formMaps =
        m_bottomMasterForm != nullptr ? m_bottomMasterForm->GetFieldVariableMaps() : noMaps;
    for (FieldVariableMap*& map : m_fieldVariableMaps)
    {
        const auto formMap = std::ranges::find_if(
            formMaps, [map](const FieldVariableMap* own)
            { return own->field == map->field && own->variable == map->variable; });
        if (formMap == formMaps.end())
            continue;
        delete map;
        map = *formMap;
    }
    // The page keeps the maps of other tables only as the master form's own, and only those.
    std::erase_if(m_fieldVariableMaps,
                  [this, &formMaps](FieldVariableMap* map)
                  {
                      const bool formsOwn = Contains(formMaps, map);
                      if (formsOwn == IsForeignMap(map))
                          return false;
                      if (!formsOwn)
                          delete map;
                      return true;
                  });
}

// All or none: a page that fails here still lets go of every entry when it is freed.
void MapForm::ClaimOwnEntries(CArchive& ar)
{
    std::vector<const CObject*> claimed;
    const auto claim = [&ar, &claimed](const CObject* object)
    {
        ar.ClaimObject(object);
        claimed.push_back(object);
    };
    try
    {
        for (const FieldRep* fieldRep : m_fieldReps)
        {
            if (!IsForeignField(fieldRep->GetField()))
                claim(fieldRep);
        }
        for (const FieldVariableMap* map : m_fieldVariableMaps)
        {
            if (!IsForeignMap(map) && !IsSharedVariableMap(map))
                claim(map->variable);
        }
    }
    catch (...)
    {
        for (const CObject* object : claimed)
            ar.ReleaseClaim(object);
        throw;
    }
}

bool MapForm::IsForeignMap(const FieldVariableMap* map) const
{
    return map->field != nullptr && map->field->GetTable() != nullptr && IsForeignField(map->field);
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
    EnsureAspFilesOfKinds(*this, {5, 6}, ownerKind);
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
                  [this](const FieldVariableMap* map) { return IsForeignMap(map); });
    std::erase_if(m_fieldReps, [this](const FieldRep* fieldRep)
                  { return IsForeignField(fieldRep->GetField()); });
}

Field* MapForm::GetTopFieldAt(int index) const
{
    return ItemAt(m_topFields, index);
}

Field* MapForm::GetBottomFieldAt(int index) const
{
    return ItemAt(m_bottomFields, index);
}

FieldRep* MapForm::GetTopInputFieldRepAt(int index) const
{
    return ItemAt(m_topInputFieldReps, index);
}

FieldRep* MapForm::GetBottomInputFieldRepAt(int index) const
{
    return ItemAt(m_bottomInputFieldReps, index);
}

bool MapForm::HasTopField(const Field* field) const
{
    return Contains(m_topFields, const_cast<Field*>(field));
}

bool MapForm::HasField(const Field* field) const
{
    return HasTopField(field) || Contains(m_bottomFields, const_cast<Field*>(field));
}

void MapForm::RemoveTopField(Field* field)
{
    EraseFirst(m_topFields, field);
}

void MapForm::RemoveBottomField(Field* field)
{
    EraseFirst(m_bottomFields, field);
}

void MapForm::AddTopInputFieldRep(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return;
    m_topInputFieldReps.push_back(fieldRep);
    CreateInputVariable(fieldRep);
}

void MapForm::AddBottomInputFieldRep(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return;
    m_bottomInputFieldReps.push_back(fieldRep);
    CreateInputVariable(fieldRep);
}

void MapForm::CreateInputVariable(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return;
    // A control of a field gets its variable as a load leaves it: named after the field.
    if (fieldRep->GetField() != nullptr)
    {
        AddVariableForField(fieldRep->GetField());
        return;
    }
    // Without a field the name carries the caption, by which the field made later finds it.
    CString name = m_mappingTable == nullptr ? CString() : m_mappingTable->GetTableName();
    name += "_" + ControlName(fieldRep) + "_Var";
    name.Replace(' ', '_');
    auto* variable = new Variable;
    variable->SetName(name);
    m_fieldVariableMaps.push_back(new FieldVariableMap{nullptr, variable});
}

void MapForm::RemoveTopInputFieldRep(FieldRep* fieldRep)
{
    RemoveInputFieldRep(m_topInputFieldReps, fieldRep);
}

void MapForm::RemoveBottomInputFieldRep(FieldRep* fieldRep)
{
    RemoveInputFieldRep(m_bottomInputFieldReps, fieldRep);
}

void MapForm::RemoveInputFieldRep(std::vector<FieldRep*>& list, FieldRep* fieldRep)
{
    if (fieldRep == nullptr || !Contains(list, fieldRep))
        return;
    EraseFirst(list, fieldRep);
    const CString caption = CaptionName(fieldRep);
    FieldVariableMap* map = fieldRep->GetField() != nullptr
                                ? FindFieldVariableMapByField(fieldRep->GetField())
                                : FindFirst(m_fieldVariableMaps,
                                            [&caption](const FieldVariableMap* candidate) {
                                                return candidate->field == nullptr &&
                                                       VariableNameContains(candidate, caption);
                                            });
    const bool formMap = map != nullptr && m_bottomMasterForm != nullptr &&
                         Contains(m_bottomMasterForm->GetFieldVariableMaps(), map);
    if (map != nullptr)
    {
        EraseFirst(m_fieldVariableMaps, map);
        if (!formMap)
            DeleteFieldVariableMap(map);
    }
    delete fieldRep;
}

void MapForm::MoveTopInputFieldRepUp(FieldRep* fieldRep)
{
    const auto found = std::find(m_topInputFieldReps.begin(), m_topInputFieldReps.end(), fieldRep);
    if (found != m_topInputFieldReps.end() && found != m_topInputFieldReps.begin())
        std::iter_swap(found, found - 1);
}

void MapForm::MoveTopInputFieldRepDown(FieldRep* fieldRep)
{
    const auto found = std::find(m_topInputFieldReps.begin(), m_topInputFieldReps.end(), fieldRep);
    if (found != m_topInputFieldReps.end() && found + 1 != m_topInputFieldReps.end())
        std::iter_swap(found, found + 1);
}

void MapForm::DeleteBottomInputFieldReps()
{
    DeleteAll(m_bottomInputFieldReps);
}

FieldRep* MapForm::FindInputFieldRepByCaption(const CString& caption) const
{
    const auto hasCaption = [&caption](const FieldRep* rep) {
        return rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->GetCaption() == caption;
    };
    FieldRep* top = FindFirst(m_topInputFieldReps, hasCaption);
    return top != nullptr ? top : FindFirst(m_bottomInputFieldReps, hasCaption);
}

FieldRep* MapForm::FindFieldRepForFieldVariableMap(const FieldVariableMap* map)
{
    if (map == nullptr)
        return nullptr;
    if (map->field != nullptr)
    {
        if (FieldRep* rep = GetFieldRepForField(map->field))
            return rep;
    }
    return FindFirst(m_topInputFieldReps, [map](const FieldRep* rep)
                     { return VariableNameContains(map, CaptionName(rep)); });
}

void MapForm::Validate()
{
    if (!ValidateTableAndReport(m_mappingTable, m_report, m_reportVariableMaps.size()) ||
        m_bottomMasterForm == nullptr)
        return;
    const Table* bottomTable = m_bottomMasterForm->GetTable();
    const auto shown = std::ranges::count_if(
        m_fieldReps, [bottomTable](const FieldRep* rep)
        { return rep->GetField() != nullptr && rep->GetField()->GetTable() == bottomTable; });
    if (static_cast<std::size_t>(shown) != m_bottomMasterForm->GetFieldReps().size())
        TheProjectDiagnostics().AddError(
            "Bottom Master Form field reps are not reflectiong properly" + m_name);
}

void MapForm::CreateFieldsForInputControls()
{
    for (FieldRep* rep : InputFieldReps())
    {
        const bool unboundRefField =
            std::any_of(m_refFields.begin(), m_refFields.end(),
                        [](const RefField* refField) { return refField->GetField() == nullptr; });
        if (unboundRefField)
            return;
        if (rep->GetField() != nullptr || rep->GetFieldRepData() == nullptr)
            continue;
        const CString caption = rep->GetFieldRepData()->GetCaption();
        auto* field = new Field;
        field->SetFieldName(caption);
        field->SetDisplayName(caption);
        rep->SetField(field);
        m_refFields.push_back(new RefField(field, m_mappingTable));
        const CString captionName = CaptionName(rep);
        FieldVariableMap* map = FindFirst(m_fieldVariableMaps,
                                          [&captionName](const FieldVariableMap* candidate) {
                                              return candidate->field == nullptr &&
                                                     VariableNameContains(candidate, captionName);
                                          });
        if (map == nullptr)
            continue;
        map->field = field;
        // Named after its field, as the next load would name it.
        if (map->variable != nullptr)
            map->variable->SetName(field->GetFieldName());
    }
}

void MapForm::AppendControlsWithData(const std::vector<Field*>& fields, std::vector<FieldRep*>& out)
{
    for (Field* field : fields)
    {
        FieldRep* rep = GetFieldRepForField(field);
        if (rep != nullptr && rep->GetFieldRepData() != nullptr)
            out.push_back(rep);
    }
}

void MapForm::GetTopFieldReps(std::vector<FieldRep*>& out)
{
    out = m_topInputFieldReps;
    AppendControlsWithData(m_topFields, out);
}

void MapForm::GetBottomFieldReps(std::vector<FieldRep*>& out)
{
    out = m_bottomInputFieldReps;
    if (m_bottomMasterForm == nullptr)
    {
        AppendControlsWithData(m_bottomFields, out);
        return;
    }
    for (FieldRep* rep : m_bottomMasterForm->GetFieldReps())
    {
        if (rep->GetFieldRepData() != nullptr)
            out.push_back(rep);
    }
}

void MapForm::RemoveReport()
{
    m_report = nullptr;
    DeleteAll(m_reportVariableMaps);
    RemoveTableFlags(m_mappingTable);
}

FieldVariableMap* MapForm::GetKeyFieldVariableMap() const
{
    return FindKeyFieldMap(*this, nullptr);
}

void MapForm::DetachFieldRep(FieldRep* fieldRep)
{
    std::erase(m_fieldReps, fieldRep);
}

std::vector<FieldRep*> MapForm::InputFieldReps() const
{
    std::vector<FieldRep*> controls = m_topInputFieldReps;
    controls.insert(controls.end(), m_bottomInputFieldReps.begin(), m_bottomInputFieldReps.end());
    return controls;
}

bool MapForm::IsFieldRepUsedElsewhere(FieldRep* fieldRep)
{
    const std::vector<FieldRep*> controls = InputFieldReps();
    return fieldRep != nullptr &&
           std::any_of(controls.begin(), controls.end(),
                       [fieldRep](const FieldRep* other)
                       {
                           return other != fieldRep && other->GetFieldRepData() != nullptr &&
                                  other->GetFieldRepData()->HasClassRecomputeFor(fieldRep);
                       });
}

bool MapForm::IsFieldRepMappedToReportVariable(FieldRep* fieldRep)
{
    return fieldRep != nullptr &&
           PageVariableNameContains(m_reportVariableMaps, ControlName(fieldRep));
}

FieldRep* MapForm::GetFieldRepForField(Field* field)
{
    FieldRep* rep = FormInterface::GetFieldRepForField(field);
    if (rep != nullptr || field == nullptr)
        return rep;
    const auto showsField = [field](const FieldRep* input) { return input->GetField() == field; };
    rep = FindFirst(m_topInputFieldReps, showsField);
    return rep != nullptr ? rep : FindFirst(m_bottomInputFieldReps, showsField);
}

void MapForm::GetEventFieldReps(std::vector<FieldRep*>& out)
{
    FormInterface::GetEventFieldReps(out);
    for (FieldRep* rep : InputFieldReps())
    {
        if (rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->HasEventRecmpFields())
            out.push_back(rep);
    }
}

bool MapForm::IsEventFieldRep(FieldRep* fieldRep)
{
    return fieldRep != nullptr && fieldRep->GetField() != nullptr && !m_topFields.empty() &&
           fieldRep->GetField() == m_topFields.back();
}

void MapForm::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_mappingTable);
    list.Add(m_report, [this] { RemoveReport(); });
    ListReportVariableMaps(list, m_reportVariableMaps);
    // Pages are listed as pages: a form does not begin with its page part.
    list.Add(static_cast<const FormInterface*>(m_bottomMasterForm),
             [this] { SetBottomMasterForm(nullptr); });
    for (Field* field : m_topFields)
        list.Add(field, [this, field] { RemoveTopField(field); });
    for (Field* field : m_bottomFields)
        list.Add(field, [this, field] { RemoveBottomField(field); });
    list.SetUse([this] { return FieldUseName("fieldRepresentation"); }, controlUseWeight);
    for (const std::vector<FieldRep*>* controls : {&m_topInputFieldReps, &m_bottomInputFieldReps})
    {
        for (FieldRep* control : *controls)
        {
            if (Contains(m_fieldReps, control))
                continue;
            list.Add(control->GetField(), [this, control] { DeleteFieldRep(control); });
            control->ListReferences(list);
        }
    }
    list.ClearUse();
    FormInterface::ListReferences(list);
}

void MapForm::DeleteFieldRep(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return;
    const bool onPage = Contains(m_fieldReps, fieldRep);
    // A control of another table's field is the master form's: the page only lets go of it.
    if (onPage && IsForeignField(fieldRep->GetField()))
        DetachFieldRep(fieldRep);
    else
        FormInterface::DeleteFieldRep(fieldRep);
    for (std::vector<FieldRep*>* controls : {&m_topInputFieldReps, &m_bottomInputFieldReps})
    {
        // A control of the page's list is freed already; its pointer only leaves the list.
        if (onPage)
            EraseFirst(*controls, fieldRep);
        else if (EraseAndDelete(*controls, fieldRep))
            return;
    }
}

void MapForm::CollectReportVariableUsage(Variable* variable, CString& list)
{
    if (variable != nullptr && MapsReportVariable(m_reportVariableMaps, variable))
        ListReportVariableUsage(*this, list);
}

FieldRepData* MapForm::FindExtraFieldRepDataUsingField(Field* field)
{
    if (field == nullptr)
        return nullptr;
    for (FieldRep* rep : InputFieldReps())
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && (data->GetFrontField() == field || data->GetBackField() == field))
            return data;
    }
    return nullptr;
}

void MapForm::ClearExtraFrontBackField(Field* field)
{
    if (field == nullptr)
        return;
    ClearFrontBackFieldOf(InputFieldReps(), field);
}

void MapForm::RemoveClassRecomputeOf(FieldRep* fieldRep)
{
    FormInterface::RemoveClassRecomputeOf(fieldRep);
    for (FieldRep* rep : InputFieldReps())
    {
        if (rep->GetFieldRepData() != nullptr)
            rep->GetFieldRepData()->RemoveClassRecomputeOf(fieldRep);
    }
}

void MapForm::VisitDefaultEventRecmpFields()
{
    FormInterface::VisitDefaultEventRecmpFields();
    for (const FieldRep* rep : InputFieldReps())
        rep->GetDefaultEventRecmpFields();
}

void MapForm::SyncTableFlags()
{
    if (m_report != nullptr)
        EnsureTableFlagsRecord(*this, m_mappingTable);
}
