#include "entities/Variable.h"

#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(Variable, CObject, 0)

Variable::Variable(const Variable* source)
{
    if (source == nullptr)
        return;
    m_name = source->m_name;
    m_kind = source->m_kind;
    m_value = source->m_value;
}

void Variable::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name << m_kind << m_value;
        return;
    }
    int storedKind = 0;
    ar >> m_name >> storedKind;
    m_kind = pageKind;
    if (ArchiveVersion() > 9)
        ar >> m_value;
}
