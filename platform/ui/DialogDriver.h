#pragma once

#include "platform/core/CString.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TreeCtrl.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

// Works a window's controls as the user would, without an event loop: the owner hears the same
// notifications as from the user. Controls that are missing or disabled cannot be worked: those
// calls return false and change nothing.
class DialogDriver
{
public:
    explicit DialogDriver(CWnd& window) : m_window(window) {}

    // Puts the text into an edit or editable combo at once, as a paste would but past any length
    // limit (EN_CHANGE), then leaves the control (EN_KILLFOCUS).
    bool SetText(int id, const char* text);
    CString GetText(int id) const;
    // Clicks a button, check box or radio button (BN_CLICKED).
    bool Click(int id);
    // Clicks a check box until it shows the state.
    bool SetCheck(int id, bool checked);
    // Picks an item of a combo box (CBN_SELCHANGE) or list box (LBN_SELCHANGE).
    bool Select(int id, int index);
    // Clicks (or double-clicks) the cell of a list control's row in the given column, or a tree
    // control's item, with the mouse where the control shows it now: the control does what a
    // user's click does. False when the row or item is not shown.
    bool ClickListRow(int id, int row, int column = 0);
    bool DoubleClickListRow(int id, int row, int column = 0);
    bool ClickTreeItem(int id, HTREEITEM item);
    bool DoubleClickTreeItem(int id, HTREEITEM item);
    // Clicks the check box of a tree control's item until it shows the state (TVN_ITEMCHANGED),
    // or of a list control's row (LVS_EX_CHECKBOXES). False when the item shows no box.
    bool SetTreeCheck(int id, HTREEITEM item, bool checked);
    bool SetListCheck(int id, int row, bool checked);
    // Right-clicks a tree control's item or a list control's row, with the cursor there, and
    // chooses command from the popup menu its owner shows for it. False when the item is not
    // shown or no menu came up.
    bool RightClickTreeItem(int id, HTREEITEM item, UINT command);
    bool RightClickListRow(int id, int row, UINT command);
    // Clicks the tab of a tab control (TCN_SELCHANGE).
    bool SelectTab(int id, int index);
    // Types the keys into the control given focus, or into the window's focused control: "\n"
    // is Enter, "\t" Tab, "\b" Backspace, "\x1b" Escape. False when there is no such control.
    bool TypeKeys(int id, const char* keys);
    bool TypeKeys(const char* keys);
    // Presses a key of no character (VK_DOWN, VK_UP, VK_HOME, ...) in the control, given focus.
    bool PressKey(int id, UINT virtualKey);
    // Clicks IDOK or IDCANCEL, or sends the command when the dialog has no such button.
    bool PressOk();
    bool PressCancel();

private:
    bool Press(int id);
    bool ClickListCell(int id, int row, int column, bool twice);
    bool ClickTree(int id, HTREEITEM item, bool twice);

    CWnd& m_window;
};

// Test double for modal dialogs: installed as the modal hook for its lifetime, it answers each
// dialog with the next script and records the template ids shown. A dialog shown with no script
// left is cancelled and counted.
class ScriptedDialogs
{
public:
    using Script = std::function<void(CDialog& dialog, DialogDriver& user)>;

    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void Answer(Script script);
    const std::vector<UINT>& Shown() const { return m_shown; }
    std::size_t UnscriptedCount() const { return m_unscripted; }
    std::size_t PendingScripts() const { return m_scripts.size(); }

private:
    void Run(CDialog& dialog);

    std::deque<Script> m_scripts;
    std::vector<UINT> m_shown;
    std::size_t m_unscripted = 0;
    ModalHook m_previous;
};
