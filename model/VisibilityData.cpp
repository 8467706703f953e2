#include "model/VisibilityData.h"

#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(VisibilityData, CObject, 0)

VisibilityData::~VisibilityData()
{
    delete m_dataProcedure;
    DeleteAll(m_values);
}

void VisibilityData::SetDataProcedure(ProcedureInvokation* invokation)
{
    ReplaceOwned(m_dataProcedure, invokation);
}

void VisibilityData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_dataProcedure);
        ar.WriteObject(m_resultField);
        ar.WriteObject(m_variable);
        ar << static_cast<int>(m_values.size());
        for (const VisibilityValue* value : m_values)
            ar << value->layoutStatus << value->value << value->relation;
        ar << m_reserved;
        return;
    }

    const int version = ArchiveVersion();
    m_dataProcedure = ReadRef<ProcedureInvokation>(ar);
    m_resultField = ReadRef<ProcedureFieldInfo>(ar);
    m_variable = ReadRef<Variable>(ar);
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        auto* value = new VisibilityValue;
        m_values.push_back(value);
        ar >> value->layoutStatus >> value->value;
        if (version > 56)
            ar >> value->relation;
    }
    if (version > 54)
    {
        int reserved = 0;
        ar >> reserved;
    }
}
