//------------------------------------------------------------------------------
// Controls of the master page Main.Master.
//------------------------------------------------------------------------------

namespace KestraneWeavo.Themes
{
    public partial class Main
    {
        protected global::System.Web.UI.HtmlControls.HtmlHead Head1;
        protected global::System.Web.UI.HtmlControls.HtmlForm aspnetForm;
        protected global::System.Web.UI.WebControls.ContentPlaceHolder KestraneWeavoContent;
        protected global::System.Web.UI.WebControls.Literal FooterText;
    }
}
