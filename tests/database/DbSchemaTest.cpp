#include "database/DbSchema.h"
#include "database/ServerEnumerator.h"
#include "model/Field.h"
#include "platform/odbc/Sql.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
TEST(DbSchemaTest, TypeCodeOfACatalogueTypeName)
{
    const struct
    {
        const char* typeName;
        int code;
        bool identity;
    } cases[] = {
        {"int identity", FieldTypeInt, true},
        {"int", FieldTypeInt, false},
        {"float", FieldTypeFloat, false},
        {"char", FieldTypeChar, false},
        {"varchar", FieldTypeVarchar, false},
        {"datetime", FieldTypeDateTime, false},
        {"decimal", FieldTypeDecimal, false},
        {"text", FieldTypeText, false},
        {"Money", FieldTypeMoney, false},
        {"image", FieldTypeImage, false},
        {"NCHAR", FieldTypeNChar, false},
        {"nvarchar", FieldTypeNVarchar, false},
        {"ntext", FieldTypeNText, false},
        {"bigint", FieldTypeBigInt, false},
        {"INT IDENTITY", -1, false},
        {"bigint identity", -1, false},
        {"int4", -1, false},
        {"", -1, false},
    };
    DbTable table("t");
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.typeName);
        const DbColumn& column = table.AddColumn("c", test.typeName, 4, true);
        EXPECT_EQ(column.GetTypeCode(), test.code);
        EXPECT_EQ(column.IsIdentity(), test.identity);
        EXPECT_EQ(column.GetTable(), &table);
    }
}

TEST(DbSchemaTest, LookupsPreferTheExactNameAndOtherwiseIgnoreCase)
{
    DbSchema schema;
    schema.AddTable(std::make_unique<DbTable>("Customer_Orders"));
    schema.AddTable(std::make_unique<DbTable>("customer"));
    schema.AddTable(std::make_unique<DbTable>("Mixed_CASE"));
    schema.AddTable(std::make_unique<DbTable>("mixed_case"));
    DbTable& orders = *schema.GetTables()[0];
    const DbTable* upper = schema.GetTables()[2].get();
    const DbTable* lower = schema.GetTables()[3].get();
    orders.AddColumn("Order_Id", "int identity", 4, false);
    orders.AddColumn("note", "varchar", 50, true);

    const struct
    {
        const char* name;
        const DbTable* table;
    } tables[] = {
        {"customer_orders", &orders},
        {"CUSTOMER_ORDERS", &orders},
        {"Customer", schema.GetTables()[1].get()},
        {"Mixed_CASE", upper},
        {"mixed_case", lower},
        {"MIXED_CASE", upper},
        {"orders", nullptr},
        {"", nullptr},
    };
    EXPECT_EQ(orders.GetName(), "Customer_Orders") << "the name as the catalogue gives it";
    for (const auto& test : tables)
    {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(schema.FindTable(test.name), test.table);
    }
    schema.AddTable(std::make_unique<DbTable>("customer_orders"));
    EXPECT_EQ(schema.FindTable("customer_orders"), schema.GetTables()[4].get())
        << "an exact name after a match ignoring case";

    const struct
    {
        const char* name;
        const DbColumn* column;
    } columns[] = {
        {"order_id", orders.GetColumnAt(0)},
        {"NOTE", orders.GetColumnAt(1)},
        {"order", nullptr},
    };
    for (const auto& test : columns)
    {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(orders.FindColumn(test.name), test.column);
        EXPECT_EQ(orders.HasColumn(test.name), test.column != nullptr);
    }
    EXPECT_EQ(orders.GetColumnAt(-1), nullptr);
    EXPECT_EQ(orders.GetColumnAt(2), nullptr);

    schema.Clear();
    EXPECT_TRUE(schema.GetTables().empty());
    EXPECT_EQ(schema.FindTable("customer"), nullptr);
}

TEST(ServerEnumeratorTest, ServersOfABrowseResult)
{
    const struct
    {
        const char* result;
        std::vector<CString> servers;
    } cases[] = {
        {"SERVER:Server={alpha,beta};UID:Login ID=?;PWD:Password=?;", {"alpha", "beta"}},
        {"SERVER:Server={ alpha , (local)\\SQLEXPRESS ,};", {"alpha", "(local)\\SQLEXPRESS"}},
        {"SERVER:Server={one}", {"one"}},
        {"SERVER:Server={,, ,}", {}},
        {"SERVER:Server={}", {}},
        {"UID:Login ID=?;PWD:Password=?;", {}},
        {"", {}},
        {"DRIVER:Driver={x};SERVER:Server={a,b}", {"a", "b"}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.result);
        CStringArray servers;
        CServerEnumerator::ParseBrowseResult(test.result, servers);
        std::vector<CString> found;
        for (int index = 0; index < servers.GetSize(); ++index)
            found.push_back(servers[index]);
        EXPECT_EQ(found, test.servers);
    }
}

// No driver is registered as "SQL Server" here: the browse fails and the list stays empty.
TEST(ServerEnumeratorTest, FailedBrowseGivesNoServers)
{
    CServerEnumerator enumerator;
    enumerator.m_Servers.Add("stale");

    EXPECT_TRUE(enumerator.EnumerateSQLServers());
    EXPECT_EQ(enumerator.m_Servers.GetSize(), 0);
    EXPECT_EQ(enumerator.m_retCode, SQL_ERROR);
}
} // namespace
