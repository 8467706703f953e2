#include "gen_classic/PageCheck.h"

#include "model/GenerationReport.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string_view>

namespace
{
std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

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

// One word, string or sign of a VBScript line; strings keep their quotes.
struct Token
{
    std::string text;
    bool word = false;
};

// The tokens of one logical line (continuations joined); a string left open is a problem.
std::vector<Token> Tokenise(const std::string& line, bool& openString)
{
    std::vector<Token> tokens;
    openString = false;
    for (std::size_t i = 0; i < line.size();)
    {
        const char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c)))
        {
            ++i;
            continue;
        }
        if (c == '\'')
            break;
        if (c == '"')
        {
            std::size_t end = i + 1;
            for (;; ++end)
            {
                if (end >= line.size())
                {
                    openString = true;
                    return tokens;
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
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_')
        {
            std::size_t end = i;
            while (end < line.size() &&
                   (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_'))
                ++end;
            const std::string word = line.substr(i, end - i);
            if (Lower(word) == "rem" && tokens.empty())
                break;
            tokens.push_back({word, true});
            i = end;
            continue;
        }
        tokens.push_back({std::string(1, c), false});
        ++i;
    }
    return tokens;
}

// The logical lines of the islands of the kind: physical lines joined where one ends in " _".
std::vector<std::pair<std::string, int>> LogicalLines(const std::vector<PageIsland>& islands,
                                                      char kind)
{
    std::vector<std::pair<std::string, int>> lines;
    for (const PageIsland& island : islands)
    {
        if (island.kind != kind)
            continue;
        std::istringstream in(island.text);
        std::string physical;
        std::string pending;
        int line = island.line;
        int start = line;
        while (std::getline(in, physical))
        {
            if (!physical.empty() && physical.back() == '\r')
                physical.pop_back();
            if (pending.empty())
                start = line;
            std::string trimmed = physical;
            while (!trimmed.empty() && std::isspace(static_cast<unsigned char>(trimmed.back())))
                trimmed.pop_back();
            if (trimmed.size() >= 2 && trimmed.back() == '_' &&
                std::isspace(static_cast<unsigned char>(trimmed[trimmed.size() - 2])))
                pending += trimmed.substr(0, trimmed.size() - 1) + " ";
            else
            {
                lines.emplace_back(pending + physical, start);
                pending.clear();
            }
            ++line;
        }
        if (!pending.empty())
            lines.emplace_back(pending, start);
    }
    return lines;
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
            const std::vector<Token> statement(tokens.begin() + start, tokens.begin() + i);
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
    bool Statement(const std::vector<Token>& statement, int line)
    {
        std::vector<std::string> words;
        for (const Token& token : statement)
            words.push_back(token.word ? Lower(token.text) : token.text);
        if (words.empty())
            return false;
        std::size_t first = 0;
        if (words[0] == "public" || words[0] == "private")
            first = 1;
        const std::string head = first < words.size() ? words[first] : std::string();
        const std::string next = first + 1 < words.size() ? words[first + 1] : std::string();
        if (head == "if")
        {
            const auto then = std::find(words.begin(), words.end(), "then");
            if (then == words.end())
                Problem(line, "If without Then");
            else if (then + 1 == words.end())
                m_open.emplace_back("If", line);
            return true;
        }
        if (head == "elseif" || head == "else")
            Expect("If", head == "else" ? "Else" : "ElseIf", line, false);
        else if (head == "end")
            Close(next, line);
        else if (head == "for")
            m_open.emplace_back("For", line);
        else if (head == "next")
            Expect("For", "Next", line, true);
        else if (head == "while")
            m_open.emplace_back("While", line);
        else if (head == "wend")
            Expect("While", "Wend", line, true);
        else if (head == "do")
            m_open.emplace_back("Do", line);
        else if (head == "loop")
            Expect("Do", "Loop", line, true);
        else if (head == "sub" || head == "function")
            m_open.emplace_back(head == "sub" ? "Sub" : "Function", line);
        else if (head == "select" && next == "case")
            m_open.emplace_back("Select", line);
        else if (head == "case")
            Expect("Select", "Case", line, false);
        else if (head == "with")
            m_open.emplace_back("With", line);
        return false;
    }

    void Close(const std::string& what, int line)
    {
        static const std::pair<const char*, const char*> closers[] = {{"if", "If"},
                                                                      {"sub", "Sub"},
                                                                      {"function", "Function"},
                                                                      {"select", "Select"},
                                                                      {"with", "With"}};
        for (const auto& [word, block] : closers)
        {
            if (what == word)
            {
                Expect(block, std::string("End ") + block, line, true);
                return;
            }
        }
        if (what.empty())
            return;
        Problem(line, "End " + what + " closes nothing known");
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
    for (const auto& [text, line] : LogicalLines(islands, ' '))
    {
        bool openString = false;
        const std::vector<Token> tokens = Tokenise(text, openString);
        if (openString)
            problems.push_back("line " + std::to_string(line) + ": string not closed");
        blocks.Line(tokens, line);
    }
    blocks.Finish();
    // An output expression holds no block, but its strings close as a script's do.
    for (const auto& [text, line] : LogicalLines(islands, '='))
    {
        bool openString = false;
        Tokenise(text, openString);
        if (openString)
            problems.push_back("line " + std::to_string(line) + ": string not closed");
    }
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
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    const bool shortened = text.size() > shownCharacters;
    std::string shown(text.substr(0, shownCharacters));
    std::ranges::replace(shown, '\t', ' ');
    return problem + ": " + PrintableBytes(shown) + (shortened ? "..." : "");
}
} // namespace

bool SaveClassicPage(const CString& path, const CString& text, GenerationReport& report)
{
    const std::vector<std::string> problems = CheckPageText(text.str());
    if (problems.empty())
        return SaveTextFile(path, text, report);
    report.AddUnwrittenFile(path, CString("the page check refuses it: ") +
                                      WithLineText(problems.front(), text.str()).c_str());
    return false;
}
