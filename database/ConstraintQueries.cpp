#include "database/ConstraintQueries.h"

#include "database/SqlText.h"
#include "model/NameUtilities.h"
#include "platform/odbc/CDatabase.h"

#include <algorithm>
#include <cctype>

namespace
{
constexpr const char* selectNameAndOwner =
    "SELECT name, (SELECT name FROM sysobjects s1 WHERE id = s2.parent_obj AND type = 'U') "
    "FROM dbo.sysobjects s2 WHERE ";

bool StartsWithNoCase(const CString& text, const CString& prefix)
{
    return text.Left(prefix.GetLength()).CompareNoCase(prefix) == 0;
}

bool IsNumber(const CString& text)
{
    const std::string_view digits(text.GetString(), static_cast<std::size_t>(text.GetLength()));
    return !digits.empty() &&
           std::ranges::all_of(digits, [](char ch) { return std::isdigit(ch) != 0; });
}

// The name is the one the scripts give a foreign key of owner to table.
bool IsForeignKeyNameTo(const CString& name, const CString& owner, const CString& table)
{
    const CString stem = "FK_" + owner + "_" + table;
    if (name.CompareNoCase(stem) == 0)
        return true;
    return StartsWithNoCase(name, stem + "_") && IsNumber(name.Mid(stem.GetLength() + 1));
}

// The text for a LIKE pattern with ESCAPE '\': "\", "%", "_" and "[" stand for themselves.
CString LikeEscaped(const CString& text)
{
    CString escaped;
    for (int index = 0; index < text.GetLength(); ++index)
    {
        const char ch = text[index];
        if (ch == '\\' || ch == '%' || ch == '_' || ch == '[')
            escaped += '\\';
        escaped += ch;
    }
    return escaped;
}
} // namespace

bool ConstraintList::Contains(const CString& name, const CString& table) const
{
    for (int index = 0; index < names.GetSize(); ++index)
        if (names[index].CompareNoCase(name) == 0 && tables[index].CompareNoCase(table) == 0)
            return true;
    return false;
}

void ConstraintList::Add(const CString& name, const CString& table)
{
    if (Contains(name, table))
        return;
    names.Add(name);
    tables.Add(table);
}

void SysObjectsConstraints::FindOfChangedTable(const CString& table, ConstraintList& out)
{
    FindOwn(table, "type IN ('D', 'F')", out);
}

void SysObjectsConstraints::FindOfDroppedTable(const CString& table, ConstraintList& out)
{
    FindOwn(table, "type <> 'TR'", out);
    FindReferring(table, false, out);
}

void SysObjectsConstraints::FindOfDroppedColumn(const CString& table, const CString& column,
                                                bool keyColumn, ConstraintList& out)
{
    FindOwn(table,
            "name LIKE '%\\_" + QuotedSqlText(LikeEscaped(table)) + "\\_" +
                QuotedSqlText(LikeEscaped(column)) + "' ESCAPE '\\'",
            out);
    if (keyColumn)
        FindReferring(table, true, out);
}

void SysObjectsConstraints::FindOwn(const CString& table, const CString& condition,
                                    ConstraintList& out)
{
    Run("parent_obj = (SELECT id FROM sysobjects WHERE name = '" + QuotedSqlText(table) +
            "' AND type = 'U') AND " + condition,
        out, [](const CString&, const CString&) { return true; });
}

void SysObjectsConstraints::FindReferring(const CString& table, bool selfToo, ConstraintList& out)
{
    Run("type = 'F' AND name LIKE 'FK\\_%\\_" + QuotedSqlText(LikeEscaped(table)) +
            "%' ESCAPE '\\'",
        out,
        [&table, selfToo](const CString& name, const CString& owner) {
            return (selfToo || owner.CompareNoCase(table) != 0) &&
                   IsForeignKeyNameTo(name, owner, table);
        });
}

// Rows without an owning table are left out: no statement could drop them; and so are rows whose
// names hold control characters, which would cut the script's lines.
void SysObjectsConstraints::Run(
    const CString& where, ConstraintList& out,
    const std::function<bool(const CString& name, const CString& owner)>& keep)
{
    for (const auto& row : QueryTextRows(m_database, selectNameAndOwner + where, 2))
        if (row[0] && row[1] && !HasControlCharacters(*row[0]) && !HasControlCharacters(*row[1]) &&
            keep(*row[0], *row[1]))
            out.Add(*row[0], *row[1]);
}
