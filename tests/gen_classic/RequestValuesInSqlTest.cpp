// The values a request brings reach the SQL text of the classic pages only escaped or checked as
// numbers: a scan over every page that Write All writes for the classic application.
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/ProcedureCallText.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "tests/gen_classic/ClassicApplication.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/gen_classic/SqlValueScan.h"
#include "tests/gen_classic/WrittenPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
using sql_value_scan::ServerStatements;
using sql_value_scan::UncheckedSqlValues;

// The scan finds a request value that stands bare in SQL, however the statement is laid out,
// and passes one that is escaped or checked.
TEST(RequestValuesInSqlTest, TheScanFindsEveryUncheckedValue)
{
    struct Case
    {
        const char* page;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {"<%\nid = Trim(Request(\"id\"))\nstrQry = \"PRC_x \" & id\n%>",
         {"id: strQry = \"PRC_x \" & id"}},
        {"<%\nid = Trim(Request(\"id\"))\nif not (isNumeric(id) and InStr(id, \",\") = 0) then id "
         "= 0\n"
         "strQry = \"PRC_x \" & id\n%>",
         {}},
        {"<%\nID = Request.QueryString(\"id\")\nstrQry = \"PRC_x \" & _\n\t\" \" &(id) &\"\"\n%>",
         {"id: strQry = \"PRC_x \" &  \" \" &(id) &\"\""}},
        {"<%\nname = Trim(Request(\"name\"))\n"
         "strQry = \"PRC_x '\" & SingleQuoteToDouble(ConvertDate(name)) & \"'\"\n%>",
         {}},
        {"<%\nname = Trim(Request(\"name\"))\nstrQry = \"PRC_x '\" & Trim(name) & \"'\"\n%>",
         {"name: strQry = \"PRC_x '\" & Trim(name) & \"'\""}},
        {"<%\nn = Trim(Request(\"n\"))\nif n <> \"\" and not (isNumeric(n) and InStr(n, \",\") = "
         "0) then n = \"NULL\"\n"
         "strList = \"PRC_x \" & n\n%>",
         {}},
        {"<%\nn = Trim(Request(\"n\"))\nif n <> \"\" and not (isNumeric(n) and InStr(n, \",\") = "
         "0) then n = \"NULL\"\n"
         "strParam = strParam & n & \",\"\n%>",
         {}},
        {"<%\nn = Trim(Request(\"n\"))\nx = 1\nstrParam = strParam & n & \",\"\n%>",
         {"n: strParam = strParam & n & \",\""}},
        {"<%\nn = Request.Cookies(\"n\")\nStrQryDashBoard = \"PRC_x \" & n\n%>",
         {"n: StrQryDashBoard = \"PRC_x \" & n"}},
        {"<%= n %><%\nstrQry = \"PRC_x \" & n\n%>", {}},
        {"<%\nk = Trim(Request(\"k\"))\nrs.Open \"PRC_x \" &k, glb_con,1,2\n%>",
         {"k: rs.Open \"PRC_x \" &k, glb_con,1,2"}},
        {"<%\nk = Trim(Request(\"k\"))\nif not (isNumeric(k) and InStr(k, \",\") = 0) then k = 0\n"
         "rs.Open \"PRC_x \" &k, glb_con,1,2\n%>",
         {}},
        {"<%\nk = Trim(Request(\"k\"))\nglb_con.Execute(\"PRC_x \" & k)\n%>",
         {"k: glb_con.Execute(\"PRC_x \" & k)"}},
        // isNumeric alone takes "1,2".
        {"<%\nk = Trim(Request(\"k\"))\nif not isNumeric(k) then k = 0\nstrQry = \"PRC_x \" & "
         "k\n%>",
         {"k: strQry = \"PRC_x \" & k"}},
    };
    for (const Case& each : cases)
        EXPECT_EQ(each.found, UncheckedSqlValues(each.page)) << each.page;
}

// For every field type, with and without null: a value read from the request that an action's
// query text puts bare is checked as a number after its read, and one it does not put bare is
// escaped; no type is both or neither.
TEST(RequestValuesInSqlTest, EveryFieldTypeIsEscapedOrCheckedWhereItReachesTheQueryText)
{
    for (int type = FieldTypeInt; type <= FieldTypeBigInt; ++type)
        for (const bool allowNull : {false, true})
        {
            Field field;
            field.SetType(type);
            field.SetAllowNull(allowNull);
            TextFile read = Collector();
            read.Write(0, "<%%\nv = Trim(Request(\"v\"))\n");
            WriteNumericGuard(read, 0, &field, "v");
            TextFile query = Collector();
            QueryText text(query, 0, 1, "PRC_t_Insert");
            text.AddTerm(&field, "v");
            text.Close();
            const std::string guard = read.GetBuffer().str();
            const std::string term = query.GetBuffer().str();
            const bool bare = term.find("&(v)") != std::string::npos;
            EXPECT_NE(bare, term.find("SingleQuoteToDouble(") != std::string::npos) << term;
            EXPECT_EQ(
                bare,
                guard.find(
                    std::string(
                        "if v <> \"\" and not (isNumeric(v) and InStr(v, \",\") = 0) then v = ") +
                    (allowNull ? "\"NULL\"" : "0")) != std::string::npos)
                << type << "\n"
                << guard;
            EXPECT_EQ("", Joined(UncheckedSqlValues(guard + term + "%>"))) << type;
        }
}

// Every page of the classic application, whose login page calls a login procedure with the
// user name, the password and a posted value without a field for a parameter without a field.
TEST(RequestValuesInSqlTest, EveryWrittenPageEscapesOrChecksTheRequestValuesOfItsSql)
{
    Variable branchParameter;
    branchParameter.SetName("@branch");
    branchParameter.SetKind(Variable::parameterKind);
    ClassicApplication application;
    Module* base = application.m_project.GetBaseModule();
    LoginPage* login = base->GetLoginPage();
    CString customerName = "customer";
    Table* customer = base->FindTableByName(customerName);
    login->SetUserNameField(customer->GetPrimaryKeyField());
    login->SetDesignationField(customer->GetPrimaryKeyField());
    auto* procedure = new Procedure(customer, false);
    procedure->SetName("PRC_Login");
    base->AddProcedure(procedure);
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    for (int index : {0, 1})
    {
        const FieldVariableMap* value = login->GetFieldVariableMapAt(index);
        procedure->AddFieldFilter(value->field);
        FieldVariableMap parameter;
        procedure->FindFieldParameterByField(value->field, parameter);
        call->AddVariablePair(new VariablePair{parameter.variable, value->variable});
    }
    login->SetLoginCall(call);
    auto* branch = new Variable;
    branch->SetName("branch");
    login->AddFieldVariableMap(new FieldVariableMap{nullptr, branch});
    login->GetLoginCall()->AddVariablePair(new VariablePair{&branchParameter, branch});
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    ClassicAnswers answers;
    AspWriteAll writeAll(&application.m_project, nullptr, answers);
    writeAll.SetWriteErrorsLogPath(application.m_temp.ModelPath("ForgeonWriteErrors.txt"));
    EXPECT_TRUE(writeAll.Run(nullptr)) << answers.shown << writeAll.GetReport().GetFullText().str()
                                       << Joined(application.m_boxes.ShownTexts());
    int sqlPages = 0;
    for (const std::filesystem::path& page : FilesEndingIn(application.m_temp.Path(), {".asp"}))
    {
        const std::string text = ReadHostFile(page);
        EXPECT_EQ("", Joined(UncheckedSqlValues(text))) << page;
        for (const std::string& statement : ServerStatements(text))
            if (!sql_value_scan::SqlExpression(statement).empty())
            {
                ++sqlPages;
                break;
            }
    }
    // The scan saw the pages that build SQL: the action, list, report and dashboard pages.
    EXPECT_GT(sqlPages, 20);
}
} // namespace
