#include "gen_web/LoginPageWriter.h"

#include "gen_web/CodeLines.h"
#include "gen_web/LoginCodeBehindWriter.h"
#include "gen_web/PageControls.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Table.h"

LoginPageWriter::LoginPageWriter(ForgeonProject* project, GenerationReport& report)
    : m_project(project), m_report(report)
{
}

void LoginPageWriter::Write()
{
    LoginMarkupWriter(m_project, m_report).Write();
    LoginCodeBehindWriter(m_project, m_report).Write();
    LoginDesignerWriter(m_project, m_report).Write();
}

LoginMarkupWriter::LoginMarkupWriter(ForgeonProject* project, GenerationReport& report)
    : AspxWriter(project, nullptr, report)
{
}

void LoginMarkupWriter::Write()
{
    WriteContentPageOpening("Login.aspx", "Login");
    WriteScriptIncludes(1);
    WriteHeading();
    WriteLoginTable();
    m_textFile.Write(0, "</asp:Content>\n");
    SaveFile("Login.aspx", GetRelativeFolder(true) + "\\UI");
}

void LoginMarkupWriter::WriteHeading()
{
    m_textFile.Write(0, "\n");
    m_textFile.Write(1, "<h3 class=\"heading\">Login</h3>\n");
}

void LoginMarkupWriter::WriteLoginTable()
{
    WriteCodeLines(m_textFile, {
                                   {1, "<table class=\"LoginTable\">"},
                                   {2, "<tr>"},
                                   {3, "<td colspan = \"4\">"},
                                   {4, "<asp:Label ID=\"errorMsg\" runat=\"server\" Text=\"\">"
                                       "</asp:Label>"},
                                   {3, "</td>"},
                                   {2, "</tr>"},
                               });
    // The box takes every user name that the account column holds.
    CString userName;
    userName.Format("<asp:TextBox CssClass =\"TextControl\" id=\"user_name\" maxlength = \"%d\" "
                    "runat=\"server\"></asp:TextBox>",
                    UserNameLength());
    WriteFieldRow("User Name", userName);
    WriteFieldRow("Password", "<input type=\"password\" id=\"password\" runat=\"server\" "
                              "class = \"TextControl\"/>");
    WriteCodeLines(m_textFile, {
                                   {2, "<tr><td></td></tr>"},
                                   {2, "<tr><td></td></tr>"},
                                   {2, "<tr>"},
                                   {3, "<td align=\"center\" colspan=\"4\">"},
                                   {4, "<asp:Button ID=\"Log_in\" runat=\"server\" "
                                       "CssClass=\"ButtonControl\" OnClick=\"Log_in_Click\" "
                                       "Text=\"Login\"/>"},
                                   {3, "</td>"},
                                   {2, "</tr>"},
                                   {0, "</table>"},
                               });
}

int LoginMarkupWriter::UserNameLength() const
{
    const Module* base = m_project->GetBaseModule();
    const Table* accounts =
        base != nullptr ? base->FindMasterTableByName(userAccountTableName) : nullptr;
    return GetTextColumnLength(accounts != nullptr ? accounts->FindFieldByName("username")
                                                   : nullptr);
}

void LoginMarkupWriter::WriteFieldRow(const char* label, const char* control)
{
    m_textFile.Write(2, "<tr>\n");
    m_textFile.Write(3, "<td></td>\n");
    m_textFile.Write(3, "<td class = \"TDClassLabel\"> %s </td>\n",
                     CString(label) + "<label class=\"CompulsaryLabel\">*</label>");
    m_textFile.Write(3, "<td class = \"TDClassControl\">\n");
    m_textFile.Write(4, "%s\n", control);
    m_textFile.Write(3, "</td>\n");
    m_textFile.Write(3, "<td></td>\n");
    m_textFile.Write(2, "</tr>\n");
}

LoginDesignerWriter::LoginDesignerWriter(ForgeonProject* project, GenerationReport& report)
    : AspxWriter(project, nullptr, report)
{
}

void LoginDesignerWriter::Write()
{
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", "Login");
    m_textFile.Write(1, "{\n");
    WriteCodeLines(m_textFile,
                   {
                       {2, "protected global::System.Web.UI.HtmlControls.HtmlForm form1;"},
                       {2, "protected global::System.Web.UI.WebControls.Label errorMsg;"},
                       {2, "protected global::System.Web.UI.WebControls.TextBox user_name;"},
                       {2, "protected global::System.Web.UI.HtmlControls.HtmlInputPassword "
                           "password;"},
                       {2, "protected global::System.Web.UI.WebControls.Button Button1;"},
                       {1, "}"},
                       {0, "}"},
                   });
    SaveFile("Login.aspx.designer.cs", GetRelativeFolder(true) + "\\UI");
}
