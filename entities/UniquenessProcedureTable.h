#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

#include <vector>

class Field;
class ProcedureInvokation;
class Table;

// The uniqueness-check procedure call of one table of a page, with the fields it checks. The
// invocation is owned; the table and the fields are not.
class UniquenessProcedureTable : public CObject
{
    DECLARE_SERIAL(UniquenessProcedureTable)

public:
    UniquenessProcedureTable() = default;
    UniquenessProcedureTable(Table* table, ProcedureInvokation* invocation);
    UniquenessProcedureTable(const UniquenessProcedureTable&) = delete;
    UniquenessProcedureTable& operator=(const UniquenessProcedureTable&) = delete;
    ~UniquenessProcedureTable() override;

    Table* GetTable() const { return m_table; }
    ProcedureInvokation* GetInvocation() const { return m_invocation; }
    const std::vector<Field*>& GetFields() const { return m_fields; }
    void AddField(Field* field) { m_fields.push_back(field); }
    // Null for a negative or too large index.
    Field* GetFieldAt(int index) const;

    // Table, invocation, fields; no version gate.
    void Serialize(CArchive& ar) override;

private:
    Table* m_table = nullptr;
    ProcedureInvokation* m_invocation = nullptr;
    std::vector<Field*> m_fields;
};
