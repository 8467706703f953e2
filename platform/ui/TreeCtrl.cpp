#include "platform/ui/TreeCtrl.h"

#include "platform/ui/ControlWidgets.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TreeItems.h"

#include <QIcon>
#include <QSignalBlocker>
#include <QTreeWidget>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace
{
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;
constexpr const char* kImageListProperty = "weavoImageList";

QTreeWidget* TreeOf(const CWnd& wnd)
{
    return qobject_cast<QTreeWidget*>(wnd.GetSafeHwnd());
}

// The item, when it is one of this tree's.
QTreeWidgetItem* ItemOf(const CWnd& wnd, HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(wnd);
    if (tree == nullptr || item == nullptr || item == TVI_ROOT || item == TVI_FIRST ||
        item == TVI_LAST)
    {
        return nullptr;
    }
    QTreeWidgetItem* qtItem = FromTreeItem(item);
    return qtItem->treeWidget() == tree ? qtItem : nullptr;
}

CImageList* ImagesOf(QTreeWidget* tree)
{
    return reinterpret_cast<CImageList*>(tree->property(kImageListProperty).value<quintptr>());
}

void ShowImage(QTreeWidgetItem* item, CImageList* images)
{
    const int image = item->data(0, kImageRole).toInt();
    item->setIcon(0, images != nullptr && image >= 0 ? images->GetIcon(image) : QIcon());
}
} // namespace

BOOL CTreeCtrl::Create(CWnd* parent, int id)
{
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr || GetSafeHwnd() != nullptr)
    {
        return FALSE;
    }
    SetOwnedWidget(CreateTreeWidget(parent->GetSafeHwnd()));
    SetDlgCtrlID(id);
    return TRUE;
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(text, -1, -1, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after)
{
    QTreeWidget* tree = TreeOf(*this);
    if (tree == nullptr)
    {
        return nullptr;
    }
    QTreeWidgetItem* parentItem =
        parent == TVI_ROOT || parent == nullptr ? tree->invisibleRootItem() : ItemOf(*this, parent);
    if (parentItem == nullptr)
    {
        return nullptr;
    }
    int index = parentItem->childCount();
    if (after == TVI_FIRST)
    {
        index = 0;
    }
    else if (after != TVI_LAST && after != nullptr)
    {
        QTreeWidgetItem* afterItem = ItemOf(*this, after);
        const int afterIndex = afterItem != nullptr ? parentItem->indexOfChild(afterItem) : -1;
        if (afterIndex < 0)
        {
            return nullptr;
        }
        index = afterIndex + 1;
    }
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(text));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    ShowImage(item, ImagesOf(tree));
    parentItem->insertChild(index, item);
    return ToTreeItem(item);
}

namespace
{
bool Holds(const QTreeWidgetItem* item, const QTreeWidgetItem* descendant)
{
    for (; descendant != nullptr; descendant = descendant->parent())
    {
        if (descendant == item)
        {
            return true;
        }
    }
    return false;
}
} // namespace

// Qt moves the selection off deleted items silently; the owner hears where it went, and no
// handle of a deleted item.
BOOL CTreeCtrl::DeleteItem(HTREEITEM item)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    QTreeWidget* tree = TreeOf(*this);
    const bool heldSelection = Holds(qtItem, tree->currentItem());
    {
        const QSignalBlocker silent(tree);
        delete qtItem;
    }
    if (heldSelection)
    {
        NotifyTreeSelection(tree, nullptr, tree->currentItem());
    }
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    QTreeWidget* tree = TreeOf(*this);
    if (tree == nullptr)
    {
        return FALSE;
    }
    const bool hadSelection = tree->currentItem() != nullptr;
    {
        const QSignalBlocker silent(tree);
        tree->clear();
    }
    if (hadSelection)
    {
        NotifyTreeSelection(tree, nullptr, nullptr);
    }
    return TRUE;
}

UINT CTreeCtrl::GetCount() const
{
    QTreeWidget* tree = TreeOf(*this);
    if (tree == nullptr)
    {
        return 0;
    }
    UINT count = 0;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
    {
        ++count;
    }
    return count;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr ? FromQString(qtItem->text(0)) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    qtItem->setText(0, ToQString(text));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr ? static_cast<DWORD_PTR>(qtItem->data(0, Qt::UserRole).toULongLong())
                             : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    qtItem->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(data)));
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    qtItem->setData(0, kImageRole, image);
    qtItem->setData(0, kSelectedImageRole, selectedImage);
    ShowImage(qtItem, ImagesOf(TreeOf(*this)));
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    image = qtItem->data(0, kImageRole).toInt();
    selectedImage = qtItem->data(0, kSelectedImageRole).toInt();
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* images, int)
{
    QTreeWidget* tree = TreeOf(*this);
    if (tree == nullptr)
    {
        return nullptr;
    }
    CImageList* previous = ImagesOf(tree);
    tree->setProperty(kImageListProperty, QVariant::fromValue(reinterpret_cast<quintptr>(images)));
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
    {
        ShowImage(*it, images);
    }
    return previous;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    QTreeWidget* tree = TreeOf(*this);
    return tree != nullptr ? ToTreeItem(tree->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr ? ToTreeItem(qtItem->child(0)) : nullptr;
}

namespace
{
QTreeWidgetItem* Sibling(QTreeWidgetItem* item, int step)
{
    QTreeWidgetItem* parent =
        item->parent() != nullptr ? item->parent() : item->treeWidget()->invisibleRootItem();
    return parent->child(parent->indexOfChild(item) + step);
}
} // namespace

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr ? ToTreeItem(Sibling(qtItem, 1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr ? ToTreeItem(Sibling(qtItem, -1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr ? ToTreeItem(qtItem->parent()) : nullptr;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr && qtItem->childCount() > 0;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    QTreeWidget* tree = TreeOf(*this);
    return tree != nullptr ? ToTreeItem(tree->currentItem()) : nullptr;
}

// Null clears the selection.
BOOL CTreeCtrl::SelectItem(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(*this);
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (tree == nullptr || (item != nullptr && qtItem == nullptr))
    {
        return FALSE;
    }
    tree->setCurrentItem(qtItem);
    return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT action)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    switch (action)
    {
    case TVE_EXPAND:
        qtItem->setExpanded(true);
        return TRUE;
    case TVE_COLLAPSE:
        qtItem->setExpanded(false);
        return TRUE;
    case TVE_TOGGLE:
        qtItem->setExpanded(!qtItem->isExpanded());
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CTreeCtrl::IsExpanded(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr && qtItem->isExpanded();
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
    {
        return FALSE;
    }
    for (QTreeWidgetItem* parent = qtItem->parent(); parent != nullptr; parent = parent->parent())
    {
        parent->setExpanded(true);
    }
    TreeOf(*this)->scrollToItem(qtItem);
    return TRUE;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(*this);
    QTreeWidgetItem* parent = item == TVI_ROOT || item == nullptr
                                  ? (tree != nullptr ? tree->invisibleRootItem() : nullptr)
                                  : ItemOf(*this, item);
    if (parent == nullptr)
    {
        return FALSE;
    }
    parent->sortChildren(0, Qt::AscendingOrder);
    return TRUE;
}
