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
	public partial class Sales_by_customer_report_Print : System.Web.UI.Page
	{
		protected void Page_Load(object sender, EventArgs e)
		{
			new UtilHandler().RemoveUnsentPrintedReports(this);
			String refusedUrl = new UtilHandler().RefusedPageUrl(this, "../../BaseModule/UI/Login.aspx");
			if (refusedUrl != null)
				Response.Redirect(refusedUrl);

			String printed = Request.Params["printed"];
			if (printed != null)
			{
				new UtilHandler().SendPrintedReport(this, printed);
				return;
			}

			ReportViewer1.LocalReport.DataSources.Clear();
			String commandText = "PRC_orders_ByCustomer";
			String commandType = "StoredProcedure";
			String dataSetName = "orders_ByCustomer_orders";
			String tableName = "orders";

			String customer_id = this.Request.Params["customer_id"];
			String odate = this.Request.Params["odate"];
			String notes = this.Request.Params["notes"];
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
			sqlParams = new String[] { "@credit", "@customer_id" };
			sqlParamVals = new String[] { credit, customer_id };

			thisDataSet = dbHandler.ExecuteRDLCQuery(commandText, commandType, dataSetName, tableName, sqlParams, sqlParamVals);

			datasource = new ReportDataSource();
			datasource.Name = dataSetName;
			datasource.Value = thisDataSet.Tables[tableName];

			ReportViewer1.LocalReport.DataSources.Add(datasource);
			ReportViewer1.LocalReport.Refresh();

			//print options
			String reportType = "PDF";
			String mimeType;
			String encoding;
			string fileNameExtension;

			string deviceInfo = 
				"<DeviceInfo>" +
				"  <OutputFormat>PDF</OutputFormat>" +
				"  <PageWidth>8.5in</PageWidth>" +
				"  <PageHeight>11in</PageHeight>" +
				"  <MarginTop>0.2in</MarginTop>" +
				"  <MarginLeft>0.2in</MarginLeft>" +
				"  <MarginRight>0.2in</MarginRight>" +
				"  <MarginBottom>0.2in</MarginBottom>" +
				"</DeviceInfo>";

			Warning[] warnings;
			String[] streams;
			Byte[] renderedBytes;
			renderedBytes = ReportViewer1.LocalReport.Render(reportType, deviceInfo, out mimeType, out encoding, out fileNameExtension, out streams, out warnings);
			printed = new UtilHandler().KeepPrintedReport(this, renderedBytes);
			Response.Write("<html><head><script language=javascript>function print(){var x = document.getElementById('printdoc');x.print();}</script></head><body onload=\"setTimeout('print()', 1000);\"><embed id=\"printdoc\" src=\"Sales_by_customer_report_Print.aspx?printed="+printed+"\" name=\"printdoc\"/></body></html>");
			Response.Flush();
			Response.End();
		}
	}
}
