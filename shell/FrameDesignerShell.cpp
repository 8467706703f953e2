#include "shell/FrameDesignerShell.h"

#include "entities/Form.h"
#include "model/Table.h"
#include "shell/ForgeonView.h"
#include "shell/MainFrame.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeBuilder.h"

namespace
{
ForgeonView* TreeViewOfFrame()
{
    MainFrame* frame = MainFrame::Get();
    return frame != nullptr ? frame->GetTreeView() : nullptr;
}

RightPane PaneOf(NewEntity entity)
{
    switch (entity)
    {
    case NewEntity::Transaction:
        return RightPane::TransactionView;
    case NewEntity::ApplicationReport:
        return RightPane::ReportView;
    case NewEntity::RDLCReport:
        return RightPane::RDLCReportView;
    case NewEntity::DashBoard:
        return RightPane::DashBoardView;
    case NewEntity::DashBoardPage:
        return RightPane::DashBoardPageView;
    case NewEntity::Menu:
        return RightPane::MenuView;
    case NewEntity::UserFunction:
        return RightPane::UserFunctionView;
    case NewEntity::MasterTable:
    case NewEntity::DetailTable:
        break;
    }
    return RightPane::TableView;
}
} // namespace

FrameDesignerShell& FrameDesignerShell::Get()
{
    static FrameDesignerShell shell;
    return shell;
}

void FrameDesignerShell::EditNew(NewEntity entity)
{
    ForgeonView* view = TreeViewOfFrame();
    if (view == nullptr)
        return;
    if (entity == NewEntity::MasterTable || entity == NewEntity::DetailTable)
        view->EditNewTable(entity == NewEntity::MasterTable ? Table::masterKind
                                                            : Table::masterDetailKind);
    else
        view->EditEntity(PaneOf(entity), nullptr);
}

void FrameDesignerShell::EditForm(Form& form)
{
    if (ForgeonView* view = TreeViewOfFrame())
        view->EditEntity(RightPane::FormEditor, static_cast<FormInterface*>(&form));
}

void FrameDesignerShell::AddDashBoardItem(Module& module, DashBoard& page)
{
    if (ForgeonView* view = TreeViewOfFrame())
        ProjectTreeBuilder(view->GetProjectTree().Control()).AddDashBoardItem(module, page);
}

void FrameDesignerShell::AddDashBoardPageItem(Module& module, DashBoardPage& page)
{
    if (ForgeonView* view = TreeViewOfFrame())
        ProjectTreeBuilder(view->GetProjectTree().Control()).AddDashBoardPageItem(module, page);
}

void FrameDesignerShell::AddRDLCReportItem(Module& module, RDLCReport& report)
{
    if (ForgeonView* view = TreeViewOfFrame())
        ProjectTreeBuilder(view->GetProjectTree().Control()).AddRDLCReportItem(module, report);
}

void FrameDesignerShell::AddApplicationReportItem(Module& module, ApplicationReport& report)
{
    if (ForgeonView* view = TreeViewOfFrame())
        ProjectTreeBuilder(view->GetProjectTree().Control())
            .AddApplicationReportItem(module, report);
}

void FrameDesignerShell::AddReportCollectorItem(Module& module, ReportCollector& collector)
{
    if (ForgeonView* view = TreeViewOfFrame())
        ProjectTreeBuilder(view->GetProjectTree().Control())
            .AddReportCollectorItem(module, collector);
}
