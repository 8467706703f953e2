using System;
using System.Data;
using System.IO;
using System.Xml;
using System.Xml.Xsl;
namespace Shop
{
	public partial class orders_detail : System.Web.UI.Page
	{
		String m_recordId = "";
		String m_messageString = "";
		protected System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		void GetXMLDataForReport(ReportXMLWriter w)
		{
			w.BeginReport(null, 0, 0, 0);
			UtilHandler util = new UtilHandler();
			w.WriteReportHeader("orders_detail", "mainHeader", null, 1);
			w.BeginDataHeaderRow(null);
			w.WriteReportDataHeader("Status", null, 10, 0, 0);
			w.EndDataHeaderRow();
			String val="";
			String customer_id = util.ToSqlNumber(this.Request.Params["customer_id"], "0");
			_orders orders = new _orders();
			DataTable dt_0 = orders.SelectRecordForcustomer_id(customer_id);
			for(int ir_0=0; ir_0 < dt_0.Rows.Count; ir_0++)
			{
				w.BeginReportDataRow(null);
				val = "Order :- ";
				val = val + " " + util.ConvertToXML(dt_0.Rows[ir_0]["odate"].ToString());
				w.WriteTextReportData(val, null, "left", 0, 0, 1);
				w.EndReportDataRow();
				customer_id = util.ToSqlNumber(dt_0.Rows[ir_0]["customer_id"].ToString(), "0");
				_customer customer = new _customer();
				DataTable dt_1 = customer.SelectRecord(customer_id);
				for(int ir_1=0; ir_1 < dt_1.Rows.Count; ir_1++)
				{
					w.BeginReportDataRow(null);
					val = "";
					val = val + " " + util.ConvertToXML(dt_1.Rows[ir_1]["cname"].ToString());
					val = val + " " + util.ConvertToXML(dt_1.Rows[ir_1]["credit_limit"].ToString());
					w.WriteTextReportData(val, null, "left", 0, 0, 1);
					w.EndReportDataRow();
					customer_id = util.ToSqlNumber(dt_1.Rows[ir_1]["customer_id"].ToString(), "0");
					DataTable dt_list = orders.SelectRecord(customer_id);
					for(int ir_list=0; ir_list < dt_list.Rows.Count; ir_list++)
					{
						w.BeginReportDataRow(null);
						val = dt_list.Rows[ir_list]["status"].ToString();
						val = util.ConvertToXML(val);
						string customer_id_1 = Uri.EscapeDataString(dt_list.Rows[ir_list]["customer_id"].ToString());
						w.WriteLinkReportData(util.ConvertToXML("ordersUpdate.aspx?customer="+customer_id_1+"&mode=view"), val, null, null, "left", 0, 0, 0);
						w.EndReportDataRow();
					}
				}
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
