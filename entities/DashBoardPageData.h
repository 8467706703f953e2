#pragma once

#include "platform/core/CObject.h"

#include <vector>

class CArchive;
class ClassInvokation;
class DashBoard;
class Procedure;
class ProcedureInvokation;
class Variable;
struct DashBoardVariableMap;
struct VariablePair;

// One dashboard placed on a dashboard page, with the data binding of this placement: its own
// procedure or class-function call, variable pairs, and maps whose targets are variables of the
// dashboard.
class DashBoardPageData : public CObject
{
    DECLARE_SERIAL(DashBoardPageData)

public:
    // Everything null and empty.
    DashBoardPageData() = default;
    // A new placement of the dashboard.
    explicit DashBoardPageData(DashBoard* dashBoard) : m_dashBoard(dashBoard) {}
    DashBoardPageData(const DashBoardPageData&) = delete;
    DashBoardPageData& operator=(const DashBoardPageData&) = delete;
    // Deletes both invocations, the pairs and the maps.
    ~DashBoardPageData() override;

    // Dashboard, procedure invocation, pairs, maps (source field, target, source variable),
    // class invocation (after version 78).
    void Serialize(CArchive& ar) override;

    // With null deletes the procedure invocation; with a procedure only when the invocation
    // calls it. The pointer is then null.
    virtual void RemoveProcedureInvokation(const Procedure* procedure);

    DashBoard* GetDashBoard() const { return m_dashBoard; }
    // The procedure the invocation calls, or null.
    Procedure* GetProcedure() const;

    ProcedureInvokation* GetProcedureInvokation() const { return m_procedureInvokation; }
    // Takes the invocation; the previous one is not deleted.
    void SetProcedureInvokation(ProcedureInvokation* invokation)
    {
        m_procedureInvokation = invokation;
    }
    ClassInvokation* GetClassInvokation() const { return m_classInvokation; }
    // Deletes the class invocation; the pointer is then null.
    void RemoveClassInvokation();
    // Takes the invocation; the previous one is not deleted.
    void SetClassInvokation(ClassInvokation* invokation) { m_classInvokation = invokation; }

    const std::vector<VariablePair*>& GetVariablePairs() const { return m_variablePairs; }
    // Takes the pair.
    void AddVariablePair(VariablePair* pair) { m_variablePairs.push_back(pair); }
    // The first pair of the first variable, or null.
    VariablePair* FindVariablePair(const Variable* first) const;
    // Erases and deletes the pair; nothing when it is not in the list.
    void RemoveVariablePair(VariablePair* pair);
    const std::vector<DashBoardVariableMap*>& GetVariableMaps() const { return m_variableMaps; }
    // Takes the map.
    void AddVariableMap(DashBoardVariableMap* map) { m_variableMaps.push_back(map); }
    // Erases and deletes the map; nothing for an index out of range.
    void RemoveVariableMapAt(int index);
    // The first map of the target variable, or null.
    DashBoardVariableMap* FindVariableMap(const Variable* target) const;

private:
    DashBoard* m_dashBoard = nullptr;
    ProcedureInvokation* m_procedureInvokation = nullptr;
    ClassInvokation* m_classInvokation = nullptr;
    std::vector<VariablePair*> m_variablePairs;
    std::vector<DashBoardVariableMap*> m_variableMaps;
};
