#include "gen_web/LoginCodeBehindWriter.h"

#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "gen_web/CodeLines.h"
#include "gen_web/DashBoardPageNames.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "platform/core/LiteralEscaping.h"

LoginCodeBehindWriter::LoginCodeBehindWriter(ForgeonProject* project, GenerationReport& report)
    : AspxWriter(project, nullptr, report)
{
}

void LoginCodeBehindWriter::Write()
{
    WriteUsings();
    WriteClassHead();
    WritePreInit();
    WritePageLoad();
    WriteLoginClick();
    WriteClassFoot();
    SaveFile("Login.aspx.cs", GetRelativeFolder(true) + "\\UI");
}

void LoginCodeBehindWriter::WriteClassHead()
{
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class Login : System.Web.UI.Page\n");
    m_textFile.Write(1, "{\n");
}

void LoginCodeBehindWriter::WritePreInit()
{
    WriteCodeLines(m_textFile, {
                                   {2, "void Page_PreInit(Object sender, EventArgs e)"},
                                   {2, "{"},
                                   {3, "this.Title = \"Login Page\";"},
                                   {2, "}"},
                               });
}

void LoginCodeBehindWriter::WritePageLoad()
{
    WriteCodeLines(
        m_textFile,
        {
            {2, "protected void Page_Load(object sender, EventArgs e)"},
            {2, "{"},
            {3, "Response.Cookies[\"login_username\"].Expires = DateTime.Now.AddDays(-1);"},
            {3, "Response.Cookies[\"login_role\"].Expires = DateTime.Now.AddDays(-1);"},
            {3, "Response.Cookies[\"login_id\"].Expires = DateTime.Now.AddDays(-1);"},
            {3, "Response.Cookies[\"login_key\"].Expires = DateTime.Now.AddDays(-1);"},
            {3, "Session.Remove(\"login_role\");"},
            {3, "Session.Remove(\"login_id\");"},
            {3, "Session.Remove(\"login_key\");"},
            {3, "Session.Remove(\"login_username\");"},
            {3, "Session.Remove(\"login_password\");"},
            {3, "if (!IsPostBack)"},
            {3, "{"},
            {4, "//a login starts a new session: the one the browser brings ends here"},
            {4, "Session.Abandon();"},
            {4, "Response.Cookies[\"ASP.NET_SessionId\"].Expires = DateTime.Now.AddDays(-1);"},
            {3, "}"},
            {3, "errorMsg.Visible = false;"},
            {3, "errorMsg.Text= \"\";"},
            {3, "if (Request.QueryString[\"Refused\"] != null)"},
            {3, "{"},
            {4, "errorMsg.Visible = true;"},
            {4, "errorMsg.Text = \"You are not allowed to open that page or to do that.\";"},
            {3, "}"},
            {3, "this.user_name.Focus();"},
            {2, "}"},
        });
}

void LoginCodeBehindWriter::WriteLoginClick()
{
    WriteCodeLines(m_textFile, {
                                   {2, "protected void Log_in_Click(object sender, EventArgs e)"},
                                   {2, "{"},
                                   {3, "if (user_name.Text == \"\" && password.Value == \"\")"},
                                   {3, "{"},
                                   {4, "errorMsg.Visible = true;"},
                                   {4, "errorMsg.Text = \"Please enter user name and password.\";"},
                                   {3, "}"},
                                   {3, "else"},
                                   {3, "{"},
                                   {4, "String login = user_name.Text;"},
                                   {4, "String pwd = password.Value;"},
                                   {4, "UtilHandler util = new UtilHandler();"},
                               });
    WriteAccountQuery();
    WriteCodeLines(m_textFile, {
                                   {4, "if (dataTable.Rows.Count > 0)"},
                                   {4, "{"},
                               });
    WritePasswordCheck();
    WriteCodeLines(m_textFile, {
                                   {4, "}"},
                                   {4, "else"},
                                   {4, "{"},
                                   {5, "errorMsg.Visible = true;"},
                                   {5, "errorMsg.Text = \"Invalid User Name.\";"},
                                   {5, "user_name.Text = login;"},
                                   {5, "password.Value = \"\";"},
                                   {4, "}"},
                                   {3, "}"},
                                   {2, "}"},
                               });
}

void LoginCodeBehindWriter::WriteAccountQuery()
{
    WriteCodeLines(
        m_textFile,
        {
            {4, "String sqlString = \"SELECT dbo.useraccount.username, dbo.useraccount.password, "
                "dbo.personnel_role.role_no, dbo.useraccount.useraccount_id \";"},
            {4, "sqlString += \"FROM dbo.useraccount INNER JOIN dbo.personnel_role \";"},
            {4, "sqlString += \"ON dbo.useraccount.personnel_role_id = "
                "dbo.personnel_role.personnel_role_id \";"},
            {4, "sqlString += \"WHERE     (dbo.useraccount.Is_Deleted = 'N') AND "
                "(dbo.useraccount.username = '\" + util.ReplaceSingleQuoteInString(login) + "
                "\"')\";"},
            {4, "DBHandler dbHandler = new DBHandler();"},
            {4, "DataTable dataTable = dbHandler.ExecuteQuery(sqlString);"},
        });
}

void LoginCodeBehindWriter::WritePasswordCheck()
{
    WriteCodeLines(m_textFile,
                   {
                       {5, "String role = dataTable.Rows[0][\"role_no\"].ToString();"},
                       {5, "String id = dataTable.Rows[0][\"useraccount_id\"].ToString();"},
                       {5, "String dbPwd = dataTable.Rows[0][\"password\"].ToString();"},
                       {5, "if (!util.IsStoredPassword(pwd, Convert.ToInt32(id), dbPwd))"},
                       {5, "{"},
                       {6, "errorMsg.Visible = true;"},
                       {6, "errorMsg.Text = \"Invalid password.\";"},
                       {6, "user_name.Text = login;"},
                       {6, "password.Value = \"\";"},
                       {5, "}"},
                       {5, "else"},
                       {5, "{"},
                   });
    WriteLoggedIn();
    m_textFile.Write(5, "}\n");
}

void LoginCodeBehindWriter::WriteLoggedIn()
{
    WriteCodeLines(
        m_textFile,
        {
            {6, "Session[\"login_role\"] = role;"},
            {6, "Session[\"login_id\"] = id;"},
            {6, "Session[\"login_username\"] = dataTable.Rows[0][\"username\"].ToString();"},
            {6, "Session[\"login_password\"] = dbPwd;"},
            {6, "String loginKey = util.NewToken();"},
            {6, "Session[\"login_key\"] = loginKey;"},
            {6, "Session[\"request_token\"] = util.NewToken();"},
            {6, "if (dbPwd == \"\")"},
            {7, "Session[\"password_required\"] = \"Y\";"},
            {6, "HttpCookie keyCookie = new HttpCookie(\"login_key\", loginKey);"},
            {6, "keyCookie.HttpOnly = true;"},
            {6, "Response.Cookies.Add(keyCookie);"},
            {6, "HttpCookie userNameCookie = new HttpCookie(\"login_username\", login);"},
            {6, "HttpCookie roleCookie = new HttpCookie(\"login_role\", role);"},
            {6, "HttpCookie idCookie = new HttpCookie(\"login_id\", id);"},
            {6, "Response.Cookies.Add(userNameCookie);"},
            {6, "Response.Cookies.Add(roleCookie);"},
            {6, "Response.Cookies.Add(idCookie);"},
            {6, "String url = \"\";"},
        });
    WriteRoleRedirects();
    WriteCodeLines(m_textFile,
                   {
                       {6, "if (url.Length != 0)"},
                       {7, "Response.Redirect(url);"},
                       {6, "else"},
                       {6, "{"},
                       {7, "errorMsg.Visible = true;"},
                       {7, "errorMsg.Text = \"Dashboard is not assiged to this role\";"},
                       {7, "user_name.Text = login;"},
                       {7, "password.Value = \"\";"},
                       {6, "}"},
                   });
}

void LoginCodeBehindWriter::WriteRoleRedirects()
{
    for (int i = 0; i < m_project->GetModuleCount(); ++i)
    {
        const Module* module = m_project->GetModuleAt(i);
        for (const Designation* role : module->GetDesignations())
        {
            const DashBoardPage* page = role->GetDashBoardPage();
            const CString fileName = page != nullptr ? DashBoardPageFileName(*page) : CString();
            if (fileName.IsEmpty())
                continue;
            const Module* pageModule = page->GetModule() != nullptr ? page->GetModule() : module;
            m_textFile.Write(6, "if(role == \"%d\")\n", role->GetId());
            m_textFile.Write(7, "url = \"~\\\\%s\\\\UI\\\\%s\";\n",
                             EscapeCSharpString(pageModule->GetName()),
                             EscapeCSharpString(fileName));
        }
    }
}

void LoginCodeBehindWriter::WriteClassFoot()
{
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}
