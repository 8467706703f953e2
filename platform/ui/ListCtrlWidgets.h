#pragma once

#include "platform/ui/GdiObjects.h"
#include "platform/ui/Messages.h"

class QHeaderView;
class QTreeWidget;
class QWidget;

// The Qt side of list controls: a QTreeWidget in report view whose header draws owner-drawn
// items, with custom draw, the selection notifications (LVN_ITEMCHANGING, LVN_ITEMCHANGED),
// column clicks and NM_CLICK, NM_DBLCLK and NM_RCLICK with the row under the mouse.
QTreeWidget* CreateListWidget(QWidget* parent);

// Header items keep their format, image, bitmap and data in these roles of the header item.
constexpr int kHeaderFormatRole = 0x0101;
constexpr int kHeaderImageRole = 0x0102;
constexpr int kHeaderBitmapRole = 0x0103;
constexpr int kHeaderDataRole = 0x0104;
constexpr const char* kHeaderImagesProperty = "weavoHeaderImages";
constexpr const char* kListImagesProperty = "weavoListImages";

// Asks the owner whether the row may become selected (LVN_ITEMCHANGING): 0 lets it.
LRESULT NotifyListItemChanging(QTreeWidget* list, int row);

// The list a header belongs to.
QTreeWidget* ListOfHeader(const QHeaderView* header);
