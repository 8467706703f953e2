#pragma once

#include "entities/Menu.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <memory>

// A two-module project "Shop" in a fresh temp folder, as a user makes it. "BaseModule" holds the
// login tables and pages, the table "customer" with its form, search report and an RDLC report
// built on it, and a data set of the project's own. "Sales & Stock" holds "order_line" with its
// form and search report. A menu name carries quotes and a backslash; the theme has one master
// page.
class ShopProject
{
public:
    explicit ShopProject(int visualStudioVersion = 0)
    {
        m_project.InitNewProject();
        m_project.SetProjectName("Shop");
        m_project.SetProjectPath(m_temp.ModelPath());
        m_project.GetProjectSettings()->SetVisualStudioVersion(visualStudioVersion);
        LoginPageCreator().Create();
        Module* base = m_project.GetBaseModule();
        Table* customer = AddTableWithPages("customer", {"name", "city"});
        AddRDLCReport(*base, customer);
        m_ownDataSet->SetFilePath("BaseModule\\DataSets\\sales.xsd");
        m_project.AddXSDInfo(m_ownDataSet);
        m_missingDataSet->SetFilePath("BaseModule\\DataSets\\missing.xsd");
        m_missingDataSet->SetStatus(1);
        m_project.AddXSDInfo(m_missingDataSet);
        base->FindMenuByName("Masters")->SetName("Owner's \"Masters\" \\ list");

        Module* sales = m_project.AddNewModule();
        sales->RenameDefaultObjects("Sales & Stock");
        sales->SetName("Sales & Stock");
        m_project.SetCurrentModule(sales);
        AddTableWithPages("order_line", {"item", "quantity"});
        m_project.SetCurrentModule(base);

        WriteHostFile(ApplicationFolder() / "Themes" / "UI" / "Main.Master", "");
    }

    ForgeonProject& Project() { return m_project; }
    GenerationReport& Report() { return m_report; }
    const std::filesystem::path& Root() const { return m_temp.Path(); }
    const TempFolder& Temp() const { return m_temp; }
    // The application folder Shop\Shop on the host.
    std::filesystem::path ApplicationFolder() const { return m_temp.Path() / "Shop" / "Shop"; }

    // A master table of the current module with its default form and search report.
    Table* AddTableWithPages(const char* name, std::initializer_list<const char*> fields)
    {
        Table* table = NewTable(name, Table::masterKind, fields);
        m_project.GetCurrentModule()->AddTable(table);
        TableFormCreator creator(table, &m_project);
        creator.CreateForm();
        creator.CreateReport();
        return table;
    }

private:
    void AddRDLCReport(Module& module, Table* table)
    {
        auto* report = new RDLCReport;
        report->SetName("customer_rdlc");
        report->SetTable(table);
        report->SetMode(0);
        m_reportFile->AddDataSet("", "", table->GetTableName());
        report->SetRDLCInfo(m_reportFile);
        m_reportDataSet->AddTableAdapter(new TableAdapter);
        report->SetXSDInfo(m_reportDataSet);
        m_project.AddRDLCInfo(m_reportFile);
        m_project.AddXSDInfo(m_reportDataSet);
        module.AddRDLCReport(report, true);
    }

    TempFolder m_temp{"WeavoShop"};
    // The project owns these.
    RDLCInfo* m_reportFile = new RDLCInfo;
    XSDInfo* m_reportDataSet = new XSDInfo;
    XSDInfo* m_ownDataSet = new XSDInfo;
    XSDInfo* m_missingDataSet = new XSDInfo;
    ForgeonProject m_project;
    ScopedOpenProject m_open{&m_project};
    GenerationReport m_report;
};
