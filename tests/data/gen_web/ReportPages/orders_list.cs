using System;
using System.Data;
using System.IO;
using System.Xml;
using System.Xml.Xsl;
namespace Shop
{
	public partial class orders_list : System.Web.UI.Page
	{
		String m_recordId = "";
		String m_messageString = "";
		protected System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		void GetXMLDataForReport(ReportXMLWriter w)
		{
			w.BeginReport(null, 0, 0, 0);
			UtilHandler util = new UtilHandler();
			w.BeginDataHeaderRow(null);
			w.WriteReportDataHeader("Date", null, 10, 0, 0);
			w.WriteReportDataHeader("Status &lt;&amp;&quot;open&quot;&gt;", null, 10, 0, 0);
			w.WriteReportDataHeader("Credit", null, 10, 0, 0);
			w.WriteReportDataHeader("notes", null, 10, 0, 0);
			w.EndDataHeaderRow();
			String val="";
			_orders orders = new _orders();
			DataTable dt_list = orders.SelectAllRecords();
			w.WriteReportHeader("Number of records: " + dt_list.Rows.Count, "subHeader", null, dt_list.Columns.Count);
			for(int ir_list=0; ir_list < dt_list.Rows.Count; ir_list++)
			{
				w.BeginReportDataRow(null);
				val = dt_list.Rows[ir_list]["odate"].ToString();
				val = util.ConvertDate(val);
				w.WriteTextReportData(val, null, "left", 0, 0, 0);
				val = dt_list.Rows[ir_list]["status"].ToString();
				val = util.ConvertToXML(val);
				string customer_id = Uri.EscapeDataString(dt_list.Rows[ir_list]["customer_id"].ToString());
				w.WriteLinkReportData(util.ConvertToXML("ordersUpdate.aspx?customer="+customer_id+"&mode=view"), val, null, null, "left", 0, 0, 0);
				val = dt_list.Rows[ir_list]["credit"].ToString();
				val = util.ConvertToXML(val);
				w.WriteTextReportData(val, null, "right", 0, 0, 0);
				val = dt_list.Rows[ir_list]["notes"].ToString();
				val = util.ConvertToXML(val);
				w.WriteImageReportData(val, "notes", null, "center", 10, 0, 0, 0, 10, 0, 0);
				w.EndReportDataRow();
			}
			w.EndReport();
		}
		void WriteReportServer()
		{
			ReportXMLWriter w = new ReportXMLWriter();
			GetXMLDataForReport(w);
			string xmlReport = w.Close();
			XmlDocument docXml = new XmlDocument();
			XslCompiledTransform docXsl = new XslCompiledTransform();
			docXsl.Load(Server.MapPath("../../includes/css/report.xsl"));
			StringWriter s = new StringWriter();
			docXml.LoadXml(xmlReport);
			docXsl.Transform(docXml, null, s);
			this.reportDiv.InnerHtml = s.ToString();
		}
	}
}
