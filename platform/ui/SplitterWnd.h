#pragma once

#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"

#include <memory>
#include <vector>

class CView;
struct CCreateContext;

// A window split into panes of one row or one column, with bars the user drags. The pane of a
// cell is the view that holds the cell's id (IdFromRowCol); RecalcLayout puts each pane in its
// cell, so a cell shows another view once that view takes its id.
class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // A static splitter as a child of parent; FALSE unless rows or cols is 1 (at most 16 panes).
    virtual BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                              UINT id = AFX_IDW_PANE_FIRST);
    // A view of the class in the cell with the cell's id; sizeInit gives the ideal width of the
    // column and height of the row. The splitter owns the view.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* viewClass, CSize sizeInit,
                            CCreateContext* context);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    int IdFromRowCol(int row, int col) const;
    // The view that holds the cell's id; null when none does.
    CWnd* GetPane(int row, int col) const;

    // Ideal sizes take effect at the next layout: every pane but the last gets its ideal size,
    // the last the rest.
    void SetColumnInfo(int col, int ideal, int min);
    // The size shown (the ideal one while the splitter is not shown) and the minimum.
    void GetColumnInfo(int col, int& current, int& min) const;
    void SetRowInfo(int row, int ideal, int min);
    void GetRowInfo(int row, int& current, int& min) const;

    // Puts each cell's pane in its cell and applies the ideal sizes set since the last layout.
    virtual void RecalcLayout();

private:
    struct Track
    {
        int ideal = 0;
        int min = 0;
    };

    bool ValidCell(int row, int col) const;
    bool SplitsColumns() const { return GetColumnCount() > 1 || GetRowCount() == 1; }
    // The column (columns) or row at index; the panes are split along one of the two.
    void SetTrackInfo(bool columns, int index, int ideal, int min);
    void GetTrackInfo(bool columns, int index, int& current, int& min) const;
    // Sizes the panes from the ideal sizes once the splitter has a size; false before.
    bool ApplyIdealSizes();

    std::vector<Track> m_rows;
    std::vector<Track> m_columns;
    bool m_sizesPending = false;
    std::vector<HWND> m_cells;
    std::vector<std::unique_ptr<CView>> m_views;
};
