#include "database/SqlText.h"

#include "entities/Designation.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/Table.h"
#include "model/TextFile.h"

#include "platform/core/TextBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

bool IsQuotedSqlType(int typeCode)
{
    switch (typeCode)
    {
    case FieldTypeChar:
    case FieldTypeVarchar:
    case FieldTypeDateTime:
    case FieldTypeText:
    case FieldTypeNChar:
    case FieldTypeNVarchar:
    case FieldTypeNText:
        return true;
    default:
        return false;
    }
}

CString QuotedSqlText(const CString& text)
{
    CString quoted = text;
    quoted.Replace("'", "''");
    return quoted;
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

namespace
{
// Digits after an optional sign, with a fraction when allowed, an exponent when allowed; nothing
// else, no blank.
bool IsDecimalNumber(std::string_view text, bool fraction, bool exponent)
{
    std::size_t i = 0;
    const auto digits = [&]
    {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (fraction && i < text.size() && text[i] == '.')
    {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (exponent && i < text.size() && (text[i] == 'e' || text[i] == 'E'))
    {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

bool IsIntegerWithin(const std::string& text, long long lowest, long long highest)
{
    if (!IsDecimalNumber(text, /*fraction=*/false, /*exponent=*/false))
        return false;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    return errno != ERANGE && value >= lowest && value <= highest;
}
} // namespace

bool IsBareSqlNumberType(int typeCode)
{
    switch (typeCode)
    {
    case FieldTypeInt:
    case FieldTypeBigInt:
    case FieldTypeFloat:
    case FieldTypeDecimal:
    case FieldTypeMoney:
        return true;
    default:
        return false;
    }
}

CString RefuseNumberOfType(int typeCode, const CString& value)
{
    const std::string text = value.str();
    switch (typeCode)
    {
    case FieldTypeInt:
        return IsIntegerWithin(text, INT32_MIN, INT32_MAX) ? "" : "it is no whole number of int";
    case FieldTypeBigInt:
        return IsIntegerWithin(text, INT64_MIN, INT64_MAX) ? "" : "it is no whole number of bigint";
    case FieldTypeFloat:
        return IsDecimalNumber(text, /*fraction=*/true, /*exponent=*/true) ? "" : "it is no number";
    case FieldTypeDecimal:
    case FieldTypeMoney:
        return IsDecimalNumber(text, /*fraction=*/true, /*exponent=*/false)
                   ? ""
                   : "it is no decimal number";
    default:
        return "a column of this type takes no number";
    }
}

CString RefuseBareDefault(const Field& field)
{
    const CString value = TrimmedDefault(field);
    if (value.IsEmpty() || IsQuotedSqlType(field.GetTypeCode()))
        return "";
    if (!IsBareSqlNumberType(field.GetTypeCode()))
        return "a column of this type takes no default value";
    return RefuseNumberOfType(field.GetTypeCode(), value);
}

CString RefuseScriptDefault(const Field& field)
{
    const CString reason = RefuseBareDefault(field);
    if (reason.IsEmpty())
        return "";
    const Table* table = field.GetTable();
    return "the default value " + QuotedName(TrimmedDefault(field)) + " of field " +
           QuotedName(field.GetFieldName()) + " of table " +
           QuotedName(table != nullptr ? table->GetTableName() : CString()) +
           " is not written: " + reason + "; correct it in the table designer";
}

bool RefuseScriptOverDefaults(const Table& table, TextFile& script, const CString& path,
                              GenerationReport& report)
{
    bool refused = false;
    for (const Field* field : FieldsWithDefaults(table))
    {
        const CString refusal = RefuseScriptDefault(*field);
        if (refusal.IsEmpty())
            continue;
        if (script.IsOpen())
            report.DropFile(script);
        report.AddUnwrittenFile(path, refusal);
        refused = true;
    }
    return refused;
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
