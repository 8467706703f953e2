namespace Shop
{
	public partial class Sales_by_customer_report
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm Sales_by_customer;

		protected global::System.Web.UI.WebControls.DropDownList customer_id;

		protected global::System.Web.UI.WebControls.TextBox status_editable;
		protected global::System.Web.UI.WebControls.ListBox status;

		protected global::System.Web.UI.HtmlControls.HtmlInputText odate;

		protected global::System.Web.UI.HtmlControls.HtmlTextArea notes;

		protected global::System.Web.UI.WebControls.TextBox credit;

		protected global::Microsoft.Reporting.WebForms.ReportViewer ReportViewer1;

		protected global::System.Web.UI.WebControls.ObjectDataSource ObjectDataSource1;

		protected global::System.Web.UI.WebControls.ObjectDataSource ObjectDataSource2;

		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.WebControls.HyperLink Order_List;

		protected global::System.Web.UI.WebControls.HyperLink Home;

		protected global::System.Web.UI.WebControls.Label MessageLabel;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
		protected global::System.Web.UI.WebControls.Button Print;

	}
}
