#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>

IMPLEMENT_SERIAL(FormInterface, CObject, 0)

namespace
{

// The first item of the list that matches, else null.
template <class T, class Predicate> T* FirstMatch(const std::vector<T*>& list, Predicate matches)
{
    const auto found = std::ranges::find_if(list, matches);
    return found == list.end() ? nullptr : *found;
}

// The first reference or derived field whose page field has the name, ignoring case.
template <class T> T* FindByPageFieldName(const std::vector<T*>& list, const CString& name)
{
    return FirstMatch(list,
                      [&name](const T* item)
                      {
                          return item->GetField() != nullptr &&
                                 item->GetField()->GetFieldName().CompareNoCase(name) == 0;
                      });
}

// The number of master forms or transactions of the source's module over the source's table
// (the basic table of a transaction); 0 for a page outside a module.
int CountPagesOverSameTable(const FormInterface* source)
{
    const Module* module = source->GetModule();
    if (module == nullptr)
        return 0;
    if (const auto* form = dynamic_cast<const Form*>(source))
        return static_cast<int>(
            std::ranges::count_if(module->GetMasterForms(), [form](const Form* other)
                                  { return other->GetTable() == form->GetTable(); }));
    const auto* transaction = dynamic_cast<const Transaction*>(source);
    return static_cast<int>(
        std::ranges::count_if(module->GetTransactions(), [transaction](const Transaction* other)
                              { return other->GetBasicTable() == transaction->GetBasicTable(); }));
}

} // namespace

FormInterface::FormInterface() = default;

FormInterface::~FormInterface()
{
    DeleteAll(m_aspFiles);
    DeleteAll(m_fieldReps);
    DeleteAll(m_refFields);
    DeleteAll(m_derivedFields);
    DeleteAll(m_preLinks);
    DeleteAll(m_postLinks);
    DeleteAll(m_uniquenessProcedureTables);
    DeleteAll(m_procedureTables);
    for (FieldVariableMap* map : m_fieldVariableMaps)
        DeleteFieldVariableMap(map);
    m_fieldVariableMaps.clear();
    delete m_grid;
    delete m_secondOwnedObject;
    delete m_procedureCall;
    m_tableFlags.clear();
    m_module = nullptr;
}

bool FormInterface::IsSharedVariableMap(const FieldVariableMap* map)
{
    return map->variable != nullptr && map->variable->GetKind() == Variable::sharedKind;
}

void FormInterface::DeleteFieldVariableMap(FieldVariableMap* map)
{
    if (IsSharedVariableMap(map))
        return;
    delete map->variable;
    delete map;
}

void FormInterface::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteObjectList(ar, m_aspFiles);
        WriteObjectList(ar, m_fieldReps);
        std::vector<const FieldVariableMap*> storedMaps;
        std::ranges::copy_if(m_fieldVariableMaps, std::back_inserter(storedMaps),
                             [](const FieldVariableMap* map) { return !IsSharedVariableMap(map); });
        ar << static_cast<int>(storedMaps.size());
        for (const FieldVariableMap* map : storedMaps)
        {
            ar.WriteObject(map->field);
            ar.WriteObject(map->variable);
        }
        WriteObjectList(ar, m_preLinks);
        WriteObjectList(ar, m_postLinks);
        ar << m_preLinkColumnCount << m_postLinkColumnCount;
        WriteObjectList(ar, m_uniquenessProcedureTables);
        WriteObjectList(ar, m_refFields);
        WriteObjectList(ar, m_derivedFields);
        WriteObjectList(ar, m_procedureTables);
        ar << static_cast<int>(m_tableFlags.size());
        for (const PageTableFlags& flags : m_tableFlags)
        {
            ar.WriteObject(flags.table);
            WriteBoolInt(ar, flags.firstFlag);
            WriteBoolInt(ar, flags.secondFlag);
        }
        ar.WriteObject(m_procedureCall);
        WriteBoolInt(ar, m_isCopy);
        ar << m_columnCount;
        return;
    }

    const int version = ArchiveVersion();
    ar >> m_name;
    ReadObjectList(ar, m_aspFiles);
    ReadObjectList(ar, m_fieldReps);
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        auto* map = new FieldVariableMap;
        map->field = ReadRef<Field>(ar);
        map->variable = ReadRef<Variable>(ar);
        m_fieldVariableMaps.push_back(map);
        if (map->field != nullptr && map->variable != nullptr)
            map->variable->SetName(map->field->GetFieldName());
    }
    // Two legacy field/variable pairs; their objects may be shared, so they are left alone.
    if (version >= 19 && version <= 73)
    {
        for (int i = 0; i < 2; ++i)
        {
            ReadRef<Field>(ar);
            ReadRef<Variable>(ar);
        }
    }
    if (version > 25)
    {
        ReadObjectList(ar, m_preLinks);
        ReadObjectList(ar, m_postLinks);
        ar >> m_preLinkColumnCount >> m_postLinkColumnCount;
    }
    if (version > 27)
        ReadObjectList(ar, m_uniquenessProcedureTables);
    if (version > 37)
    {
        ReadObjectList(ar, m_refFields);
        ReadObjectList(ar, m_derivedFields);
    }
    if (version > 44)
        ReadObjectList(ar, m_procedureTables);
    if (version > 51)
    {
        const int flagCount = ReadCount(ar);
        for (int i = 0; i < flagCount; ++i)
        {
            PageTableFlags flags;
            flags.table = ReadRef<Table>(ar);
            flags.firstFlag = ReadBoolInt(ar);
            flags.secondFlag = ReadBoolInt(ar);
            m_tableFlags.push_back(flags);
        }
    }
    if (version > 61)
        m_procedureCall = ReadRef<ProcedureInvokation>(ar);
    if (version > 70)
        m_isCopy = ReadBoolInt(ar);
    if (version > 82)
        ar >> m_columnCount;
}

FieldRep* FormInterface::GetFieldRepForField(Field* field)
{
    return FirstMatch(m_fieldReps,
                      [field](const FieldRep* rep) { return rep->GetField() == field; });
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
    m_preLinkColumnCount = source->m_preLinkColumnCount;
    m_postLinkColumnCount = source->m_postLinkColumnCount;

    if (dynamic_cast<const Form*>(source) != nullptr ||
        dynamic_cast<const Transaction*>(source) != nullptr)
        m_name.Format("Copy_%d_of_", CountPagesOverSameTable(source));
    m_name += source->m_name;
    m_module = source->m_module;

    for (const RefField* refField : source->m_refFields)
        m_refFields.push_back(new RefField(*refField));
    for (const DerivedField* derivedField : source->m_derivedFields)
        m_derivedFields.push_back(new DerivedField(*derivedField));

    for (const AspFile* file : source->m_aspFiles)
    {
        AspFile* copy = new AspxFile;
        copy->CopyFrom(*file, this);
        m_aspFiles.push_back(copy);
    }

    for (const FieldRep* sourceRep : source->m_fieldReps)
    {
        auto* copy = new FieldRep(*sourceRep);
        copy->SetField(TranslateCopiedField(sourceRep->GetField()));
        const FieldRepData* sourceData = sourceRep->GetFieldRepData();
        const FieldRepData* copyData = copy->GetFieldRepData();
        if (sourceData != nullptr && copyData != nullptr && sourceData->GetDataCall() != nullptr &&
            copyData->GetDataCall() != nullptr)
        {
            const auto& sourceMaps = sourceData->GetDataCall()->GetParameterMaps();
            const auto& copyMaps = copyData->GetDataCall()->GetParameterMaps();
            for (size_t i = 0; i < sourceMaps.size() && i < copyMaps.size(); ++i)
                copyMaps[i]->m_field = TranslateCopiedField(sourceMaps[i]->m_field);
        }
        m_fieldReps.push_back(copy);
    }

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

Field* FormInterface::TranslateCopiedField(Field* field) const
{
    if (field == nullptr || field->GetTable() != nullptr)
        return field;
    if (const RefField* refField = FindRefFieldByName(field->GetFieldName()))
        return refField->GetField();
    if (const DerivedField* derivedField = FindDerivedFieldByName(field->GetFieldName()))
        return derivedField->GetField();
    return nullptr;
}

AspFile* FormInterface::FindAspFileByType(int fileKind) const
{
    return FirstMatch(m_aspFiles,
                      [fileKind](const AspFile* file) { return file->GetFileKind() == fileKind; });
}

int FormInterface::ProjectOutputKind()
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    return project == nullptr ? 1 : project->GetOutputKind();
}

void FormInterface::CreateAspFile(int fileKind, int ownerKind)
{
    AspFile* file = ProjectOutputKind() == 1 ? new AspxFile : new AspFile;
    file->SetOwnerKind(ownerKind);
    file->SetFileKind(fileKind);
    file->SetOwnerPage(this);
    m_aspFiles.push_back(file);
}

FieldVariableMap* FormInterface::FindFieldVariableMapByField(Field* field) const
{
    return FirstMatch(m_fieldVariableMaps,
                      [field](const FieldVariableMap* map) { return map->field == field; });
}

FieldVariableMap* FormInterface::FindFieldVariableMapByVariable(Variable* variable) const
{
    return FirstMatch(m_fieldVariableMaps, [variable](const FieldVariableMap* map)
                      { return map->variable == variable; });
}

void FormInterface::RemoveFieldVariableMapByField(Field* field)
{
    if (FieldVariableMap* map = FindFieldVariableMapByField(field))
        m_fieldVariableMaps.erase(std::ranges::find(m_fieldVariableMaps, map));
}

int FormInterface::AddVariablesForTable(Table* table)
{
    for (Field* field : table->GetFields())
    {
        if (FindFieldVariableMapByField(field) != nullptr)
            continue;
        auto* variable = new Variable;
        variable->SetName(field->GetFieldName());
        variable->SetKind(Variable::pageKind);
        m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
    }
    return table->GetFieldCount();
}

RefField* FormInterface::FindRefFieldByName(const CString& name) const
{
    return FindByPageFieldName(m_refFields, name);
}

DerivedField* FormInterface::FindDerivedFieldByName(const CString& name) const
{
    return FindByPageFieldName(m_derivedFields, name);
}
