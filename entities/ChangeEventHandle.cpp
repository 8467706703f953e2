#include "entities/ChangeEventHandle.h"

#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(ChangeEventHandle, CObject, 0)

ChangeEventHandle::~ChangeEventHandle()
{
    delete m_procedureInvokation;
}

void ChangeEventHandle::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteObject(m_procedureInvokation);
    else
        m_procedureInvokation = ReadOwned<ProcedureInvokation>(ar);
}

Procedure* ChangeEventHandle::GetProcedure() const
{
    return m_procedureInvokation != nullptr ? m_procedureInvokation->GetProcedure() : nullptr;
}
