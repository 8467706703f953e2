<%@ Application Language="C#" %>
<script runat="server">
void Session_Start(object sender, EventArgs e)
{
    Session["login_role"] = "Director";
}
</script>
