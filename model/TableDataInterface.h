#pragma once

class Table;

// The base that binds a data-entry page to its table; the table is not owned.
class TableDataInterface
{
public:
    TableDataInterface() = default;
    virtual ~TableDataInterface() = default;

    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }

protected:
    Table* m_table = nullptr;
};
