#pragma once

#include "platform/core/CObject.h"

class CArchive;
class ProcedureFieldInfo;
class ProcedureInvokation;
class Variable;

// One comparison rule of a control's validation data: a page variable compared (kind 0 to 5:
// "=", "<=", ">=", "!=", "<", ">") with an output column of an invoked procedure.
class DateValidation : public CObject
{
    DECLARE_SERIAL(DateValidation)

public:
    // Everything zero.
    DateValidation() = default;
    // Takes ownership of the invocation.
    DateValidation(Variable* variable, int comparisonKind, ProcedureInvokation* invokation,
                   ProcedureFieldInfo* resultField);
    DateValidation(const DateValidation&) = delete;
    DateValidation& operator=(const DateValidation&) = delete;
    // Deletes the invocation.
    ~DateValidation() override;

    // Variable, comparison kind, invocation, result field; no version gates.
    void Serialize(CArchive& ar) override;

    Variable* GetVariable() const { return m_variable; }
    int GetComparisonKind() const { return m_comparisonKind; }
    ProcedureInvokation* GetProcedureInvokation() const { return m_procedureInvokation; }
    ProcedureFieldInfo* GetResultField() const { return m_resultField; }

private:
    Variable* m_variable = nullptr;
    int m_comparisonKind = 0;
    ProcedureInvokation* m_procedureInvokation = nullptr;
    ProcedureFieldInfo* m_resultField = nullptr;
};
