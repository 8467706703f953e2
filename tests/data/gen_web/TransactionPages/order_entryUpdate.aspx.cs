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
	public partial class order_entryUpdate : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "ORDER BASIC";
		}
		_order_basic m_order_entry = new _order_basic();

		_order_line m_order_line = new _order_line();
		_order_payment m_order_payment = new _order_payment();

		String m_messageString = "";
		String m_role = "";

		String m_customer_id;
		String m_agent;
		protected void Page_Load(object sender, EventArgs e)
		{
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl == null)
				m_role = Session["login_role"].ToString();
			else
				Response.Redirect(refusedUrl);

			String m_order_basic_id = new UtilHandler().ToSqlNumber(this.Request.Params["order_basic_id"], null);
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

				item = new ListItem();
				this.agent.Items.Clear();
				item.Text = "None";
				item.Value = "null";
				this.agent.Items.Add(item);

				this.agent_editable.Text = "None";
				this.agent.Text = "null";
				this.MessageLabel.Text = Server.HtmlEncode(new UtilHandler().TakePageMessage(this));
				WriteMenus();
				ManageLinkVisibility();
				if (!new UtilHandler().MayAct(this, m_role))
				{
					this.scan.Visible = false;
				}
				if (m_order_basic_id != null && m_order_basic_id.Length > 0)
				{
					order_basic_id.Value = m_order_basic_id;
					initializeControls();
					fillControls(m_order_basic_id);
					initAndSetRecomputingCombo();;
				}
				WriteGridServer();
			}
		}
		void handleUpdate()
		{
			try
			{
				String id = this.order_basic_id.Value;
				new DBHandler().BeginSave(new UtilHandler().RecordLockString("order_basic", "order_basic_id", id));
				UtilHandler util = new UtilHandler();
				String note = util.ReadPosted(this.Request.Form["note"], "note", "note", 0, null);
				String location = Server.MapPath("~/uploadedData/");
				DataTable scanRecord = m_order_entry.SelectRecord(id);
				String scan = scanRecord.Rows.Count > 0 ? scanRecord.Rows[0]["scan"].ToString() : "";
				if(!IsPostBack || this.scan.PostedFile == null)
				{
					util.KeepPageMessage(this, "The form did not send all of its fields.");
					Response.Redirect("order_entryUpdate.aspx?order_basic_id=" + HttpUtility.UrlEncode(id));
				}
				if(this.scan.PostedFile.ContentLength != 0)
				{
					scan = this.scan.PostedFile.FileName;
					scan = util.GetFileName(scan);
					if(util.UploadRefusal(scan, 50) != null)
						throw new SaveRefusedException(util.UploadRefusal(scan, 50));
					scan = util.SaveUpload(this.scan.PostedFile, location, scan);
				}
				String customer_id = util.ReadPosted(this.Request.Form["customer_id"], "customer_id", "customer_id", UtilHandler.READ_NUMBER | UtilHandler.READ_INT | UtilHandler.READ_CHOICE, null);
				String agent = util.ReadPosted(this.Request.Form["agent"], "agent", "agent", UtilHandler.READ_CHOICE, null);
 
				String[,] values = { 
				{"note", note },
				{"scan", scan },
				{"customer_id", customer_id },
				{"agent", agent }

				 };
 
				m_order_entry.SetValues(values);
				m_order_entry.SetPrimaryKey(id);
				if (m_order_entry.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Update Record!";
				else if (!new UtilHandler().IsOfferedKey("customer", "customer_id", customer_id, false))
					m_messageString = "Can not Update Record!";
				else if (new UtilHandler().HasTooManyRows(this, "order_line_", new String[] { "inp", "id", "delete", "packed", "item", "buyer_id" }, "order_line", "order_id", id) || new UtilHandler().AddsTooManyRows(this, "order_line_", "order_line", "order_line_id", "order_id", id) || new UtilHandler().HasTooManyRows(this, "order_payment_", new String[] { "inp", "id", "delete", "paid", "pdate" }, "order_payment", "order_id", id) || new UtilHandler().AddsTooManyRows(this, "order_payment_", "order_payment", "order_payment_id", "order_id", id))
					m_messageString = UtilHandler.TOO_MANY_ROWS;
				else if (!new UtilHandler().AreRowsNumbered(this, "order_line_") || !new UtilHandler().AreRowsNumbered(this, "order_payment_"))
					m_messageString = UtilHandler.ROWS_MISNUMBERED;
				else if (!rowKeysOfferedFororder_line(id))
					m_messageString = "Can not Update Record!";
				else if(m_order_entry.HandlePreUpdate())
				{
					m_order_entry.HandleUpdate();
					new UtilHandler().HoldSavedUploads();
					m_order_entry.HandlePostUpdate();
					updateorder_line();
					updateorder_payment();
				}
				else
					m_messageString = "Can not Update Basic Record";
				new DBHandler().CommitSave();
				new UtilHandler().KeepHeldUploads();
				if (m_messageString != "")
					showRefusedUpdate();
				else
				{
					new UtilHandler().KeepPageMessage(this, m_messageString);
					Response.Redirect("order_entryAdd.aspx");
				}
			}
			catch (SaveRefusedException e)
			{
				new DBHandler().EndSave();
				m_messageString = e.Message;
				showRefusedUpdate();
			}
			catch (SqlException e)
			{
				new DBHandler().EndSave();
				m_messageString = e.Errors[0].Message;
				showRefusedUpdate();
			}
			finally
			{
				new DBHandler().EndSave();
				new UtilHandler().RemoveUnkeptUploads();
			}
		}
		//A refused save stays on its page: the page shows the message, its controls the values as posted
		void showRefusedUpdate()
		{
			this.MessageLabel.Text = Server.HtmlEncode(m_messageString);
			WriteMenus();
			ManageLinkVisibility();
			WriteGridServer();
		}
		void Page_Error(object sender, EventArgs e)
		{
			UtilHandler util = new UtilHandler();
			if (!util.IsOverRequestLimit(this))
				return;
			Server.ClearError();
			util.KeepPageMessage(this, "The file was not uploaded: it is larger than the site accepts.");
			Response.Redirect("order_entryUpdate.aspx?order_basic_id=" + HttpUtility.UrlEncode(this.Request.QueryString["order_basic_id"]));
		}
		void updateorder_line()
		{
			String basicId = this.order_basic_id.Value;
			int rowLimit = new UtilHandler().DetailRowLimit("order_line", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_line_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_line_id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				searchString = "order_line_delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (rowNo != null && isDelete == null)
				{
					UtilHandler util = new UtilHandler();
					searchString = "order_line_packed";
					searchString += rowNo;
					String packed = util.ReadPosted(this.Request.Form[searchString], "packed", "packed", UtilHandler.READ_MAY_BE_ABSENT, rowNo);
					searchString = "order_line_item";
					searchString += rowNo;
					String item = util.ReadPosted(this.Request.Form[searchString], "item", "Item \"name\"", UtilHandler.READ_REQUIRED, rowNo);
					searchString = "order_line_buyer_id";
					searchString += rowNo;
					String buyer_id = util.ReadPosted(this.Request.Form[searchString], "buyer_id", "buyer_id", UtilHandler.READ_NUMBER | UtilHandler.READ_INT | UtilHandler.READ_CHOICE, rowNo);
 
					String[,] values = { 
					{"packed", packed },
					{"item", item },
					{"buyer_id", buyer_id },
					{"order_id", basicId }

					 };
 
					m_order_line.SetValues(values);
				}
				if (detailId != null && detailId == "0" && isDelete == null)
				{
					if(m_order_line.HandlePreAdd())
					{
						m_order_line.HandleAdd();
						m_order_line.HandlePostAdd();
					}
					else
						throw new SaveRefusedException("Can not Add Record!");
				}
				else if (detailId != null && detailId != "0" && isDelete == null)
				{
					m_order_line.SetPrimaryKey(detailId);
					if (!new UtilHandler().IsDetailOf("order_line", "order_line_id", "order_id", detailId, basicId))
						throw new SaveRefusedException("Can not Update Detail Record!");
					if(m_order_line.HandlePreUpdate())
					{
						m_order_line.HandleUpdate();
						m_order_line.HandlePostUpdate();
					}
					else
						throw new SaveRefusedException("Can not Update Detail Record!");
				}
				else if (detailId != null && detailId != "0" && isDelete != null)
				{
					m_order_line.SetPrimaryKey(detailId);
					if (!new UtilHandler().IsDetailOf("order_line", "order_line_id", "order_id", detailId, basicId))
						throw new SaveRefusedException("Can not Delete Detail Record!");
					if(m_order_line.HandlePreDelete())
					{
						m_order_line.HandleDelete();
						m_order_line.HandlePostDelete();
					}
					else
						throw new SaveRefusedException("Can not Delete Detail Record!");
				}
			}
		}
		//True when each combo value of the rows to be saved is one that the page offers
		bool rowKeysOfferedFororder_line(String basicId)
		{
			int rowLimit = new UtilHandler().DetailRowLimit("order_line", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_line_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_line_delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (rowNo != null && isDelete == null)
				{
					searchString = "order_line_buyer_id";
					searchString += rowNo;
					String buyer_id = this.Request.Form[searchString];
					if (!new UtilHandler().IsOfferedKey("customer", "customer_id", buyer_id, false))
						return false;
				}
			}
			return true;
		}
		//The rows as the post sent them, shown with the refusal of their save
		public void fillPostedGridFororder_line(ReportXMLWriter w)
		{
			String basicId = this.order_basic_id.Value;
			int rowLimit = new UtilHandler().DetailRowLimit("order_line", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_line_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_line_id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				searchString = "order_line_delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				ArrayList strA = new ArrayList();
				FieldValues s = new FieldValues();
				s.m_fieldName = "order_line_id";
				s.m_value = detailId ?? "";
				strA.Add(s);
				s.m_fieldName = "delete";
				s.m_value = isDelete ?? "";
				strA.Add(s);
				searchString = "order_line_packed";
				searchString += rowNo;
				s.m_fieldName = "packed";
				s.m_value = this.Request.Form[searchString] ?? "";
				strA.Add(s);
				searchString = "order_line_item";
				searchString += rowNo;
				s.m_fieldName = "item";
				s.m_value = this.Request.Form[searchString] ?? "";
				strA.Add(s);
				searchString = "order_line_buyer_id";
				searchString += rowNo;
				s.m_fieldName = "buyer_id";
				s.m_value = this.Request.Form[searchString] ?? "";
				strA.Add(s);
				w.BeginGridDataRow(null);
				writeGridRowFororder_line(w, strA, rowCount);
				w.EndGridDataRow();
			}
		}
		void updateorder_payment()
		{
			String basicId = this.order_basic_id.Value;
			int rowLimit = new UtilHandler().DetailRowLimit("order_payment", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_payment_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_payment_id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				searchString = "order_payment_delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (rowNo != null && isDelete == null)
				{
					UtilHandler util = new UtilHandler();
					searchString = "order_payment_paid";
					searchString += rowNo;
					String paid = util.ReadPosted(this.Request.Form[searchString], "paid", "paid", UtilHandler.READ_MAY_BE_ABSENT, rowNo);
					searchString = "order_payment_pdate";
					searchString += rowNo;
					String pdate = util.ReadPosted(this.Request.Form[searchString], "pdate", "pdate", UtilHandler.READ_DATE, rowNo);
 
					String[,] values = { 
					{"paid", paid },
					{"pdate", pdate },
					{"order_id", basicId }

					 };
 
					m_order_payment.SetValues(values);
				}
				if (detailId != null && detailId == "0" && isDelete == null)
				{
					if(m_order_payment.HandlePreAdd())
					{
						m_order_payment.HandleAdd();
						m_order_payment.HandlePostAdd();
					}
					else
						throw new SaveRefusedException("Can not Add Record!");
				}
				else if (detailId != null && detailId != "0" && isDelete == null)
				{
					m_order_payment.SetPrimaryKey(detailId);
					if (!new UtilHandler().IsDetailOf("order_payment", "order_payment_id", "order_id", detailId, basicId))
						throw new SaveRefusedException("Can not Update Detail Record!");
					if(m_order_payment.HandlePreUpdate())
					{
						m_order_payment.HandleUpdate();
						m_order_payment.HandlePostUpdate();
					}
					else
						throw new SaveRefusedException("Can not Update Detail Record!");
				}
				else if (detailId != null && detailId != "0" && isDelete != null)
				{
					m_order_payment.SetPrimaryKey(detailId);
					if (!new UtilHandler().IsDetailOf("order_payment", "order_payment_id", "order_id", detailId, basicId))
						throw new SaveRefusedException("Can not Delete Detail Record!");
					if(m_order_payment.HandlePreDelete())
					{
						m_order_payment.HandleDelete();
						m_order_payment.HandlePostDelete();
					}
					else
						throw new SaveRefusedException("Can not Delete Detail Record!");
				}
			}
		}
		//The rows as the post sent them, shown with the refusal of their save
		public void fillPostedGridFororder_payment(ReportXMLWriter w)
		{
			String basicId = this.order_basic_id.Value;
			int rowLimit = new UtilHandler().DetailRowLimit("order_payment", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_payment_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_payment_id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				searchString = "order_payment_delete";
				searchString += rowCount;
				String isDelete = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				ArrayList strA = new ArrayList();
				FieldValues s = new FieldValues();
				s.m_fieldName = "order_payment_id";
				s.m_value = detailId ?? "";
				strA.Add(s);
				s.m_fieldName = "delete";
				s.m_value = isDelete ?? "";
				strA.Add(s);
				searchString = "order_payment_paid";
				searchString += rowNo;
				s.m_fieldName = "paid";
				s.m_value = this.Request.Form[searchString] ?? "";
				strA.Add(s);
				searchString = "order_payment_pdate";
				searchString += rowNo;
				s.m_fieldName = "pdate";
				s.m_value = this.Request.Form[searchString] ?? "";
				strA.Add(s);
				w.BeginGridDataRow(null);
				writeGridRowFororder_payment(w, strA, rowCount);
				w.EndGridDataRow();
			}
		}
		void handleDelete()
		{
			try
			{
				String id = this.order_basic_id.Value;
				new DBHandler().BeginSave(new UtilHandler().RecordLockString("order_basic", "order_basic_id", id));
				if (new UtilHandler().ToSqlNumber(id, null) == null || m_order_entry.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Delete Record!";
				else if (new UtilHandler().HasTooManyRows(this, "order_line_", new String[] { "inp", "id", "delete", "packed", "item", "buyer_id" }, "order_line", "order_id", id) || new UtilHandler().HasTooManyRows(this, "order_payment_", new String[] { "inp", "id", "delete", "paid", "pdate" }, "order_payment", "order_id", id))
					m_messageString = UtilHandler.TOO_MANY_ROWS;
				else
				{
					delete_order_line();
					delete_order_payment();
					m_order_entry.SetPrimaryKey(id);
					m_order_entry.HandleDelete();
				}
				new DBHandler().CommitSave();
				new UtilHandler().KeepPageMessage(this, m_messageString);
				Response.Redirect("order_entryAdd.aspx");
			}
			catch (SqlException e)
			{
				new DBHandler().EndSave();
				m_messageString = e.Errors[0].Message;
				new UtilHandler().KeepPageMessage(this, m_messageString);
				Response.Redirect("order_entryAdd.aspx");
			}
			finally
			{
				new DBHandler().EndSave();
			}
		}
		void delete_order_line()
		{
			String basicId = this.order_basic_id.Value;
			int rowLimit = new UtilHandler().DetailRowLimit("order_line", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_line_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_line_id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (detailId != null && detailId != "0")
				{
					m_order_line.SetPrimaryKey(detailId);
					if (new UtilHandler().IsDetailOf("order_line", "order_line_id", "order_id", detailId, basicId))
						m_order_line.HandleDelete();
				}
			}
		}
		void delete_order_payment()
		{
			String basicId = this.order_basic_id.Value;
			int rowLimit = new UtilHandler().DetailRowLimit("order_payment", "order_id", basicId);
			for (int rowCount = 1; rowCount <= rowLimit; rowCount++)
			{
				String searchString = "order_payment_inp";
				searchString += rowCount;
				String rowNo = this.Request.Form[searchString];
				searchString = "order_payment_id";
				searchString += rowCount;
				String detailId = this.Request.Form[searchString];
				if (rowNo == null)
					break;
				if (detailId != null && detailId != "0")
				{
					m_order_payment.SetPrimaryKey(detailId);
					if (new UtilHandler().IsDetailOf("order_payment", "order_payment_id", "order_id", detailId, basicId))
						m_order_payment.HandleDelete();
				}
			}
		}
		void fillControls(string id)
		{
			DataTable dataTable = m_order_entry.SelectRecord(id);
			int numColumns = dataTable.Columns.Count;
			int numRows = dataTable.Rows.Count;
			for (int i = 0; i < numRows; i++)
			{
				DataRow r = dataTable.Rows[i];
				for (int j = 0; j < numColumns; j++)
				{
					String columnName = dataTable.Columns[j].ColumnName.ToString();
					if (columnName.Equals("note"))
					{
						this.note.Text = r[j].ToString();
					}
					if (columnName.Equals("scan"))
					{
						if (r[j].ToString() != "")
							this.scanLabel.Text = "<a href=\"../../uploadedData/" + HttpUtility.HtmlAttributeEncode(r[j].ToString()) + "\">" + Server.HtmlEncode(new UtilHandler().GetUploadName(r[j].ToString())) + "</a>";
					}
					if (columnName.Equals("customer_id"))
					{
						string index = r[j].ToString();
						m_customer_id = index;
						this.customer_id.SelectedValue = index;
					}
					if (columnName.Equals("agent"))
					{
						string index = r[j].ToString();
						m_agent = index;
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
			DataTable dataTable = new DataTable();
			ControlFieldHandler cntrl = new ControlFieldHandler();
			_customer m_customer = new _customer(); 
			dataTable = m_customer.SelectAllRecords();
			cntrl.AddItemsToEditableDropDownListFromDataTable(dataTable, agent,"cname", "cname");
			this.agent_editable.Text= cntrl.SetSelectedItemForEditableDropDownList(dataTable, agent , "cname", "cname",m_agent);
			this.agent.Text= m_agent;

			this.agent.SelectedValue = this.m_agent;
		}
		void extractAndAssignValuesToControls()
		{
			String reqParam;
			reqParam = Request.Params["note"];
			if(note.Text == null)
				note.Text = reqParam;
			reqParam = Request.Params["scan"];
			reqParam = Request.Params["customer_id"];
			customer_id.SelectedValue = reqParam;
			reqParam = Request.Params["agent"];
			if(reqParam != null)
			{
				agent.SelectedValue = reqParam;
				agent_editable.Text = agent.SelectedItem.Text;
			}
		}
		void handleRecompute()
		{
			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("RECOMPUTEONCUSTOMER_ID"))
			{
				recomputeOnCUSTOMER_ID();
			}
			if (action != null && action.Equals("REFRESHGRID"))
			{
				{
					ReportXMLWriter w = new ReportXMLWriter();
					GetXMLDataForGridOforder_line(w);
					string xmlReport = w.Close();
					XmlDocument docXml = new XmlDocument();
					XslCompiledTransform docXsl = new XslCompiledTransform();
					docXsl.Load(Server.MapPath("../../includes/css/report.xsl"));
					StringWriter s = new StringWriter();
					docXml.LoadXml(xmlReport);
					docXsl.Transform(docXml, null, s);
					this.order_lineDiv.InnerHtml = s.ToString();

				}
			}
		}
		void recomputeOnCUSTOMER_ID()
		{
			Response.CacheControl = "no-cache";
			Response.ContentType = "text/xml";
			DataTable dataTable = new DataTable();
			Response.Write("<root>");


			Response.Write("<agent>");
			_customer agent = new _customer();
			dataTable = agent.SelectAllRecords();
			writeDataToFillCombo(dataTable,"cname", "cname");
			Response.Write("</agent>");


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
			{
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForGridOforder_line(w);
				string xmlReport = w.Close();
				XmlDocument docXml = new XmlDocument();
				XslCompiledTransform docXsl = new XslCompiledTransform();
				docXsl.Load(Server.MapPath("../../includes/css/report.xsl"));
				StringWriter s = new StringWriter();
				docXml.LoadXml(xmlReport);
				docXsl.Transform(docXml, null, s);
				this.order_lineDiv.InnerHtml = s.ToString();

			}
			{
				ReportXMLWriter w = new ReportXMLWriter();
				GetXMLDataForGridOforder_payment(w);
				string xmlReport = w.Close();
				XmlDocument docXml = new XmlDocument();
				XslCompiledTransform docXsl = new XslCompiledTransform();
				docXsl.Load(Server.MapPath("../../includes/css/report.xsl"));
				StringWriter s = new StringWriter();
				docXml.LoadXml(xmlReport);
				docXsl.Transform(docXml, null, s);
				this.order_paymentDiv.InnerHtml = s.ToString();

			}
		}
		void GetXMLDataForGrid(ReportXMLWriter w)
		{
			UtilHandler utilHandler = new UtilHandler();
			GetXMLDataForGridOforder_line(w);
			GetXMLDataForGridOforder_payment(w);
		}
		void GetXMLDataForGridOforder_line(ReportXMLWriter w)
		{
			UtilHandler utilHandler = new UtilHandler();
			w.BeginGrid("order_lineDiv");
			int colSpan = 4;
			w.BeginGridDataHeaderRow(null);
			w.WriteGridDataHeader("packed", 0, 0);
			w.WriteGridDataHeader("Item \"name\"", 0, 0);
			w.WriteGridDataHeader("buyer_id", 0, 0);
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteGridDataHeader("Delete Row", 0, 5);
			else
				w.WriteGridDataHeader("", 0, 5);
			w.EndGridDataHeaderRow();

			w.BeginGridDefaultRow(null);
			bool bChecked_packed = false;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("checkbox", null, "order_line_packed__ROW__", null, null, false, false, false, bChecked_packed, null, null);
			w.EndGridData();

			String val_item = null;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("input", val_item, "order_line_item__ROW__", null, "TextControl", false, false, false, false, null, null);
			w.EndGridData();

			DataTable dataTable = new DataTable();
			w.BeginGridData(null, null, 0, 0 ,0);
			w.BeginComboField("order_line_buyer_id__ROW__", "GridComboControl", false, false, false, null, null, null);
			_customer m_customer = new _customer(); 
			String id = m_customer_id;
			dataTable = m_customer.SelectRecord(id);
			fillOptionsForGridCombo(w, dataTable, "cname", "customer_id", null);
			w.EndComboField();
			w.EndGridData();


			w.BeginGridData(null, null, 0, 0 ,0);
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteInputField("checkbox", "__ROW__", "order_line_delete__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "__ROW__", "order_line_inp__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "0", "order_line_id__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.EndGridDefaultRow();

			fillGridFororder_line(w);
			if (new UtilHandler().MayAct(this, m_role))
			{
				w.BeginGridFooter(null, "right", colSpan);
				w.WriteInputFieldGrid("button", "Add New Row", null, "onclick='addGridRow(order_lineDiv_body, order_lineDiv_defaultRow);'", "AddRowButton", false, false, false);
				w.EndGridFooter();

				w.BeginGridFooter(null, "right", colSpan);
				w.WriteInputFieldGrid("button", "Commit", null, "onclick='HandleAction(\"UPDATE\");'", "ButtonControl", false, false, false);
				w.WriteInputFieldGrid("button", "Delete", null, "onclick='HandleAction(\"DELETE\");'", "ButtonControl", false, false, false);
				w.EndGridFooter();
			}

			w.EndGrid();
		}
		void GetXMLDataForGridOforder_payment(ReportXMLWriter w)
		{
			UtilHandler utilHandler = new UtilHandler();
			w.BeginGrid("order_paymentDiv");
			int colSpan = 3;
			w.BeginGridDataHeaderRow(null);
			w.WriteGridDataHeader("paid", 0, 0);
			w.WriteGridDataHeader("pdate", 0, 0);
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteGridDataHeader("Delete Row", 0, 5);
			else
				w.WriteGridDataHeader("", 0, 5);
			w.EndGridDataHeaderRow();

			w.BeginGridDefaultRow(null);
			bool bChecked_paid = false;
			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("checkbox", null, "order_payment_paid__ROW__", null, null, false, false, false, bChecked_paid, null, null);
			w.EndGridData();

			String actionString = "";
			String imagePath = "";
			String val_pdate = null;
			w.BeginGridData(null, null, 0, 0, 0);
			val_pdate = utilHandler.getDateAsMMDDYYYY();
			val_pdate = utilHandler.ShownDate(val_pdate);
			actionString = "onKeyUp=\"date_dash(this,event)\" onKeyDown=\"date_dash(this,event)\"";
			w.WriteInputField("text", val_pdate, "order_payment_pdate__ROW__", actionString, "CalenderBoxControl", false, false, false, false, null, null);
			imagePath = "../../includes/images/calendar.gif";
			actionString = " onmouseover=\"if (timeoutId) clearTimeout(timeoutId); window.status= 'Show Calendar'; return true;\" onmouseout=\"if (timeoutDelay) calendarTimeout();window.status='';\"" +
			" onclick = 'g_Calendar.show(event,order_payment_pdate__ROW__,false,\"dd/mm/yyyy\");'";
			w.WriteImageField(imagePath, null, null, null, actionString, "CalenderButtonImage_In", 0, 0, 0, 0, 0);
			w.EndGridData();


			w.BeginGridData(null, null, 0, 0 ,0);
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteInputField("checkbox", "__ROW__", "order_payment_delete__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "__ROW__", "order_payment_inp__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			w.WriteInputField("hidden", "0", "order_payment_id__ROW__", null, null, false, false, false, false, null, null);
			w.EndGridData();

			w.EndGridDefaultRow();

			fillGridFororder_payment(w);
			if (new UtilHandler().MayAct(this, m_role))
			{
				w.BeginGridFooter(null, "right", colSpan);
				w.WriteInputFieldGrid("button", "Add New Row", null, "onclick='addGridRow(order_paymentDiv_body, order_paymentDiv_defaultRow);'", "AddRowButton", false, false, false);
				w.EndGridFooter();

				w.BeginGridFooter(null, "right", colSpan);
				w.WriteInputFieldGrid("button", "Commit", null, "onclick='HandleAction(\"UPDATE\");'", "ButtonControl", false, false, false);
				w.WriteInputFieldGrid("button", "Delete", null, "onclick='HandleAction(\"DELETE\");'", "ButtonControl", false, false, false);
				w.EndGridFooter();
			}

			w.EndGrid();
		}
		public void writeGridRowFororder_line(ReportXMLWriter w, ArrayList strA, int count)
		{
			UtilHandler utilHandler = new UtilHandler();
			String idString = "";
			String valueString = "";
			String inpString = "order_line_inp";
			inpString += count;
			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "order_line_packed" + count;
			valueString = utilHandler.GetValueOfField(strA, "packed");
			valueString = valueString.Trim();
			bool is_checked = false;
			if(valueString == "on")
				is_checked = true;
			w.WriteInputField("checkbox", valueString, idString, null, null, false, false, false, is_checked, null, null);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "order_line_item" + count;
			valueString = utilHandler.GetValueOfField(strA, "item");
			w.WriteInputField("input", valueString, idString, null, "TextControl", false, false, false, false, null, null);
			w.EndGridData();

			DataTable dataTable = new DataTable();
			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "order_line_buyer_id" + count;
			valueString = utilHandler.GetValueOfField(strA, "buyer_id");
			String buyer_id = valueString;
			w.BeginComboField(idString, "GridComboControl", false, false, false, null, null, null);
			_customer m_customer = new _customer(); 
			String id = m_customer_id;
			dataTable = m_customer.SelectRecord(id);
			fillOptionsForGridCombo(w, dataTable, "cname", "customer_id", valueString);
			w.EndComboField();
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0, 0);
			valueString = null;
			idString = "order_line_delete" + count;
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteInputField("checkbox", valueString, idString, null, null, false, false, false, utilHandler.GetValueOfField(strA, "delete") != "", null, null);
			w.EndGridData();
			w.BeginGridData(null, null, 0, 0, 0);
			valueString = "" + count;
			idString = inpString;
			w.WriteInputField("hidden", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
			w.BeginGridData(null, null, 0, 0, 0);
			valueString = utilHandler.GetValueOfField(strA, "order_line_id");
			idString = "order_line_id" + count;
			w.WriteInputField("hidden", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
		}
		public void fillGridFororder_line(ReportXMLWriter w)
		{
			if (IsPostBack)
			{
				fillPostedGridFororder_line(w);
				return;
			}
			String primaryKey = this.Request.Params["order_basic_id"];
			DataTable dataTable = m_order_line.SelectRecordFororder_id(primaryKey);
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
					if (columnName.Equals("order_line_id"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "order_line_id";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("packed"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "packed";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("item"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "item";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("buyer_id"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "buyer_id";
						s.m_value = valueString;
						strA.Add(s);
					}
				}
				writeGridRowFororder_line(w, strA, count);
				w.EndGridDataRow();
				count++;
			}
		}
		public void writeGridRowFororder_payment(ReportXMLWriter w, ArrayList strA, int count)
		{
			UtilHandler utilHandler = new UtilHandler();
			String idString = "";
			String valueString = "";
			String inpString = "order_payment_inp";
			inpString += count;
			w.BeginGridData(null, null, 0, 0 ,0);
			idString = "order_payment_paid" + count;
			valueString = utilHandler.GetValueOfField(strA, "paid");
			valueString = valueString.Trim();
			bool is_checked = false;
			if(valueString == "on")
				is_checked = true;
			w.WriteInputField("checkbox", valueString, idString, null, null, false, false, false, is_checked, null, null);
			w.EndGridData();

			String actionString = "";
			String imagePath = "";
			idString = "order_payment_pdate" + count;
			valueString = utilHandler.GetValueOfField(strA, "pdate");
			w.BeginGridData(null, null, 0, 0, 0);
			actionString = "onKeyUp=\"date_dash(this,event)\" onKeyDown=\"date_dash(this,event)\"";
			w.WriteInputField("text", valueString, idString, actionString, "CalenderBoxControl", false, false, false, false, null, null);
			imagePath = "../../includes/images/calendar.gif";
			actionString = " onmouseover=\"if (timeoutId) clearTimeout(timeoutId); window.status= 'Show Calendar'; return true;\" onmouseout=\"if (timeoutDelay) calendarTimeout();window.status='';\"" +
			" onclick = 'g_Calendar.show(event," + idString + ",false,\"dd/mm/yyyy\");'";
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteImageField(imagePath, null, null, null, actionString, "CalenderButtonImage_In", 0, 0, 0, 0, 0);
			w.EndGridData();

			w.BeginGridData(null, null, 0, 0, 0);
			valueString = null;
			idString = "order_payment_delete" + count;
			if (new UtilHandler().MayAct(this, m_role))
				w.WriteInputField("checkbox", valueString, idString, null, null, false, false, false, utilHandler.GetValueOfField(strA, "delete") != "", null, null);
			w.EndGridData();
			w.BeginGridData(null, null, 0, 0, 0);
			valueString = "" + count;
			idString = inpString;
			w.WriteInputField("hidden", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
			w.BeginGridData(null, null, 0, 0, 0);
			valueString = utilHandler.GetValueOfField(strA, "order_payment_id");
			idString = "order_payment_id" + count;
			w.WriteInputField("hidden", valueString, idString, null, null, false, false, false, false, null, null);
			w.EndGridData();
		}
		public void fillGridFororder_payment(ReportXMLWriter w)
		{
			if (IsPostBack)
			{
				fillPostedGridFororder_payment(w);
				return;
			}
			String primaryKey = this.Request.Params["order_basic_id"];
			DataTable dataTable = m_order_payment.SelectRecordFororder_id(primaryKey);
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
					if (columnName.Equals("order_payment_id"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "order_payment_id";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("paid"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "paid";
						s.m_value = valueString;
						strA.Add(s);
					}
					if (columnName.Equals("pdate"))
					{
						valueString = r[j].ToString();
						FieldValues s = new FieldValues();
						s.m_fieldName = "pdate";
						s.m_value = new UtilHandler().ShownDate(valueString);
						strA.Add(s);
					}
				}
				writeGridRowFororder_payment(w, strA, count);
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
			writer.WriteTopMenus(m_role, "order_entryUpdate.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
		}
	}
}
