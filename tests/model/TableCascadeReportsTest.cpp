// A table takes with it every report built on it: the search report of its class, one a
// designer made on its class's function, an RDLC report on its data set, whatever was deleted
// before; the descriptions written for it go with the last report that uses them.
#include "bench/store/BenchTables.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/TableFormCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// A report as the report designer makes it: its population function is the class's
// SelectAllRecords, called by its first group.
ApplicationReport* AddDesignedReport(Module& module, Table* table, const char* name)
{
    Class* dataClass = module.GetClassForTable(table, false);
    auto* call = new ClassInvokation;
    call->SetFunction(dataClass, dataClass->FindFunctionByName("SelectAllRecords"));
    auto* report = new ApplicationReport;
    report->SetName(name);
    report->AddReportGroup(new ReportGroup(report, call));
    module.AddReport(report, true);
    return report;
}

// An RDLC report of the user's (mode 1) assigned the report definition written for the table.
RDLCReport* AddAssignedRDLCReport(ForgeonProject& project, Module& module, const Table* table)
{
    const CString definition =
        "BaseModule\\RDLCs\\" + table->GetTableName() + "_SelectAllRecords.rdlc";
    auto* report = new RDLCReport;
    report->SetName(table->GetTableName() + "_assigned");
    for (RDLCInfo* info : project.GetRDLCInfos())
    {
        if (info->GetName() == definition)
            report->SetRDLCInfo(info);
    }
    EXPECT_NE(report->GetRDLCInfo(), nullptr) << static_cast<const char*>(definition);
    module.AddRDLCReport(report, true);
    return report;
}

std::vector<CString> ReportNames(const Module& module)
{
    std::vector<CString> names;
    for (const ApplicationReport* report : module.GetReports())
        names.push_back(report->GetFormName());
    for (const RDLCReport* report : module.GetRDLCReports())
        names.push_back(report->GetFormName());
    return names;
}

TEST(TableCascadeReportsTest, ATableTakesTheReportsMadeOnItsClassAndDataSetWhateverWentBefore)
{
    struct Case
    {
        const char* name;
        // Runs before the table is deleted.
        std::function<void(ForgeonProject&, Module&)> before;
    };
    const std::vector<Case> cases = {
        {"nothing deleted before", [](ForgeonProject&, Module&) {}},
        {"its own RDLC report deleted before", [](ForgeonProject& project, Module& module)
         { EXPECT_TRUE(project.DeleteRDLCReport(module.FindRDLCReportByName("book_rdlc"))); }},
        {"its search report deleted before", [](ForgeonProject& project, Module& module)
         { EXPECT_TRUE(project.DeleteApplicationReport(module.FindReportByName("book Report"))); }},
    };
    for (const Case& test : cases)
    {
        ScriptedMessageBoxes boxes;
        OpenBaseModuleProject open;
        ForgeonProject& project = open.Project();
        Module& module = open.Base();
        for (const char* name : {"book", "shelf"})
        {
            Table* table = NewTable(name, Table::masterKind, {"title"});
            module.AddTable(table);
            TableFormCreator(table, &project).CreateAll();
        }
        Table* book = TableNamed(module, "book");
        AddDesignedReport(module, book, "book_search");
        AddAssignedRDLCReport(project, module, book);
        AddDesignedReport(module, TableNamed(module, "shelf"), "shelf_search");
        AddAssignedRDLCReport(project, module, TableNamed(module, "shelf"));
        test.before(project, module);

        EXPECT_TRUE(project.DeleteTable(book)) << test.name;

        EXPECT_EQ(ReportNames(module), (std::vector<CString>{"shelf Report", "shelf_search",
                                                             "shelf_rdlc", "shelf_assigned"}))
            << test.name;
        ASSERT_EQ(project.GetRDLCInfos().size(), 1u) << test.name;
        EXPECT_EQ(project.GetRDLCInfos().front()->GetName(),
                  "BaseModule\\RDLCs\\shelf_SelectAllRecords.rdlc")
            << test.name;
        EXPECT_EQ(project.GetXSDInfos().size(), 1u) << test.name;
    }
}

// In a module made by the store benchmark's builder each table's key is the foreign key of the
// next: deleting a table empties the next one's search report, which still goes with its table.
TEST(TableCascadeReportsTest, TheNextTableTakesItsSearchReportAfterItsKeyWentWithTheTableBefore)
{
    for (const auto& order : {std::vector<const char*>{"table_10", "table_11"},
                              std::vector<const char*>{"table_11", "table_10"}})
    {
        ScriptedMessageBoxes boxes;
        ForgeonProject project;
        ScopedOpenProject open(&project);
        project.InitNewProject();
        Module& module = *project.GetCurrentModule();
        AddGeneratedBenchTables(project, 20);
        for (const char* name : order)
            EXPECT_TRUE(project.DeleteTable(TableNamed(module, name))) << name;

        const std::string sequence = std::string(order[0]) + " then " + order[1];
        EXPECT_EQ(module.FindReportByName("table_10 Report"), nullptr) << sequence;
        EXPECT_EQ(module.FindReportByName("table_11 Report"), nullptr) << sequence;
        EXPECT_EQ(module.GetReports().size(), module.GetMasterForms().size()) << sequence;
        EXPECT_EQ(module.GetRDLCReports().size(), 18u) << sequence;
    }
}

// A report without calls is built on the table whose fields all its shown columns are: one
// that shows a field of the table among another table's fields stays.
TEST(TableCascadeReportsTest, AReportWithoutCallsGoesOnlyWhenItShowsNoOtherTablesFields)
{
    struct Case
    {
        const char* name;
        std::vector<const char*> shownTables;
        bool goes;
    };
    const std::vector<Case> cases = {
        {"the table's field only", {"book"}, true},
        {"the table's field among another's", {"shelf", "book"}, false},
        {"the table's field first, another's after", {"book", "shelf"}, false},
        {"another table's field only", {"shelf"}, false},
    };
    for (const Case& test : cases)
    {
        ScriptedMessageBoxes boxes;
        OpenBaseModuleProject open;
        ForgeonProject& project = open.Project();
        Module& module = open.Base();
        for (const char* name : {"book", "shelf"})
            module.AddTable(NewTable(name, Table::masterKind, {"title"}));
        auto* report = new ApplicationReport;
        report->SetName("shown");
        auto* group = new ReportGroup(report, nullptr);
        for (const char* name : test.shownTables)
        {
            auto* column = new ReportField;
            column->AdoptFieldInfo(
                new ProcedureFieldInfo(TableNamed(module, name)->FindFieldByName("title"),
                                       ProcedureFieldInfo::noAggregate));
            group->AddReportField(column);
        }
        report->AddReportGroup(group);
        module.AddReport(report, true);

        EXPECT_TRUE(project.DeleteTable(TableNamed(module, "book"))) << test.name;

        EXPECT_EQ(module.FindReportByName("shown") == nullptr, test.goes) << test.name;
    }
}
} // namespace
