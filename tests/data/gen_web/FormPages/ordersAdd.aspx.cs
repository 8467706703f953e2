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
	public partial class ordersAdd : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "ADD ORDERS";
		}
		_orders m_orders = new _orders();

		String m_messageString = "";
		String m_role = "";

		protected void Page_Load(object sender, EventArgs e)
		{
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl == null)
				m_role = Session["login_role"].ToString();
			else
				Response.Redirect(refusedUrl);

			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("ADD"))
				handleAdd();
			else if (action != null && action.Equals("LOAD"))
				handleRecompute();
			else if (action != null && action.Contains("RECOMPUTE"))
				handleRecompute();
			else 
			{
				ListItem item = new ListItem();
				this.customer_id.Items.Clear();
				item.Text = "None";
				item.Value = "null";
				this.customer_id.Items.Add(item);

				UtilHandler util = new UtilHandler();
				String str = "";
				str = util.getDateAsMMDDYYYY();
				str = util.ShownDate(str);
				this.odate.Value = str;
				initializeControls();
				extractAndAssignValuesToControls();
				WriteMenus();
				ManageLinkVisibility();
			}
		}
		void handleAdd()
		{
			try
			{
				UtilHandler util = new UtilHandler();
				String customer_id = util.ReadPosted(this.Request.Form["customer_id"], "customer_id", "customer_id", UtilHandler.READ_NUMBER | UtilHandler.READ_INT | UtilHandler.READ_CHOICE, null);
				String odate = util.ReadPosted(this.Request.Form["odate"], "odate", "odate", UtilHandler.READ_DATE, null);
				String status = util.ReadPosted(this.Request.Form["status"], "status", "status", UtilHandler.READ_MAY_BE_ABSENT, null);
				String urgent = util.ReadPosted(this.Request.Form["urgent"], "urgent", "urgent", UtilHandler.READ_MAY_BE_ABSENT, null);
				String notes = util.ReadPosted(this.Request.Form["notes"], "notes", "notes", 0, null);
				String credit = util.ReadPosted(this.Request.Form["credit"], "credit", "credit", UtilHandler.READ_NUMBER, null);
				String[,] values = { 
				{"customer_id", customer_id },
				{"odate", odate },
				{"status", status },
				{"urgent", urgent },
				{"notes", notes },
				{"credit", credit }				
				 };
				m_orders.SetValues(values);
				if (!new UtilHandler().IsOfferedKey("customer", "customer_id", customer_id, true))
					m_messageString = "Can not Add Record!";
				else if(m_orders.HandlePreAdd())
				{
					m_orders.HandleAdd();
					m_orders.HandlePostAdd();
					m_messageString = "Record Added Successfully!";
				}
				else
					m_messageString = "Can not Add Record!";
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				w.AddXMLTag("messageDiv", m_messageString);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
			catch (SaveRefusedException e)
			{
				m_messageString = new UtilHandler().ConvertToXML(e.Message);
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				w.AddXMLTag("messageDiv", m_messageString);
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
				w.AddXMLTag("messageDiv", m_messageString);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
		}
		void initializeControls()
		{
			//Controls which have defined population method are initialized here
			DataTable dataTable = new DataTable();
			ControlFieldHandler cntrl = new ControlFieldHandler();
			_customer m_customer = new _customer(); 
			dataTable = m_customer.SelectAllRecords();
			cntrl.AddItemsToDropDownListFromDataTable(dataTable, customer_id , "cname", "customer_id");

		}
		void extractAndAssignValuesToControls()
		{
			String reqParam;
			reqParam = Request.Params["customer_id"];
			customer_id.SelectedValue = reqParam;
			reqParam = Request.Params["odate"];
			if(reqParam == null)
			{
				UtilHandler util = new UtilHandler();
				reqParam = util.getDateAsMMDDYYYY();
				reqParam = util.ShownDate(reqParam);
			}
			odate.Value = reqParam;
			reqParam = Request.Params["status"];
			if(reqParam != null)
				status.Text = reqParam;
			reqParam = Request.Params["urgent"];
			if(reqParam == "on")
				urgent.Checked = true;
			reqParam = Request.Params["notes"];
			if(notes.Text == null)
				notes.Text = reqParam;
			reqParam = Request.Params["credit"];
			if(credit.Text == null)
				credit.Text = reqParam;
		}
		void handleRecompute()
		{
			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("RECOMPUTEONCUSTOMER_ID"))
			{
				recomputeOnCUSTOMER_ID();
			}
		}
		void recomputeOnCUSTOMER_ID()
		{
			Response.CacheControl = "no-cache";
			Response.ContentType = "text/xml";
			DataTable dataTable = new DataTable();
			Response.Write("<root>");


			String id = this.Request.Params["customer_id"];
			_customer m_credit = new _customer();
			dataTable = m_credit.SelectRecord(id);
			fillRecomputeTextControls(dataTable, "credit", "credit_limit");

			Response.Write("</root>");
			Response.End();
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
		void WriteMenus()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			writer.WriteTopMenus(m_role, "ordersAdd.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			this.Order_List.Visible = writer.IsFileAssigned(m_role, "ordersAdd.aspx");

		}
	}
}
