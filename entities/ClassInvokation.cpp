#include "entities/ClassInvokation.h"

#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(ClassInvokation, CObject, 0)

ClassInvokation::ClassInvokation(const ClassInvokation* source)
{
    if (source == nullptr)
        return;
    m_class = source->m_class;
    m_function = source->m_function;
    for (const ClassParameterMap* map : source->m_parameterMaps)
        m_parameterMaps.push_back(new ClassParameterMap(*map));
}

ClassInvokation::~ClassInvokation()
{
    m_class = nullptr;
    m_function = nullptr;
    DeleteParameterMaps();
}

void ClassInvokation::SetFunction(Class* invokedClass, Function* function)
{
    if (function == m_function)
        return;
    DeleteParameterMaps();
    m_class = invokedClass;
    m_function = function;
}

void ClassInvokation::AddParameterMap(Parameter* parameter, Field* field)
{
    m_parameterMaps.push_back(new ClassParameterMap(parameter, field));
}

ClassParameterMap* ClassInvokation::FindParameterMapByName(const CString& name) const
{
    const auto found =
        std::find_if(m_parameterMaps.begin(), m_parameterMaps.end(),
                     [&name](const ClassParameterMap* map)
                     {
                         return map->m_parameter != nullptr &&
                                map->m_parameter->GetFieldName().CompareNoCase(name) == 0;
                     });
    return found != m_parameterMaps.end() ? *found : nullptr;
}

ClassParameterMap* ClassInvokation::FindParameterMapByField(const Field* field) const
{
    const auto found =
        std::find_if(m_parameterMaps.begin(), m_parameterMaps.end(),
                     [field](const ClassParameterMap* map) { return map->m_field == field; });
    return found != m_parameterMaps.end() ? *found : nullptr;
}

void ClassInvokation::RemoveParameterMap(ClassParameterMap* map)
{
    EraseAndDelete(m_parameterMaps, map);
}

void ClassInvokation::RemoveParameterMapsByField(const Field* field)
{
    DeleteMatching(m_parameterMaps,
                   [field](const ClassParameterMap* map) { return map->m_field == field; });
}

bool ClassInvokation::HasParameterMapFor(const Parameter* parameter) const
{
    return std::any_of(m_parameterMaps.begin(), m_parameterMaps.end(),
                       [parameter](const ClassParameterMap* map)
                       { return map->m_parameter == parameter; });
}

void ClassInvokation::RemoveParameterMapsByParameter(const Parameter* parameter)
{
    DeleteMatching(m_parameterMaps, [parameter](const ClassParameterMap* map)
                   { return map->m_parameter == parameter; });
}

bool ClassInvokation::UsesTable(const Table* table) const
{
    if (table == nullptr)
        return false;
    return (m_class != nullptr && m_class->GetTable() == table) ||
           (m_function != nullptr && m_function->UsesTable(table));
}

bool ClassInvokation::IsOnTable(const Table* table) const
{
    return (m_class != nullptr && m_class->GetTable() == table) ||
           (m_function != nullptr && m_function->GetTable() == table);
}

void ClassInvokation::ListTablesOn(const ClassInvokation* call, std::vector<const Table*>& tables)
{
    if (call == nullptr)
        return;
    if (call->m_class != nullptr)
        tables.push_back(call->m_class->GetTable());
    if (call->m_function != nullptr)
        tables.push_back(call->m_function->GetTable());
}

void ClassInvokation::DeleteParameterMaps()
{
    DeleteAll(m_parameterMaps);
}

void ClassInvokation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_class);
        ar.WriteObject(m_function);
        ar << static_cast<int>(m_parameterMaps.size());
        for (const ClassParameterMap* map : m_parameterMaps)
        {
            ar.WriteObject(map->m_field);
            ar.WriteObject(map->m_parameter);
        }
        return;
    }
    m_class = ReadRef<Class>(ar);
    m_function = ReadRef<Function>(ar);
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        Field* field = ReadRef<Field>(ar);
        AddParameterMap(ReadRef<Parameter>(ar), field);
    }
}

void ClassInvokation::ListReferences(ReferenceList& list, ClassInvokation*& slot)
{
    ListHeld(list, slot,
             [&slot]
             {
                 delete slot;
                 slot = nullptr;
             });
}

void ClassInvokation::ListTablesHeld(ReferenceList& list, const ClassInvokation* call,
                                     const std::function<void()>& dropCall)
{
    if (call == nullptr)
        return;
    if (call->m_class != nullptr)
        list.Add(call->m_class->GetTable(), dropCall);
    if (call->m_function == nullptr)
        return;
    list.Add(call->m_function->GetTable(), dropCall);
    // A table the function only joins leaves the function, which stays callable.
    for (const Table* table : call->m_function->GetUsedTables())
    {
        if (table != call->m_function->GetTable())
            list.AddUse(table);
    }
}

void ClassInvokation::ListHeld(ReferenceList& list, ClassInvokation* call,
                               const std::function<void()>& dropCall)
{
    if (call == nullptr)
        return;
    list.Add(call->m_class, dropCall);
    list.Add(call->m_function, dropCall);
    ListParameterMaps(list, call);
}

void ClassInvokation::ListParameterMaps(ReferenceList& list, ClassInvokation* call)
{
    if (call == nullptr)
        return;
    for (ClassParameterMap* map : call->m_parameterMaps)
        list.Add(map->m_parameter, [call, map] { call->RemoveParameterMap(map); });
}
