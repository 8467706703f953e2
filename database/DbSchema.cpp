#include "database/DbSchema.h"

#include "model/Field.h"

namespace
{
CString Lower(const CString& text)
{
    CString lower = text;
    lower.MakeLower();
    return lower;
}

// The names the catalogue gives for the model's types, as they are written there.
struct CatalogueType
{
    const char* name;
    int code;
};

constexpr CatalogueType catalogueTypes[] = {
    {"int identity", FieldTypeInt}, {"int", FieldTypeInt},         {"float", FieldTypeFloat},
    {"char", FieldTypeChar},        {"varchar", FieldTypeVarchar}, {"datetime", FieldTypeDateTime},
};
} // namespace

DbColumn::DbColumn(DbTable* table, const CString& name, const CString& typeName, int length,
                   bool nullable)
    : m_name(name), m_typeName(typeName), m_identity(typeName == "int identity" ? 1 : 0),
      m_nullable(nullable ? 1 : 0), m_length(length), m_table(table)
{
}

int DbColumn::GetTypeCode() const
{
    for (const CatalogueType& type : catalogueTypes)
        if (m_typeName == type.name)
            return type.code;
    return Field::FindTypeCode(m_typeName);
}

DbTable::DbTable(const CString& name) : m_name(name) {}

DbColumn& DbTable::AddColumn(const CString& name, const CString& typeName, int length,
                             bool nullable)
{
    m_columns.push_back(std::make_unique<DbColumn>(this, name, typeName, length, nullable));
    return *m_columns.back();
}

void DbTable::AddTrigger(const CString& name)
{
    m_triggers.push_back(std::make_unique<DbTrigger>(this, name));
}

DbColumn* DbTable::GetColumnAt(int index) const
{
    if (index < 0 || index >= GetColumnCount())
        return nullptr;
    return m_columns[static_cast<std::size_t>(index)].get();
}

DbColumn* DbTable::FindColumn(const CString& name) const
{
    const CString lower = Lower(name);
    for (const std::unique_ptr<DbColumn>& column : m_columns)
        if (Lower(column->GetName()) == lower)
            return column.get();
    return nullptr;
}

DbTable* DbSchema::FindTable(const CString& name) const
{
    DbTable* ignoringCase = nullptr;
    for (const std::unique_ptr<DbTable>& table : m_tables)
    {
        if (table->GetName() == name)
            return table.get();
        if (ignoringCase == nullptr && table->GetName().CompareNoCase(name) == 0)
            ignoringCase = table.get();
    }
    return ignoringCase;
}
