#include "gen_web/DataClassText.h"

#include "entities/Class.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Table.h"

namespace
{
// The column in the select list: a date converted to mm/dd/yyyy under its own name.
CString SelectedColumn(const CString& owner, const CString& column, bool isDate)
{
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
        list += field->GetFieldName();
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
        list += "\"+ m_" + field->GetFieldName() + " + \"";
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
                ? CString("newPassword")
                : field->GetFieldName();
        if (!list.IsEmpty())
            list += ",";
        list += field->GetFieldName() + " = \"+ m_" + member + " +\"";
    }
    return list;
}

CString JoinedSelect(const ForgeonProject& project, Table& table)
{
    const Class* dataClass = project.GetClassForTable(&table, false);
    if (dataClass == nullptr || dataClass->FindFunctionByName("SelectAllRecords") == nullptr)
        return CString();
    const CString name = table.GetTableName();
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
        from += referencedTable->GetTableName() + " " + alias + " ON" + " " + name + "." +
                field->GetFieldName() + " = " + alias + "." + referenced->GetFieldName();
    }
    return WithoutLastSeparator(select) + from;
}

CString SingleTableSelectList(const Table& table)
{
    if (!table.HasDateTimeField())
        return "SELECT *";
    CString select = "SELECT ";
    for (const Field* field : table.GetFields())
        select += SelectedColumn(table.GetTableName(), field->GetFieldName(),
                                 field->GetTypeCode() == FieldTypeDateTime);
    return WithoutLastSeparator(select);
}

CString GetDataClassName(const ForgeonProject& project, const Table& table)
{
    // Without the create flag the lookup leaves the table as it is.
    const Class* dataClass = project.GetClassForTable(const_cast<Table*>(&table), false);
    return dataClass != nullptr ? dataClass->GetFieldName() : "_" + table.GetTableName();
}
