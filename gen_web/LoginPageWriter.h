#pragma once

#include "gen_web/AspxWriter.h"

// The login page of the current module: "Login.aspx", "Login.aspx.cs" and
// "Login.aspx.designer.cs" in its "UI" folder.
class LoginPageWriter
{
public:
    LoginPageWriter(ForgeonProject* project, GenerationReport& report);

    // Markup, then code-behind, then designer file.
    void Write();

private:
    ForgeonProject* m_project;
    GenerationReport& m_report;
};

// "Login.aspx": the user name and password boxes and the Login button in the login table.
class LoginMarkupWriter : public AspxWriter
{
public:
    LoginMarkupWriter(ForgeonProject* project, GenerationReport& report);

    void Write();

private:
    void WriteHeading();
    void WriteLoginTable();
    // The characters that the user name column of the base module's account table holds; 0,
    // which sets no limit, for a column of any length or without the table.
    int UserNameLength() const;
    // A row of an empty cell, the label cell with the compulsory mark, the control cell and an
    // empty cell.
    void WriteFieldRow(const char* label, const char* control);
};

// "Login.aspx.designer.cs": the page's server controls.
class LoginDesignerWriter : public AspxWriter
{
public:
    LoginDesignerWriter(ForgeonProject* project, GenerationReport& report);

    void Write();
};
