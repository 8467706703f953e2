#pragma once

#include "tests/gen_classic/WrittenPages.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What a classic page does with the values a request brings: a variable read from the request
// that stands in SQL text must go through SingleQuoteToDouble there, or be checked as a number
// right after each read. Names are compared as VBScript compares them, without case.

namespace sql_value_scan
{
inline std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

inline bool IsNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

inline std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0)
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0)
        text.remove_suffix(1);
    return text;
}

// The server-side lines of a page: the text of its <% %> blocks (not the output blocks),
// a statement continued with " _" joined into one line.
inline std::vector<std::string> ServerStatements(const std::string& page)
{
    std::vector<std::string> statements;
    std::string pending;
    ForEachServerBlock(
        page,
        [&](std::size_t open, std::size_t close)
        {
            if (page.compare(open + 2, 1, "=") == 0 || page.compare(open + 2, 1, "@") == 0)
                return;
            std::string_view block(page.data() + open + 2, close - open - 2);
            while (!block.empty())
            {
                const std::size_t end = block.find('\n');
                const std::string_view line = Trimmed(block.substr(0, end));
                block.remove_prefix(end == std::string_view::npos ? block.size() : end + 1);
                if (line.ends_with(" _") || line.ends_with("&_"))
                {
                    pending.append(line.substr(0, line.size() - 1)).append(" ");
                    continue;
                }
                statements.push_back(pending + std::string(line));
                pending.clear();
            }
        });
    return statements;
}

// The variable a statement assigns ("name = ..."), or "".
inline std::string AssignedName(std::string_view statement)
{
    std::size_t at = 0;
    while (at < statement.size() && IsNameCharacter(statement[at]))
        ++at;
    const std::string_view rest = Trimmed(statement.substr(at));
    if (at == 0 || !rest.starts_with('=') || rest.starts_with("=="))
        return {};
    return Lower(statement.substr(0, at));
}

inline bool ReadsRequest(std::string_view statement)
{
    const std::string lower = Lower(statement);
    return lower.find("request(") != std::string::npos ||
           lower.find("request.") != std::string::npos;
}

// "if ... not (isNumeric(v) and InStr(v, ",") = 0) then v = ..." for the variable.
inline bool ChecksNumber(std::string_view statement, const std::string& variable)
{
    const std::string lower = Lower(statement);
    return lower.starts_with("if ") &&
           lower.find("not (isnumeric(" + variable + ") and instr(" + variable + ", \",\") = 0)") !=
               std::string::npos &&
           lower.find(" then " + variable + " =") != std::string::npos;
}

// The part of a statement that builds SQL text: the value assigned to a variable named str +
// Qry, List, Param or SQL, or what follows the Open of a record set or a connection's Execute;
// else "".
inline std::string SqlExpression(const std::string& statement)
{
    const std::string assigned = AssignedName(statement);
    for (const char* prefix : {"strqry", "strlist", "strparam", "strsql"})
        if (assigned.starts_with(prefix))
            return statement.substr(statement.find('=') + 1);
    const std::string lower = Lower(statement);
    for (const char* run : {".open ", ".execute(", ".execute "})
        if (const std::size_t at = lower.find(run); at != std::string::npos)
            return statement.substr(at + std::string_view(run).size());
    return {};
}

// The names that stand bare in the expression: outside string literals and outside every
// argument of SingleQuoteToDouble.
inline std::vector<std::string> BareNames(std::string_view expression)
{
    std::vector<std::string> names;
    std::vector<bool> escaped{false};
    for (std::size_t at = 0; at < expression.size();)
    {
        const char c = expression[at];
        if (c == '"')
        {
            const std::size_t end = expression.find('"', at + 1);
            at = end == std::string_view::npos ? expression.size() : end + 1;
        }
        else if (IsNameCharacter(c))
        {
            std::size_t end = at;
            while (end < expression.size() && IsNameCharacter(expression[end]))
                ++end;
            const std::string name = Lower(expression.substr(at, end - at));
            if (end < expression.size() && expression[end] == '(')
            {
                escaped.push_back(escaped.back() || name == "singlequotetodouble");
                ++end;
            }
            else if (!escaped.back())
                names.push_back(name);
            at = end;
        }
        else
        {
            if (c == '(')
                escaped.push_back(escaped.back());
            else if (c == ')' && escaped.size() > 1)
                escaped.pop_back();
            ++at;
        }
    }
    return names;
}

// The variables that a request fills and that stand bare in SQL text without a number check
// after one of their reads; each with the statement that uses it.
inline std::vector<std::string> UncheckedSqlValues(const std::string& page)
{
    const std::vector<std::string> statements = ServerStatements(page);
    std::set<std::string> unchecked;
    for (std::size_t i = 0; i < statements.size(); ++i)
    {
        const std::string assigned = AssignedName(statements[i]);
        if (assigned.empty() || !ReadsRequest(statements[i]))
            continue;
        if (i + 1 == statements.size() || !ChecksNumber(statements[i + 1], assigned))
            unchecked.insert(assigned);
    }
    std::vector<std::string> found;
    for (std::size_t i = 0; i < statements.size(); ++i)
    {
        const std::string& statement = statements[i];
        for (const std::string& name : BareNames(SqlExpression(statement)))
        {
            // The checks that stand right before the statement.
            bool checked = false;
            for (std::size_t before = i; before > 0 && !checked; --before)
            {
                const std::string lower = Lower(statements[before - 1]);
                if (!lower.starts_with("if ") || lower.find("isnumeric(") == std::string::npos)
                    break;
                checked = ChecksNumber(lower, name);
            }
            if (unchecked.contains(name) && !checked)
                found.push_back(name + ": " + statement);
        }
    }
    return found;
}
} // namespace sql_value_scan
