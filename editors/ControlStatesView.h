#pragma once

#include "editors/logic/ControlStates.h"

#include <initializer_list>
#include <vector>

class CCellListCtrl;
class CComboBox;
class CRichToolTipCtrl;
class CWnd;
struct MSG;
struct NMHDR;

// Copies a controller's ControlStates into a window's controls and reads the typed texts back:
// the thin part every editor view shares.
class ControlStatesView
{
public:
    explicit ControlStatesView(CWnd& window) : m_window(window) {}

    // Texts set by the controller, enabled and checked flags, and the items and selection of
    // the combo boxes (items are put in again only when they changed).
    void Show(const ControlStates& states);
    // The edits' texts as typed.
    void ReadTexts(ControlStates& states, std::initializer_list<int> ids) const;
    // What the boxes show as the user left them: an edit's text, a check box's or radio
    // button's check, a combo's selection.
    void ReadBoxes(ControlStates& states, const std::vector<int>& ids) const;

private:
    CWnd& m_window;
};

// The combo's items, put in again only when they differ from the given ones, and its selection.
void ShowComboItems(CComboBox& combo, const std::vector<CString>& items, int selection);
void SetListColumns(CCellListCtrl& list, const std::vector<ListColumn>& columns);
// Every row again, with its colours and number.
void ShowListRows(CCellListCtrl& list, const std::vector<ListRow>& rows);
// Widens each column that its heading or a cell needs more room for.
void FitListColumns(CCellListCtrl& list);
// The tool tips of the table, their texts from the string table.
void AddToolTips(CRichToolTipCtrl& tips, CWnd& window, const std::vector<ToolTip>& table);
// The row of a list control's click or double click notification (-1 for none).
int ClickedRow(const NMHDR* header);
// The message is the Delete key pressed in the control (the one that has the focus).
bool IsDeleteKeyFor(const MSG& msg, const CWnd& control);
// Enter pressed in the window's control of one of the ids.
bool IsEnterKeyIn(const MSG& msg, const CWnd& window, std::initializer_list<int> ids);
