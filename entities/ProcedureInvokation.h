#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

#include <vector>

class Procedure;
class Variable;
struct FieldVariableMap;

// Maps one variable onto another: in a procedure call the procedure's variable (first) and the
// caller's variable it is given (second). Neither is owned.
struct VariablePair
{
    Variable* first = nullptr;
    Variable* second = nullptr;
};

// A call of a procedure by a page, report, control or link. It owns its variable pairs and
// field maps, never the procedure.
class ProcedureInvokation : public CObject
{
    DECLARE_SERIAL(ProcedureInvokation)

public:
    // No procedure, empty lists.
    ProcedureInvokation() = default;
    // The source's procedure (none when the source is null); the lists start empty.
    explicit ProcedureInvokation(const ProcedureInvokation* source);
    ProcedureInvokation(const ProcedureInvokation&) = delete;
    ProcedureInvokation& operator=(const ProcedureInvokation&) = delete;
    ~ProcedureInvokation() override;

    Procedure* GetProcedure() const { return m_procedure; }
    void SetProcedure(Procedure* procedure) { m_procedure = procedure; }

    // One entry per field parameter of the procedure; an entry is null while unmapped.
    const std::vector<VariablePair*>& GetVariablePairs() const { return m_variablePairs; }
    // The invocation takes ownership; null is allowed.
    void AddVariablePair(VariablePair* pair) { m_variablePairs.push_back(pair); }
    const std::vector<FieldVariableMap*>& GetFieldVariableMaps() const
    {
        return m_fieldVariableMaps;
    }
    // The invocation takes ownership.
    void AddFieldVariableMap(FieldVariableMap* map) { m_fieldVariableMaps.push_back(map); }

    // The procedure, the pairs (a null entry as two null references), then the field maps,
    // which a load reads after version 49.
    void Serialize(CArchive& ar) override;

private:
    Procedure* m_procedure = nullptr;
    std::vector<VariablePair*> m_variablePairs;
    std::vector<FieldVariableMap*> m_fieldVariableMaps;
};
