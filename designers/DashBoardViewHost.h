#pragma once

#include "designers/logic/DashBoardHost.h"

class CWnd;
class WebBrowser2;

// The DashBoardHost of the dashboard views: the real modal dialogs over the view, the preview
// in the view's browser, and the tree requests through the installed designer shell.
class DashBoardViewHost final : public DashBoardHost
{
public:
    DashBoardViewHost(CWnd& owner, WebBrowser2* browser) : m_owner(owner), m_browser(browser) {}

    bool AskGridSize(int& rows, int& columns) override;
    void MoveGrid(DashBoard& page, GridCell& cell) override;
    void EditCellContent(DashBoard& page, GridCell& cell) override;
    bool AssignFunction(FormInterface& page, ClassInvokation& invokation) override;
    Menu* SelectMenu(Menu* current) override;
    void AddDashBoardItem(Module& module, DashBoard& page) override;
    void AddDashBoardPageItem(Module& module, DashBoardPage& page) override;
    void Navigate(const CString& path) override;

private:
    CWnd& m_owner;
    WebBrowser2* m_browser;
};
