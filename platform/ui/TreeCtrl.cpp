#include "platform/ui/TreeCtrl.h"

#include "platform/ui/Edit.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TreeItems.h"

#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTreeWidget>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace
{
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;
constexpr int kDropTargetRole = Qt::UserRole + 3;
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

CTreeCtrl::CTreeCtrl() = default;

CTreeCtrl::~CTreeCtrl() = default;

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!Create(parent, static_cast<int>(id)))
        return FALSE;
    GetSafeHwnd()->setGeometry(ToQRect(rect));
    ModifyStyle(0, style);
    GetSafeHwnd()->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

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
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setText(0, ToQString(text));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    ShowImage(item, m_images);
    if ((GetStyle() & TVS_CHECKBOXES) != 0)
        item->setCheckState(0, Qt::Unchecked);
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
    m_images = images;
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
    const QSignalBlocker silent(TreeOf(*this));
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
    const QSignalBlocker silent(TreeOf(*this));
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

namespace
{
QTreeWidgetItem* LastVisible(QTreeWidget* tree)
{
    QTreeWidgetItem* last = tree->topLevelItem(tree->topLevelItemCount() - 1);
    while (last != nullptr && last->isExpanded() && last->childCount() > 0)
        last = last->child(last->childCount() - 1);
    return last;
}
} // namespace

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    QTreeWidget* tree = TreeOf(*this);
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (tree == nullptr)
        return nullptr;
    switch (code)
    {
    case TVGN_ROOT:
        return GetRootItem();
    case TVGN_NEXT:
        return GetNextSiblingItem(item);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(item);
    case TVGN_PARENT:
        return GetParentItem(item);
    case TVGN_CHILD:
        return item == nullptr || item == TVI_ROOT ? GetRootItem() : GetChildItem(item);
    case TVGN_FIRSTVISIBLE:
    {
        QTreeWidgetItem* top = tree->itemAt(0, 0);
        return ToTreeItem(top != nullptr ? top : tree->topLevelItem(0));
    }
    case TVGN_NEXTVISIBLE:
        return qtItem != nullptr ? ToTreeItem(tree->itemBelow(qtItem)) : nullptr;
    case TVGN_PREVIOUSVISIBLE:
        return qtItem != nullptr ? ToTreeItem(tree->itemAbove(qtItem)) : nullptr;
    case TVGN_DROPHILITE:
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
        {
            if ((*it)->data(0, kDropTargetRole).toBool())
                return ToTreeItem(*it);
        }
        return nullptr;
    case TVGN_CARET:
        return GetSelectedItem();
    case TVGN_LASTVISIBLE:
        return ToTreeItem(LastVisible(tree));
    default:
        return nullptr;
    }
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM item) const
{
    return GetNextItem(item, TVGN_NEXTVISIBLE);
}

HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM item) const
{
    return GetNextItem(item, TVGN_PREVIOUSVISIBLE);
}

HTREEITEM CTreeCtrl::GetDropHilightItem() const
{
    return GetNextItem(nullptr, TVGN_DROPHILITE);
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
        return 0;
    UINT state = 0;
    if (TreeOf(*this)->currentItem() == qtItem)
        state |= TVIS_SELECTED;
    if (qtItem->isExpanded())
        state |= TVIS_EXPANDED;
    if (qtItem->font(0).bold())
        state |= TVIS_BOLD;
    if (qtItem->data(0, kDropTargetRole).toBool())
        state |= TVIS_DROPHILITED;
    if (qtItem->data(0, Qt::CheckStateRole).isValid())
        state |= INDEXTOSTATEIMAGEMASK(qtItem->checkState(0) == Qt::Checked ? 2 : 1);
    return state & mask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
        return FALSE;
    if ((mask & TVIS_BOLD) != 0)
    {
        QFont font = qtItem->font(0);
        font.setBold((state & TVIS_BOLD) != 0);
        qtItem->setFont(0, font);
    }
    if ((mask & TVIS_DROPHILITED) != 0)
    {
        const bool marked = (state & TVIS_DROPHILITED) != 0;
        qtItem->setData(0, kDropTargetRole, marked);
        const QPalette palette = TreeOf(*this)->palette();
        qtItem->setBackground(0, marked ? palette.highlight() : QBrush());
        qtItem->setForeground(0, marked ? palette.highlightedText() : QBrush());
    }
    if ((mask & TVIS_STATEIMAGEMASK) != 0)
    {
        const UINT image = (state & TVIS_STATEIMAGEMASK) >> 12;
        if (image == 0)
            qtItem->setData(0, Qt::CheckStateRole, QVariant());
        else
            qtItem->setCheckState(0, image == 2 ? Qt::Checked : Qt::Unchecked);
    }
    if ((mask & TVIS_EXPANDED) != 0)
        Expand(item, (state & TVIS_EXPANDED) != 0 ? TVE_EXPAND : TVE_COLLAPSE);
    if ((mask & TVIS_SELECTED) != 0 && (state & TVIS_SELECTED) != 0)
        SelectItem(item);
    return TRUE;
}

BOOL CTreeCtrl::SelectDropTarget(HTREEITEM item)
{
    if (item != nullptr && ItemOf(*this, item) == nullptr)
        return FALSE;
    if (HTREEITEM previous = GetDropHilightItem())
        SetItemState(previous, 0, TVIS_DROPHILITED);
    if (item != nullptr)
        SetItemState(item, TVIS_DROPHILITED, TVIS_DROPHILITED);
    return TRUE;
}

BOOL CTreeCtrl::GetCheck(HTREEITEM item) const
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    return qtItem != nullptr && qtItem->checkState(0) == Qt::Checked;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM item, BOOL check)
{
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
        return FALSE;
    qtItem->setCheckState(0, check != FALSE ? Qt::Checked : Qt::Unchecked);
    return TRUE;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const
{
    QTreeWidget* tree = TreeOf(*this);
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
        return FALSE;
    QRect bounds = tree->visualItemRect(qtItem);
    if (bounds.isEmpty())
        return FALSE;
    if (textOnly)
    {
        const QRect box = CheckBoxRect(tree, qtItem);
        if (!box.isEmpty())
            bounds.setLeft(box.right() + 1);
        const int icon = qtItem->icon(0).isNull() ? 0 : tree->iconSize().width() + 4;
        bounds.setLeft(bounds.left() + icon);
        bounds.setWidth(QFontMetrics(qtItem->font(0)).horizontalAdvance(qtItem->text(0)) + 6);
    }
    else
    {
        bounds.setLeft(0);
        bounds.setRight(tree->viewport()->width() - 1);
    }
    *rect = FromQRect(bounds.translated(ViewportOffset(tree)));
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    QTreeWidget* tree = TreeOf(*this);
    UINT hit = TVHT_NOWHERE;
    QTreeWidgetItem* qtItem = nullptr;
    if (tree != nullptr)
    {
        const QPoint inViewport = ToQPoint(point) - ViewportOffset(tree);
        qtItem = tree->viewport()->rect().contains(inViewport) ? tree->itemAt(inViewport) : nullptr;
        CRect label;
        if (qtItem != nullptr && CheckBoxRect(tree, qtItem).contains(inViewport))
        {
            hit = TVHT_ONITEMSTATEICON;
        }
        else if (qtItem != nullptr && GetItemRect(ToTreeItem(qtItem), &label, TRUE))
        {
            hit = point.x < label.left     ? TVHT_ONITEMINDENT
                  : point.x >= label.right ? TVHT_ONITEMRIGHT
                                           : TVHT_ONITEMLABEL;
        }
    }
    if (flags != nullptr)
        *flags = hit;
    return ToTreeItem(qtItem);
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(*this);
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
        return nullptr;
    EnsureVisible(item);
    tree->setCurrentItem(qtItem);
    tree->editItem(qtItem, 0);
    return GetEditControl();
}

CEdit* CTreeCtrl::GetEditControl()
{
    QTreeWidget* tree = TreeOf(*this);
    QLineEdit* editor = tree != nullptr ? LabelEditor(tree) : nullptr;
    if (editor == nullptr || !editor->isVisible())
        return nullptr;
    if (!m_edit)
        m_edit = std::make_unique<CEdit>();
    if (m_edit->GetSafeHwnd() != editor)
    {
        m_edit->Detach();
        m_edit->Attach(editor);
    }
    return m_edit.get();
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(*this);
    QTreeWidgetItem* qtItem = ItemOf(*this, item);
    if (qtItem == nullptr)
        return nullptr;
    const QRect bounds = tree->visualItemRect(qtItem);
    if (bounds.isEmpty())
        return nullptr;
    auto* images = new CImageList;
    images->Create(bounds.width(), bounds.height(), ILC_COLOR32 | ILC_MASK, 1, 0);
    auto* picture = new QPixmap(tree->viewport()->grab(bounds));
    images->Add(picture);
    DestroyIcon(picture);
    return images;
}
