#pragma once

#include "editors/logic/ControlStates.h"

class EditorHost;
class ForgeonProject;
class LoginPage;

// The login page of the current module: the procedure that checks a login, and among its output
// fields the user-name (employee) field and the designation field. Every change reaches the page
// at once.
class LoginPageEditor
{
public:
    static constexpr UINT IDD = 190;
    static constexpr int IDC_OUTPUT_FIELDS = 1124;
    static constexpr int IDC_DESIGNATION_LABEL = 1252;
    static constexpr int IDC_ASSIGN_PROCEDURE = 1344;
    static constexpr int IDC_ASSIGN_EMPLOYEE = 1345;
    static constexpr int IDC_ASSIGN_DESIGNATION = 1346;
    static constexpr int IDC_PROCEDURE_LABEL = 1347;
    static constexpr int IDC_EMPLOYEE_LABEL = 1348;

    LoginPageEditor(ForgeonProject& project, EditorHost& host);

    ControlStates& States() { return m_states; }
    LoginPage* GetPage() const { return m_page; }

    // Takes the login page of the project's current module.
    void Load();
    void AssignProcedure();
    void AssignEmployeeField();
    void AssignDesignationField();

private:
    // The procedure label and the combo of its output fields.
    void ShowProcedure();
    // The text and the chosen output field, which the page takes; the combo loses its
    // selection.
    CString AssignField(const char* caption, bool employee);

    ForgeonProject& m_project;
    EditorHost& m_host;
    LoginPage* m_page = nullptr;
    ControlStates m_states;
};
