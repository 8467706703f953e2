#pragma once

#include <regex>
#include <string>
#include <utility>

// The text with the five XML entities decoded.
inline std::string Decoded(std::string text)
{
    for (const auto& [entity, character] :
         {std::pair{"&quot;", "\""}, std::pair{"&apos;", "'"}, std::pair{"&lt;", "<"},
          std::pair{"&gt;", ">"}, std::pair{"&amp;", "&"}})
        text = std::regex_replace(text, std::regex(entity), character);
    return text;
}

// The inline script blocks of a page and its event attributes, each attribute as a function.
inline std::string PageScript(const std::string& page)
{
    std::string script;
    const std::regex block(R"(<script([^>]*)>([\s\S]*?)</script>)");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), block);
         it != std::sregex_iterator(); ++it)
    {
        if ((*it)[1].str().find("src=") == std::string::npos)
            script += (*it)[2].str() + "\n";
    }
    const std::regex handler(R"re(\s(on\w+)\s*=\s*("([^"]*)"|'([^']*)'))re", std::regex::icase);
    int count = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), handler);
         it != std::sregex_iterator(); ++it)
        script += "function handler" + std::to_string(count++) + "(event)\n{\n" +
                  Decoded((*it)[3].matched ? (*it)[3].str() : (*it)[4].str()) + "\n}\n";
    return script;
}
