using System;
using System.Data;
using System.Data.SqlClient;
using System.Configuration;


namespace Shop
{
	public partial class DBHandler
	{
		String m_connectionString;

		public DBHandler()
		{
			m_connectionString = ConfigurationManager.ConnectionStrings["m_connectionString"].ConnectionString;
		}
		public void ExecuteNonQueryOnMaster(String queryString)
		{
			SqlConnection connection = new SqlConnection(m_connectionString);
			try
			{
				connection.Open();
				SqlTransaction transaction = connection.BeginTransaction();
				SqlCommand command = new SqlCommand();
				command.Connection = connection;
				command.Transaction = transaction;
				command.CommandText = queryString;
				command.ExecuteNonQuery();
				transaction.Commit();
			}
			finally
			{
				connection.Close();
			}
		}
		public DataTable ExecuteQuery(String queryString)
		{
			SqlConnection connection = new SqlConnection(m_connectionString);
			try
			{
				connection.Open();
				SqlTransaction transaction = connection.BeginTransaction();
				SqlCommand command = new SqlCommand();
				command.Connection = connection;
				command.Transaction = transaction;
				command.CommandText = queryString;
				command.ExecuteNonQuery();
				transaction.Commit();
				DataTable dataTable = new DataTable();
				new SqlDataAdapter(queryString, connection).Fill(dataTable);
				return dataTable;
			}
			finally
			{
				connection.Close();
			}
		}
		public int Scaler(String sSQLCommand)
		{
			SqlConnection myConnection = new SqlConnection(m_connectionString);
			try
			{
				myConnection.Open();
				SqlCommand myCommand = new SqlCommand(sSQLCommand, myConnection);
				int count = Convert.ToInt32(myCommand.ExecuteScalar());
				return count;
			}
			finally
			{
				myConnection.Close();
			}
		}
		public DataTable InsertSelect(String queryString, String selectString)
		{
			SqlConnection connection = new SqlConnection(m_connectionString);
			try
			{
				connection.Open();
				SqlTransaction transaction = connection.BeginTransaction();
				SqlCommand command = new SqlCommand();
				command.Connection = connection;
				command.Transaction = transaction;
				command.CommandText = queryString;
				command.ExecuteNonQuery();
				transaction.Commit();
				DataTable dataTable = new DataTable();
				new SqlDataAdapter(selectString, connection).Fill(dataTable);
				return dataTable;
			}
			finally
			{
				connection.Close();
			}
		}
		public delegate String KeyedStatement(String key);
		public String InsertSelectThenUpdate(String queryString, String selectString, KeyedStatement update)
		{
			SqlConnection connection = new SqlConnection(m_connectionString);
			try
			{
				connection.Open();
				SqlTransaction transaction = connection.BeginTransaction();
				SqlCommand command = new SqlCommand();
				command.Connection = connection;
				command.Transaction = transaction;
				command.CommandText = queryString;
				command.ExecuteNonQuery();
				command.CommandText = selectString;
				String key = Convert.ToString(command.ExecuteScalar());
				command.CommandText = update(key);
				command.ExecuteNonQuery();
				transaction.Commit();
				return key;
			}
			finally
			{
				connection.Close();
			}
		}
		public void ExecuteNonQueryOnTransaction(String queryString)
		{
		}
		public SqlDataReader GetSQLDataReader(String sSQLCommand)
		{
			SqlConnection myConnection = new SqlConnection(m_connectionString);
			SqlDataReader myReader = null;
			try
			{
				myConnection.Open();
				SqlCommand myCommand = new SqlCommand(sSQLCommand, myConnection);
				myReader = myCommand.ExecuteReader(CommandBehavior.CloseConnection);
			}
			finally
			{
				if (myReader == null)
					myConnection.Close();
			}
			return myReader;
		}
		public DataSet ExecuteRDLCQuery(String commandText, String commandType, String ds, String tbl, String[] sqlParams, String[] sqlParamVals)
		{
			SqlConnection connection = new SqlConnection(m_connectionString);
			try
			{
				connection.Open();
				SqlTransaction transaction = connection.BeginTransaction();
				SqlCommand command = new SqlCommand();
				command.Connection = connection;
				command.Transaction = transaction;
				if(commandType == "Text")
					command.CommandType = CommandType.Text;
				else
					command.CommandType = CommandType.StoredProcedure;
				for (int i = 0; i < sqlParams.Length; i++)
				{
					String param = sqlParams[i];
					param = "= " + param;
					if (sqlParamVals[i] == "0")
						commandText = commandText.Replace(param, "!= 0");
					else
						command.Parameters.AddWithValue(sqlParams[i], sqlParamVals[i]);
				}
				command.CommandText = commandText;
				DataSet dataSet = new DataSet(ds);
				SqlDataAdapter adptr = new SqlDataAdapter(command);
				adptr.Fill(dataSet, tbl);
				transaction.Commit();
				return dataSet;
			}
			finally
			{
				connection.Close();
			}
		}

	}
}
