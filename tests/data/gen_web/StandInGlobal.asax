<%@ Application Language="C#" %>
<script runat="server">
// Every request comes from the administrator's logged-in session: the session holds the role,
// the account and its password, the login key and the request token, and the request brings the
// key's cookie.
void Application_PreRequestHandlerExecute(object sender, EventArgs e)
{
    if (Context.Session == null)
        return;
    Session["login_role"] = Shop.ASPXMenuWriter.ADMINISTRATOR_ROLE;
    Session["login_id"] = "1";
    Session["login_password"] = "stand-in";
    Session["login_key"] = "stand-in";
    Session["request_token"] = "stand-in";
    Request.Cookies.Set(new HttpCookie("login_key", "stand-in"));
}
</script>
