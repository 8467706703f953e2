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
	public partial class saleAdd : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "SALE BASIC";
		}
		_sale_basic m_sale = new _sale_basic();

		_sale_line m_sale_line = new _sale_line();

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
			else if (action != null && action.Equals("REFRESHGRID"))
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
				this.sdate.Value = str;
				initializeControls();
				extractAndAssignValuesToControls();
				WriteGridServer();
				WriteMenus();
				ManageLinkVisibility();
				handleRecompute();
			}
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
				this.sdate.Value = str;
				initializeControls();
				extractAndAssignValuesToControls();
				WriteGridServer();
				WriteMenus();
				ManageLinkVisibility();
			}
		}
		void handleAdd()
		{
			try
			{
				new DBHandler().BeginSave(null);
				UtilHandler util = new UtilHandler();
				String customer_id = util.ReadPosted(this.Request.Form["customer_id"], "customer_id", "customer_id", UtilHandler.READ_NUMBER | UtilHandler.READ_INT | UtilHandler.READ_CHOICE, null);
				String sdate = util.ReadPosted(this.Request.Form["sdate"], "sdate", "sdate", UtilHandler.READ_DATE, null);
				String remark = util.ReadPosted(this.Request.Form["remark"], "remark", "remark", 0, null);
 
				String[,] values = { 
				{"customer_id", customer_id },
				{"sdate", sdate },
				{"remark", remark }

				 };
 
				m_sale.SetValues(values);
				if (!new UtilHandler().IsOfferedKey("customer", "customer_id", customer_id, false))
					m_messageString = "Can not Add Record!";
				else if (new UtilHandler().HasTooManyRows(this, "", new String[] { "inp", "id", "delete", "customer_id", "shipped", "ddate", "qty", "remark" }, "sale_line", "sale_id", null))
					m_messageString = UtilHandler.TOO_MANY_ROWS;
				else if (!new UtilHandler().AreRowsNumbered(this, ""))
					m_messageString = UtilHandler.ROWS_MISNUMBERED;
				else if (!rowKeysOfferedForsale_line(null))
					m_messageString = "Can not Add Record!";
				else if(m_sale.HandlePreAdd())
				{
					DataTable dbTable = m_sale.HandleAdd();
					String basicId = dbTable.Rows[0]["basicId"].ToString();
					m_sale.HandlePostAdd();
					addDetailsForsale_line(basicId);
				}
				else
					m_messageString = "Can not Add Basic Record!";
				new DBHandler().CommitSave();
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForGrid(w);
				w.WriteMessageString(m_messageString);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
			catch (SaveRefusedException e)
			{
				new DBHandler().EndSave();
				m_messageString = new UtilHandler().ConvertToXML(e.Message);
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForGrid(w);
				w.WriteMessageString(m_messageString);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
			catch (SqlException e)
			{
				new DBHandler().EndSave();
				m_messageString = new UtilHandler().ConvertToXML(e.Errors[0].Message);
				Response.CacheControl = "no-cache";
				Response.ContentType = "text/xml";
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForGrid(w);
				w.WriteMessageString(m_messageString);
				string strReport = w.Close();
				Response.Write(strReport);
				Response.End();
			}
			finally
			{
				new DBHandler().EndSave();
			}
		}
		void addDetailsForsale_line(String basicId)
		{
			int rowLimit = new UtilHandler().DetailRowLimit("sale_line", "sale_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (rowNo != null && isDelete == null)
				{
					UtilHandler util = new UtilHandler();
					searchString = "customer_id";
					searchString += rowNo;
					String customer_id = util.ReadPosted(this.Request.Form[searchString], "customer_id", "customer_id", UtilHandler.READ_NUMBER | UtilHandler.READ_INT | UtilHandler.READ_CHOICE, rowNo);
					searchString = "shipped";
					searchString += rowNo;
					String shipped = util.ReadPosted(this.Request.Form[searchString], "shipped", "shipped", UtilHandler.READ_MAY_BE_ABSENT, rowNo);
					searchString = "ddate";
					searchString += rowNo;
					String ddate = util.ReadPosted(this.Request.Form[searchString], "ddate", "ddate", UtilHandler.READ_DATE, rowNo);
					searchString = "qty";
					searchString += rowNo;
					String qty = util.ReadPosted(this.Request.Form[searchString], "qty", "qty", UtilHandler.READ_NUMBER | UtilHandler.READ_INT, rowNo);
					searchString = "remark";
					searchString += rowNo;
					String remark = util.ReadPosted(this.Request.Form[searchString], "remark", "remark", 0, rowNo);
 
					String[,] values = { 
					{"customer_id", customer_id },
					{"shipped", shipped },
					{"ddate", ddate },
					{"qty", qty },
					{"remark", remark },
					{"sale_id", basicId }

					 };
 
					m_sale_line.SetValues(values);
					if(m_sale_line.HandlePreAdd())
					{
						m_sale_line.HandleAdd();
						m_sale_line.HandlePostAdd();
					}
					else
						throw new SaveRefusedException("Can not Add Detail Record!");
				}
			}
		}
		//True when each combo value of the rows to be saved is one that the page offers
		bool rowKeysOfferedForsale_line(String basicId)
		{
			int rowLimit = new UtilHandler().DetailRowLimit("sale_line", "sale_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (rowNo != null && isDelete == null)
				{
					searchString = "customer_id";
					searchString += rowNo;
					String customer_id = this.Request.Form[searchString];
					if (!new UtilHandler().IsOfferedKey("customer", "customer_id", customer_id, false))
						return false;
				}
			}
			return true;
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
			reqParam = Request.Params["sdate"];
			if(reqParam == null)
			{
				UtilHandler util = new UtilHandler();
				reqParam = util.getDateAsMMDDYYYY();
				reqParam = util.ShownDate(reqParam);
			}
			sdate.Value = reqParam;
			reqParam = Request.Params["remark"];
			if(remark.Text == null)
				remark.Text = reqParam;
		}
		void handleRecompute()
		{
			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("RECOMPUTEONCUSTOMER_ID"))
			{
				recomputeOnCUSTOMER_ID();
			}
			if (action != null && action.Equals("RECOMPUTEONSALE_LINE_CUSTOMER_ID"))
			{
				recomputeOnSALE_LINE_CUSTOMER_ID();
			}
			if (action != null && action.Equals("REFRESHGRID"))
			{
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForGrid(w);
				string xmlReport = w.Close();
				XmlDocument docXml = new XmlDocument();
				XslCompiledTransform docXsl = new XslCompiledTransform();
				docXsl.Load(Server.MapPath("../../includes/css/report.xsl"));
				StringWriter s = new StringWriter();
				docXml.LoadXml(xmlReport);
				docXsl.Transform(docXml, null, s);
				this.sale_lineDiv.InnerHtml = s.ToString();

			}
		}
		void recomputeOnCUSTOMER_ID()
		{
			Response.CacheControl = "no-cache";
			Response.ContentType = "text/xml";
			DataTable dataTable = new DataTable();
			Response.Write("<root>");


			String id = this.Request.Params["customer_id"];
			_customer m_remark = new _customer();
			dataTable = m_remark.SelectRecord(id);
			fillRecomputeTextControls(dataTable, "remark", "cname");

			id = this.Request.Params["customer_id"];
			_customer m_sdate = new _customer();
			dataTable = m_sdate.SelectRecord(id);
			fillRecomputeDateControl(dataTable, "sdate", "cname");


			Response.Write("</root>");
			Response.End();
		}
		void recomputeOnSALE_LINE_CUSTOMER_ID()
		{
			String rowNo = this.Request.Params["ROWNO"];
			String controlParam = "";
			Response.CacheControl = "no-cache";
			Response.ContentType = "text/xml";
			DataTable dataTable = new DataTable();
			Response.Write("<root>");


			controlParam = "customer_id";
			controlParam += rowNo;
			String id = this.Request.Params[controlParam];
			_customer m_remark = new _customer();
			dataTable = m_remark.SelectRecord(id);
			fillRecomputeTextControls(dataTable, "remark", "cname");

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
		void WriteGridServer()
		{
			ReportXMLWriter w = new ReportXMLWriter();
			GetXMLDataForGrid(w);
			string xmlReport = w.Close();
			XmlDocument docXml = new XmlDocument();
			XslCompiledTransform docXsl = new XslCompiledTransform();
			docXsl.Load(Server.MapPath("../../includes/css/report.xsl"));
			StringWriter s = new StringWriter();
			docXml.LoadXml(xmlReport);
			docXsl.Transform(docXml, null, s);
			this.sale_lineDiv.InnerHtml = s.ToString();

		}
		void GetXMLDataForGrid(ReportXMLWriter w)
		{
			UtilHandler utilHandler = new UtilHandler();
			w.BeginGrid("sale_lineDiv");
			int colSpan = 6;
			w.BeginGridDataHeaderRow(null);
			w.WriteGridDataHeader("customer_id", 0, 0);
			w.WriteGridDataHeader("shipped", 0, 0);
			w.WriteGridDataHeader("ddate", 0, 0);
			w.WriteGridDataHeader("qty", 0, 0);
			w.WriteGridDataHeader("remark", 0, 0);
			w.WriteGridDataHeader("Delete Row", 0, 5);
			w.EndGridDataHeaderRow();

			w.BeginGridDefaultRow(null);
			DataTable dataTable = new DataTable();
			w.BeginGridData(null, null, 0, 0 ,0);
			w.BeginComboField("customer_id__ROW__", "GridComboControl", false, false, false, null, null, "HandleGridRecompute(\"RECOMPUTEONSALE_LINE_CUSTOMER_ID\", customer_id__ROW__, inp__ROW__);");
			_customer m_customer = new _customer(); 
			dataTable = m_customer.SelectAllRecords();
			fillOptionsForGridCombo(w, dataTable, "cname", "customer_id", null);
			w.EndComboField();
			w.EndGridData();

			bool bChecked_shipped = false;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("checkbox", null, "shipped__ROW__", null, null, false, false, false, bChecked_shipped, null, null);
			w.EndGridData();

			String actionString = "";
			String imagePath = "";
			String val_ddate = null;
			w.BeginGridData(null, null, 0, 0, 0);
			val_ddate = utilHandler.getDateAsMMDDYYYY();
			val_ddate = utilHandler.ShownDate(val_ddate);
			actionString = "onKeyUp=\"date_dash(this,event)\" onKeyDown=\"date_dash(this,event)\"";
			w.WriteInputField("text", val_ddate, "ddate__ROW__", actionString, "CalenderBoxControl", false, false, false, false, null, null);
			imagePath = "../../includes/images/calendar.gif";
			actionString = " onmouseover=\"if (timeoutId) clearTimeout(timeoutId); window.status= 'Show Calendar'; return true;\" onmouseout=\"if (timeoutDelay) calendarTimeout();window.status='';\"" +
			" onclick = 'g_Calendar.show(event,ddate__ROW__,false,\"dd/mm/yyyy\");'";
			w.WriteImageField(imagePath, null, null, null, actionString, "CalenderButtonImage_In", 0, 0, 0, 0, 0);
			w.EndGridData();

			String val_qty = null;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("input", val_qty, "qty__ROW__", null, "TextControl", false, false, false, false, null, null);
			w.EndGridData();

			String val_remark = null;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("input", val_remark, "remark__ROW__", null, "TextControl", false, false, false, false, null, null);
			w.EndGridData();


			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("checkbox", "__ROW__", "delete__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "__ROW__", "inp__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "0", "id__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.EndGridDefaultRow();

			w.BeginGridFooter(null, "right", colSpan);
			w.WriteInputFieldGrid("button", "Add New Row", null, "onclick='addGridRow(sale_lineDiv_body, sale_lineDiv_defaultRow);'", "AddRowButton", false, false, false);
			w.EndGridFooter();

			w.BeginGridFooter(null, "right", colSpan);
			w.WriteInputFieldGrid("button", "Commit", null, "onclick='HandleAction(\"ADD\");'", "ButtonControl", false, false, false);
			w.WriteInputFieldGrid("button", "Clear", null, "onclick='reloadForm();'", "ButtonControl", false, false, false);
			w.EndGridFooter();

			w.EndGrid();
		}
		public void fillOptionsForGridCombo(ReportXMLWriter w, DataTable dataTable, String frontField, String backField, String selectString)
		{
			UtilHandler util = new UtilHandler();
			int numColumns = dataTable.Columns.Count;
			int numRows = dataTable.Rows.Count;

			w.WriteComboOption("null", "None", true);

			for (int i = 0; i < numRows; i++)
			{
				DataRow r = dataTable.Rows[i];
				string backId = "";
				string frontId = "";
				bool selected = false;
				for (int j = 0; j < numColumns; j++)
				{
					String columnName = dataTable.Columns[j].ColumnName.ToString();
					if (columnName.Equals(backField))
					{
						backId = r[j].ToString();
						if (backId == selectString)
							selected = true;
					}
					if (columnName.Equals(frontField))
					{
						frontId = r[j].ToString();
					}
				}
				w.WriteComboOption(util.ConvertToXML(backId), util.ConvertToXML(frontId), selected);
			}
		}
		void WriteMenus()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			writer.WriteTopMenus(m_role, "saleAdd.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
		}
	}
}
