#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "tests/entities/RDLCTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// Orders (key, soft-delete flag, a date and two foreign keys: a required customer and an
// optional agent) beside Customers, shown by its first varchar, and Agents, shown by its front
// field.
class DatasetQueryTest : public RDLCProjectTest
{
protected:
    DatasetQueryTest()
    {
        m_customers.SetTableName("Customers");
        Field* customerKey = AddTypedField(m_customers, "Customers_id", FieldTypeInt);
        AddTypedField(m_customers, "Name", FieldTypeVarchar);
        m_agents.SetTableName("Agents");
        Field* agentKey = AddTypedField(m_agents, "Agents_id", FieldTypeInt);
        AddTypedField(m_agents, "Title", FieldTypeVarchar);
        AddTypedField(m_agents, "Code", FieldTypeInt)->SetFrontField(true);

        m_orders.SetTableName("Orders");
        AddTypedField(m_orders, "Orders_id", FieldTypeInt);
        AddTypedField(m_orders, "Is_Deleted", FieldTypeChar);
        AddTypedField(m_orders, "OrderDate", FieldTypeDateTime);
        AddTypedField(m_orders, "Customer_id", FieldTypeInt, customerKey);
        AddTypedField(m_orders, "Agent_id", FieldTypeInt, agentKey, true);
        m_report.SetTable(&m_orders);
    }

    // The adapter after the report built its query.
    const TableAdapter& Build()
    {
        m_report.BuildSelectAllRecordsQuery(&m_adapter);
        return m_adapter;
    }

    Table m_customers;
    Table m_agents;
    Table m_orders;
    RDLCReport m_report;
    TableAdapter m_adapter;
};

TEST_F(DatasetQueryTest, WithoutFunctionOrOpenProjectSelectsEveryColumnOfTheTable)
{
    Function* function = AddSelectAllRecordsFunction(m_orders);
    function->SetName("SelectRecords");
    m_adapter.AddParameterName("@kept");
    m_adapter.AddColumnName("Kept");
    m_adapter.SetStatus(4);

    const TableAdapter& adapter = Build();

    EXPECT_EQ(adapter.GetName(), "OrdersTableAdapter");
    EXPECT_EQ(adapter.GetCommandType(), "Text");
    EXPECT_EQ(adapter.GetStatus(), 0);
    EXPECT_EQ(adapter.GetCommandText(), "SELECT  * FROM Orders WHERE Is_Deleted = 'N'");
    EXPECT_EQ(adapter.GetParameterNames(), std::vector<CString>{"@kept"});
    EXPECT_EQ(adapter.GetColumnNames(), std::vector<CString>{"Kept"});
    m_orders.SetKind(Table::masterDetailKind);
    EXPECT_EQ(Build().GetCommandText(), "SELECT  * FROM Orders");

    m_orders.SetKind(Table::masterKind);
    function->SetName("SelectAllRecords");
    const auto previous = MainFrameAccess::SetProjectSource({});
    const CString text = Build().GetCommandText();
    MainFrameAccess::SetProjectSource(previous);
    EXPECT_EQ(text, "SELECT  * FROM Orders WHERE Is_Deleted = 'N'");
}

TEST_F(DatasetQueryTest, FunctionJoinsForeignKeysInFieldOrder)
{
    AddSelectAllRecordsFunction(m_orders, {"@From", "@To"})->AddParameter(nullptr);
    m_project.SetDateFormat("dd/mm/yyyy");
    m_adapter.AddParameterName("@old");
    m_adapter.AddColumnName("Old");

    const TableAdapter& adapter = Build();

    EXPECT_EQ(adapter.GetCommandText(),
              "SELECT Orders.Orders_id, CONVERT(varchar(10), Orders.OrderDate, 103) AS OrderDate, "
              "Orders.Customer_id, tbl0.Name AS Customer_id_, Orders.Agent_id, "
              "tbl1.Code AS Agent_id_ FROM Orders"
              " INNER JOIN Customers tbl0 ON Orders.Customer_id = tbl0.Customers_id"
              " LEFT OUTER JOIN Agents tbl1 ON Orders.Agent_id = tbl1.Agents_id"
              " WHERE Orders.Is_Deleted = 'N'");
    EXPECT_EQ(adapter.GetParameterNames(), (std::vector<CString>{"@From", "@To"}));
    EXPECT_EQ(adapter.GetColumnNames(),
              (std::vector<CString>{"Orders_id", "OrderDate", "Customer_id_", "Agent_id_"}));
}

TEST_F(DatasetQueryTest, FunctionFoundIgnoringCaseOnMasterDetailTableHasNoWherePart)
{
    AddSelectAllRecordsFunction(m_orders)->SetName("selectallrecords");
    m_orders.SetKind(Table::masterDetailKind);

    const CString text = Build().GetCommandText();

    EXPECT_EQ(text.Left(22), "SELECT Orders.Orders_i");
    EXPECT_EQ(text.Find("WHERE"), -1);
    EXPECT_NE(text.Find(" LEFT OUTER JOIN Agents tbl1 "), -1);
}

TEST_F(DatasetQueryTest, EveryDateFormatButDayFirstSelectsStyle101AlsoWithoutSettings)
{
    AddSelectAllRecordsFunction(m_orders);
    AddTypedField(m_orders, "Shipped", FieldTypeDateTime,
                  AddTypedField(m_customers, "Since", FieldTypeDateTime));
    for (const char* format : {"mm/dd/yyyy", "DD/MM/YYYY", "yyyy-mm-dd"})
    {
        SCOPED_TRACE(format);
        m_project.SetDateFormat(format);

        const CString text = Build().GetCommandText();

        EXPECT_NE(text.Find("CONVERT(varchar(10), Orders.OrderDate, 101) AS OrderDate, "), -1);
        EXPECT_NE(text.Find("CONVERT(varchar(10), Orders.Shipped, 101) AS Shipped, "
                            "CONVERT(varchar(10), tbl2.Name, 101) AS Shipped_ FROM"),
                  -1);
        EXPECT_EQ(text.Find(", 103)"), -1);
    }
    m_project.SetDateFormat("dd/mm/yyyy");
    EXPECT_NE(Build().GetCommandText().Find("CONVERT(varchar(10), tbl2.Name, 103) AS Shipped_"),
              -1);
    m_project.SetProjectSettings(nullptr);
    EXPECT_NE(Build().GetCommandText().Find("CONVERT(varchar(10), tbl2.Name, 101) AS Shipped_"),
              -1);
}

TEST_F(DatasetQueryTest, ForeignKeyWithoutDisplayableTableIsAPlainColumn)
{
    AddSelectAllRecordsFunction(m_orders);
    Field loose;
    loose.SetFieldName("Loose_id");
    AddTypedField(m_orders, "Loose_id", FieldTypeInt, &loose);

    const TableAdapter& adapter = Build();

    EXPECT_NE(adapter.GetCommandText().Find("Orders.Loose_id FROM Orders"), -1);
    EXPECT_EQ(adapter.GetColumnNames().back(), "Loose_id");
}

TEST_F(DatasetQueryTest, TableOfOnlyTheDeletedFlagGivesAnEmptySelectListAndNoTableNothing)
{
    Table flags;
    flags.SetTableName("Flags");
    AddTypedField(flags, "Is_Deleted", FieldTypeChar);
    AddSelectAllRecordsFunction(flags);
    m_report.SetTable(&flags);

    const TableAdapter& adapter = Build();

    EXPECT_EQ(adapter.GetCommandText(), "SELECT  FROM Flags WHERE Flags.Is_Deleted = 'N'");
    EXPECT_TRUE(adapter.GetColumnNames().empty());

    m_report.BuildSelectAllRecordsQuery(nullptr);
    m_report.SetTable(nullptr);
    TableAdapter untouched;
    m_report.BuildSelectAllRecordsQuery(&untouched);
    EXPECT_TRUE(untouched.GetName().IsEmpty());
    EXPECT_TRUE(untouched.GetCommandText().IsEmpty());
}

} // namespace
