namespace Shop
{
	public partial class ordersUpdate
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm orders_form;

		protected global::System.Web.UI.WebControls.HiddenField orders_id;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton UpdateButton;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton DeleteButton;
		protected global::System.Web.UI.WebControls.DropDownList customer_id;

		protected global::System.Web.UI.HtmlControls.HtmlInputText odate;
		protected global::System.Web.UI.HtmlControls.HtmlAnchor odateCalendar;

		protected global::System.Web.UI.WebControls.RadioButtonList status;

		protected global::System.Web.UI.WebControls.CheckBox urgent;

		protected global::System.Web.UI.WebControls.TextBox notes;

		protected global::System.Web.UI.WebControls.TextBox credit;

		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.WebControls.HyperLink Order_List;

		protected global::System.Web.UI.WebControls.HyperLink Back___Home;

		protected global::System.Web.UI.HtmlControls.HtmlGenericControl messageDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
	}
}
