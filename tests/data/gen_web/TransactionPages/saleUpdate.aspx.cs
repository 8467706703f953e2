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
	public partial class saleUpdate : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "SALE BASIC";
		}
		_sale_basic m_sale = new _sale_basic();

		_sale_line m_sale_line = new _sale_line();

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

			String m_sale_basic_id = new UtilHandler().ToSqlNumber(this.Request.Params["sale_basic_id"], null);
			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("UPDATE"))
				handleUpdate();
			else if (action != null && action.Equals("DELETE"))
				handleDelete();
			else if (action != null && action.Equals("LOAD"))
				handleRecompute();
			else if (action != null && action.Contains("RECOMPUTE"))
				handleRecompute();
			else if (action != null && action.Equals("UPDATECONTROLS"))
				handleRecompute();
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
					this.sdateCalendar.Visible = false;
				}
				if (m_sale_basic_id != null && m_sale_basic_id.Length > 0)
				{
					sale_basic_id.Value = m_sale_basic_id;
					initializeControls();
					fillControls(m_sale_basic_id);
					initAndSetRecomputingCombo();;
				}
				WriteGridServer();
			}
		}
		void handleUpdate()
		{
			try
			{
				String id = this.Request.Form["sale_basic_id"];
				new DBHandler().BeginSave(new UtilHandler().RecordLockString("sale_basic", "sale_basic_id", id));
				// extracting record from database for invisible controls
				DataTable dtRecord = m_sale.SelectRecord(id);
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
				m_sale.SetPrimaryKey(id);
				if (m_sale.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Update Record!";
				else if (!new UtilHandler().IsOfferedKey("customer", "customer_id", customer_id, false))
					m_messageString = "Can not Update Record!";
				else if (new UtilHandler().HasTooManyRows(this, "", new String[] { "inp", "id", "delete", "customer_id", "shipped", "ddate", "qty", "remark" }, "sale_line", "sale_id", id) || new UtilHandler().AddsTooManyRows(this, "", "sale_line", "sale_line_id", "sale_id", id))
					m_messageString = UtilHandler.TOO_MANY_ROWS;
				else if (!new UtilHandler().AreRowsNumbered(this, ""))
					m_messageString = UtilHandler.ROWS_MISNUMBERED;
				else if (!rowKeysOfferedForsale_line(id))
					m_messageString = "Can not Update Record!";
				else if(m_sale.HandlePreUpdate())
				{
					m_sale.HandleUpdate();
					m_sale.HandlePostUpdate();
					updatesale_line();
				}
				else
					m_messageString = "Can not Update Basic Record";
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
		void updatesale_line()
		{
			String basicId = this.Request.Form["sale_basic_id"];
			int rowLimit = new UtilHandler().DetailRowLimit("sale_line", "sale_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				searchString = "delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (rowNo != null && isDelete == null)
				{
					// extracting record from database for invisible controls
					DataTable dtRecord = m_sale_line.SelectRecord(detailId);
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
					String qty = dtRecord.Rows.Count > 0 ? dtRecord.Rows[0]["qty"].ToString() : null;
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
				}
				if (detailId != null && detailId == "0" && isDelete == null)
				{
					if(m_sale_line.HandlePreAdd())
					{
						m_sale_line.HandleAdd();
						m_sale_line.HandlePostAdd();
					}
					else
						throw new SaveRefusedException("Can not Add Record!");
				}
				else if (detailId != null && detailId != "0" && isDelete == null)
				{
					m_sale_line.SetPrimaryKey(detailId);
					if (!new UtilHandler().IsDetailOf("sale_line", "sale_line_id", "sale_id", detailId, basicId))
						throw new SaveRefusedException("Can not Update Detail Record!");
					if(m_sale_line.HandlePreUpdate())
					{
						m_sale_line.HandleUpdate();
						m_sale_line.HandlePostUpdate();
					}
					else
						throw new SaveRefusedException("Can not Update Detail Record!");
				}
				else if (detailId != null && detailId != "0" && isDelete != null)
				{
					m_sale_line.SetPrimaryKey(detailId);
					if (!new UtilHandler().IsDetailOf("sale_line", "sale_line_id", "sale_id", detailId, basicId))
						throw new SaveRefusedException("Can not Delete Detail Record!");
					if(m_sale_line.HandlePreDelete())
					{
						m_sale_line.HandleDelete();
						m_sale_line.HandlePostDelete();
					}
					else
						throw new SaveRefusedException("Can not Delete Detail Record!");
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
		void handleDelete()
		{
			try
			{
				String id = this.Request.Form["sale_basic_id"];
				new DBHandler().BeginSave(new UtilHandler().RecordLockString("sale_basic", "sale_basic_id", id));
				if (new UtilHandler().ToSqlNumber(id, null) == null || m_sale.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Delete Record!";
				else if (new UtilHandler().HasTooManyRows(this, "", new String[] { "inp", "id", "delete", "customer_id", "shipped", "ddate", "qty", "remark" }, "sale_line", "sale_id", id))
					m_messageString = UtilHandler.TOO_MANY_ROWS;
				else
				{
					delete_sale_line();
					m_sale.SetPrimaryKey(id);
					m_sale.HandleDelete();
				}
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
		void delete_sale_line()
		{
			String basicId = this.Request.Form["sale_basic_id"];
			int rowLimit = new UtilHandler().DetailRowLimit("sale_line", "sale_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (detailId != null && detailId != "0")
				{
					m_sale_line.SetPrimaryKey(detailId);
					if (new UtilHandler().IsDetailOf("sale_line", "sale_line_id", "sale_id", detailId, basicId))
						m_sale_line.HandleDelete();
				}
			}
		}
		void fillControls(string id)
		{
			DataTable dataTable = m_sale.SelectRecord(id);
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
					if (columnName.Equals("sdate"))
					{
						UtilHandler util = new UtilHandler();
						String val = r[j].ToString();
						val = util.ShownDate(val);
						this.sdate.Value = val;
					}
					if (columnName.Equals("remark"))
					{
						this.remark.Text = r[j].ToString();
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
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteGridDataHeader("Delete Row", 0, 5);
			else
				w.WriteGridDataHeader("", 0, 5);
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
			w.WriteInputField("input", val_qty, "qty__ROW__", null, "TextControl", true, false, false, false, null, null);
			w.EndGridData();

			String val_remark = null;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("input", val_remark, "remark__ROW__", null, "TextControl", false, false, false, false, null, null);
			w.EndGridData();


			w.BeginGridData(null, null, 0, 0 ,0);
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteInputField("checkbox", "__ROW__", "delete__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "__ROW__", "inp__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "0", "id__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.EndGridDefaultRow();

			fillGridForsale_line(w);
			if (new UtilHandler().MayAct(this, m_role))
			{
				w.BeginGridFooter(null, "right", colSpan);
				w.WriteInputFieldGrid("button", "Add New Row", null, "onclick='addGridRow(sale_lineDiv_body, sale_lineDiv_defaultRow);'", "AddRowButton", false, false, false);
				w.EndGridFooter();

				w.BeginGridFooter(null, "right", colSpan);
				w.WriteInputFieldGrid("button", "Commit", null, "onclick='HandleAction(\"UPDATE\");'", "ButtonControl", false, false, false);
				w.WriteInputFieldGrid("button", "Delete", null, "onclick='HandleAction(\"DELETE\");'", "ButtonControl", false, false, false);
				w.EndGridFooter();
			}

			w.EndGrid();
		}
		public void writeGridRowForsale_line(ReportXMLWriter w, ArrayList strA, int count)
		{
			UtilHandler utilHandler = new UtilHandler();
			String idString = "";
			String valueString = "";
			String inpString = "inp";
			inpString += count;
			DataTable dataTable = new DataTable();
			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "customer_id" + count;
			valueString = utilHandler.GetValueOfField(strA, "customer_id");
			String customer_id = valueString;
			w.BeginComboField(idString, "GridComboControl", false, false, false, null, null, "HandleGridRecompute(\"RECOMPUTEONSALE_LINE_CUSTOMER_ID\"," + idString + "," + inpString + ");");
			_customer m_customer = new _customer(); 
			dataTable = m_customer.SelectAllRecords();
			fillOptionsForGridCombo(w, dataTable, "cname", "customer_id", valueString);
			w.EndComboField();
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "shipped" + count;
			valueString = utilHandler.GetValueOfField(strA, "shipped");
			valueString = valueString.Trim();
			bool is_checked = false;
			if(valueString == "on")
				is_checked = true;
			w.WriteInputField("checkbox", valueString, idString, null, null, false, false, false, is_checked, null, null);
			w.EndGridData();

			String actionString = "";
			String imagePath = "";
			idString = "ddate" + count;
			valueString = utilHandler.GetValueOfField(strA, "ddate");
			w.BeginGridData(null, null, 0, 0, 0);
			actionString = "onKeyUp=\"date_dash(this,event)\" onKeyDown=\"date_dash(this,event)\"";
			w.WriteInputField("text", valueString, idString, actionString, "CalenderBoxControl", false, false, false, false, null, null);
			imagePath = "../../includes/images/calendar.gif";
			actionString = " onmouseover=\"if (timeoutId) clearTimeout(timeoutId); window.status= 'Show Calendar'; return true;\" onmouseout=\"if (timeoutDelay) calendarTimeout();window.status='';\"" +
			" onclick = 'g_Calendar.show(event," + idString + ",false,\"dd/mm/yyyy\");'";
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteImageField(imagePath, null, null, null, actionString, "CalenderButtonImage_In", 0, 0, 0, 0, 0);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "qty" + count;
			valueString = utilHandler.GetValueOfField(strA, "qty");
			w.WriteInputField("input", valueString, idString, null, "TextControl", true, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "remark" + count;
			valueString = utilHandler.GetValueOfField(strA, "remark");
			w.WriteInputField("input", valueString, idString, null, "TextControl", false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0, 0);
			valueString = null;
			idString = "delete" + count;
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteInputField("checkbox", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
			w.BeginGridData(null, null, 0, 0, 0);
			valueString = "" + count;
			idString = inpString;
			w.WriteInputField("hidden", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
			w.BeginGridData(null, null, 0, 0, 0);
			valueString = utilHandler.GetValueOfField(strA, "sale_line_id");
			idString = "id" + count;
			w.WriteInputField("hidden", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
		}
		public void fillGridForsale_line(ReportXMLWriter w)
		{
			String primaryKey = this.Request.Params["sale_basic_id"];
			DataTable dataTable = m_sale_line.SelectRecordForsale_id(primaryKey);
			int numColumns = dataTable.Columns.Count;
			int numRows = dataTable.Rows.Count;
			int count = 1;
			for(int i = 0; i < numRows; i++)
			{
				DataRow r = dataTable.Rows[i];
				w.BeginGridDataRow(null);
				String valueString = "";
				ArrayList strA = new ArrayList(); 

				for (int j = 0; j < numColumns; j++)
				{
					String columnName = dataTable.Columns[j].ColumnName.ToString();
					if (columnName.Equals("sale_line_id"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "sale_line_id";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("customer_id"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "customer_id";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("shipped"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "shipped";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("ddate"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "ddate";
						s.m_value = new UtilHandler().ShownDate(valueString);
						strA.Add(s);
					}
					if (columnName.Equals("qty"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "qty";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("remark"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "remark";
						s.m_value = valueString;
						strA.Add(s);
					}
				}
				writeGridRowForsale_line(w, strA, count);
				w.EndGridDataRow();
				count++;
			}
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
			writer.WriteTopMenus(m_role, "saleUpdate.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
		}
	}
}
