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
		String m_username;
		String m_password;
		String m_personnel_role_id;
		String m_newPassword;
		String m_passwordText;
		String m_newPasswordText;
		String m_primaryKey;
		String m_Is_Deleted;

		public void HandleAdd()
		{
			UtilHandler util = new UtilHandler();
			String password = m_passwordText;
			m_password = "N''";
			String sSQLCommand = "INSERT INTO [useraccount]([Is_Deleted],[username],[password],[personnel_role_id]) " +
			"VALUES("+ m_Is_Deleted + ","+ m_username + ","+ m_password + ","+ m_personnel_role_id + ");";
			String selectString = "SELECT @@IDENTITY AS primaryKey";
			DBHandler dbHandler = new DBHandler();
			m_primaryKey = dbHandler.InsertSelectThenUpdate(sSQLCommand, selectString, delegate(String primaryKey)
			{
				m_password = util.HashPassword(password, Convert.ToInt32(primaryKey));
				m_password = util.ReplaceSingleQuoteInString(m_password);
				m_password = "N'" + m_password + "'";
				return "update [useraccount] set [password] = " + m_password + " where [useraccount_id] = " + primaryKey;
			});
		}
		public void HandleUpdate()
		{
			UtilHandler util = new UtilHandler();
			int userAccount_id = Convert.ToInt32(m_primaryKey);
			if (m_newPasswordText == "")
				m_newPassword = "password"; //keeps the stored password
			else
			{
				m_newPassword = util.HashPassword(m_newPasswordText, userAccount_id);
				m_newPassword = util.ReplaceSingleQuoteInString(m_newPassword);
				m_newPassword = "N'" + m_newPassword + "'";
			}
			String sSQLCommand = "UPDATE [useraccount] set [username] = "+ m_username +",[password] = "+ m_newPassword +",[personnel_role_id] = "+ m_personnel_role_id +" where [useraccount_id] = " +m_primaryKey;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}
		public void HandleDelete()
		{
			String sSQLCommand = "update [useraccount] set Is_Deleted = 'Y' where [useraccount_id] = " + m_primaryKey;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}
		DataTable getRecords(String sqlString)
		{
			DBHandler handler = new DBHandler();
			return handler.ExecuteQuery(sqlString);
		}
		public DataTable SelectAllRecords()
		{
			String sqlString = "SELECT [useraccount].[useraccount_id], [useraccount].[Is_Deleted], [useraccount].[username], [useraccount].[password], [useraccount].[personnel_role_id], tbl0.[role_name] FROM [useraccount] INNER JOIN [personnel_role] tbl0 ON [useraccount].[personnel_role_id] = tbl0.[personnel_role_id] WHERE [useraccount].Is_Deleted = 'N'";
			return getRecords(sqlString);
		}
		public void SetValues(string[,] values)
		{
			UtilHandler util = new UtilHandler();
			m_username = util.GetValueOfVariable("username", values);
			if (m_username != "null")
				m_username = "N'" + util.ReplaceSingleQuoteInString(m_username) + "'";
			m_password = util.GetValueOfVariable("password", values);
			m_personnel_role_id = util.ToSqlNumber(util.GetValueOfVariable("personnel_role_id", values), "null");
			m_newPassword = util.GetValueOfVariable("new_password", values);
			m_passwordText = util.GetTextOfVariable("password", values);
			m_newPasswordText = util.GetTextOfVariable("new_password", values);
			m_Is_Deleted= "N'N'";
		}
		public void SetPrimaryKey(String id)
		{
			m_primaryKey = new UtilHandler().ToSqlNumber(id, "0");
		}
		public DataTable SelectRecordForpersonnel_role_id(String id)
		{
			if(id == null)
				id = "0 ";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "select * from [useraccount] where [personnel_role_id] = "+id+"";
			return getRecords(sqlString);
		}
		public DataTable SelectRecord(String id)
		{
			if(id == null)
				id = "0 ";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "select * from [useraccount] where [useraccount_id] = "+ id + " and is_deleted = 'N'";
			return getRecords(sqlString);
		}
	}
}
