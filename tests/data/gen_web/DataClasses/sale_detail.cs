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
	public partial class _sale_detail
	{
		String m_sale_id;
		String m_item;
		String m_amount;
		String m_customer_id;
		String m_sale_detail_id;
		public void HandleAdd()
		{
			String sSQLCommand = "INSERT INTO [sale_detail]([sale_id],[item],[amount],[customer_id]) " +
			"VALUES("+ m_sale_id + ","+ m_item + ","+ m_amount + ","+ m_customer_id + ");";
			String selectString = "SELECT @@IDENTITY AS detailId";
			DBHandler dbHandler = new DBHandler();
			DataTable dbTable = dbHandler.InsertSelect(sSQLCommand, selectString);
			m_sale_detail_id = dbTable.Rows[0]["detailId"].ToString();
		}

		public void HandleUpdate()
		{
			String sSQLCommand = "UPDATE [sale_detail] SET [sale_id] = "+ m_sale_id +",[item] = "+ m_item +",[amount] = "+ m_amount +",[customer_id] = "+ m_customer_id +" WHERE [sale_detail_id] = " +m_sale_detail_id;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		public void HandleDelete()
		{
			String sSQLCommand = "DELETE FROM  [sale_detail] WHERE [sale_detail_id] = " + m_sale_detail_id;
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
			String sqlString = "SELECT [sale_detail].[sale_detail_id], [sale_detail].[sale_id], tbl0.[remark], [sale_detail].[item], [sale_detail].[amount], [sale_detail].[customer_id], tbl1.[cname] FROM [sale_detail] INNER JOIN [sale_basic] tbl0 ON [sale_detail].[sale_id] = tbl0.[sale_basic_id] LEFT OUTER JOIN [customer] tbl1 ON [sale_detail].[customer_id] = tbl1.[customer_id]";
			return getRecords(sqlString);
		}

		public void SetValues(string[,] values)
		{
			UtilHandler util = new UtilHandler();
			m_sale_id = util.ToSqlNumber(util.GetValueOfVariable("sale_id", values), "null");
			m_item = util.GetValueOfVariable("item", values);
			if (m_item != "null")
				m_item = "N'" + util.ReplaceSingleQuoteInString(m_item) + "'";
			m_amount = util.ToSqlNumber(util.GetValueOfVariable("amount", values), "null");
			m_customer_id = util.ToSqlNumber(util.GetValueOfVariable("customer_id", values), "null");
		}

		public void SetPrimaryKey(String id)
		{
			m_sale_detail_id = new UtilHandler().ToSqlNumber(id, "0");
		}

		public DataTable SelectRecordForsale_id(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT * FROM [sale_detail] WHERE [sale_id] = " +id+""; 
			return getRecords(sqlString);
		}

		public DataTable SelectRecordForcustomer_id(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT * FROM [sale_detail] WHERE [customer_id] = " +id+""; 
			return getRecords(sqlString);
		}

		public DataTable SelectRecord(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT * FROM [sale_detail] WHERE [sale_detail_id] = " +id+""; 
			return getRecords(sqlString);
		}
		public DataTable SelectRecordForMultiParam(String param_sale_id, String param_customer_id)
		{
			if(param_sale_id == null)
				param_sale_id = "0";
			param_sale_id = new UtilHandler().ToSqlNumber(param_sale_id, "0");

			if(param_customer_id == null)
				param_customer_id = "0";
			param_customer_id = new UtilHandler().ToSqlNumber(param_customer_id, "0");

			String sqlString = "SELECT * FROM [sale_detail] WHERE [sale_id] = " +param_sale_id+" AND [customer_id] = " +param_customer_id+""; 
			return getRecords(sqlString);
		}
	}
}
