using System;
using System.Web;

namespace KestraneWeavo.Themes
{
    public partial class Main : System.Web.UI.MasterPage
    {
        protected void Page_Load(object sender, EventArgs e)
        {
            HttpCookie user = Request.Cookies["login_username"];
            FooterText.Text = user == null || user.Value == "" ? "" : "Signed in as " + Server.HtmlEncode(user.Value);
        }
    }
}
