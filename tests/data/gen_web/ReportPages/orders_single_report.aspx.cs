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
	public partial class orders_single_report : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "";
		}
		String m_recordId = "";
		String m_messageString = "";
		String m_role = "";

		String m_customer_id;
		protected void Page_Load(object sender, EventArgs e)
		{
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl == null)
				m_role = Session["login_role"].ToString();
			else
				Response.Redirect(refusedUrl);

			m_recordId = this.Request.Params["record_id"];
			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("SHOW"))
				handleShow();
			else if (action != null && action.Equals("DELETE"))
				handleDelete();
			else if (action != null && (action.Equals("PREVIOUS") || action.Equals("NEXT")))
				handleShow();
			else if (action != null && action.Contains("RECOMPUTE"))
				handleRecompute();
			else 
			{
				ListItem item = new ListItem();
				this.customer_id.Items.Clear();
				item.Text = "All";
				item.Value = "0";
				this.customer_id.Items.Add(item);

				this.customer_id_editable.Text = "All";
				this.customer_id.Text = "0";
				initializeControls();
				extractAndAssignValuesToControls();
				WriteReportServer();
				WriteMenus();
				ManageLinkVisibility();
				this.page_no.Value = "0";
				if(m_recordId != null)
					this.record_id.Value = m_recordId;
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
			String reqParam;
			reqParam = Request.Params["customer_id"];
			if(reqParam != null)
			{
				customer_id.SelectedValue = reqParam;
				customer_id_editable.Text = customer_id.SelectedItem.Text;
			}
		}
		void handleRecompute()
		{
			String action = this.Request.Params["ACTION"];
		}
		public void fillRecomputeTextControls(DataTable dataTable, String fieldName, String frontField)
		{
			UtilHandler util = new UtilHandler();
			String val = "";
			if (dataTable.Rows.Count > 0)
			{
				DataRow r = dataTable.Rows[0];
				val = r[frontField].ToString();
					val = val.Trim();
				if(val == "" || val == null)
					val = "-";
			}
			String s1 = "<";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
			Response.Write(util.ConvertToXML(val));
			s1 = "</";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
		}
		public void fillRecomputeDateControl(DataTable dataTable, String fieldName, String frontField)
		{
			UtilHandler util = new UtilHandler();
			String val = "";
			if (dataTable.Rows.Count > 0)
				val = dataTable.Rows[0][frontField].ToString();
			val = util.ShownDate(val);
			String s1 = "<";
			s1 += fieldName;
			s1 += ">";
			Response.Write(s1);
			Response.Write(util.ConvertToXML(val));
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
		void handleDelete()
		{
			String id = Request.Form["record_id"];
			if (new UtilHandler().ToSqlNumber(id, null) != null)
			{
				_orders orders = new _orders();
				orders.SetPrimaryKey(id);
				orders.HandleDelete();
			}
			Response.CacheControl = "no-cache";
			Response.ContentType = "text/xml";
			ReportXMLWriter w = new ReportXMLWriter();
			GetXMLDataForReport(w);
			string strReport = w.Close();
			Response.Write(strReport);
			Response.End();
		}
		public void writeDataToFillCombo(DataTable dataTable, String frontField, String backField)
		{
			UtilHandler util = new UtilHandler();
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
				Response.Write(util.ConvertToXML(frontId));
				Response.Write("</Front>");
				Response.Write("<Back>");
				Response.Write(util.ConvertToXML(backId));
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
			String val="";
			String customer_id = util.ToSqlNumber(this.Request.Params["customer_id"], "0");
			_orders orders = new _orders();
			DataTable dt = orders.SelectRecordForcustomer_id(customer_id);
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
		void WriteMenus()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			writer.WriteTopMenus(m_role, "orders_single_report.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
		}
	}
}
