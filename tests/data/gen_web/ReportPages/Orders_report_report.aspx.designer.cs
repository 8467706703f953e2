namespace Shop
{
	public partial class Orders_report_report
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm Orders_report;

		protected global::System.Web.UI.WebControls.DropDownList customer_id;

		protected global::System.Web.UI.WebControls.RadioButtonList status;

		protected global::System.Web.UI.HtmlControls.HtmlInputText odate;

		protected global::System.Web.UI.WebControls.TextBox notes;

		protected global::System.Web.UI.WebControls.CheckBox urgent;

		protected global::System.Web.UI.WebControls.HiddenField credit;

		protected global::System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.HtmlControls.HtmlGenericControl messageDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
	}
}
