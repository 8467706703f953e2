#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/GraphData.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "gen_classic/AspWriteAll.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
class Answers : public ClassicWriteServices
{
public:
    void SaveBackupCopy(const CString&) override {}
    bool SelectForWrite(const CString& message, bool& writeMenus, bool&) override
    {
        shown = message.str();
        writeMenus = true;
        return true;
    }
    void SetStatusText(const CString&) override {}
    std::string shown;
};

// A classic project as the program makes it: the base module with its role, menus, login page
// and dashboards; master forms with and without their list report; a map form with and without
// a bottom master form; transactions with no, one and two detail tables.
class ClassicApplication
{
public:
    ClassicApplication()
    {
        m_project.InitNewProject();
        m_project.SetProjectName("Shop");
        m_project.SetProjectPath(m_temp.ModelPath());
        m_project.SetOutputKind(0);
        Module* base = m_project.GetBaseModule();
        // The login page and dashboard pages of a classic project.
        ClearPageFiles(*base->GetLoginPage());
        base->GetLoginPage()->CreateAspFile(0, AspFile::loginPageOwner);
        for (DashBoardPage* page : base->GetDashBoardPages())
        {
            ClearPageFiles(*page);
            page->CreateAspFile(0);
        }
        LoginPageCreator().Create();

        Table* customer = AddTable("customer", Table::masterKind, {"cname", "city"});
        TableFormCreator(customer, &m_project).CreateAll();
        Form* customers = base->FindMasterFormByName("customer_form");
        customers->SetReport(base->FindReportByName("customer Report"));
        customers->CreateDefaultAspFiles(0);
        Table* product = AddTable("product", Table::masterKind, {"pname"});
        TableFormCreator products(product, &m_project);
        products.CreateForm();
        AddReports(*base);

        Table* visits = AddTable("visit", Table::mapKind, {"note"});
        TableFormCreator(visits, &m_project).CreateMapPages();
        Table* stock = AddTable("stock", Table::mapKind, {"place"});
        TableFormCreator(stock, &m_project)
            .CreateMapForm()
            ->SetBottomMasterForm(base->FindMasterFormByName("customer_form"));

        TransactionDataCreator(AddTable("sale_basic", Table::masterDetailKind, {"remark"}),
                               &m_project)
            .CreateAll();
        Table* order = AddTable("order_basic", Table::masterDetailKind, {"note"});
        TransactionDataCreator(order, &m_project).CreateAll();
        Table* payment = AddTable("order_payment", Table::masterDetailKind, {"paid"});
        auto* link = new Field;
        link->Set("order_id", "Order", FieldTypeInt, 4, 0, order->GetPrimaryKeyField(), "", false,
                  true, false, false, false);
        link->SetTable(payment);
        payment->AddField(link);
        Transaction* orders = base->FindTransactionByName("order");
        orders->AddDetailTable(payment);
        orders->CreateDefaultAspFiles(0);
        orders->AddVariablesForTable(payment);
        orders->CreateFieldRepsForTable(payment);
        Transaction* memo = new Transaction;
        memo->SetName("memo");
        Table* memoBasic = AddTable("memo_basic", Table::masterDetailKind, {"text"});
        memo->SetBasicTable(memoBasic);
        memo->EnsureDefaultVariables();
        memo->CreateFieldRepsForTable(memoBasic);
        base->AddTransaction(memo, true);
    }

    ForgeonProject m_project;
    TempFolder m_temp{"WeavoClassicApp"};
    ScriptedMessageBoxes m_boxes;

private:
    static void ClearPageFiles(FormInterface& page)
    {
        while (AspFile* file = page.GetAspFileAt(0))
        {
            page.RemoveAspFile(file);
            delete file;
        }
    }

    // A report of every kind over tables of their own, and a collector of two of them.
    void AddReports(Module& base)
    {
        std::vector<ApplicationReport*> reports;
        for (const char* name : {"grid", "notepad", "single", "graph", "grouped"})
        {
            TableFormCreator(AddTable(name, Table::masterKind, {"label", "amount"}), &m_project)
                .CreateAll();
            reports.push_back(base.FindReportByName(CString(name) + " Report"));
        }
        reports[0]->SetReportKind(2);
        reports[1]->SetReportKind(4);
        reports[2]->SetReportKind(5);
        // The graph report calls a list procedure of its table, the grouped report two.
        for (const auto& [index, levels] : {std::pair{3u, 1}, std::pair{4u, 2}})
            for (int level = 0; level < levels; ++level)
            {
                ApplicationReport* report = reports[index];
                if (level > 0)
                    report->AddReportGroup(new ReportGroup(report, nullptr));
                CString table = report->GetFormName().Left(report->GetFormName().Find(' '));
                auto* procedure = new Procedure(base.FindTableByName(table), false);
                CString name;
                name.Format("PRC_%s_List%d", table.GetString(), level);
                procedure->SetName(name);
                base.AddProcedure(procedure);
                auto* call = new ProcedureInvokation;
                call->SetProcedure(procedure);
                report->GetReportGroups().back()->SetProcedureCall(call);
            }
        reports[3]->SetReportKind(3);
        reports[3]->SetChartData(3, new GraphData);
        reports[3]->GetChartData()->SetChartType(3);
        ApplicationReport* grouped = reports[4];
        grouped->SetReportKind(0);
        grouped->CreateAspFile(10, AspFile::reportOwner);

        auto* collector = new ReportCollector;
        collector->SetName("Board");
        collector->SetModule(&base);
        base.Append(collector);
        collector->CreateDefaultAspFiles(0);
        for (ApplicationReport* collected : {reports[0], reports[3]})
            collector->AddReport({collected, 250, 450});
    }

    Table* AddTable(const char* name, int kind, std::initializer_list<const char*> fields)
    {
        Table* table = NewTable(name, kind, fields);
        m_project.GetCurrentModule()->AddTable(table);
        return table;
    }

    ScopedOpenProject m_open{&m_project};
};

std::string Errors()
{
    std::string text;
    for (const CString& error : TheProjectDiagnostics().GetErrors())
        text += error.str() + "\n";
    return text;
}

// Runs Write All and, with the shared files beside the pages, gives the pages written; when
// checked, every script file and every page passes node and the page check.
std::vector<std::string> WriteAndCheck(ClassicApplication& application, bool checked)
{
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    Answers answers;
    AspWriteAll writeAll(&application.m_project, nullptr, answers);
    writeAll.SetWriteErrorsLogPath(application.m_temp.ModelPath("ForgeonWriteErrors.txt"));
    EXPECT_TRUE(writeAll.Run(nullptr)) << answers.shown << "\n"
                                       << writeAll.GetReport().GetText().str() << "\n"
                                       << Joined(application.m_boxes.ShownTexts()) << Errors();
    const std::filesystem::path root = application.m_temp.Path();
    std::filesystem::copy(ClassicData("_system"), root / "_system",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::skip_existing);
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    {
        const std::filesystem::path relative = entry.path().lexically_relative(root);
        if (entry.path().extension() == ".js" && checked)
            ExpectNodeAccepts({ReadHostFile(entry.path())}, root);
        if (entry.path().extension() != ".asp" || *relative.begin() == "_system")
            continue;
        pages.push_back(relative.generic_string());
        if (!checked)
            continue;
        EXPECT_EQ("", Joined(CheckPageFile(entry.path()))) << relative;
        ExpectNodeAccepts(PageScripts(ReadHostFile(entry.path())), root);
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

TEST(ClassicApplicationTest, WriteAllWritesEveryPageThatPassesTheChecks)
{
    for (const bool prefix : {false, true})
    {
        ClassicApplication application;
        application.m_project.SetModulePrefix(prefix);
        ExpectGolden(prefix ? "application/pages_prefixed.txt" : "application/pages.txt",
                     Joined(WriteAndCheck(application, !prefix)));
    }
}

// A role and a top menu whose names are no script identifiers, as the dialogs accept them: the
// menu scripts and every page still pass node and the page check.
TEST(ClassicApplicationTest, OddRoleAndMenuNamesGiveScriptsThatPassTheChecks)
{
    ClassicApplication application;
    Module* base = application.m_project.GetBaseModule();
    Menu* top = base->FindMenuByName(base->GetName() + "Menu");
    ASSERT_NE(top, nullptr);
    top->SetName("2nd Main");
    auto* manager = new Designation;
    manager->SetName("Sales-Manager");
    manager->AddMenusOf(*base->GetDesignations().front());
    base->Append(manager);
    WriteAndCheck(application, true);
    const std::string menus = ReadHostFile(application.m_temp.Path() / "_system/js/TopMenus.js");
    EXPECT_NE(menus.find("var _2ND_MAIN_SALES_MANAGER = [\r\n"), std::string::npos) << menus;
    EXPECT_NE(menus.find(", _2ND_MAIN_SALES_MANAGER]"), std::string::npos) << menus;
}
} // namespace

namespace
{
// Every field name slot of the classic application set to names the doors take, in turn: a C#
// keyword, reserved words of SQL, VBScript and JavaScript, a name the pages declare themselves,
// "-" and mixed case; the pages still pass node and the page check.
TEST(ClassicApplicationTest, NamesTheDoorsTakeGivePagesThatPassTheChecks)
{
    ClassicApplication application;
    const char* const names[] = {"event",  "user",    "order", "a-b", "x--y",     "MixedCase",
                                 "select", "checked", "end",   "Dim", "function", "values"};
    std::size_t next = 0;
    std::vector<Table*> tables;
    application.m_project.GetBaseModule()->GetAllTables(tables);
    for (Table* table : tables)
    {
        if (table->IsSystemTable())
            continue;
        for (Field* field : table->GetFields())
        {
            if (!field->IsKeyOrDeletedFlag() && !field->IsForeignKey())
                field->SetFieldName(names[next++ % std::size(names)]);
        }
    }
    WriteAndCheck(application, true);
}
} // namespace
