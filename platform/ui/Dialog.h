#pragma once

#include "platform/core/MessageBox.h"
#include "platform/ui/Wnd.h"

#include <functional>

class CDialog;

// Answers modal dialogs instead of the user: it runs in place of the event loop, after
// OnInitDialog, and ends the dialog by pressing its buttons (see DialogDriver). A dialog it leaves
// open makes DoModal return -1.
using ModalHook = std::function<void(CDialog& dialog)>;

// Installs a hook and returns the previous one; an empty hook restores the event loop.
ModalHook SetModalHook(ModalHook hook);

// A dialog built from the template of its resource id. The button IDOK runs OnOK and IDCANCEL
// (also Escape and closing the window) runs OnCancel, unless the class maps them itself.
class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(UINT templateId, CWnd* parentWnd = nullptr);
    ~CDialog() override;

    // Shows the dialog until EndDialog; returns the code given to EndDialog, or -1 when the
    // template is unknown or the modal hook left the dialog open. The controls are gone
    // afterwards; the members keep what the last exchange put in them.
    virtual INT_PTR DoModal();
    // Shows the dialog without waiting (modeless); FALSE when the template is unknown.
    BOOL Create(UINT templateId, CWnd* parentWnd = nullptr);
    // Ends a modal dialog with that code; hides a modeless one.
    void EndDialog(int result);
    // TRUE once EndDialog has ended the dialog being shown.
    BOOL IsEnded() const { return m_ended; }
    UINT GetTemplateId() const { return m_templateId; }

    // Loads the controls from the members (UpdateData(FALSE)). TRUE lets the dialog choose the
    // focus.
    virtual BOOL OnInitDialog();

    BOOL OnCmdMsg(UINT id, int code) override;

protected:
    // Saves the controls into the members and ends with IDOK; stays open when a check fails or
    // MayClose refuses.
    virtual void OnOK();
    // Escape and the close box: asks AskAboutChanges first; Yes runs OnOK, Cancel keeps the
    // dialog open, No ends it unless MayClose refuses: with IDCANCEL, but with IDOK for a dialog
    // without a Cancel button whose own buttons made changes, so that its caller keeps them.
    virtual void OnCancel();
    // Asked before OK or Cancel (Escape, the close box) ends the dialog: a dialog whose boxes add
    // to its list takes or drops, as the user answers, what was typed there and not yet taken.
    // False keeps the dialog open.
    virtual bool MayClose() { return true; }
    // Asked before Escape or the close box drops what the boxes hold that OK would store: a
    // dialog with such boxes asks the user about those changed and answers IDYES, IDNO or
    // IDCANCEL; IDNO without asking when nothing changed.
    virtual int AskAboutChanges() { return IDNO; }
    // Whether the dialog's own buttons changed what it edits or chose what its caller reads;
    // asked only of a dialog without a Cancel button, which Escape cannot undo.
    virtual bool MadeChanges() const { return false; }
    // The template holds a Cancel button that shows.
    bool HasCancelButton() const;

private:
    // Makes the widget and its controls; FALSE when the template is unknown.
    BOOL CreateDialogWidget();

    UINT m_templateId;
    CWnd* m_parentWnd;
    int m_result = -1;
    bool m_ended = false;
};
