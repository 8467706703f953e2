// Stands in for the generated DBHandler when generated classes run under mono.
using System;
using System.Collections.Generic;
using System.Data;

namespace Shop
{
    // Stands in for the generated DBHandler: records the statements; an insert's identity is 7,
    // a query finds the rows of the first answer whose text it holds, else none.
    public partial class DBHandler
    {
        public static List<string> Statements = new List<string>();
        public static Dictionary<string, DataTable> Answers = new Dictionary<string, DataTable>();

        public void ExecuteNonQueryOnMaster(String queryString)
        {
            Statements.Add(queryString);
        }

        public DataTable ExecuteQuery(String queryString)
        {
            Statements.Add(queryString);
            foreach (KeyValuePair<string, DataTable> answer in Answers)
                if (queryString.Contains(answer.Key))
                    return answer.Value;
            return new DataTable();
        }

        public delegate String KeyedStatement(String key);

        // The insert and the statement of its key 7, recorded in order, the second marked as
        // run in the insert's transaction.
        public String InsertSelectThenUpdate(String queryString, String selectString, KeyedStatement update)
        {
            Statements.Add(queryString);
            Statements.Add("(in the insert's transaction) " + update("7"));
            return "7";
        }

        // A save's lock is recorded as a statement; the save itself changes nothing here.
        public void BeginSave(String lockString)
        {
            if (lockString != null)
                Statements.Add(lockString);
        }

        public void CommitSave()
        {
        }

        public void EndSave()
        {
        }

        public DataTable InsertSelect(String queryString, String selectString)
        {
            Statements.Add(queryString);
            DataTable identity = new DataTable();
            foreach (string column in new string[] { "primaryKey", "basicId", "detailId" })
                identity.Columns.Add(column);
            identity.Rows.Add(new object[] { "7", "7", "7" });
            return identity;
        }
    }
}
