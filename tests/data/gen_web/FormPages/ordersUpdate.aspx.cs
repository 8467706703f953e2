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
	public partial class ordersUpdate : System.Web.UI.Page
	{
		_orders m_orders = new _orders();

		String m_messageString = "";
		String m_role = "";

		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "Edit \"Orders\"";
		}
		String m_customer_id;
		String m_status;
		protected void Page_Load(object sender, EventArgs e)
		{
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl == null)
				m_role = Session["login_role"].ToString();
			else
				Response.Redirect(refusedUrl);

			String m_orders_id = new UtilHandler().ToSqlNumber(this.Request.Params["orders_id"], null);
			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("UPDATE"))
				handleUpdate();
			else if (action != null && action.Equals("LOAD"))
				handleRecompute();
			else if (action != null && action.Contains("RECOMPUTE"))
				handleRecompute();
			else if (action != null && action.Equals("UPDATECONTROLS"))
				handleRecompute();
			else if (action != null && action.Equals("DELETE"))
				handleDelete();
			else 
			{
				ListItem item = new ListItem();
				this.customer_id.Items.Clear();
				item.Text = "None";
				item.Value = "null";
				this.customer_id.Items.Add(item);

				WriteMenus();
				ManageLinkVisibility();
				if (!new UtilHandler().MayAct(this, m_role))
				{
					UpdateButton.Visible = false;
					DeleteButton.Visible = false;
					this.odateCalendar.Visible = false;
				}
				if (m_orders_id != null && m_orders_id.Length > 0)
				{
					orders_id.Value = m_orders_id;
					initializeControls();
					fillControls(m_orders_id);
					initAndSetRecomputingCombo();;
				}
			}
		}
		void fillControls(string id)
		{
			DataTable dataTable = m_orders.SelectRecord(id);
			int numColumns = dataTable.Columns.Count;
			int numRows = dataTable.Rows.Count;
			for (int i = 0; i < numRows; i++)
			{
				DataRow r = dataTable.Rows[i];
				for (int j = 0; j < numColumns; j++)
				{
					String columnName = dataTable.Columns[j].ColumnName.ToString();
					if (columnName.Equals("customer_id"))
					{
						string index = r[j].ToString();
						m_customer_id = index;
						this.customer_id.SelectedValue = index;
					}
					if (columnName.Equals("odate"))
					{
						UtilHandler util = new UtilHandler();
						String val = r[j].ToString();
						val = util.ShownDate(val);
						this.odate.Value = val;
					}
					if (columnName.Equals("status"))
					{
						string rad_status = r[j].ToString();
						rad_status = rad_status.Trim();
						if(rad_status.Length > 0 && rad_status == "O")
							this.status.Items[0].Selected = true;
						else if (rad_status.Length > 0 && rad_status == "C\"")
							this.status.Items[1].Selected = true;
						else
							this.status.Items[2].Selected = true;
						m_status = rad_status;
					}
					if (columnName.Equals("urgent"))
					{
						string check_urgent = r[j].ToString();
						check_urgent = check_urgent.Trim();
						if (check_urgent == "on")
							this.urgent.Checked = true;
					}
					if (columnName.Equals("notes"))
					{
						this.notes.Text = r[j].ToString();
					}
					if (columnName.Equals("credit"))
					{
						this.credit.Text = r[j].ToString();
					}
				}
			}
			if (numRows == 0)
				new UtilHandler().ShowRecordMissing(this);
		}
		void initializeControls()
		{
			//Controls which have defined population method are initialized here
			DataTable dataTable = new DataTable();
			ControlFieldHandler cntrl = new ControlFieldHandler();
			_customer m_customer = new _customer(); 
			dataTable = m_customer.SelectAllRecords();
			cntrl.AddItemsToDropDownListFromDataTable(dataTable, customer_id , "cname", "customer_id");
			cntrl.SetSelectedItemForDropDownList(dataTable, customer_id, "customer_id");

		}
		void initAndSetRecomputingCombo()
		{
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
		void handleUpdate()
		{
			try
			{
				String id = this.Request.Form["orders_id"];
				if (m_orders.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Update Record!";
				else
				{
					// extracting record from database for invisible controls
					DataTable dtRecord = m_orders.SelectRecord(id);
					UtilHandler util = new UtilHandler();
					String customer_id = util.ReadPosted(this.Request.Form["customer_id"], "customer_id", "customer_id", UtilHandler.READ_NUMBER | UtilHandler.READ_INT | UtilHandler.READ_CHOICE, null);
					String odate = util.ReadPosted(this.Request.Form["odate"], "odate", "odate", UtilHandler.READ_DATE, null);
					String status = util.ReadPosted(this.Request.Form["status"], "status", "status", UtilHandler.READ_MAY_BE_ABSENT, null);
					if (status == null)
						status = dtRecord.Rows[0]["status"].ToString();
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
					m_orders.SetPrimaryKey(id);
					if (!new UtilHandler().IsOfferedKey("customer", "customer_id", customer_id, true))
						m_messageString = "Can not Update Record!";
					else if(m_orders.HandlePreUpdate())
					{
						m_orders.HandleUpdate();
						m_orders.HandlePostUpdate();
						m_messageString = "Record Updated Successfully!";
					}
					else
						m_messageString = "Can not Update Record!";
				}
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
		void handleDelete()
		{
			try
			{
				String id = this.Request.Form["orders_id"];
				if (new UtilHandler().ToSqlNumber(id, null) == null || m_orders.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Delete Record!";
				else
				{
					m_orders.SetPrimaryKey(id);
					if(m_orders.HandlePreDelete())
					{
						m_orders.HandleDelete();
						m_orders.HandlePostDelete();
						m_messageString = "Record Deleted Successfully!";
					}
					else
						m_messageString = "Can not Delete Record!";
				}
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
			writer.WriteTopMenus(m_role, "ordersUpdate.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			this.Order_List.Visible = writer.IsFileAssigned(m_role, "ordersAdd.aspx");

		}
	}
}
