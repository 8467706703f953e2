#include "controls/CellComboList.h"
#include "controls/CellListCtrl.h"
#include "platform/ui/DC.h"
#include "platform/ui/HeaderCtrl.h"

#include <cstdio>

namespace
{
constexpr int HEADER_MARGIN = 6;
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF PROGRESS_BACK = 0xE0E0E0;

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}
} // namespace

LRESULT CCellListCtrl::CustomDraw(NMLVCUSTOMDRAW& draw)
{
    if (draw.nmcd.dwDrawStage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM))
        return CDRF_NOTIFYSUBITEMDRAW;
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    const int column = draw.iSubItem;
    CellRecord* record = Cell(row, column);
    if (record == nullptr)
        return CDRF_DODEFAULT;
    const bool rowEnabled = Cell(row, 0)->enabled != 0;
    draw.clrText = rowEnabled ? record->textColour : m_colours.greyText;
    draw.clrTextBk = record->backgroundColour;
    CDC& dc = *CDC::FromHandle(draw.nmcd.hdc);
    CRect cell = CellRect(row, column);
    // The row's last pixel row is the grid line's: the text's descent (an underscore) stays above
    // it.
    if ((GetExtendedStyle() & LVS_EX_GRIDLINES) != 0)
        cell.bottom -= 1;
    const BOOL selected = (GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    COLORREF text = draw.clrText;
    COLORREF background = draw.clrTextBk;
    ColoursOf(column, selected, text, background);
    const CString cellText = GetItemText(row, column);
    if (record->progress != 0)
        DrawProgress(dc, cell, *record, text, background, rowEnabled);
    else if (record->combo != 0 && selected)
        DrawCombo(dc, cell, row, column, *record, rowEnabled);
    else if (record->combo == 0 && record->checkState != -1)
        DrawCheckbox(dc, cell, *record, cellText, text, background, rowEnabled);
    else
    {
        CRect textRect = cell;
        dc.FillSolidRect(&cell, background);
        if (record->combo == 0 && record->image >= 0 && GetImageList(LVSIL_SMALL) != nullptr)
        {
            DrawImage(dc, cell, *record, background);
            int width = 0;
            int height = 0;
            GetImageList(LVSIL_SMALL)->GetIconSize(width, height);
            textRect.left += width + HEADER_MARGIN;
        }
        DrawText(dc, textRect, column, *record, cellText, text);
    }
    return CDRF_SKIPDEFAULT;
}

void CCellListCtrl::ColoursOf(int column, BOOL selected, COLORREF& text, COLORREF& background)
{
    if (!selected || ((GetExtendedStyle() & LVS_EX_FULLROWSELECT) == 0 && column != 0))
        return;
    if (GetFocus() == this)
    {
        text = m_colours.highlightText;
        background = m_colours.highlight;
    }
    else if ((GetStyle() & LVS_SHOWSELALWAYS) != 0)
    {
        text = m_colours.windowText;
        background = m_colours.face;
    }
}

void CCellListCtrl::DrawText(CDC& dc, const CRect& cell, int column, const CellRecord& record,
                             const CString& text, COLORREF colour)
{
    HDITEM item{HDI_FORMAT, 0, nullptr, nullptr, 0, 0, 0, 0};
    if (GetHeaderCtrl() != nullptr)
        GetHeaderCtrl()->GetItem(column, &item);
    UINT format = DT_VCENTER | DT_SINGLELINE;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
        format |= DT_CENTER;
    else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
        format |= DT_RIGHT;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    CFont bold;
    CFont* old = nullptr;
    if (record.bold != 0 && GetFont() != nullptr)
    {
        LOGFONT font{};
        GetFont()->GetLogFont(&font);
        font.lfWeight = 700;
        bold.CreateFontIndirect(&font);
        old = dc.SelectObject(&bold);
    }
    CRect rect = cell;
    rect.left += HEADER_MARGIN / 2;
    dc.DrawText(text, &rect, format);
    if (old != nullptr)
        dc.SelectObject(old);
}

void CCellListCtrl::DrawImage(CDC& dc, const CRect& cell, const CellRecord& record,
                              COLORREF background)
{
    CImageList* images = GetImageList(LVSIL_SMALL);
    int width = 0;
    int height = 0;
    images->GetIconSize(width, height);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(&cell);
    const COLORREF oldBack = images->SetBkColor(background);
    images->Draw(&dc, record.image,
                 CPoint(cell.left + HEADER_MARGIN, cell.top + (cell.Height() - height) / 2),
                 ILD_NORMAL);
    images->SetBkColor(oldBack);
    dc.RestoreDC(saved);
}

void CCellListCtrl::DrawCheckbox(CDC& dc, const CRect& cell, const CellRecord& record,
                                 const CString& text, COLORREF colour, COLORREF background,
                                 bool rowEnabled)
{
    dc.FillSolidRect(&cell, background);
    const int side = cell.Height() - 1;
    CRect box(cell.left + 9, cell.top, cell.left + 9 + side, cell.top + side);
    if (text.IsEmpty())
        box.OffsetRect((cell.Width() - side) / 2 - 9, 0);
    dc.FillSolidRect(&box, m_colours.window);
    CRect edge = box;
    edge.OffsetRect(1, 0);
    dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT);
    if (record.checkState == 1)
    {
        CPen pen(PS_SOLID, 1, rowEnabled ? BLACK : m_colours.greyText);
        CPen* old = dc.SelectObject(&pen);
        const int x = box.left + side / 2 - 3;
        const int y = box.top + side / 2 - 1;
        for (int i = 0; i < 4; ++i)
            Line(dc, x + i, y + i - 1, x + i, y + i + 2);
        for (int i = 0; i < 3; ++i)
            Line(dc, x + 4 + i, y + 1 - i, x + 4 + i, y + 4 - i);
        dc.SelectObject(old);
    }
    CRect textRect(box.right + 4, cell.top, cell.right, cell.bottom);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    dc.DrawText(text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CCellListCtrl::DrawProgress(CDC& dc, const CRect& cell, const CellRecord& record,
                                 COLORREF colour, COLORREF background, bool rowEnabled)
{
    CRect bar(cell.left + 1, cell.top, cell.right - 2, cell.bottom - 1);
    dc.FillSolidRect(&cell, background);
    CPen shadow(PS_SOLID, 1, m_colours.shadow);
    CPen black(PS_SOLID, 1, BLACK);
    CPen* old = dc.SelectObject(&shadow);
    Line(dc, bar.left, bar.bottom - 1, bar.left, bar.top);
    Line(dc, bar.left, bar.top, bar.right, bar.top);
    dc.SelectObject(&black);
    Line(dc, bar.left, bar.bottom - 1, bar.right - 1, bar.bottom - 1);
    Line(dc, bar.right - 1, bar.bottom - 1, bar.right - 1, bar.top);
    dc.SelectObject(old);
    CRect inside(bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1);
    dc.FillSolidRect(&inside, PROGRESS_BACK);
    const int left = bar.left + 2;
    const int filledRight = left + (bar.right - left) * record.percent / 100;
    if (record.percent > 0)
    {
        CRect filled(left, inside.top, filledRight, inside.bottom);
        dc.FillSolidRect(&filled, m_colours.highlight);
    }
    if (record.showProgressText == 0)
        return;
    char text[128];
    std::snprintf(text, sizeof(text),
                  record.progressText.IsEmpty() ? "%d%%"
                                                : static_cast<const char*>(record.progressText),
                  record.percent);
    dc.SetBkMode(TRANSPARENT);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    int saved = dc.SaveDC();
    CRect done(left, inside.top, filledRight, inside.bottom);
    dc.IntersectClipRect(&done);
    dc.SetTextColor(background);
    CRect textRect = bar;
    dc.DrawText(text, &textRect, format);
    dc.RestoreDC(saved);
    saved = dc.SaveDC();
    CRect rest(filledRight + 1, inside.top, inside.right, inside.bottom);
    dc.IntersectClipRect(&rest);
    dc.SetTextColor(rowEnabled ? colour : m_colours.greyText);
    textRect = bar;
    dc.DrawText(text, &textRect, format);
    dc.RestoreDC(saved);
}

void CCellListCtrl::DrawCombo(CDC& dc, const CRect& cell, int row, int column, CellRecord& record,
                              bool rowEnabled)
{
    CBrush frame(m_colours.frame);
    dc.FillSolidRect(&cell, WHITE);
    dc.FrameRect(&cell, &frame);
    CString text = GetItemText(row, column);
    if (text.IsEmpty() && record.choices != nullptr && record.initialChoice >= 0 &&
        record.initialChoice < static_cast<int>(record.choices->size()))
    {
        text = (*record.choices)[static_cast<size_t>(record.initialChoice)];
        CListCtrl::SetItemText(row, column, text);
    }
    CRect button(cell.right - cell.Height(), cell.top, cell.right, cell.bottom);
    CRect textRect(cell.left + 3, cell.top, button.left, cell.bottom);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(rowEnabled ? m_colours.windowText : m_colours.greyText);
    dc.DrawText(text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (record.dropDownRequested == 0)
    {
        dc.FillSolidRect(&button, m_colours.buttonFace);
        CRect edge = button;
        dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
        CPen pen(PS_SOLID, 1, m_colours.buttonText);
        CPen* old = dc.SelectObject(&pen);
        const int x = button.left + button.Width() / 2;
        const int y = button.top + button.Height() / 2 - 1;
        for (int i = 0; i < 3; ++i)
            Line(dc, x - 2 + i, y + i, x + 3 - i, y + i);
        dc.SelectObject(old);
        return;
    }
    dc.FrameRect(&button, &frame);
    if (m_comboList == nullptr)
        OpenDropDown(cell, row, column, record);
}

void CCellListCtrl::OpenDropDown(const CRect& cell, int row, int column, CellRecord& record)
{
    const CellComboState::Opening opening =
        m_combo.Open(row, column, record.choices, GetItemText(row, column));
    CRect rect(cell.left, cell.bottom - 1, cell.right - 1,
               cell.bottom - 1 + (cell.Height() - 2) * record.dropDownRows);
    ClientToScreen(&rect);
    if (m_comboFont == nullptr && GetFont() != nullptr)
    {
        LOGFONT font{};
        GetFont()->GetLogFont(&font);
        m_comboFont = std::make_unique<CFont>();
        m_comboFont->CreateFontIndirect(&font);
    }
    m_comboList = std::make_unique<CCellComboList>(this, m_timers.hover);
    m_comboList->Create(rect, m_comboFont.get());
    for (const CString& entry : opening.entries)
        m_comboList->AddEntry(entry);
    m_comboList->SetSelection(opening.selection);
    if (opening.cellText != GetItemText(row, column))
        CListCtrl::SetItemText(row, column, opening.cellText);
    m_comboList->Show(COMBO_SCROLL_WIDTH);
}

void CCellListCtrl::OnPaint()
{
    Default();
    if (GetItemCount() != 0)
        return;
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (GetHeaderCtrl() != nullptr)
    {
        CRect header;
        GetHeaderCtrl()->GetWindowRect(&header);
        ScreenToClient(&header);
        client.top = header.bottom + 10;
    }
    dc.FillSolidRect(&client, m_colours.window);
    dc.SetTextColor(m_colours.windowText);
    dc.SetBkMode(TRANSPARENT);
    CGdiObject* old = dc.SelectStockObject(ANSI_VAR_FONT);
    dc.DrawText("There are no items to show in this view.", &client,
                DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
    dc.SelectObject(static_cast<CFont*>(old));
}
