#pragma once

#include "platform/core/CString.h"

#include <string>
#include <vector>

class GenerationReport;

// The classic page check: a page is HTML with server-script islands between "<%" and "%>"
// ("<%=" an output expression, "<%@" a directive). The check finds unpaired delimiters,
// VBScript blocks that do not balance across the islands (If, For, While, Do, Sub, Function,
// Select Case, With) and strings not closed on their line.

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

// The problems of the VBScript of the code islands, taken as one script, and the strings of the
// output expressions that are not closed.
std::vector<std::string> CheckVbScript(const std::vector<PageIsland>& islands);

// SplitPage and CheckVbScript of the page; empty when the page passes.
std::vector<std::string> CheckPageText(const std::string& page);

// Writes the text as the classic page at the path when the page check passes it, as
// SaveTextFile does; a page the check refuses is not written and goes to the report with the
// check's first problem and the text of its line. True when the page was written.
// A page with refusals (why values of it cannot be written) is not written either: each refusal
// goes to the report.
bool SaveClassicPage(const CString& path, const CString& text, GenerationReport& report,
                     const std::vector<CString>& refusals = {});
