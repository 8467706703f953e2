#include "entities/ProcedureFieldInfo.h"

#include "model/ArchiveIO.h"
#include "model/Field.h"

IMPLEMENT_SERIAL(ProcedureFieldInfo, CObject, 0)

ProcedureFieldInfo::ProcedureFieldInfo(Field* field, int aggregate)
    : m_field(field), m_aggregate(aggregate)
{
}

CString ProcedureFieldInfo::GetAggregateName() const
{
    static const char* const names[] = {"Count", "Sum", "Min", "Max", "Average", "Percentage"};
    if (m_aggregate < countAggregate || m_aggregate > percentageAggregate)
        return "None";
    return names[m_aggregate];
}

void ProcedureFieldInfo::GetDisplayName(CString& out) const
{
    out = m_field != nullptr ? WithAggregate(m_field->GetFieldName(), "_") : CString();
}

CString ProcedureFieldInfo::GetDisplayName() const
{
    CString name;
    GetDisplayName(name);
    return name;
}

void ProcedureFieldInfo::GetCaption(CString& out) const
{
    out = m_field != nullptr ? WithAggregate(m_field->GetDisplayName(), " ") : CString();
}

CString ProcedureFieldInfo::WithAggregate(const CString& name, const char* separator) const
{
    return m_aggregate == noAggregate ? name : name + separator + GetAggregateName();
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
