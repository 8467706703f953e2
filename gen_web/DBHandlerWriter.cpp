#include "gen_web/DBHandlerWriter.h"

#include "gen_web/CodeLines.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"

DBHandlerWriter::DBHandlerWriter(const ForgeonProject& project, TextFile& file)
    : m_file(file), m_namespace(CSharpIdentifier(project.GetProjectName()))
{
}

void DBHandlerWriter::Write()
{
    WriteHead();
    WriteConstructor();
    WriteSave();
    WriteExecuteNonQueryOnMaster();
    WriteExecuteQuery();
    WriteScaler();
    WriteInsertSelect();
    WriteInsertSelectThenUpdate();
    WriteExecuteNonQueryOnTransaction();
    WriteGetSQLDataReader();
    WriteExecuteRDLCQuery();
    m_file.Write(1, "}\n");
    m_file.Write(0, "}\n");
}

void DBHandlerWriter::WriteHead()
{
    WriteCodeLines(m_file, {
                               {0, "using System;"},
                               {0, "using System.Data;"},
                               {0, "using System.Data.SqlClient;"},
                               {0, "using System.Configuration;"},
                               {0, "using System.Web;"},
                               {0, ""},
                               {0, ""},
                           });
    m_file.Write(0, "namespace %s\n", m_namespace);
    m_file.Write(0, "{\n");
    m_file.Write(1, "public partial class DBHandler\n");
    m_file.Write(1, "{\n");
}

void DBHandlerWriter::WriteConstructor()
{
    WriteCodeLines(m_file, {
                               {2, "String m_connectionString;"},
                               {0, ""},
                               {2, "public DBHandler()"},
                               {2, "{"},
                               {3, "m_connectionString = ConfigurationManager.ConnectionStrings["
                                   "\"m_connectionString\"].ConnectionString;"},
                               {2, "}"},
                           });
}

// A save opened by BeginSave holds its connection and transaction in the request's items; until
// CommitSave or EndSave every statement of the request runs in it, on that connection.
void DBHandlerWriter::WriteSave()
{
    WriteCodeLines(
        m_file,
        {
            {2, "const String SAVE_ITEM = \"DBHandler.Save\";"},
            {2,
             "//The save's connection, which a transaction that the server ended no longer names"},
            {2, "const String SAVE_CONNECTION_ITEM = \"DBHandler.SaveConnection\";"},
            {2, "//The transaction of the request's open save, null when none is open"},
            {2, "static SqlTransaction OpenSave()"},
            {2, "{"},
            {3, "HttpContext context = HttpContext.Current;"},
            {3, "return context == null ? null : context.Items[SAVE_ITEM] as SqlTransaction;"},
            {2, "}"},
            {2, "//Opens the request's save: the statements that follow run in one transaction, "
                "which the lock"},
            {2, "//statement, when there is one, begins, so that a save holding the same lock "
                "waits for this one"},
            {2, "public void BeginSave(String lockString)"},
            {2, "{"},
            {3, "EndSave();"},
            {3, "SqlConnection connection = new SqlConnection(m_connectionString);"},
            {3, "connection.Open();"},
            {3, "SqlTransaction transaction = connection.BeginTransaction();"},
            {3, "HttpContext.Current.Items[SAVE_CONNECTION_ITEM] = connection;"},
            {3, "HttpContext.Current.Items[SAVE_ITEM] = transaction;"},
            {3, "if (lockString != null)"},
            {4, "new SqlCommand(lockString, connection, transaction).ExecuteNonQuery();"},
            {2, "}"},
            {2, "//Keeps what the request's save did and closes it"},
            {2, "public void CommitSave()"},
            {2, "{"},
            {3, "CloseSave(true);"},
            {2, "}"},
            {2, "//Drops what the request's save did, when it was not kept, and closes it"},
            {2, "public void EndSave()"},
            {2, "{"},
            {3, "CloseSave(false);"},
            {2, "}"},
            {2, "void CloseSave(bool commit)"},
            {2, "{"},
            {3, "SqlTransaction save = OpenSave();"},
            {3, "if (save == null)"},
            {4, "return;"},
            {3, "HttpContext.Current.Items.Remove(SAVE_ITEM);"},
            {3, "SqlConnection connection = "
                "(SqlConnection)HttpContext.Current.Items[SAVE_CONNECTION_ITEM];"},
            {3, "HttpContext.Current.Items.Remove(SAVE_CONNECTION_ITEM);"},
            {3, "try"},
            {3, "{"},
            {4, "if (commit)"},
            {5, "save.Commit();"},
            {4, "else if (save.Connection != null)"},
            {5, "save.Rollback();"},
            {3, "}"},
            {3, "finally"},
            {3, "{"},
            {4, "connection.Close();"},
            {3, "}"},
            {2, "}"},
        });
}

// The lines that run instead when the request has an open save.
void DBHandlerWriter::WriteInOpenSave(const std::vector<CString>& lines)
{
    m_file.Write(3, "SqlTransaction save = OpenSave();\n");
    m_file.Write(3, "if (save != null)\n");
    m_file.Write(3, "{\n");
    for (const CString& line : lines)
        m_file.Write(4, "%s\n", line);
    m_file.Write(3, "}\n");
}

void DBHandlerWriter::WriteOpenConnection(const char* name)
{
    m_file.Write(3, "SqlConnection %s = new SqlConnection(m_connectionString);\n", name);
    m_file.Write(3, "try\n");
    m_file.Write(3, "{\n");
    m_file.Write(4, "%s.Open();\n", name);
}

void DBHandlerWriter::WriteCommandInTransaction()
{
    WriteCodeLines(m_file, {
                               {4, "SqlTransaction transaction = connection.BeginTransaction();"},
                               {4, "SqlCommand command = new SqlCommand();"},
                               {4, "command.Connection = connection;"},
                               {4, "command.Transaction = transaction;"},
                           });
}

void DBHandlerWriter::WriteNonQueryInTransaction()
{
    WriteCommandInTransaction();
    WriteCodeLines(m_file, {
                               {4, "command.CommandText = queryString;"},
                               {4, "command.ExecuteNonQuery();"},
                               {4, "transaction.Commit();"},
                           });
}

void DBHandlerWriter::WriteCloseConnection(const char* name)
{
    m_file.Write(3, "}\n");
    m_file.Write(3, "finally\n");
    m_file.Write(3, "{\n");
    m_file.Write(4, "%s.Close();\n", name);
    m_file.Write(3, "}\n");
}

void DBHandlerWriter::WriteExecuteNonQueryOnMaster()
{
    m_file.Write(2, "public void ExecuteNonQueryOnMaster(String queryString)\n");
    m_file.Write(2, "{\n");
    WriteInOpenSave(
        {"new SqlCommand(queryString, save.Connection, save).ExecuteNonQuery();", "return;"});
    WriteOpenConnection("connection");
    WriteNonQueryInTransaction();
    WriteCloseConnection("connection");
    m_file.Write(2, "}\n");
}

void DBHandlerWriter::WriteExecuteQuery()
{
    WriteNonQueryThenFill("public DataTable ExecuteQuery(String queryString)", "queryString");
}

void DBHandlerWriter::WriteScaler()
{
    m_file.Write(2, "public int Scaler(String sSQLCommand)\n");
    m_file.Write(2, "{\n");
    WriteInOpenSave({"return Convert.ToInt32(new SqlCommand(sSQLCommand, save.Connection, "
                     "save).ExecuteScalar());"});
    WriteOpenConnection("myConnection");
    m_file.Write(4, "SqlCommand myCommand = new SqlCommand(sSQLCommand, myConnection);\n");
    m_file.Write(4, "int count = Convert.ToInt32(myCommand.ExecuteScalar());\n");
    m_file.Write(4, "return count;\n");
    WriteCloseConnection("myConnection");
    m_file.Write(2, "}\n");
}

void DBHandlerWriter::WriteInsertSelect()
{
    WriteNonQueryThenFill("public DataTable InsertSelect(String queryString, String selectString)",
                          "selectString");
}

void DBHandlerWriter::WriteNonQueryThenFill(const char* signature, const char* fillQuery)
{
    m_file.Write(2, "%s\n", signature);
    m_file.Write(2, "{\n");
    WriteInOpenSave({"new SqlCommand(queryString, save.Connection, save).ExecuteNonQuery();",
                     "DataTable savedTable = new DataTable();",
                     "new SqlDataAdapter(new SqlCommand(" + CString(fillQuery) +
                         ", save.Connection, save)).Fill(savedTable);",
                     "return savedTable;"});
    WriteOpenConnection("connection");
    WriteNonQueryInTransaction();
    m_file.Write(4, "DataTable dataTable = new DataTable();\n");
    m_file.Write(4, "new SqlDataAdapter(%s, connection).Fill(dataTable);\n", fillQuery);
    m_file.Write(4, "return dataTable;\n");
    WriteCloseConnection("connection");
    m_file.Write(2, "}\n");
}

// The insert, the select of the new key and the statement that the key gives, in one
// transaction: nothing is kept when one of them fails.
void DBHandlerWriter::WriteInsertSelectThenUpdate()
{
    m_file.Write(2, "public delegate String KeyedStatement(String key);\n");
    m_file.Write(2, "public String InsertSelectThenUpdate(String queryString, String selectString, "
                    "KeyedStatement update)\n");
    m_file.Write(2, "{\n");
    WriteInOpenSave(
        {"SqlCommand savedCommand = new SqlCommand(queryString, save.Connection, save);",
         "savedCommand.ExecuteNonQuery();", "savedCommand.CommandText = selectString;",
         "String savedKey = Convert.ToString(savedCommand.ExecuteScalar());",
         "savedCommand.CommandText = update(savedKey);", "savedCommand.ExecuteNonQuery();",
         "return savedKey;"});
    WriteOpenConnection("connection");
    WriteCommandInTransaction();
    WriteCodeLines(m_file, {
                               {4, "command.CommandText = queryString;"},
                               {4, "command.ExecuteNonQuery();"},
                               {4, "command.CommandText = selectString;"},
                               {4, "String key = Convert.ToString(command.ExecuteScalar());"},
                               {4, "command.CommandText = update(key);"},
                               {4, "command.ExecuteNonQuery();"},
                               {4, "transaction.Commit();"},
                               {4, "return key;"},
                           });
    WriteCloseConnection("connection");
    m_file.Write(2, "}\n");
}

void DBHandlerWriter::WriteExecuteNonQueryOnTransaction()
{
    m_file.Write(2, "public void ExecuteNonQueryOnTransaction(String queryString)\n");
    m_file.Write(2, "{\n");
    m_file.Write(2, "}\n");
}

// The reader closes the connection when it is closed; the connection is closed here only when
// no reader was made. A reader in the request's save leaves the save's connection open.
void DBHandlerWriter::WriteGetSQLDataReader()
{
    WriteCodeLines(m_file, {
                               {2, "public SqlDataReader GetSQLDataReader(String sSQLCommand)"},
                               {2, "{"},
                           });
    WriteInOpenSave({"return new SqlCommand(sSQLCommand, save.Connection, save).ExecuteReader();"});
    WriteCodeLines(m_file,
                   {
                       {3, "SqlConnection myConnection = new SqlConnection(m_connectionString);"},
                       {3, "SqlDataReader myReader = null;"},
                       {3, "try"},
                       {3, "{"},
                       {4, "myConnection.Open();"},
                       {4, "SqlCommand myCommand = new SqlCommand(sSQLCommand, myConnection);"},
                       {4, "myReader = myCommand.ExecuteReader(CommandBehavior.CloseConnection);"},
                       {3, "}"},
                       {3, "finally"},
                       {3, "{"},
                       {4, "if (myReader == null)"},
                       {5, "myConnection.Close();"},
                       {3, "}"},
                       {3, "return myReader;"},
                       {2, "}"},
                   });
}

void DBHandlerWriter::WriteExecuteRDLCQuery()
{
    m_file.Write(2, "public DataSet ExecuteRDLCQuery(String commandText, String commandType, "
                    "String ds, String tbl, String[] sqlParams, String[] sqlParamVals)\n");
    m_file.Write(2, "{\n");
    WriteOpenConnection("connection");
    WriteCommandInTransaction();
    WriteCodeLines(m_file,
                   {
                       {4, "if(commandType == \"Text\")"},
                       {5, "command.CommandType = CommandType.Text;"},
                       {4, "else"},
                       {5, "command.CommandType = CommandType.StoredProcedure;"},
                       {4, "for (int i = 0; i < sqlParams.Length; i++)"},
                       {4, "{"},
                       {5, "String param = sqlParams[i];"},
                       {5, "param = \"= \" + param;"},
                       {5, "if (sqlParamVals[i] == \"0\")"},
                       {6, "commandText = commandText.Replace(param, \"!= 0\");"},
                       {5, "else"},
                       {6, "command.Parameters.AddWithValue(sqlParams[i], sqlParamVals[i]);"},
                       {4, "}"},
                       {4, "command.CommandText = commandText;"},
                       {4, "DataSet dataSet = new DataSet(ds);"},
                       {4, "SqlDataAdapter adptr = new SqlDataAdapter(command);"},
                       {4, "adptr.Fill(dataSet, tbl);"},
                       {4, "transaction.Commit();"},
                       {4, "return dataSet;"},
                   });
    WriteCloseConnection("connection");
    m_file.Write(2, "}\n");
    m_file.Write(0, "\n");
}
