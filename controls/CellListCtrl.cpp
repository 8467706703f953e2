#include "controls/CellListCtrl.h"

#include "controls/CellComboList.h"
#include "controls/CellHeaderCtrl.h"
#include "platform/ui/DC.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/ToolTipCtrl.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace
{
constexpr UINT IDB_HEADER_CHECKS = 209;
constexpr UINT_PTR TIMER_PRESS = 1;
constexpr UINT_PTR TIMER_ESCAPE = 2;
constexpr UINT_PTR TIMER_COMMIT = 3;
constexpr UINT_PTR TIMER_KEYDOWN = 4;
constexpr COLORREF NO_COLOUR = 0xFFFFFFFF;

// The header's check box images: blank, an empty box and a ticked one, on magenta.
void RegisterHeaderChecks()
{
    if (!LoadBitmapResource(IDB_HEADER_CHECKS).isNull())
        return;
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    QPainter painter(&strip);
    for (int image = 1; image < 3; ++image)
    {
        const QRect box(image * 16 + 2, 2, 12, 12);
        painter.fillRect(box, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        if (image == 2)
            painter.drawPolyline(QPolygon({{box.left() + 3, box.top() + 6},
                                           {box.left() + 5, box.top() + 8},
                                           {box.left() + 9, box.top() + 3}}));
    }
    painter.end();
    RegisterBitmapResource(IDB_HEADER_CHECKS, strip);
}
} // namespace

UINT CellListComboSelectionMessage()
{
    static const UINT message = RegisterWindowMessage("WM_CELLLIST_COMBO_SELECTION");
    return message;
}

UINT CellListCheckboxClickedMessage()
{
    static const UINT message = RegisterWindowMessage("WM_CELLLIST_CHECKBOX_CLICKED");
    return message;
}

UINT CellComboReturnMessage()
{
    static const UINT message = RegisterWindowMessage("WM_CELLCOMBO_VK_RETURN");
    return message;
}

UINT CellComboEscapeMessage()
{
    static const UINT message = RegisterWindowMessage("WM_CELLCOMBO_VK_ESCAPE");
    return message;
}

UINT CellComboKeyDownMessage()
{
    static const UINT message = RegisterWindowMessage("WM_CELLCOMBO_KEYDOWN");
    return message;
}

UINT CellComboLButtonUpMessage()
{
    static const UINT message = RegisterWindowMessage("WM_CELLCOMBO_LBUTTONUP");
    return message;
}

CCellListCtrl::CCellListCtrl(CellListTimers timers) : m_timers(timers)
{
    ReadColours();
    MapMessage(CellComboReturnMessage(), &CCellListCtrl::OnComboReturn);
    MapMessage(CellComboLButtonUpMessage(), &CCellListCtrl::OnComboReturn);
    MapMessage(CellComboEscapeMessage(), &CCellListCtrl::OnComboEscape);
    MapMessage(CellComboKeyDownMessage(), &CCellListCtrl::OnComboKeyDown);
}

CCellListCtrl::~CCellListCtrl()
{
    m_comboList.reset();
    if (GetSafeHwnd() != nullptr)
        FreeRecords();
    ClearMessageMap();
}

void CCellListCtrl::ReadColours()
{
    m_colours = {GetSysColor(COLOR_3DFACE),        GetSysColor(COLOR_3DHIGHLIGHT),
                 GetSysColor(COLOR_3DSHADOW),      GetSysColor(COLOR_3DFACE),
                 GetSysColor(COLOR_3DSHADOW),      GetSysColor(COLOR_BTNTEXT),
                 GetSysColor(COLOR_GRAYTEXT),      GetSysColor(COLOR_HIGHLIGHT),
                 GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_WINDOW),
                 GetSysColor(COLOR_WINDOWTEXT)};
}

void CCellListCtrl::SubclassHeader()
{
    if (m_headerSubclassed || GetHeaderCtrl() == nullptr)
        return;
    m_headerSubclassed = true;
    m_header = std::make_unique<CCellHeaderCtrl>();
    m_header->SubclassWindow(GetHeaderCtrl()->GetSafeHwnd());
}

BOOL CCellListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CListCtrl::Create(style, rect, parent, id))
        return FALSE;
    SubclassHeader();
    return TRUE;
}

void CCellListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    SubclassHeader();
}

int CCellListCtrl::OnCreate(LPCREATESTRUCT createStruct)
{
    const int answer = CListCtrl::OnCreate(createStruct);
    SubclassHeader();
    return answer;
}

void CCellListCtrl::OnDestroy()
{
    m_comboList.reset();
    FreeRecords();
    CListCtrl::OnDestroy();
}

void CCellListCtrl::OnSysColorChange()
{
    CListCtrl::OnSysColorChange();
    ReadColours();
}

std::vector<CellRecord>* CCellListCtrl::Records(int row) const
{
    if (row < 0 || row >= GetItemCount())
        return nullptr;
    return reinterpret_cast<std::vector<CellRecord>*>(GetItemData(row));
}

CellRecord* CCellListCtrl::Cell(int row, int column) const
{
    std::vector<CellRecord>* records = Records(row);
    if (records == nullptr || column < 0 || column >= static_cast<int>(records->size()))
        return nullptr;
    return &(*records)[static_cast<size_t>(column)];
}

const CellRecord* CCellListCtrl::GetCell(int row, int column) const
{
    return Cell(row, column);
}

void CCellListCtrl::InitColumns(const std::vector<int>& widths,
                                const std::vector<CString>& headings)
{
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CRect window;
    GetWindowRect(&window);
    for (size_t i = 0; i < widths.size(); ++i)
    {
        const int column = static_cast<int>(i);
        const CString heading = i < headings.size() ? headings[i] : CString();
        const int share = CellColumnWidth(window.Width(), widths[i]);
        InsertColumn(column, heading, LVCFMT_LEFT, share);
        // A shown column is at least as wide as its heading.
        if (widths[i] > 0 && !heading.IsEmpty())
        {
            SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
            SetColumnWidth(column, std::max(share, GetColumnWidth(column)));
        }
    }
    RegisterHeaderChecks();
    m_headerImages.DeleteImageList();
    m_headerImages.Create(IDB_HEADER_CHECKS, 16, 3, RGB(255, 0, 255));
    if (GetHeaderCtrl() != nullptr)
    {
        GetHeaderCtrl()->SetImageList(&m_headerImages);
        for (int column = 0; column < GetHeaderCtrl()->GetItemCount(); ++column)
        {
            HDITEM item{HDI_FORMAT, 0, nullptr, nullptr, 0, HDF_LEFT | HDF_STRING, 0, 0};
            GetHeaderCtrl()->SetItem(column, &item);
        }
    }
    DeleteAllItems();
}

int CCellListCtrl::InsertItem(int row, LPCTSTR text, BOOL enabled)
{
    return InsertItem(row, text, m_colours.windowText, m_colours.window, enabled);
}

int CCellListCtrl::InsertItem(int row, LPCTSTR text, COLORREF textColour, COLORREF backgroundColour,
                              BOOL enabled)
{
    const int index = CListCtrl::InsertItem(row, text);
    if (index < 0)
        return -1;
    CellRecord initial;
    initial.textColour = m_colours.windowText;
    initial.backgroundColour = m_colours.window;
    auto* records = new std::vector<CellRecord>(static_cast<size_t>(GetColumns()), initial);
    if (records->empty())
        records->push_back(initial);
    CellRecord& first = records->front();
    first.textColour = textColour;
    first.backgroundColour = backgroundColour;
    first.enabled = enabled;
    first.image = -1;
    CListCtrl::SetItemData(index, reinterpret_cast<DWORD_PTR>(records));
    return index;
}

BOOL CCellListCtrl::SetItemText(int row, int column, LPCTSTR text, COLORREF textColour,
                                COLORREF backgroundColour)
{
    CellRecord* cell = Cell(row, column);
    if (cell == nullptr)
        return FALSE;
    const BOOL result = text == nullptr ? TRUE : CListCtrl::SetItemText(row, column, text);
    cell->textColour = textColour == NO_COLOUR ? m_colours.windowText : textColour;
    cell->backgroundColour = backgroundColour == NO_COLOUR ? m_colours.window : backgroundColour;
    UpdateSubItem(row, column);
    return result;
}

BOOL CCellListCtrl::SetItemText(int row, int column, LPCTSTR text)
{
    if (Cell(row, column) == nullptr)
        return FALSE;
    const BOOL result = CListCtrl::SetItemText(row, column, text);
    UpdateSubItem(row, column);
    return result;
}

BOOL CCellListCtrl::SetCheckbox(int row, int column, int state)
{
    CellRecord* cell = Cell(row, column);
    if (cell == nullptr)
        return FALSE;
    cell->checkState = state;
    UpdateSubItem(row, column);
    UpdateHeaderCheckbox(column);
    return TRUE;
}

int CCellListCtrl::GetCheckbox(int row, int column) const
{
    const CellRecord* cell = Cell(row, column);
    return cell == nullptr ? -1 : cell->checkState;
}

void CCellListCtrl::UpdateHeaderCheckbox(int column)
{
    const int header = GetHeaderCheckedState(column);
    const int next = HeaderStateForChecks(header, GetItemCount(), CountCheckedItems(column));
    if (next != header)
        SetHeaderCheckedState(column, next);
}

BOOL CCellListCtrl::DeleteItem(int row)
{
    std::vector<CellRecord>* records = Records(row);
    if (row < 0 || row >= GetItemCount())
        return FALSE;
    delete records;
    CListCtrl::SetItemData(row, 0);
    return CListCtrl::DeleteItem(row);
}

BOOL CCellListCtrl::DeleteAllItems()
{
    FreeRecords();
    return CListCtrl::DeleteAllItems();
}

void CCellListCtrl::FreeRecords()
{
    for (int row = 0; row < GetItemCount(); ++row)
    {
        delete Records(row);
        CListCtrl::SetItemData(row, 0);
    }
}

void CCellListCtrl::SetCurSel(int row)
{
    if (row >= 0)
    {
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    for (int selected = GetCurSel(); selected >= 0; selected = GetNextItem(selected, LVNI_SELECTED))
        SetItemState(selected, 0, LVIS_SELECTED);
}

int CCellListCtrl::GetCurSel() const
{
    return GetNextItem(-1, LVNI_SELECTED);
}

void CCellListCtrl::GetSelectedItems(std::vector<int>& rows) const
{
    rows.clear();
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
}

int CCellListCtrl::GetColumns()
{
    return GetHeaderCtrl() == nullptr ? 0 : GetHeaderCtrl()->GetItemCount();
}

void CCellListCtrl::UpdateSubItem(int row, int column)
{
    if (Cell(row, column) == nullptr)
        return;
    const CRect cell = CellRect(row, column);
    InvalidateRect(&cell);
    // The cell is painted at once: a press on a drop button opens the drop-down in that paint.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(GetSafeHwnd()))
        area->viewport()->repaint();
}

int CCellListCtrl::CountCheckedItems(int column) const
{
    int count = 0;
    for (int row = 0; row < GetItemCount(); ++row)
    {
        const CellRecord* cell = Cell(row, column);
        if (cell != nullptr && cell->checkState == 1)
            ++count;
    }
    return count;
}

int CCellListCtrl::GetHeaderCheckedState(int column)
{
    if (column < 0 || column >= GetColumns())
        return 0;
    HDITEM item{HDI_IMAGE, 0, nullptr, nullptr, 0, 0, 0, 0};
    GetHeaderCtrl()->GetItem(column, &item);
    return item.iImage;
}

BOOL CCellListCtrl::SetHeaderCheckedState(int column, int state)
{
    if (column < 0 || column >= GetColumns() || state < 0 || state > 2)
        return FALSE;
    HDITEM item{HDI_FORMAT, 0, nullptr, nullptr, 0, 0, 0, 0};
    GetHeaderCtrl()->GetItem(column, &item);
    item.mask = HDI_IMAGE | HDI_FORMAT;
    item.iImage = state;
    item.fmt = state == 0 ? item.fmt & ~HDF_IMAGE : item.fmt | HDF_IMAGE;
    const BOOL result = GetHeaderCtrl()->SetItem(column, &item);
    GetHeaderCtrl()->Invalidate();
    return result;
}

BOOL CCellListCtrl::SetEnabled(int row, BOOL enabled)
{
    CellRecord* cell = Cell(row, 0);
    if (cell == nullptr)
        return FALSE;
    cell->enabled = enabled;
    RedrawItems(row, row);
    return TRUE;
}

BOOL CCellListCtrl::IsEnabled(int row) const
{
    const CellRecord* cell = Cell(row, 0);
    return cell != nullptr && cell->enabled != 0;
}

BOOL CCellListCtrl::SetBold(int row, int column, BOOL bold)
{
    return ChangeCell(row, column, /*redraw=*/true, [&](CellRecord& cell) { cell.bold = bold; });
}

BOOL CCellListCtrl::SetItemImage(int row, int column, int image)
{
    return ChangeCell(row, column, /*redraw=*/true, [&](CellRecord& cell) { cell.image = image; });
}

BOOL CCellListCtrl::SetItemToolTipText(int row, int column, LPCTSTR text)
{
    return ChangeCell(row, column, /*redraw=*/false,
                      [&](CellRecord& cell) { cell.tooltip = text == nullptr ? "" : text; });
}

CString CCellListCtrl::GetItemToolTipText(int row, int column) const
{
    const CellRecord* cell = Cell(row, column);
    return cell == nullptr ? CString() : cell->tooltip;
}

BOOL CCellListCtrl::SetComboBox(int row, int column, BOOL combo,
                                const std::vector<CString>* choices, int dropDownRows, int initial)
{
    return ChangeCell(row, column, /*redraw=*/true,
                      [&](CellRecord& cell)
                      {
                          cell.combo = combo;
                          cell.choices = choices;
                          cell.dropDownRows = dropDownRows;
                          cell.initialChoice = initial;
                      });
}

BOOL CCellListCtrl::SetProgress(int row, int column, BOOL show, int percent, LPCTSTR format,
                                BOOL showText)
{
    return ChangeCell(row, column, /*redraw=*/true,
                      [&](CellRecord& cell)
                      {
                          cell.progress = show;
                          cell.percent = std::clamp(percent, 0, 100);
                          cell.progressText = format == nullptr ? "" : format;
                          cell.showProgressText = showText;
                      });
}

BOOL CCellListCtrl::SetUserValue(int row, int column, int value)
{
    return ChangeCell(row, column, /*redraw=*/false,
                      [&](CellRecord& cell) { cell.userValue = value; });
}

int CCellListCtrl::GetUserValue(int row, int column) const
{
    const CellRecord* cell = Cell(row, column);
    return cell == nullptr ? 0 : cell->userValue;
}

CRect CCellListCtrl::CellRect(int row, int column)
{
    CRect cell;
    GetSubItemRect(row, column, LVIR_BOUNDS, cell);
    if (column == 0 && GetHeaderCtrl() != nullptr && GetHeaderCtrl()->GetItemCount() >= 2)
    {
        CRect next;
        GetSubItemRect(row, 1, LVIR_BOUNDS, next);
        cell.right = next.left;
    }
    return cell;
}

BOOL CCellListCtrl::ChangeCell(int row, int column, bool redraw,
                               const std::function<void(CellRecord&)>& change)
{
    CellRecord* cell = Cell(row, column);
    if (cell == nullptr)
        return FALSE;
    change(*cell);
    if (redraw)
        UpdateSubItem(row, column);
    return TRUE;
}

void CCellListCtrl::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* parent = GetParent();
    if (parent == nullptr)
        parent = GetOwner();
    if (parent != nullptr && parent->GetSafeHwnd() != nullptr)
        parent->SendMessage(message, wParam, lParam);
}

void CCellListCtrl::CloseAsEscape()
{
    if (m_comboList != nullptr)
        OnComboEscape(0, 0);
}

void CCellListCtrl::CancelPress()
{
    if (m_cancelling || !m_combo.IsPressed())
        return;
    m_combo.ClearPress();
    ClearDropDownRequest(m_combo.PressedRow(), m_combo.PressedColumn());
}

void CCellListCtrl::ClearDropDownRequest(int row, int column)
{
    m_cancelling = true;
    if (CellRecord* cell = Cell(row, column))
        cell->dropDownRequested = 0;
    UpdateSubItem(row, column);
    m_cancelling = false;
}

void CCellListCtrl::OnLButtonDown(UINT, CPoint point)
{
    const int row = HitTest(point);
    if (row < 0)
    {
        CloseAsEscape();
        Default();
        return;
    }
    std::vector<CellRecord>* records = Records(row);
    if (records == nullptr || records->front().enabled == 0)
        return;
    LVHITTESTINFO hit{point, 0, -1, -1};
    SubItemHitTest(&hit);
    CellRecord* cell = Cell(row, hit.iSubItem);
    if (cell == nullptr)
    {
        CloseAsEscape();
        Default();
        return;
    }
    const int column = hit.iSubItem;
    if (cell->checkState == -1)
    {
        if (cell->combo == 0)
        {
            CloseAsEscape();
            Default();
            return;
        }
        m_comboList.reset();
        m_combo.Close();
        const CRect rect = CellRect(row, column);
        const CRect button(rect.right - rect.Height(), rect.top, rect.right, rect.bottom);
        if (button.PtInRect(point))
        {
            cell->dropDownRequested = 1;
            m_combo.Press(row, column, button);
            UpdateSubItem(row, column);
            SetTimer(TIMER_PRESS, m_timers.press);
        }
        Default();
        return;
    }
    cell->checkState = cell->checkState == 0 ? 1 : 0;
    UpdateSubItem(row, column);
    NotifyParent(CellListCheckboxClickedMessage(), static_cast<WPARAM>(row), column);
    UpdateHeaderCheckbox(column);
    Default();
}

void CCellListCtrl::OnTimer(UINT_PTR id)
{
    switch (id)
    {
    case TIMER_PRESS:
        if (m_combo.IsPressed())
        {
            CPoint cursor;
            GetCursorPos(&cursor);
            ScreenToClient(&cursor);
            const int row = m_combo.PressedRow();
            const int column = m_combo.PressedColumn();
            if (!m_cancelling && m_combo.CursorLeftButton(cursor))
                ClearDropDownRequest(row, column);
        }
        else if (m_comboList != nullptr)
            m_comboList->Show(COMBO_SCROLL_WIDTH);
        else
            KillTimer(TIMER_PRESS);
        return;
    case TIMER_ESCAPE:
        KillTimer(TIMER_ESCAPE);
        m_comboList.reset();
        m_combo.Close();
        return;
    case TIMER_COMMIT:
    {
        KillTimer(TIMER_COMMIT);
        if (m_comboList == nullptr)
            return;
        const int row = m_combo.OpenRow();
        const int column = m_combo.OpenColumn();
        CListCtrl::SetItemText(row, column, m_comboList->GetSelectedText());
        UpdateSubItem(row, column);
        NotifyParent(CellListComboSelectionMessage(), static_cast<WPARAM>(row), column);
        m_comboList.reset();
        m_combo.Close();
        return;
    }
    case TIMER_KEYDOWN:
        KillTimer(TIMER_KEYDOWN);
        if (m_comboList != nullptr)
        {
            CListCtrl::SetItemText(m_combo.OpenRow(), m_combo.OpenColumn(),
                                   m_comboList->GetSelectedText());
            UpdateSubItem(m_combo.OpenRow(), m_combo.OpenColumn());
        }
        return;
    default:
        CListCtrl::OnTimer(id);
    }
}

LRESULT CCellListCtrl::OnComboReturn(WPARAM, LPARAM)
{
    KillTimer(TIMER_PRESS);
    SetTimer(TIMER_COMMIT, m_timers.commit);
    return 0;
}

LRESULT CCellListCtrl::OnComboEscape(WPARAM, LPARAM)
{
    KillTimer(TIMER_PRESS);
    SetTimer(TIMER_ESCAPE, m_timers.escape);
    if (m_combo.IsOpen())
    {
        CListCtrl::SetItemText(m_combo.OpenRow(), m_combo.OpenColumn(), m_combo.TextToRestore());
        UpdateSubItem(m_combo.OpenRow(), m_combo.OpenColumn());
    }
    return 0;
}

LRESULT CCellListCtrl::OnComboKeyDown(WPARAM, LPARAM)
{
    SetTimer(TIMER_KEYDOWN, m_timers.keyDown);
    return 0;
}

BOOL CCellListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_NOTIFY)
        return CListCtrl::OnChildNotify(message, wParam, lParam, result);
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code)
    {
    case NM_CUSTOMDRAW:
        *result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        return TRUE;
    case NM_CLICK:
        CancelPress();
        return FALSE;
    case LVN_COLUMNCLICK:
    {
        const int column = reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem;
        const HeaderClick click = ClickHeaderCheckbox(GetHeaderCheckedState(column));
        if (click.rowState < 0)
            return FALSE;
        SetHeaderCheckedState(column, click.headerState);
        for (int row = 0; row < GetItemCount(); ++row)
            if (CellRecord* cell = Cell(row, column); cell != nullptr && cell->checkState != -1)
            {
                cell->checkState = click.rowState;
                UpdateSubItem(row, column);
            }
        return FALSE;
    }
    case LVN_ITEMCHANGING:
        if (const int first = GetCurSel(); first >= 0)
            m_lastSelected = first;
        return FALSE;
    case LVN_ITEMCHANGED:
    {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
        if (!m_suppressSelection && (change->uNewState & LVIS_SELECTED) != 0)
            NotifyParent(WM_USER + 1, static_cast<WPARAM>(GetDlgCtrlID()), 0);
        return FALSE;
    }
    default:
        return CListCtrl::OnChildNotify(message, wParam, lParam, result);
    }
}

BOOL CCellListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_NEEDTEXTA || header->code == TTN_NEEDTEXTW)
        return OnToolTipText(static_cast<UINT>(header->idFrom), header, result);
    return CListCtrl::OnNotify(wParam, lParam, result);
}

INT_PTR CCellListCtrl::OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const
{
    LVHITTESTINFO hit{point, 0, -1, -1};
    SubItemHitTest(&hit);
    if (hit.iItem < 0 || (hit.flags & LVHT_ONITEMLABEL) == 0)
        return -1;
    const UINT_PTR id = static_cast<UINT_PTR>(hit.iItem * 1000 + hit.iSubItem + 1);
    toolInfo->hwnd = GetSafeHwnd();
    toolInfo->uId = id;
    CRect client;
    GetClientRect(&client);
    toolInfo->rect = client;
    toolInfo->lpszText = LPSTR_TEXTCALLBACK;
    return static_cast<INT_PTR>(id);
}

BOOL CCellListCtrl::OnToolTipText(UINT id, NMHDR* notify, LRESULT* result)
{
    *result = 0;
    if (id == 0)
        return TRUE;
    CPoint cursor;
    if (const MSG* current = GetCurrentMessage())
        cursor = current->pt;
    else
        GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    LVHITTESTINFO hit{cursor, 0, -1, -1};
    SubItemHitTest(&hit);
    // The notification's own buffer holds 79 characters and the terminator.
    m_tipText = GetItemToolTipText(hit.iItem, hit.iSubItem).Left(80);
    reinterpret_cast<NMTTDISPINFO*>(notify)->lpszText = m_tipText.GetBuffer(0);
    return TRUE;
}
