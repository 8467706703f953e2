#pragma once

#include <vector>

class CObject;
class DashBoard;
class DashBoardPage;
class ForgeonProject;
class Menu;

// What a project holds for itself rather than for one of its modules: its project dashboard with
// the menu items that open it. A merge brings none of the second project's and deletes none of
// the first project's.
struct ProjectOwnObjects
{
    // The pages and dashboards named after the project dashboard, the items that open the pages.
    std::vector<DashBoardPage*> dashBoardPages;
    std::vector<DashBoard*> dashBoards;
    std::vector<Menu*> dashBoardMenus;

    bool Holds(const CObject* object) const;
};

ProjectOwnObjects FindProjectOwnObjects(const ForgeonProject& project);
