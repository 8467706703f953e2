#pragma once

#include "entities/FormInterface.h"

class Grid;
class Procedure;

// The login page of the generated application: the call of the procedure that checks the
// credentials and the two output fields of that procedure that carry user name and role. Its
// name is always "Login Page". Its two controls show fields that the page made itself.
class LoginPage : public FormInterface
{
    DECLARE_SERIAL(LoginPage)

public:
    LoginPage();
    LoginPage(const LoginPage&) = delete;
    LoginPage& operator=(const LoginPage&) = delete;
    // Also deletes the fields of the page's controls that the page made itself: those of no
    // table and of no reference or derived field of the page.
    ~LoginPage() override;

    void Serialize(CArchive& ar) override;

    // The user-name and password text boxes with their fields, their two variables, and the
    // page file of the open project's output kind.
    void CreateDefaultControls();
    // Only for a page without page file: the main file of the output kind (1 ASP.NET, 0
    // classic).
    void CreateLoginAspFile(int outputKind);
    // A new grid replaces the page's; with controls it has 3 rows of 2 cells holding them.
    Grid* BuildLayoutGrid();
    // Null without login call.
    Procedure* GetLoginProcedure() const;

    // Checks the login call's mapping when it calls the procedure.
    void CheckExtraProcedureMapping(Procedure* procedure) override;
    // The page's references, then the user-name and designation fields, then the login call's,
    // under the name "LoginPage": when its procedure goes, the call loses its variable pairs and
    // its procedure and stays.
    void ListReferences(ReferenceList& list) override;

    ProcedureInvokation* GetLoginCall() const { return m_loginCall; }
    // The page takes ownership.
    void SetLoginCall(ProcedureInvokation* call) { m_loginCall = call; }
    Field* GetUserNameField() const { return m_userNameField; }
    void SetUserNameField(Field* field) { m_userNameField = field; }
    Field* GetDesignationField() const { return m_designationField; }
    void SetDesignationField(Field* field) { m_designationField = field; }

private:
    // The login call exists and calls the procedure (never true for null).
    bool LoginCallCalls(const Procedure* procedure) const;
    // A char(10) field of no table, its text box and a page variable named after the field.
    void AddDefaultControl(const char* fieldName, const char* displayName);

    ProcedureInvokation* m_loginCall = nullptr;
    Field* m_userNameField = nullptr;
    Field* m_designationField = nullptr;
};
