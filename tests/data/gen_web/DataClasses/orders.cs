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
	//This class represents database table orders
	public partial class _orders
	{
		String m_customer_id; //Represents database field customer_id(int)
		String m_odate; //Represents database field odate(DateTime)
		String m_quantity; //Represents database field quantity(int)
		String m_ship_to_id; //Represents database field ship_to_id(int)
		String m_notes; //Represents database field notes(Text)
		String m_photo; //Represents database field photo(varchar)
		String m_orders_id; //Represents primary key
		String m_Is_Deleted; //Represents field for soft delete

		//Handles the row insertion in table orders
		public void HandleAdd()
		{
			String sSQLCommand = "INSERT INTO [orders]([Is_Deleted],[customer_id],[odate],[quantity],[ship_to_id],[notes],[photo]) " +
			"VALUES("+ m_Is_Deleted + ","+ m_customer_id + ","+ m_odate + ","+ m_quantity + ","+ m_ship_to_id + ","+ m_notes + ","+ m_photo + ");";
			String selectString = "SELECT @@IDENTITY AS primaryKey";
			DBHandler dbHandler = new DBHandler();
			DataTable dbTable = dbHandler.InsertSelect(sSQLCommand, selectString);
			m_orders_id = dbTable.Rows[0]["primaryKey"].ToString();
		}

		//Handles the row updation in table orders
		public void HandleUpdate()
		{
			String sSQLCommand = "UPDATE [orders] set [customer_id] = "+ m_customer_id +",[odate] = "+ m_odate +",[quantity] = "+ m_quantity +",[ship_to_id] = "+ m_ship_to_id +",[notes] = "+ m_notes +",[photo] = "+ m_photo +" where [orders_id] = " +m_orders_id;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		//Handles the row deletion in table orders
		public void HandleDelete()
		{
			String sSQLCommand = "update [orders] set Is_Deleted = 'Y' where [orders_id] = " + m_orders_id;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		//Returns records from the table orders based on the SQL query
		DataTable getRecords(String sqlString)
		{
			DBHandler handler = new DBHandler();
			return handler.ExecuteQuery(sqlString);
		}

		//Returns all the records from the table orders
		public DataTable SelectAllRecords()
		{
			String sqlString = "SELECT [orders].[orders_id], [orders].[Is_Deleted], [orders].[customer_id], tbl0.[cname], CONVERT(varchar(10), [orders].[odate], 101) AS [odate], [orders].[quantity], [orders].[ship_to_id], tbl1.[cname], [orders].[notes], [orders].[photo] FROM [orders] INNER JOIN [customer] tbl0 ON [orders].[customer_id] = tbl0.[customer_id] LEFT OUTER JOIN [customer] tbl1 ON [orders].[ship_to_id] = tbl1.[customer_id] WHERE [orders].Is_Deleted = 'N'";
			return getRecords(sqlString);
		}

		//Sets the values to the member variables
		public void SetValues(string[,] values)
		{
			UtilHandler util = new UtilHandler();
			m_customer_id = util.ToSqlNumber(util.GetValueOfVariable("customer_id", values), "null");
			m_odate = util.GetValueOfVariable("odate", values);
			if (m_odate != "null")
				m_odate = "N'" + util.ReplaceSingleQuoteInString(m_odate) + "'";
			m_quantity = util.ToSqlNumber(util.GetValueOfVariable("quantity", values), "null");
			m_ship_to_id = util.ToSqlNumber(util.GetValueOfVariable("ship_to_id", values), "null");
			m_notes = util.GetValueOfVariable("notes", values);
			if (m_notes != "null")
				m_notes = "N'" + util.ReplaceSingleQuoteInString(m_notes) + "'";
			m_photo = util.GetValueOfVariable("photo", values);
			if (m_photo != "null")
				m_photo = "N'" + util.ReplaceSingleQuoteInString(m_photo) + "'";
			m_Is_Deleted= "N'N'";
		}

		//Sets the primary key
		public void SetPrimaryKey(String id)
		{
			m_orders_id = new UtilHandler().ToSqlNumber(id, "0");
		}

		//Returns records matching foriegn key of customer_id
		public DataTable SelectRecordForcustomer_id(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT [orders].[orders_id], [orders].[Is_Deleted], [orders].[customer_id], CONVERT(varchar(10), [orders].[odate], 101) AS [odate], [orders].[quantity], [orders].[ship_to_id], [orders].[notes], [orders].[photo] FROM [orders] WHERE [customer_id] = " +id+""; 
			return getRecords(sqlString);
		}

		//Returns records matching foriegn key of ship_to_id
		public DataTable SelectRecordForship_to_id(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT [orders].[orders_id], [orders].[Is_Deleted], [orders].[customer_id], CONVERT(varchar(10), [orders].[odate], 101) AS [odate], [orders].[quantity], [orders].[ship_to_id], [orders].[notes], [orders].[photo] FROM [orders] WHERE [ship_to_id] = " +id+""; 
			return getRecords(sqlString);
		}

		//Returns a record based on primary key
		public DataTable SelectRecord(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT [orders].[orders_id], [orders].[Is_Deleted], [orders].[customer_id], CONVERT(varchar(10), [orders].[odate], 101) AS [odate], [orders].[quantity], [orders].[ship_to_id], [orders].[notes], [orders].[photo] FROM [orders] WHERE [orders_id] = " +id+" AND [orders].Is_Deleted = 'N'"; 
			return getRecords(sqlString);
		}
		public DataTable SelectRecordForMultiParam(String param_customer_id, String param_ship_to_id)
		{
			if(param_customer_id == null)
				param_customer_id = "0";
			param_customer_id = new UtilHandler().ToSqlNumber(param_customer_id, "0");

			if(param_ship_to_id == null)
				param_ship_to_id = "0";
			param_ship_to_id = new UtilHandler().ToSqlNumber(param_ship_to_id, "0");

			String sqlString = "SELECT [orders].[orders_id], [orders].[Is_Deleted], [orders].[customer_id], CONVERT(varchar(10), [orders].[odate], 101) AS [odate], [orders].[quantity], [orders].[ship_to_id], [orders].[notes], [orders].[photo] FROM [orders] WHERE [customer_id] = " +param_customer_id+" AND [ship_to_id] = " +param_ship_to_id+" AND [orders].Is_Deleted = 'N'"; 
			return getRecords(sqlString);
		}
	}
}
