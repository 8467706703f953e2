namespace Shop
{
	public partial class documentUpdate
	{
		protected global::System.Web.UI.HtmlControls.HtmlForm document_form;

		protected global::System.Web.UI.WebControls.HiddenField document_id;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton UpdateButton;
		protected global::System.Web.UI.HtmlControls.HtmlInputButton DeleteButton;
		protected global::System.Web.UI.HtmlControls.HtmlTextArea title;

		protected global::System.Web.UI.HtmlControls.HtmlInputFile  scan;
		protected global::System.Web.UI.WebControls.Label  scanLabel;

		protected global::System.Web.UI.WebControls.Menu Menu1;
		protected global::System.Web.UI.WebControls.Label MessageLabel;
		protected global::System.Web.UI.HtmlControls.HtmlGenericControl messageDiv;
		protected global::System.Web.UI.WebControls.Label LabelUsername;
	}
}
