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
	public partial class documentUpdate : System.Web.UI.Page
	{
		_document m_document = new _document();

		String m_messageString = "";
		String m_role = "";

		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "UPDATE DOCUMENT";
		}
		protected void Page_Load(object sender, EventArgs e)
		{
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl == null)
				m_role = Session["login_role"].ToString();
			else
				Response.Redirect(refusedUrl);

			String m_document_id = new UtilHandler().ToSqlNumber(this.Request.Params["document_id"], null);
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
				this.MessageLabel.Text = Server.HtmlEncode(new UtilHandler().TakePageMessage(this));
				WriteMenus();
				ManageLinkVisibility();
				if (!new UtilHandler().MayAct(this, m_role))
				{
					UpdateButton.Visible = false;
					DeleteButton.Visible = false;
					this.scan.Visible = false;
				}
				if (m_document_id != null && m_document_id.Length > 0)
				{
					document_id.Value = m_document_id;
					initializeControls();
					fillControls(m_document_id);
					initAndSetRecomputingCombo();;
				}
			}
		}
		void fillControls(string id)
		{
			DataTable dataTable = m_document.SelectRecord(id);
			int numColumns = dataTable.Columns.Count;
			int numRows = dataTable.Rows.Count;
			for (int i = 0; i < numRows; i++)
			{
				DataRow r = dataTable.Rows[i];
				for (int j = 0; j < numColumns; j++)
				{
					String columnName = dataTable.Columns[j].ColumnName.ToString();
					if (columnName.Equals("title"))
					{
						this.title.Value = r[j].ToString();
					}
					if (columnName.Equals("scan"))
					{
						if (r[j].ToString() != "")
							this.scanLabel.Text = "<a href=\"../../uploadedData/" + HttpUtility.HtmlAttributeEncode(r[j].ToString()) + "\">" + Server.HtmlEncode(new UtilHandler().GetUploadName(r[j].ToString())) + "</a>";
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

		}
		void initAndSetRecomputingCombo()
		{
		}
		void extractAndAssignValuesToControls()
		{
			String reqParam;
			reqParam = Request.Params["title"];
			title.Value = reqParam;
			reqParam = Request.Params["scan"];
		}
		void handleUpdate()
		{
			try
			{
				String id = this.document_id.Value;
				if (m_document.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Update Record!";
				else
				{
					UtilHandler util = new UtilHandler();
					String title = util.ReadPosted(this.Request.Form["title"], "title", "title", 0, null);
					String location = Server.MapPath("~/uploadedData/");
					DataTable scanRecord = m_document.SelectRecord(id);
					String scan = scanRecord.Rows.Count > 0 ? scanRecord.Rows[0]["scan"].ToString() : "";
					if(!IsPostBack || this.scan.PostedFile == null)
					{
						util.KeepPageMessage(this, "The form did not send all of its fields.");
						Response.Redirect("documentUpdate.aspx?document_id=" + HttpUtility.UrlEncode(id));
					}
					if(this.scan.PostedFile.ContentLength != 0)
					{
						scan = this.scan.PostedFile.FileName;
						scan = util.GetFileName(scan);
						if(util.UploadRefusal(scan, 50) != null)
							throw new SaveRefusedException(util.UploadRefusal(scan, 50));
						scan = util.SaveUpload(this.scan.PostedFile, location, scan);
					}
					String[,] values = { 
					{"title", title },
					{"scan", scan }					
					 };
					m_document.SetValues(values);
					m_document.SetPrimaryKey(id);
					if(m_document.HandlePreUpdate())
					{
						m_document.HandleUpdate();
						new UtilHandler().KeepSavedUploads();
						m_document.HandlePostUpdate();
						m_messageString = "Record Updated Successfully!";
					}
					else
						m_messageString = "Can not Update Record!";
				}
				if (m_messageString != "Record Updated Successfully!")
					showRefusedUpdate();
				else
				{
					new UtilHandler().KeepPageMessage(this, m_messageString);
					Response.Redirect("documentAdd.aspx");
				}
			}
			catch (SaveRefusedException e)
			{
				m_messageString = e.Message;
				showRefusedUpdate();
			}
			catch (SqlException e)
			{
				m_messageString = e.Errors[0].Message;
				showRefusedUpdate();
			}
			finally
			{
				new UtilHandler().RemoveUnkeptUploads();
			}
		}
		//A refused save stays on its page: the page shows the message, its controls the values as posted
		void showRefusedUpdate()
		{
			this.MessageLabel.Text = Server.HtmlEncode(m_messageString);
			WriteMenus();
			ManageLinkVisibility();
		}
		void Page_Error(object sender, EventArgs e)
		{
			UtilHandler util = new UtilHandler();
			if (!util.IsOverRequestLimit(this))
				return;
			Server.ClearError();
			util.KeepPageMessage(this, "The file was not uploaded: it is larger than the site accepts.");
			Response.Redirect("documentUpdate.aspx?document_id=" + HttpUtility.UrlEncode(this.Request.QueryString["document_id"]));
		}
		void handleDelete()
		{
			try
			{
				String id = this.Request.Form["document_id"];
				if (new UtilHandler().ToSqlNumber(id, null) == null || m_document.SelectRecord(id).Rows.Count == 0)
					m_messageString = "Can not Delete Record!";
				else
				{
					m_document.SetPrimaryKey(id);
					if(m_document.HandlePreDelete())
					{
						m_document.HandleDelete();
						m_document.HandlePostDelete();
						m_messageString = "Record Deleted Successfully!";
					}
					else
						m_messageString = "Can not Delete Record!";
				}
				new UtilHandler().KeepPageMessage(this, m_messageString);
				Response.Redirect("documentAdd.aspx");
			}
			catch (SqlException e)
			{
				m_messageString = e.Errors[0].Message;
				new UtilHandler().KeepPageMessage(this, m_messageString);
				Response.Redirect("documentAdd.aspx");
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
			writer.WriteTopMenus(m_role, "documentUpdate.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
		}
	}
}
