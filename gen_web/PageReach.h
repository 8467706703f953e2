#pragma once

#include "platform/core/CString.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class DashBoardPage;
class Designation;
class ForgeonProject;
class Menu;

// The pages that each role of the project may open, by role id: the pages its menus and its
// dashboard pages lead to and the pages those lead to through their links (a dashboard shows only
// the links that lead to the role's own pages), with every page of the same form, master-detail
// page or report, and the change-password form's Update page. A search report adds only the pages
// its rows link to, never an Add page, and those only to be opened (ViewOnlyPages); an RDLC report
// adds its print page and leads nowhere else. The pages
// of the user accounts are left to the administrator, who may open every page. Each page as the
// application-relative path "~/<module>/UI/<file>", lower-cased.
std::map<int, std::set<std::string>> ReachablePages(const ForgeonProject& project);

// A column that holds the names of uploaded files, with the pages of the form or master-detail
// page that saves them (paths as above); softDeleted when its table marks deleted rows. The
// change-password form shows a role only the session's own account: ownRowKey names its table's
// key, which a row of its files holds as the session's account id; empty for any other page.
struct UploadColumn
{
    std::string table;
    std::string column;
    std::set<std::string> pages;
    bool softDeleted = false;
    std::string ownRowKey;
};

// The columns of the project's forms and master-detail pages whose control is a file upload,
// in page and control order.
std::vector<UploadColumn> UploadColumns(const ForgeonProject& project);

// Of each role's pages, by role id, those that only a report's rows lead it to: it opens them but
// takes no action on their records. Roles without such pages are left out.
std::map<int, std::set<std::string>> ViewOnlyPages(const ForgeonProject& project);

// The application-relative path of the change-password Update page of the login module, as
// above but in its own case; empty when the project has none.
std::string PasswordPagePath(const ForgeonProject& project);

// The menus that a dashboard cell linking the menu may open, in order: the menu, and when its page
// is no dashboard, the other items of its parent menu that open a page of the same kind (RDLC
// reports without their files left out). A role's cell opens the first of them that it holds.
std::vector<const Menu*> DashBoardCellMenus(const ForgeonProject& project, const Menu& menu);

// The role's dashboard pages: its own, then every dashboard page whose cells lead it, directly or
// through another of them, to a page of its menus that is no dashboard.
std::vector<const DashBoardPage*> RoleDashBoardPages(const ForgeonProject& project,
                                                     const Designation& role);
