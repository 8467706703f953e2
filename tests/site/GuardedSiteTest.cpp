#include "database/PgSqlScriptWriter.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/GenerationReport.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/TableFormCreator.h"

#include "tests/model/ModelBuilders.h"
#include "tests/site/GeneratedSite.h"

#include <cstdlib>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{
using namespace served_site;

// A new project "Guard" with the login pages and the table "document" (a title and an uploaded
// scan) with its form and search report. Besides the administrator's role, "editor" has the
// document's menus and "clerk" none; both have the project dashboard.
class GuardProject
{
public:
    GuardProject()
    {
        m_project.InitNewProject();
        m_project.SetProjectName("Guard");
        m_project.SetProjectPath(m_temp.ModelPath());
        LoginPageCreator().Create();
        Module& base = *m_project.GetBaseModule();
        Table* document = NewTable("document", Table::masterKind, {"title", "scan"});
        base.AddTable(document);
        TableFormCreator creator(document, &m_project);
        creator.CreateForm();
        creator.CreateReport();
        for (FieldRep* control : base.GetMasterFormForTable(document, false)->GetFieldReps())
            if (control->GetField()->GetFieldName() == "scan")
                control->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
        DashBoardPage* dashBoard = base.GetDashBoardPages().back();
        if (base.GetDesignations().front()->GetDashBoardPage() == nullptr)
            base.GetDesignations().front()->SetDashBoardPage(dashBoard);
        Designation* editor = AddRole(base, "editor", dashBoard);
        for (const char* menu : {"Document", "Search document"})
            editor->AddMenu(base.FindMenuByName(menu));
        AddRole(base, "clerk", dashBoard);
    }

    ForgeonProject& Project() { return m_project; }
    const std::filesystem::path& Root() const { return m_temp.Path(); }

    // The roles as the SQL Server script writes them and its administrator account, without a
    // password.
    std::string RolesAndAdministrator() const
    {
        std::string sql;
        for (const Designation* role : m_project.GetBaseModule()->GetDesignations())
            sql += "INSERT INTO personnel_role(Is_Deleted,role_name,role_no) VALUES('N','" +
                   std::string(role->GetName().GetString()) + "'," + std::to_string(role->GetId()) +
                   ");\n";
        return sql + "INSERT INTO useraccount(Is_Deleted,username,password,personnel_role_id) "
                     "VALUES('N','admin','',1);\n";
    }

private:
    static Designation* AddRole(Module& module, const char* name, DashBoardPage* dashBoard)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        role->SetDashBoardPage(dashBoard);
        module.Append(role);
        return role;
    }

    TempFolder m_temp{"WeavoGuard"};
    ForgeonProject m_project;
    ScopedOpenProject m_open{&m_project};
};

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The site served on a database built by the project's PostgreSQL script: as the default
// account, the administrator, an editor and a clerk, the browser and a plain HTTP client use the
// pages and replay each attack; every attack must change nothing and run no statement.
TEST(GuardedSite, AttacksChangeNothingAndReachablePagesWork)
{
    ASSERT_FALSE(Environment("WEAVO_PG_ODBC").empty()) << "runs beside with_pg_cluster.sh";
    GuardProject fixture;
    GeneratedSite site(fixture.Project(), fixture.Root());
    site.Write();
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    site.CheckAndCompile(
        {{"util/dbhandler.cs", fs::path(WEAVO_TEST_DATA) / "site" / "PostgresDBHandler.cs"}});
    ASSERT_FALSE(testing::Test::HasFatalFailure());

    fs::create_directories(fixture.Root() / "_system" / "scripts");
    GenerationReport report;
    PgSqlScriptWriter(fixture.Project(), report).Write();
    ASSERT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    const fs::path rows = fixture.Root() / "rows.sql";
    WriteHostFile(rows, fixture.RolesAndAdministrator());
    const std::string psql = "psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -U postgres -p " +
                             Environment("WEAVO_PG_PORT") + " -d " +
                             Environment("WEAVO_PG_DATABASE");
    for (const fs::path& script :
         {fixture.Root() / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql", rows})
    {
        const ToolResult run = RunTool(psql + " -f " + ShellQuoted(script));
        ASSERT_EQ(0, run.exitCode) << run.output;
    }

    const fs::path log = fixture.Root() / "statements.log";
    WriteHostFile(log, "");
    ::setenv("WEAVO_SQL_LOG", log.c_str(), 1);
    const ToolResult served = site.Serve(
        "guarded-site.mjs", {log.string(), (fs::path(ProgramFolder()) / "Guarded").string()});
    EXPECT_EQ(0, served.exitCode) << served.output;
}
} // namespace
