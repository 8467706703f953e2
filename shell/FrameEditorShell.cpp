#include "shell/FrameEditorShell.h"

#include "model/Table.h"
#include "shell/ForgeonView.h"
#include "shell/MainFrame.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeBuilder.h"

namespace
{
ProjectTree* TreeOfFrame()
{
    MainFrame* frame = MainFrame::Get();
    ForgeonView* view = frame != nullptr ? frame->GetTreeView() : nullptr;
    return view != nullptr ? &view->GetProjectTree() : nullptr;
}
} // namespace

FrameEditorShell& FrameEditorShell::Get()
{
    static FrameEditorShell shell;
    return shell;
}

void FrameEditorShell::UpdateFieldItemText(const Table& table, const Field& field)
{
    if (ProjectTree* tree = TreeOfFrame())
        tree->UpdateFieldItemText(table, field);
}

void FrameEditorShell::UpdateTableItemNames(const Table& table)
{
    if (ProjectTree* tree = TreeOfFrame())
        tree->UpdateTableItemNames(table);
}

void FrameEditorShell::UpdateFormItemText(const FormInterface& page)
{
    if (ProjectTree* tree = TreeOfFrame())
        tree->UpdateFormItemText(page);
}

void FrameEditorShell::UpdateMenuItemText(const Menu& menu)
{
    if (ProjectTree* tree = TreeOfFrame())
        tree->UpdateMenuItemText(menu);
}

void FrameEditorShell::RefreshTree()
{
    if (MainFrame* frame = MainFrame::Get())
        frame->RefreshTree();
}

void FrameEditorShell::ShowStartPage()
{
    if (MainFrame* frame = MainFrame::Get())
        frame->ShowStartPage();
}

void FrameEditorShell::AddProcedureItem(Module& module, Procedure& procedure)
{
    if (ProjectTree* tree = TreeOfFrame())
        ProjectTreeBuilder(tree->Control()).AddProcedureItem(module, procedure);
}

void FrameEditorShell::AddUserFunctionItem(Module& module, Function& function)
{
    if (ProjectTree* tree = TreeOfFrame())
        ProjectTreeBuilder(tree->Control()).AddUserFunctionItem(module, function);
}

void FrameEditorShell::AddTransactionItem(Module& module, Transaction& transaction)
{
    if (ProjectTree* tree = TreeOfFrame())
        ProjectTreeBuilder(tree->Control()).AddTransactionItem(module, transaction);
}

void FrameEditorShell::UpdateProcedureItemText(const Procedure& procedure)
{
    if (ProjectTree* tree = TreeOfFrame())
        tree->UpdateProcedureItemText(procedure);
}
