#include "entities/DependentData.h"

#include "model/ArchiveIO.h"
#include "model/FieldRep.h"

#include <algorithm>

IMPLEMENT_SERIAL(DependentData, CObject, 0)

void DependentData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name << m_kind;
        WriteObjectList(ar, m_controls);
        return;
    }
    ar >> m_name >> m_kind;
    ReadObjectList(ar, m_controls);
}

bool DependentData::ContainsFieldRep(const FieldRep* control) const
{
    return std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end();
}

void DependentData::RemoveFieldRep(const FieldRep* control)
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), control);
    if (found != m_controls.end())
        m_controls.erase(found);
}
