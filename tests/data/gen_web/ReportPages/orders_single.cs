using System;
using System.Data;
using System.IO;
using System.Xml;
using System.Xml.Xsl;
namespace Shop
{
	public partial class orders_single : System.Web.UI.Page
	{
		String m_recordId = "";
		String m_messageString = "";
		protected System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		void GetXMLDataForReport(ReportXMLWriter w)
		{
			w.BeginReport(null, 0, 0, 0);
			UtilHandler util = new UtilHandler();
			String val="";
			String start_1 = util.ToSqlNumber(this.Request.Params["start"], "0");
			_orders orders = new _orders();
			DataTable dt = orders.SelectRecordForcustomer_id(start_1);
			String action = this.Request.Params["ACTION"];
			String startingNo = this.Request.Params["page_no"];
			int start = 0;
			if(startingNo != null)
				int.TryParse(startingNo, out start);
			if (action == "NEXT")
				start++;
			if (action == "PREVIOUS")
				start--;
			m_messageString = "";
			if (start >= dt.Rows.Count)
			{
				m_messageString = "Reached at the end of Record!";
				start = dt.Rows.Count - 1;
			}
			if (start < 0)
				start = 0;
			if(dt.Rows.Count > 0)
			{
				m_recordId = dt.Rows[start]["orders_id"].ToString();

				w.BeginReportDataRow(null);
				val = util.ConvertToXML(dt.Rows[start]["odate"].ToString());
				w.BeginReportData(null, null, 0, 0, 1);
				w.WriteTextField("Date", null);
				w.EndReportData();
				w.BeginReportData(null, null, 0, 0, 1);
				w.WriteInputField("textbox", val, null, null, null, false, false, false, false, null, null);
				w.EndReportData();
				val = util.ConvertToXML(dt.Rows[start]["status"].ToString());
				w.BeginReportData(null, null, 0, 0, 1);
				w.WriteTextField("Status", null);
				w.EndReportData();
				w.BeginReportData(null, null, 0, 0, 1);
				w.WriteInputField("textbox", val, null, null, null, false, false, false, false, null, null);
				w.EndReportData();
				w.EndReportDataRow();


				w.BeginReportDataRow(null);
				val = util.ConvertToXML(dt.Rows[start]["notes"].ToString());
				w.BeginReportData(null, null, 0, 0, 1);
				w.WriteTextField("Notes", null);
				w.EndReportData();
				w.BeginReportData(null, null, 0, 0, 1);
				w.WriteInputField("textbox", val, null, null, null, false, false, false, false, null, null);
				w.EndReportData();
				w.EndReportDataRow();

			}
			w.EndReport();
			startingNo = start.ToString();
			w.AddXMLTag("page_no", startingNo);
			w.AddXMLTag("record_id", util.ConvertToXML(m_recordId));
			w.AddXMLTag("messageDiv", m_messageString);
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
