#include "shell/ForgeonView.h"

#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "shell/ForgeonDoc.h"

IMPLEMENT_DYNCREATE(ForgeonView, CTreeView)

ForgeonDoc* ForgeonView::GetForgeonDoc() const
{
    return dynamic_cast<ForgeonDoc*>(GetDocument());
}

void ForgeonView::RefreshTree()
{
    ClearTree();
    ForgeonDoc* doc = GetForgeonDoc();
    if (doc == nullptr)
        return;
    ForgeonProject* project = doc->GetProject();
    CTreeCtrl& tree = GetTreeCtrl();
    for (Module* module : project->GetModules())
    {
        const HTREEITEM item = tree.InsertItem(module->GetName());
        if (module == project->GetCurrentModule())
            tree.SelectItem(item);
    }
}

void ForgeonView::ClearTree()
{
    GetTreeCtrl().DeleteAllItems();
}
