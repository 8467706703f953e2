#include "database/DbSchema.h"
#include "database/DesignationScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "entities/Procedure.h"
#include "model/Module.h"
#include "model/Relation.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace
{
class SqlServerScriptTest : public ::testing::Test, protected SampleProjectFolder
{
};

TEST_F(SqlServerScriptTest, DatabaseScriptOfTheSampleProject)
{
    SqlScriptWriter(sample.Project(), nullptr, report).WriteDatabaseScript();

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadHostFile(ScriptPath()), Expected("KestraneWeavo_Sample_Script.sql"));
    // The name the script gives the database is not stored.
    EXPECT_EQ(sample.Project().GetDatabaseName(), "");
}

// A project without a name names no database after it: nothing is stored, the database script
// and the alter script are named as not written, no file is made at their names nor counted,
// and a script an earlier run wrote stays as it was.
TEST_F(SqlServerScriptTest, WithoutAProjectNameNoDatabaseNameIsDerivedAndTheScriptIsNotWritten)
{
    sample.Project().SetProjectName("");
    sample.Project().SetDatabaseName("");
    const std::filesystem::path scripts = folder.Path() / "scripts";
    const DbSchema schema;
    for (const DbSchema* alter : {static_cast<const DbSchema*>(nullptr), &schema})
        for (const char* earlier : {"", "an earlier script"})
        {
            SCOPED_TRACE(std::string(alter != nullptr ? "alter script " : "script ") + earlier);
            const std::filesystem::path path =
                scripts /
                (alter != nullptr ? "KestraneWeavo__AlterScript.sql" : "KestraneWeavo__Script.sql");
            std::filesystem::remove_all(scripts);
            std::filesystem::create_directories(scripts);
            if (*earlier != '\0')
                std::ofstream(path, std::ios::binary) << earlier;
            GenerationReport refused;
            {
                SqlScriptWriter writer(sample.Project(), alter, refused);
                alter != nullptr ? writer.WriteUseDatabase() : writer.WriteDatabaseScript();
            }

            EXPECT_EQ(sample.Project().GetDatabaseName(), "");
            ASSERT_EQ(refused.GetUnwrittenFiles().size(), 1u) << refused.GetText();
            EXPECT_EQ(refused.GetUnwrittenFiles()[0].reason,
                      "neither the project nor its database has a name: set one in Project "
                      "Properties");
            EXPECT_EQ(refused.GetWrittenCount(), 0u);
            EXPECT_EQ(ReadHostFileIfAny(path), earlier);
            // Nothing else is left in the folder, no temporary either.
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scripts), {}),
                      *earlier != '\0' ? 1 : 0);
        }
}

// What Write All writes for one module.
TEST_F(SqlServerScriptTest, ModuleScriptHasItsTablesAndForeignKeysOnly)
{
    {
        SqlScriptWriter writer(sample.Project(), nullptr, report);
        writer.WriteModuleTables(sample.Stock());
        writer.WriteModuleForeignKeys(sample.Stock());
    }
    EXPECT_EQ(ReadHostFile(ScriptPath()), Expected("Stock_Script.sql"));
}

TEST_F(SqlServerScriptTest, ProcedureTextOfEveryFamily)
{
    SqlProcedureWriter writer(sample.Project());
    for (const Module* module : sample.Project().GetModules())
        for (const Procedure* procedure : module->GetProcedures())
            writer.WriteProcedure(*procedure);

    EXPECT_EQ(std::string(writer.GetProcedureText()), Expected("procedures.txt"));
}

// A relation may start at the main table or end at it; either way the other table is joined.
TEST_F(SqlServerScriptTest, RelationJoinsTheTableThatIsNotTheMainTable)
{
    CString ordersName = "orders";
    Table* orders = sample.Base().FindTableByName(ordersName);
    ASSERT_NE(orders, nullptr);
    for (bool mainTableFirst : {false, true})
    {
        Procedure procedure;
        procedure.SetName("PRC_orders_Joined");
        procedure.SetMainTable(orders);
        procedure.SetKind(Procedure::standardKind);
        auto* relation = new Relation;
        relation->SetFirstTable(mainTableFirst ? orders : &sample.Customer());
        relation->SetSecondTable(mainTableFirst ? &sample.Customer() : orders);
        procedure.AddRelation(relation);
        SqlProcedureWriter writer(sample.Project());
        writer.WriteProcedure(procedure);

        const std::string text(writer.GetProcedureText());
        EXPECT_NE(
            text.find("SELECT * FROM [orders]\r\n"
                      "INNER JOIN [customer] ON [customer].[customer_id]=[orders].[bill_to]\r\n"
                      "WHERE [orders].Is_Deleted = 'N'\r\n"),
            std::string::npos)
            << "main table first: " << mainTableFirst << "\n"
            << text;
    }
}

TEST_F(SqlServerScriptTest, TableProcedureFileHoldsTheWrittenProceduresOfTheTable)
{
    std::filesystem::create_directory(folder.Path() / "Scripts");
    SqlProcedureWriter(sample.Project())
        .WriteTableProcedureFile(sample.Base(), sample.Customer(), report);

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadHostFile(folder.Path() / "Scripts" / "customer_procedureCreate.sql"),
              Expected("customer_procedureCreate.sql"));
}

// A procedure text edited by hand and accepted is written as it was kept: whole when it creates
// the procedure itself, a SELECT as the body of the generated frame, each ended by a line "GO"
// when it has none. A text without the hand-edit flag (the editor's last generated text) gives
// way to the generated one, and a procedure not to be written stays out.
TEST_F(SqlServerScriptTest, AProcedureTextEditedByHandIsWrittenAsItWasAccepted)
{
    const struct
    {
        const char* procedure;
        const char* text;
        bool accepted;
    } edits[] = {
        {"PRC_customer_Insert",
         "\n/****** PRC_customer_Insert ******/\r\nCREATE PROCEDURE [PRC_customer_Insert]\r\n"
         "\t@PRC_name_Var varchar(50)\r\nAS\r\nINSERT INTO [customer]([name]) "
         "VALUES(@PRC_name_Var)\r\nGO\r\n",
         true},
        {"PRC_customer_Update", "create\tproc PRC_customer_Update AS\nSELECT 1", true},
        {"PRC_customer_Delete", "the text the editor showed last", false},
        {"PRC_customer_SelectRecord", "SELECT [name], credit FROM [customer] c\n", true},
        {"PRC_customer_SelectLast", "SELECT 1", true},
    };
    for (const auto& edit : edits)
    {
        Procedure* procedure = sample.Base().FindProcedureByName(edit.procedure);
        ASSERT_NE(procedure, nullptr) << edit.procedure;
        procedure->SetProcedureText(edit.text);
        procedure->SetTextFlag(edit.accepted);
    }
    std::filesystem::create_directory(folder.Path() / "Scripts");
    SqlProcedureWriter(sample.Project())
        .WriteTableProcedureFile(sample.Base(), sample.Customer(), report);

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadHostFile(folder.Path() / "Scripts" / "customer_procedureCreate.sql"),
              Expected("customer_procedureCreate_edited.sql"));
}

TEST_F(SqlServerScriptTest, DesignationScriptLeavesTheDatabaseScriptAlone)
{
    std::filesystem::create_directories(folder.Path() / "_system" / "scripts");
    SqlScriptWriter(sample.Project(), nullptr, report).WriteDatabaseScript();
    const std::string databaseScript = ReadHostFile(ScriptPath());

    DesignationScriptWriter(sample.Project(), report).Write();

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadHostFile(folder.Path() / "_system" / "scripts" / "desigInsert.sql"),
              Expected("desigInsert.sql"));
    EXPECT_EQ(ReadHostFile(ScriptPath()), databaseScript);
}
} // namespace
