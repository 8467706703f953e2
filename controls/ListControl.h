#pragma once

#include "platform/ui/ListCtrl.h"

// A report-view list that remembers the row of the last left-button press and inserts a whole
// row of texts at once.
class ListControl : public CListCtrl
{
public:
    // Inserts a row at row with the first text in column 0, then sets columns 1 .. count - 1 from
    // the following texts (const char*), skipping null ones. The new row's index, or the failed
    // insert's negative result with no further text set.
    int InsertRow(int row, int count, ...);

    // The row under the last left-button press; -1 when the press was on no row.
    int GetClickedRow() const { return m_clickedRow; }

protected:
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    int m_clickedRow = -1;
};
