#include "shell/SplitterWnd.h"

#include "platform/ui/WinApp.h"

namespace
{
constexpr int kDefaultSize = 100;
constexpr int kMinimumSize = 10;
constexpr int kViewSize = 225;
} // namespace

SplitterWnd::SplitterWnd(int idNumber, bool sideBySide)
    : m_idNumber(idNumber), m_sideBySide(sideBySide)
{
}

SplitterWnd::~SplitterWnd()
{
    SavePaneSizes();
}

BOOL SplitterWnd::CreateStaticPanes(CWnd* parent)
{
    const int rows = m_sideBySide ? 1 : 2;
    const int columns = m_sideBySide ? 2 : 1;
    if (!CreateStatic(parent, rows, columns, WS_CHILD | WS_VISIBLE | WS_BORDER))
        return FALSE;
    for (int pane = 0; pane < 2; ++pane)
    {
        if (m_sideBySide)
            SetColumnInfo(pane, kDefaultSize, kMinimumSize);
        else
            SetRowInfo(pane, kDefaultSize, kMinimumSize);
    }
    return TRUE;
}

int SplitterWnd::AddView(int pane, CRuntimeClass* viewClass, CCreateContext* context)
{
    const int row = CellRow(pane);
    const int column = CellColumn(pane);
    CWnd* shown = GetPane(row, column);
    if (shown != nullptr)
    {
        shown->SetDlgCtrlID(0);
        shown->ShowWindow(SW_HIDE);
    }
    if (!CreateView(row, column, viewClass, CSize{kViewSize, kViewSize}, context))
    {
        if (shown != nullptr)
        {
            shown->SetDlgCtrlID(IdFromRowCol(row, column));
            shown->ShowWindow(SW_SHOW);
        }
        return -1;
    }
    std::vector<CWnd*>& views = m_views[pane];
    views.push_back(GetPane(row, column));
    m_current[pane] = static_cast<int>(views.size()) - 1;
    views.back()->ShowWindow(SW_SHOW);
    Redraw();
    return m_current[pane];
}

void SplitterWnd::ShowView(int pane, int index)
{
    std::vector<CWnd*>& views = m_views[pane];
    if (views.empty())
        return;
    if (index == -1)
        index = m_current[pane] + 1 < static_cast<int>(views.size()) ? m_current[pane] + 1 : 0;
    if (index < 0 || index >= static_cast<int>(views.size()))
        return;
    const int row = IsPaneHidden(0) ? 0 : CellRow(pane);
    const int column = IsPaneHidden(0) ? 0 : CellColumn(pane);
    CWnd* chosen = views[static_cast<std::size_t>(index)];
    CWnd* shown = GetPane(row, column);
    if (shown != nullptr && shown != chosen)
    {
        shown->SetDlgCtrlID(0);
        shown->ShowWindow(SW_HIDE);
    }
    chosen->SetDlgCtrlID(IdFromRowCol(row, column));
    chosen->ShowWindow(SW_SHOW);
    m_current[pane] = index;
    RecalcLayout();
    Redraw();
}

CWnd* SplitterWnd::GetView(int pane, int index) const
{
    const std::vector<CWnd*>& views = m_views[pane];
    if (index < 0 || index >= static_cast<int>(views.size()))
        return nullptr;
    return views[static_cast<std::size_t>(index)];
}

int SplitterWnd::GetViewCount(int pane) const
{
    return static_cast<int>(m_views[pane].size());
}

bool SplitterWnd::IsPaneHidden(int pane) const
{
    return pane == (m_sideBySide ? m_hiddenColumn : m_hiddenRow);
}

void SplitterWnd::SavePaneSizes()
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr || GetSafeHwnd() == nullptr)
        return;
    int sizes[2] = {kDefaultSize, kDefaultSize};
    if (!IsPaneHidden(0) && !IsPaneHidden(1))
    {
        for (int pane = 0; pane < 2; ++pane)
        {
            int minimum = 0;
            if (m_sideBySide)
                GetColumnInfo(pane, sizes[pane], minimum);
            else
                GetRowInfo(pane, sizes[pane], minimum);
            if (sizes[pane] == -1)
                sizes[pane] = kDefaultSize;
        }
    }
    CString key;
    key.Format("Panes_%d", m_idNumber);
    CString value;
    value.Format("%d %d %d %d", m_hiddenColumn, sizes[0], m_hiddenRow, sizes[1]);
    app->WriteProfileString("SplitterWnd", key, value);
}

void SplitterWnd::Redraw()
{
    Invalidate();
    UpdateWindow();
}
