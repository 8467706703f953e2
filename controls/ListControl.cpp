#include "controls/ListControl.h"

#include <cstdarg>

int ListControl::InsertRow(int row, int count, ...)
{
    va_list texts;
    va_start(texts, count);
    const char* first = count > 0 ? va_arg(texts, const char*) : "";
    const int inserted = InsertItem(row, first);
    if (inserted >= 0)
    {
        for (int column = 1; column < count; ++column)
        {
            const char* text = va_arg(texts, const char*);
            if (text != nullptr)
                SetItemText(inserted, column, text);
        }
    }
    va_end(texts);
    return inserted;
}

void ListControl::OnLButtonDown(UINT flags, CPoint point)
{
    LVHITTESTINFO hit{point, 0, -1, -1};
    SubItemHitTest(&hit);
    m_clickedRow = hit.iItem;
    CListCtrl::OnLButtonDown(flags, point);
}
