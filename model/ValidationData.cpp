#include "model/ValidationData.h"

#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"

#include <algorithm>

IMPLEMENT_SERIAL(ValidationData, CObject, 0)

ValidationData::~ValidationData()
{
    DeleteAll(m_comparisonRules);
    DeleteAll(m_dependentGroups);
}

DateValidation* ValidationData::GetDateValidationAt(int index) const
{
    return ItemAt(m_comparisonRules, index);
}

bool ValidationData::HasVariableRule(Variable* variable, int comparisonKind) const
{
    return std::any_of(m_comparisonRules.begin(), m_comparisonRules.end(),
                       [variable, comparisonKind](const DateValidation* rule) {
                           return rule != nullptr && rule->IsVariableRule(variable, comparisonKind);
                       });
}

bool ValidationData::HasFieldRule(ProcedureFieldInfo* resultField, int comparisonKind) const
{
    return std::any_of(m_comparisonRules.begin(), m_comparisonRules.end(),
                       [resultField, comparisonKind](const DateValidation* rule) {
                           return rule != nullptr && rule->IsFieldRule(resultField, comparisonKind);
                       });
}

void ValidationData::RemoveDateValidation(DateValidation* rule)
{
    EraseAndDelete(m_comparisonRules, rule);
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
        ReadOwnedList(ar, m_comparisonRules);
        ReadOwnedList(ar, m_dependentGroups);
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
    if (variable == nullptr)
        return DropOwned(ar, invokation);
    ar.ClaimObject(invokation);
    m_comparisonRules.push_back(
        new DateValidation(variable, comparisonKind, invokation, resultField));
}
