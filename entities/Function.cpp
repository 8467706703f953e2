#include "entities/Function.h"

#include "entities/Class.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/Table.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>
#include <vector>

IMPLEMENT_SERIAL(Function, CObject, 0)

namespace
{
int lastFunctionId = 0;

bool SameNoCase(const CString& left, const CString& right)
{
    return left.CompareNoCase(right) == 0;
}

const std::vector<CString> recordHandlerNames = {"HandleAdd", "HandleUpdate", "HandleDelete",
                                                 "SelectRecord"};
} // namespace

Function::Function() : m_id(++lastFunctionId) {}

Function::~Function()
{
    DeleteAll(m_parameters);
    DeleteAll(m_outputFields);
    DeleteAll(m_aliasFields);
}

void Function::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        ar.WriteObject(m_class);
        ar.WriteObject(m_table);
        WriteObjectList(ar, m_parameters);
        WriteObjectList(ar, m_outputFields);
        WriteObjectList(ar, m_usedTables);
        ar << m_kind;
        WriteObjectList(ar, m_aliasFields);
        return;
    }
    const int version = ArchiveVersion();
    ar >> m_name;
    m_class = ReadRef<Class>(ar);
    m_table = ReadRef<Table>(ar);
    m_parameters.clear();
    ReadOwnedList(ar, m_parameters);
    m_outputFields.clear();
    ReadOwnedList(ar, m_outputFields);
    m_usedTables.clear();
    ReadObjectList(ar, m_usedTables);
    if (version > 67)
        ar >> m_kind;
    if (version > 72)
        ReadOwnedList(ar, m_aliasFields);
}

bool Function::IsUserFunction() const
{
    if (m_kind == 1)
        return false;
    return std::find(recordHandlerNames.begin(), recordHandlerNames.end(), m_name) ==
           recordHandlerNames.end();
}

Parameter* Function::FindParameterByName(const CString& name) const
{
    return FindFirst(m_parameters, [&name](const Parameter* parameter)
                     { return SameNoCase(parameter->GetFieldName(), name); });
}

Parameter* Function::FindParameterLike(const Parameter* item) const
{
    return item != nullptr ? FindParameterByName(item->GetFieldName()) : nullptr;
}

bool Function::RemoveParameter(Parameter* parameter)
{
    return EraseAndDelete(m_parameters, parameter);
}

void Function::SyncParameters(const std::vector<CString>& names)
{
    std::vector<CString> newNames;
    for (const CString& name : names)
        if (FindParameterByName(name) == nullptr)
            newNames.push_back(name);
    std::vector<Parameter*> staleParameters;
    for (Parameter* parameter : m_parameters)
        if (std::none_of(names.begin(), names.end(),
                         [parameter](const CString& name)
                         { return SameNoCase(parameter->GetFieldName(), name); }))
            staleParameters.push_back(parameter);

    for (const CString& name : newNames)
    {
        auto* parameter = new Parameter;
        parameter->SetName(name);
        m_parameters.push_back(parameter);
    }
    ForgeonProject* project = MainFrameAccess::GetProject();
    for (Parameter* parameter : staleParameters)
    {
        if (project != nullptr)
            project->DeleteFunctionParameter(this, parameter);
        else
            RemoveParameter(parameter);
    }
}

bool Function::UsesTable(const Table* table) const
{
    return std::find(m_usedTables.begin(), m_usedTables.end(), table) != m_usedTables.end();
}

Table* Function::FindTableByName(const CString& name) const
{
    return FindFirst(m_usedTables, [&name](const Table* table)
                     { return SameNoCase(table->GetTableName(), name); });
}

void Function::RemoveTable(Table* table)
{
    const auto found = std::find(m_usedTables.begin(), m_usedTables.end(), table);
    if (found == m_usedTables.end())
        return;
    DeleteOutputFields(
        [table](const ProcedureFieldInfo* outputField) {
            return outputField->GetField() != nullptr &&
                   outputField->GetField()->GetTable() == table;
        });
    m_usedTables.erase(found);
}

bool Function::HasOutputField(const Field* field) const
{
    return FindOutputFieldOf(field) != nullptr;
}

bool Function::HasOutputFieldEntry(const Field* field, int aggregate) const
{
    return std::any_of(m_outputFields.begin(), m_outputFields.end(),
                       [field, aggregate](const ProcedureFieldInfo* outputField) {
                           return outputField->GetField() == field &&
                                  outputField->GetAggregate() == aggregate;
                       });
}

ProcedureFieldInfo* Function::FindOutputFieldOf(const Field* field, int* index) const
{
    const auto found = std::find_if(m_outputFields.begin(), m_outputFields.end(),
                                    [field](const ProcedureFieldInfo* outputField)
                                    { return outputField->GetField() == field; });
    const bool isFound = found != m_outputFields.end();
    if (index != nullptr)
        *index = isFound ? static_cast<int>(found - m_outputFields.begin()) : -1;
    return isFound ? *found : nullptr;
}

ProcedureFieldInfo* Function::GetProcedureFieldInfoAt(int index) const
{
    return ItemAt(m_outputFields, index);
}

bool Function::HasProcedureFieldInfoNamed(const CString& name) const
{
    return FindProcedureFieldInfoByName(name) != nullptr;
}

bool Function::HasProcedureFieldInfoNamedExact(const CString& name) const
{
    return std::any_of(m_outputFields.begin(), m_outputFields.end(),
                       [&name](const ProcedureFieldInfo* outputField)
                       { return outputField->HasDisplayName(name); });
}

ProcedureFieldInfo* Function::FindProcedureFieldInfoByName(const CString& name) const
{
    return FindFirst(m_outputFields, [&name](const ProcedureFieldInfo* outputField)
                     { return SameNoCase(outputField->GetDisplayName(), name); });
}

ProcedureFieldInfo*
Function::FindProcedureFieldInfoLike(const ProcedureFieldInfo* outputField) const
{
    return outputField != nullptr ? FindProcedureFieldInfoByName(outputField->GetDisplayName())
                                  : nullptr;
}

void Function::RemoveProcedureFieldInfo(ProcedureFieldInfo* outputField)
{
    const auto found = std::find(m_outputFields.begin(), m_outputFields.end(), outputField);
    if (outputField == nullptr || found == m_outputFields.end())
        return;
    // The alias goes only once no holder shows the output field.
    Module::ReleaseFreedParts({outputField});
    RemoveAliasField(outputField->GetField());
    m_outputFields.erase(found);
    delete outputField;
}

void Function::RemoveOutputFieldsOf(const Field* field)
{
    DeleteOutputFields([field](const ProcedureFieldInfo* outputField)
                       { return outputField->GetField() == field; });
}

void Function::DeleteOutputFields(const std::function<bool(const ProcedureFieldInfo*)>& going)
{
    std::vector<ProcedureFieldInfo*> freedFields;
    std::erase_if(m_outputFields,
                  [&](ProcedureFieldInfo* outputField)
                  {
                      if (!going(outputField))
                          return false;
                      freedFields.push_back(outputField);
                      return true;
                  });
    if (freedFields.empty())
        return;
    const ReferenceList::Targets freed(freedFields.begin(), freedFields.end());
    // Report columns, group headers and the like may hold them.
    Module::ReleaseThenFree(freed,
                            [freedFields = std::move(freedFields)]
                            {
                                for (ProcedureFieldInfo* outputField : freedFields)
                                    delete outputField;
                            });
}

void Function::RemoveFieldWithReferences(Field* field)
{
    std::set<const Field*> handled;
    // A field the function does not show brought no display field in: the chain stops there.
    for (Field* current = field;
         current != nullptr && HasOutputField(current) && handled.insert(current).second;)
    {
        RemoveOutputFieldsOf(current);
        const Field* foreign = current->IsForeignKey() ? current->GetForeignField() : nullptr;
        const Table* referred = foreign != nullptr ? foreign->GetTable() : nullptr;
        current = referred != nullptr ? referred->GetDisplayField() : nullptr;
    }
}

bool Function::ContainsAliasField(const Field* field) const
{
    return std::find(m_aliasFields.begin(), m_aliasFields.end(), field) != m_aliasFields.end();
}

Field* Function::FindAliasFieldByName(const CString& name) const
{
    return FindFirst(m_aliasFields,
                     [&name](const Field* field) { return field->GetFieldName() == name; });
}

bool Function::RemoveAliasField(Field* field)
{
    return EraseAndDelete(m_aliasFields, field);
}

void Function::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_table);
    for (Table* table : m_usedTables)
        list.Add(table, [this, table] { RemoveTable(table); });
    for (const ProcedureFieldInfo* outputField : m_outputFields)
    {
        Field* field = outputField->GetField();
        list.Add(field, [this, field] { RemoveFieldWithReferences(field); });
    }
}

ReferenceList::Targets Function::FreedWithIt() const
{
    ReferenceList::Targets freed{this};
    freed.insert(m_outputFields.begin(), m_outputFields.end());
    freed.insert(m_parameters.begin(), m_parameters.end());
    return freed;
}
