#include "platform/ui/DC.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/TreeItems.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WndState.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <optional>

namespace
{
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

int Depth(QTreeWidgetItem* item)
{
    int depth = 0;
    for (QTreeWidgetItem* parent = item->parent(); parent != nullptr; parent = parent->parent())
        ++depth;
    return depth;
}

// The label edit: TVN_BEGINLABELEDIT before the editor opens, TVN_ENDLABELEDIT when it closes.
// Custom draw (NM_CUSTOMDRAW) of the items, and TVN_ITEMCHANGED when the user turns a check box.
class LabelDelegate : public QStyledItemDelegate
{
public:
    // A paint of the tree begins.
    void StartPaint() { m_started = false; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        CDC dc;
        dc.Attach(painter);
        const QPoint offset = ViewportOffset(m_tree);
        dc.SetDeviceOffset(FromQPoint(offset));
        if (!m_started)
        {
            m_started = true;
            m_paint = Notify(dc, CDDS_PREPAINT, nullptr,
                             m_tree->viewport()->rect().translated(offset), option, nullptr);
        }
        m_drawn.reset();
        if ((m_paint & CDRF_NOTIFYITEMDRAW) != 0)
        {
            NMTVCUSTOMDRAW draw{};
            const LRESULT answer = Notify(dc, CDDS_ITEMPREPAINT, m_tree->itemFromIndex(index),
                                          option.rect.translated(offset), option, &draw);
            if ((answer & CDRF_SKIPDEFAULT) != 0)
                return;
            ItemLook look;
            look.text = draw.clrText;
            look.background = draw.clrTextBk;
            if ((answer & CDRF_NEWFONT) != 0 && dc.GetCurrentFont() != nullptr &&
                dc.GetCurrentFont()->IsCreated())
                look.font = dc.GetCurrentFont()->GetQFont();
            m_drawn = look;
        }
        dc.Detach();
        if (m_drawn && m_drawn->background != GetSysColor(COLOR_WINDOW) &&
            !(option.state & QStyle::State_Selected))
            painter->fillRect(option.rect, ToQColor(m_drawn->background));
        QStyledItemDelegate::paint(painter, option, index);
        m_drawn.reset();
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        const QVariant before = index.data(Qt::CheckStateRole);
        const bool handled = QStyledItemDelegate::editorEvent(event, model, option, index);
        const QVariant after = index.data(Qt::CheckStateRole);
        if (before.isValid() && after != before)
        {
            NMTVITEMCHANGE change{};
            QTreeWidgetItem* item = m_tree->itemFromIndex(index);
            change.uChanged = TVIF_STATE;
            change.hItem = ToTreeItem(item);
            change.uStateOld = StateImage(before);
            change.uStateNew = StateImage(after);
            change.lParam = TreeItemOf(item).lParam;
            CWnd::NotifyOwner(m_tree, TVN_ITEMCHANGED, &change.hdr);
        }
        return handled;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_drawn)
            return;
        if (m_drawn->font)
            option->font = *m_drawn->font;
        option->palette.setColor(QPalette::Text, ToQColor(m_drawn->text));
    }

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

    // What custom draw made of the item being painted.
    struct ItemLook
    {
        COLORREF text = 0;
        COLORREF background = 0;
        std::optional<QFont> font;
    };

    static UINT StateImage(const QVariant& check)
    {
        return INDEXTOSTATEIMAGEMASK(check.toInt() == Qt::Checked ? 2 : 1);
    }

    LRESULT Notify(CDC& dc, DWORD stage, QTreeWidgetItem* item, const QRect& rect,
                   const QStyleOptionViewItem& option, NMTVCUSTOMDRAW* out) const
    {
        NMTVCUSTOMDRAW draw{};
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.hdc = &dc;
        draw.nmcd.rc = FromQRect(rect);
        draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(ToTreeItem(item));
        draw.nmcd.uItemState = (option.state & QStyle::State_Selected) ? CDIS_SELECTED : 0;
        draw.nmcd.lItemlParam = TreeItemOf(item).lParam;
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
        draw.clrTextBk = GetSysColor(COLOR_WINDOW);
        draw.iLevel = item != nullptr ? Depth(item) : 0;
        const LRESULT answer = CWnd::NotifyOwner(m_tree, NM_CUSTOMDRAW, &draw.nmcd.hdr);
        if (out != nullptr)
            *out = draw;
        return answer;
    }

    QTreeWidget* m_tree;
    mutable QTreeWidgetItem* m_item = nullptr;
    mutable QPointer<QLineEdit> m_editor;
    mutable bool m_started = false;
    mutable LRESULT m_paint = 0;
    mutable std::optional<ItemLook> m_drawn;
};

constexpr const char* kColumnFitPending = "weavoColumnFitPending";

// Once the changes under way are done, the column becomes as wide as its widest shown row; the
// tree's stretched column keeps at least the tree's width.
void ScheduleColumnFit(QTreeWidget* tree)
{
    if (tree->property(kColumnFitPending).toBool())
        return;
    tree->setProperty(kColumnFitPending, true);
    QTimer::singleShot(0, tree,
                       [tree]
                       {
                           tree->setProperty(kColumnFitPending, false);
                           // Public in the base class.
                           const QAbstractItemView* view = tree;
                           tree->header()->setMinimumSectionSize(view->sizeHintForColumn(0));
                       });
}

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
        if (event->type() == QEvent::Paint && watched == m_viewport)
        {
            if (auto* delegate = dynamic_cast<LabelDelegate*>(m_tree->itemDelegate()))
                delegate->StartPaint();
            return false;
        }
        if (event->type() == QEvent::DynamicPropertyChange && watched == m_tree &&
            static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kStyleProperty &&
            (m_tree->property(kStyleProperty).toUInt() & TVS_CHECKBOXES) != 0)
        {
            ShowCheckBoxes(m_tree);
            return false;
        }
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
    // The owner put the selection elsewhere (a move it refused): a click highlights the item it
    // hit after this, so the item the owner chose is highlighted again once the click is done.
    if (tree->currentItem() != current)
    {
        const QPointer<QTreeWidget> alive(tree);
        QTimer::singleShot(0, tree,
                           [alive]
                           {
                               if (alive.isNull() || alive->currentItem() == nullptr)
                                   return;
                               const QSignalBlocker silent(alive.data());
                               alive->setCurrentItem(alive->currentItem());
                           });
    }
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
    // Rows wider than the tree scroll it sideways rather than being cut.
    const auto fit = [tree] { ScheduleColumnFit(tree); };
    QAbstractItemModel* model = tree->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, tree, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, tree, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, tree, fit);
    QObject::connect(model, &QAbstractItemModel::modelReset, tree, fit);
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, fit);
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, fit);
    return tree;
}

QRect CheckBoxRect(QTreeWidget* tree, QTreeWidgetItem* item)
{
    if (!item->data(0, Qt::CheckStateRole).isValid())
        return {};
    QStyleOptionViewItem option;
    option.initFrom(tree->viewport());
    option.rect = tree->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    if (!item->icon(0).isNull())
        option.features |= QStyleOptionViewItem::HasDecoration;
    option.decorationSize = tree->iconSize();
    option.text = item->text(0);
    option.font = item->font(0);
    option.checkState = item->checkState(0);
    option.showDecorationSelected = true;
    return tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
}

void ShowCheckBoxes(QTreeWidget* tree)
{
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
    {
        if (!(*it)->data(0, Qt::CheckStateRole).isValid())
            (*it)->setCheckState(0, Qt::Unchecked);
    }
}
