using System;
using System.Data;
using System.Data.SqlClient;
using System.Configuration;
using System.Web;


namespace Shop
{
	public partial class DBHandler
	{
		String m_connectionString;

		public DBHandler()
		{
			m_connectionString = ConfigurationManager.ConnectionStrings["m_connectionString"].ConnectionString;
		}
		const String SAVE_ITEM = "DBHandler.Save";
		//The save's connection, which a transaction that the server ended no longer names
		const String SAVE_CONNECTION_ITEM = "DBHandler.SaveConnection";
		//The transaction of the request's open save, null when none is open
		static SqlTransaction OpenSave()
		{
			HttpContext context = HttpContext.Current;
			return context == null ? null : context.Items[SAVE_ITEM] as SqlTransaction;
		}
		//Opens the request's save: the statements that follow run in one transaction, which the lock
		//statement, when there is one, begins, so that a save holding the same lock waits for this one
		public void BeginSave(String lockString)
		{
			EndSave();
			SqlConnection connection = new SqlConnection(m_connectionString);
			connection.Open();
			SqlTransaction transaction = connection.BeginTransaction();
			HttpContext.Current.Items[SAVE_CONNECTION_ITEM] = connection;
			HttpContext.Current.Items[SAVE_ITEM] = transaction;
			if (lockString != null)
				new SqlCommand(lockString, connection, transaction).ExecuteNonQuery();
		}
		//Keeps what the request's save did and closes it
		public void CommitSave()
		{
			CloseSave(true);
		}
		//Drops what the request's save did, when it was not kept, and closes it
		public void EndSave()
		{
			CloseSave(false);
		}
		void CloseSave(bool commit)
		{
			SqlTransaction save = OpenSave();
			if (save == null)
				return;
			HttpContext.Current.Items.Remove(SAVE_ITEM);
			SqlConnection connection = (SqlConnection)HttpContext.Current.Items[SAVE_CONNECTION_ITEM];
			HttpContext.Current.Items.Remove(SAVE_CONNECTION_ITEM);
			try
			{
				if (commit)
					save.Commit();
				else if (save.Connection != null)
					save.Rollback();
			}
			finally
			{
				connection.Close();
			}
		}
		public void ExecuteNonQueryOnMaster(String queryString)
		{
			SqlTransaction save = OpenSave();
			if (save != null)
			{
				new SqlCommand(queryString, save.Connection, save).ExecuteNonQuery();
				return;
			}
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
			SqlTransaction save = OpenSave();
			if (save != null)
			{
				new SqlCommand(queryString, save.Connection, save).ExecuteNonQuery();
				DataTable savedTable = new DataTable();
				new SqlDataAdapter(new SqlCommand(queryString, save.Connection, save)).Fill(savedTable);
				return savedTable;
			}
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
			SqlTransaction save = OpenSave();
			if (save != null)
			{
				return Convert.ToInt32(new SqlCommand(sSQLCommand, save.Connection, save).ExecuteScalar());
			}
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
			SqlTransaction save = OpenSave();
			if (save != null)
			{
				new SqlCommand(queryString, save.Connection, save).ExecuteNonQuery();
				DataTable savedTable = new DataTable();
				new SqlDataAdapter(new SqlCommand(selectString, save.Connection, save)).Fill(savedTable);
				return savedTable;
			}
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
			SqlTransaction save = OpenSave();
			if (save != null)
			{
				SqlCommand savedCommand = new SqlCommand(queryString, save.Connection, save);
				savedCommand.ExecuteNonQuery();
				savedCommand.CommandText = selectString;
				String savedKey = Convert.ToString(savedCommand.ExecuteScalar());
				savedCommand.CommandText = update(savedKey);
				savedCommand.ExecuteNonQuery();
				return savedKey;
			}
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
			SqlTransaction save = OpenSave();
			if (save != null)
			{
				return new SqlCommand(sSQLCommand, save.Connection, save).ExecuteReader();
			}
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
