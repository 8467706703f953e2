#pragma once

#include "platform/ui/TreeView.h"

class ForgeonDoc;
class ForgeonProject;

// The project tree in the left pane.
class ForgeonView : public CTreeView
{
    DECLARE_DYNCREATE(ForgeonView)

public:
    ForgeonDoc* GetForgeonDoc() const;
    // Fills the tree from the open project: one item per module, the current one selected.
    void RefreshTree();
    void ClearTree();
};
