#pragma once

#include "platform/ui/TreeCtrl.h"

#include <QTreeWidget>

// The Qt widget behind a tree control.
inline QTreeWidget* WidgetOf(CTreeCtrl& tree)
{
    return static_cast<QTreeWidget*>(tree.GetSafeHwnd());
}
