#include "gen_web/AspxScriptWriter.h"
#include "gen_web/AspxWriteAll.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/FormMarkupWriter.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageHeaderWriter.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/Identifiers.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include "tests/gen_web/FormPagesProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace
{
namespace fs = std::filesystem;

// Writes the controls in rows and tells the layout: "[" and "]" around a row, a control's name
// for its cells, "_" for an empty pair.
std::string RowPattern(int columns, const std::vector<std::pair<int, bool>>& controls)
{
    GenWebProject fixture;
    Table* table = NewTable("t");
    fixture.Base().AddTable(table);
    Form* form = NewForm("t_form", table);
    fixture.Base().AddMasterForm(form, true);
    std::vector<FieldRep*> reps;
    for (const auto& [kind, separate] : controls)
    {
        const std::string name(1, static_cast<char>('a' + reps.size()));
        FieldRep* rep =
            FormPagesProject::NewControl(AddVarcharField(table, name.c_str()), kind, "c", false);
        rep->GetFieldRepData()->SetSeparateRow(separate);
        form->AddFieldRep(rep);
        reps.push_back(rep);
    }
    TextFile out(false, false, '=', 60);
    FieldRowLayout layout(*form->FindAspFileByType(5), fixture.Project(), out);
    layout.SetColumnCount(columns);
    layout.WriteRows(reps, 0);
    std::string pattern;
    const std::regex piece(R"re(<tr>|</tr>|TDClassEmptyLabel|(id|ID)= ?"(\w)")re");
    const std::string text = out.GetBuffer().str();
    for (auto it = std::sregex_iterator(text.begin(), text.end(), piece);
         it != std::sregex_iterator(); ++it)
    {
        const std::string match = (*it)[0];
        pattern += match == "<tr>"    ? "["
                   : match == "</tr>" ? "]"
                   : (*it)[2].matched ? (*it)[2].str()
                                      : "_";
    }
    return pattern;
}

TEST(FormPages, RowsFollowTheColumnCountAndTheSeparateRowFlag)
{
    constexpr int box = FieldRepData::TextBox;
    constexpr int hidden = FieldRepData::Hidden;
    struct Case
    {
        int columns;
        std::vector<std::pair<int, bool>> controls;
        const char* rows;
    };
    const Case cases[] = {
        {2, {{box, false}, {box, false}, {box, false}}, "[ab][c_]"},
        {2, {{box, false}, {box, true}, {box, false}}, "[a_][b_][c_]"},
        {2, {{box, true}, {box, false}, {box, false}}, "[a_][bc]"},
        {1, {{box, false}, {box, true}, {box, false}}, "[a][b][c]"},
        {2, {{box, false}, {hidden, false}, {box, false}}, "[a][c_]"},
        {0, {{box, false}, {box, false}}, "[a][b]"},
        {2, {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rows, RowPattern(c.columns, c.controls)) << c.rows;
}

// The Add and Update pages of the fixture forms, whole: rows of every control kind in one and
// two columns, links, the header and link bars, ValidateData, HandleAction and resetAllControls.
TEST(FormPages, AddAndUpdatePagesAreWrittenAsExpected)
{
    FormPagesProject shop;
    ProjectWriterSet writers(shop.Project(), shop.Report());
    writers.WriteFormMarkup(shop.Product());
    writers.WriteFormMarkup(shop.Stock());
    ASSERT_TRUE(shop.Report().IsEmpty()) << shop.Report().GetText();
    for (const char* page : {"productAdd.aspx", "productUpdate.aspx", "stock_formUpdate.aspx"})
        EXPECT_EQ(GoldenBytes(std::string("FormPages/") + page),
                  ReadHostFile(shop.PageFolder() / page))
            << page;
}

// Write All writes the pages of every form; node accepts every inline script and event
// attribute, with confirmations on and off, and they call no client function beyond those of
// the support scripts.
TEST(FormPages, EveryScriptPassesNodeAndCallsOnlySupportFunctions)
{
    FormPagesProject shop;
    const fs::path scripts = shop.Root() / "scripts";
    fs::create_directories(scripts);
    PrepareProjectFolder(shop.Project());
    WriteOwnDataSet(shop.ApplicationFolder());
    int count = 0;
    for (const bool confirmations : {true, false})
    {
        shop.Project().SetShowConfirmations(confirmations);
        AspxWriteAll writeAll(&shop.Project());
        ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
        for (const auto& entry : fs::recursive_directory_iterator(shop.ApplicationFolder()))
        {
            const std::string name = entry.path().filename().string();
            if (!name.ends_with("Add.aspx") && !name.ends_with("Update.aspx"))
                continue;
            const std::string script = PageScript(ReadHostFile(entry.path()));
            EXPECT_EQ(std::set<std::string>(), UnknownCalls(script)) << entry.path();
            WriteHostFile(scripts / (std::to_string(count++) + ".js"), script);
        }
    }
    // Add and Update pages of seven forms, one of them in the second module, twice.
    EXPECT_EQ(2 * 7 * 2, count);
    TextFile report(false, false, '=', 60);
    AspxScriptWriter(*shop.Product().FindAspFileByType(5), shop.Project(), report)
        .WriteHandleAction(GetPlacedControls(shop.Product()), 0);
    WriteHostFile(scripts / "report.js", report.GetBuffer().str());
    const ToolResult check = RunTool("cd " + ShellQuoted(scripts.string()) +
                                     " && for f in *.js; do node --check \"$f\" || exit 1; done");
    EXPECT_EQ(0, check.exitCode) << check.output;
}

// The code-behind and designer lines of a page's links: a link without a page is declared but
// gets no visibility line; ids lose the outer blanks and have "_" for inner blanks and hyphens.
// A control is a recompute target when another control's class recompute names it.
TEST(FormPages, LinkLinesOfTheCodeBehindAndRecomputeTargets)
{
    FormPagesProject shop;
    Form& form = shop.Product();
    std::vector<LinkControl*> links = form.GetPreLinkList();
    const std::unique_ptr<LinkControl> noPage(
        FormPagesProject::NewLink(" Go to-list ", nullptr, LinkControl::Left));
    links.push_back(noPage.get());
    TextFile out(false, false, '=', 60);
    PageHeaderWriter header(shop.Project(), form, out);
    header.WriteManageLinkVisibility(links, 2);
    header.WriteLinkDeclarations(links, 2);
    EXPECT_EQ(
        CString("\t\tvoid ManageLinkVisibility()\n"
                "\t\t{\n"
                "\t\t\tASPXMenuWriter writer = new ASPXMenuWriter();\n"
                "\t\t\tthis.Back___to_list.Visible = writer.IsFileAssigned(m_role, "
                "\"customerAdd.aspx\");\n"
                "\n"
                "\t\t\tthis.Owners.Visible = writer.IsFileAssigned(m_role, \"customerAdd.aspx\");\n"
                "\n"
                "\t\t}\n"
                "\t\tprotected global::System.Web.UI.WebControls.HyperLink Back___to_list;\n"
                "\n"
                "\t\tprotected global::System.Web.UI.WebControls.HyperLink Owners;\n"
                "\n"
                "\t\tprotected global::System.Web.UI.WebControls.HyperLink FIND;\n"
                "\n"
                "\t\tprotected global::System.Web.UI.WebControls.HyperLink Go_to_list;\n"
                "\n"),
        out.GetBuffer());

    FieldRep* name = form.GetFieldReps()[0];
    FieldRep* quantity = form.GetFieldReps()[1];
    auto* onBlur = new EventRecmpFields;
    onBlur->SetEventKind(EventRecmpFields::OnBlur);
    onBlur->AddClassRecompute(quantity);
    name->GetFieldRepData()->AddEventRecmpFields(onBlur);
    EXPECT_TRUE(IsRecomputeTarget(form, quantity));
    EXPECT_FALSE(IsRecomputeTarget(form, name));
}

// Names and captions are escaped for the strings they stand in.
TEST(FormPages, LiteralsEscapeForJavaScriptAndHtml)
{
    EXPECT_EQ(CString("Owner\\'s \\\"x\\\" \\\\ \\x3c%= \\n"),
              EscapeJavaScriptString("Owner's \"x\" \\ <%= \n"));
    EXPECT_EQ(CString("plain text"), EscapeJavaScriptString("plain text"));
    EXPECT_EQ(CString("R&amp;D &lt;b&gt; 'q' \"q\""), EscapeHtmlText("R&D <b> 'q' \"q\""));
}

// Without modules the pages are still written, the account links pointing to no module, and a
// radio button without stored values stores its texts.
TEST(FormPages, AProjectWithoutModulesAndARadioWithoutValues)
{
    GenWebProject fixture;
    ForgeonProject& project = fixture.Project();
    ASSERT_TRUE(project.DeleteModuleAt(0));
    auto table = std::unique_ptr<Table>(NewTable("item", Table::masterKind, {"answer"}));
    Form form;
    form.SetName("item_form");
    form.SetTable(table.get());
    form.CreateDefaultAspFiles(1);
    FieldRep* radio = FormPagesProject::NewControl(table->FindFieldByName("answer"),
                                                   FieldRepData::RadioButton, "Answer", true);
    radio->GetFieldRepData()->SetDisplayTexts("Yes, No");
    form.AddFieldRep(radio);
    FormMarkupWriter(&project, form, fixture.Report()).Write();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const std::string page = ReadHostFile(fixture.Root() / "Shop" / "Shop" / "UI" / "itemAdd.aspx");
    EXPECT_NE(std::string::npos, page.find("NavigateUrl=\"../..//UI/Login.aspx\">Logout"));
    EXPECT_NE(std::string::npos, page.find("<asp:ListItem Value=\"No\">No</asp:ListItem>"));
}

// The user-account form checks that the two passwords match only when it has both fields.
TEST(FormPages, AccountFormsCompareThePasswordsOnlyWhenBothAreThere)
{
    for (const bool withConfirmation : {true, false})
    {
        GenWebProject fixture;
        Table* table = NewTable("useraccount", Table::masterKind, {"username", "password"});
        if (withConfirmation)
            AddVarcharField(table, "confirm_password");
        fixture.Base().AddTable(table);
        Form* form = NewForm("useraccount_form", table);
        for (Field* field : table->GetFields())
        {
            if (!field->IsKeyOrDeletedFlag())
                form->AddFieldRep(
                    FormPagesProject::NewControl(field, FieldRepData::TextBox, "x", true));
        }
        fixture.Base().AddMasterForm(form, true);
        FormMarkupWriter(&fixture.Project(), *form, fixture.Report()).Write();
        const std::string page = ReadHostFile(fixture.Root() / "Shop" / "Shop" / "BaseModule" /
                                              "UI" / "useraccountAdd.aspx");
        EXPECT_NE(std::string::npos, page.find("validateString(formName."
                                               "ctl00_KestraneWeavoContent_password,"));
        EXPECT_EQ(withConfirmation,
                  page.find("ctl00_KestraneWeavoContent_password.value != "
                            "formName.ctl00_KestraneWeavoContent_confirm_password.value") !=
                      std::string::npos);
    }
}
} // namespace

namespace
{
// The page's script lines that name a control of the page ("ctl00_KestraneWeavoContent_").
std::set<std::string> ScriptControlNames(const std::string& script)
{
    std::set<std::string> names;
    const std::string prefix = "ctl00_KestraneWeavoContent_";
    for (std::size_t at = script.find(prefix); at != std::string::npos;
         at = script.find(prefix, at + 1))
    {
        std::size_t end = at + prefix.size();
        while (end < script.size() &&
               std::string_view("., ;)=\n'\"").find(script[end]) == std::string_view::npos)
            ++end;
        names.insert(script.substr(at + prefix.size(), end - at - prefix.size()));
    }
    return names;
}
} // namespace

// Fields named with "-" and with characters above ASCII that are no letters, as the table
// designer and a project file take them: every script line of the Add and Update pages names
// each control by the id its markup gives it, and node parses the scripts.
TEST(FormPages, ScriptsNameEachControlByItsIdInTheMarkup)
{
    FormPagesProject shop;
    shop.RenameProductFields();
    ProjectWriterSet writers(shop.Project(), shop.Report());
    writers.WriteFormMarkup(shop.Product());
    ASSERT_TRUE(shop.Report().IsEmpty()) << shop.Report().GetText();
    const fs::path scripts = shop.Root() / "scripts";
    fs::create_directories(scripts);
    for (const char* page : {"productAdd.aspx", "productUpdate.aspx"})
    {
        const std::string markup = ReadHostFile(shop.PageFolder() / page);
        const std::string script = PageScript(markup);
        const std::set<std::string> named = ScriptControlNames(script);
        for (const char* id : {"column_1_x", "made_on", "supplier_id", "p_name", "col_our"})
        {
            EXPECT_TRUE(std::ranges::any_of(named, [&](const std::string& name)
                                            { return name.starts_with(id); }))
                << page << " " << id;
            EXPECT_NE(std::string::npos, markup.find("\"" + std::string(id) + "\"")) << page;
        }
        for (const std::string& name : named)
            EXPECT_TRUE(IsPageIdentifierAsItStands(name.c_str())) << page << " " << name;
        WriteHostFile(scripts / (std::string(page) + ".js"), script);
    }
    const ToolResult check = RunTool("cd " + ShellQuoted(scripts.string()) +
                                     " && for f in *.js; do node --check \"$f\" || exit 1; done");
    EXPECT_EQ(0, check.exitCode) << check.output;
}
