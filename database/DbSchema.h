#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <memory>
#include <vector>

class DbTable;

// One column of a database table as the catalogue gives it.
class DbColumn
{
public:
    DbColumn(DbTable* table, const CString& name, const CString& typeName, int length,
             bool nullable);

    CString GetName() const { return m_name; }
    CString GetTypeName() const { return m_typeName; }
    // The type name is exactly "int identity".
    bool IsIdentity() const { return m_identity != 0; }
    bool IsNullable() const { return m_nullable != 0; }
    int GetLength() const { return m_length; }
    DbTable* GetTable() const { return m_table; }

    // The model's type code of the type name; -1 for a name the model does not know.
    int GetTypeCode() const;

private:
    CString m_name;
    CString m_typeName;
    BYTE m_identity;
    BYTE m_nullable;
    int m_length;
    DbTable* m_table;
};

class DbTrigger
{
public:
    DbTrigger(DbTable* table, const CString& name) : m_table(table), m_name(name) {}

    DbTable* GetTable() const { return m_table; }
    CString GetName() const { return m_name; }

private:
    DbTable* m_table;
    CString m_name;
};

// One database table: its name as the catalogue gives it, its columns in catalogue order and its
// triggers.
class DbTable
{
public:
    explicit DbTable(const CString& name);

    CString GetName() const { return m_name; }
    DbColumn& AddColumn(const CString& name, const CString& typeName, int length, bool nullable);
    void AddTrigger(const CString& name);

    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    // Null for an index out of range.
    DbColumn* GetColumnAt(int index) const;
    // The column whose name equals the name ignoring case, or null.
    DbColumn* FindColumn(const CString& name) const;
    bool HasColumn(const CString& name) const { return FindColumn(name) != nullptr; }
    const std::vector<std::unique_ptr<DbColumn>>& GetColumns() const { return m_columns; }
    const std::vector<std::unique_ptr<DbTrigger>>& GetTriggers() const { return m_triggers; }

private:
    CString m_name;
    std::vector<std::unique_ptr<DbColumn>> m_columns;
    std::vector<std::unique_ptr<DbTrigger>> m_triggers;
};

// The tables of a database read over ODBC, in catalogue order.
class DbSchema
{
public:
    // Takes the table.
    void AddTable(std::unique_ptr<DbTable> table) { m_tables.push_back(std::move(table)); }
    void Clear() { m_tables.clear(); }
    const std::vector<std::unique_ptr<DbTable>>& GetTables() const { return m_tables; }

    // The table of exactly that name, else the first whose name equals it ignoring case; or
    // null.
    DbTable* FindTable(const CString& name) const;

private:
    std::vector<std::unique_ptr<DbTable>> m_tables;
};
