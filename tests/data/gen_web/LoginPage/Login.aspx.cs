using System;
using System.Data;
using System.Data.SqlClient;
using System.Configuration;
using System.Collections;
using System.Web;
using System.Web.Security;
using System.Web.UI;
using System.Web.UI.WebControls;
using System.Web.UI.WebControls.WebParts;
using System.Web.UI.HtmlControls;
using System.Drawing;
using System.Xml;
using System.Xml.Xsl;
using System.IO;
namespace Shop
{
	public partial class Login : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "Login Page";
		}
		protected void Page_Load(object sender, EventArgs e)
		{
			Response.Cookies["login_username"].Expires = DateTime.Now.AddDays(-1);
			Response.Cookies["login_role"].Expires = DateTime.Now.AddDays(-1);
			Response.Cookies["login_id"].Expires = DateTime.Now.AddDays(-1);
			Response.Cookies["login_key"].Expires = DateTime.Now.AddDays(-1);
			Session.Remove("login_role");
			Session.Remove("login_id");
			Session.Remove("login_key");
			Session.Remove("login_username");
			Session.Remove("login_password");
			if (!IsPostBack)
			{
				//a login starts a new session: the one the browser brings ends here
				Session.Abandon();
				Response.Cookies["ASP.NET_SessionId"].Expires = DateTime.Now.AddDays(-1);
			}
			errorMsg.Visible = false;
			errorMsg.Text= "";
			if (Request.QueryString["Refused"] != null)
			{
				errorMsg.Visible = true;
				errorMsg.Text = "You are not allowed to open that page or to do that.";
			}
			this.user_name.Focus();
		}
		protected void Log_in_Click(object sender, EventArgs e)
		{
			if (user_name.Text == "" && password.Value == "")
			{
				errorMsg.Visible = true;
				errorMsg.Text = "Please enter user name and password.";
			}
			else
			{
				String login = user_name.Text;
				String pwd = password.Value;
				UtilHandler util = new UtilHandler();
				String sqlString = "SELECT dbo.useraccount.username, dbo.useraccount.password, dbo.personnel_role.role_no, dbo.useraccount.useraccount_id ";
				sqlString += "FROM dbo.useraccount INNER JOIN dbo.personnel_role ";
				sqlString += "ON dbo.useraccount.personnel_role_id = dbo.personnel_role.personnel_role_id ";
				sqlString += "WHERE     (dbo.useraccount.Is_Deleted = 'N') AND (dbo.useraccount.username = '" + util.ReplaceSingleQuoteInString(login) + "')";
				DBHandler dbHandler = new DBHandler();
				DataTable dataTable = dbHandler.ExecuteQuery(sqlString);
				if (dataTable.Rows.Count > 0)
				{
					String role = dataTable.Rows[0]["role_no"].ToString();
					String id = dataTable.Rows[0]["useraccount_id"].ToString();
					String dbPwd = dataTable.Rows[0]["password"].ToString();
					if (!util.IsStoredPassword(pwd, Convert.ToInt32(id), dbPwd))
					{
						errorMsg.Visible = true;
						errorMsg.Text = "Invalid password.";
						user_name.Text = login;
						password.Value = "";
					}
					else
					{
						Session["login_role"] = role;
						Session["login_id"] = id;
						Session["login_username"] = dataTable.Rows[0]["username"].ToString();
						Session["login_password"] = dbPwd;
						String loginKey = util.NewToken();
						Session["login_key"] = loginKey;
						Session["request_token"] = util.NewToken();
						if (dbPwd == "")
							Session["password_required"] = "Y";
						HttpCookie keyCookie = new HttpCookie("login_key", loginKey);
						keyCookie.HttpOnly = true;
						Response.Cookies.Add(keyCookie);
						HttpCookie userNameCookie = new HttpCookie("login_username", login);
						HttpCookie roleCookie = new HttpCookie("login_role", role);
						HttpCookie idCookie = new HttpCookie("login_id", id);
						Response.Cookies.Add(userNameCookie);
						Response.Cookies.Add(roleCookie);
						Response.Cookies.Add(idCookie);
						String url = "";
						if(role == "1")
							url = "~\\BaseModule\\UI\\Sales_Board.aspx";
						if(role == "3")
							url = "~\\Stock\\UI\\Stock_&_Reorders.aspx";
						if (url.Length != 0)
							Response.Redirect(url);
						else
						{
							errorMsg.Visible = true;
							errorMsg.Text = "Dashboard is not assiged to this role";
							user_name.Text = login;
							password.Value = "";
						}
					}
				}
				else
				{
					errorMsg.Visible = true;
					errorMsg.Text = "Invalid User Name.";
					user_name.Text = login;
					password.Value = "";
				}
			}
		}
	}
}
