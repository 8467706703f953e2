#include "platform/ui/SplitterWnd.h"

#include "platform/ui/View.h"

#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

namespace
{
constexpr int kMaxPanes = 16;

// A splitter that tells its owner when it gets a new size.
class SplitterWidget : public QSplitter
{
public:
    SplitterWidget(Qt::Orientation orientation, QWidget* parent, std::function<void()> resized)
        : QSplitter(orientation, parent), m_resized(std::move(resized))
    {
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QSplitter::resizeEvent(event);
        m_resized();
    }

private:
    std::function<void()> m_resized;
};
} // namespace

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id)
{
    if (GetSafeHwnd() != nullptr || parent == nullptr || parent->GetSafeHwnd() == nullptr ||
        rows < 1 || cols < 1 || (rows > 1 && cols > 1) || rows * cols > kMaxPanes)
        return FALSE;
    m_rows.assign(static_cast<std::size_t>(rows), Track());
    m_columns.assign(static_cast<std::size_t>(cols), Track());
    const Qt::Orientation orientation = SplitsColumns() ? Qt::Horizontal : Qt::Vertical;
    auto* splitter = new SplitterWidget(orientation, parent->GetSafeHwnd(),
                                        [this]
                                        {
                                            if (m_sizesPending && ApplyIdealSizes())
                                                m_sizesPending = false;
                                        });
    splitter->setChildrenCollapsible(false);
    SetOwnedWidget(splitter);
    SetDlgCtrlID(static_cast<int>(id));
    const int panes = rows * cols;
    for (int index = 0; index < panes; ++index)
    {
        auto* cell = new QWidget(splitter);
        auto* layout = new QVBoxLayout(cell);
        layout->setContentsMargins(0, 0, 0, 0);
        splitter->addWidget(cell);
        // The last pane takes what the others leave when the splitter grows or shrinks.
        splitter->setStretchFactor(index, index == panes - 1 ? 1 : 0);
        m_cells.push_back(cell);
    }
    splitter->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* viewClass, CSize sizeInit,
                              CCreateContext* context)
{
    if (GetSafeHwnd() == nullptr || !ValidCell(row, col))
        return FALSE;
    const HWND cell = m_cells[static_cast<std::size_t>(row * GetColumnCount() + col)];
    std::unique_ptr<CView> view =
        CView::CreateFromClass(viewClass, cell, static_cast<UINT>(IdFromRowCol(row, col)), context);
    if (!view)
        return FALSE;
    m_views.push_back(std::move(view));
    SetColumnInfo(col, sizeInit.cx, m_columns[static_cast<std::size_t>(col)].min);
    SetRowInfo(row, sizeInit.cy, m_rows[static_cast<std::size_t>(row)].min);
    RecalcLayout();
    return TRUE;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return static_cast<int>(AFX_IDW_PANE_FIRST) + row * kMaxPanes + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    const int id = IdFromRowCol(row, col);
    for (const std::unique_ptr<CView>& view : m_views)
    {
        if (view->GetSafeHwnd() != nullptr && view->GetDlgCtrlID() == id)
            return view.get();
    }
    return nullptr;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int min)
{
    SetTrackInfo(true, col, ideal, min);
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& min) const
{
    GetTrackInfo(true, col, current, min);
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int min)
{
    SetTrackInfo(false, row, ideal, min);
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& min) const
{
    GetTrackInfo(false, row, current, min);
}

void CSplitterWnd::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    for (int row = 0; row < GetRowCount(); ++row)
    {
        for (int col = 0; col < GetColumnCount(); ++col)
        {
            const HWND cell = m_cells[static_cast<std::size_t>(row * GetColumnCount() + col)];
            QLayout* layout = cell->layout();
            CWnd* pane = GetPane(row, col);
            const HWND paneWidget = pane != nullptr ? pane->GetSafeHwnd() : nullptr;
            for (const std::unique_ptr<CView>& view : m_views)
            {
                if (view->GetSafeHwnd() != nullptr && view->GetSafeHwnd() != paneWidget)
                    layout->removeWidget(view->GetSafeHwnd());
            }
            if (paneWidget == nullptr)
                continue;
            if (paneWidget->parentWidget() != cell)
            {
                const bool hidden = paneWidget->isHidden();
                paneWidget->setParent(cell);
                paneWidget->setHidden(hidden);
            }
            if (layout->indexOf(paneWidget) < 0)
                layout->addWidget(paneWidget);
        }
    }
    if (m_sizesPending && ApplyIdealSizes())
        m_sizesPending = false;
}

bool CSplitterWnd::ValidCell(int row, int col) const
{
    return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
}

void CSplitterWnd::SetTrackInfo(bool columns, int index, int ideal, int min)
{
    std::vector<Track>& tracks = columns ? m_columns : m_rows;
    if (index < 0 || index >= static_cast<int>(tracks.size()))
        return;
    tracks[static_cast<std::size_t>(index)] = {ideal, min};
    if (columns != SplitsColumns() || GetSafeHwnd() == nullptr)
        return;
    const HWND cell = m_cells[static_cast<std::size_t>(index)];
    if (columns)
        cell->setMinimumWidth(min);
    else
        cell->setMinimumHeight(min);
    m_sizesPending = true;
}

void CSplitterWnd::GetTrackInfo(bool columns, int index, int& current, int& min) const
{
    const std::vector<Track>& tracks = columns ? m_columns : m_rows;
    current = 0;
    min = 0;
    if (index < 0 || index >= static_cast<int>(tracks.size()))
        return;
    const Track& track = tracks[static_cast<std::size_t>(index)];
    min = track.min;
    current = track.ideal;
    auto* splitter = qobject_cast<QSplitter*>(GetSafeHwnd());
    if (splitter == nullptr || !splitter->isVisible())
        return;
    if (columns != SplitsColumns())
        current = columns ? splitter->width() : splitter->height();
    else if (!m_sizesPending)
        current = splitter->sizes().value(index);
}

bool CSplitterWnd::ApplyIdealSizes()
{
    auto* splitter = qobject_cast<QSplitter*>(GetSafeHwnd());
    if (splitter == nullptr || !splitter->isVisible())
        return false;
    const bool columns = SplitsColumns();
    const std::vector<Track>& tracks = columns ? m_columns : m_rows;
    const int count = static_cast<int>(tracks.size());
    int remaining =
        (columns ? splitter->width() : splitter->height()) - splitter->handleWidth() * (count - 1);
    if (remaining <= 0)
        return false;
    QList<int> sizes;
    for (int index = 0; index + 1 < count; ++index)
    {
        const int size = std::clamp(tracks[static_cast<std::size_t>(index)].ideal, 0, remaining);
        sizes.append(size);
        remaining -= size;
    }
    sizes.append(remaining);
    splitter->setSizes(sizes);
    return true;
}
