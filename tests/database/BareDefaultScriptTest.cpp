#include "database/PgSqlScriptWriter.h"
#include "database/SqlScriptWriter.h"
#include "database/SqlText.h"
#include "tests/database/SampleProject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace
{
// A default each type writes bare: written only when it is a number of the type; a quoted type
// takes any text.
TEST(BareDefaultTest, OnlyANumberOfTheFieldsTypeIsWrittenBare)
{
    const struct
    {
        int type;
        const char* value;
        const char* refusal;
    } cases[] = {
        {FieldTypeInt, "12", ""},
        {FieldTypeInt, " -5 ", ""},
        {FieldTypeInt, "+2147483647", ""},
        {FieldTypeInt, "-2147483648", ""},
        {FieldTypeInt, "2147483648", "it is no whole number of int"},
        {FieldTypeInt, "0--", "it is no whole number of int"},
        {FieldTypeInt, "1; CREATE TABLE injected(x int); --", "it is no whole number of int"},
        {FieldTypeInt, "1) DROP TABLE useraccount --", "it is no whole number of int"},
        {FieldTypeInt, "1.5", "it is no whole number of int"},
        {FieldTypeInt, "1 2", "it is no whole number of int"},
        {FieldTypeInt, "-", "it is no whole number of int"},
        {FieldTypeBigInt, "9223372036854775807", ""},
        {FieldTypeBigInt, "9223372036854775808", "it is no whole number of bigint"},
        {FieldTypeFloat, "1.5e-3", ""},
        {FieldTypeFloat, ".5", ""},
        {FieldTypeFloat, "1e", "it is no number"},
        {FieldTypeFloat, "1e5--", "it is no number"},
        {FieldTypeDecimal, "-12.50", ""},
        {FieldTypeDecimal, "1e5", "it is no decimal number"},
        {FieldTypeMoney, "10.", ""},
        {FieldTypeMoney, "abc", "it is no decimal number"},
        {FieldTypeImage, "0", "a column of this type takes no default value"},
        {FieldTypeVarchar, "1; DROP TABLE x --", ""},
        {FieldTypeNText, "0--", ""},
        {FieldTypeDateTime, "01/01/2000", ""},
        {FieldTypeInt, "   ", ""},
    };
    for (const auto& each : cases)
    {
        Field field;
        field.SetType(each.type);
        field.SetDefaultValue(each.value);
        EXPECT_EQ(RefuseBareDefault(field), each.refusal) << each.type << " " << each.value;
    }
}

// Both script writers refuse the script over such a default, naming the field: nothing stands at
// the script's name, and the report says why.
TEST(BareDefaultTest, BothScriptWritersRefuseTheScriptNamingTheField)
{
    const struct
    {
        const char* name;
        std::function<void(SampleProject&, GenerationReport&)> write;
        std::filesystem::path script;
    } writers[] = {
        {"SQL Server",
         [](SampleProject& sample, GenerationReport& report)
         { SqlScriptWriter(sample.Project(), nullptr, report).WriteDatabaseScript(); },
         "Sample/scripts/KestraneWeavo_Sample_Script.sql"},
        {"PostgreSQL",
         [](SampleProject& sample, GenerationReport& report)
         { PgSqlScriptWriter(sample.Project(), report).Write(); },
         "_system/scripts/KestraneWeavo_PGSQL_CreateTables.sql"},
    };
    for (const auto& writer : writers)
    {
        SCOPED_TRACE(writer.name);
        SampleProjectFolder folder;
        folder.sample.Project().SetDatabaseName("SampleData");
        folder.sample.Customer().FindFieldByName("credit")->SetDefaultValue("0--");
        writer.write(folder.sample, folder.report);
        EXPECT_FALSE(std::filesystem::exists(folder.folder.Path() / writer.script));
        ASSERT_EQ(folder.report.GetUnwrittenFiles().size(), 1u);
        EXPECT_EQ(std::string(folder.report.GetUnwrittenFiles()[0].reason),
                  "the default value \"0--\" of field \"credit\" of table \"customer\" is not "
                  "written: it is no decimal number; correct it in the table designer");
    }
}
} // namespace
