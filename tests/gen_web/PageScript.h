#pragma once

#include <cstddef>
#include <regex>
#include <set>
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
    // Found without a regular expression, which recurses once a character over a long block.
    for (std::size_t open = page.find("<script"); open != std::string::npos;
         open = page.find("<script", open + 1))
    {
        const std::size_t tagEnd = page.find('>', open);
        const std::size_t close =
            tagEnd == std::string::npos ? tagEnd : page.find("</script>", tagEnd);
        if (close == std::string::npos)
            break;
        if (page.substr(open, tagEnd - open).find("src=") == std::string::npos)
            script += page.substr(tagEnd + 1, close - tagEnd - 1) + "\n";
        open = close;
    }
    const std::regex handler(R"re(\s(on\w+)\s*=\s*("([^"]*)"|'([^']*)'))re", std::regex::icase);
    int count = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), handler);
         it != std::sregex_iterator(); ++it)
        script += "function handler" + std::to_string(count++) + "(event)\n{\n" +
                  Decoded((*it)[3].matched ? (*it)[3].str() : (*it)[4].str()) + "\n}\n";
    return script;
}

// The client functions of the support scripts that generated pages may call.
inline const std::set<std::string> supportFunctions = {"getRequestBody",
                                                       "submitWithValues",
                                                       "recordPageUrl",
                                                       "getXMLHTTPRequest",
                                                       "getMessageString",
                                                       "updateReport",
                                                       "validateString",
                                                       "isNumber1",
                                                       "isWholeNumber",
                                                       "isDate",
                                                       "FillCombo",
                                                       "FillControlFromFunction",
                                                       "FillCheckBoxFromFunction",
                                                       "FillRadioButtonFromFunction",
                                                       "getSelctedTextFromEditableCombo",
                                                       "date_dash",
                                                       "calendarTimeout",
                                                       "fn_SearchCombo",
                                                       "fn_NevigateSearchCombo",
                                                       "showHideList",
                                                       "hideList",
                                                       "handleClickOnList"};
// Keywords and the browser's own functions.
inline const std::set<std::string> builtIns = {"if",      "for",   "function", "return",
                                               "confirm", "alert", "Date",     "clearTimeout"};

// Functions the script calls that it neither defines nor finds in the browser or the support
// scripts.
inline std::set<std::string> UnknownCalls(const std::string& script)
{
    std::set<std::string> defined;
    const std::regex definition(R"(function\s+(\w+))");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), definition);
         it != std::sregex_iterator(); ++it)
        defined.insert((*it)[1]);
    std::set<std::string> unknown;
    const std::regex call(R"((^|[^.\w])(\w+)\s*\()");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), call);
         it != std::sregex_iterator(); ++it)
    {
        const std::string name = (*it)[2];
        if (!defined.contains(name) && !builtIns.contains(name) && !supportFunctions.contains(name))
            unknown.insert(name);
    }
    return unknown;
}
