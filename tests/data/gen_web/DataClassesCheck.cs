// Runs generated data classes of the project "Shop" against the recording DBHandler and
// checks the SQL they build; exits with 1 and names every failed check.
using System;
using System.Collections.Generic;
using System.Data;
using Shop;

public class DataClassesCheck
{
    static int failures = 0;

    static void Check(string what, string expected)
    {
        List<string> statements = DBHandler.Statements;
        string actual = statements.Count > 0 ? statements[statements.Count - 1] : "(none)";
        if (expected != actual)
        {
            Console.WriteLine("FAILED " + what + ": expected [" + expected + "], got [" + actual + "]");
            failures++;
        }
        statements.Clear();
    }

    public static int Main()
    {
        string attack = "'; DROP TABLE x; --";
        _customer customer = new _customer();
        customer.SetValues(new string[,] { { "cname", attack }, { "credit_limit", "5; DROP TABLE x" } });
        customer.HandleAdd();
        Check("quotes doubled inside the literal, a number refused",
              "INSERT INTO customer(Is_Deleted,cname,credit_limit,remark) VALUES(N'N',N'''; DROP TABLE x; --',100,N'Owner''s \"best\"');");
        customer.SetPrimaryKey("1 OR 1=1");
        customer.HandleUpdate();
        Check("key refused",
              "UPDATE customer set cname = N'''; DROP TABLE x; --',credit_limit = 100,remark = N'Owner''s \"best\"' where customer_id = 0");
        customer.SelectRecord("2; DELETE FROM customer");
        Check("record key refused", "SELECT * FROM customer WHERE customer_id = 0 AND customer.Is_Deleted = 'N'");
        customer.SelectRecord("12");
        Check("record key", "SELECT * FROM customer WHERE customer_id = 12 AND customer.Is_Deleted = 'N'");

        _orders orders = new _orders();
        orders.SelectRecordForcustomer_id("3 OR 1=1");
        Check("foreign key refused",
              "SELECT orders.orders_id, orders.Is_Deleted, orders.customer_id, CONVERT(varchar(10), orders.odate, 101) AS odate, orders.quantity, orders.ship_to_id, orders.notes, orders.photo FROM orders WHERE customer_id = 0");
        orders.SelectRecordForMultiParam("4", "x");
        Check("parameters checked",
              "SELECT orders.orders_id, orders.Is_Deleted, orders.customer_id, CONVERT(varchar(10), orders.odate, 101) AS odate, orders.quantity, orders.ship_to_id, orders.notes, orders.photo FROM orders WHERE customer_id = 4 AND ship_to_id = 0 AND orders.Is_Deleted = 'N'");

        _sale_basic sale = new _sale_basic();
        sale.SetPrimaryKey("8 OR 1=1");
        sale.HandleDelete();
        Check("master key refused", "DELETE FROM sale_basic WHERE sale_basic_id = 0");
        _sale_detail detail = new _sale_detail();
        detail.SetValues(new string[,] { { "sale_id", "1)--" }, { "item", attack }, { "amount", "2.5" } });
        detail.HandleAdd();
        Check("detail link refused",
              "INSERT INTO sale_detail(sale_id,item,amount,customer_id) VALUES(null,N'''; DROP TABLE x; --',2.5,null);");

        UtilHandler util = new UtilHandler();
        _useraccount account = new _useraccount();
        account.SetValues(new string[,] { { "username", "o'neil" }, { "password", "pw'1" }, { "personnel_role_id", "2" } });
        bool free = account.HandlePreAdd();
        Check("user name as a literal",
              "SELECT useraccount_id FROM useraccount WHERE username= N'o''neil' and is_deleted = 'N'");
        if (!free)
            Check("user name free", "(refused)");
        account.HandleAdd();
        Check("password hashed with the new account's id in the insert's transaction",
              "(in the insert's transaction) update useraccount set password = N'" + util.ReplaceSingleQuoteInString(util.HashPassword("pw'1", 7)) + "' where useraccount_id = 7");
        account.SetValues(new string[,] { { "username", "o'neil" }, { "personnel_role_id", "2" } });
        account.SetPrimaryKey("7");
        account.HandleUpdate();
        Check("stored password kept",
              "UPDATE useraccount set username = N'o''neil',password = password,personnel_role_id = 2 where useraccount_id = 7");
        account.SetValues(new string[,] { { "username", "o'neil" }, { "new_password", "new" }, { "personnel_role_id", "x" } });
        account.HandleUpdate();
        Check("new password hashed",
              "UPDATE useraccount set username = N'o''neil',password = N'" + util.ReplaceSingleQuoteInString(util.HashPassword("new", 7)) + "',personnel_role_id = null where useraccount_id = 7");

        if (failures > 0)
            return 1;
        Console.WriteLine("all checks passed");
        return 0;
    }
}
