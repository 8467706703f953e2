using System;
using System.Data;
using System.IO;
using System.Xml;
using System.Xml.Xsl;
namespace Shop
{
	public partial class orders_grid : System.Web.UI.Page
	{
		String m_recordId = "";
		String m_messageString = "";
		protected System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		void GetXMLDataForReport(ReportXMLWriter w)
		{
			w.BeginReport(null, 0, 0, 0);
			UtilHandler util = new UtilHandler();
			String customer_id = util.ToSqlNumber(this.Request.Params["customer_id"], "0");
			_orders orders = new _orders();
			DataTable dt_list = orders.SelectRecordForcustomer_id(customer_id);
			w.WriteReportHeader("orders_grid", "mainHeader", null, 3);
			w.WriteReportHeader("Number of records: " + dt_list.Rows.Count, "subHeader", null, 3);
			w.BeginDataHeaderRow(null);
			w.WriteReportDataHeader("Status", null, 10, 0, 3);
			w.WriteReportDataHeader("Credit", null, 10, 0, 3);
			w.EndDataHeaderRow();
			String val="";
			int numRecs = dt_list.Rows.Count;
			int numCols = 3;
			int numRows = (numRecs / numCols);
			if ((numRecs % numCols) > 0)
				numRows = numRows + 1;

			int ir_list = 0;
			for(int row = 0; row < numRows; row++)
			{
				w.BeginReportDataRow(null);
				for(int col = 0; col < numCols; col++)
				{
					if (ir_list >= numRecs)
					{
						val = "";
						w.WriteTextReportData(val, null, "center", 0, 0, 0);
					}
					else
					{
						val = dt_list.Rows[ir_list]["status"].ToString();
						val = util.ConvertToXML(val);
						string customer_id_1 = Uri.EscapeDataString(dt_list.Rows[ir_list]["customer_id"].ToString());
						w.WriteLinkReportData(util.ConvertToXML("ordersUpdate.aspx?customer="+customer_id_1+"&mode=view"), val, null, null, "center", 0, 0, 0);
						val = dt_list.Rows[ir_list]["credit"].ToString();
						val = util.ConvertToXML(val);
						w.WriteTextReportData(val, null, "center", 0, 0, 0);
					}
					ir_list++;
				}
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
