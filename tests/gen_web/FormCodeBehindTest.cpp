#include "gen_web/ProjectWriterSet.h"
#include "model/DefaultNames.h"

#include "tests/gen_web/FormProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
namespace fs = std::filesystem;

// The code-behind and designer files of both fixture forms equal their expected files under
// tests/data/gen_web/FormPages: the handlers with their values arrays, initializeControls,
// fillControls, the recompute answer, the role check from the session and the upload lines.
TEST(FormCodeBehind, PagesAreWrittenAsExpected)
{
    FormProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteFormCodeBehind(fixture.OrdersForm());
    writers.WriteFormCodeBehind(fixture.DocumentForm());
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    for (const char* name :
         {"ordersAdd.aspx.cs", "ordersUpdate.aspx.cs", "ordersUpdate.aspx.designer.cs",
          "documentAdd.aspx.cs", "documentUpdate.aspx.cs", "documentUpdate.aspx.designer.cs"})
        EXPECT_EQ(GoldenBytes(std::string("FormPages/") + name),
                  ReadHostFile(fixture.PageFolder() / name))
            << name;
}

// The password page acts on the user that the session names and deletes nothing; no page reads a
// cookie.
TEST(FormCodeBehind, AccountPageTakesTheUserFromTheSession)
{
    FormProject fixture;
    fixture.OrdersForm().SetName("ChangePassword_form");
    ProjectWriterSet(fixture.Project(), fixture.Report()).WriteFormCodeBehind(fixture.OrdersForm());
    const std::string page = ReadHostFile(fixture.PageFolder() / "ordersUpdate.aspx.cs");
    EXPECT_EQ(std::string::npos, page.find("Cookies"));
    std::size_t readings = 0;
    for (std::size_t at = 0; (at = page.find("Session[\"login_id\"]", at)) != std::string::npos;
         ++at)
        ++readings;
    EXPECT_EQ(2u, readings) << "the record to show and update";
    // It deletes no account.
    const std::size_t remove = page.find("void handleDelete()");
    ASSERT_NE(std::string::npos, remove);
    EXPECT_EQ(std::string::npos, page.find("HandleDelete", remove));
}

// The password page with an upload answers on itself, the one page of its form that every role
// opens, and asks the form only for the fields that it posts: the file comes in the request's
// files.
TEST(FormCodeBehind, AccountPageWithAnUploadAnswersOnItself)
{
    FormProject fixture;
    fixture.DocumentForm().SetName("ChangePassword_form");
    ProjectWriterSet(fixture.Project(), fixture.Report())
        .WriteFormCodeBehind(fixture.DocumentForm());
    const std::string page = ReadHostFile(fixture.PageFolder() / "documentUpdate.aspx.cs");
    EXPECT_EQ(std::string::npos, page.find("Add.aspx"));
    EXPECT_NE(std::string::npos, page.find("this.Request.Form[\"title\"] == null"));
    EXPECT_EQ(std::string::npos, page.find("this.Request.Form[\"scan\"]"));
    for (const char* reply : {"handleUpdate", "handleDelete"})
    {
        const std::size_t handler = page.find(std::string("void ") + reply + "()");
        ASSERT_NE(std::string::npos, handler) << reply;
        EXPECT_NE(std::string::npos,
                  page.find("Response.Redirect(\"documentUpdate.aspx\");", handler))
            << reply;
    }
}

// A form of the account table saves in one transaction: its new upload is held by the record
// written in it and kept only once the save commits, on the Add and the Update page.
TEST(FormCodeBehind, AccountUploadStaysOnlyOnceTheSaveCommits)
{
    FormProject fixture;
    fixture.DocumentForm().GetTable()->SetTableName(userAccountTableName);
    ProjectWriterSet(fixture.Project(), fixture.Report())
        .WriteFormCodeBehind(fixture.DocumentForm());
    for (const char* name : {"useraccountAdd.aspx.cs", "useraccountUpdate.aspx.cs"})
    {
        const std::string page = ReadHostFile(fixture.PageFolder() / name);
        const std::size_t held = page.find("new UtilHandler().HoldSavedUploads();");
        const std::size_t commit = page.find("new DBHandler().CommitSave();\r\n");
        EXPECT_LT(held, commit) << name;
        EXPECT_EQ(commit, page.find("new DBHandler().CommitSave();\r\n\t\t\t\tnew "
                                    "UtilHandler().KeepHeldUploads();"))
            << name;
        EXPECT_EQ(std::string::npos, page.find("KeepSavedUploads")) << name;
    }
}

// The pages compile with their designer files, the data classes and the Util classes. Run under
// mono against the recording DBHandler, the handlers put posted values with quotes inside their
// literals once and refuse keys that are not numbers; a first request fills the record of a
// numeric key only, and a role cookie without the role in the session leads to the login page.
// The Util class refuses uploads the server could run; the upload folder of the support tree
// runs nothing.
TEST(FormCodeBehind, PagesCompileAndBuildSafeSqlUnderMono)
{
    FormProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    for (Form* form : {&fixture.OrdersForm(), &fixture.DocumentForm()})
    {
        writers.WriteFormCodeBehind(*form);
        writers.WriteDataClass(*form->GetTable());
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
    const fs::path program = application / "FormPagesCheck.exe";
    const ToolResult check = RunTool("mcs -out:" + ShellQuoted(program) + references + sources +
                                     util + " " + ShellQuoted(GoldenPath("RecordingDBHandler.cs")) +
                                     " " + ShellQuoted(GoldenPath("PostedRequest.cs")) + " " +
                                     ShellQuoted(GoldenPath("FormPagesCheck.cs")));
    ASSERT_EQ(0, check.exitCode) << check.output;
    const ToolResult run = RunTool("mono " + ShellQuoted(program));
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ("all checks passed\n", run.output);

    const fs::path uploadConfig = fs::path(WEAVO_TEST_DATA).parent_path().parent_path() /
                                  "support" / "KestraneWeavoFiles" / "uploadedData" / "web.config";
    const ToolResult parse = RunTool("xmllint --xpath 'count(//httpHandlers/clear)' " +
                                     ShellQuoted(uploadConfig.string()));
    EXPECT_EQ("1", parse.output.substr(0, parse.output.find('\n')));
}
} // namespace
