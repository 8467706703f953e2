#pragma once

#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "editors/logic/LoginPageEditor.h"
#include "platform/ui/FormView.h"

// The login page editor in the right pane: a LoginPageEditor shown on template 190.
class LoginPageDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(LoginPageDlg)

public:
    LoginPageDlg();
    ~LoginPageDlg() override;

    // Takes the login page of the current module.
    void Load();
    void ClearPage() override;
    void ReloadPage() override {}

    // The controller of the open project; null while none is open.
    LoginPageEditor* GetEditor();

private:
    void Run(void (LoginPageEditor::*command)());
    void Show();
    void OnAssignProcedure() { Run(&LoginPageEditor::AssignProcedure); }
    void OnAssignEmployee() { Run(&LoginPageEditor::AssignEmployeeField); }
    void OnAssignDesignation() { Run(&LoginPageEditor::AssignDesignationField); }

    ProjectController<LoginPageEditor> m_editor;
    ControlStatesView m_view;
};
