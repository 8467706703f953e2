#include "gen_classic/PageCheck.h"

#include "model/GenerationReport.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace
{
// The lines of a text by position, counted from where the last question stood, so that
// asking in the order of the text reads it once.
class LineCounter
{
public:
    explicit LineCounter(const std::string& text) : m_text(text) {}

    int LineAt(std::size_t position)
    {
        if (position < m_position)
        {
            m_position = 0;
            m_line = 1;
        }
        m_line += static_cast<int>(
            std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_position),
                       m_text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
        m_position = position;
        return m_line;
    }

private:
    const std::string& m_text;
    std::size_t m_position = 0;
    int m_line = 1;
};

// One word, string or sign of a VBScript line, a view of the line; strings keep their quotes.
struct Token
{
    std::string_view text;
    bool word = false;
};

// The character classes of VBScript's ASCII syntax, without the locale.
bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsWordCharacter(char c)
{
    const char lower = LowerAscii(c);
    return (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The token is a word that is the keyword (given in lower case) in any case.
bool Is(const Token& token, std::string_view keyword)
{
    return token.word && token.text.size() == keyword.size() &&
           std::equal(token.text.begin(), token.text.end(), keyword.begin(),
                      [](char c, char k) { return LowerAscii(c) == k; });
}

// The tokens of one logical line (continuations joined) in place of those before; a string left
// open is a problem.
void Tokenise(std::string_view line, std::vector<Token>& tokens, bool& openString)
{
    tokens.clear();
    openString = false;
    for (std::size_t i = 0; i < line.size();)
    {
        const char c = line[i];
        if (IsBlank(c))
        {
            ++i;
            continue;
        }
        if (c == '\'')
            return;
        if (c == '"')
        {
            std::size_t end = i + 1;
            for (;; ++end)
            {
                if (end >= line.size())
                {
                    openString = true;
                    return;
                }
                if (line[end] == '"')
                {
                    if (end + 1 < line.size() && line[end + 1] == '"')
                    {
                        ++end;
                        continue;
                    }
                    break;
                }
            }
            tokens.push_back({line.substr(i, end + 1 - i), false});
            i = end + 1;
            continue;
        }
        if (IsWordCharacter(c))
        {
            std::size_t end = i;
            while (end < line.size() && IsWordCharacter(line[end]))
                ++end;
            const Token word{line.substr(i, end - i), true};
            if (tokens.empty() && Is(word, "rem"))
                return;
            tokens.push_back(word);
            i = end;
            continue;
        }
        tokens.push_back({line.substr(i, 1), false});
        ++i;
    }
}

// Calls take(line, number) for each logical line of the islands of the kind: physical lines
// joined where one ends in " _".
template <class Take>
void ForEachLogicalLine(const std::vector<PageIsland>& islands, char kind, const Take& take)
{
    std::string pending;
    for (const PageIsland& island : islands)
    {
        if (island.kind != kind)
            continue;
        const std::string_view text = island.text;
        int line = island.line;
        int start = line;
        for (std::size_t from = 0; from < text.size(); ++line)
        {
            std::size_t to = text.find('\n', from);
            if (to == std::string_view::npos)
                to = text.size();
            std::string_view physical = text.substr(from, to - from);
            from = to + 1;
            if (physical.ends_with('\r'))
                physical.remove_suffix(1);
            if (pending.empty())
                start = line;
            std::string_view trimmed = physical;
            while (!trimmed.empty() && IsBlank(trimmed.back()))
                trimmed.remove_suffix(1);
            if (trimmed.size() >= 2 && trimmed.back() == '_' &&
                IsBlank(trimmed[trimmed.size() - 2]))
            {
                pending.append(trimmed.substr(0, trimmed.size() - 1)).append(" ");
                continue;
            }
            if (pending.empty())
                take(physical, start);
            else
            {
                pending.append(physical);
                take(std::string_view(pending), start);
                pending.clear();
            }
        }
        if (!pending.empty())
        {
            take(std::string_view(pending), start);
            pending.clear();
        }
    }
}

class BlockChecker
{
public:
    explicit BlockChecker(std::vector<std::string>& problems) : m_problems(problems) {}

    void Line(const std::vector<Token>& tokens, int line)
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i <= tokens.size(); ++i)
        {
            if (i < tokens.size() && tokens[i].text != ":")
                continue;
            const std::span<const Token> statement(tokens.data() + start, i - start);
            start = i + 1;
            if (Statement(statement, line))
                return;
        }
    }

    void Finish()
    {
        for (const auto& [block, line] : m_open)
            m_problems.push_back("line " + std::to_string(line) + ": " + block +
                                 " is never closed");
    }

private:
    // True when the statement took the rest of the line (a one-line If).
    bool Statement(std::span<const Token> statement, int line)
    {
        if (statement.empty())
            return false;
        const std::size_t first = Is(statement[0], "public") || Is(statement[0], "private") ? 1 : 0;
        if (first >= statement.size())
            return false;
        const Token& head = statement[first];
        const Token none;
        const Token& next = first + 1 < statement.size() ? statement[first + 1] : none;
        if (Is(head, "if"))
        {
            const auto then = std::find_if(statement.begin(), statement.end(),
                                           [](const Token& token) { return Is(token, "then"); });
            if (then == statement.end())
                Problem(line, "If without Then");
            else if (then + 1 == statement.end())
                m_open.emplace_back("If", line);
            return true;
        }
        if (Is(head, "elseif") || Is(head, "else"))
            Expect("If", Is(head, "else") ? "Else" : "ElseIf", line, false);
        else if (Is(head, "end"))
            Close(next, line);
        else if (Is(head, "for"))
            m_open.emplace_back("For", line);
        else if (Is(head, "next"))
            Expect("For", "Next", line, true);
        else if (Is(head, "while"))
            m_open.emplace_back("While", line);
        else if (Is(head, "wend"))
            Expect("While", "Wend", line, true);
        else if (Is(head, "do"))
            m_open.emplace_back("Do", line);
        else if (Is(head, "loop"))
            Expect("Do", "Loop", line, true);
        else if (Is(head, "sub") || Is(head, "function"))
            m_open.emplace_back(Is(head, "sub") ? "Sub" : "Function", line);
        else if (Is(head, "select") && Is(next, "case"))
            m_open.emplace_back("Select", line);
        else if (Is(head, "case"))
            Expect("Select", "Case", line, false);
        else if (Is(head, "with"))
            m_open.emplace_back("With", line);
        return false;
    }

    void Close(const Token& what, int line)
    {
        static const std::pair<const char*, const char*> closers[] = {{"if", "If"},
                                                                      {"sub", "Sub"},
                                                                      {"function", "Function"},
                                                                      {"select", "Select"},
                                                                      {"with", "With"}};
        for (const auto& [word, block] : closers)
        {
            if (Is(what, word))
            {
                Expect(block, std::string("End ") + block, line, true);
                return;
            }
        }
        if (what.text.empty())
            return;
        std::string shown(what.text);
        if (what.word)
            std::ranges::transform(shown, shown.begin(), LowerAscii);
        Problem(line, "End " + shown + " closes nothing known");
    }

    void Expect(const std::string& block, const std::string& statement, int line, bool pop)
    {
        if (m_open.empty() || m_open.back().first != block)
        {
            Problem(line,
                    statement + " outside " + block +
                        (m_open.empty() ? std::string()
                                        : " (innermost open block: " + m_open.back().first + ")"));
            return;
        }
        if (pop)
            m_open.pop_back();
    }

    void Problem(int line, const std::string& text)
    {
        m_problems.push_back("line " + std::to_string(line) + ": " + text);
    }

    std::vector<std::string>& m_problems;
    std::vector<std::pair<std::string, int>> m_open;
};
} // namespace

std::vector<PageIsland> SplitPage(const std::string& page, std::vector<std::string>& problems)
{
    std::vector<PageIsland> islands;
    LineCounter lines(page);
    std::size_t position = 0;
    for (;;)
    {
        const std::size_t open = page.find("<%", position);
        const std::size_t strayClose = page.find("%>", position);
        if (strayClose != std::string::npos && (open == std::string::npos || strayClose < open))
            problems.push_back("line " + std::to_string(lines.LineAt(strayClose)) +
                               ": %> without <%");
        if (open == std::string::npos)
            break;
        const std::size_t close = page.find("%>", open + 2);
        if (close == std::string::npos)
        {
            problems.push_back("line " + std::to_string(lines.LineAt(open)) + ": <% without %>");
            break;
        }
        PageIsland island;
        std::size_t body = open + 2;
        if (body < page.size() && (page[body] == '=' || page[body] == '@'))
            island.kind = page[body++];
        island.text = page.substr(body, close - body);
        island.line = lines.LineAt(open);
        if (island.text.find("<%") != std::string::npos)
            problems.push_back("line " + std::to_string(island.line) + ": <% inside a block");
        islands.push_back(island);
        position = close + 2;
    }
    return islands;
}

std::vector<std::string> CheckVbScript(const std::vector<PageIsland>& islands)
{
    std::vector<std::string> problems;
    BlockChecker blocks(problems);
    std::vector<Token> tokens;
    const auto tokenise = [&](std::string_view text, int line)
    {
        bool openString = false;
        Tokenise(text, tokens, openString);
        if (openString)
            problems.push_back("line " + std::to_string(line) + ": string not closed");
    };
    ForEachLogicalLine(islands, ' ',
                       [&](std::string_view text, int line)
                       {
                           tokenise(text, line);
                           blocks.Line(tokens, line);
                       });
    blocks.Finish();
    // An output expression holds no block, but its strings close as a script's do.
    ForEachLogicalLine(islands, '=', tokenise);
    return problems;
}

std::vector<std::string> CheckPageText(const std::string& page)
{
    std::vector<std::string> problems;
    const std::vector<PageIsland> islands = SplitPage(page, problems);
    for (std::string& problem : CheckVbScript(islands))
        problems.push_back(std::move(problem));
    return problems;
}

namespace
{
// The line of the text, from 1, without its line end; empty past the end.
std::string_view LineOf(std::string_view text, int line)
{
    std::size_t start = 0;
    for (int at = 1; at < line && start != std::string_view::npos; ++at)
    {
        start = text.find('\n', start);
        if (start != std::string_view::npos)
            ++start;
    }
    if (start == std::string_view::npos || start >= text.size())
        return {};
    std::string_view found = text.substr(start, text.find('\n', start) - start);
    if (found.ends_with('\r'))
        found.remove_suffix(1);
    return found;
}

// The problem with the text of its line, trimmed and shortened, tabs as blanks and other
// control characters shown as their bytes.
std::string WithLineText(const std::string& problem, std::string_view page)
{
    constexpr std::size_t shownCharacters = 120;
    int line = 0;
    if (std::sscanf(problem.c_str(), "line %d:", &line) != 1)
        return problem;
    std::string_view text = LineOf(page, line);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    const bool shortened = text.size() > shownCharacters;
    std::string shown(text.substr(0, shownCharacters));
    std::ranges::replace(shown, '\t', ' ');
    return problem + ": " + PrintableBytes(shown) + (shortened ? "..." : "");
}
} // namespace

bool SaveClassicPage(const CString& path, const CString& text, GenerationReport& report,
                     const std::vector<CString>& refusals)
{
    for (const CString& refusal : refusals)
        report.AddUnwrittenFile(path, refusal);
    if (!refusals.empty())
        return false;
    const std::vector<std::string> problems = CheckPageText(text.str());
    if (problems.empty())
        return SaveTextFile(path, text, report);
    report.AddUnwrittenFile(path, CString("the page check refuses it: ") +
                                      WithLineText(problems.front(), text.str()).c_str());
    return false;
}
