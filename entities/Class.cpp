#include "entities/Class.h"

#include "entities/Function.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(Class, CObject, 0)

Class::~Class()
{
    DeleteAll(m_functions);
}

void Class::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        ar.WriteObject(m_table);
        WriteObjectList(ar, m_functions);
        return;
    }
    ar >> m_name;
    m_table = ReadRef<Table>(ar);
    m_functions.clear();
    ReadObjectList(ar, m_functions);
}
