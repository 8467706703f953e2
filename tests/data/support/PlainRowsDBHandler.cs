// Stands in for the generated DBHandler when master-detail pages run under mono: every query
// finds the same two customers, whose texts need no escaping.
using System;
using System.Data;

namespace Shop
{
    public partial class DBHandler
    {
        public void ExecuteNonQueryOnMaster(String queryString)
        {
        }

        public DataTable InsertSelect(String queryString, String selectString)
        {
            return ExecuteQuery(selectString);
        }

        public DataTable ExecuteQuery(String queryString)
        {
            DataTable rows = new DataTable();
            foreach (string column in new string[] { "customer_id", "cname", "credit" })
                rows.Columns.Add(column);
            rows.Rows.Add(new object[] { "7", "Alpha Sons", "100" });
            rows.Rows.Add(new object[] { "9", "Beta Ltd", "0" });
            return rows;
        }
    }
}
