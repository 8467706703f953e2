#include "gen_web/DataClassText.h"

#include "entities/Class.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Table.h"

namespace
{
// The column in the select list: a date converted to mm/dd/yyyy under its own name. The owner
// is a table's quoted name or an alias.
CString SelectedColumn(const CString& owner, const CString& name, bool isDate)
{
    const CString column = SqlServerName(name);
    if (isDate)
        return "CONVERT(varchar(10), " + owner + "." + column + ", 101) AS " + column + ", ";
    return owner + "." + column + ", ";
}

CString WithoutLastSeparator(const CString& list)
{
    return list.Left(list.GetLength() - 2);
}
} // namespace

CString InsertColumnList(const Table& table)
{
    CString list;
    for (const Field* field : table.GetFields())
    {
        if (field->IsKey())
            continue;
        if (!list.IsEmpty())
            list += ",";
        list += SqlServerName(field->GetFieldName());
    }
    return list;
}

CString InsertValueList(const Table& table)
{
    const Field* key = table.GetPrimaryKeyField();
    CString list;
    for (const Field* field : table.GetFields())
    {
        if (field == key)
            continue;
        if (!list.IsEmpty())
            list += ",";
        list += "\"+ " + MemberName(*field) + " + \"";
    }
    return list;
}

CString UpdateSetList(const Table& table, const CString& newPasswordColumn)
{
    CString list;
    for (const Field* field : table.GetFields())
    {
        if (field->IsKeyOrDeletedFlag())
            continue;
        const CString member =
            field->GetFieldName() == newPasswordColumn && !newPasswordColumn.IsEmpty()
                ? CString("m_newPassword")
                : MemberName(*field);
        if (!list.IsEmpty())
            list += ",";
        list += SqlServerName(field->GetFieldName()) + " = \"+ " + member + " +\"";
    }
    return list;
}

CString JoinedSelect(const ForgeonProject& project, Table& table)
{
    const Class* dataClass = project.GetClassForTable(&table, false);
    if (dataClass == nullptr || dataClass->FindFunctionByName("SelectAllRecords") == nullptr)
        return CString();
    const CString name = SqlServerName(table.GetTableName());
    CString select = "SELECT ";
    CString from = " FROM " + name;
    int aliasCount = 0;
    for (const Field* field : table.GetFields())
    {
        const bool isDate = field->GetTypeCode() == FieldTypeDateTime;
        select += SelectedColumn(name, field->GetFieldName(), isDate);
        const Field* referenced = field->GetForeignField();
        const Table* referencedTable = referenced != nullptr ? referenced->GetTable() : nullptr;
        if (!field->IsForeignKey() || referencedTable == nullptr)
            continue;
        const Field* display = referencedTable->GetFrontField() != nullptr
                                   ? referencedTable->GetFrontField()
                                   : referencedTable->GetDefaultFrontField();
        CString alias;
        alias.Format("tbl%d", aliasCount++);
        if (display != nullptr)
            select += SelectedColumn(alias, display->GetFieldName(), isDate);
        from += field->IsAllowNull() ? " LEFT OUTER JOIN " : " INNER JOIN ";
        from += SqlServerName(referencedTable->GetTableName()) + " " + alias + " ON" + " " + name +
                "." + SqlServerName(field->GetFieldName()) + " = " + alias + "." +
                SqlServerName(referenced->GetFieldName());
    }
    return WithoutLastSeparator(select) + from;
}

CString SingleTableSelectList(const Table& table)
{
    if (!table.HasDateTimeField())
        return "SELECT *";
    CString select = "SELECT ";
    for (const Field* field : table.GetFields())
        select += SelectedColumn(SqlServerName(table.GetTableName()), field->GetFieldName(),
                                 field->GetTypeCode() == FieldTypeDateTime);
    return WithoutLastSeparator(select);
}

CString GetDataClassName(const ForgeonProject& project, const Table& table)
{
    // Without the create flag the lookup leaves the table as it is.
    const Class* dataClass = project.GetClassForTable(const_cast<Table*>(&table), false);
    return CSharpIdentifier(dataClass != nullptr ? dataClass->GetFieldName()
                                                 : "_" + table.GetTableName());
}

CString MemberName(const Field& field)
{
    return "m_" + CSharpIdentifierPart(field.GetFieldName());
}

CString LocalName(const Field& field)
{
    return CSharpIdentifier(field.GetFieldName());
}
