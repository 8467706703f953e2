#pragma once

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/ColumnGraphData.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
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
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The shell's side of a classic Write All: OK with menus.
class ClassicAnswers : public ClassicWriteServices
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
// a bottom master form; transactions with no, one and two detail tables. Output kind 1 makes the
// same project for ASP.NET pages.
class ClassicApplication
{
public:
    explicit ClassicApplication(int outputKind = 0)
    {
        m_project.InitNewProject();
        m_project.SetProjectName("Shop");
        m_project.SetProjectPath(m_temp.ModelPath());
        m_project.SetOutputKind(outputKind);
        Module* base = m_project.GetBaseModule();
        // The login page and dashboard pages of a classic project.
        if (outputKind == 0)
        {
            ClearPageFiles(*base->GetLoginPage());
            base->GetLoginPage()->CreateAspFile(0, AspFile::loginPageOwner);
            for (DashBoardPage* page : base->GetDashBoardPages())
            {
                ClearPageFiles(*page);
                page->CreateAspFile(0);
            }
        }
        LoginPageCreator().Create();

        Table* customer = AddTable("customer", Table::masterKind, {"cname", "city"});
        TableFormCreator(customer, &m_project).CreateAll();
        Form* customers = base->FindMasterFormByName("customer_form");
        customers->SetReport(base->FindReportByName("customer Report"));
        customers->CreateDefaultAspFiles(outputKind);
        Table* product = AddTable("product", Table::masterKind, {"pname"});
        TableFormCreator products(product, &m_project);
        products.CreateForm();
        AddReports(*base, outputKind);

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
        orders->CreateDefaultAspFiles(outputKind);
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
    void AddReports(Module& base, int outputKind)
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
        reports[3]->SetChartData(3, new ColumnGraphData);
        reports[3]->GetChartData()->SetChartType(3);
        ApplicationReport* grouped = reports[4];
        grouped->SetReportKind(0);
        grouped->CreateAspFile(10, AspFile::reportOwner);

        auto* collector = new ReportCollector;
        collector->SetName("Board");
        collector->SetModule(&base);
        base.Append(collector);
        collector->CreateDefaultAspFiles(outputKind);
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

