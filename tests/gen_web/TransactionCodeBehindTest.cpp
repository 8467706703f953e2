#include "entities/Transaction.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/PageControls.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/GenerationReport.h"
#include "model/Table.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/GuardProject.h"
#include "tests/gen_web/TransactionProject.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace
{
namespace fs = std::filesystem;

// The markup, code-behind and designer files of both fixture pages equal their expected files
// under tests/data/gen_web/TransactionPages: the handlers with their row walks over inp, id and
// delete + n (with two detail tables each grid's names start with its table's), their values
// arrays, the combo resets and date defaults of Page_Load, the grid blocks (one method per grid
// with two detail tables), handleRecompute whose REFRESHGRID branch draws the grid that the master
// combo refills into its container, a recompute method each for the master and the detail combo
// of one name, the answer of handleDelete, the redirect and upload lines of a page with an upload,
// whose Add page shows a refused save on itself with the posted rows, and the file and class
// names of a page name with a blank. In the markup: the script with
// HandleAction (the grid reset of a master combo that refills a detail combo, the editable combo
// addressed by its client id, the empty blocks of the Update page), HandleGridRecompute,
// ValidateDetailData with the row names and an escaped caption, the field table and one
// container per detail table.
TEST(TransactionCodeBehind, PagesAreWrittenAsExpected)
{
    TransactionProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    for (Transaction* page : {&fixture.Sale(), &fixture.Order()})
    {
        writers.WriteTransactionMarkup(*page);
        writers.WriteTransactionCodeBehind(*page);
    }
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    for (const char* name :
         {"saleAdd.aspx", "saleUpdate.aspx", "order_entryAdd.aspx", "saleAdd.aspx.cs",
          "saleUpdate.aspx.cs", "saleUpdate.aspx.designer.cs", "order_entryAdd.aspx.cs",
          "order_entryUpdate.aspx.cs", "order_entryAdd.aspx.designer.cs"})
        EXPECT_EQ(GoldenBytes(std::string("TransactionPages/") + name),
                  ReadHostFile(fixture.PageFolder() / name))
            << name;
}

// Both pages compile with their designer files, the data classes and the Util classes. Run under
// mono against the recording DBHandler, the handlers save the posted rows up to the first absent
// one, leave out rows ticked for deletion, put a posted value with quotes inside its literal once
// and refuse keys that are not numbers; the Add page with an upload draws the rows of a refused
// save as posted, dates as typed, and the Update page its stored rows' dates in the page's form.
TEST(TransactionCodeBehind, PagesCompileWithDataAndUtilClasses)
{
    TransactionProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    for (Transaction* page : {&fixture.Sale(), &fixture.Order()})
    {
        writers.WriteTransactionCodeBehind(*page);
        writers.WriteTransactionDataClasses(*page);
    }
    writers.WriteDataClass(fixture.Customer());
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;
    std::string sources;
    for (const fs::path& folder : {fixture.PageFolder(), application / "BaseModule" / "CS"})
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            sources += " " + ShellQuoted(entry.path());
    // initializeControls declares its table and handler, and the Update page its value members,
    // also when nothing reads them.
    const ToolResult compile =
        RunTool("mcs -warnaserror -nowarn:219,414 -target:library -out:" +
                ShellQuoted(application / "Pages.dll") + references +
                " -r:" + ShellQuoted(application / "Util" / "Util.dll") + sources);
    ASSERT_EQ(0, compile.exitCode) << compile.output;

    std::string util;
    for (const char* name :
         {"ControlFieldHandler.cs", "UtilHandler.cs", "ReportXMLWriter.cs", "Menus.cs"})
        util += " " + ShellQuoted(application / "Util" / name);
    const fs::path program = application / "TransactionPagesCheck.exe";
    const ToolResult check =
        RunTool("mcs -nowarn:219,414 -out:" + ShellQuoted(program) + references + sources + util +
                " " + ShellQuoted(GoldenPath("RecordingDBHandler.cs")) + " " +
                ShellQuoted(GoldenPath("PostedRequest.cs")) + " " +
                ShellQuoted(GoldenPath("TransactionPagesCheck.cs")));
    ASSERT_EQ(0, check.exitCode) << check.output;
    const ToolResult run = RunTool("mono " + ShellQuoted(program));
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ("all checks passed\n", run.output);
}

// Every master-detail page of the test projects, as their modules list them: the Add page of
// each one with an upload shows a refused save on itself with every grid's posted rows, and
// redirects only a saved one; the Add page of each one without answers in its XML message.
TEST(TransactionCodeBehind, EveryUploadAddPageShowsARefusedSaveWithItsRows)
{
    TransactionProject shop;
    GuardProject guard;
    guard.AddShips(/*laden=*/true);
    guard.AddTypedRecords();
    int uploadPages = 0;
    int otherPages = 0;
    for (const auto& [project, root] :
         {std::pair{&shop.Project(), shop.Root()}, std::pair{&guard.Project(), guard.Root()}})
    {
        GenerationReport report;
        ProjectWriterSet writers(*project, report);
        const std::string name = project->GetProjectName().GetString();
        const fs::path folder = root / name / name / "BaseModule" / "UI";
        for (Transaction* page : project->GetBaseModule()->GetTransactions())
        {
            writers.WriteTransactionCodeBehind(*page);
            const std::string code = ReadHostFile(
                folder / (std::string(GetFormNameStem(*page).GetString()) + "Add.aspx.cs"));
            const bool upload = page->HasFileUploadControl();
            ++(upload ? uploadPages : otherPages);
            EXPECT_EQ(upload,
                      code.find("catch (SaveRefusedException e)\r\n\t\t\t{\r\n\t\t\t\t"
                                "new DBHandler().EndSave();\r\n\t\t\t\tm_messageString = "
                                "e.Message;\r\n\t\t\t\tshowRefusedUpdate();") != std::string::npos)
                << page->GetFormName();
            for (const Table* table : page->GetDetailTables())
                EXPECT_EQ(upload,
                          code.find("fillPostedGridFor" + std::string(table->GetTableName()) +
                                    "(w);") != std::string::npos)
                    << page->GetFormName();
        }
        EXPECT_TRUE(report.IsEmpty()) << report.GetText();
    }
    // order_entry and ship; sale, order and the other sale.
    EXPECT_EQ(2, uploadPages);
    EXPECT_EQ(3, otherPages);
}

// A text area of a detail grid takes the columns and rows set for it, not the width of a text
// box, on the Add page's new row and the Update page's stored rows.
TEST(TransactionCodeBehind, GridTextAreaTakesItsColumns)
{
    TransactionProject fixture;
    for (FieldRep* control : fixture.Sale().GetFieldReps())
        if (control->GetField()->GetFieldName() == "remark" &&
            control->GetField()->GetTable()->GetTableName() == "sale_line")
        {
            control->GetFieldRepData()->SetControlKind(FieldRepData::TextArea);
            control->GetFieldRepData()->SetColumns(66);
            control->GetFieldRepData()->SetRows(3);
        }
    ProjectWriterSet(fixture.Project(), fixture.Report())
        .WriteTransactionCodeBehind(fixture.Sale());
    for (const auto& [file, line] :
         {std::pair{"saleAdd.aspx.cs", "w.WriteTextAreaField(66, 3, val_remark, "},
          std::pair{"saleUpdate.aspx.cs", "w.WriteTextAreaField(66, 3, valueString, idString, "}})
        EXPECT_NE(std::string::npos, ReadHostFile(fixture.PageFolder() / file).find(line)) << file;
}

// A page whose only upload is in a detail grid has the message label in its markup: its
// code-behind declares it and shows there the message that its last save kept.
TEST(TransactionCodeBehind, DetailUploadPageShowsTheKeptMessage)
{
    TransactionProject fixture;
    for (FieldRep* control : fixture.Sale().GetFieldReps())
        if (control->GetField()->GetFieldName() == "remark" &&
            control->GetField()->GetTable()->GetTableName() == "sale_line")
            control->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
    ProjectWriterSet(fixture.Project(), fixture.Report())
        .WriteTransactionCodeBehind(fixture.Sale());
    for (const auto& [file, line] :
         {std::pair{"saleAdd.aspx.cs", "new UtilHandler().KeepPageMessage(this, m_messageString);"},
          std::pair{"saleAdd.aspx.cs", "this.MessageLabel.Text = Server.HtmlEncode(new "
                                       "UtilHandler().TakePageMessage(this));"},
          std::pair{"saleUpdate.aspx.designer.cs", "WebControls.Label MessageLabel;"}})
        EXPECT_NE(std::string::npos, ReadHostFile(fixture.PageFolder() / file).find(line))
            << file << ": " << line;
}

// A page without master table, with a master table without key or with a detail table without
// foreign key to the master table is skipped and listed, and nothing of it is written.
TEST(TransactionCodeBehind, PageWithoutKeysIsSkippedAndListed)
{
    const struct
    {
        const char* name;
        void (*spoil)(Transaction&);
        const char* reason;
    } cases[] = {
        {"no master", [](Transaction& page) { page.RemoveBasicTable(); }, "the page has no table"},
        {"no key",
         [](Transaction& page) { page.GetBasicTable()->GetPrimaryKeyField()->SetKey(false); },
         "the table sale_basic has no key field"},
        {"no link",
         [](Transaction& page)
         { page.GetDetailTableAt(0)->FindFieldByName("sale_id")->SetForeignField(nullptr); },
         "the detail table sale_line has no foreign key to the master table"},
    };
    for (const auto& spoiled : cases)
    {
        TransactionProject fixture;
        spoiled.spoil(fixture.Sale());
        ProjectWriterSet writers(fixture.Project(), fixture.Report());
        AspxObjectWriter(&fixture.Project(), &fixture.Sale(), writers, fixture.Report())
            .WriteTransaction();
        EXPECT_GE(fixture.Report().GetText().Find(spoiled.reason), 0)
            << spoiled.name << ": " << fixture.Report().GetText();
        EXPECT_FALSE(fs::exists(fixture.PageFolder())) << spoiled.name;
    }
}
} // namespace
