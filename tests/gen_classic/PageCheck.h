#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The classic page check: a page is HTML with server-script islands between "<%" and "%>"
// ("<%=" an output expression, "<%@" a directive). The check finds unpaired delimiters,
// VBScript blocks that do not balance across the islands (If, For, While, Do, Sub, Function,
// Select Case, With), include files that do not resolve from the page's folder, and collects
// the text of the page's script elements for a JavaScript syntax check.

struct PageIsland
{
    // ' ' for code, '=' for an output expression, '@' for a directive.
    char kind = ' ';
    std::string text;
    // The line of the page the island starts on, from 1.
    int line = 1;
};

// The islands of the page in order; a delimiter without its partner adds a problem.
std::vector<PageIsland> SplitPage(const std::string& page, std::vector<std::string>& problems);

// The problems of the VBScript of the code islands, taken as one script.
std::vector<std::string> CheckVbScript(const std::vector<PageIsland>& islands);

// The include files the page names ("<!-- #include file = ... -->") that do not exist when
// resolved from the folder.
std::vector<std::string> CheckIncludes(const std::string& page,
                                       const std::filesystem::path& folder);

// Everything above for the page file; empty when the page passes.
std::vector<std::string> CheckPageFile(const std::filesystem::path& page);

// The text of every script element, its server-script islands replaced by a neutral literal.
std::vector<std::string> PageScripts(const std::string& page);
