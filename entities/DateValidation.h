#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CArchive;
class Procedure;
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

    // "=", "<=", ">=", "!=", "<", ">" for kinds 0 to 5; empty otherwise.
    CString GetOperatorText() const;
    // The procedure of the invocation, or null.
    Procedure* GetProcedure() const;
    // Deletes the invocation and clears it and the result field.
    void RemoveProcedureInvokation();
    // The rule compares that variable with that kind.
    bool IsVariableRule(const Variable* variable, int comparisonKind) const;
    // The rule compares with that result field with that kind.
    bool IsFieldRule(const ProcedureFieldInfo* resultField, int comparisonKind) const;

private:
    Variable* m_variable = nullptr;
    int m_comparisonKind = 0;
    ProcedureInvokation* m_procedureInvokation = nullptr;
    ProcedureFieldInfo* m_resultField = nullptr;
};
