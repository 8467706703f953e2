#include "entities/DateValidation.h"

#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(DateValidation, CObject, 0)

DateValidation::DateValidation(Variable* variable, int comparisonKind,
                               ProcedureInvokation* invokation, ProcedureFieldInfo* resultField)
    : m_variable(variable), m_comparisonKind(comparisonKind), m_procedureInvokation(invokation),
      m_resultField(resultField)
{
}

DateValidation::~DateValidation()
{
    delete m_procedureInvokation;
}

void DateValidation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_variable);
        ar << m_comparisonKind;
        ar.WriteObject(m_procedureInvokation);
        ar.WriteObject(m_resultField);
        return;
    }
    m_variable = ReadRef<Variable>(ar);
    ar >> m_comparisonKind;
    m_procedureInvokation = ReadRef<ProcedureInvokation>(ar);
    m_resultField = ReadRef<ProcedureFieldInfo>(ar);
}
