#pragma once

#include "shell/logic/ProjectTreeControl.h"
#include "shell/logic/RightPane.h"

class CObject;
class Table;

// What the project tree's commands ask of the window around the tree.
class TreeCommandHost
{
public:
    virtual ~TreeCommandHost() = default;

    // The editor shown asks about what it holds before a command leaves or rebinds it
    // (MainFrame::MayLeaveCurrentEditor); false when the user stays.
    virtual bool MayLeaveEditor() = 0;
    // Switches the right pane to the editor and loads the entity into it; null makes the editor
    // start a new one.
    virtual void OpenEditor(RightPane pane, CObject* entity) = 0;
    // The table editor with the table (null: a new one of the kind); enableOK enables its OK.
    virtual void OpenTableEditor(Table* table, int kind, bool enableOK) = 0;
    // The editor of the pane lets go of an entity that was deleted.
    virtual void ResetEditor(RightPane pane) = 0;
    // The editor shown rebinds after the project changed.
    virtual void ReloadCurrentEditor() = 0;
    // After a deletion the editor shown lets go of what went: a stored entity is shown again
    // from the project, a new one, which may hold what went, is dropped for a new one.
    virtual void RebindCurrentEditor() = 0;
    // Opens the item's text for editing.
    virtual void EditLabel(TreeHandle item) = 0;
    virtual void ShowRenameModuleDialog() = 0;
    // Builds the whole tree again.
    virtual void RefreshTree() = 0;
    // Before a write: the project is brought to what the writers write and saved, as Write All
    // saves it; false, the project as it was, when the save was cancelled or failed. The tree
    // may have been built again then.
    virtual bool PrepareAndSave() = 0;
};

// Opens the editor of the pane empty, to make a new entity (the tree's create commands and the
// start page).
inline void EditNew(TreeCommandHost& host, RightPane pane)
{
    host.OpenEditor(pane, nullptr);
}
