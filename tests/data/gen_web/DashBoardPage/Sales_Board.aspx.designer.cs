namespace Shop
{
	public partial class Sales_Board
	{
		protected global::System.Web.UI.WebControls.Label LabelUsername;
		protected global::System.Web.UI.WebControls.HyperLink Stock_Board_view;

		protected global::System.Web.UI.WebControls.HyperLink Reorders;

	}
}
