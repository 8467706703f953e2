#include "entities/Function.h"

#include "entities/Class.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Ownership.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(Function, CObject, 0)

namespace
{
int lastFunctionId = 0;
}

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
    ReadObjectList(ar, m_parameters);
    m_outputFields.clear();
    ReadObjectList(ar, m_outputFields);
    m_usedTables.clear();
    ReadObjectList(ar, m_usedTables);
    if (version > 67)
        ar >> m_kind;
    if (version > 72)
        ReadObjectList(ar, m_aliasFields);
}
