using System;
using System.Data;
using System.Data.SqlClient;
using System.Configuration;
using System.Collections;
using System.Web;
using System.Web.Security;
using System.Web.UI;
using System.Web.UI.WebControls;
using System.Web.UI.WebControls.WebParts;
using System.Web.UI.HtmlControls;
using System.Drawing;
using System.Xml;
using System.Xml.Xsl;
using System.IO;
namespace Shop
{
	public partial class orders_grid_links_report : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "";
		}
		String m_messageString = "";
		String m_role = "";

		protected void Page_Load(object sender, EventArgs e)
		{
			Object loginRole = Session["login_role"];
			if(loginRole != null)
			{
				m_role = loginRole.ToString();
			}
			else
			{
				Response.Redirect("../../BaseModule/UI/Login.aspx");
			}

			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("SHOW"))
				handleShow();
			else if (action != null && action.Contains("RECOMPUTE"))
				handleRecompute();
			else 
			{
				extractAndAssignValuesToControls();
				WriteReportServer();
				WriteMenus();
				ManageLinkVisibility();
			}
		}
		void initializeControls()
		{
			//Controls which have defined population method are initialized here
			DataTable dataTable = new DataTable();
			ControlFieldHandler cntrl = new ControlFieldHandler();

		}
		void extractAndAssignValuesToControls()
		{
		}
		void handleRecompute()
		{
			String action = this.Request.Params["ACTION"];
		}
		public void fillRecomputeTextControls(DataTable dataTable, String fieldName, String frontField)
		{
			DataRow r = dataTable.Rows[0];
			String val = r[frontField].ToString();
				val = val.Trim();
			if(val == "" || val == null)
				val = "-";
			String s1 = "<";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
			Response.Write(val);
			s1 = "</";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
		}
		public void fillRecomputeDateControl(DataTable dataTable, String fieldName, String frontField)
		{
			UtilHandler util = new UtilHandler();
			DataRow r = dataTable.Rows[0];
			String val = r[frontField].ToString();
			val = util.ConvertDate(val);
			String s1 = "<";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
			Response.Write(val);
			s1 = "</";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
		}
		void handleShow()
		{
			try
			{
				m_messageString = "";
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForReport(w);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
			catch (SqlException e)
			{
				m_messageString = new UtilHandler().ConvertToXML(e.Errors[0].Message);
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForReport(w);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
		}
		public void writeDataToFillCombo(DataTable dataTable, String frontField, String backField)
		{
			int numColumns = dataTable.Columns.Count;
			int numRows = dataTable.Rows.Count;
			for (int i = 0; i < numRows; i++)
			{
				DataRow r = dataTable.Rows[i];
				string backId = "";
				string frontId = "";
				for (int j = 0; j < numColumns; j++)
				{
					String columnName = dataTable.Columns[j].ColumnName.ToString();
					if (columnName.Equals(backField))
					{
						backId = r[j].ToString();
					}
					if (columnName.Equals(frontField))
					{
						frontId = r[j].ToString();
					}
				}
				Response.Write("<Front>");
				Response.Write(frontId);
				Response.Write("</Front>");
				Response.Write("<Back>");
				Response.Write(backId);
				Response.Write("</Back>");
			}
			if(numRows == 0)
			{
				Response.Write("<Front>");
				Response.Write("");
				Response.Write("</Front>");
				Response.Write("<Back>");
				Response.Write(0);
				Response.Write("</Back>");
			}
		}
		void GetXMLDataForReport(ReportXMLWriter w)
		{
			w.BeginReport(null, 0, 0, 0);
			UtilHandler util = new UtilHandler();
			String customer_id = util.ToSqlNumber(this.Request.Params["customer_id"], "0");
			_orders orders = new _orders();
			DataTable dt_list = orders.SelectRecordForcustomer_id(customer_id);
			w.WriteReportHeader("orders_grid_links", "mainHeader", null, 2);
			w.WriteReportHeader("Number of records: " + dt_list.Rows.Count, "subHeader", null, 2);
			w.BeginDataHeaderRow(null);
			w.WriteReportDataHeader("Status", null, 10, 0, 2);
			w.WriteReportDataHeader("Credit", null, 10, 0, 2);
			w.EndDataHeaderRow();
			String val="";
			int numRecs = dt_list.Rows.Count;
			int numCols = 2;
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
		void WriteMenus()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			writer.WriteTopMenus(m_role, "orders_grid_links_report.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
		}
	}
}
