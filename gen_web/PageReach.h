#pragma once

#include "platform/core/CString.h"

#include <map>
#include <set>
#include <string>

class ForgeonProject;

// The pages that each role of the project may open, by role id: the pages its menus lead to and
// the pages those lead to through their links and report link cells (a dashboard shows only the
// links of the role's own menus), with every
// page of the same form, master-detail page or report, and the change-password form's Update
// page. The pages of the user accounts are left to the administrator, who may open every page.
// Each page as the
// application-relative path "~/<module>/UI/<file>", lower-cased.
std::map<int, std::set<std::string>> ReachablePages(const ForgeonProject& project);

// The application-relative path of the change-password Update page of the login module, as
// above but in its own case; empty when the project has none.
std::string PasswordPagePath(const ForgeonProject& project);
