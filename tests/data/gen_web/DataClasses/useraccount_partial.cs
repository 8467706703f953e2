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
	public partial class _useraccount
	{
		public bool HandlePreAdd()
		{
			bool stat = true;
			String sqlString = "SELECT useraccount_id FROM useraccount WHERE username= "+m_username+" and is_deleted = 'N'";
			DBHandler handler = new DBHandler();
			DataTable dtable = handler.ExecuteQuery(sqlString);
			if (dtable.Rows.Count > 0)
				stat = false;
			else
				stat = true;
			return stat;
		}
		public bool HandlePostAdd()
		{
			bool stat = true;
			return stat;
		}
		public bool HandlePreUpdate()
		{
			bool stat = true;
			String sqlString = "SELECT useraccount_id FROM useraccount WHERE username= "+ m_username + " and useraccount_id != "+ m_primaryKey + " and is_deleted = 'N'";
			DBHandler handler = new DBHandler();
			DataTable dtable = handler.ExecuteQuery(sqlString);
			if (dtable.Rows.Count > 0)
				stat = false;
			else if(m_password != "null")
			{
				DataTable dataTable = SelectRecord(m_primaryKey);
				if(dataTable.Rows.Count > 0)
				{
					String existingPassword = dataTable.Rows[0]["password"].ToString();
					UtilHandler util = new UtilHandler();
					int userAccount_id = Convert.ToInt32(m_primaryKey);
					//Check if existing password is matching
					if (!util.IsStoredPassword(m_password, userAccount_id, existingPassword))
					{
						stat = false;
					}
				}
			}
			return stat;
		}
		public bool HandlePostUpdate()
		{
			bool stat = true;
			return stat;
		}
		public bool HandlePreDelete()
		{
			bool stat = true;
			return stat;
		}
		public bool HandlePostDelete()
		{
			bool stat = true;
			return stat;
		}
	}
}
