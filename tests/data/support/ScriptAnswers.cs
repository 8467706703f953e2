// Writes the XML answers of generated code-behind files, built with the generated
// ReportXMLWriter and UtilHandler, into a folder, with the grid and the report as the server
// shows them (transformed with the report style sheet of the support tree):
//   mono ScriptAnswers.exe <report.xsl> <output folder>
using System;
using System.IO;
using System.Xml;
using System.Xml.Xsl;
using Shop;

public static class ScriptAnswers
{
    static string OptionPairs(string[,] pairs)
    {
        UtilHandler util = new UtilHandler();
        string text = "";
        for (int i = 0; i < pairs.GetLength(0); i++)
            text += "<Front>" + util.ConvertToXML(pairs[i, 0]) + "</Front><Back>" + pairs[i, 1] + "</Back>";
        return text;
    }

    // A recompute answer: a combo's entries, a text, a check box and a radio button list.
    static string Recompute()
    {
        ReportXMLWriter w = new ReportXMLWriter();
        w.AddXMLTag("agent", OptionPairs(new string[,] { { "Alpha & Sons", "7" }, { "Beta <Ltd>", "9" }, { "Gamma", "12" } }));
        w.AddXMLTag("credit", "1500.25");
        w.AddXMLTag("urgent", "True");
        w.AddXMLTag("status", "Closed");
        return w.Close();
    }

    static string Message(string message)
    {
        ReportXMLWriter w = new ReportXMLWriter();
        w.AddXMLTag("messageDiv", new UtilHandler().ConvertToXML(message));
        return w.Close();
    }

    // The grid of a master-detail Add page after a save, as its code-behind writes it.
    static string Grid()
    {
        ReportXMLWriter w = new ReportXMLWriter();
        w.BeginGrid("sale_lineDiv");
        w.BeginGridDataHeaderRow(null);
        w.WriteGridDataHeader("customer_id", 0, 0);
        w.WriteGridDataHeader("shipped", 0, 0);
        w.WriteGridDataHeader("ddate", 0, 0);
        w.WriteGridDataHeader("qty", 0, 0);
        w.WriteGridDataHeader("Delete Row", 0, 5);
        w.EndGridDataHeaderRow();
        WriteRow(w, "__ROW__", null, false, "01/02/2009", null, true);
        WriteRow(w, "1", "9", true, "03/04/2009", "5", false);
        w.BeginGridFooter(null, "right", 5);
        w.WriteInputFieldGrid("button", "Add New Row", null, "onclick='addGridRow(sale_lineDiv_body, sale_lineDiv_defaultRow);'", "AddRowButton", false, false, false);
        w.EndGridFooter();
        w.EndGrid();
        w.WriteMessageString("Record Added Successfully!");
        return w.Close();
    }

    static void WriteRow(ReportXMLWriter w, string row, string customer, bool shipped, string date, string qty, bool template)
    {
        if (template)
            w.BeginGridDefaultRow(null);
        else
            w.BeginGridDataRow(null);
        w.BeginGridData(null, null, 0, 0, 0);
        w.BeginComboField("customer_id" + row, "GridComboControl", false, false, false, null, null, "HandleGridRecompute(\"RECOMPUTEONSALE_LINE_CUSTOMER_ID\", customer_id" + row + ", inp" + row + ");");
        w.WriteComboOption("null", "None", customer == null);
        w.WriteComboOption("7", "Alpha &amp; Sons", customer == "7");
        w.WriteComboOption("9", "Beta &lt;Ltd&gt;", customer == "9");
        w.EndComboField();
        w.EndGridData();
        w.BeginGridData(null, null, 0, 0, 0);
        w.WriteInputField("checkbox", null, "shipped" + row, null, null, false, false, false, shipped, null, null);
        w.EndGridData();
        w.BeginGridData(null, null, 0, 0, 0);
        w.WriteInputField("text", date, "ddate" + row, "onKeyUp=\"date_dash(this,event)\" onKeyDown=\"date_dash(this,event)\"", "CalenderBoxControl", false, false, false, false, null, null);
        w.WriteImageField("../../includes/images/calendar.gif", null, null, null, " onclick = 'g_Calendar.show(event,ddate" + row + ",false,\"dd/mm/yyyy\");'", "CalenderButtonImage_In", 0, 0, 0, 0, 0);
        w.EndGridData();
        w.BeginGridData(null, null, 0, 0, 0);
        w.WriteInputField("input", qty, "qty" + row, null, "TextControl", false, false, false, false, null, null);
        w.EndGridData();
        w.BeginGridData(null, null, 0, 0, 0);
        w.WriteInputField("checkbox", row, "delete" + row, null, null, false, false, false, false, null, null);
        w.EndGridData();
        w.BeginGridData(null, null, 0, 0, 0);
        w.WriteInputField("hidden", row, "inp" + row, null, null, false, false, false, false, null, null);
        w.EndGridData();
        if (template)
            w.EndGridDefaultRow();
        else
            w.EndGridDataRow();
    }

    // A search report's answer to SHOW: a header, a data header row and two rows with a link.
    static string Report()
    {
        UtilHandler util = new UtilHandler();
        ReportXMLWriter w = new ReportXMLWriter();
        w.BeginReport(null, 100, 0, 0);
        w.WriteReportHeader("Orders", "mainHeader", null, 3);
        w.BeginDataHeaderRow(null);
        w.WriteReportDataHeader("Customer", null, 40, 0, 0);
        w.WriteReportDataHeader("Credit", null, 30, 0, 0);
        w.WriteReportDataHeader("Open", null, 30, 0, 0);
        w.EndDataHeaderRow();
        string[,] rows = { { "Alpha & Sons", "1500.25", "7" }, { "Beta <Ltd>", "NULL", "9" } };
        for (int i = 0; i < rows.GetLength(0); i++)
        {
            w.BeginReportDataRow(null);
            w.WriteTextReportData(util.ConvertToXML(rows[i, 0]), null, "left", 40, 0, 0);
            w.WriteTextReportData(rows[i, 1], null, "right", 30, 0, 0);
            w.WriteLinkReportData(util.ConvertToXML("ordersUpdate.aspx?customer=" + rows[i, 2] + "&mode=view"), "Open", null, null, "center", 30, 0, 0);
            w.EndReportDataRow();
        }
        w.EndReport();
        w.AddXMLTag("messageDiv", "");
        return w.Close();
    }

    static void Save(string folder, string name, string text)
    {
        File.WriteAllText(Path.Combine(folder, name), text);
    }

    // The HTML that the server places in the page for the XML.
    static string Transformed(string xsl, string xml)
    {
        XslCompiledTransform transform = new XslCompiledTransform();
        transform.Load(xsl);
        XmlDocument doc = new XmlDocument();
        doc.LoadXml(xml);
        StringWriter html = new StringWriter();
        transform.Transform(doc, null, html);
        return html.ToString();
    }

    public static int Main(string[] args)
    {
        string xsl = args[0];
        string folder = args[1];
        Save(folder, "recompute.xml", Recompute());
        Save(folder, "added.xml", Message("Record Added Successfully!"));
        Save(folder, "failed.xml", Message("Violation of PRIMARY KEY constraint 'PK_orders'. Cannot insert duplicate key in object 'dbo.orders'."));
        string grid = Grid();
        Save(folder, "grid.xml", grid);
        Save(folder, "grid.html", Transformed(xsl, grid));
        string report = Report();
        Save(folder, "report.xml", report);
        Save(folder, "report.html", Transformed(xsl, report));
        return 0;
    }
}
