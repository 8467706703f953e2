#pragma once

class ForgeonProject;

// Makes sure the open project's first module holds the login tables, the user-account pages
// and the login page. Made on the caller's stack, run once; it owns nothing.
class LoginPageCreator
{
public:
    LoginPageCreator() = default;
    LoginPageCreator(const LoginPageCreator&) = delete;
    LoginPageCreator& operator=(const LoginPageCreator&) = delete;
    virtual ~LoginPageCreator();

    // On the base module of the open project: the login tables, then, when "useraccount" has no
    // master form, the user-account and change-password forms, then the login page when there
    // is none. Nothing without an open project or without modules.
    void Create();

private:
    ForgeonProject* m_project = nullptr;
};
