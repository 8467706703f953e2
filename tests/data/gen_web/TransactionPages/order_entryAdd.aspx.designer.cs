namespace Shop
{
	public partial class order_entryAdd
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm order_entry;

		protected global::System.Web.UI.WebControls.TextBox note;

		protected global::System.Web.UI.HtmlControls.HtmlInputFile  scan;

		protected global::System.Web.UI.WebControls.DropDownList customer_id;

		protected global::System.Web.UI.WebControls.TextBox agent_editable;
		protected global::System.Web.UI.WebControls.ListBox agent;

		protected global::System.Web.UI.WebControls.Label MessageLabel;
		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.HtmlControls.HtmlGenericControl order_lineDiv;
		protected global::System.Web.UI.HtmlControls.HtmlGenericControl order_paymentDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
	}
}
