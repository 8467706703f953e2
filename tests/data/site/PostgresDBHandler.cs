// Stands in for the generated DBHandler in the served-site tests: runs the generated SQL on the
// PostgreSQL server that WEAVO_PG_ODBC names, through unixODBC and the PostgreSQL ODBC driver,
// rewriting the few T-SQL forms PostgreSQL writes otherwise, and appends every statement as one
// line, its names without brackets, to the file that WEAVO_SQL_LOG names. While a request's save
// is open (BeginSave), its statements run in the save's transaction, as the generated class runs
// them. A statement that the server refuses throws the SqlException that the generated class's
// client would throw, with the server's message.
using System;
using System.Data;
using System.Data.Odbc;
using System.Data.SqlClient;
using System.IO;
using System.Reflection;
using System.Text;
using System.Text.RegularExpressions;
using System.Web;

namespace Guard
{
    public partial class DBHandler
    {
        static readonly object s_logLock = new object();

        const String SAVE_ITEM = "DBHandler.Save";
        const String SAVE_CONNECTION_ITEM = "DBHandler.SaveConnection";

        static OdbcTransaction OpenSave()
        {
            HttpContext context = HttpContext.Current;
            return context == null ? null : context.Items[SAVE_ITEM] as OdbcTransaction;
        }

        public void BeginSave(String lockString)
        {
            EndSave();
            OdbcConnection connection = Open();
            OdbcTransaction transaction = connection.BeginTransaction();
            HttpContext.Current.Items[SAVE_CONNECTION_ITEM] = connection;
            HttpContext.Current.Items[SAVE_ITEM] = transaction;
            try
            {
                if (lockString != null)
                    Command(connection, lockString, transaction).ExecuteNonQuery();
            }
            catch (OdbcException e)
            {
                throw ServerError(e);
            }
        }

        public void CommitSave()
        {
            CloseSave(true);
        }

        public void EndSave()
        {
            CloseSave(false);
        }

        static void CloseSave(bool commit)
        {
            OdbcTransaction save = OpenSave();
            if (save == null)
                return;
            HttpContext.Current.Items.Remove(SAVE_ITEM);
            OdbcConnection connection = (OdbcConnection)HttpContext.Current.Items[SAVE_CONNECTION_ITEM];
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

        // The connection of the open save, else a new one that the caller closes.
        static OdbcConnection Connection(out OdbcTransaction save)
        {
            save = OpenSave();
            return save != null ? save.Connection : Open();
        }

        static void CloseUnlessSaved(OdbcConnection connection, OdbcTransaction save)
        {
            if (save == null)
                connection.Close();
        }

        public void ExecuteNonQueryOnMaster(String queryString)
        {
            OdbcTransaction save;
            OdbcConnection connection = Connection(out save);
            try
            {
                Command(connection, queryString, save).ExecuteNonQuery();
            }
            catch (OdbcException e)
            {
                throw ServerError(e);
            }
            finally
            {
                CloseUnlessSaved(connection, save);
            }
        }

        public DataTable ExecuteQuery(String queryString)
        {
            OdbcTransaction save;
            OdbcConnection connection = Connection(out save);
            try
            {
                return Fill(connection, queryString, save);
            }
            catch (OdbcException e)
            {
                throw ServerError(e);
            }
            finally
            {
                CloseUnlessSaved(connection, save);
            }
        }

        public int Scaler(String sSQLCommand)
        {
            OdbcTransaction save;
            OdbcConnection connection = Connection(out save);
            try
            {
                return Convert.ToInt32(Command(connection, sSQLCommand, save).ExecuteScalar());
            }
            catch (OdbcException e)
            {
                throw ServerError(e);
            }
            finally
            {
                CloseUnlessSaved(connection, save);
            }
        }

        public DataTable InsertSelect(String queryString, String selectString)
        {
            OdbcTransaction save;
            OdbcConnection connection = Connection(out save);
            try
            {
                Command(connection, queryString, save).ExecuteNonQuery();
                return Fill(connection, selectString, save);
            }
            catch (OdbcException e)
            {
                throw ServerError(e);
            }
            finally
            {
                CloseUnlessSaved(connection, save);
            }
        }

        public delegate String KeyedStatement(String key);

        public String InsertSelectThenUpdate(String queryString, String selectString,
                                             KeyedStatement update)
        {
            OdbcTransaction save;
            OdbcConnection connection = Connection(out save);
            try
            {
                OdbcTransaction transaction = save != null ? save : connection.BeginTransaction();
                Command(connection, queryString, transaction).ExecuteNonQuery();
                String key =
                    Convert.ToString(Command(connection, selectString, transaction).ExecuteScalar());
                Command(connection, update(key), transaction).ExecuteNonQuery();
                if (save == null)
                    transaction.Commit();
                return key;
            }
            catch (OdbcException e)
            {
                throw ServerError(e);
            }
            finally
            {
                CloseUnlessSaved(connection, save);
            }
        }

        public void ExecuteNonQueryOnTransaction(String queryString)
        {
        }

        // A report's query as the generated class runs it: a parameter of the value "0" turns its
        // "= @name" condition into "!= 0", every other one is bound; here, as ODBC binds them, by
        // the order in which their names stand in the text.
        public DataSet ExecuteRDLCQuery(String commandText, String commandType, String ds,
                                        String tbl, String[] sqlParams, String[] sqlParamVals)
        {
            if (commandType != "Text")
                throw new NotSupportedException("PostgreSQL runs no stored procedure " + commandText);
            for (int i = 0; i < sqlParams.Length; i++)
            {
                if (sqlParamVals[i] == "0")
                    commandText = commandText.Replace("= " + sqlParams[i], "!= 0");
            }
            using (OdbcConnection connection = Open())
            {
                OdbcCommand command = Command(connection, commandText);
                command.CommandText = Regex.Replace(
                    command.CommandText, @"@\w+", (Match name) =>
                    {
                        int index = Array.IndexOf(sqlParams, name.Value);
                        if (index < 0)
                            return name.Value;
                        command.Parameters.AddWithValue(name.Value, sqlParamVals[index]);
                        return "?";
                    });
                DataSet dataSet = new DataSet(ds);
                new OdbcDataAdapter(command).Fill(dataSet, tbl);
                return dataSet;
            }
        }

        // The SqlException of the server's first message line, made as the client makes it.
        static SqlException ServerError(OdbcException refused)
        {
            const BindingFlags inner = BindingFlags.NonPublic | BindingFlags.Instance;
            String message = refused.Errors.Count > 0 ? refused.Errors[0].Message : refused.Message;
            SqlErrorCollection errors =
                (SqlErrorCollection)Activator.CreateInstance(typeof(SqlErrorCollection), true);
            SqlError error = (SqlError)Activator.CreateInstance(
                typeof(SqlError), inner, null,
                new object[] { 0, (byte)0, (byte)16, "PostgreSQL", message.Split('\n')[0], "", 0, null },
                null);
            typeof(SqlErrorCollection).GetMethod("Add", inner).Invoke(errors, new object[] { error });
            return (SqlException)typeof(SqlException)
                .GetMethod("CreateException", BindingFlags.NonPublic | BindingFlags.Static, null,
                           new Type[] { typeof(SqlErrorCollection), typeof(String) }, null)
                .Invoke(null, new object[] { errors, "" });
        }

        static OdbcConnection Open()
        {
            OdbcConnection connection =
                new OdbcConnection(Environment.GetEnvironmentVariable("WEAVO_PG_ODBC"));
            connection.Open();
            return connection;
        }

        static OdbcCommand Command(OdbcConnection connection, String statement,
                                   OdbcTransaction transaction = null)
        {
            Log(statement);
            return new OdbcCommand(Rewritten(statement), connection, transaction);
        }

        static DataTable Fill(OdbcConnection connection, String statement,
                              OdbcTransaction transaction = null)
        {
            DataTable table = new DataTable();
            new OdbcDataAdapter(Command(connection, statement, transaction)).Fill(table);
            return table;
        }

        // The statement on one line, without the brackets that quote names (literals as they are).
        static void Log(String statement)
        {
            StringBuilder plain = new StringBuilder();
            bool literal = false;
            foreach (char c in statement)
            {
                if (c == '\'')
                    literal = !literal;
                if (literal || (c != '[' && c != ']'))
                    plain.Append(c);
            }
            lock (s_logLock)
                File.AppendAllText(Environment.GetEnvironmentVariable("WEAVO_SQL_LOG"),
                                   plain.ToString().Replace("\r", " ").Replace("\n", " ") + "\n");
        }

        // N'...' as '...', CONVERT(varchar(10), x, 101) as to_char, @@IDENTITY as lastval(), no
        // "dbo." schema, [name] as "name", a row lock's hint (UPDLOCK, ROWLOCK) as FOR UPDATE and a table lock's
        // (TABLOCKX, HOLDLOCK) as LOCK TABLE before the query; the text inside literals is left
        // alone.
        public static String Rewritten(String statement)
        {
            StringBuilder code = new StringBuilder();
            StringBuilder result = new StringBuilder();
            int i = 0;
            while (i < statement.Length)
            {
                if (statement[i] != '\'')
                {
                    code.Append(statement[i++]);
                    continue;
                }
                int end = i + 1;
                while (end < statement.Length &&
                       (statement[end] != '\'' ||
                        (end + 1 < statement.Length && statement[end + 1] == '\'')))
                    end += statement[end] == '\'' ? 2 : 1;
                String codeText = code.ToString();
                if (Regex.IsMatch(codeText, "(^|[^A-Za-z0-9_])N$"))
                    codeText = codeText.Substring(0, codeText.Length - 1);
                result.Append(RewrittenCode(codeText));
                code.Length = 0;
                int stop = Math.Min(end + 1, statement.Length);
                result.Append(statement, i, stop - i);
                i = stop;
            }
            result.Append(RewrittenCode(code.ToString()));
            return result.ToString();
        }

        // A T-SQL name in brackets, "]" doubled inside; PostgreSQL's quoted name folded as the
        // project's PostgreSQL script writes it.
        const String BracketedName = @"\[((?:[^\]]|\]\])*)\]";
        const String TableName = @"(?:\w+|\[(?:[^\]]|\]\])*\])";

        static String RewrittenCode(String code)
        {
            code = Regex.Replace(code, @"CONVERT\s*\(\s*varchar\s*\(\s*10\s*\)\s*,\s*([^,()]+?)\s*,\s*101\s*\)",
                                 "to_char($1, 'MM/DD/YYYY')", RegexOptions.IgnoreCase);
            code = Regex.Replace(code, "@@IDENTITY", "lastval()", RegexOptions.IgnoreCase);
            code = Regex.Replace(code, @"^(SELECT .* FROM (" + TableName + @")) WITH \(TABLOCKX, HOLDLOCK\)$",
                                 "LOCK TABLE $2 IN EXCLUSIVE MODE; $1");
            code = Regex.Replace(code, @"^(SELECT .* FROM " + TableName + @") WITH \(UPDLOCK, ROWLOCK\)( WHERE .*)$",
                                 "$1$2 FOR UPDATE");
            code = Regex.Replace(code, @"\bdbo\.", "", RegexOptions.IgnoreCase);
            return Regex.Replace(code, BracketedName, (Match name) => "\"" + Regex.Replace(
                name.Groups[1].Value.Replace("]]", "]"), "[A-Z]", (Match c) => c.Value.ToLower())
                .Replace("\"", "\"\"") + "\"");
        }
    }
}
