#pragma once

#include "platform/ui/ImageList.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TreeView.h"
#include "shell/logic/ProjectTreeCommands.h"
#include "shell/logic/TreeCommandHost.h"

#include <array>
#include <memory>

class ForgeonDoc;
class ProjectTree;
class TreeCtrlTarget;

// The project tree in the left pane: the tree of ProjectTree in the view's tree control, with
// the context menus, the double click, the Delete key and the module name edited in place.
class ForgeonView : public CTreeView, private TreeCommandHost
{
    DECLARE_DYNCREATE(ForgeonView)

public:
    ForgeonView();
    ~ForgeonView() override;

    ForgeonDoc* GetForgeonDoc() const;
    // The image list and the context menus, then the tree of the open project.
    void OnInitialUpdate() override;
    // Deletes every item and builds the tree of the open project again.
    void RefreshTree() override;
    // Deletes every item; the tree shows no project until the next refresh.
    void ClearTree();
    // The pane width that shows every category name with its count whole, two levels in.
    int GetPaneWidth() const;

    // The tree's rows and lookups, through which the editors keep it current.
    ProjectTree& GetProjectTree() { return *m_pTree; }
    ProjectTreeControl& GetTreeControl();

    // What a right click on the item does: its module made current, its menu shown at the
    // screen point with the commands enabled that apply, the chosen command run.
    void ShowContextMenu(HTREEITEM item, CPoint screenPoint);
    // What a double click on the item does.
    void OpenItem(HTREEITEM item);
    // What the Delete key does.
    void DeleteSelectedItem();
    // The right pane switched to the editor, loaded with the entity (null: a new one).
    void EditEntity(RightPane pane, CObject* entity) { OpenEditor(pane, entity); }
    // The table editor on a new table of the kind, its OK enabled.
    void EditNewTable(int kind) { OpenTableEditor(nullptr, kind, /*enableOK=*/true); }
    // The module commands of the main menu.
    void CreateModule();
    void DeleteModuleOfItem(HTREEITEM item);
    // The Rename Module dialog; a name it takes rebuilds the tree.
    void RenameModule();
    // The popup menu of a kind of item.
    CMenu& GetContextMenu(TreeMenu menu) { return m_menus[static_cast<std::size_t>(menu)]; }
    // The picture tiled behind the items, from the origin of the root item; FALSE when the
    // bitmap resource does not load.
    BOOL LoadBackgroundBitmap(UINT resourceId);
    // The item being dragged; null while no drag runs.
    HTREEITEM GetDraggedItem() const { return m_dragging ? m_dragItem : nullptr; }

protected:
    // While an item is dragged: the drag picture follows the mouse and the item under it is
    // highlighted as the drop target; the release drops it there.
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    // A save's status text goes once the tree's commands have changed the project.
    void ClearStaleStatus();
    class DragForwarder;

    void SetUp();
    void BuildContextMenus();
    void OnDoubleClick(NMHDR* header, LRESULT* result);
    void OnRightClick(NMHDR* header, LRESULT* result);
    void OnKeyDown(NMHDR* header, LRESULT* result);
    void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    // The tree's item at the point of this view.
    HTREEITEM ItemAt(CPoint point) const;
    void EndDragging();
    // Moves the background picture with the items.
    void PlaceBackground();

    bool MayLeaveEditor() override;
    void OpenEditor(RightPane pane, CObject* entity) override;
    void OpenTableEditor(Table* table, int kind, bool enableOK) override;
    void ResetEditor(RightPane pane) override;
    void ReloadCurrentEditor() override;
    void RebindCurrentEditor() override;
    void EditLabel(TreeHandle item) override;
    void ShowRenameModuleDialog() override;
    bool PrepareAndSave() override;

    std::unique_ptr<TreeCtrlTarget> m_pControl;
    std::unique_ptr<ProjectTree> m_pTree;
    std::unique_ptr<ProjectTreeCommands> m_pCommands;
    CImageList m_images;
    std::array<CMenu, kTreeMenuCount + 1> m_menus;
    bool m_initialised = false;
    std::unique_ptr<CImageList> m_pDragImage;
    std::unique_ptr<DragForwarder> m_pDragForwarder;
    bool m_dragging = false;
    HTREEITEM m_dragItem = nullptr;
    HTREEITEM m_dropTarget = nullptr;
    std::unique_ptr<CBitmap> m_pBackground;
};
