#pragma once

#include "platform/core/CObject.h"

#include <vector>

class DateValidation;
class DependentData;
class ProcedureFieldInfo;
class Variable;

// The validation rules of a control: comparison rules and dependent groups.
class ValidationData : public CObject
{
    DECLARE_SERIAL(ValidationData)

public:
    ValidationData() = default;
    ValidationData(const ValidationData&) = delete;
    ValidationData& operator=(const ValidationData&) = delete;
    // Deletes every rule and every group.
    ~ValidationData() override;

    // The two lists; files before version 53 hold a single comparison rule instead.
    void Serialize(CArchive& ar) override;

    const std::vector<DateValidation*>& GetDateValidations() const { return m_comparisonRules; }
    // Appends and takes ownership.
    void AddDateValidation(DateValidation* rule) { m_comparisonRules.push_back(rule); }
    const std::vector<DependentData*>& GetDependentData() const { return m_dependentGroups; }
    // Appends and takes ownership.
    void AddDependentData(DependentData* group) { m_dependentGroups.push_back(group); }

    // Null for an index out of range.
    DateValidation* GetDateValidationAt(int index) const;
    // Some rule compares the variable with that comparison kind.
    bool HasVariableRule(Variable* variable, int comparisonKind) const;
    // Some rule uses the procedure result field with that comparison kind.
    bool HasFieldRule(ProcedureFieldInfo* resultField, int comparisonKind) const;
    // Takes the rule out and deletes it; nothing when absent.
    void RemoveDateValidation(DateValidation* rule);

private:
    void ReadSingleRule(CArchive& ar);

    std::vector<DateValidation*> m_comparisonRules;
    std::vector<DependentData*> m_dependentGroups;
};
