#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DerivedField.h"
#include "entities/FormInterfaceParts.h"
#include "entities/Grid.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(FormInterface, CObject, 0)

namespace
{
// The first reference or derived field whose page field has the name, ignoring case.
template <class T> T* FindByPageFieldName(const std::vector<T*>& list, const CString& name)
{
    return FindFirst(list,
                     [&name](const T* item)
                     {
                         return item->GetField() != nullptr &&
                                item->GetField()->GetFieldName().CompareNoCase(name) == 0;
                     });
}

// Swaps the item at the index with the next one; nothing when there is no such pair.
template <class T> void SwapWithNext(std::vector<T*>& list, int index)
{
    if (index >= 0 && index + 1 < static_cast<int>(list.size()))
        std::swap(list[index], list[index + 1]);
}

// The first reference or derived field whose page field is the field.
template <class T> T* FindByPageField(const std::vector<T*>& list, const Field* field)
{
    return FindFirst(list, [field](const T* item) { return item->GetField() == field; });
}

// The first reference or derived field whose page field has exactly the name.
template <class T> T* FindByExactPageFieldName(const std::vector<T*>& list, const CString& name)
{
    return FindFirst(
        list, [&name](const T* item)
        { return item->GetField() != nullptr && item->GetField()->GetFieldName() == name; });
}

LinkControl* FindLinkByCaption(const std::vector<LinkControl*>& links, const CString& caption)
{
    return FindFirst(links,
                     [&caption](const LinkControl* link) { return link->GetCaption() == caption; });
}

void SetControlVariable(const FieldRep& control, Variable* variable)
{
    if (control.GetFieldRepData() != nullptr)
        control.GetFieldRepData()->SetVariable(variable);
}
} // namespace

FormInterface::FormInterface() = default;

FormInterface::~FormInterface()
{
    DeleteAll(m_aspFiles);
    DeleteAll(m_fieldReps);
    DeleteAll(m_pageFields);
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

FieldRep* FormInterface::GetFieldRepForField(Field* field)
{
    return FindFirst(m_fieldReps,
                     [field](const FieldRep* rep) { return rep->GetField() == field; });
}

FieldRep* FormInterface::GetFieldRep(int index)
{
    return ItemAt(m_fieldReps, index);
}

void FormInterface::GetEventFieldReps(std::vector<FieldRep*>& out)
{
    out.clear();
    for (FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if ((data != nullptr && data->HasEventRecmpFields()) || IsEventFieldRep(rep))
            out.push_back(rep);
    }
}

void FormInterface::GetTables(std::vector<Table*>& out)
{
    out.clear();
}

bool FormInterface::IsEventFieldRep(FieldRep*)
{
    return false;
}

bool FormInterface::IsMasterLinkField(Field*)
{
    return false;
}

CString FormInterface::GetClassName()
{
    return "FormInterface";
}

void FormInterface::VisitDefaultEventRecmpFields()
{
    for (const FieldRep* rep : m_fieldReps)
        rep->GetDefaultEventRecmpFields();
}

void FormInterface::SyncTableFlags() {}

CString FormInterface::ControlName(const FieldRep* fieldRep)
{
    CString name;
    if (fieldRep->GetField() != nullptr)
        name = fieldRep->GetField()->GetFieldName();
    else if (fieldRep->GetFieldRepData() != nullptr)
        name = fieldRep->GetFieldRepData()->GetCaption();
    name.Replace(' ', '_');
    return name;
}

bool FormInterface::IsPageOwnedField(Field* field) const
{
    return field != nullptr && field->GetTable() == nullptr &&
           FindRefFieldByField(field) == nullptr && FindDerivedFieldByField(field) == nullptr;
}

void FormInterface::AdoptPageField(Field* field)
{
    if (field != nullptr && std::ranges::find(m_pageFields, field) == m_pageFields.end())
        m_pageFields.push_back(field);
}

void FormInterface::DeleteGrid()
{
    delete m_grid;
    m_grid = nullptr;
}

AspFile* FormInterface::GetAspFileAt(int index) const
{
    return ItemAt(m_aspFiles, index);
}

AspFile* FormInterface::FindAspFileByType(int fileKind) const
{
    return FindFirst(m_aspFiles,
                     [fileKind](const AspFile* file) { return file->GetFileKind() == fileKind; });
}

AspFile* FormInterface::FindAspFileByName(const CString& url) const
{
    return FindFirst(m_aspFiles, [&url](const AspFile* file)
                     { return file->GetRelativeUrl(FALSE, FALSE) == url; });
}

AspFile* FormInterface::FindAspFile(const CString& url) const
{
    return FindAspFileByName(url);
}

bool FormInterface::HasAspFile(const AspFile* file) const
{
    return std::ranges::find(m_aspFiles, file) != m_aspFiles.end();
}

void FormInterface::RemoveAspFile(AspFile* file)
{
    ErasePointer(m_aspFiles, file);
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

FieldRep* FormInterface::FindFieldRepByFieldName(const CString& name) const
{
    return FindFirst(
        m_fieldReps,
        [&name](const FieldRep* rep)
        {
            return rep->GetField() != nullptr && rep->GetField()->GetFieldName() == name &&
                   !(rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->IsAddedBySync());
        });
}

FieldRep* FormInterface::FindFieldRepByFieldNameNoCase(CString name) const
{
    return FindFirst(m_fieldReps,
                     [&name](const FieldRep* rep) {
                         return rep->GetField() != nullptr &&
                                rep->GetField()->GetFieldName().CompareNoCase(name) == 0;
                     });
}

void FormInterface::SwapFieldReps(FieldRep* first, FieldRep* second)
{
    const auto firstPlace = std::ranges::find(m_fieldReps, first);
    const auto secondPlace = std::ranges::find(m_fieldReps, second);
    if (firstPlace != m_fieldReps.end() && secondPlace != m_fieldReps.end())
        std::iter_swap(firstPlace, secondPlace);
}

void FormInterface::MoveFieldRepTo(FieldRep* fieldRep, int index)
{
    if (!ErasePointer(m_fieldReps, fieldRep))
        return;
    const int position = std::clamp(index, 0, static_cast<int>(m_fieldReps.size()));
    m_fieldReps.insert(m_fieldReps.begin() + position, fieldRep);
}

int FormInterface::IndexOfFieldRep(FieldRep* fieldRep) const
{
    const auto found = std::ranges::find(m_fieldReps, fieldRep);
    return found == m_fieldReps.end() ? -1 : static_cast<int>(found - m_fieldReps.begin());
}

bool FormInterface::HasFileUploadControl() const
{
    return std::ranges::any_of(m_fieldReps,
                               [](const FieldRep* rep)
                               {
                                   return rep->GetFieldRepData() != nullptr &&
                                          rep->GetFieldRepData()->GetControlKind() ==
                                              FieldRepData::FileUpload;
                               });
}

bool FormInterface::IsFieldNameUsed(const CString& name) const
{
    const auto named = [&name](const Field* field)
    { return field != nullptr && field->GetFieldName() == name; };
    return std::ranges::any_of(m_fieldReps,
                               [&named](const FieldRep* rep) { return named(rep->GetField()); }) ||
           std::ranges::any_of(m_refFields, [&named](const RefField* refField)
                               { return named(refField->GetField()); }) ||
           std::ranges::any_of(m_derivedFields, [&named](const DerivedField* derivedField)
                               { return named(derivedField->GetField()); });
}

CString FormInterface::GetQualifiedFieldName(FieldRep* fieldRep) const
{
    Field* field = fieldRep == nullptr ? nullptr : fieldRep->GetField();
    if (field == nullptr)
        return CString();
    const Table* table =
        field->GetTable() != nullptr ? field->GetTable() : GetRefOrDerivedFieldTable(field);
    if (table == nullptr)
        return field->GetFieldName();
    return table->GetTableName() + "_" + field->GetFieldName();
}

RefField* FormInterface::FindRefFieldByField(Field* field) const
{
    return FindByPageField(m_refFields, field);
}

RefField* FormInterface::FindRefFieldByName(const CString& name) const
{
    return FindByPageFieldName(m_refFields, name);
}

RefField* FormInterface::GetRefFieldByName(const CString& name) const
{
    return FindByExactPageFieldName(m_refFields, name);
}

DerivedField* FormInterface::FindDerivedFieldByField(Field* field) const
{
    return FindByPageField(m_derivedFields, field);
}

DerivedField* FormInterface::FindDerivedFieldByName(const CString& name) const
{
    return FindByPageFieldName(m_derivedFields, name);
}

DerivedField* FormInterface::GetDerivedFieldByName(const CString& name) const
{
    return FindByExactPageFieldName(m_derivedFields, name);
}

Table* FormInterface::GetRefOrDerivedFieldTable(Field* field) const
{
    if (const RefField* refField = FindRefFieldByField(field))
        return refField->GetTable();
    if (const DerivedField* derivedField = FindDerivedFieldByField(field))
        return derivedField->GetTable();
    return nullptr;
}

LinkControl* FormInterface::FindPreLinkByCaption(const CString& caption) const
{
    return FindLinkByCaption(m_preLinks, caption);
}

LinkControl* FormInterface::FindPostLinkByCaption(const CString& caption) const
{
    return FindLinkByCaption(m_postLinks, caption);
}

LinkControl* FormInterface::FindPreLinkByCaptionNoCase(CString caption) const
{
    caption.MakeLower();
    return FindFirst(m_preLinks, [&caption](const LinkControl* link)
                     { return link->GetCaption().MakeLower() == caption; });
}

LinkControl* FormInterface::FindLinkControl(Menu* target, int alignment) const
{
    const auto matches = [target, alignment](const LinkControl* link)
    { return link->GetTarget() == target && link->GetAlignment() == alignment; };
    if (LinkControl* link = FindFirst(m_preLinks, matches))
        return link;
    return FindFirst(m_postLinks, matches);
}

void FormInterface::RemovePreLink(LinkControl* link)
{
    ErasePointer(m_preLinks, link);
}

void FormInterface::RemovePostLink(LinkControl* link)
{
    ErasePointer(m_postLinks, link);
}

void FormInterface::GetPreLinks(std::vector<LinkControl*>& out) const
{
    out = m_preLinks;
}

void FormInterface::GetPostLinks(std::vector<LinkControl*>& out) const
{
    out = m_postLinks;
}

void FormInterface::MovePreLinkDown(int index)
{
    SwapWithNext(m_preLinks, index);
}

void FormInterface::MovePostLinkDown(int index)
{
    SwapWithNext(m_postLinks, index);
}

void FormInterface::MovePreLinkUp(int index)
{
    if (index > 0)
        SwapWithNext(m_preLinks, index - 1);
}

void FormInterface::MovePostLinkUp(int index)
{
    if (index > 0)
        SwapWithNext(m_postLinks, index - 1);
}

void FormInterface::SetLinkPlacement(LinkControl* link, bool pre)
{
    std::vector<LinkControl*>& from = pre ? m_postLinks : m_preLinks;
    std::vector<LinkControl*>& to = pre ? m_preLinks : m_postLinks;
    ErasePointer(from, link);
    if (std::ranges::find(to, link) == to.end())
        to.push_back(link);
}

UniquenessProcedureTable* FormInterface::FindUniquenessProcedureTable(Table* table) const
{
    return FindFirst(m_uniquenessProcedureTables, [table](const UniquenessProcedureTable* entry)
                     { return entry->GetTable() == table; });
}

Procedure* FormInterface::GetUniquenessProcedure(Table* table) const
{
    const UniquenessProcedureTable* entry = FindUniquenessProcedureTable(table);
    return entry == nullptr ? nullptr : CalledProcedure(entry->GetInvocation());
}

void FormInterface::RemoveUniquenessProcedureTable(Table* table)
{
    UniquenessProcedureTable* entry = FindUniquenessProcedureTable(table);
    if (ErasePointer(m_uniquenessProcedureTables, entry))
        delete entry;
}

ProcedureTable* FormInterface::FindProcedureTable(Table* table, int kind) const
{
    return FindFirst(m_procedureTables, [table, kind](const ProcedureTable* entry)
                     { return entry->GetTable() == table && entry->GetKind() == kind; });
}

void FormInterface::RemoveProcedureTable(Table* table, int kind)
{
    ProcedureTable* entry = FindProcedureTable(table, kind);
    if (ErasePointer(m_procedureTables, entry))
        delete entry;
}

ProcedureTable* FormInterface::FindUpdateProcedureTable(Table* table) const
{
    return FindProcedureTable(table, ProcedureTable::recordUpdateKind);
}

ProcedureTable* FormInterface::FindDeleteProcedureTable(Table* table) const
{
    return FindProcedureTable(table, ProcedureTable::recordDeleteKind);
}

ProcedureTable* FormInterface::FindDefaultValueProcedureTable(Table* table) const
{
    return FindProcedureTable(table, ProcedureTable::controlDefaultValueKind);
}

Procedure* FormInterface::GetUpdateProcedure(Table* table) const
{
    const ProcedureTable* entry = FindUpdateProcedureTable(table);
    return entry == nullptr ? nullptr : CalledProcedure(entry->GetInvocation());
}

Procedure* FormInterface::GetDeleteProcedure(Table* table) const
{
    const ProcedureTable* entry = FindDeleteProcedureTable(table);
    return entry == nullptr ? nullptr : CalledProcedure(entry->GetInvocation());
}

Procedure* FormInterface::GetDefaultValueProcedure(Table* table) const
{
    const ProcedureTable* entry = FindDefaultValueProcedureTable(table);
    return entry == nullptr ? nullptr : CalledProcedure(entry->GetInvocation());
}

void FormInterface::RemoveUpdateProcedureTable(Table* table)
{
    RemoveProcedureTable(table, ProcedureTable::recordUpdateKind);
}

void FormInterface::RemoveDeleteProcedureTable(Table* table)
{
    RemoveProcedureTable(table, ProcedureTable::recordDeleteKind);
}

void FormInterface::RemoveDefaultValueProcedureTable(Table* table)
{
    RemoveProcedureTable(table, ProcedureTable::controlDefaultValueKind);
}

PageTableFlags FormInterface::GetTableFlags(Table* table) const
{
    const auto found = std::ranges::find_if(m_tableFlags, [table](const PageTableFlags& flags)
                                            { return flags.table == table; });
    return found == m_tableFlags.end() ? PageTableFlags{} : *found;
}

void FormInterface::SetTableFlags(const PageTableFlags& flags)
{
    const auto found = std::ranges::find_if(m_tableFlags, [&flags](const PageTableFlags& record)
                                            { return record.table == flags.table; });
    if (found == m_tableFlags.end())
        return;
    found->firstFlag = flags.firstFlag;
    found->secondFlag = flags.secondFlag;
}

void FormInterface::RemoveTableFlags(Table* table)
{
    const auto found = std::ranges::find_if(m_tableFlags, [table](const PageTableFlags& flags)
                                            { return flags.table == table; });
    if (found != m_tableFlags.end())
        m_tableFlags.erase(found);
}

void FormInterface::RemoveTableFlagsByName(const CString& tableName)
{
    const auto found =
        std::ranges::find_if(m_tableFlags,
                             [&tableName](const PageTableFlags& flags) {
                                 return flags.table != nullptr &&
                                        flags.table->GetTableName().CompareNoCase(tableName) == 0;
                             });
    if (found != m_tableFlags.end())
        m_tableFlags.erase(found);
}

void FormInterface::ClearTableFlags()
{
    while (!m_tableFlags.empty())
        RemoveTableFlags(m_tableFlags.front().table);
}

bool FormInterface::TakesControl(Field* field)
{
    return field != nullptr && GetFieldRepForField(field) == nullptr &&
           !field->IsKeyOrDeletedFlag() && !IsMasterLinkField(field);
}

FieldRep* FormInterface::NewFieldRep(Field* field)
{
    auto* rep = new FieldRep(field);
    auto* data = new FieldRepData;
    if (const FieldVariableMap* map = FindFieldVariableMapByField(field))
        data->SetVariable(map->variable);
    rep->SetFieldRepData(data);
    return rep;
}

void FormInterface::CreateFieldRepsForTable(Table* table)
{
    if (table == nullptr)
        return;
    for (Field* field : table->GetFields())
    {
        if (TakesControl(field))
            m_fieldReps.push_back(NewFieldRep(field));
    }
}

void FormInterface::SyncFieldRepsWithTable(Table* table)
{
    if (table == nullptr)
        return;
    for (Field* field : table->GetFields())
    {
        if (FieldRep* rep = GetFieldRepForField(field))
        {
            // Every control of the field carries its variable, a repeated one too, so that
            // whichever the later passes keep has it; the control found may also be one outside
            // the page's list (a map form's input).
            if (const FieldVariableMap* map = FindFieldVariableMapByField(field))
            {
                SetControlVariable(*rep, map->variable);
                for (FieldRep* control : m_fieldReps)
                {
                    if (control->GetField() == field)
                        SetControlVariable(*control, map->variable);
                }
            }
            continue;
        }
        if (!TakesControl(field))
            continue;
        FieldRep* rep = NewFieldRep(field);
        rep->SetMandatory(true);
        rep->GetFieldRepData()->SetAddedBySync(true);
        m_fieldReps.push_back(rep);
    }
}

void FormInterface::AddFieldRepForField(Field* field)
{
    if (field == nullptr)
        return;
    auto* rep = new FieldRep(field);
    rep->SetFieldRepData(new FieldRepData);
    rep->GetFieldRepData()->SetCaption(field->GetDisplayName());
    m_fieldReps.push_back(rep);
}

void FormInterface::RemoveInvalidFieldReps()
{
    size_t index = 0;
    while (index < m_fieldReps.size())
    {
        FieldRep* rep = m_fieldReps[index];
        Field* field = rep->GetField();
        const bool invalid =
            (field != nullptr && (field->IsKeyOrDeletedFlag() || IsMasterLinkField(field))) ||
            (rep->GetFieldRepData() == nullptr && rep->GetVariable() == nullptr);
        if (invalid)
            DeleteFieldRep(rep);
        if (index < m_fieldReps.size() && m_fieldReps[index] == rep)
            ++index;
    }
}

FieldVariableMap* FormInterface::GetFieldVariableMapAt(int index) const
{
    return ItemAt(m_fieldVariableMaps, index);
}

FieldVariableMap* FormInterface::FindFieldVariableMapByField(Field* field) const
{
    return FindFirst(m_fieldVariableMaps,
                     [field](const FieldVariableMap* map) { return map->field == field; });
}

FieldVariableMap* FormInterface::FindFieldVariableMapByVariable(Variable* variable) const
{
    return FindFirst(m_fieldVariableMaps,
                     [variable](const FieldVariableMap* map) { return map->variable == variable; });
}

FieldVariableMap* FormInterface::FindFieldVariableMapByVariableName(const CString& name) const
{
    return FindFirst(m_fieldVariableMaps,
                     [&name](const FieldVariableMap* map) {
                         return map->variable != nullptr &&
                                map->variable->GetFieldName().CompareNoCase(name) == 0;
                     });
}

Field* FormInterface::GetMappedFieldOfVariable(Variable* variable) const
{
    const FieldVariableMap* map =
        variable == nullptr ? nullptr : FindFieldVariableMapByVariable(variable);
    return map == nullptr ? nullptr : map->field;
}

Variable* FormInterface::FindVariableByName(const CString& name) const
{
    const FieldVariableMap* map =
        FindFirst(m_fieldVariableMaps, [&name](const FieldVariableMap* item)
                  { return item->variable != nullptr && item->variable->GetFieldName() == name; });
    return map == nullptr ? nullptr : map->variable;
}

Field* FormInterface::FindMappedFieldByName(const CString& name) const
{
    const FieldVariableMap* map =
        FindFirst(m_fieldVariableMaps, [&name](const FieldVariableMap* item)
                  { return item->field != nullptr && item->field->GetFieldName() == name; });
    return map == nullptr ? nullptr : map->field;
}

void FormInterface::GetVariables(std::vector<Variable*>& out, bool all) const
{
    for (const FieldVariableMap* map : m_fieldVariableMaps)
    {
        if (map->variable != nullptr && (all || map->variable->GetKind() == Variable::pageKind))
            out.push_back(map->variable);
    }
}

int FormInterface::AddVariablesForTable(Table* table)
{
    if (table == nullptr)
        return 0;
    for (Field* field : table->GetFields())
    {
        if (FindFieldVariableMapByField(field) != nullptr)
            continue;
        Variable* variable = AddVariableForField(field);
        // The field's control carries the new variable.
        const FieldRep* rep = GetFieldRepForField(field);
        if (rep != nullptr && rep->GetFieldRepData() != nullptr)
            rep->GetFieldRepData()->SetVariable(variable);
    }
    return table->GetFieldCount();
}

Variable* FormInterface::AddVariableForField(Field* field)
{
    if (field == nullptr)
        return nullptr;
    auto* variable = new Variable;
    variable->SetName(field->GetFieldName());
    variable->SetKind(Variable::pageKind);
    m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
    return variable;
}

void FormInterface::NameVariablesAsRead()
{
    for (FieldVariableMap* map : m_fieldVariableMaps)
    {
        if (map->field != nullptr && map->variable != nullptr)
            map->variable->SetName(map->field->GetFieldName());
    }
}

void FormInterface::RenameVariablesAfterFields()
{
    for (FieldVariableMap* map : m_fieldVariableMaps)
    {
        if (map->variable != nullptr && map->field != nullptr && map->field->GetTable() != nullptr)
            map->variable->SetName(map->field->GetFieldName());
    }
}

void FormInterface::RenameVariablesAfterFieldsOfTable(Table* table)
{
    for (FieldVariableMap* map : m_fieldVariableMaps)
    {
        if (map->variable != nullptr && table != nullptr && map->field != nullptr &&
            map->field->GetTable() == table)
            map->variable->SetName(map->field->GetFieldName());
    }
}

void FormInterface::RenameVariable(const char* oldText, CString newText)
{
    FieldVariableMap* map = FindFirst(m_fieldVariableMaps, [oldText](const FieldVariableMap* item)
                                      { return VariableName(item->variable).Find(oldText) >= 0; });
    if (map == nullptr)
        return;
    const CString name = map->variable->GetFieldName();
    CString renamed = name.Left(name.Find(oldText)) + newText;
    renamed.Replace(' ', '_');
    map->variable->SetName(renamed);
}

void FormInterface::OnFieldRenamed(Field* field, const char* oldName)
{
    const FieldVariableMap* map = FindFieldVariableMapByField(field);
    if (map != nullptr && VariableName(map->variable).Find(oldName) >= 0)
    {
        CString name = map->variable->GetFieldName();
        name.Replace(oldName, field->GetFieldName());
        map->variable->SetName(name);
    }
    const FieldRep* rep = GetFieldRepForField(field);
    if (rep != nullptr && rep->GetFieldRepData() != nullptr)
        rep->GetFieldRepData()->SetCaption(field->GetDisplayName());
}

void FormInterface::RemoveFieldVariableMapByField(Field* field)
{
    ErasePointer(m_fieldVariableMaps, FindFieldVariableMapByField(field));
}

void FormInterface::RemoveFieldVariableMapByVariable(Variable* variable)
{
    const FieldVariableMap* map = FindFieldVariableMapByVariable(variable);
    if (map != nullptr)
        RemoveFieldVariableMapAt(static_cast<int>(std::ranges::find(m_fieldVariableMaps, map) -
                                                  m_fieldVariableMaps.begin()));
}

void FormInterface::RemoveFieldVariableMapAt(int index)
{
    FieldVariableMap* map = GetFieldVariableMapAt(index);
    if (map == nullptr)
        return;
    RemoveVariableFromDataCalls(map->variable);
    m_fieldVariableMaps.erase(m_fieldVariableMaps.begin() + index);
    DeleteFieldVariableMap(map);
}

Field* FormInterface::GetKeyFieldOf(Field* field)
{
    if (field == nullptr)
        return nullptr;
    if (field->IsKey())
        return field;
    Field* referenced = field->GetForeignField();
    if (field->IsForeignKey() && referenced != nullptr && referenced->IsKey())
        return referenced;
    return nullptr;
}
