// Requests of the page checks: the values come in the request's form, as the pages post them,
// and none in its address.
using System.Collections.Specialized;
using System.Reflection;
using System.Web;

public static class PostedRequest
{
    // A request whose form holds the values, written as a query string.
    public static HttpRequest Of(string values)
    {
        HttpRequest request = new HttpRequest("page.aspx", "http://localhost/page.aspx", "");
        NameValueCollection form = request.Form;
        PropertyInfo readOnly = typeof(NameObjectCollectionBase).GetProperty("IsReadOnly",
            BindingFlags.NonPublic | BindingFlags.Instance);
        readOnly.SetValue(form, false, null);
        NameValueCollection posted = HttpUtility.ParseQueryString(values);
        foreach (string name in posted.AllKeys)
            if (name != null)
                foreach (string value in posted.GetValues(name))
                    form.Add(name, value);
        readOnly.SetValue(form, true, null);
        return request;
    }
}
