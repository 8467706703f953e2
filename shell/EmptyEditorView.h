#pragma once

#include "editors/WvpDialog.h"
#include "platform/ui/View.h"

// The right-pane view of an editor that is not built yet: an empty pane with nothing to clear
// or reload.
class EmptyEditorView : public CView, public WvpDialog
{
    DECLARE_DYNCREATE(EmptyEditorView)

public:
    void ClearPage() override {}
    void ReloadPage() override {}
};
