#pragma once

#include "platform/core/CString.h"
#include "platform/core/Collections.h"

#include <functional>

class CDatabase;

// Constraint names and the tables that own them, in parallel; a pair is held once.
struct ConstraintList
{
    // Ignores a constraint already held for the same table (names compared ignoring case).
    void Add(const CString& name, const CString& table);
    bool Contains(const CString& name, const CString& table) const;
    bool IsEmpty() const { return names.IsEmpty(); }

    CStringArray names;
    CStringArray tables;
};

// The constraints the alter script drops, as the database holds them.
class ConstraintQueries
{
public:
    virtual ~ConstraintQueries() = default;

    // The table's own default and foreign-key constraints, which the script re-creates.
    virtual void FindOfChangedTable(const CString& table, ConstraintList& out) = 0;
    // The table's own constraints and the foreign keys of other tables that refer to it.
    virtual void FindOfDroppedTable(const CString& table, ConstraintList& out) = 0;
    // The table's constraints named after the column; for the key column also the foreign keys
    // that refer to the table.
    virtual void FindOfDroppedColumn(const CString& table, const CString& column, bool keyColumn,
                                     ConstraintList& out) = 0;
};

// The constraint queries on the sysobjects catalogue of an open connection. Names reach the
// query texts with their quotes doubled and, in patterns, "\", "%", "_" and "[" escaped; a
// statement that fails adds nothing, nor does a name with control characters.
class SysObjectsConstraints : public ConstraintQueries
{
public:
    explicit SysObjectsConstraints(const CDatabase& database) : m_database(database) {}

    void FindOfChangedTable(const CString& table, ConstraintList& out) override;
    void FindOfDroppedTable(const CString& table, ConstraintList& out) override;
    void FindOfDroppedColumn(const CString& table, const CString& column, bool keyColumn,
                             ConstraintList& out) override;

private:
    // The table's own objects that meet the condition.
    void FindOwn(const CString& table, const CString& condition, ConstraintList& out);
    // The foreign keys of the tables (the table itself when selfToo) named as the scripts name
    // a foreign key to the table: "FK_" owner "_" table, with "_" and a number when repeated.
    void FindReferring(const CString& table, bool selfToo, ConstraintList& out);
    void Run(const CString& where, ConstraintList& out,
             const std::function<bool(const CString& name, const CString& owner)>& keep);

    const CDatabase& m_database;
};
