#include "gen_classic/LoginWriter.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/BaseWriter.h"
#include "gen_classic/PageWriteInfo.h"
#include "gen_web/TemplatePageWriter.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/ProjectSettings.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

// The default login page of BaseModule calling PRC_Login over useraccount, which compares
// the user name and the password the page passes it; the roles and their dashboards are added
// by the tests.
class LoginFixture
{
public:
    explicit LoginFixture(bool withCall = true)
    {
        m_fixture.Base().SetLoginPage(m_page);
        m_page->CreateDefaultControls();
        m_page->CreateLoginAspFile(0);
        m_employee->Set("Employee_Id", "Employee", FieldTypeInt, 4, 0, nullptr, "", false, false,
                        false, false, false);
        m_role->Set("Desig_Id", "Role", FieldTypeInt, 4, 0, nullptr, "", false, false, false, false,
                    false);
        m_page->SetUserNameField(m_employee.get());
        m_page->SetDesignationField(m_role.get());
        if (!withCall)
            return;
        m_procedure->SetName("PRC_Login");
        m_procedure->SetMainTable(m_accounts.get());
        auto* call = new ProcedureInvokation;
        call->SetProcedure(m_procedure.get());
        for (const char* name : {"username", "password"})
        {
            Field* field = m_accounts->FindFieldByName(name);
            m_procedure->AddFieldFilter(field);
            FieldVariableMap parameter;
            m_procedure->FindFieldParameterByField(field, parameter);
            const FieldVariableMap* value =
                m_page->GetFieldVariableMapAt(static_cast<int>(call->GetVariablePairs().size()));
            call->AddVariablePair(new VariablePair{parameter.variable, value->variable});
        }
        m_page->SetLoginCall(call);
    }

    LoginPage& Page() { return *m_page; }
    Procedure& LoginProcedure() { return *m_procedure; }
    Table& Accounts() { return *m_accounts; }

    // A role of the module with the id, and a dashboard page of its own when named.
    void AddRole(int id, const char* dashboard)
    {
        Designation::SetIdCounter(id - 1);
        auto* role = new Designation(TRUE);
        role->SetName("Role" + std::to_string(id));
        m_fixture.Base().Append(role);
        if (dashboard == nullptr)
            return;
        auto* page = NewPage<DashBoardPage>(dashboard);
        m_fixture.Base().Append(page);
        page->CreateAspFile(0, AspFile::dashBoardPageOwner);
        role->SetDashBoardPage(page);
    }

    void Write(const CString& templatePath = ProjectSettings::GetClassicTemplatePath())
    {
        CString path = templatePath;
        path.Replace("Template.asp", "LoginTemplate.asp");
        LoginWriter(m_fixture.Project().GetProjectPath() + "Login/", File(), path, m_page, false,
                    &m_fixture.Base(), m_fixture.Report())
            .Write();
    }

    AspFile* File() { return m_page->GetAspFileAt(0); }
    std::filesystem::path PagePath(const char* name) const
    {
        return m_fixture.Root() / "Login" / name;
    }
    std::string Read(const char* name) const
    {
        std::string text = ReadHostFile(PagePath(name));
        std::erase(text, '\r');
        return text;
    }
    GenWebProject& Project() { return m_fixture; }

private:
    GenWebProject m_fixture;
    LoginPage* m_page = new LoginPage;
    std::unique_ptr<Field> m_employee = std::make_unique<Field>();
    std::unique_ptr<Field> m_role = std::make_unique<Field>();
    std::unique_ptr<Table> m_accounts{
        NewTable("useraccount", Table::masterKind, {"username", "password"})};
    std::unique_ptr<Procedure> m_procedure = std::make_unique<Procedure>();
};

// Records the order of the page-data steps.
class StepRecorder : public BaseWriter
{
public:
    StepRecorder(const CString& templatePath, bool noTemplate, GenerationReport& report)
        : BaseWriter("", nullptr, templatePath, noTemplate, report)
    {
    }

    void Write() override {}
    void Build() { BuildPageData(); }
    bool Load() { return LoadTemplate(); }
    const PageWriteInfo& Current() const { return *m_current; }

    std::string steps;

protected:
    void PageDataStepA() override { steps += "A "; }
    void FillListA() override { steps += "listA "; }
    void FillListB() override { steps += "listB "; }
    void PageDataStepB() override { steps += "B "; }
    void PageDataStepC() override { steps += "C "; }
    void PageDataStepD() override { steps += "D "; }
    void PageDataStepE() override { steps += "E "; }
    void SetPageCaption() override { steps += "caption "; }
    void SetLayoutGrid() override { steps += "grid "; }
    void PageDataStepF() override { steps += "F "; }
    void PageDataStepG() override { steps += "G "; }
    void SetOwningPage() override { steps += "page"; }
};

} // namespace

TEST(LoginWriterTest, ThePagesMatchTheExpectedFilesForRolesWithAndWithoutDashboards)
{
    struct Case
    {
        const char* golden;
        std::vector<std::pair<int, const char*>> roles;
        bool withCall;
    };
    const std::vector<Case> cases = {
        {"login/Login_action_roles.asp", {{1, "Home"}, {2, nullptr}, {3, "Sales Board"}}, true},
        {"login/Login_action_no_roles.asp", {}, true},
        {"login/Login_action_no_call.asp", {{1, nullptr}}, false},
    };
    for (const Case& c : cases)
    {
        LoginFixture login(c.withCall);
        for (const auto& [id, dashboard] : c.roles)
            login.AddRole(id, dashboard);
        login.Write();
        ASSERT_TRUE(login.Project().Report().IsEmpty()) << login.Project().Report().GetText().str();
        ExpectGolden(c.golden, login.Read("Login_action.asp"));
        ExpectGolden("login/Logout.asp", login.Read("Logout.asp"));
    }
}

// A login call that cannot tell one user from another lets nobody in, and Write All names it.
TEST(LoginWriterTest, ALoginCallThatChecksNoUserLetsNoneInAndIsReported)
{
    const struct
    {
        const char* fault;
        std::function<void(LoginFixture&)> change;
    } cases[] = {
        // A procedure made in the procedure editor: parameters, but no conditions.
        {"the login procedure PRC_Login does not compare the user name",
         [](LoginFixture& login)
         {
             while (!login.LoginProcedure().GetFilters().empty())
                 login.LoginProcedure().DeleteFieldFilter(login.LoginProcedure().GetFilters()[0]);
         }},
        {"the login procedure PRC_Login does not compare the password",
         [](LoginFixture& login) { login.LoginProcedure().GetFilters()[1]->SetComparisonKind(3); }},
        {"the login procedure PRC_Login does not compare the user name",
         [](LoginFixture& login) { login.LoginProcedure().SetMainTable(nullptr); }},
        {"the login procedure PRC_Login does not compare the password",
         [](LoginFixture& login)
         {
             login.Page().GetLoginCall()->ClearVariablePairOf(
                 login.LoginProcedure().GetFilters()[1]->GetVariable());
         }},
        {"the login procedure PRC_useraccount_Delete does not compare the user name",
         [](LoginFixture& login)
         {
             login.LoginProcedure().SetName("PRC_useraccount_Delete");
             login.LoginProcedure().SetKind(Procedure::standardKind);
         }},
        {"the login call names no procedure",
         [](LoginFixture& login) { login.Page().GetLoginCall()->SetProcedure(nullptr); }},
        {"the login page has no employee field",
         [](LoginFixture& login) { login.Page().SetUserNameField(nullptr); }},
        {"the login page has no designation field",
         [](LoginFixture& login) { login.Page().SetDesignationField(nullptr); }},
    };
    for (const auto& c : cases)
    {
        LoginFixture login;
        login.AddRole(1, nullptr);
        c.change(login);
        login.Write();
        EXPECT_EQ(login.Project().Report().GetText(),
                  CString("These pages were skipped:\nLogin Page (Login_action.asp) (it lets no "
                          "user in: ") +
                      c.fault + ")");
        const std::string page = login.Read("Login_action.asp");
        EXPECT_NE(page.find("\t' No user is let in: " + std::string(c.fault) +
                            "\n"
                            "\tsInfo = \"Login Failed : Invalid Username or Password.\"\n"
                            "\tredir = \"../Login/Login.asp?\" & redirString & \"&strInfo=\" & "
                            "Server.URLEncode(sInfo & \"\")\nEnd Function\n"),
                  std::string::npos)
            << page;
        EXPECT_EQ(page.find("strQry ="), std::string::npos) << c.fault;
        EXPECT_EQ(page.find("rsQry("), std::string::npos) << c.fault;
    }
    LoginFixture login;
    login.AddRole(1, nullptr);
    login.LoginProcedure().GetFilters()[0]->SetComparisonKind(3);
    login.Write();
    std::filesystem::copy(ClassicData("_system"), login.Project().Root() / "_system",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ("", Joined(CheckPageFile(login.PagePath("Login_action.asp"))));
}

TEST(LoginWriterTest, TheFormIsTheTemplateAndEveryPagePassesThePageCheckAndNode)
{
    LoginFixture login;
    login.AddRole(1, "Home");
    login.Write();
    std::string expected = ReadHostFile(std::filesystem::path(ProgramFolder()) /
                                        "_system/Templates/LoginTemplate.asp");
    std::erase(expected, '\r');
    EXPECT_EQ(login.Read("Login.asp"), expected + "\n");
    std::filesystem::copy(ClassicData("_system"), login.Project().Root() / "_system",
                          std::filesystem::copy_options::recursive);
    for (const char* name : {"Login.asp", "Login_action.asp", "Logout.asp"})
        EXPECT_EQ("", Joined(CheckPageFile(login.PagePath(name)))) << name;
    const std::vector<std::string> scripts = PageScripts(login.Read("Login.asp"));
    ASSERT_EQ(scripts.size(), 1u);
    ExpectNodeAccepts(scripts, login.Project().Root());
}

TEST(LoginWriterTest, ThePageFileKeepsItsKindAndAMissingTemplateSkipsThePages)
{
    for (const int kind : {0, 7})
    {
        LoginFixture login;
        login.File()->SetFileKind(kind);
        login.Write();
        EXPECT_EQ(login.File()->GetFileKind(), kind);
    }
    LoginFixture login;
    login.Write("/no/such/folder/Template.asp");
    ASSERT_EQ(login.Project().Report().GetSkippedPages().size(), 1u);
    EXPECT_NE(login.Project().Report().GetText().Find("LoginTemplate.asp"), -1);
    EXPECT_FALSE(std::filesystem::exists(login.PagePath("Login_action.asp")));
}

TEST(BaseWriterTest, BuildsThePageDataInItsOrderAndReadsTemplatesLineByLine)
{
    GenerationReport report;
    StepRecorder builder("", false, report);
    builder.Build();
    EXPECT_EQ(builder.steps, "A listA listB B C D E caption grid F G page");
    EXPECT_TRUE(builder.Current().listA.empty());
    EXPECT_EQ(builder.Current().caption, "");

    GenWebProject project;
    const struct
    {
        const char* text;
        const char* expected;
    } templates[] = {
        {"first\r\nsecond\r\n", "first\nsecond\n\n"},
        {"first\nsecond", "first\nsecond\n\n"},
        {"", "\n"},
    };
    for (const auto& t : templates)
    {
        WriteHostFile(project.Root() / "t.asp", t.text);
        StepRecorder reader(project.Temp().ModelPath("t.asp"), false, report);
        EXPECT_TRUE(reader.Load());
        EXPECT_EQ(reader.GetTemplateText(), t.expected) << t.text;
    }
    StepRecorder skipped(project.Temp().ModelPath("t.asp"), true, report);
    EXPECT_TRUE(skipped.Load());
    EXPECT_EQ(skipped.GetTemplateText(), "");
    EXPECT_TRUE(report.IsEmpty());
}

// The classic templates of the program folder, whatever the page-template setting: their
// server script balances, their scripts pass node, and each has its insertion markers.
TEST(ClassicTemplatesTest, TheProgramsClassicTemplatesAreReadAndPassTheChecks)
{
    GenWebProject project;
    project.Project().GetProjectSettings()->SetPageTemplate(4);
    TemplatePageWriter writer(&project.Project(), project.Report());
    const struct
    {
        bool (TemplatePageWriter::*load)();
        std::size_t markers;
    } templates[] = {{&TemplatePageWriter::LoadClassicTemplate, 4},
                     {&TemplatePageWriter::LoadFrameTemplate, 4}};
    for (const auto& t : templates)
    {
        ASSERT_TRUE((writer.*t.load)());
        const std::string page = writer.GetPageText().str();
        std::size_t markers = 0;
        for (std::size_t at = page.find("**Include"); at != std::string::npos;
             at = page.find("**Include", at + 1))
            ++markers;
        EXPECT_EQ(markers, t.markers);
        EXPECT_EQ("", Joined(ScriptProblems(page)));
        ExpectNodeAccepts(PageScripts(page), project.Root());
    }
    std::string login = ReadHostFile(std::filesystem::path(ProgramFolder()) /
                                     "_system/Templates/LoginTemplate.asp");
    EXPECT_EQ("", Joined(ScriptProblems(login)));
    EXPECT_NE(login.find("action = \"Login_action.asp\""), std::string::npos);
}
