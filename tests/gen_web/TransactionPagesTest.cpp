#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectWriterSet.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/gen_web/TransactionProject.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace
{
namespace fs = std::filesystem;

// Write All writes the markup of both master-detail pages; node accepts every inline script and
// event attribute of them, with confirmations on and off, and they call no client function
// beyond those of the support scripts.
TEST(TransactionPages, WriteAllWritesScriptsThatPassNode)
{
    TransactionProject fixture;
    const fs::path scripts = fixture.Root() / "scripts";
    fs::create_directories(scripts);
    PrepareProjectFolder(fixture.Project());
    int count = 0;
    for (const bool confirmations : {true, false})
    {
        fixture.Project().SetShowConfirmations(confirmations);
        AspxWriteAll writeAll(&fixture.Project());
        ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
        for (const char* name :
             {"saleAdd.aspx", "saleUpdate.aspx", "order_entryAdd.aspx", "order_entryUpdate.aspx"})
        {
            const fs::path page = fixture.PageFolder() / name;
            ASSERT_TRUE(fs::exists(page)) << name;
            const std::string script = PageScript(ReadHostFile(page));
            EXPECT_EQ(std::set<std::string>(), UnknownCalls(script)) << name;
            WriteHostFile(scripts / (std::to_string(count++) + ".js"), script);
        }
    }
    const ToolResult check = RunTool("cd " + ShellQuoted(scripts.string()) +
                                     " && for f in *.js; do node --check \"$f\" || exit 1; done");
    EXPECT_EQ(0, check.exitCode) << check.output;
}

// Each page's file, the code-behind file its directive names and the class it inherits share one
// name, also for a page name with outer and doubled inner blanks; it is the name the page's files
// are known by elsewhere (links, menus).
TEST(TransactionPages, MarkupCodeBehindAndClassShareOneName)
{
    TransactionProject fixture;
    fixture.Order().SetName(" order  entry ");
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteTransactionMarkup(fixture.Order());
    writers.WriteTransactionCodeBehind(fixture.Order());
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const std::regex directive(R"re(CodeBehind="([^"]+)" Inherits="Shop\.(\w+)")re");
    for (const int kind : {1, 3})
    {
        const std::string file =
            fixture.Order().FindAspFileByType(kind)->GetFileName(FALSE).GetString();
        EXPECT_EQ(kind == 1 ? "order__entryAdd.aspx" : "order__entryUpdate.aspx", file);
        const std::string page = ReadHostFile(fixture.PageFolder() / file);
        std::smatch match;
        ASSERT_TRUE(std::regex_search(page, match, directive)) << file;
        EXPECT_EQ(file + ".cs", match[1].str());
        const std::string codeBehind = ReadHostFile(fixture.PageFolder() / match[1].str());
        EXPECT_NE(std::string::npos,
                  codeBehind.find("public partial class " + match[2].str() + " : "))
            << file;
        EXPECT_NE(std::string::npos, ReadHostFile(fixture.PageFolder() / (file + ".designer.cs"))
                                         .find("public partial class " + match[2].str() + "\r\n"))
            << file;
    }
}

// A page without master key is not written: neither its markup nor its code-behind.
TEST(TransactionPages, APageThatCannotBeWrittenHasNoMarkup)
{
    TransactionProject fixture;
    fixture.Sale().GetBasicTable()->GetPrimaryKeyField()->SetKey(false);
    ProjectWriterSet(fixture.Project(), fixture.Report()).WriteTransactionMarkup(fixture.Sale());
    EXPECT_FALSE(fs::exists(fixture.PageFolder() / "saleAdd.aspx"));
    EXPECT_FALSE(fs::exists(fixture.PageFolder() / "saleUpdate.aspx"));
}
// With two detail tables a grid's recompute passes its row's own inputs, the page answers it
// under the grid's names, and the checks read the row under them; a grid without recompute in
// the other table is not touched.
TEST(TransactionPages, GridRecomputesOfTwoGridsUseTheGridsNames)
{
    TransactionProject fixture;
    std::vector<FieldRep*> lines;
    fixture.Order().GetFieldRepsOfTable(fixture.Order().GetDetailTableAt(0), lines);
    auto* onClick = new EventRecmpFields;
    onClick->SetEventKind(EventRecmpFields::OnClick);
    onClick->AddClassRecompute(lines[1]);
    lines[0]->GetFieldRepData()->AddEventRecmpFields(onClick);
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteTransactionMarkup(fixture.Order());
    writers.WriteTransactionCodeBehind(fixture.Order());
    const std::string page = ReadHostFile(fixture.PageFolder() / "order_entryAdd.aspx");
    EXPECT_NE(std::string::npos, page.find("if(formAction == 'RECOMPUTEONPACKED')\r\n"));
    EXPECT_NE(std::string::npos,
              page.find("var control = document.getElementById('order_line_item' + row);\r\n"
                        "\t\t\t\t\t\t\t\tFillControlFromFunction(doc,'item', control);"));
    const std::string code = ReadHostFile(fixture.PageFolder() / "order_entryUpdate.aspx.cs");
    EXPECT_NE(std::string::npos, code.find("\"HandleGridRecompute(\\\"RECOMPUTEONPACKED\\\", "
                                           "order_line_packed__ROW__, order_line_inp__ROW__);\""));
    EXPECT_NE(std::string::npos,
              code.find("\"HandleGridRecompute(\\\"RECOMPUTEONPACKED\\\",\" + idString + \",\" + "
                        "inpString + \");\""));
    EXPECT_EQ(std::string::npos, code.find("order_payment_paid__ROW__, "));
}

// A master-detail page without detail tables has no grid container and checks no rows; a page
// file of another kind than Add or Update gets no markup.
TEST(TransactionPages, APageWithoutDetailTablesAndAPageFileOfAnotherKind)
{
    TransactionProject fixture;
    auto* page = new Transaction;
    page->SetName("customers");
    page->SetBasicTable(&fixture.Customer());
    for (int kind : {1, 2, 3})
    {
        auto* file = new AspxFile;
        file->SetOwnerKind(AspFile::transactionOwner);
        file->SetFileKind(kind);
        file->SetOwnerPage(page);
        page->AddAspFile(file);
    }
    fixture.Base().AddTransaction(page, false);
    ProjectWriterSet(fixture.Project(), fixture.Report()).WriteTransactionMarkup(*page);
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(fixture.PageFolder()))
    {
        ++pages;
        const std::string markup = ReadHostFile(entry.path());
        EXPECT_EQ(std::string::npos, markup.find("Div\" runat=\"server\">")) << entry.path();
        EXPECT_NE(std::string::npos, markup.find("function ValidateDetailData()\r\n\t\t{\r\n"
                                                 "\t\t\treturn true;\r\n\t\t}"))
            << entry.path();
    }
    EXPECT_EQ(2, pages);
}
} // namespace
