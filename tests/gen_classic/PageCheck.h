#pragma once

#include "gen_classic/PageCheck.h"

#include <filesystem>
#include <string>
#include <vector>

// The page check of the tests: the classic page check of the generator (gen_classic/PageCheck.h),
// and include files that do not resolve from the page's folder; and the text of the page's
// script elements for a JavaScript syntax check.

// The include files the page names ("<!-- #include file = ... -->") that do not exist when
// resolved from the folder.
std::vector<std::string> CheckIncludes(const std::string& page,
                                       const std::filesystem::path& folder);

// Everything above for the page file; empty when the page passes.
std::vector<std::string> CheckPageFile(const std::filesystem::path& page);

// The text of every script element, its server-script islands replaced by a neutral literal.
std::vector<std::string> PageScripts(const std::string& page);
