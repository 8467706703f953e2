namespace Shop
{
	public partial class orders_links_report
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm orders_links;

		protected global::System.Web.UI.WebControls.TextBox customer_id_editable;

		protected global::System.Web.UI.WebControls.ListBox customer_id;

		protected global::System.Web.UI.WebControls.RadioButtonList status;

		protected global::System.Web.UI.HtmlControls.HtmlInputText odate;

		protected global::System.Web.UI.WebControls.TextBox notes;

		protected global::System.Web.UI.WebControls.CheckBox urgent;

		protected global::System.Web.UI.WebControls.HiddenField credit;

		protected global::System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.WebControls.HyperLink Home___report;

		protected global::System.Web.UI.WebControls.HyperLink Order_List___report;

		protected global::System.Web.UI.HtmlControls.HtmlGenericControl messageDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
	}
}
