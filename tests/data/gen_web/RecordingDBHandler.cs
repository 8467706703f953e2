// Stands in for the generated DBHandler when generated classes run under mono.
using System;
using System.Collections.Generic;
using System.Data;

namespace Shop
{
    // Stands in for the generated DBHandler: records the statements; an insert's identity is 7,
    // a query finds no row.
    public partial class DBHandler
    {
        public static List<string> Statements = new List<string>();

        public void ExecuteNonQueryOnMaster(String queryString)
        {
            Statements.Add(queryString);
        }

        public DataTable ExecuteQuery(String queryString)
        {
            Statements.Add(queryString);
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
