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

// Tells the tree's owner that the selection moved (TVN_SELCHANGED).
void NotifyTreeSelection(QTreeWidget* tree, QTreeWidgetItem* previous, QTreeWidgetItem* current);
