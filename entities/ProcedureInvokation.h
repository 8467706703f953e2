#pragma once

#include "model/PairRecords.h"
#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <functional>
#include <vector>

class Field;
class Procedure;
class Variable;
class ReferenceList;
struct FieldVariableMap;

// Maps one variable onto another: in a procedure call the procedure's variable (first) and the
// caller's variable it is given (second). Neither is owned.
struct VariablePair
{
    Variable* first = nullptr;
    Variable* second = nullptr;
};

// The pair lists of calls, multi-page report pages and dashboard placements.
using VariablePairRecords = PairRecords<VariablePair, &VariablePair::first, &VariablePair::second>;

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

    // Null for a bad index.
    VariablePair* GetVariablePairAt(int index) const;
    // The first pair mapping the procedure's variable.
    VariablePair* FindVariablePair(Variable* procedureVariable) const;
    // A pair whose caller variable has the name, case ignored.
    bool HasCallerVariableNamed(const CString& name) const;
    // The procedure's variable that the caller's variable is given to, or null.
    Variable* FindProcedureVariableOf(Variable* callerVariable) const;
    // Puts the pair into the entry, freeing the one there; nothing for a bad index.
    void SetVariablePairAt(int index, VariablePair* pair);
    // Frees the pair and erases its entry; nothing for a bad index.
    void RemoveVariablePairAt(int index);
    // Frees the first pair of the procedure's variable; its entry stays, null.
    void ClearVariablePairOf(Variable* procedureVariable);
    void ClearVariablePairs();
    void ClearFieldVariableMaps();
    // One entry per field parameter of the procedure: null entries are appended, surplus ones
    // at the end freed. Nothing without a procedure.
    void SyncWithProcedure();
    FieldVariableMap* FindFieldVariableMap(Field* field) const;
    FieldVariableMap* FindFieldVariableMapByVariableName(const CString& name) const;
    Variable* FindFieldVariableByName(const CString& name) const;
    // Erase and free a listed map / the first map of the field.
    void RemoveFieldVariableMap(FieldVariableMap* map);
    void RemoveFieldVariableMapOfField(Field* field);

    // The procedure, the pairs (a null entry as two null references), then the field maps,
    // which a load reads after version 49.
    void Serialize(CArchive& ar) override;
    // Lists its procedure, and the procedure's and page's variables its pairs map; each release
    // of a variable leaves the pair's place unmapped.
    void ListReferences(ReferenceList& list);
    // Lists the call held by a holder (nothing for none): the holder lets go of it with its
    // procedure through dropCall, which must not ask the call for its procedure; then the
    // call's own references.
    static void ListHeld(ReferenceList& list, ProcedureInvokation* call,
                         std::function<void()> dropCall);

private:
    VariablePair* FindPairOfCallerVariable(Variable* callerVariable) const;

    Procedure* m_procedure = nullptr;
    std::vector<VariablePair*> m_variablePairs;
    std::vector<FieldVariableMap*> m_fieldVariableMaps;
};
