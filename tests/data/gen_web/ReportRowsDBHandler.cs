// Stands in for the generated DBHandler when report pages run under mono.
using System;
using System.Data;

namespace Shop
{
    // Every query but the session's account check finds the same two rows, whose texts need
    // escaping in XML and in links.
    public partial class DBHandler
    {
        public void ExecuteNonQueryOnMaster(String queryString)
        {
        }

        public void BeginSave(String lockString)
        {
        }

        public void CommitSave()
        {
        }

        public void EndSave()
        {
        }

        public DataTable InsertSelect(String queryString, String selectString)
        {
            return ExecuteQuery(selectString);
        }

        public delegate String KeyedStatement(String key);

        public String InsertSelectThenUpdate(String queryString, String selectString, KeyedStatement update)
        {
            update("1");
            return "1";
        }

        // The RDLC reports' print pages find no rows.
        public DataSet ExecuteRDLCQuery(String commandText, String commandType, String ds,
                                        String tbl, String[] sqlParams, String[] sqlParamVals)
        {
            return new DataSet(ds);
        }

        public DataTable ExecuteQuery(String queryString)
        {
            DataTable rows = new DataTable();
            // The logged-in administrator's account, as the stand-in session holds it.
            if (queryString.Contains("FROM useraccount INNER JOIN personnel_role"))
            {
                rows.Columns.Add("password");
                rows.Columns.Add("role_no");
                rows.Rows.Add(new object[] { "stand-in", ASPXMenuWriter.ADMINISTRATOR_ROLE });
                return rows;
            }
            string[] columns = { "orders_id", "customer_id", "cname", "credit_limit", "odate",
                                 "status", "urgent", "notes", "credit" };
            foreach (string column in columns)
                rows.Columns.Add(column);
            rows.Rows.Add(new object[] { "1", "7&x=<8>", "A & B <Ltd>", "100", "12/31/2026",
                                         "<open & \"new\">", "Y", "it's", "12.50" });
            rows.Rows.Add(new object[] { "2", "9", "C", "0", "01/02/2026", "closed", "N", "",
                                         "0" });
            return rows;
        }
    }
}
