// Runs handlers of the generated master-detail pages of the project "Shop" on posted rows under
// mono, against the recording DBHandler, and checks the SQL they reach; exits with 1 and names
// every failed check.
using System;
using System.Collections.Generic;
using System.IO;
using System.Reflection;
using System.Text;
using System.Text.RegularExpressions;
using System.Runtime.Serialization;
using System.Web;
using System.Web.SessionState;
using Shop;

public class TransactionPagesCheck
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

    // The statements that change rows, in order, and the list emptied.
    static string Changes()
    {
        List<string> changes = new List<string>();
        foreach (string statement in DBHandler.Statements)
            if (!statement.StartsWith("SELECT"))
                changes.Add(statement);
        DBHandler.Statements.Clear();
        return string.Join("\n", changes.ToArray());
    }

    // The page as a request with the posted values finds it; the page's constructor needs a web
    // host, so its members are set here: each data object new, each hidden field holding the
    // posted value of its name; the request has an empty session and is the administrator's.
    static object NewPage(Type pageType, string query)
    {
        HttpContext context = new HttpContext(PostedRequest.Of(query),
                                              new HttpResponse(new StringWriter()));
        object page = FormatterServices.GetUninitializedObject(pageType);
        BindingFlags members = BindingFlags.NonPublic | BindingFlags.Instance;
        Type basePage = typeof(System.Web.UI.Page);
        basePage.GetField("_context", members).SetValue(page, context);
        basePage.GetField("_request", members).SetValue(page, context.Request);
        basePage.GetField("_response", members).SetValue(page, context.Response);
        SessionStateUtility.AddHttpSessionStateToContext(context, new HttpSessionStateContainer(
            "check", new SessionStateItemCollection(), new HttpStaticObjectsCollection(), 20, true,
            HttpCookieMode.UseCookies, SessionStateMode.InProc, false));
        foreach (FieldInfo field in pageType.GetFields(members))
            if (field.FieldType.Name.StartsWith("_"))
                field.SetValue(page, Activator.CreateInstance(field.FieldType));
            else if (field.FieldType == typeof(System.Web.UI.WebControls.HiddenField))
            {
                System.Web.UI.WebControls.HiddenField hidden = new System.Web.UI.WebControls.HiddenField();
                hidden.Value = context.Request.Params[field.Name];
                field.SetValue(page, hidden);
            }
        pageType.GetField("m_messageString", members).SetValue(page, "");
        pageType.GetField("m_role", members).SetValue(page, ASPXMenuWriter.ADMINISTRATOR_ROLE);
        return page;
    }

    // The stored detail row of the table with the key, linked to the master record.
    static void StoreRow(string table, string key, string link, string master)
    {
        System.Data.DataTable row = new System.Data.DataTable();
        row.Columns.Add(link);
        row.Columns.Add("qty");
        row.Rows.Add(new object[] { master, "3" });
        DBHandler.Answers["FROM " + table + " WHERE " + table + "_id = " + key] = row;
        DBHandler.Answers["FROM " + table + " WITH (UPDLOCK, ROWLOCK) WHERE " + table + "_id = " + key +
                          " AND " + link + " = " + master] = row;
    }

    static string Message(object page)
    {
        return (string)page.GetType().GetField("m_messageString", BindingFlags.NonPublic | BindingFlags.Instance).GetValue(page);
    }

    static void Call(object page, string method)
    {
        MethodInfo found = page.GetType().GetMethod(method, BindingFlags.NonPublic | BindingFlags.Instance);
        try
        {
            found.Invoke(page, null);
        }
        catch (TargetInvocationException e)
        {
            Console.WriteLine("FAILED " + method + ": " + e.InnerException);
            failures++;
        }
    }

    // A detail row of the sale's grid as the page posts it: its number, key and every field, then
    // the extra fields.
    static string Row(int row, string id, string extra)
    {
        string n = row.ToString();
        return "&inp" + n + "=" + n + "&id" + n + "=" + id + "&customer_id" + n + "=null&ddate" + n + "=&remark" + n + "=" + extra;
    }

    // The inputs of the payment rows that the page's grid method draws, each as its name after
    // the table's prefix, "=", its value, and "+" when checked.
    static string DrawnRows(object page, string method)
    {
        ReportXMLWriter drawn = new ReportXMLWriter();
        page.GetType().GetMethod(method).Invoke(page, new object[] { drawn });
        List<string> inputs = new List<string>();
        foreach (Match input in Regex.Matches(drawn.Close(), "<inputfield type='[^']*' id='order_payment_([^']*)'(?: value='([^']*)')?( checked='')?"))
            inputs.Add(input.Groups[1].Value + "=" + input.Groups[2].Value + (input.Groups[3].Success ? "+" : ""));
        return string.Join(" ", inputs.ToArray());
    }

    public static int Main()
    {
        string quoted = HttpUtility.UrlEncode("O'Brien'); DROP TABLE x; --");
        // A customer that the combo never offered (not a key, or of no record that is not
        // deleted) saves nothing.
        foreach (string customer in new string[] { "3%20OR%201%3D1", "4" })
        {
            object refused = NewPage(typeof(saleAdd), "ACTION=ADD&customer_id=" + customer + "&sdate=&remark=x" +
                                     Row(1, "0", "&qty1=5"));
            Call(refused, "handleAdd");
            Check("handleAdd of customer " + customer,
                  (customer == "4" ? "Can not Add Record!" : "Please enter valid numeric value for customer_id") + "|",
                  Message(refused) + "|" + Changes());
        }
        // Customers 2 and 3 are stored. A row's customer that the grid never offered saves
        // nothing, on either page.
        StoreRow("customer", "2", "Is_Deleted", "N");
        StoreRow("customer", "3", "Is_Deleted", "N");
        foreach (Type pageType in new Type[] { typeof(saleAdd), typeof(saleUpdate) })
        {
            object refused = NewPage(pageType, "ACTION=" + (pageType == typeof(saleAdd) ? "ADD" : "UPDATE") +
                                     "&sale_basic_id=5&customer_id=3&sdate=&remark=x" + Row(1, "0", "&customer_id1=2&qty1=1") +
                                     Row(2, "0", "&customer_id2=4&qty2=1"));
            StoreRow("sale_basic", "5", "remark", "x");
            Call(refused, pageType == typeof(saleAdd) ? "handleAdd" : "handleUpdate");
            string expected = pageType == typeof(saleAdd) ? "Can not Add Record!|" : "Can not Update Record!|";
            Check(pageType.Name + " of a row's customer 4", expected, Message(refused) + "|" + Changes());
            DBHandler.Answers.Remove("FROM sale_basic WHERE sale_basic_id = 5");
        }
        // Rows 1 and 2, row 2 ticked for deletion; with a row 4 after the absent row 3, or a row 3
        // numbered 1, nothing is saved.
        string sold = "ACTION=ADD&customer_id=3&sdate=25/12/2024&remark=" + quoted +
                      "&inp1=1&customer_id1=2&shipped1=on&ddate1=24/12/2024&qty1=5&remark1=" + quoted +
                      "&inp2=2&delete2=2&qty2=6";
        foreach (string misnumbered in new string[] { "&inp4=4&qty4=8", "&inp3=1&qty3=8" })
        {
            object refused = NewPage(typeof(saleAdd), sold + misnumbered);
            Call(refused, "handleAdd");
            Check("handleAdd with " + misnumbered, UtilHandler.ROWS_MISNUMBERED + "|", Message(refused) + "|" + Changes());
        }
        Call(NewPage(typeof(saleAdd), sold), "handleAdd");
        Check("handleAdd",
              "INSERT INTO sale_basic(customer_id,sdate,remark) VALUES(3,N'12/25/2024'," +
              "N'O''Brien''); DROP TABLE x; --')\n" +
              "INSERT INTO sale_line(sale_id,customer_id,shipped,ddate,qty,remark) VALUES(7,2," +
              "N'on',N'12/24/2024',5,N'O''Brien''); DROP TABLE x; --');",
              Changes());

        // More rows than a grid holds save nothing.
        StringBuilder rows = new StringBuilder("ACTION=ADD&customer_id=null&sdate=&remark=x");
        for (int row = 1; row <= UtilHandler.MAX_DETAIL_ROWS + 1; row++)
            rows.Append(Row(row, "0", "&qty" + row + "=1"));
        object crowded = NewPage(typeof(saleAdd), rows.ToString());
        Call(crowded, "handleAdd");
        Check("handleAdd of too many rows", UtilHandler.TOO_MANY_ROWS + "|", Message(crowded) + "|" + Changes());

        // A master key that is not a number, or of no stored record, updates nothing.
        foreach (string key in new string[] { "5%20OR%201%3D1", "5" })
        {
            object missing = NewPage(typeof(saleUpdate), "ACTION=UPDATE&sale_basic_id=" + key + "&customer_id=null&sdate=&remark=x" +
                                     Row(1, "4", "") + Row(2, "0", ""));
            Call(missing, "handleUpdate");
            Check("handleUpdate of master " + key, "Can not Update Record!|", Message(missing) + "|" + Changes());
        }

        // Rows 4 and 6 are master 5's, rows 8 and 9 master 2's, row 10 none's: a save that names
        // a row not master 5's, to update or delete, or names row 4 twice, saves nothing and says
        // so.
        StoreRow("sale_basic", "5", "remark", "x");
        StoreRow("sale_line", "4", "sale_id", "5");
        StoreRow("sale_line", "6", "sale_id", "5");
        StoreRow("sale_line", "8", "sale_id", "2");
        StoreRow("sale_line", "9", "sale_id", "2");
        string[,] foreign = { { Row(2, "8", ""), "Can not Update Detail Record!" }, { Row(2, "10", ""), "Can not Update Detail Record!" },
                              { Row(2, "9", "&delete2=2"), "Can not Delete Detail Record!" },
                              { Row(2, "4.0", ""), UtilHandler.ROWS_MISNUMBERED } };
        for (int i = 0; i < foreign.GetLength(0); i++)
        {
            object refused = NewPage(typeof(saleUpdate), "ACTION=UPDATE&sale_basic_id=5&customer_id=null&sdate=&remark=x" +
                                     Row(1, "4", "") + foreign[i, 0] + Row(3, "6", "&delete3=3") + Row(4, "0", ""));
            Call(refused, "handleUpdate");
            Check("handleUpdate with " + foreign[i, 0], foreign[i, 1] + "|", Message(refused) + "|" + Changes());
        }
        Call(NewPage(typeof(saleUpdate), "ACTION=UPDATE&sale_basic_id=5&customer_id=null&sdate=25/12/2024&remark=x" +
                     "&inp1=1&id1=4&customer_id1=null&ddate1=24/12/2024&remark1=r" + Row(2, "6", "&delete2=2")),
             "handleUpdate");
        Check("handleUpdate",
              "UPDATE sale_basic SET customer_id = null,sdate = N'12/25/2024',remark = N'x' WHERE sale_basic_id = 5\n" +
              "UPDATE sale_line SET sale_id = 5,customer_id = null,shipped = N'',ddate = N'12/24/2024',qty = 3," +
              "remark = N'r' WHERE sale_line_id = 4\n" +
              "DELETE FROM  sale_line WHERE sale_line_id = 6",
              Changes());

        // Each grid posts its rows under its own names: a row of one grid touches only its table,
        // and only when it is the master's.
        StoreRow("order_line", "4", "order_id", "9");
        StoreRow("order_line", "5", "order_id", "2");
        StoreRow("order_payment", "7", "order_id", "9");
        StoreRow("order_basic", "9", "note", "x");
        Call(NewPage(typeof(order_entryUpdate), "ACTION=DELETE&order_basic_id=9" +
                     "&order_line_inp1=1&order_line_id1=4&order_line_inp2=2&order_line_id2=0" +
                     "&order_line_inp3=3&order_line_id3=5" +
                     "&order_payment_inp1=1&order_payment_id1=7&inp1=1&id1=5"),
             "handleDelete");
        Check("handleDelete",
              "DELETE FROM  order_line WHERE order_line_id = 4\n" +
              "DELETE FROM  order_payment WHERE order_payment_id = 7\n" +
              "DELETE FROM order_line WHERE order_id = 9\n" +
              "DELETE FROM order_payment WHERE order_id = 9\n" +
              "DELETE FROM order_basic WHERE order_basic_id = 9",
              Changes());

        // A delete posting more rows than a grid holds deletes nothing.
        StringBuilder deleted = new StringBuilder("ACTION=DELETE&order_basic_id=9");
        for (int row = 1; row <= UtilHandler.MAX_DETAIL_ROWS + 1; row++)
            deleted.Append("&order_payment_inp" + row + "=" + row + "&order_payment_id" + row + "=7");
        object crowdedDelete = NewPage(typeof(order_entryUpdate), deleted.ToString());
        Call(crowdedDelete, "handleDelete");
        Check("handleDelete of too many rows", UtilHandler.TOO_MANY_ROWS + "|", Message(crowdedDelete) + "|" + Changes());

        // An order that is gone deletes nothing.
        object gone = NewPage(typeof(order_entryUpdate), "ACTION=DELETE&order_basic_id=8&order_line_inp1=1&order_line_id1=4");
        Call(gone, "handleDelete");
        Check("handleDelete of an order that is gone", "Can not Delete Record!|", Message(gone) + "|" + Changes());

        // The Add page with an upload draws the rows of a refused save as posted: each value as
        // typed (dates the server cannot read too, never turned), a row ticked for deletion ticked.
        object posted = NewPage(typeof(order_entryAdd), "ACTION=ADD&order_payment_inp1=1&order_payment_id1=0" +
                                "&order_payment_paid1=on&order_payment_pdate1=24/12/2024&order_payment_inp2=2" +
                                "&order_payment_id2=0&order_payment_delete2=2&order_payment_pdate2=5.4.2020" +
                                "&order_payment_inp3=3&order_payment_id3=0&order_payment_pdate3=31/02/2026" +
                                "&order_payment_inp4=4&order_payment_id4=0&order_payment_pdate4=1/2/26");
        Check("the Add page's posted rows",
              "paid1=on+ pdate1=24/12/2024 delete1= inp1=1 id1=0 paid2= pdate2=5.4.2020 delete2=+ inp2=2 id2=0" +
              " paid3= pdate3=31/02/2026 delete3= inp3=3 id3=0 paid4= pdate4=1/2/26 delete4= inp4=4 id4=0",
              DrawnRows(posted, "fillPostedGridFororder_payment"));
        // The Update page draws a stored row's date in the page's form.
        System.Data.DataTable payments = new System.Data.DataTable();
        foreach (string column in new string[] { "order_payment_id", "paid", "pdate" })
            payments.Columns.Add(column);
        payments.Rows.Add(new object[] { "4", "on", "12/24/2024 00:00:00" });
        DBHandler.Answers["FROM order_payment WHERE order_id = 9"] = payments;
        Check("the Update page's stored rows", "paid1=on+ pdate1=24/12/2024 delete1= inp1=1 id1=4",
              DrawnRows(NewPage(typeof(order_entryUpdate), "order_basic_id=9"), "fillGridFororder_payment"));

        if (failures > 0)
            return 1;
        Console.WriteLine("all checks passed");
        return 0;
    }
}
