#pragma once

#include "platform/ui/TreeCtrl.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <QTreeWidgetItem>

// A tree control's HTREEITEM is its Qt item.
inline HTREEITEM ToTreeItem(QTreeWidgetItem* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}
inline QTreeWidgetItem* FromTreeItem(HTREEITEM item)
{
    return reinterpret_cast<QTreeWidgetItem*>(item);
}

// A tree control's widget: its selection, clicks, expansion, key presses, drags and label edits
// are told to its owner (see CTreeCtrl).
QTreeWidget* CreateTreeWidget(QWidget* parent);

// The tree's open label editor; null when none is open.
QLineEdit* LabelEditor(QTreeWidget* tree);

// Tells the tree's owner that the selection moved (TVN_SELCHANGED).
void NotifyTreeSelection(QTreeWidget* tree, QTreeWidgetItem* previous, QTreeWidgetItem* current);

// The item's handle and data, as notifications carry them.
TVITEM TreeItemOf(QTreeWidgetItem* item);

// Where the item's check box shows, in the tree's viewport; empty when the item shows none.
QRect CheckBoxRect(QTreeWidget* tree, QTreeWidgetItem* item);

// Gives every item of the tree a check box (unchecked when it had none).
void ShowCheckBoxes(QTreeWidget* tree);
