#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "editors/logic/UserFunctionEditor.h"
#include "platform/ui/FormView.h"

// The user function editor in the right pane: a UserFunctionEditor shown on template 259.
class UserFunctionDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(UserFunctionDlg)

public:
    UserFunctionDlg();
    ~UserFunctionDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the function; null starts a new one.
    void LoadFunction(Function* function);
    // The function goes away elsewhere: the editor lets go of it.
    void ForgetFunction(Function* function);

    // The controller of the open project; null while none is open.
    UserFunctionEditor* GetEditor();

private:
    PaneEditor* GetPaneEditor() override { return m_editor.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (UserFunctionEditor::*command)());
    void RunChoice(void (UserFunctionEditor::*command)(int), int combo);
    void OnTableSelected(int row);
    void Show();

    ProjectController<UserFunctionEditor> m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_tables;
    CCellListCtrl m_outputs;
    CCellListCtrl m_parameters;
    CRichToolTipCtrl m_toolTips;
};
