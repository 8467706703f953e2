namespace Shop
{
	public partial class Sales_by_customer_report_Print
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm PrintForm;

		protected global::Microsoft.Reporting.WebForms.ReportViewer ReportViewer1;

		protected global::System.Web.UI.WebControls.ObjectDataSource ObjectDataSource1;

		protected global::System.Web.UI.WebControls.ObjectDataSource ObjectDataSource2;

	}
}
