#include "entities/DateValidation.h"

#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/FieldFilter.h"

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
    m_procedureInvokation = ReadOwned<ProcedureInvokation>(ar);
    m_resultField = ReadRef<ProcedureFieldInfo>(ar);
}

CString DateValidation::GetOperatorText() const
{
    return ComparisonOperatorText(m_comparisonKind);
}

Procedure* DateValidation::GetProcedure() const
{
    return m_procedureInvokation != nullptr ? m_procedureInvokation->GetProcedure() : nullptr;
}

void DateValidation::RemoveProcedureInvokation()
{
    delete m_procedureInvokation;
    m_procedureInvokation = nullptr;
    m_resultField = nullptr;
}

bool DateValidation::IsVariableRule(const Variable* variable, int comparisonKind) const
{
    return m_comparisonKind == comparisonKind && m_variable == variable;
}

bool DateValidation::IsFieldRule(const ProcedureFieldInfo* resultField, int comparisonKind) const
{
    return m_comparisonKind == comparisonKind && m_resultField == resultField;
}
