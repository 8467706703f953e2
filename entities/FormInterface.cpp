#include "entities/FormInterface.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/EntityUsageSet.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
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

// Erases the first entry of the pointer; false when the list does not hold it.
template <class T> bool ErasePointer(std::vector<T*>& list, const T* item)
{
    const auto found = std::ranges::find(list, item);
    if (item == nullptr || found == list.end())
        return false;
    list.erase(found);
    return true;
}

// Erases and deletes every item that matches.
template <class T, class Predicate> void EraseAndDeleteIf(std::vector<T*>& list, Predicate matches)
{
    std::erase_if(list,
                  [&matches](T* item)
                  {
                      if (!matches(item))
                          return false;
                      delete item;
                      return true;
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
    return FirstMatch(list, [field](const T* item) { return item->GetField() == field; });
}

// The first reference or derived field whose page field has exactly the name.
template <class T> T* FindByExactPageFieldName(const std::vector<T*>& list, const CString& name)
{
    return FirstMatch(
        list, [&name](const T* item)
        { return item->GetField() != nullptr && item->GetField()->GetFieldName() == name; });
}

LinkControl* FindLinkByCaption(const std::vector<LinkControl*>& links, const CString& caption)
{
    return FirstMatch(links, [&caption](const LinkControl* link)
                      { return link->GetCaption() == caption; });
}

// The invocation calls the procedure.
bool Calls(const ProcedureInvokation* invocation, const Procedure* procedure)
{
    return invocation != nullptr && invocation->GetProcedure() == procedure;
}

Procedure* CalledProcedure(const ProcedureInvokation* invocation)
{
    return invocation == nullptr ? nullptr : invocation->GetProcedure();
}

// The call is a call of the function.
bool CallsFunction(const ClassInvokation* call, const Function* function)
{
    return call != nullptr && call->GetFunction() == function;
}

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

// The fields of the table that an output field of the function names.
std::vector<Field*> OutputFieldsOfTable(const Function* function, const Table* table)
{
    std::vector<Field*> fields;
    if (function == nullptr || table == nullptr)
        return fields;
    std::ranges::copy_if(table->GetFields(), std::back_inserter(fields),
                         [function](const Field* field)
                         { return function->HasOutputField(field); });
    return fields;
}

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

// The variable's name; empty without a variable.
CString VariableName(const Variable* variable)
{
    return variable == nullptr ? CString() : variable->GetFieldName();
}

// A warning is filed once, and never when the user ignores it.
void AddWarningOnce(const CString& text)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    if (!diagnostics.IsWarning(text) && !diagnostics.IsIgnoredWarning(text))
        diagnostics.AddWarning(text);
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
    ReadOwnedList(ar, m_aspFiles);
    if (TakesEntriesOfOtherPages())
        ReadObjectList(ar, m_fieldReps, true);
    else
        ReadOwnedList(ar, m_fieldReps);
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        auto* map = new FieldVariableMap;
        m_fieldVariableMaps.push_back(map);
        map->field = ReadRef<Field>(ar);
        Variable* variable = ReadRef<Variable>(ar);
        if (!TakesEntriesOfOtherPages() && variable != nullptr &&
            variable->GetKind() != Variable::sharedKind)
            ar.ClaimObject(variable);
        map->variable = variable;
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
        ReadOwnedList(ar, m_preLinks);
        ReadOwnedList(ar, m_postLinks);
        ar >> m_preLinkColumnCount >> m_postLinkColumnCount;
    }
    if (version > 27)
        ReadOwnedList(ar, m_uniquenessProcedureTables);
    if (version > 37)
    {
        ReadOwnedList(ar, m_refFields);
        ReadOwnedList(ar, m_derivedFields);
    }
    if (version > 44)
        ReadOwnedList(ar, m_procedureTables);
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
        m_procedureCall = ReadOwned<ProcedureInvokation>(ar);
    if (version > 70)
        m_isCopy = ReadBoolInt(ar);
    if (version > 82)
        ar >> m_columnCount;
}

void FormInterface::LetGoOfUnownedObjects(const CArchive& ar)
{
    for (FieldVariableMap* map : m_fieldVariableMaps)
    {
        if (ar.IsUnclaimed(map->variable))
            map->variable = nullptr;
    }
}

FieldRep* FormInterface::GetFieldRepForField(Field* field)
{
    return FirstMatch(m_fieldReps,
                      [field](const FieldRep* rep) { return rep->GetField() == field; });
}

bool FormInterface::IsFieldRepUsedElsewhere(FieldRep*)
{
    return false;
}

bool FormInterface::IsFieldRepMappedToReportVariable(FieldRep*)
{
    return false;
}

bool FormInterface::CollectExtraProcedureUsage(Procedure*, CString&)
{
    return false;
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

bool FormInterface::CollectFieldUsage(Field* field, CString& list)
{
    CString entry;
    if (const FieldVariableMap* map = FindFieldVariableMapByField(field))
        entry = m_name + "_" + VariableName(map->variable) + "\n";
    else if (std::ranges::any_of(m_fieldReps,
                                 [field](const FieldRep* rep) { return rep->UsesField(field); }))
        entry = m_name + "_" + "fieldRepresentation" + "\n";
    else if (FindRefFieldByField(field) != nullptr || FindDerivedFieldByField(field) != nullptr)
        entry = m_name + "_" + "reference/derived field" + "\n";
    else
        return false;
    list += entry;
    RecordUsage();
    return true;
}

void FormInterface::CollectTableUsage(Table*, CString&) {}

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

bool FormInterface::IsMasterLinkField(Field*)
{
    return false;
}

bool FormInterface::CollectProcedureUsage(Procedure* procedure, CString& list)
{
    const CString entry = m_name + "\n";
    bool found = false;
    if (std::ranges::any_of(m_uniquenessProcedureTables,
                            [procedure](const UniquenessProcedureTable* entry)
                            { return Calls(entry->GetInvocation(), procedure); }))
    {
        list += entry;
        found = true;
    }
    if (std::ranges::any_of(m_procedureTables, [procedure](const ProcedureTable* entry)
                            { return Calls(entry->GetInvocation(), procedure); }))
    {
        list += entry;
        found = true;
    }
    for (const FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && Calls(data->GetDataProcedure(), procedure))
        {
            list += entry;
            found = true;
        }
    }
    if (IsProcedureRecomputed(procedure))
        list += entry;
    else if (!found && !CollectExtraProcedureUsage(procedure, list))
        return false;
    RecordUsage();
    return true;
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

void FormInterface::CheckExtraProcedureMapping(Procedure*) {}

bool FormInterface::CollectMenuLinkUsage(Menu* menu)
{
    CString text = m_name + "\n";
    bool user = std::ranges::any_of(m_aspFiles, [menu](const AspFile* file)
                                    { return file->IsLinkedFrom(menu); });
    for (const FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr &&
            std::ranges::any_of(data->GetLinkControls(), [menu](const LinkControl* link)
                                { return link->GetTarget() == menu; }))
        {
            text += "\tPresent as Link assigned to a field rep";
            user = true;
        }
    }
    const auto targetsMenu = [menu](const LinkControl* link) { return link->GetTarget() == menu; };
    if (std::ranges::any_of(m_preLinks, targetsMenu))
    {
        text += "\tPresent as pre Link";
        user = true;
    }
    if (std::ranges::any_of(m_postLinks, targetsMenu))
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

bool FormInterface::CollectExtraProcedureVariableUsage(Procedure*, Variable*, CString&)
{
    return false;
}

void FormInterface::CollectVariableMappingUsage(Variable*, CString&) {}

void FormInterface::CollectReportVariableUsage(Variable*, CString&) {}

FieldRepData* FormInterface::FindExtraFieldRepDataUsingField(Field*)
{
    return nullptr;
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

void FormInterface::RemoveProcedureReferences(Procedure* procedure)
{
    EraseAndDeleteIf(m_uniquenessProcedureTables, [procedure](const UniquenessProcedureTable* entry)
                     { return Calls(entry->GetInvocation(), procedure); });
    EraseAndDeleteIf(m_procedureTables, [procedure](const ProcedureTable* entry)
                     { return Calls(entry->GetInvocation(), procedure); });
    RemoveProcedureRecomputes(procedure);
    for (FieldRep* rep : m_fieldReps)
        rep->RemoveProcedureReferences(procedure);
    if (procedure == nullptr)
        return;
    for (Field* aliasField : procedure->GetAliasFields())
        RemoveFieldVariableMapByField(aliasField);
}

CString FormInterface::GetClassName()
{
    return "FormInterface";
}

void FormInterface::RemoveMenuReferences(Menu* menu)
{
    // Also a file that only holds the menu as a leaf of its top or left menu's maps.
    for (AspFile* file : m_aspFiles)
    {
        file->RemoveMenu(menu);
        if (menu != nullptr)
            menu->RemoveAspFile(file);
    }
    for (FieldRep* rep : m_fieldReps)
        rep->RemoveMenuReferences(menu);
    for (LinkControl* link : m_preLinks)
        link->UnlinkMenu(menu);
    for (LinkControl* link : m_postLinks)
        link->UnlinkMenu(menu);
}

void FormInterface::VisitDefaultEventRecmpFields()
{
    for (const FieldRep* rep : m_fieldReps)
        rep->GetDefaultEventRecmpFields();
}

void FormInterface::SyncTableFlags() {}

void FormInterface::RemoveTableReferences(Table* table)
{
    if (table == nullptr)
        return;
    for (Field* field : table->GetFields())
    {
        size_t index = 0;
        while (index < m_fieldReps.size())
        {
            FieldRep* rep = m_fieldReps[index];
            if (rep->UsesField(field))
                rep->RemoveTableReferences(table);
            if (rep->GetField() != nullptr && table->ContainsField(rep->GetField()))
                DeleteFieldRep(rep);
            if (index < m_fieldReps.size() && m_fieldReps[index] == rep)
                ++index;
        }
    }
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

CString FormInterface::NumberedCopyPrefix(int count)
{
    CString prefix;
    prefix.Format("Copy_%d_of_", count);
    return prefix;
}

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

void FormInterface::RecordUsage()
{
    TheProjectDiagnostics().GetCurrentUsageSet().AddFormInterface(this);
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

// Two controls may show one field, which is taken once.
void FormInterface::AdoptLoadedPageFields(CArchive& ar)
{
    for (const FieldRep* fieldRep : m_fieldReps)
    {
        Field* field = fieldRep->GetField();
        if (IsPageOwnedField(field) && std::ranges::find(m_pageFields, field) == m_pageFields.end())
        {
            ar.ClaimObject(field);
            m_pageFields.push_back(field);
        }
    }
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
}

Field* FormInterface::TranslateCopiedField(Field* field)
{
    if (field == nullptr || field->GetTable() != nullptr)
        return field;
    if (const RefField* refField = FindRefFieldByName(field->GetFieldName()))
        return refField->GetField();
    if (const DerivedField* derivedField = FindDerivedFieldByName(field->GetFieldName()))
        return derivedField->GetField();
    if (Field* own = FirstMatch(m_pageFields, [field](const Field* pageField)
                                { return pageField->GetFieldName() == field->GetFieldName(); }))
        return own;
    auto* own = new Field(*field);
    AdoptPageField(own);
    return own;
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
    return FirstMatch(m_aspFiles,
                      [fileKind](const AspFile* file) { return file->GetFileKind() == fileKind; });
}

AspFile* FormInterface::FindAspFileByName(const CString& url) const
{
    return FirstMatch(m_aspFiles, [&url](const AspFile* file)
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
    return FirstMatch(
        m_fieldReps,
        [&name](const FieldRep* rep)
        {
            return rep->GetField() != nullptr && rep->GetField()->GetFieldName() == name &&
                   !(rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->IsAddedBySync());
        });
}

FieldRep* FormInterface::FindFieldRepByFieldNameNoCase(CString name) const
{
    return FirstMatch(m_fieldReps,
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

bool FormInterface::IsNodeUsedByDerivedField(FormulaTreeNode* node) const
{
    return std::ranges::any_of(m_derivedFields, [node](const DerivedField* derivedField)
                               { return derivedField->FormulaContains(node); });
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
    return FirstMatch(m_preLinks, [&caption](const LinkControl* link)
                      { return link->GetCaption().MakeLower() == caption; });
}

LinkControl* FormInterface::FindLinkControl(Menu* target, int alignment) const
{
    const auto matches = [target, alignment](const LinkControl* link)
    { return link->GetTarget() == target && link->GetAlignment() == alignment; };
    if (LinkControl* link = FirstMatch(m_preLinks, matches))
        return link;
    return FirstMatch(m_postLinks, matches);
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
    return FirstMatch(m_uniquenessProcedureTables, [table](const UniquenessProcedureTable* entry)
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
    return FirstMatch(m_procedureTables, [table, kind](const ProcedureTable* entry)
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

std::vector<FieldRepData*> FormInterface::DataCallingFunction(Function* function) const
{
    std::vector<FieldRepData*> found;
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && CallsFunction(data->GetDataCall(), function))
            found.push_back(data);
    }
    return found;
}

FieldRepData* FormInterface::FindFieldRepDataUsingField(Field* field, Procedure* procedure)
{
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (rep->IsFrontOrBackField(field) &&
            (procedure == nullptr || Calls(data->GetDataProcedure(), procedure)))
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

void FormInterface::ClearProcedureFieldFrontBack(Field* field, Procedure* procedure)
{
    for (const FieldRep* rep : m_fieldReps)
    {
        FieldRepData* data = rep->GetFieldRepData();
        if (data != nullptr && Calls(data->GetDataProcedure(), procedure))
            ClearFrontOrBack(data, field);
    }
    if (FindExtraFieldRepDataUsingField(field) != nullptr)
        ClearExtraFrontBackField(field);
    if (IsProcedureRecomputed(procedure))
        RemoveProcedureRecomputes(procedure);
}

void FormInterface::ClearFunctionFieldRefs(Field* field, Function* function)
{
    for (FieldRepData* data : DataCallingFunction(function))
        ClearFrontOrBack(data, field);
    if (FindExtraFieldRepDataUsingField(field) != nullptr)
        ClearExtraFrontBackField(field);
    if (IsFunctionRecomputed(function))
        RemoveFunctionRecomputes(function);
}

bool FormInterface::IsProcedureRecomputed(Procedure* procedure) const
{
    return AnyEventList(m_fieldReps,
                        [procedure](const EventRecmpFields* list)
                        {
                            return std::ranges::any_of(
                                list->GetProcedureRecomputes(),
                                [procedure](const EventProcedureRecompute* recompute)
                                { return Calls(recompute->invokation, procedure); });
                        });
}

void FormInterface::RemoveProcedureRecomputes(Procedure* procedure)
{
    for (EventRecmpFields* list : ConfirmedEventLists(m_fieldReps))
        RemoveProcedureRecomputesIf(*list, [procedure](const EventProcedureRecompute* recompute)
                                    { return Calls(recompute->invokation, procedure); });
}

bool FormInterface::IsFunctionRecomputed(Function* function) const
{
    return AnyEventList(m_fieldReps,
                        [function](const EventRecmpFields* list)
                        {
                            return std::ranges::any_of(
                                list->GetClassRecomputes(),
                                [function](const EventClassRecompute* recompute)
                                { return CallsFunction(recompute->classInvokation, function); });
                        });
}

void FormInterface::RemoveFunctionRecomputes(Function* function)
{
    const auto callsFunction = [function](const EventClassRecompute* recompute)
    { return CallsFunction(recompute->classInvokation, function); };
    for (EventRecmpFields* list : ConfirmedEventLists(m_fieldReps))
    {
        while (const EventClassRecompute* recompute =
                   FirstMatch(list->GetClassRecomputes(), callsFunction))
            list->RemoveClassRecompute(recompute->fieldRep);
    }
}

bool FormInterface::CollectFunctionUsage(Function* function, CString& list)
{
    bool found = false;
    if (!DataCallingFunction(function).empty())
    {
        list += m_name + "\n";
        found = true;
    }
    const bool pageCalls =
        std::ranges::any_of(GetExtraClassCalls(), [function](const ClassInvokation* call)
                            { return CallsFunction(call, function); });
    if (pageCalls)
    {
        list += m_name + "\n";
        found = true;
    }
    if (found)
        RecordUsage();
    return found;
}

void FormInterface::IsFunctionParameterUsed(Function* function, Parameter* parameter)
{
    const auto refersTo = [parameter](const ClassInvokation* call)
    { return call != nullptr && call->HasParameterMapFor(parameter); };
    const std::vector<FieldRepData*> data = DataCallingFunction(function);
    if (std::ranges::any_of(data, [&refersTo](const FieldRepData* item)
                            { return refersTo(item->GetDataCall()); }) ||
        std::ranges::any_of(GetExtraClassCalls(), refersTo))
        RecordUsage();
}

void FormInterface::RemoveFunctionParameterReferences(Function* function, Parameter* parameter)
{
    const std::vector<FieldRepData*> data = DataCallingFunction(function);
    if (!data.empty())
        data.front()->GetDataCall()->RemoveParameterMapsByParameter(parameter);
    RemoveExtraParameterMaps(parameter);
    for (ClassInvokation* call : GetExtraClassCalls())
        call->RemoveParameterMapsByParameter(parameter);
}

void FormInterface::ClearFunctionCalls(Function* function)
{
    for (FieldRepData* data : DataCallingFunction(function))
        data->ClearClassInvokation();
    ClearExtraFunctionCalls(function);
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

void FormInterface::ClearFrontBackField(Field* field)
{
    ClearFrontBackFieldOf(m_fieldReps, field);
    ClearExtraFrontBackField(field);
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

void FormInterface::RemoveVisibilityDataRefs(Procedure* procedure)
{
    for (AspFile* file : m_aspFiles)
        file->RemoveFieldVisibilityByProcedure(procedure);
}

void FormInterface::RemoveVisibilityDataOf(Variable* variable)
{
    for (AspFile* file : m_aspFiles)
        file->RemoveFieldVisibilityByVariable(variable);
}

bool FormInterface::CheckVisibilityDataUse(ProcedureFieldInfo* column) const
{
    return std::ranges::any_of(m_aspFiles, [column](const AspFile* file)
                               { return file->UsesProcedureFieldInVisibility(column); });
}

bool FormInterface::RemoveFieldVisibilities(Field* field)
{
    for (AspFile* file : m_aspFiles)
        file->RemoveFieldVisibility(field);
    return true;
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
    return FirstMatch(m_fieldVariableMaps,
                      [field](const FieldVariableMap* map) { return map->field == field; });
}

FieldVariableMap* FormInterface::FindFieldVariableMapByVariable(Variable* variable) const
{
    return FirstMatch(m_fieldVariableMaps, [variable](const FieldVariableMap* map)
                      { return map->variable == variable; });
}

FieldVariableMap* FormInterface::FindFieldVariableMapByVariableName(const CString& name) const
{
    return FirstMatch(m_fieldVariableMaps,
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
        FirstMatch(m_fieldVariableMaps, [&name](const FieldVariableMap* item)
                   { return item->variable != nullptr && item->variable->GetFieldName() == name; });
    return map == nullptr ? nullptr : map->variable;
}

Field* FormInterface::FindMappedFieldByName(const CString& name) const
{
    const FieldVariableMap* map =
        FirstMatch(m_fieldVariableMaps, [&name](const FieldVariableMap* item)
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
        auto* variable = new Variable;
        variable->SetName(field->GetFieldName());
        variable->SetKind(Variable::pageKind);
        m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
        // The field's control carries the new variable.
        const FieldRep* rep = GetFieldRepForField(field);
        if (rep != nullptr && rep->GetFieldRepData() != nullptr)
            rep->GetFieldRepData()->SetVariable(variable);
    }
    return table->GetFieldCount();
}

void FormInterface::AddVariableForField(Field* field)
{
    if (field == nullptr)
        return;
    auto* variable = new Variable;
    variable->SetName(field->GetFieldName() + "_Var");
    variable->SetKind(Variable::parameterKind);
    m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
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
    FieldVariableMap* map = FirstMatch(m_fieldVariableMaps, [oldText](const FieldVariableMap* item)
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

void FormInterface::CollectVariableUsage(const FieldVariableMap& given, CString& list)
{
    Variable* variable = given.variable;
    const auto usesVariable = [variable](const MenuVariableMap& map)
    { return map.ContainsFileVariable(variable); };
    for (const AspFile* file : m_aspFiles)
    {
        if (std::ranges::any_of(file->GetTopMenuVariableMaps(), usesVariable) ||
            std::ranges::any_of(file->GetLeftMenuVariableMaps(), usesVariable))
            list += file->GetRelativeUrl(FALSE, FALSE) + "\n";
    }
    CollectReportVariableUsage(variable, list);
    CollectVariableMappingUsage(variable, list);
    if (FindFieldVariableMapByVariable(variable) != nullptr)
        RecordUsage();
}

bool FormInterface::CollectProcedureVariableUsage(Procedure* procedure, Variable* variable,
                                                  CString& list)
{
    const bool uses = std::ranges::any_of(
        m_uniquenessProcedureTables,
        [procedure, variable](const UniquenessProcedureTable* entry)
        {
            return Calls(entry->GetInvocation(), procedure) &&
                   entry->GetInvocation()->FindVariablePair(variable) != nullptr;
        });
    if (uses)
        list += m_name + "\n";
    return CollectExtraProcedureVariableUsage(procedure, variable, list);
}

void FormInterface::CheckProcedureMapping(Procedure* procedure)
{
    const UniquenessProcedureTable* entry =
        FirstMatch(m_uniquenessProcedureTables, [procedure](const UniquenessProcedureTable* item)
                   { return Calls(item->GetInvocation(), procedure); });
    if (entry != nullptr)
        CheckInvocationMapping(entry->GetInvocation());
    CheckExtraProcedureMapping(procedure);
}

void FormInterface::CheckInvocationMapping(ProcedureInvokation* invocation)
{
    Procedure* procedure = CalledProcedure(invocation);
    if (procedure == nullptr)
        return;
    for (const VariablePair* pair : invocation->GetVariablePairs())
    {
        if (pair == nullptr || pair->first == nullptr)
            continue;
        Variable* procedureVariable = pair->first;
        Variable* pageVariable = pair->second;
        FieldVariableMap parameter;
        procedure->FindFieldParameterByVariable(parameter, procedureVariable);
        const Field* pageField = GetMappedFieldOfVariable(pageVariable);
        if (parameter.field == nullptr)
            AddWarningOnce("No field mapped with procedure variable" + CString("\n\t ") + m_name +
                           " - in " + procedure->GetName() + "\n\t\t" +
                           procedureVariable->GetFieldName());
        else if (pageVariable != nullptr && pageField == nullptr &&
                 pageVariable->GetKind() != Variable::pageKind &&
                 pageVariable->GetKind() != Variable::sharedKind)
            AddWarningOnce("No field mapped with form variable " + CString("\n\t ") + m_name +
                           " - " + pageVariable->GetFieldName());
        else if (GetKeyFieldOf(parameter.field) == nullptr)
            AddWarningOnce("Field mapped with this variable is not primary field." +
                           CString("\n\t ") + m_name + " - " + procedure->GetName() + "\n\t\t" +
                           procedureVariable->GetFieldName() + " - " +
                           (pageVariable == nullptr ? CString() : pageVariable->GetFieldName()));
    }
}

bool FormInterface::ValidateTableAndReport(const Table* table, ApplicationReport* report,
                                           std::size_t reportVariableMapCount)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    if (table == nullptr)
    {
        diagnostics.AddError("Invalid Form!\n\t" + CString(" - ") + m_name);
        return false;
    }
    Validate();
    if (report == nullptr)
        return true;
    std::vector<Variable*> reportVariables;
    report->GetVariables(reportVariables, false);
    if (reportVariables.size() != reportVariableMapCount)
        diagnostics.AddError("Report variables are not mapped!\n\t" + CString(" - ") + m_name +
                             " - ");
    return true;
}

void FormInterface::Validate()
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    for (const UniquenessProcedureTable* entry : m_uniquenessProcedureTables)
    {
        const ProcedureInvokation* invocation = entry->GetInvocation();
        const Procedure* procedure = CalledProcedure(invocation);
        if (procedure != nullptr &&
            invocation->GetVariablePairs().size() != procedure->GetFieldParameters().size())
            diagnostics.AddError("Uniqueness Procedure variables are not mapped!\n\t" +
                                 CString(" - ") + m_name);
    }
    for (const FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if (data == nullptr || data->GetDataProcedure() == nullptr)
            continue;
        if (data->GetFrontField() == nullptr || data->GetBackField() == nullptr)
            diagnostics.AddError(
                "Field is not having front or back field for the assigned procedure!\n\t" + m_name +
                " - " + (rep->GetField() == nullptr ? CString() : rep->GetField()->GetFieldName()));
    }
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
