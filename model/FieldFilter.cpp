#include "model/FieldFilter.h"

#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"

IMPLEMENT_SERIAL(FieldFilter, CObject, 0)

namespace
{
int filterCounter = 0;
} // namespace

FieldFilter::FieldFilter() : m_id(++filterCounter) {}

void FieldFilter::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_field);
        ar << m_comparisonKind;
        ar.WriteObject(m_variable);
        return;
    }

    m_field = ReadRef<Field>(ar);
    ar >> m_comparisonKind;
    m_variable = ReadRef<Variable>(ar);
}
