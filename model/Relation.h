#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class Field;
class Table;

// A join between two tables of a procedure; it owns neither the tables nor the join fields.
class Relation : public CObject
{
    DECLARE_SERIAL(Relation)

public:
    Relation() = default;

    Table* GetFirstTable() const { return m_firstTable; }
    void SetFirstTable(Table* table) { m_firstTable = table; }
    Table* GetSecondTable() const { return m_secondTable; }
    void SetSecondTable(Table* table) { m_secondTable = table; }

    const std::vector<Field*>& GetJoinFields() const { return m_joinFields; }
    void AddJoinField(Field* field) { m_joinFields.push_back(field); }
    void ClearJoinFields() { m_joinFields.clear(); }
    // Null when the index is out of range.
    Field* GetFieldAt(int index) const;
    // A join field has the argument's id.
    bool ContainsField(const Field* field) const;

    // The table is the first or the second table.
    bool InvolvesTable(const Table* table) const;
    // The first table is first and the second is second.
    bool Joins(const Table* first, const Table* second) const;
    // The name of the first join field in the table's field list; empty when none.
    CString GetFieldNameInTable(const Table* table) const;
    // "first.field AND second.field", each part only when its table is set.
    CString GetDescription() const;
    // "referenced.key=referencing.foreignkey" along the foreign key from either table to the
    // other, each name as quote gives it (as it is without one); empty when neither refers to
    // the other.
    CString GetJoinCondition(CString (*quote)(const CString& name) = nullptr) const;

    void Serialize(CArchive& ar) override;

private:
    Table* m_firstTable = nullptr;
    Table* m_secondTable = nullptr;
    std::vector<Field*> m_joinFields;
};
