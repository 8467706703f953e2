namespace Shop
{
	public partial class Login
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm form1;
		protected global::System.Web.UI.WebControls.Label errorMsg;
		protected global::System.Web.UI.WebControls.TextBox user_name;
		protected global::System.Web.UI.HtmlControls.HtmlInputPassword password;
		protected global::System.Web.UI.WebControls.Button Button1;
	}
}
