using System;
using System.Data;
using System.IO;
using System.Xml;
using System.Xml.Xsl;
namespace Shop
{
	public partial class orders_group : System.Web.UI.Page
	{
		String m_recordId = "";
		String m_messageString = "";
		protected System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;
		void GetXMLDataForReport(ReportXMLWriter w)
		{
			w.BeginReport(null, 0, 0, 0);
			UtilHandler util = new UtilHandler();
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
	}
}
