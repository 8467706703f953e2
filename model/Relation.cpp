#include "model/Relation.h"

#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(Relation, CObject, 0)

namespace
{
using Quote = CString (*)(const CString& name);

CString Quoted(const CString& name, Quote quote)
{
    return quote != nullptr ? quote(name) : name;
}

// "table.field" of a field; the table part is empty when the field has no table.
CString QualifiedName(const Field& field, Quote quote)
{
    const Table* table = field.GetTable();
    return (table != nullptr ? Quoted(table->GetTableName(), quote) : CString()) + "." +
           Quoted(field.GetFieldName(), quote);
}

// "referenced.key=referencing.foreignkey" when referencing has a foreign key to referenced.
CString ForeignKeyCondition(const Table* referencing, const Table* referenced, Quote quote)
{
    if (referencing == nullptr || referenced == nullptr ||
        !referencing->HasForeignKeyTo(referenced))
        return CString();
    const Field* foreignKey = referencing->FindForeignKeyFieldTo(referenced);
    const Field* key = foreignKey->GetForeignField();
    return (key != nullptr ? QualifiedName(*key, quote) : CString()) + "=" +
           QualifiedName(*foreignKey, quote);
}

CString TablePart(const Relation& relation, const Table* table)
{
    return table->GetTableName() + "." + relation.GetFieldNameInTable(table);
}
} // namespace

Field* Relation::GetFieldAt(int index) const
{
    return ItemAt(m_joinFields, index);
}

bool Relation::ContainsField(const Field* field) const
{
    return field != nullptr &&
           std::any_of(m_joinFields.begin(), m_joinFields.end(),
                       [field](const Field* joinField)
                       { return joinField != nullptr && joinField->GetId() == field->GetId(); });
}

bool Relation::InvolvesTable(const Table* table) const
{
    return m_firstTable == table || m_secondTable == table;
}

bool Relation::Joins(const Table* first, const Table* second) const
{
    return m_firstTable == first && m_secondTable == second;
}

CString Relation::GetFieldNameInTable(const Table* table) const
{
    for (const Field* field : m_joinFields)
        if (table->ContainsField(field))
            return field->GetFieldName();
    return CString();
}

CString Relation::GetDescription() const
{
    CString text;
    if (m_firstTable != nullptr)
        text += TablePart(*this, m_firstTable);
    if (m_secondTable != nullptr)
        text += " AND " + TablePart(*this, m_secondTable);
    return text;
}

CString Relation::GetJoinCondition(Quote quote) const
{
    CString text = ForeignKeyCondition(m_secondTable, m_firstTable, quote);
    if (text.IsEmpty())
        text = ForeignKeyCondition(m_firstTable, m_secondTable, quote);
    return text;
}

void Relation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_firstTable);
        ar.WriteObject(m_secondTable);
        WriteObjectList(ar, m_joinFields);
        return;
    }
    m_firstTable = ReadRef<Table>(ar);
    m_secondTable = ReadRef<Table>(ar);
    ReadObjectList(ar, m_joinFields);
}
