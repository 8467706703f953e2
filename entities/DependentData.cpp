#include "entities/DependentData.h"

#include "model/ArchiveIO.h"
#include "model/FieldRep.h"

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
