// Runs the generated Util classes of the project "Shop" and checks what they return; exits
// with 1 and names every failed check.
using System;
using System.Data;
using System.Web.UI.WebControls;
using System.Xml;
using Shop;

public class UtilClassesCheck
{
    static int failures = 0;

    static void Check(string what, object expected, object actual)
    {
        if (Object.Equals(expected, actual))
            return;
        Console.WriteLine("FAILED " + what + ": expected [" + expected + "], got [" + actual + "]");
        failures++;
    }

    static void CheckUtilHandler()
    {
        UtilHandler util = new UtilHandler();
        Check("long year", "12/25/2008", util.ConvertDate("25/12/2008 10:00"));
        Check("short year", "12/25/08", util.ConvertDate("25/12/08"));
        Check("dashes", "12/25/2008", util.ConvertDate("25-12-2008"));
        Check("no separator", "2008", util.ConvertDate("2008"));
        Check("empty date", "", util.ConvertDate(""));
        Check("quotes doubled", "O''Brien''s", util.ReplaceSingleQuoteInString("O'Brien's"));
        Check("xml", "&lt;a &amp; &apos;b&apos;&gt;&quot;", util.ConvertToXML("<a & 'b'>\""));
        Check("xml of what no XML carries", "a\uFFFDb\uFFFD&amp;\uFFFD\uFFFD\t\uD83D\uDE00\uFFFD",
              util.ConvertToXML("a\u0001b\u000B&\uFFFE\uDC00\t\uD83D\uDE00\uD800"));
        Check("upload name with U+FFFE", "The file was not uploaded: its name holds control characters.",
              util.UploadRefusal("a\uFFFE.txt", 0));
        Check("number", "12", util.ToSqlNumber("12", null));
        Check("signed decimal", "-3.5", util.ToSqlNumber(" -3.5 ", null));
        Check("injection refused", null, util.ToSqlNumber("1; DROP TABLE x", null));
        Check("empty refused", "0", util.ToSqlNumber("", "0"));
        Check("null refused", "0", util.ToSqlNumber(null, "0"));
        Check("two points refused", null, util.ToSqlNumber("1.2.3", null));
        Check("sign alone refused", null, util.ToSqlNumber("+", null));
        // The posted values read by the page's rule (dates month first, the project's form).
        int number = UtilHandler.READ_NUMBER, date = UtilHandler.READ_DATE;
        int required = UtilHandler.READ_REQUIRED, choice = UtilHandler.READ_CHOICE;
        int whole = UtilHandler.READ_INT, big = UtilHandler.READ_BIGINT;
        object[,] reads = {
            { "12.50", number, null, "12.50" }, { "12,50", number, null, "Please enter valid numeric value for qty" },
            { "1e5", number, null, "Please enter valid numeric value for qty" },
            { "\u0661\u0662", number, "2", "Please enter valid numeric value for qty in row no 2" },
            { "", number, null, "" }, { null, UtilHandler.READ_MAY_BE_ABSENT, null, null },
            { null, number, null, "The form did not send Quantity." }, { null, 0, "3", "The form did not send Quantity in row no 3." },
            { "  ", required, null, "Please enter Quantity" }, { "null", choice | required, null, "Please select Quantity" },
            { "null", choice, null, "null" }, { "0", choice | required, "2", "Please select Quantity in row no 2" },
            { "4/5/2020", date, null, "04/05/2020" }, { "04-05-2020", date, null, "04/05/2020" },
            { "2/30/2020", date, null, "Please select valid Quantity" }, { "05/04/20201", date, null, "Please select valid Quantity" },
            { "5.4.2020", date, "1", "Please enter valid Quantity in row no 1" }, { "2020/04/05", date, null, "Please select valid Quantity" },
            // An int or a bigint column's number: a whole number within the column's range.
            { "12", number | whole, null, "12" }, { " -7 ", number | whole, null, " -7 " }, { "+12", number | big, null, "+12" },
            { "12.5", number | whole, null, "Please enter valid numeric value for qty" }, { "12.", number | whole, null, "Please enter valid numeric value for qty" },
            { "12.5", number | big, "2", "Please enter valid numeric value for qty in row no 2" }, { "", number | whole, null, "" },
            { "2147483647", number | whole, null, "2147483647" }, { "-2147483648", number | whole, null, "-2147483648" },
            { "2147483648", number | whole, null, "Please enter valid numeric value for qty" },
            { "-2147483649", number | whole, null, "Please enter valid numeric value for qty" }, { "2147483648", number | big, null, "2147483648" },
            { "9223372036854775807", number | big, null, "9223372036854775807" }, { "-9223372036854775808", number | big, null, "-9223372036854775808" },
            { "9223372036854775808", number | big, null, "Please enter valid numeric value for qty" },
            { "00000000000000000000012", number | whole, null, "00000000000000000000012" }, { "1e5", number | big, null, "Please enter valid numeric value for qty" },
            // A character that no XML document carries, in any field, before any other rule.
            { "a\vb", 0, null, "Please enter Quantity without control characters" },
            { "a\fb", number | required, "2", "Please enter Quantity in row no 2 without control characters" },
            { "\u0001", choice, null, "Please enter Quantity without control characters" },
            { "4/5/2020\uFFFE", date, null, "Please enter Quantity without control characters" },
            { "\uFFFF", 0, null, "Please enter Quantity without control characters" },
            { "a\uD800", 0, null, "Please enter Quantity without control characters" }, { "\uDC00a", 0, null, "Please enter Quantity without control characters" },
            { "\u001F", 0, null, "Please enter Quantity without control characters" },
            { "a\tb\r\nc\u007F\u0085\uD83D\uDE00\uFFFD", 0, null, "a\tb\r\nc\u007F\u0085\uD83D\uDE00\uFFFD" },
        };
        for (int i = 0; i < reads.GetLength(0); i++)
        {
            string read;
            try
            {
                read = util.ReadPosted((string)reads[i, 0], "qty", "Quantity", (int)reads[i, 1], (string)reads[i, 2]);
            }
            catch (SaveRefusedException e)
            {
                read = e.Message;
            }
            Check("read of \"" + reads[i, 0] + "\" by " + reads[i, 1], reads[i, 3], read);
        }
        Check("shown date", "04/05/2020", util.ShownDate("04/05/2020 00:00:00"));
        Check("shown text", "soon", util.ShownDate("soon"));
        string[,] values = new string[,] { { "a", "1" }, { "b", "" } };
        Check("variable", "1", util.GetValueOfVariable("a", values));
        Check("empty variable", "null", util.GetValueOfVariable("b", values));
        Check("missing variable", "null", util.GetValueOfVariable("c", values));
        Check("file name", "c.txt", util.GetFileName("C:\\a\\b/c.txt"));
        Check("safe file name", "a~252fb ~22c~22 ~3Cd~3E~7E1.txt", util.SafeFileName("a%2fb \"c\" <d>~1.txt"));
        Check("upload name", "a%2fb \"c\" <d>~1.txt", util.GetUploadName("1a2b3c4d/a~252fb ~22c~22 ~3Cd~3E~7E1.txt"));
        Check("upload name stored before", "x~y.txt", util.GetUploadName("x~y.txt"));
        Check("leading dot", "~2E.~25.x.txt", util.SafeFileName("..%.x.txt"));
        Check("leading dot shown", ".hidden", util.GetUploadName("1a2b3c4d/" + util.SafeFileName(".hidden")));
        string unnamed = "The file was not uploaded: its name is missing, made of dots only or too long.";
        foreach (string name in new string[] { "", " ", ".", "..", ". .", new string('x', 201), new string('\u00e9', 101) })
            Check("upload name [" + name + "]", unnamed, util.UploadRefusal(name, 0));
        Check("upload of a page", "The file a.aspx was not uploaded: files of this type are not accepted.",
              util.UploadRefusal("a.aspx", 0));
        // A long extension whose short name's would be a mapped one; a device's name, with or
        // without an extension; a name ending in a dot or a blank.
        foreach (string name in new string[] { "x9.aspq", "x9.asa_", "x9.cerx", "x9.idcx", "X9.ASPQ", "x9.as px", "x9.html5" })
            Check("upload name [" + name + "]", "The file " + name + " was not uploaded: files of this type are not accepted.",
                  util.UploadRefusal(name, 0));
        foreach (string name in new string[] { "CON", "con.jpg", "NUL.txt", "COM1.jpg", "LPT1", "aux.txt", "CONIN$", "conout$.log",
                                               "prn.tar.gz", "con .txt", "com\u00b9.png", "LPT0", "x9.txt.", "x9.txt " })
            Check("upload name [" + name + "]", "The file " + name + " was not uploaded: the server cannot store a file of this name.",
                  util.UploadRefusal(name, 0));
        foreach (string name in new string[] { "notes.txt", ".profile", new string('x', 200), new string('\u00e9', 100), "x.csv", "x9.as",
                                               "console.txt", "com10.txt", "conx.jpg", "lpt.txt", "my con.txt" })
            Check("upload name [" + name + "]", null, util.UploadRefusal(name, 0));
        // A column of 100 holds the folder of 8, "/" and 91 characters of the name made safe.
        object[,] columns = {
            { new string('x', 91), null }, { new string('x', 92), unnamed }, { new string('x', 154), unnamed },
            { new string('\u00e9', 91), null }, { "~" + new string('x', 88), null }, { "~" + new string('x', 89), unnamed },
        };
        for (int i = 0; i < columns.GetLength(0); i++)
            Check("upload name of " + ((string)columns[i, 0]).Length + " for a column of 100", columns[i, 1],
                  util.UploadRefusal((string)columns[i, 0], 100));
        Check("text variable", "1", util.GetTextOfVariable("a", values));
        Check("empty text variable", "", util.GetTextOfVariable("b", values));
        Check("missing text variable", "", util.GetTextOfVariable("c", values));
        Check("text variable null", "null", util.GetTextOfVariable("n", new string[,] { { "n", "null" } }));
        Check("posted null", "", util.GetTextOfVariable("n", new string[,] { { "n", null } }));
        // Every text is hashed, "null" and none included.
        Check("empty password", "U8:JuoBnOMBED/RnuTrfm3IhMPgG1Y=", util.HashPassword("", 7));
        Check("null password", "U8:3ZcAFjklB6ysBumpoS8eorzbiNM=", util.HashPassword("null", 7));
        // The salted SHA-1 digest of the UTF-8 bytes, in base 64 after the scheme's mark.
        Check("hash", "U8:17F1mzpjqGxGhH/rbXBhoLaB1p0=", util.HashPassword("secret", 7));
        Check("salted by id", "U8:TVGW6QKrs7nuzQ1VxjDod//kbMo=", util.HashPassword("secret", 8));
        Check("hash beyond ASCII", "U8:B0qYNgx9EHFQngEi1w+NEDKAY5U=", util.HashPassword("\u5bc6\u7801\u5bc6\u7801\u5bc6\u780188", 7));
        // The first scheme's forms: the ASCII bytes' digest read back as ASCII.
        string oldSecret = "\u003f\u003fu\u003f\u003ac\u003flF\u003f\u007f\u003fmpa\u003f\u003f\u003f\u003f\u003f";
        string oldSalted = "MQ\u003f\u003f\u0002\u003f\u003f\u003f\u003f\u003f\u000dU\u003f0\u003fw\u003f\u003fl\u003f";
        object[,] stored = {
            { "the new scheme", "secret", 7, "U8:17F1mzpjqGxGhH/rbXBhoLaB1p0=", true },
            { "the new scheme, another id", "secret", 7, "U8:TVGW6QKrs7nuzQ1VxjDod//kbMo=", false },
            { "the new scheme, another password", "Secret", 7, "U8:17F1mzpjqGxGhH/rbXBhoLaB1p0=", false },
            { "the first scheme", "secret", 7, oldSecret, true },
            { "the first scheme, another id", "secret", 8, oldSalted, true },
            { "the first scheme, another password", "secreT", 7, oldSecret, false },
            { "an empty stored password", "", 7, "", true },
            { "a password for an empty stored one", "x", 7, "", false },
            { "\"null\" stored in clear", "null", 7, "null", false },
            { "none for \"null\" stored in clear", "", 7, "null", false },
            { "question marks for characters beyond ASCII", "??????88", 7, "U8:B0qYNgx9EHFQngEi1w+NEDKAY5U=", false },
            { "characters beyond ASCII", "\u5bc6\u7801\u5bc6\u7801\u5bc6\u780188", 7, "U8:B0qYNgx9EHFQngEi1w+NEDKAY5U=", true },
        };
        for (int i = 0; i < stored.GetLength(0); i++)
            Check("stored password: " + stored[i, 0], stored[i, 4],
                  util.IsStoredPassword((string)stored[i, 1], (int)stored[i, 2], (string)stored[i, 3]));
    }

    static void CheckControlFieldHandler()
    {
        DataTable table = new DataTable();
        table.Columns.Add("name");
        table.Columns.Add("id");
        table.Rows.Add(new object[] { "Ann", "1" });
        table.Rows.Add(new object[] { "Bob", "2" });
        ControlFieldHandler handler = new ControlFieldHandler();
        DropDownList combo = new DropDownList();
        handler.AddItemsToDropDownListFromDataTable(table, combo, "name", "id");
        Check("combo items", 2, combo.Items.Count);
        Check("combo text", "Bob", combo.Items[1].Text);
        Check("combo value", "2", combo.Items[1].Value);
        ListBox list = new ListBox();
        handler.AddItemsToEditableDropDownListFromDataTable(table, list, "name", "id");
        Check("list items", 2, list.Items.Count);
        Check("field value", "Ann", handler.GetValueFromDataTable(table, "name"));
        Check("missing field", "", handler.GetValueFromDataTable(table, "city"));
        Check("no matching row", "",
              handler.SetSelectedItemForEditableDropDownList(table, new ListBox(), "name", "id", "9"));
        Check("matching row", "Bob",
              handler.SetSelectedItemForEditableDropDownList(table, list, "name", "id", "2"));
        Check("missing front column", "",
              handler.SetSelectedItemForEditableDropDownList(table, new ListBox(), "title", "id", "2"));
    }

    static XmlElement Element(XmlDocument document, string name)
    {
        XmlNodeList nodes = document.GetElementsByTagName(name);
        if (nodes.Count == 0)
        {
            Check("element " + name, "present", "missing");
            return document.CreateElement(name);
        }
        return (XmlElement)nodes[0];
    }

    static void CheckReportXMLWriter()
    {
        Check("empty document", "<?xml version='1.0' encoding='UTF-8' ?><root></root>",
              new ReportXMLWriter().Close());
        ReportXMLWriter writer = new ReportXMLWriter();
        writer.BeginReportGroup("g1", "left", 50, 0, 2);
        writer.WriteReportGroupHeader("Orders", null, 0);
        writer.BeginReportGroupRow("r1");
        writer.BeginReport("rep", 0, 0, 0);
        writer.WriteReportHeader("Head", "cls", "h1", 3);
        writer.BeginReportDataRow(null);
        writer.BeginReportData("d1", null, 50, 0, 0);
        writer.WriteTextField("NULL", null);
        writer.EndReportData();
        writer.WriteImageReportData("a.gif", "A", "d2", "center", 50, 0, 0, 1, 16, 0, 0);
        writer.WriteLinkImageField("x.aspx", "NULL", "l1", "_blank", "b.gif", "B", "i1", null, 0, 0, 0, 0, 0);
        writer.EndReportDataRow();
        writer.EndReport();
        writer.EndReportGroupRow();
        writer.EndReportGroup();
        writer.BeginGrid("grid1");
        writer.WriteInputFieldGrid("text", "5", "q", "onchange='f()'", null, false, true, false);
        writer.EndGrid();
        writer.BeginMenus();
        writer.WriteSubMenu("Orders", "m1", "../../Main/UI/OrdersAdd.aspx");
        writer.EndMenus();
        writer.AddXMLTag("messageDiv", "Saved");
        writer.AddXMLTag("stored", new UtilHandler().ConvertToXML("held\u000Bhere\uFFFF"));
        XmlDocument document = new XmlDocument();
        document.LoadXml(writer.Close());
        Check("root", "root", document.DocumentElement.Name);
        Check("group width", "50%", Element(document, "reportgroup").GetAttribute("width"));
        Check("group colspan", "2", Element(document, "reportgroup").GetAttribute("colspan"));
        Check("group row", "r1", Element(document, "reportgrouprow").GetAttribute("id"));
        Check("header class", "cls", Element(document, "reportheader").GetAttribute("class"));
        Check("data width", "50%", Element(document, "reportdata").GetAttribute("width"));
        Check("NULL text", "", Element(document, "textfield").InnerText);
        Check("image width", "50", Element(document, "imagefield").GetAttribute("width"));
        Check("image", "a.gif", Element(document, "image").InnerText);
        Check("link target", "_blank", Element(document, "linkfield").GetAttribute("target"));
        Check("grid", "grid1", Element(document, "grid").GetAttribute("id"));
        Check("grid input readonly", "", Element(document, "gridinputfield").GetAttribute("readonly"));
        Check("grid input action", "f()", Element(document, "gridinputfield").GetAttribute("onchange"));
        Check("sub-menu url", "../../Main/UI/OrdersAdd.aspx", Element(document, "submenu").GetAttribute("url"));
        Check("message", "Saved", Element(document, "messageDiv").InnerText);
        Check("stored text no XML carries", "held\uFFFDhere\uFFFD", Element(document, "stored").InnerText);
    }

    static void CheckMenus()
    {
        ASPXMenuWriter writer = new ASPXMenuWriter();
        Check("no structure", null, writer.resolveTopMenus("0", "none.aspx"));
        Menu menu = new Menu();
        menu.Items.Add(new MenuItem("old"));
        writer.WriteTopMenus("0", "none.aspx", ref menu);
        Check("menu cleared", 0, menu.Items.Count);
        Check("file not assigned", false, writer.IsFileAssigned("0", "none.aspx"));
    }

    // Every character of each run ("first-last", in hex) is refused in an upload name, and the
    // characters beside the runs are taken.
    static void CheckControlCharacters(string[] runs)
    {
        UtilHandler util = new UtilHandler();
        string refused = "The file was not uploaded: its name holds control characters.";
        Check("runs given", true, runs.Length > 0);
        foreach (string run in runs)
        {
            string[] ends = run.Split('-');
            int first = Convert.ToInt32(ends[0], 16);
            int last = Convert.ToInt32(ends[1], 16);
            for (int code = first; code <= last; code++)
                Check("upload name with U+" + code.ToString("X4"), refused,
                      util.UploadRefusal("inv10" + Char.ConvertFromUtf32(code) + "fdp.txt", 0));
            foreach (int beside in new int[] { first - 1, last + 1 })
                if (beside > 0 && Array.FindIndex(runs, r => Convert.ToInt32(r.Split('-')[0], 16) <= beside &&
                                                             beside <= Convert.ToInt32(r.Split('-')[1], 16)) < 0)
                    Check("upload name with U+" + beside.ToString("X4"), null,
                          util.UploadRefusal("inv10" + Char.ConvertFromUtf32(beside) + "fdp.txt", 0));
        }
    }

    public static int Main(string[] args)
    {
        CheckControlCharacters(args);
        CheckUtilHandler();
        CheckControlFieldHandler();
        CheckReportXMLWriter();
        CheckMenus();
        Console.WriteLine(failures == 0 ? "all checks passed" : failures + " checks failed");
        return failures == 0 ? 0 : 1;
    }
}
