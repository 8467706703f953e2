#pragma once

#include <vector>

class CObject;
class DashBoard;
class DashBoardPage;
class ForgeonProject;
class LoginPage;
class Menu;

// What a project holds for itself rather than for one of its modules: its project dashboard (the
// pages and dashboards of that name and the menu items that open the pages) and its login page.
// A merge brings none of the second project's and deletes none of the first project's.
struct ProjectOwnObjects
{
    std::vector<DashBoardPage*> pages;
    std::vector<DashBoard*> dashBoards;
    std::vector<Menu*> menus;
    std::vector<LoginPage*> loginPages;

    bool Holds(const CObject* object) const;
};

ProjectOwnObjects FindProjectOwnObjects(const ForgeonProject& project);
