namespace Shop
{
	public partial class saleUpdate
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm sale;

		protected global::System.Web.UI.HtmlControls.HtmlForm Form2;

		protected global::System.Web.UI.WebControls.HiddenField sale_basic_id;
		protected global::System.Web.UI.WebControls.DropDownList customer_id;

		protected global::System.Web.UI.HtmlControls.HtmlInputText sdate;
		protected global::System.Web.UI.HtmlControls.HtmlAnchor sdateCalendar;

		protected global::System.Web.UI.WebControls.TextBox remark;

		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.HtmlControls.HtmlGenericControl sale_lineDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
	}
}
