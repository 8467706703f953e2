#include "model/FieldFilter.h"

#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"

IMPLEMENT_SERIAL(FieldFilter, CObject, 0)

#include <array>

namespace
{
int filterCounter = 0;

constexpr std::array<const char*, 6> comparisonTexts = {"=", "<=", ">=", "!=", "<", ">"};
} // namespace

FieldFilter::FieldFilter() : m_id(++filterCounter) {}

CString ComparisonOperatorText(int kind)
{
    if (kind < 0 || kind >= static_cast<int>(comparisonTexts.size()))
        return CString();
    return comparisonTexts[static_cast<std::size_t>(kind)];
}

CString FieldFilter::GetOperatorText() const
{
    return ComparisonOperatorText(m_comparisonKind);
}

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
