#pragma once

#include "platform/ui/TreeCtrl.h"

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

// The tree's property that holds its open label editor.
constexpr const char* kLabelEditorProperty = "weavoLabelEditor";

// A tree control's widget: its selection, clicks, expansion, key presses, drags and label edits
// are told to its owner (see CTreeCtrl).
QTreeWidget* CreateTreeWidget(QWidget* parent);

// Tells the tree's owner that the selection moved (TVN_SELCHANGED).
void NotifyTreeSelection(QTreeWidget* tree, QTreeWidgetItem* previous, QTreeWidgetItem* current);

// The item's handle and data, as notifications carry them.
TVITEM TreeItemOf(QTreeWidgetItem* item);
