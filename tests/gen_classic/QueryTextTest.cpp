#include "gen_classic/ProcedureCallText.h"
#include "model/Field.h"
#include "model/TextFile.h"
#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The procedure-call text of the action pages: text types quoted through SingleQuoteToDouble,
// dates through ConvertDate inside it, numbers bare, and a call without values still closed.
TEST(QueryTextTest, ValueTermsByFieldType)
{
    const struct
    {
        const char* name;
        std::vector<int> types;
        const char* expected;
    } cases[] = {
        {"varchar then int: three lines",
         {FieldTypeVarchar, FieldTypeInt},
         "\tstrQry = \"PRC_t_Insert \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(v0) &\"', \" & _\n"
         "\t\t\t\" \" &(v1) &\"\"\n"},
        {"a date goes through ConvertDate inside the quoting",
         {FieldTypeDateTime},
         "\tstrQry = \"PRC_t_Insert \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(ConvertDate(v0)) &\"'\"\n"},
        {"national text and money",
         {FieldTypeNVarchar, FieldTypeMoney, FieldTypeText},
         "\tstrQry = \"PRC_t_Insert \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(v0) &\"', \" & _\n"
         "\t\t\t\" \" &(v1) &\", \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(v2) &\"'\"\n"},
        {"no values", {}, "\tstrQry = \"PRC_t_Insert \" & _\n\t\t\t\"\"\n"},
    };
    for (const auto& each : cases)
    {
        std::vector<Field> fields(each.types.size());
        TextFile out = Collector();
        QueryText query(out, 1, 3, "PRC_t_Insert");
        for (std::size_t i = 0; i < fields.size(); ++i)
        {
            fields[i].SetType(each.types[i]);
            query.AddTerm(&fields[i], ("v" + std::to_string(i)).c_str());
        }
        query.Close();
        EXPECT_EQ(out.GetBuffer().str(), each.expected) << each.name;
    }
}
} // namespace
