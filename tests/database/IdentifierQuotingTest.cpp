#include "database/SqlText.h"

#include <gtest/gtest.h>

namespace
{
TEST(IdentifierQuotingTest, EachDialectQuotesCommentsKeepOneLineAndVariablesAreIdentifiers)
{
    const struct
    {
        const char* name;
        const char* sqlServer;
        const char* postgreSql;
        const char* comment;
        const char* sqlServerVariable;
    } cases[] = {
        {"Order_Line", "[Order_Line]", "\"order_line\"", "Order_Line", "@Order_Line"},
        {"full name", "[full name]", "\"full name\"", "full name", "@full_name"},
        {"x] DROP TABLE item --", "[x]] DROP TABLE item --]", "\"x] drop table item --\"",
         "x] DROP TABLE item --", "@x__DROP_TABLE_item___"},
        {"say\"so", "[say\"so]", "\"say\"\"so\"", "say\"so", "@say_so"},
        {"]]", "[]]]]]", "\"]]\"", "]]", "@__"},
        {"Été", "[Été]", "\"Été\"", "Été", "@Été"},
        {"end*/ DROP TABLE item", "[end*/ DROP TABLE item]", "\"end*/ drop table item\"",
         "end* / DROP TABLE item", "@end___DROP_TABLE_item"},
        {"line\nGO\r\nbreak", "[line\nGO\r\nbreak]", "\"line\ngo\r\nbreak\"",
         "line\\x0AGO\\x0D\\x0Abreak", "@line_GO__break"},
    };
    for (const auto& each : cases)
    {
        EXPECT_EQ(SqlServerName(each.name), each.sqlServer) << each.name;
        EXPECT_EQ(PgSqlName(each.name), each.postgreSql) << each.name;
        EXPECT_EQ(SqlCommentName(each.name), each.comment) << each.name;
        EXPECT_EQ(SqlServerVariable(each.name), each.sqlServerVariable) << each.name;
    }
}
} // namespace
