#include "model/ValidationData.h"

#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(ValidationData, CObject, 0)

ValidationData::~ValidationData()
{
    DeleteAll(m_comparisonRules);
    DeleteAll(m_dependentGroups);
}

void ValidationData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        WriteObjectList(ar, m_comparisonRules);
        WriteObjectList(ar, m_dependentGroups);
        return;
    }

    if (ArchiveVersion() > 52)
    {
        ReadObjectList(ar, m_comparisonRules);
        ReadObjectList(ar, m_dependentGroups);
    }
    else
    {
        ReadSingleRule(ar);
    }
}

void ValidationData::ReadSingleRule(CArchive& ar)
{
    Variable* variable = ReadRef<Variable>(ar);
    int comparisonKind = 0;
    ar >> comparisonKind;
    auto* invokation = ReadRef<ProcedureInvokation>(ar);
    auto* resultField = ReadRef<ProcedureFieldInfo>(ar);
    if (variable != nullptr)
        m_comparisonRules.push_back(
            new DateValidation(variable, comparisonKind, invokation, resultField));
    else
        delete invokation;
}
