// Runs handlers of the generated form pages of the project "Shop" on posted values under mono,
// against the recording DBHandler, and checks the SQL they reach; exits with 1 and names every
// failed check.
using System;
using System.Collections.Generic;
using System.IO;
using System.Reflection;
using System.Runtime.Serialization;
using System.Web;
using System.Web.SessionState;
using Shop;

public class FormPagesCheck
{
    static int failures = 0;

    static void Check(string what, string expected, string actual)
    {
        if (expected != actual)
        {
            Console.WriteLine("FAILED " + what + ": expected [" + expected + "], got [" + actual + "]");
            failures++;
        }
    }

    static string LastStatement()
    {
        List<string> statements = DBHandler.Statements;
        string last = statements.Count > 0 ? statements[statements.Count - 1] : "(none)";
        statements.Clear();
        return last;
    }

    // The page as a request with the posted values finds it; the page's constructor needs a web
    // host, so its members are set here.
    static object NewPage(Type pageType, object dataObject, string query)
    {
        HttpContext context = new HttpContext(PostedRequest.Of(query),
                                              new HttpResponse(new StringWriter()));
        object page = FormatterServices.GetUninitializedObject(pageType);
        BindingFlags members = BindingFlags.NonPublic | BindingFlags.Instance;
        Type basePage = typeof(System.Web.UI.Page);
        basePage.GetField("_context", members).SetValue(page, context);
        basePage.GetField("_request", members).SetValue(page, context.Request);
        basePage.GetField("_response", members).SetValue(page, context.Response);
        basePage.GetField("scriptManager", members).SetValue(page, Activator.CreateInstance(
            typeof(System.Web.UI.ClientScriptManager), members, null, new object[] { page }, null));
        pageType.GetField("m_" + dataObject.GetType().Name.TrimStart('_'), members).SetValue(page, dataObject);
        pageType.GetField("m_messageString", members).SetValue(page, "");
        return page;
    }

    static HttpContext ContextOf(object page)
    {
        FieldInfo context = typeof(System.Web.UI.Page).GetField("_context", BindingFlags.NonPublic | BindingFlags.Instance);
        return (HttpContext)context.GetValue(page);
    }

    // The session of the page's request, holding the role, account 1 with its password and the
    // login key that the request's cookie brings when a role is given.
    static void AddSession(object page, string role)
    {
        SessionStateItemCollection items = new SessionStateItemCollection();
        if (role != null)
        {
            items["login_role"] = role;
            items["login_id"] = "1";
            items["login_password"] = "U8:stored";
            items["login_key"] = "check";
            ContextOf(page).Request.Cookies.Add(new HttpCookie("login_key", "check"));
        }
        HttpSessionStateContainer session = new HttpSessionStateContainer(
            "check", items, new HttpStaticObjectsCollection(), 20, true, HttpCookieMode.UseCookies,
            SessionStateMode.InProc, false);
        SessionStateUtility.AddHttpSessionStateToContext(ContextOf(page), session);
    }

    // The server controls that the designer file declares, as the page's parser would make them.
    static void CreateControls(object page)
    {
        foreach (FieldInfo field in page.GetType().GetFields(BindingFlags.NonPublic | BindingFlags.Instance | BindingFlags.DeclaredOnly))
        {
            if (typeof(System.Web.UI.Control).IsAssignableFrom(field.FieldType))
                field.SetValue(page, Activator.CreateInstance(field.FieldType));
        }
    }

    // Account 1 as stored: its role and password, or none when it is deleted.
    static void StoreAccount(string role, string password)
    {
        System.Data.DataTable account = new System.Data.DataTable();
        account.Columns.Add("password");
        account.Columns.Add("role_no");
        if (role != null)
            account.Rows.Add(new object[] { password, role });
        DBHandler.Answers["useraccount.useraccount_id = 1"] = account;
    }

    // A stored record of the table with the key.
    static void StoreRecord(string table, string key)
    {
        System.Data.DataTable record = new System.Data.DataTable();
        record.Columns.Add(table + "_id");
        record.Rows.Add(new object[] { key });
        DBHandler.Answers["FROM " + table + " WHERE " + table + "_id = " + key + " "] = record;
    }

    static string Message(object page)
    {
        return (string)page.GetType().GetField("m_messageString", BindingFlags.NonPublic | BindingFlags.Instance).GetValue(page);
    }

    // Page_Load of the orders' Update page: the answer's status, then the redirect target or the
    // last statement but the session's check. The host here does not end the response at a redirect.
    static string LoadUpdatePage(string query, string sessionRole, string cookieRole)
    {
        object page = NewPage(typeof(ordersUpdate), new _orders(), query);
        AddSession(page, sessionRole);
        CreateControls(page);
        HttpContext context = ContextOf(page);
        if (cookieRole != null)
            context.Request.Cookies.Add(new HttpCookie("login_role", cookieRole));
        try
        {
            page.GetType().GetMethod("Page_Load", BindingFlags.NonPublic | BindingFlags.Instance)
                .Invoke(page, new object[] { null, EventArgs.Empty });
        }
        catch (TargetInvocationException e)
        {
            // What runs after a redirect is not the page's answer: a host ends the response there.
            if (context.Response.StatusCode != 302)
            {
                Console.WriteLine("FAILED Page_Load: " + e.InnerException);
                failures++;
            }
        }
        // The session's account check aside.
        DBHandler.Statements.RemoveAll(delegate(string run) { return run.Contains("FROM useraccount INNER JOIN personnel_role"); });
        string statement = LastStatement();
        if (context.Response.StatusCode == 302)
            return "302 " + context.Response.RedirectLocation;
        return context.Response.StatusCode + " " + statement;
    }

    static void Call(object page, string method, params object[] arguments)
    {
        MethodInfo found = page.GetType().GetMethod(method, BindingFlags.Public | BindingFlags.NonPublic | BindingFlags.Instance);
        try
        {
            found.Invoke(page, arguments);
        }
        catch (TargetInvocationException e)
        {
            Console.WriteLine("FAILED " + method + ": " + e.InnerException);
            failures++;
        }
    }

    // What the page's method writes into the answer, given a row of the two columns.
    static string Answer(string method, string front, string back, params object[] arguments)
    {
        object page = NewPage(typeof(ordersUpdate), new _orders(), "");
        System.Data.DataTable table = new System.Data.DataTable();
        table.Columns.Add("front");
        table.Columns.Add("back");
        table.Rows.Add(new object[] { front, back });
        StringWriter answer = new StringWriter();
        FieldInfo output = typeof(HttpResponse).GetField("writer", BindingFlags.NonPublic | BindingFlags.Instance);
        output.SetValue(ContextOf(page).Response, answer);
        object[] all = new object[arguments.Length + 1];
        all[0] = table;
        arguments.CopyTo(all, 1);
        Call(page, method, all);
        return answer.ToString();
    }

    public static int Main()
    {
        Check("combo fill of database values", "<Front>&lt;b&gt; &amp; &apos;c&apos;</Front><Back>1&quot;2</Back>",
              Answer("writeDataToFillCombo", "<b> & 'c'", "1\"2", "front", "back"));
        Check("recompute of a database value", "<credit>&lt;5&gt; &amp; 6</credit>",
              Answer("fillRecomputeTextControls", "<5> & 6", "", "credit", "front"));

        string quoted = HttpUtility.UrlEncode("O'Brien's'); DROP TABLE x; --");
        // A customer that the combo never offered (not a key, or of no record that is not
        // deleted) adds nothing; customer 3 is stored.
        foreach (string customer in new string[] { "3%20OR%201%3D1", "4" })
        {
            object refused = NewPage(typeof(ordersAdd), new _orders(), "ACTION=ADD&customer_id=" + customer +
                                     "&odate=25/12/2024&status=O&notes=x&credit=5");
            Call(refused, "handleAdd");
            Check("handleAdd of customer " + customer,
                  (customer == "4" ? "Can not Add Record!" : "Please enter valid numeric value for customer_id") + " False",
                  Message(refused) + " " + LastStatement().StartsWith("INSERT"));
        }
        // A number that is not one, a date not in the page's form and a field the post left out
        // add nothing and name the field.
        string sound = "ACTION=ADD&customer_id=3&status=O&notes=x";
        string[,] unread = { { sound + "&odate=25/12/2024&credit=5;%20DROP%20TABLE%20x", "Please enter valid numeric value for credit" },
                             { sound + "&odate=25/12/2024&credit=12,50", "Please enter valid numeric value for credit" },
                             { sound + "&odate=12/25/2024&credit=5", "Please select valid odate" },
                             { sound + "&odate=5.4.2020&credit=5", "Please select valid odate" },
                             { "ACTION=ADD&customer_id=3&status=O&odate=25/12/2024&credit=5", "The form did not send notes." } };
        for (int i = 0; i < unread.GetLength(0); i++)
        {
            object refused = NewPage(typeof(ordersAdd), new _orders(), unread[i, 0]);
            Call(refused, "handleAdd");
            Check("handleAdd of " + unread[i, 0], unread[i, 1] + " False",
                  Message(refused) + " " + LastStatement().StartsWith("INSERT"));
        }
        StoreRecord("customer", "3");
        Call(NewPage(typeof(ordersAdd), new _orders(),
                     "ACTION=ADD&customer_id=3&odate=25/12/2024&status=O%27C&urgent=on&notes=" +
                     quoted + "&credit=5"),
             "handleAdd");
        Check("handleAdd",
              "INSERT INTO orders(Is_Deleted,customer_id,odate,status,urgent,notes,credit) VALUES(N'N',3," +
              "N'12/25/2024',N'O''C',N'on',N'O''Brien''s''); DROP TABLE x; --',5);",
              LastStatement());

        Call(NewPage(typeof(ordersUpdate), new _orders(), "ACTION=DELETE&orders_id=5%20OR%201%3D1"), "handleDelete");
        Check("handleDelete with a key that is not a number", "(none)", LastStatement());
        // Record 5 is stored, record 6 is not (or deleted).
        StoreRecord("orders", "5");
        Call(NewPage(typeof(ordersUpdate), new _orders(), "ACTION=DELETE&orders_id=5"), "handleDelete");
        Check("handleDelete", "update orders set Is_Deleted = 'Y' where orders_id = 5", LastStatement());
        foreach (string action in new string[] { "DELETE", "UPDATE" })
        {
            object gone = NewPage(typeof(ordersUpdate), new _orders(), "ACTION=" + action + "&orders_id=6&notes=x");
            Call(gone, action == "DELETE" ? "handleDelete" : "handleUpdate");
            string statement = LastStatement();
            Check(action + " of a record that is gone", action == "DELETE" ? "Can not Delete Record! True" : "Can not Update Record! True",
                  Message(gone) + " " + statement.StartsWith("SELECT"));
        }

        Call(NewPage(typeof(ordersUpdate), new _orders(), ""), "fillControls", "2; DROP TABLE x");
        Check("fillControls",
              "SELECT orders.orders_id, orders.Is_Deleted, orders.customer_id, CONVERT(varchar(10), orders.odate, 101) " +
              "AS odate, orders.status, orders.urgent, orders.notes, orders.credit FROM orders WHERE orders_id = 0 " +
              "AND orders.Is_Deleted = 'N'",
              LastStatement());

        string select =
            "SELECT orders.orders_id, orders.Is_Deleted, orders.customer_id, CONVERT(varchar(10), orders.odate, 101) " +
            "AS odate, orders.status, orders.urgent, orders.notes, orders.credit FROM orders WHERE orders_id = 2 " +
            "AND orders.Is_Deleted = 'N'";
        StoreAccount(ASPXMenuWriter.ADMINISTRATOR_ROLE, "U8:stored");
        Check("first request for a record", "200 " + select, LoadUpdatePage("orders_id=2", ASPXMenuWriter.ADMINISTRATOR_ROLE, null));
        Check("first request with a key that is not a number", "200 (none)",
              LoadUpdatePage("orders_id=2%3B%20DROP%20TABLE%20x", ASPXMenuWriter.ADMINISTRATOR_ROLE, null));
        Check("first request with a role cookie and no role in the session", "302 /BaseModule/UI/Login.aspx",
              LoadUpdatePage("orders_id=2", null, "admin"));
        // The session ends once its account is deleted or has another role or password.
        string[,] changed = { { null, null }, { "2", "U8:stored" }, { ASPXMenuWriter.ADMINISTRATOR_ROLE, "U8:another" } };
        for (int i = 0; i < changed.GetLength(0); i++)
        {
            StoreAccount(changed[i, 0], changed[i, 1]);
            Check("first request of a session whose account changed (" + changed[i, 0] + ", " + changed[i, 1] + ")",
                  "302 /BaseModule/UI/Login.aspx", LoadUpdatePage("orders_id=2", ASPXMenuWriter.ADMINISTRATOR_ROLE, null));
        }

        UtilHandler util = new UtilHandler();
        foreach (string name in new string[] { "shell.aspx", "Shell.ASHX ", "web.config.", "run.exe", "x.asp;.jpg", "a.cs::$DATA" })
            Check("refused " + name, "True", util.IsExecutableFile(name).ToString());
        foreach (string name in new string[] { "scan.pdf", "photo.jpg", "aspx.txt" })
            Check("accepted " + name, "False", util.IsExecutableFile(name).ToString());

        if (failures > 0)
            return 1;
        Console.WriteLine("all checks passed");
        return 0;
    }
}
