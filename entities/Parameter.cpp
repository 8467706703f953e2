#include "entities/Parameter.h"

IMPLEMENT_SERIAL(Parameter, CObject, 0)

void Parameter::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_name;
    else
        ar >> m_name;
}
