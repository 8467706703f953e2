#include "entities/ClassInvokation.h"

#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Ownership.h"

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
