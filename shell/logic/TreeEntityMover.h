#pragma once

#include "shell/logic/ProjectTreeControl.h"

class Module;
class ProjectTree;
class Table;

// Moves the entity of a dragged tree item to the module of the category node it was dropped on,
// by the rules of its kind: refusals and confirmations are message boxes, a refusal changes
// nothing. After a move both modules' subtrees are built again, keeping what was expanded.
class TreeEntityMover
{
public:
    TreeEntityMover(ProjectTree& tree, TreeHandle dragged, TreeHandle target)
        : m_tree(tree), m_dragged(dragged), m_target(target)
    {
    }

    // True when the entity moved.
    bool Move(Module& source, Module& destination);

private:
    bool MoveTable(Module& source, Module& destination, int tableSlot);
    void MoveMasterTable(Module& source, Module& destination, Table& table);
    bool MoveForm(Module& source, Module& destination);
    bool MoveTransaction(Module& source, Module& destination);
    bool MoveSearchReport(Module& source, Module& destination);
    bool MoveRDLCReport(Module& source, Module& destination);
    bool MoveDashBoard(Module& source, Module& destination);
    bool MoveDashBoardPage(Module& source, Module& destination);
    bool MoveMenu(Module& source, Module& destination);
    bool RefuseUserFunction(Module& source);
    // The dragged item's id, when the item stands under the source's node of the slot.
    bool DraggedIdUnder(Module& source, int slot, int& id) const;
    void RefreshModules(Module& source, Module& destination);

    ProjectTree& m_tree;
    TreeHandle m_dragged;
    TreeHandle m_target;
};

// What a drag in the project tree may do.
namespace TreeDragRules
{
// A top-level item is not dragged.
bool CanStartDrag(const ProjectTreeControl& tree, TreeHandle item);
// The item under the mouse is highlighted as the drop target unless it is the dragged item's
// parent.
bool CanHighlight(const ProjectTreeControl& tree, TreeHandle dragged, TreeHandle item);
// A drop on no item, on the dragged item or on one of its descendants moves nothing.
bool CanDrop(const ProjectTreeControl& tree, TreeHandle dragged, TreeHandle target);
// The drop: when the two items are in different modules the mover decides; after a move the
// destination's rebuilt category node of the target's slot is expanded. True when it moved.
bool DropItem(ProjectTree& tree, TreeHandle dragged, TreeHandle target);
} // namespace TreeDragRules
