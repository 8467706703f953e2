// Runs the login of the generated login page of the project "Shop" under mono against the
// recording DBHandler: a typed user name holding quotes stays inside the literal of the account
// query; exits with 1 and names every failed check.
using System;
using System.Collections.Generic;
using System.Reflection;
using System.Runtime.Serialization;
using System.Web.UI.HtmlControls;
using System.Web.UI.WebControls;
using Shop;

public class LoginPageCheck
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

    static void Set(object page, string field, object value)
    {
        page.GetType().GetField(field, BindingFlags.NonPublic | BindingFlags.Instance).SetValue(page, value);
    }

    public static int Main()
    {
        // The page's constructor needs a web host; the click handler needs only the controls.
        object page = FormatterServices.GetUninitializedObject(typeof(Shop.Login));
        TextBox userName = new TextBox();
        userName.Text = "x' OR '1'='1' --";
        HtmlInputPassword password = new HtmlInputPassword();
        password.Value = "secret";
        Label errorMsg = new Label();
        Set(page, "user_name", userName);
        Set(page, "password", password);
        Set(page, "errorMsg", errorMsg);
        typeof(Shop.Login).GetMethod("Log_in_Click", BindingFlags.NonPublic | BindingFlags.Instance)
            .Invoke(page, new object[] { null, EventArgs.Empty });

        List<string> statements = DBHandler.Statements;
        Check("account query",
              "SELECT dbo.useraccount.username, dbo.useraccount.password, dbo.personnel_role.role_no, " +
              "dbo.useraccount.useraccount_id FROM dbo.useraccount INNER JOIN dbo.personnel_role " +
              "ON dbo.useraccount.personnel_role_id = dbo.personnel_role.personnel_role_id " +
              "WHERE     (dbo.useraccount.Is_Deleted = 'N') AND " +
              "(dbo.useraccount.username = 'x'' OR ''1''=''1'' --')",
              statements.Count == 1 ? statements[0] : statements.Count + " statements");
        Check("message", "Invalid User Name.", errorMsg.Text);
        Check("user name kept", "x' OR '1'='1' --", userName.Text);
        if (failures > 0)
            return 1;
        Console.WriteLine("all checks passed");
        return 0;
    }
}
