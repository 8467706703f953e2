#include "designers/DashBoardViewHost.h"

#include "designers/DashBoadCellInfoDlg.h"
#include "designers/GridDlgs.h"
#include "designers/logic/DesignerShell.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/LinkDialogs.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/WebBrowser2.h"

#include <utility>

bool DashBoardViewHost::AskGridSize(int& rows, int& columns)
{
    AddGridDlg dialog(&m_owner);
    if (dialog.DoModal() != IDOK)
        return false;
    rows = static_cast<int>(dialog.GetSize().rows);
    columns = static_cast<int>(dialog.GetSize().columns);
    return true;
}

void DashBoardViewHost::MoveGrid(DashBoard& page, GridCell& cell)
{
    MoveGridDlg dialog(page, cell, &m_owner);
    dialog.DoModal();
}

void DashBoardViewHost::EditCellContent(DashBoard& page, GridCell& cell)
{
    DashBoadCellInfoDlg dialog(page, cell, *this, &m_owner);
    dialog.DoModal();
}

bool DashBoardViewHost::AssignFunction(FormInterface& page, ClassInvokation& invokation)
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return false;
    AssignFunctionDlg dialog(*project, page, &invokation, true, &m_owner);
    return dialog.DoModal() == IDOK;
}

Menu* DashBoardViewHost::SelectMenu(Menu* current)
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return nullptr;
    SelectMenuForLinkDlg dialog(*project, current, &m_owner);
    dialog.DoModal();
    return dialog.GetChosen();
}

void DashBoardViewHost::AddDashBoardItem(Module& module, DashBoard& page)
{
    if (DesignerShell* shell = DesignerShell::Get())
        shell->AddDashBoardItem(module, page);
}

void DashBoardViewHost::AddDashBoardPageItem(Module& module, DashBoardPage& page)
{
    if (DesignerShell* shell = DesignerShell::Get())
        shell->AddDashBoardPageItem(module, page);
}

void DashBoardViewHost::Navigate(const CString& path)
{
    if (m_browser != nullptr)
        m_browser->Navigate(path);
}
