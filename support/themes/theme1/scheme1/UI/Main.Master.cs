using System;
using System.Web;

namespace KestraneWeavo.Themes
{
    public partial class Main : System.Web.UI.MasterPage
    {
        protected void Page_Load(object sender, EventArgs e)
        {
            String user = Session == null ? null : Convert.ToString(Session["login_username"]);
            FooterText.Text = String.IsNullOrEmpty(user) ? "" : "Signed in as " + Server.HtmlEncode(user);
        }
    }
}
