#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <map>
#include <vector>

// What a view shows in its controls, by control id: the text of an edit, label or button, the
// enabled and checked flags, and a combo's items with its selection. Controls never touched keep
// an empty text, enabled, unchecked, without items and without a selection.
class ControlStates
{
public:
    void SetText(int id, const CString& text);
    CString GetText(int id) const;
    // The text was set: the control shows it instead of its template caption.
    bool HasText(int id) const;
    void Enable(int id, bool enabled) { At(id).enabled = enabled; }
    bool IsEnabled(int id) const;
    void SetCheck(int id, bool checked) { At(id).checked = checked; }
    bool IsChecked(int id) const;
    // A combo's items; the selection is cleared.
    void SetItems(int id, std::vector<CString> items);
    const std::vector<CString>& GetItems(int id) const;
    // -1 clears the selection.
    void Select(int id, int index) { At(id).selection = index; }
    int GetSelection(int id) const;

    // Every control touched, in the order first touched.
    const std::vector<int>& GetIds() const { return m_order; }

    // What the boxes ids show (text, check and selection), to be told later whether the user
    // changed any of them.
    struct Shown
    {
        CString text;
        bool checked;
        int selection;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> ShownIn(const std::vector<int>& ids) const;

private:
    struct State
    {
        CString text;
        bool hasText = false;
        bool enabled = true;
        bool checked = false;
        std::vector<CString> items;
        int selection = -1;
    };

    State& At(int id);
    const State* Find(int id) const;

    std::map<int, State> m_states;
    std::vector<int> m_order;
};

// One row of a list: its cells and colours (0x00BBGGRR), and the number the row carries.
struct ListRow
{
    std::vector<CString> cells;
    DWORD textColour = 0x000000;
    DWORD backColour = 0xFFFFFF;
    int data = 0;
};

// The text of a row's cell, to name the row in a question; empty outside the rows.
CString CellOf(const std::vector<ListRow>& rows, int row, int column);

// A list's columns: headings and widths in 64ths of the control width.
struct ListColumn
{
    CString heading;
    int width;
};

// One tool tip of a control: the string resource that holds its text.
struct ToolTip
{
    int controlId;
    UINT stringId;
    const char* text;
};

// Puts the tool-tip texts into the string table.
void RegisterToolTipStrings(const std::vector<ToolTip>& tips);
// The tips, their texts put into the string table.
std::vector<ToolTip> WithToolTipStrings(std::vector<ToolTip> tips);
