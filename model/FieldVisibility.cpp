#include "model/FieldVisibility.h"

#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Ownership.h"
#include "model/VisibilityData.h"

IMPLEMENT_SERIAL(FieldVisibility, CObject, 0)

FieldVisibility::~FieldVisibility()
{
    delete m_visibilityData;
}

void FieldVisibility::SetVisibilityData(VisibilityData* data)
{
    ReplaceOwned(m_visibilityData, data);
}

CString FieldVisibility::GetVisibilityName() const
{
    switch (m_visibilityKind)
    {
    case ReadOnly:
        return "ReadOnly";
    case Invisible:
        return "Invisible";
    case DependsOnData:
        return "Visibility depends on Data";
    default:
        return "Editable";
    }
}

void FieldVisibility::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_field);
        ar.WriteObject(m_visibilityData);
        ar << m_visibilityKind;
        return;
    }

    m_field = ReadRef<Field>(ar);
    m_visibilityData = ReadOwned<VisibilityData>(ar);
    ar >> m_visibilityKind;
}
