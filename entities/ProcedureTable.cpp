#include "entities/ProcedureTable.h"

#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(ProcedureTable, CObject, 0)

ProcedureTable::ProcedureTable(Table* table, ProcedureInvokation* invocation, int kind)
    : m_table(table), m_invocation(invocation), m_kind(kind)
{
}

ProcedureTable::~ProcedureTable()
{
    delete m_invocation;
}

void ProcedureTable::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_table);
        ar.WriteObject(m_invocation);
        ar << m_kind;
        return;
    }
    m_table = ReadRef<Table>(ar);
    m_invocation = ReadOwned<ProcedureInvokation>(ar);
    ar >> m_kind;
}
