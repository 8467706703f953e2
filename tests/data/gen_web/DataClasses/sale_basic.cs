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
	public partial class _sale_basic
	{
		String m_sdate;
		String m_remark = "n/a";
		String m_sale_basic_id;
		public DataTable HandleAdd()
		{
			String sSQLCommand = "INSERT INTO [sale_basic]([sdate],[remark]) " +
			"VALUES("+ m_sdate + ","+ m_remark + ")";
			String selectString = "SELECT @@IDENTITY AS basicId";
			DBHandler dbHandler = new DBHandler();
			DataTable dbTable = dbHandler.InsertSelect(sSQLCommand, selectString);
			m_sale_basic_id = dbTable.Rows[0]["basicId"].ToString();
			return dbTable;
		}

		public void HandleUpdate()
		{
			String sSQLCommand = "UPDATE [sale_basic] SET [sdate] = "+ m_sdate +",[remark] = "+ m_remark +" WHERE [sale_basic_id] = " +m_sale_basic_id;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		public void HandleDelete()
		{
			String sSQLCommand;
			DBHandler dbHandler = new DBHandler();

			sSQLCommand = "DELETE FROM [sale_detail] WHERE [sale_id] = " + m_sale_basic_id;
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);

			sSQLCommand = "DELETE FROM [sale_payment_detail] WHERE [sale_id] = " + m_sale_basic_id;
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);

			sSQLCommand = "DELETE FROM [sale_basic] WHERE [sale_basic_id] = " + m_sale_basic_id;
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		DataTable getRecords(String sqlString)
		{
			DBHandler handler = new DBHandler();
			return handler.ExecuteQuery(sqlString);
		}

		public DataTable SelectAllRecords()
		{
			String sqlString = "SELECT [sale_basic].[sale_basic_id], CONVERT(varchar(10), [sale_basic].[sdate], 101) AS [sdate], [sale_basic].[remark] FROM [sale_basic]";
			return getRecords(sqlString);
		}

		public void SetValues(string[,] values)
		{
			UtilHandler util = new UtilHandler();
			m_sdate = util.GetValueOfVariable("sdate", values);
			if (m_sdate != "null")
				m_sdate = "N'" + util.ReplaceSingleQuoteInString(m_sdate) + "'";
			string remark = util.GetValueOfVariable("remark", values);
			if (remark != "null")
				m_remark = "N'" + util.ReplaceSingleQuoteInString(remark) + "'";
			else
				m_remark = "N'" + util.ReplaceSingleQuoteInString(m_remark) + "'";
		}

		public void SetPrimaryKey(String id)
		{
			m_sale_basic_id = new UtilHandler().ToSqlNumber(id, "0");
		}

		public DataTable SelectRecord(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT [sale_basic].[sale_basic_id], CONVERT(varchar(10), [sale_basic].[sdate], 101) AS [sdate], [sale_basic].[remark] FROM [sale_basic] WHERE [sale_basic_id] = " +id+""; 
			return getRecords(sqlString);
		}
	}
}
