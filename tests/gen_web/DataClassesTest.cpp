#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectWriterSet.h"
#include "platform/core/MessageBox.h"

#include "tests/gen_web/DataClassProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Each written file of the class folder equals its expected file under
// tests/data/gen_web/DataClasses.
void ExpectClassFiles(const DataClassProject& fixture, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        EXPECT_EQ(GoldenBytes("DataClasses/" + name), ReadHostFile(fixture.ClassFolder() / name))
            << name;
}

// The per-table classes of a master table with two foreign keys (a required one joined with
// INNER JOIN as tbl0, a nullable one with LEFT OUTER JOIN as tbl1, SelectRecordFor each and
// SelectRecordForMultiParam) and of a table whose class has no functions yet (SELECT *).
TEST(DataClasses, MasterTableClassesAreWrittenAsExpected)
{
    DataClassProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteDataClass(fixture.Orders());
    writers.WriteDataClass(fixture.Customer());
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectClassFiles(fixture, {"orders.cs", "orders_partial.cs", "customer.cs"});
}

// A master-detail page writes the basic table's class and partial file, then the detail
// classes, then their partial files; a path it cannot write is reported, in that order.
TEST(DataClasses, TransactionClassesAreWrittenAsExpectedInOrder)
{
    DataClassProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteTransactionDataClasses(fixture.Sale());
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectClassFiles(fixture, {"sale_basic.cs", "sale_detail.cs", "sale_payment_detail.cs"});

    DataClassProject blocked;
    WriteHostFile(blocked.ClassFolder(), "not a folder");
    ProjectWriterSet(blocked.Project(), blocked.Report())
        .WriteTransactionDataClasses(blocked.Sale());
    std::vector<std::string> unwritten;
    for (const GenerationReport::Entry& entry : blocked.Report().GetUnwrittenFiles())
        unwritten.push_back(fs::path(ToHostPath(entry.name)).filename().string());
    EXPECT_EQ((std::vector<std::string>{"sale_basic.cs", "sale_basic_partial.cs", "sale_detail.cs",
                                        "sale_payment_detail.cs", "sale_detail_partial.cs",
                                        "sale_payment_detail_partial.cs"}),
              unwritten);
}

// The account class hashes the password with the account's id after the insert and keeps the
// stored one when no new password is posted; its partial file checks the user name and the
// current password; the role class only lists its rows.
TEST(DataClasses, LoginTableClassesAreWrittenAsExpected)
{
    DataClassProject fixture;
    ProjectWriterSet(fixture.Project(), fixture.Report()).WriteLoginDataClasses();
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectClassFiles(fixture, {"useraccount.cs", "useraccount_partial.cs", "personnel_role.cs",
                               "personnel_role_partial.cs"});
}

// A second Write All rewrites the class file and leaves a partial file, edited by the
// developer, as it is, byte for byte.
TEST(DataClasses, SecondWriteAllKeepsThePartialFile)
{
    DataClassProject fixture;
    fixture.Base().AddMasterForm(NewForm("orders_form", &fixture.Orders()), false);
    const MessageBoxHandler previous =
        SetMessageBoxHandler([](const std::string&, UINT, UINT) { return IDOK; });
    AspxWriteAll(&fixture.Project()).Run(nullptr);
    const fs::path partial = fixture.ClassFolder() / "orders_partial.cs";
    const fs::path classFile = fixture.ClassFolder() / "orders.cs";
    const std::string edited = ReadHostFile(partial) + "// mine\r\n\xff";
    WriteHostFile(partial, edited);
    WriteHostFile(classFile, "stale");
    AspxWriteAll(&fixture.Project()).Run(nullptr);
    SetMessageBoxHandler(previous);
    EXPECT_EQ(edited, ReadHostFile(partial));
    EXPECT_EQ(GoldenBytes("DataClasses/orders.cs"), ReadHostFile(classFile));
}

// The code-behind writers look the tables' classes up and make none: the pages of a form and
// of a master-detail page over tables without a class leave the model as it was.
TEST(DataClasses, CodeBehindOfTablesWithoutClassMakesNoClass)
{
    DataClassProject fixture;
    Form* form = NewForm("customer_form", &fixture.Customer());
    fixture.Base().AddMasterForm(form, false);
    const std::size_t classes = fixture.Base().GetClasses().size();
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteFormCodeBehind(*form);
    writers.WriteTransactionCodeBehind(fixture.Note());
    EXPECT_EQ(classes, fixture.Base().GetClasses().size());
}

// The data classes of every fixture table compile with the Util classes without a warning.
// Run under mono against a DBHandler that records the statements, they put a value holding
// "'; DROP TABLE x; --" inside its literal, refuse keys and numbers that are not numbers, and
// hash an account's password with its id.
TEST(DataClasses, CompileAndBuildSafeSqlUnderMono)
{
    DataClassProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    writers.WriteDataClass(fixture.Customer());
    writers.WriteDataClass(fixture.Orders());
    writers.WriteTransactionDataClasses(fixture.Sale());
    writers.WriteTransactionDataClasses(fixture.Note());
    writers.WriteLoginDataClasses();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;

    std::string classes;
    for (const fs::directory_entry& entry : fs::directory_iterator(fixture.ClassFolder()))
        classes += " " + ShellQuoted(entry.path());
    const ToolResult compile = RunTool(
        "mcs -warnaserror -target:library -out:" + ShellQuoted(application / "DataClasses.dll") +
        references + " -r:" + ShellQuoted(application / "Util" / "Util.dll") + classes);
    ASSERT_EQ(0, compile.exitCode) << compile.output;

    const fs::path program = application / "DataClassesCheck.exe";
    const ToolResult check = RunTool("mcs -out:" + ShellQuoted(program) + references + classes +
                                     " " + ShellQuoted(application / "Util" / "UtilHandler.cs") +
                                     " " + ShellQuoted(application / "Util" / "Menus.cs") + " " +
                                     ShellQuoted(GoldenPath("RecordingDBHandler.cs")) + " " +
                                     ShellQuoted(GoldenPath("DataClassesCheck.cs")));
    ASSERT_EQ(0, check.exitCode) << check.output;
    const ToolResult run = RunTool("mono " + ShellQuoted(program));
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ("all checks passed\n", run.output);
}
} // namespace
