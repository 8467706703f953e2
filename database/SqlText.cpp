#include "database/SqlText.h"

#include "entities/Designation.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include "platform/core/TextBytes.h"

#include <algorithm>
#include <string>

CString QuotedSqlText(const CString& text)
{
    CString quoted = text;
    quoted.Replace("'", "''");
    return quoted;
}

CString SqlServerName(const CString& name)
{
    CString quoted = name;
    quoted.Replace("]", "]]");
    return "[" + quoted + "]";
}

CString PgSqlName(const CString& name)
{
    std::string folded = name.str();
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    CString quoted(folded);
    quoted.Replace("\"", "\"\"");
    return "\"" + quoted + "\"";
}

CString SqlCommentName(const CString& name)
{
    CString shown(PrintableBytes(name.str()));
    shown.Replace("*/", "* /");
    return shown;
}

CString ForeignKeyNameSuffix(const Table& table, const Field& field)
{
    const int earlier =
        table.CountFieldsReferencing(table.IndexOfField(&field), field.GetForeignField());
    if (earlier == 0)
        return CString();
    CString suffix;
    suffix.Format("_%d", earlier);
    return suffix;
}

std::vector<const Field*> ForeignKeysOf(const Table& table)
{
    std::vector<const Field*> keys;
    for (const Field* field : table.GetFields())
    {
        const Field* referenced = field->GetForeignField();
        if (field->IsForeignKey() && referenced != nullptr && referenced->GetTable() != nullptr)
            keys.push_back(field);
    }
    return keys;
}

bool RefersToItself(const Table& table)
{
    const std::vector<const Field*> keys = ForeignKeysOf(table);
    return std::ranges::any_of(keys, [&table](const Field* field)
                               { return field->GetForeignField()->GetTable() == &table; });
}

std::vector<const Field*> FieldsWithDefaults(const Table& table)
{
    std::vector<const Field*> fields;
    for (const Field* field : table.GetFields())
        if (!TrimmedDefault(*field).IsEmpty())
            fields.push_back(field);
    return fields;
}

CString TrimmedDefault(const Field& field)
{
    CString value = field.GetDefaultValue();
    value.Trim();
    return value;
}

std::vector<ScriptRole> ScriptRoles(const ForgeonProject& project)
{
    std::vector<ScriptRole> roles;
    const Module* base = project.GetBaseModule();
    if (base == nullptr || base->FindMasterTableByNameExact(roleTableName) == nullptr)
        return roles;
    for (const Designation* role : base->GetDesignations())
        roles.push_back(
            {role->GetId(), QuotedSqlText(role->GetName()), role->IsActive() ? "N" : "Y"});
    return roles;
}

bool HasAccountTables(const ForgeonProject& project)
{
    const Module* base = project.GetBaseModule();
    return base != nullptr && base->FindMasterTableByNameExact(roleTableName) != nullptr &&
           base->FindMasterTableByNameExact(userAccountTableName) != nullptr;
}

const Field* UniqueUserNameField(const ForgeonProject& project)
{
    if (!HasAccountTables(project))
        return nullptr;
    const Table* accounts =
        project.GetBaseModule()->FindMasterTableByNameExact(userAccountTableName);
    const Field* name = accounts->FindFieldByName("username");
    if (name == nullptr || accounts->FindFieldByName(Field::deletedFlagName) == nullptr)
        return nullptr;
    switch (name->GetTypeCode())
    {
    case FieldTypeChar:
    case FieldTypeVarchar:
        return name->GetSize() > 0 && name->GetSize() <= 900 ? name : nullptr;
    case FieldTypeNChar:
    case FieldTypeNVarchar:
        return name->GetSize() > 0 && name->GetSize() <= 450 ? name : nullptr;
    default:
        return nullptr;
    }
}
