#include "entities/UniquenessProcedureTable.h"

#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(UniquenessProcedureTable, CObject, 0)

UniquenessProcedureTable::UniquenessProcedureTable(Table* table, ProcedureInvokation* invocation)
    : m_table(table), m_invocation(invocation)
{
}

UniquenessProcedureTable::~UniquenessProcedureTable()
{
    delete m_invocation;
}

Field* UniquenessProcedureTable::GetFieldAt(int index) const
{
    return ItemAt(m_fields, index);
}

void UniquenessProcedureTable::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_table);
        ar.WriteObject(m_invocation);
        WriteObjectList(ar, m_fields);
        return;
    }
    m_table = ReadRef<Table>(ar);
    m_invocation = ReadOwned<ProcedureInvokation>(ar);
    ReadObjectList(ar, m_fields);
}
