#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TreeItems.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace
{
QPoint ViewportOffset(const QTreeWidget* tree)
{
    return tree->viewport()->mapTo(tree, QPoint(0, 0));
}

// Click notifications of tree controls.
void ConnectClicks(QTreeWidget* tree)
{
    QObject::connect(tree, &QTreeWidget::itemClicked, tree,
                     [tree]
                     {
                         NMHDR header{};
                         CWnd::NotifyOwner(tree, NM_CLICK, &header);
                     });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree,
                     [tree]
                     {
                         NMHDR header{};
                         CWnd::NotifyOwner(tree, NM_DBLCLK, &header);
                     });
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tree, &QTreeWidget::customContextMenuRequested, tree,
                     [tree]
                     {
                         NMHDR header{};
                         CWnd::NotifyOwner(tree, NM_RCLICK, &header);
                     });
}

// Tells the owner of a user's expansion before it stands (TVN_ITEMEXPANDING, which may undo
// it) and after (TVN_ITEMEXPANDED).
void NotifyExpansion(QTreeWidget* tree, QTreeWidgetItem* item, bool expanded)
{
    NMTREEVIEW change{};
    change.action = expanded ? TVE_EXPAND : TVE_COLLAPSE;
    change.itemNew = TreeItemOf(item);
    if (CWnd::NotifyOwner(tree, TVN_ITEMEXPANDING, &change.hdr) != 0)
    {
        const QSignalBlocker silent(tree);
        item->setExpanded(!expanded);
        return;
    }
    CWnd::NotifyOwner(tree, TVN_ITEMEXPANDED, &change.hdr);
}

// The label edit: TVN_BEGINLABELEDIT before the editor opens, TVN_ENDLABELEDIT when it closes.
class LabelDelegate : public QStyledItemDelegate
{
public:
    explicit LabelDelegate(QTreeWidget* tree) : QStyledItemDelegate(tree), m_tree(tree)
    {
        connect(this, &QAbstractItemDelegate::closeEditor, this,
                [this](QWidget*, QAbstractItemDelegate::EndEditHint hint)
                {
                    if (hint == RevertModelCache)
                        EndEdit(nullptr);
                });
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        m_item = m_tree->itemFromIndex(index);
        NMTVDISPINFO begin{};
        begin.item = TreeItemOf(m_item);
        if (CWnd::NotifyOwner(m_tree, TVN_BEGINLABELEDIT, &begin.hdr) != 0)
            return nullptr;
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_editor = qobject_cast<QLineEdit*>(editor);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override
    {
        const CString text = FromQString(static_cast<QLineEdit*>(editor)->text());
        if (EndEdit(&text) != 0)
            QStyledItemDelegate::setModelData(editor, model, index);
    }

    QLineEdit* Editor() const { return m_editor.data(); }

private:
    LRESULT EndEdit(const CString* text) const
    {
        NMTVDISPINFO end{};
        end.item = TreeItemOf(m_item);
        CString copy = text != nullptr ? *text : CString();
        end.item.pszText = text != nullptr ? copy.GetBuffer(copy.GetLength()) : nullptr;
        return CWnd::NotifyOwner(m_tree, TVN_ENDLABELEDIT, &end.hdr);
    }

    QTreeWidget* m_tree;
    mutable QTreeWidgetItem* m_item = nullptr;
    mutable QPointer<QLineEdit> m_editor;
};

// Key presses (TVN_KEYDOWN) and the start of a drag with the left button (TVN_BEGINDRAG; the
// tree's own handling of the drag is left out: the owner drags).
class TreeWatcher : public QObject
{
public:
    explicit TreeWatcher(QTreeWidget* tree) : QObject(tree), m_tree(tree)
    {
        tree->installEventFilter(this);
        tree->viewport()->installEventFilter(this);
        m_viewport = tree->viewport();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && watched == m_tree &&
            LabelEditor(m_tree) == nullptr)
        {
            NMTVKEYDOWN key{};
            key.wVKey = static_cast<WORD>(VirtualKeyOf(static_cast<QKeyEvent*>(event)->key()));
            CWnd::NotifyOwner(m_tree, TVN_KEYDOWN, &key.hdr);
            return false;
        }
        const bool mouseEvent = event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseMove ||
                                event->type() == QEvent::MouseButtonRelease;
        if (!mouseEvent || watched != m_viewport)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type())
        {
        case QEvent::MouseButtonPress:
            m_pressed = mouse->button() == Qt::LeftButton
                            ? m_tree->itemAt(mouse->position().toPoint())
                            : nullptr;
            m_pressPoint = mouse->position().toPoint();
            m_dragging = false;
            return false;
        case QEvent::MouseMove:
            if (m_dragging)
                return true;
            if (m_pressed != nullptr && (mouse->buttons() & Qt::LeftButton) &&
                (mouse->position().toPoint() - m_pressPoint).manhattanLength() >=
                    QApplication::startDragDistance())
            {
                m_dragging = true;
                NMTREEVIEW drag{};
                drag.action = 0;
                drag.itemNew = TreeItemOf(m_pressed);
                drag.ptDrag = FromQPoint(m_pressPoint + ViewportOffset(m_tree));
                CWnd::NotifyOwner(m_tree, TVN_BEGINDRAG, &drag.hdr);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            m_pressed = nullptr;
            m_dragging = false;
            return false;
        default:
            return false;
        }
    }

private:
    QTreeWidget* m_tree;
    QObject* m_viewport = nullptr;
    QTreeWidgetItem* m_pressed = nullptr;
    QPoint m_pressPoint;
    bool m_dragging = false;
};
} // namespace

QLineEdit* LabelEditor(QTreeWidget* tree)
{
    const auto* delegate = dynamic_cast<const LabelDelegate*>(tree->itemDelegate());
    return delegate != nullptr ? delegate->Editor() : nullptr;
}

TVITEM TreeItemOf(QTreeWidgetItem* item)
{
    return {ToTreeItem(item),
            item != nullptr ? static_cast<LPARAM>(item->data(0, Qt::UserRole).toULongLong()) : 0,
            nullptr};
}

void NotifyTreeSelection(QTreeWidget* tree, QTreeWidgetItem* previous, QTreeWidgetItem* current)
{
    NMTREEVIEW change{};
    change.itemOld = TreeItemOf(previous);
    change.itemNew = TreeItemOf(current);
    CWnd::NotifyOwner(tree, TVN_SELCHANGED, &change.hdr);
}

QTreeWidget* CreateTreeWidget(QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setItemDelegate(new LabelDelegate(tree));
    new TreeWatcher(tree);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [tree](QTreeWidgetItem* current, QTreeWidgetItem* previous)
                     { NotifyTreeSelection(tree, previous, current); });
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree,
                     [tree](QTreeWidgetItem* item) { NotifyExpansion(tree, item, true); });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree,
                     [tree](QTreeWidgetItem* item) { NotifyExpansion(tree, item, false); });
    ConnectClicks(tree);
    return tree;
}
