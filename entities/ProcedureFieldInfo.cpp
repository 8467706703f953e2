#include "entities/ProcedureFieldInfo.h"

#include "model/ArchiveIO.h"
#include "model/Field.h"

#include <cstddef>
#include <string_view>

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

bool ProcedureFieldInfo::HasDisplayName(const CString& name) const
{
    if (m_field == nullptr)
        return name.IsEmpty();
    const std::string_view whole(name.GetString(), static_cast<std::size_t>(name.GetLength()));
    const CString& fieldName = m_field->GetFieldName();
    const std::string_view field(fieldName.GetString(),
                                 static_cast<std::size_t>(fieldName.GetLength()));
    if (m_aggregate == noAggregate)
        return whole == field;
    const CString aggregateName = GetAggregateName();
    const std::string_view aggregate(aggregateName.GetString(),
                                     static_cast<std::size_t>(aggregateName.GetLength()));
    return whole.size() == field.size() + 1 + aggregate.size() && whole.starts_with(field) &&
           whole[field.size()] == '_' && whole.ends_with(aggregate);
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
