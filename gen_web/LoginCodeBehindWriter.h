#pragma once

#include "gen_web/AspxWriter.h"

// "Login.aspx.cs": checks the typed user name and password against the login tables, keeps the
// account's id and role in the session (and in cookies for display) and opens the dashboard
// page of the role.
class LoginCodeBehindWriter : public AspxWriter
{
public:
    LoginCodeBehindWriter(ForgeonProject* project, GenerationReport& report);

    void Write();

private:
    void WriteClassHead();
    void WritePreInit();
    // Logs out: the cookies expire and the session forgets the account.
    void WritePageLoad();
    void WriteLoginClick();
    // The account of the typed user name, the name escaped for its SQL literal.
    void WriteAccountQuery();
    void WritePasswordCheck();
    void WriteLoggedIn();
    // One redirect per role, of every module, that has a dashboard page with a page file: to that
    // file in the page's module folder.
    void WriteRoleRedirects();
    void WriteClassFoot();
};
