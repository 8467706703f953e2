#pragma once

#include "platform/core/CString.h"

class ClassInvokation;
class DashBoard;
class DashBoardPage;
class FormInterface;
class GridCell;
class Menu;
class Module;

// What the dashboard designers ask of the window around them beyond the editors' host: their
// own dialogs, the project tree's new items and the preview browser. The views give one that
// runs the real dialogs; controller tests give one that records and answers.
class DashBoardHost
{
public:
    virtual ~DashBoardHost() = default;

    // "Add New Grid in Dashboard"; false on Cancel, else the rows and columns chosen.
    virtual bool AskGridSize(int& rows, int& columns) = 0;
    // "Move table: " on the cell of the page (MoveGridDlg).
    virtual void MoveGrid(DashBoard& page, GridCell& cell) = 0;
    // "Assign DashBoard Column properties" on the cell of the page.
    virtual void EditCellContent(DashBoard& page, GridCell& cell) = 0;
    // "Assign Function" on the page's invocation; true on OK.
    virtual bool AssignFunction(FormInterface& page, ClassInvokation& invokation) = 0;
    // "Select menu for link"; the menu chosen, or null.
    virtual Menu* SelectMenu(Menu* current) = 0;
    // The page's item under its module in the project tree.
    virtual void AddDashBoardItem(Module& module, DashBoard& page) = 0;
    virtual void AddDashBoardPageItem(Module& module, DashBoardPage& page) = 0;
    // The preview browser shows the file; an empty path shows nothing.
    virtual void Navigate(const CString& path) = 0;
};
