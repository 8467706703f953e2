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
	//This class represents database table customer
	public partial class _customer
	{
		String m_cname; //Represents database field cname(varchar)
		String m_credit_limit = "100"; //Represents database field credit_limit(money)
		String m_remark = "Owner's \"best\""; //Represents database field remark(nvarchar)
		String m_customer_id; //Represents primary key
		String m_Is_Deleted; //Represents field for soft delete

		//Handles the row insertion in table customer
		public void HandleAdd()
		{
			String sSQLCommand = "INSERT INTO [customer]([Is_Deleted],[cname],[credit_limit],[remark]) " +
			"VALUES("+ m_Is_Deleted + ","+ m_cname + ","+ m_credit_limit + ","+ m_remark + ");";
			String selectString = "SELECT @@IDENTITY AS primaryKey";
			DBHandler dbHandler = new DBHandler();
			DataTable dbTable = dbHandler.InsertSelect(sSQLCommand, selectString);
			m_customer_id = dbTable.Rows[0]["primaryKey"].ToString();
		}

		//Handles the row updation in table customer
		public void HandleUpdate()
		{
			String sSQLCommand = "UPDATE [customer] set [cname] = "+ m_cname +",[credit_limit] = "+ m_credit_limit +",[remark] = "+ m_remark +" where [customer_id] = " +m_customer_id;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		//Handles the row deletion in table customer
		public void HandleDelete()
		{
			String sSQLCommand = "update [customer] set Is_Deleted = 'Y' where [customer_id] = " + m_customer_id;
			DBHandler dbHandler = new DBHandler();
			dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);
		}

		//Returns records from the table customer based on the SQL query
		DataTable getRecords(String sqlString)
		{
			DBHandler handler = new DBHandler();
			return handler.ExecuteQuery(sqlString);
		}

		//Returns all the records from the table customer
		public DataTable SelectAllRecords()
		{
			String sqlString = "SELECT * FROM [customer] WHERE Is_Deleted = 'N'";
			return getRecords(sqlString);
		}

		//Sets the values to the member variables
		public void SetValues(string[,] values)
		{
			UtilHandler util = new UtilHandler();
			m_cname = util.GetValueOfVariable("cname", values);
			if (m_cname != "null")
				m_cname = "N'" + util.ReplaceSingleQuoteInString(m_cname) + "'";
			string credit_limit = util.ToSqlNumber(util.GetValueOfVariable("credit_limit", values), "null");
			if (credit_limit != "null")
				m_credit_limit = credit_limit;
			string remark = util.GetValueOfVariable("remark", values);
			if (remark != "null")
				m_remark = "N'" + util.ReplaceSingleQuoteInString(remark) + "'";
			else
				m_remark = "N'" + util.ReplaceSingleQuoteInString(m_remark) + "'";
			m_Is_Deleted= "N'N'";
		}

		//Sets the primary key
		public void SetPrimaryKey(String id)
		{
			m_customer_id = new UtilHandler().ToSqlNumber(id, "0");
		}

		//Returns a record based on primary key
		public DataTable SelectRecord(String id)
		{
			if(id == null)
				id = "0";
			id = new UtilHandler().ToSqlNumber(id, "0");
			String sqlString = "SELECT * FROM [customer] WHERE [customer_id] = " +id+" AND [customer].Is_Deleted = 'N'"; 
			return getRecords(sqlString);
		}
	}
}
