namespace Shop
{
	public partial class orders_single_report
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm orders_single;

		protected global::System.Web.UI.WebControls.HiddenField record_id;
		protected global::System.Web.UI.WebControls.HiddenField page_no;
		protected global::System.Web.UI.WebControls.TextBox customer_id_editable;

		protected global::System.Web.UI.WebControls.ListBox customer_id;

		protected global::System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.HtmlControls.HtmlGenericControl messageDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton Prior;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton Next;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton Add;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton Update;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton Delete;
	}
}
