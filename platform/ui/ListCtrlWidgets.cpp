#include "platform/ui/ListCtrlWidgets.h"

#include "platform/ui/DC.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/SystemSettings.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <utility>
#include <vector>

namespace
{
bool HasGridLines(const QWidget* list)
{
    return (list->property("weavoExtendedStyle").toUInt() & LVS_EX_GRIDLINES) != 0;
}

LPARAM RowData(const QTreeWidget* list, int row)
{
    const QTreeWidgetItem* item = list->topLevelItem(row);
    return item != nullptr ? static_cast<LPARAM>(item->data(0, Qt::UserRole).toULongLong()) : 0;
}

// Draws the header's items, handing owner-drawn ones to the header's handle (WM_DRAWITEM through
// the list) and adding the bitmap of HDF_BITMAP items.
class ListHeaderView : public QHeaderView
{
public:
    explicit ListHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override
    {
        QTreeWidget* list = ListOfHeader(this);
        const QTreeWidgetItem* heading = list != nullptr ? list->headerItem() : nullptr;
        const int format =
            heading != nullptr ? heading->data(section, kHeaderFormatRole).toInt() : 0;
        if ((format & HDF_OWNERDRAW) != 0)
        {
            CDC dc;
            dc.Attach(painter);
            dc.SetDeviceOffset(FromQPoint(viewport()->mapTo(this, QPoint(0, 0))));
            const int id = property("weavoId").toInt();
            DRAWITEMSTRUCT draw{ODT_HEADER,
                                static_cast<UINT>(id),
                                static_cast<UINT>(section),
                                ODA_DRAWENTIRE,
                                0,
                                const_cast<ListHeaderView*>(this),
                                &dc,
                                FromQRect(rect.translated(viewport()->mapTo(this, QPoint(0, 0)))),
                                0};
            if (CWnd* owner = CWnd::FromHandle(list))
                owner->SendMessage(WM_DRAWITEM, static_cast<WPARAM>(id),
                                   reinterpret_cast<LPARAM>(&draw));
            dc.Detach();
            return;
        }
        QHeaderView::paintSection(painter, rect, section);
        const auto* bitmap = reinterpret_cast<const CBitmap*>(
            heading != nullptr ? heading->data(section, kHeaderBitmapRole).value<quintptr>() : 0);
        if ((format & HDF_BITMAP) != 0 && bitmap != nullptr && bitmap->GetImage() != nullptr)
        {
            const QImage& image = *bitmap->GetImage();
            painter->drawImage(QPoint(rect.right() - image.width() - 6,
                                      rect.top() + (rect.height() - image.height()) / 2),
                               image);
        }
    }
};

// The list: before the user's click or key selects a row, LVN_ITEMCHANGING goes to the owner,
// whose answer TRUE keeps the selection as it is (a refused click changes nothing).
class ListWidget : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && Refused(indexAt(event->position().toPoint())))
        {
            m_refusedPress = true;
            return;
        }
        QTreeWidget::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!std::exchange(m_refusedPress, false))
            QTreeWidget::mouseReleaseEvent(event);
    }

    // LVS_EX_GRIDLINES: a line right of every column and under every row height, down the view.
    // The line under a row takes the pixel row that the grid adds to each row's height.
    void paintEvent(QPaintEvent* event) override
    {
        QTreeWidget::paintEvent(event);
        if (!HasGridLines(this) || topLevelItemCount() == 0)
            return;
        QPainter painter(viewport());
        painter.setPen(ToQColor(GetSysColor(COLOR_BTNFACE)));
        const QRect first = visualItemRect(topLevelItem(0));
        const int rowHeight = std::max(first.height(), 1);
        const int right = header()->length() - header()->offset() - 1;
        for (int y = first.top() + rowHeight - 1; y < viewport()->height(); y += rowHeight)
            painter.drawLine(0, y, right, y);
        for (int column = 0; column < header()->count(); ++column)
        {
            const int x =
                header()->sectionViewportPosition(column) + header()->sectionSize(column) - 1;
            painter.drawLine(x, 0, x, viewport()->height());
        }
    }

    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override
    {
        if (event != nullptr && event->type() == QEvent::KeyPress && Refused(index))
            return QItemSelectionModel::NoUpdate;
        return QTreeWidget::selectionCommand(index, event);
    }

private:
    bool Refused(const QModelIndex& index) const
    {
        return index.isValid() && !selectionModel()->isRowSelected(index.row(), QModelIndex()) &&
               NotifyListItemChanging(const_cast<ListWidget*>(this), index.row()) != 0;
    }

    bool m_refusedPress = false;
};

// Custom draw of the rows and cells (NM_CUSTOMDRAW), stage by stage.
class CustomDrawDelegate : public QStyledItemDelegate
{
public:
    explicit CustomDrawDelegate(QTreeWidget* list) : QStyledItemDelegate(list), m_list(list) {}

    // A paint of the list begins.
    void StartPaint() { m_started = false; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        CDC dc;
        dc.Attach(painter);
        dc.SetDeviceOffset(FromQPoint(ViewportOffset(m_list)));
        const QPoint offset = ViewportOffset(m_list);
        if (!m_started)
        {
            m_started = true;
            m_row = -1;
            m_paint = Notify(dc, CDDS_PREPAINT, 0, 0, m_list->viewport()->rect().translated(offset),
                             option, nullptr);
        }
        COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
        COLORREF background = GetSysColor(COLOR_WINDOW);
        if ((m_paint & CDRF_NOTIFYITEMDRAW) != 0)
        {
            const int row = index.row();
            if (row != m_row)
            {
                m_row = row;
                QRect bounds = m_list->visualRect(index.siblingAtColumn(0));
                bounds.setLeft(0);
                bounds.setRight(m_list->header()->length() - 1);
                NMLVCUSTOMDRAW draw{};
                m_rowAnswer =
                    Notify(dc, CDDS_ITEMPREPAINT, row, 0, bounds.translated(offset), option, &draw);
                m_rowText = draw.clrText;
                m_rowBackground = draw.clrTextBk;
            }
            if ((m_rowAnswer & CDRF_SKIPDEFAULT) != 0)
                return;
            text = m_rowText;
            background = m_rowBackground;
            if ((m_rowAnswer & CDRF_NOTIFYSUBITEMDRAW) != 0)
            {
                NMLVCUSTOMDRAW draw{};
                const LRESULT answer =
                    Notify(dc, CDDS_ITEMPREPAINT | CDDS_SUBITEM, row, index.column(),
                           option.rect.translated(offset), option, &draw);
                if ((answer & CDRF_SKIPDEFAULT) != 0)
                    return;
                text = draw.clrText;
                background = draw.clrTextBk;
            }
        }
        dc.Detach();
        QStyleOptionViewItem shown(option);
        // The last pixel row is the grid line's, so that it never covers the text's lowest row.
        if (HasGridLines(m_list))
            shown.rect.setBottom(shown.rect.bottom() - 1);
        if (background != GetSysColor(COLOR_WINDOW))
            painter->fillRect(shown.rect, ToQColor(background));
        shown.palette.setColor(QPalette::Text, ToQColor(text));
        QStyledItemDelegate::paint(painter, shown, index);
    }

    // A list with grid lines gives each row one pixel row more, for the line under it.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return HasGridLines(m_list) ? size + QSize(0, 1) : size;
    }

private:
    LRESULT Notify(CDC& dc, DWORD stage, int row, int column, const QRect& rect,
                   const QStyleOptionViewItem& option, NMLVCUSTOMDRAW* out) const
    {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.hdc = &dc;
        draw.nmcd.rc = FromQRect(rect);
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.nmcd.uItemState = (option.state & QStyle::State_Selected) ? CDIS_SELECTED : 0;
        draw.nmcd.lItemlParam = RowData(m_list, row);
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
        draw.clrTextBk = GetSysColor(COLOR_WINDOW);
        draw.iSubItem = column;
        const LRESULT answer = CWnd::NotifyOwner(m_list, NM_CUSTOMDRAW, &draw.nmcd.hdr);
        if (out != nullptr)
            *out = draw;
        return answer;
    }

    QTreeWidget* m_list;
    mutable bool m_started = false;
    mutable LRESULT m_paint = 0;
    mutable int m_row = -1;
    mutable LRESULT m_rowAnswer = 0;
    mutable COLORREF m_rowText = 0;
    mutable COLORREF m_rowBackground = 0;
};

// Watches the list's viewport: a paint starts a custom-draw cycle; a press that Qt handles and
// its release make NM_CLICK (NM_RCLICK), a double click NM_DBLCLK, with the row hit.
class ViewportWatcher : public QObject
{
public:
    ViewportWatcher(QTreeWidget* list, CustomDrawDelegate* delegate)
        : QObject(list), m_list(list), m_delegate(delegate)
    {
        list->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type())
        {
        case QEvent::Paint:
            m_delegate->StartPaint();
            break;
        case QEvent::MouseButtonPress:
            m_pressed = static_cast<QMouseEvent*>(event)->button();
            break;
        case QEvent::MouseButtonRelease:
        {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == m_pressed)
                Notify(mouse->button() == Qt::RightButton ? NM_RCLICK : NM_CLICK, *mouse);
            m_pressed = Qt::NoButton;
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                Notify(NM_DBLCLK, *static_cast<QMouseEvent*>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Notify(int code, const QMouseEvent& mouse)
    {
        const QPoint point = mouse.position().toPoint();
        const QModelIndex index = m_list->indexAt(point);
        NMITEMACTIVATE click{};
        click.iItem = index.isValid() ? index.row() : -1;
        click.iSubItem = index.isValid() ? index.column() : -1;
        click.ptAction = FromQPoint(point + ViewportOffset(m_list));
        click.lParam = RowData(m_list, click.iItem);
        CWnd::NotifyOwner(m_list, code, &click.hdr);
    }

    QTreeWidget* m_list;
    CustomDrawDelegate* m_delegate;
    Qt::MouseButton m_pressed = Qt::NoButton;
};

void NotifyListItemChanged(QTreeWidget* list, QTreeWidgetItem* item, UINT oldState, UINT newState)
{
    NMLISTVIEW change{};
    change.iItem = list->indexOfTopLevelItem(item);
    change.uOldState = oldState;
    change.uNewState = newState;
    change.uChanged = LVIF_STATE;
    change.lParam = static_cast<LPARAM>(item->data(0, Qt::UserRole).toULongLong());
    CWnd::NotifyOwner(list, LVN_ITEMCHANGED, &change.hdr);
}

// One notification per row of the selection, whichever of its columns it names.
void NotifyRowsChanged(QTreeWidget* list, const QItemSelection& rows, UINT oldState, UINT newState)
{
    std::vector<QPersistentModelIndex> told;
    for (const QModelIndex& index : rows.indexes())
        if (index.column() == 0)
            told.emplace_back(index);
    for (const QPersistentModelIndex& index : told)
        if (index.isValid())
            NotifyListItemChanged(list, list->topLevelItem(index.row()), oldState, newState);
}
} // namespace

LRESULT NotifyListItemChanging(QTreeWidget* list, int row)
{
    NMLISTVIEW change{};
    change.iItem = row;
    change.uNewState = LVIS_SELECTED | LVIS_FOCUSED;
    change.uChanged = LVIF_STATE;
    change.lParam = RowData(list, row);
    return CWnd::NotifyOwner(list, LVN_ITEMCHANGING, &change.hdr);
}

QTreeWidget* ListOfHeader(const QHeaderView* header)
{
    return header != nullptr ? qobject_cast<QTreeWidget*>(header->parentWidget()) : nullptr;
}

QTreeWidget* CreateListWidget(QWidget* parent)
{
    auto* list = new ListWidget(parent);
    list->setHeader(new ListHeaderView(list));
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setColumnCount(0);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* delegate = new CustomDrawDelegate(list);
    list->setItemDelegate(delegate);
    new ViewportWatcher(list, delegate);
    // Every change of a row's selection is told, whatever made it: a row that was current and
    // not selected may be selected again without the current row moving.
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, list,
                     [list](const QItemSelection& selected, const QItemSelection& deselected)
                     {
                         if (list->signalsBlocked())
                             return;
                         NotifyRowsChanged(list, deselected, LVIS_SELECTED | LVIS_FOCUSED, 0);
                         NotifyRowsChanged(list, selected, 0, LVIS_SELECTED | LVIS_FOCUSED);
                     });
    QObject::connect(list->header(), &QHeaderView::sectionClicked, list,
                     [list](int section)
                     {
                         NMLISTVIEW click{};
                         click.iItem = -1;
                         click.iSubItem = section;
                         CWnd::NotifyOwner(list, LVN_COLUMNCLICK, &click.hdr);
                     });
    return list;
}
