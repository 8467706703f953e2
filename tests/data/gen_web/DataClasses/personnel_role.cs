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
	public partial class _personnel_role
	{
		DataTable getRecords(String sqlString)
		{
			DBHandler handler = new DBHandler();
			return handler.ExecuteQuery(sqlString);
		}
		public DataTable SelectAllRecords()
		{
			String sqlString = "SELECT [personnel_role].[personnel_role_id], [personnel_role].[Is_Deleted], [personnel_role].[role_name], [personnel_role].[role_no] FROM [personnel_role] WHERE [personnel_role].Is_Deleted = 'N'";
			return getRecords(sqlString);
		}
	}
}
