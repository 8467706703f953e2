#include "entities/ProcedureFieldInfo.h"

#include "model/ArchiveIO.h"
#include "model/Field.h"

IMPLEMENT_SERIAL(ProcedureFieldInfo, CObject, 0)

ProcedureFieldInfo::ProcedureFieldInfo(Field* field, int aggregate)
    : m_field(field), m_aggregate(aggregate)
{
}

void ProcedureFieldInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_field);
        ar << m_aggregate << m_text;
        return;
    }
    m_field = ReadRef<Field>(ar);
    ar >> m_aggregate >> m_text;
}
