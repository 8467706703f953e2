#pragma once

#include "entities/FormInterface.h"

// The login page of the generated application: the call of the procedure that checks the
// credentials and the two output fields of that procedure that carry user name and role. Its
// name is always "Login Page".
class LoginPage : public FormInterface
{
    DECLARE_SERIAL(LoginPage)

public:
    LoginPage();
    LoginPage(const LoginPage&) = delete;
    LoginPage& operator=(const LoginPage&) = delete;
    // Also deletes the fields of the page's controls, which the page made itself.
    ~LoginPage() override;

    void Serialize(CArchive& ar) override;

    ProcedureInvokation* GetLoginCall() const { return m_loginCall; }
    // The page takes ownership.
    void SetLoginCall(ProcedureInvokation* call) { m_loginCall = call; }
    Field* GetUserNameField() const { return m_userNameField; }
    void SetUserNameField(Field* field) { m_userNameField = field; }
    Field* GetDesignationField() const { return m_designationField; }
    void SetDesignationField(Field* field) { m_designationField = field; }

private:
    ProcedureInvokation* m_loginCall = nullptr;
    Field* m_userNameField = nullptr;
    Field* m_designationField = nullptr;
};
