#pragma once

class CWnd;
class PaneEditor;

// The interface of the editor views of the right pane, through which the shell makes the view
// shown let go of its entity before the pane switches, and rebind after the project changed.
class WvpDialog
{
public:
    virtual ~WvpDialog() = default;

    // Drops what the view shows: an entity made new and never stored is deleted, the controls
    // are emptied.
    virtual void ClearPage() = 0;
    // Rebinds the view after a change of the project.
    virtual void ReloadPage() = 0;
    // Before the view lets go of what it shows: what its boxes show is read into its editor,
    // which asks about what differs from what it loaded (PaneEditor::MayLeave); false when the
    // user stays.
    bool MayLeave();

protected:
    // The editor whose boxes the view shows; null while it shows none.
    virtual PaneEditor* GetPaneEditor() { return nullptr; }
    // The window that holds the editor's boxes.
    virtual CWnd* GetBoxWindow() { return nullptr; }
    // Shows the editor's state again after the question.
    virtual void ShowPaneEditor() {}
};
