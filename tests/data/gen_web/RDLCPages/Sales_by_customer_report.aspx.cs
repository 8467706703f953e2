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
using Microsoft.Reporting.WebForms;

namespace Shop
{
	public partial class Sales_by_customer_report : System.Web.UI.Page
	{
		void Page_PreInit(Object sender, EventArgs e)
		{
			this.Title = "Sales \"by\" <customer>";
		}
		String m_messageString = "";
		String m_role = "";

		String m_customer_id;
		String m_status;
		protected void Page_Load(object sender, EventArgs e)
		{
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl == null)
				m_role = Session["login_role"].ToString();
			else
				Response.Redirect(refusedUrl);

			String action = this.Request.Params["ACTION"];
			if (action != null && action.Equals("SHOW"))
				handleShow();
			else if (action != null && action.Equals("PRINT"))
				handlePrint();
			else if (action != null && action.Contains("RECOMPUTE"))
				handleRecompute();
			else 
			{
				ListItem item = new ListItem();
				this.customer_id.Items.Clear();
				item.Text = "All";
				item.Value = "0";
				this.customer_id.Items.Add(item);

				item = new ListItem();
				this.status.Items.Clear();
				item.Text = "All";
				item.Value = "0";
				this.status.Items.Add(item);

				this.status_editable.Text = "All";
				this.status.Text = "0";
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
		void initializeControls()
		{
			//Controls which have defined population method are initialized here
			DataTable dataTable = new DataTable();
			ControlFieldHandler cntrl = new ControlFieldHandler();
			_customer m_customer = new _customer(); 
			dataTable = m_customer.SelectAllRecords();
			cntrl.AddItemsToDropDownListFromDataTable(dataTable, customer_id , "cname", "customer_id");
			dataTable = m_customer.SelectAllRecords();
			cntrl.AddItemsToEditableDropDownListFromDataTable(dataTable, status , "cname", "customer_id");

		}
		void extractAndAssignValuesToControls()
		{
			String reqParam;
			reqParam = Request.Params["customer_id"];
			customer_id.SelectedValue = reqParam;
			reqParam = Request.Params["status"];
			if(reqParam != null)
			{
				status.SelectedValue = reqParam;
				status_editable.Text = status.SelectedItem.Text;
			}
			reqParam = Request.Params["odate"];
			if(reqParam == null)
			{
				UtilHandler util = new UtilHandler();
				reqParam = util.getDateAsMMDDYYYY();
				reqParam = util.ShownDate(reqParam);
			}
			odate.Value = reqParam;
			reqParam = Request.Params["notes"];
			notes.Value = reqParam;
			reqParam = Request.Params["credit"];
			if(credit.Text == null)
				credit.Text = reqParam;
			reqParam = Request.Params["urgent"];
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
		void handleShow()
		{
			try
			{
				ReportViewer1.Visible = true;

				ReportViewer1.LocalReport.DataSources.Clear();
				String commandText = "PRC_orders_ByCustomer";
				String commandType = "StoredProcedure";
				String dataSetName = "orders_ByCustomer_orders";
				String tableName = "orders";

				String customer_id = this.Request.Params["customer_id"];
				UtilHandler util = new UtilHandler();
				String odate = this.Request.Params["odate"];
				odate = util.ConvertDate(odate);

				String notes = this.Request.Params["notes"];
				notes = util.ReplaceSingleQuoteInString(notes);

				String[] sqlParams = { "@customer_id", "@odate", "@notes" };
				String[] sqlParamVals = { customer_id, odate, notes };

				DBHandler dbHandler = new DBHandler();
				DataSet thisDataSet = dbHandler.ExecuteRDLCQuery(commandText, commandType, dataSetName, tableName, sqlParams, sqlParamVals);

				ReportDataSource datasource = new ReportDataSource();
				datasource.Name = dataSetName;
				datasource.Value = thisDataSet.Tables[tableName];

				ReportViewer1.LocalReport.DataSources.Add(datasource);
				commandText = "SELECT cname, credit_limit FROM customer WHERE credit_limit > @credit AND cname <> 'a \"b\"' AND customer_id = @customer_id";
				commandType = "Text";
				dataSetName = "customer_Credit_customer";
				tableName = "customer";

				String credit = this.Request.Params["credit"];
				credit = util.ReplaceSingleQuoteInString(credit);

				sqlParams = new String[] { "@credit", "@customer_id" };
				sqlParamVals = new String[] { credit, customer_id };

				thisDataSet = dbHandler.ExecuteRDLCQuery(commandText, commandType, dataSetName, tableName, sqlParams, sqlParamVals);

				datasource = new ReportDataSource();
				datasource.Name = dataSetName;
				datasource.Value = thisDataSet.Tables[tableName];

				ReportViewer1.LocalReport.DataSources.Add(datasource);
				ReportViewer1.LocalReport.Refresh();
			}
			catch (SqlException e)
			{
				m_messageString = e.Errors[0].Message;
				String url = "Sales_by_customer_report.aspx?messageString=" + m_messageString;
				Response.Redirect(url);
			}
		}
		void handlePrint()
		{
			String customer_id = this.Request.Params["customer_id"];
			String status = this.Request.Params["status"];
			UtilHandler util = new UtilHandler();
			String odate = this.Request.Params["odate"];
			odate = util.ConvertDate(odate);

			String notes = this.Request.Params["notes"];
			notes = util.ReplaceSingleQuoteInString(notes);

			String credit = this.Request.Params["credit"];
			credit = util.ReplaceSingleQuoteInString(credit);

			String urgent = this.Request.Params["urgent"];
			ClientScript.RegisterStartupScript(this.GetType(), "onclick", "<script language=javascript> var url = 'Sales_by_customer_report_Print.aspx?customer_id="+HttpUtility.UrlEncode(customer_id + "").Replace("'", "%27")+"&status="+HttpUtility.UrlEncode(status + "").Replace("'", "%27")+"&odate="+HttpUtility.UrlEncode(odate + "").Replace("'", "%27")+"&notes="+HttpUtility.UrlEncode(notes + "").Replace("'", "%27")+"&credit="+HttpUtility.UrlEncode(credit + "").Replace("'", "%27")+"&urgent="+HttpUtility.UrlEncode(urgent + "").Replace("'", "%27")+"'; window.open(url,'PrintMe','height=300px,width=500px,scrollbars=1'); </script>");
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
			writer.WriteTopMenus(m_role, "Sales_by_customer_report.aspx", ref this.Menu1);
		}
		void ManageLinkVisibility()
		{
			ASPXMenuWriter writer = new ASPXMenuWriter();
			this.Order_List.Visible = writer.IsFileAssigned(m_role, "ordersAdd.aspx");

		}
	}
}
