// Stands in for the generated DBHandler when generated classes run under mono.
using System;
using System.Collections.Generic;
using System.Data;

namespace Shop
{
    // Stands in for the generated DBHandler: records the statements, those of a save once it
    // commits, with the brackets that quote names taken away (the golden files show them); an
    // insert's identity is 7, a query finds the rows of the first answer whose text it holds,
    // else none.
    public partial class DBHandler
    {
        public static List<string> Statements = new List<string>();
        public static Dictionary<string, DataTable> Answers = new Dictionary<string, DataTable>();
        // The statements of the open save, null when none is open.
        static List<string> s_save = null;

        // The statement without the brackets around names; literals are left as they are.
        static String Plain(String statement)
        {
            System.Text.StringBuilder plain = new System.Text.StringBuilder();
            bool literal = false;
            foreach (char c in statement)
            {
                if (c == '\'')
                    literal = !literal;
                if (literal || (c != '[' && c != ']'))
                    plain.Append(c);
            }
            return plain.ToString();
        }

        static void Record(String statement, String note = "")
        {
            (s_save != null ? s_save : Statements).Add(note + Plain(statement));
        }

        public void ExecuteNonQueryOnMaster(String queryString)
        {
            Record(queryString);
        }

        public DataTable ExecuteQuery(String queryString)
        {
            Record(queryString);
            foreach (KeyValuePair<string, DataTable> answer in Answers)
                if (Plain(queryString).Contains(answer.Key))
                    return answer.Value;
            return new DataTable();
        }

        public delegate String KeyedStatement(String key);

        // The insert and the statement of its key 7, recorded in order, the second marked as
        // run in the insert's transaction.
        public String InsertSelectThenUpdate(String queryString, String selectString, KeyedStatement update)
        {
            Record(queryString);
            Record(update("7"), "(in the insert's transaction) ");
            return "7";
        }

        // A save's lock is recorded as its first statement; a save dropped records nothing.
        public void BeginSave(String lockString)
        {
            s_save = new List<string>();
            if (lockString != null)
                Record(lockString);
        }

        public void CommitSave()
        {
            if (s_save != null)
                Statements.AddRange(s_save);
            s_save = null;
        }

        public void EndSave()
        {
            s_save = null;
        }

        public DataTable InsertSelect(String queryString, String selectString)
        {
            Record(queryString);
            DataTable identity = new DataTable();
            foreach (string column in new string[] { "primaryKey", "basicId", "detailId" })
                identity.Columns.Add(column);
            identity.Rows.Add(new object[] { "7", "7", "7" });
            return identity;
        }
    }
}
