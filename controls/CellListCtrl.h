#pragma once

#include "controls/CellListLogic.h"
#include "controls/CellRecord.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

#include <functional>
#include <memory>
#include <vector>

class CCellComboList;
class CCellHeaderCtrl;
struct TOOLINFO;

// The registered messages of the list and its drop-down, numbered at first use.
UINT CellListComboSelectionMessage();
UINT CellListCheckboxClickedMessage();
UINT CellComboReturnMessage();
UINT CellComboEscapeMessage();
UINT CellComboKeyDownMessage();
UINT CellComboLButtonUpMessage();

// A report list that paints every cell itself from a record per cell (colours, bold text, an
// image, a check box, an in-place combo, a progress bar, a tool tip) kept as the row's data.
// Check box clicks and committed combo choices are sent to the parent as registered messages
// (row, column); a selected row as WM_USER+1 with the list's id.
class CCellListCtrl : public CListCtrl
{
public:
    explicit CCellListCtrl(CellListTimers timers = {});
    ~CCellListCtrl() override;

    // Makes the list as a child of parent, its header painted by a CCellHeaderCtrl.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    CCellHeaderCtrl* GetCellHeader() const { return m_header.get(); }

    // One column per width (in 64ths of the window width) with the heading of the same index; a
    // column given a width is at least as wide as its heading.
    void InitColumns(const std::vector<int>& widths, const std::vector<CString>& headings);
    int InsertItem(int row, LPCTSTR text, BOOL enabled = TRUE);
    int InsertItem(int row, LPCTSTR text, COLORREF textColour, COLORREF backgroundColour,
                   BOOL enabled);
    // A null text keeps the text; a colour of -1 is the default window text or window colour.
    BOOL SetItemText(int row, int column, LPCTSTR text, COLORREF textColour,
                     COLORREF backgroundColour);
    BOOL SetItemText(int row, int column, LPCTSTR text);
    BOOL SetCheckbox(int row, int column, int state);
    int GetCheckbox(int row, int column) const;
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    // -1 leaves no row selected.
    void SetCurSel(int row);
    int GetCurSel() const;
    void GetSelectedItems(std::vector<int>& rows) const;
    int GetColumns();
    void UpdateSubItem(int row, int column);
    int CountCheckedItems(int column) const;
    int GetHeaderCheckedState(int column);
    BOOL SetHeaderCheckedState(int column, int state);

    // The other fields of a cell's record.
    BOOL SetEnabled(int row, BOOL enabled);
    BOOL IsEnabled(int row) const;
    BOOL SetBold(int row, int column, BOOL bold);
    BOOL SetItemImage(int row, int column, int image);
    BOOL SetItemToolTipText(int row, int column, LPCTSTR text);
    CString GetItemToolTipText(int row, int column) const;
    // choices stay the caller's; initial is the entry an empty cell takes.
    BOOL SetComboBox(int row, int column, BOOL combo, const std::vector<CString>* choices,
                     int dropDownRows = 10, int initial = 0);
    BOOL SetProgress(int row, int column, BOOL show, int percent, LPCTSTR format = nullptr,
                     BOOL showText = TRUE);
    BOOL SetUserValue(int row, int column, int value);
    int GetUserValue(int row, int column) const;
    // The record of a cell, null when out of range.
    const CellRecord* GetCell(int row, int column) const;

    // While on, selecting a row does not send WM_USER+1.
    void SuppressSelectionNotify(BOOL suppress) { m_suppressSelection = suppress; }
    // The row that was selected before the latest selection change, -1 when none was.
    int GetLastSelected() const { return m_lastSelected; }

    // The open drop-down, null when none is.
    CCellComboList* GetComboList() const { return m_comboList.get(); }

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const override;
    virtual BOOL OnToolTipText(UINT id, NMHDR* notify, LRESULT* result);

protected:
    void PreSubclassWindow() override;
    int OnCreate(LPCREATESTRUCT createStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void OnSysColorChange() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    struct Colours
    {
        COLORREF face, highlight3d, shadow, buttonFace, frame, buttonText, greyText, highlight,
            highlightText, window, windowText;
    };

    std::vector<CellRecord>* Records(int row) const;
    // Frees the cell records of every row and clears the rows' item data.
    void FreeRecords();
    CellRecord* Cell(int row, int column) const;
    // Applies change to the cell's record and redraws the cell when asked; FALSE when the cell
    // has no record.
    BOOL ChangeCell(int row, int column, bool redraw,
                    const std::function<void(CellRecord&)>& change);
    void ReadColours();
    void SubclassHeader();
    void NotifyParent(UINT message, WPARAM wParam, LPARAM lParam);
    void UpdateHeaderCheckbox(int column);
    void CloseAsEscape();
    void CancelPress();
    void ClearDropDownRequest(int row, int column);
    CRect CellRect(int row, int column);

    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void ColoursOf(int column, BOOL selected, COLORREF& text, COLORREF& background);
    void DrawText(CDC& dc, const CRect& cell, int column, const CellRecord& record,
                  const CString& text, COLORREF colour);
    void DrawImage(CDC& dc, const CRect& cell, const CellRecord& record, COLORREF background);
    void DrawCheckbox(CDC& dc, const CRect& cell, const CellRecord& record, const CString& text,
                      COLORREF colour, COLORREF background, bool rowEnabled);
    void DrawProgress(CDC& dc, const CRect& cell, const CellRecord& record, COLORREF colour,
                      COLORREF background, bool rowEnabled);
    void DrawCombo(CDC& dc, const CRect& cell, int row, int column, CellRecord& record,
                   bool rowEnabled);
    void OpenDropDown(const CRect& cell, int row, int column, CellRecord& record);

    LRESULT OnComboReturn(WPARAM, LPARAM);
    LRESULT OnComboEscape(WPARAM, LPARAM);
    LRESULT OnComboKeyDown(WPARAM, LPARAM);

    CellListTimers m_timers;
    Colours m_colours{};
    int m_lastSelected = -1;
    BOOL m_suppressSelection = FALSE;
    bool m_headerSubclassed = false;
    std::unique_ptr<CCellHeaderCtrl> m_header;
    CImageList m_headerImages;
    CellComboState m_combo;
    std::unique_ptr<CCellComboList> m_comboList;
    std::unique_ptr<CFont> m_comboFont;
    bool m_cancelling = false;
    CString m_tipText;
};
