#pragma once

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
    // Before the view lets go of what it shows: what was typed and not taken is asked about;
    // false when the user stays.
    virtual bool MayLeave() { return true; }
};
