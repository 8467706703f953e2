#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

class ProcedureInvokation;
class Table;

// A procedure call bound to one table of a page. The invocation is owned, the table is not.
class ProcedureTable : public CObject
{
    DECLARE_SERIAL(ProcedureTable)

public:
    static constexpr int recordUpdateKind = 1;
    static constexpr int recordDeleteKind = 2;
    static constexpr int controlDefaultValueKind = 3;

    ProcedureTable() = default;
    ProcedureTable(Table* table, ProcedureInvokation* invocation, int kind);
    ProcedureTable(const ProcedureTable&) = delete;
    ProcedureTable& operator=(const ProcedureTable&) = delete;
    ~ProcedureTable() override;

    Table* GetTable() const { return m_table; }
    ProcedureInvokation* GetInvocation() const { return m_invocation; }
    int GetKind() const { return m_kind; }

    // Table, invocation, kind; no version gate.
    void Serialize(CArchive& ar) override;

private:
    Table* m_table = nullptr;
    ProcedureInvokation* m_invocation = nullptr;
    int m_kind = 0;
};
