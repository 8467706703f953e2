// Each table, then each procedure, then two tables' keys, then two functions of a project whose
// reports are fed every way (a class call, a procedure, nothing, groups on several tables, a
// group calling a class and a procedure, a second module calling the first's class, a generated
// report re-pointed to another class, an RDLC report on two data sets) and show a table's front
// field as its own or through a key, and whose graphs and their placements are fed by a class
// call, a procedure or both, deleted alone from the saved fixture, leaves the reports, graphs
// (with the dashboard page placing them), procedures and report descriptions of the expected
// file.
// WEAVO_WRITE_DELETION_FIXTURE names a folder that takes a new fixture and expected file.
#include "bench/store/BenchTables.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/XSDInfo.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const std::filesystem::path fixtureFolder = std::filesystem::path(WEAVO_TEST_DATA) / "model";
constexpr const char* fixtureName = "report-feeding.wvt";
constexpr const char* expectedName = "report-feeding-survivors.txt";
const char* const procedureTables[] = {"table_2", "table_3", "table_4", "table_6"};
const char* const functionTables[] = {"table_1", "table_5"};
// The tables whose key to the table before them is deleted alone.
const char* const keyTables[] = {"table_1", "table_6"};

Procedure* ProcedureOf(const Module& module, const char* table)
{
    return module.FindProcedureByName(CString("PRC_") + table + "_SelectAll");
}

// The SelectAllRecords call of the table's class.
ClassInvokation* NewClassCall(Module& module, const char* table)
{
    Class* dataClass = module.GetClassForTable(TableNamed(module, table), false);
    auto* call = new ClassInvokation;
    call->SetFunction(dataClass, dataClass->FindFunctionByName("SelectAllRecords"));
    return call;
}

ProcedureInvokation* NewProcedureCall(Procedure* procedure)
{
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    return call;
}

// A group calling the table's SelectAllRecords, with a column for each of its outputs.
ReportGroup* ClassGroup(Module& module, ApplicationReport* report, const char* table)
{
    auto* group = new ReportGroup(report, NewClassCall(module, table));
    report->AddReportGroup(group);
    group->SyncColumnsWithFunction();
    return group;
}

// The group calls the procedure too, with a column for each of its outputs.
void AddProcedureCall(ReportGroup* group, Procedure* procedure)
{
    group->SetProcedureCall(NewProcedureCall(procedure));
    for (ProcedureFieldInfo* output : procedure->GetOutputColumns())
        group->AddReportField(new ReportField(output));
}

// A group calling the procedure, with a column for each of its outputs.
ReportGroup* ProcedureGroup(ApplicationReport* report, Procedure* procedure)
{
    auto* group = new ReportGroup(report, nullptr);
    report->AddReportGroup(group);
    AddProcedureCall(group, procedure);
    return group;
}

// A graph of the module with the calls given (either null).
DashBoard* AddGraph(Module& module, const char* name, ClassInvokation* classCall,
                    Procedure* procedure)
{
    auto* graph = NewPage<DashBoard>(name);
    graph->SetClassInvokation(classCall);
    if (procedure != nullptr)
        graph->SetProcedureInvokation(NewProcedureCall(procedure));
    module.AddDashBoard(graph, true);
    return graph;
}

// A column of a text field of the table, by default one other than its front field.
void AddColumnOf(ReportGroup* group, const Table* table, const char* field = "column_2")
{
    auto* column = new ReportField;
    column->AdoptFieldInfo(
        new ProcedureFieldInfo(table->FindFieldByName(field), ProcedureFieldInfo::noAggregate));
    group->AddReportField(column);
}

// The table's SelectAll procedure of the name, joining the table its key refers to by the key
// and showing that table's front field too.
Procedure* AddProcedureJoiningParent(Module& module, const char* name, const char* table)
{
    Table* own = TableNamed(module, table);
    Field* key = own->FindFieldByName("parent_id");
    Table* parent = key->GetForeignField()->GetTable();
    auto* procedure = new Procedure(own, true);
    procedure->SetName(name);
    procedure->AddTable(parent);
    auto* relation = new Relation;
    relation->SetFirstTable(own);
    relation->SetSecondTable(parent);
    relation->AddJoinField(key);
    relation->AddJoinField(key->GetForeignField());
    procedure->AddRelation(relation);
    procedure->AddOutputField(parent->GetDisplayField());
    module.AddProcedure(procedure);
    return procedure;
}

ApplicationReport* AddReport(Module& module, const char* name)
{
    auto* report = NewPage<ApplicationReport>(name);
    module.AddReport(report, true);
    return report;
}

void BuildFixture(const std::filesystem::path& path)
{
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    AddGeneratedBenchTables(project, 8);
    Module& base = *project.GetCurrentModule();
    for (const char* table : procedureTables)
        base.AddProcedure(new Procedure(TableNamed(base, table), true));
    ClassGroup(base, AddReport(base, "by_class"), "table_1");
    ProcedureGroup(AddReport(base, "by_procedure"), ProcedureOf(base, "table_2"));
    ApplicationReport* twoProcedures = AddReport(base, "two_procedures");
    ProcedureGroup(twoProcedures, ProcedureOf(base, "table_3"));
    ProcedureGroup(twoProcedures, ProcedureOf(base, "table_4"));
    ApplicationReport* noCallThenClass = AddReport(base, "no_call_then_class");
    auto* columnsOnly = new ReportGroup(noCallThenClass, nullptr);
    AddColumnOf(columnsOnly, TableNamed(base, "table_4"));
    noCallThenClass->AddReportGroup(columnsOnly);
    ClassGroup(base, noCallThenClass, "table_5");
    AddColumnOf(
        ProcedureGroup(AddReport(base, "procedure_showing_parent"), ProcedureOf(base, "table_6")),
        TableNamed(base, "table_5"));
    ApplicationReport* noCall = AddReport(base, "no_call");
    auto* noCallGroup = new ReportGroup(noCall, nullptr);
    AddColumnOf(noCallGroup, TableNamed(base, "table_7"));
    noCall->AddReportGroup(noCallGroup);
    // table_0's front field shown by a report on table_0 alone, and through table_1's key by a
    // report on table_1; table_5's through table_6's key by a procedure joining by it.
    ApplicationReport* displayOnly = AddReport(base, "display_only");
    auto* ownDisplay = new ReportGroup(displayOnly, NewClassCall(base, "table_0"));
    AddColumnOf(ownDisplay, TableNamed(base, "table_0"), "column_1");
    displayOnly->AddReportGroup(ownDisplay);
    AddColumnOf(ClassGroup(base, AddReport(base, "parent_through_key"), "table_1"),
                TableNamed(base, "table_0"), "column_1");
    ProcedureGroup(AddReport(base, "procedure_through_key"),
                   AddProcedureJoiningParent(base, "PRC_table_6_with_parent", "table_6"));
    ApplicationReport* classAndProcedure = AddReport(base, "class_and_procedure");
    ClassGroup(base, classAndProcedure, "table_1");
    ProcedureGroup(classAndProcedure, ProcedureOf(base, "table_2"));
    AddProcedureCall(ClassGroup(base, AddReport(base, "one_group_two_calls"), "table_1"),
                     ProcedureOf(base, "table_2"));
    auto* graphs = NewPage<DashBoardPage>("graphs");
    for (DashBoard* graph :
         {AddGraph(base, "graph_by_class", NewClassCall(base, "table_1"), nullptr),
          AddGraph(base, "graph_by_procedure", nullptr, ProcedureOf(base, "table_3")),
          AddGraph(base, "graph_by_both", NewClassCall(base, "table_5"),
                   ProcedureOf(base, "table_2"))})
        graphs->AddPlacement(new DashBoardPageData(graph));
    // Two placements fed otherwise than their graphs: by a procedure, by a class call.
    graphs->GetPlacements()[0]->SetProcedureInvokation(
        NewProcedureCall(ProcedureOf(base, "table_4")));
    graphs->GetPlacements()[1]->SetClassInvokation(NewClassCall(base, "table_7"));
    base.AddDashBoardPage(graphs, true);
    // The generated report of table_3 re-pointed to table_6's class, as Assign Function does.
    ClassInvokation* repointed =
        base.FindReportByName("table_3 Report")->GetReportGroups()[0]->GetClassCall();
    Class* table6 = base.GetClassForTable(TableNamed(base, "table_6"), false);
    repointed->SetFunction(table6, table6->FindFunctionByName("SelectAllRecords"));

    Module* second = NewModule("Module2", 2);
    project.AddModule(second);
    ClassGroup(base, AddReport(*second, "search_in_module2"), "table_2");
    ProcedureGroup(AddReport(*second, "procedure_in_module2"), ProcedureOf(base, "table_3"));

    auto* layout = new RDLCInfo;
    layout->SetName("BaseModule\\RDLCs\\two_data_sets.rdlc");
    for (const char* table : {"table_0", "table_1"})
        layout->AddDataSet(CString(table) + "_SelectAllRecords", CString(table) + "TableAdapter",
                           table);
    project.AddRDLCInfo(layout);
    auto* rdlc = NewPage<RDLCReport>("two_data_sets");
    rdlc->SetRDLCInfo(layout);
    base.AddRDLCReport(rdlc, true);

    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(&project, path.string().c_str(), FALSE));
}

// The calls of a group, or of a graph: the class call, then the procedure's, "-" for none.
std::string CallsText(const ClassInvokation* classCall, const ProcedureInvokation* procedureCall)
{
    std::string text;
    if (classCall != nullptr)
    {
        const Class* dataClass = classCall->GetClass();
        const Function* function = classCall->GetFunction();
        text = std::string(dataClass != nullptr ? dataClass->GetFieldName().GetString() : "") +
               "." + (function != nullptr ? function->GetFieldName().GetString() : "");
    }
    if (procedureCall != nullptr)
        text += (text.empty() ? "" : "+") +
                std::string(procedureCall->GetProcedure() != nullptr
                                ? procedureCall->GetProcedure()->GetName().GetString()
                                : "?");
    return text.empty() ? "-" : text;
}

// Per module its reports with each group's call and column count, its RDLC reports with their
// data sets, and its procedures; then the project's report descriptions.
std::string Survivors(const ForgeonProject& project)
{
    std::ostringstream out;
    for (const Module* module : project.GetModules())
    {
        out << " " << module->GetName().GetString() << "\n";
        for (const ApplicationReport* report : module->GetReports())
        {
            out << "  report " << report->GetFormName().GetString() << ":";
            for (const ReportGroup* group : report->GetReportGroups())
                out << " " << CallsText(group->GetClassCall(), group->GetProcedureCall()) << "/"
                    << group->GetReportFields().size();
            out << "\n";
        }
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            out << "  rdlc " << report->GetFormName().GetString() << ":";
            if (report->GetRDLCInfo() != nullptr)
            {
                for (const RDLCDataSetEntry& entry : report->GetRDLCInfo()->GetEntries())
                    out << " " << entry.m_dataSetName.GetString();
            }
            out << "\n";
        }
        for (const DashBoard* graph : module->GetDashBoards())
            out << "  graph " << graph->GetFormName().GetString() << ": "
                << CallsText(graph->GetClassInvokation(), graph->GetProcedureInvokation()) << "\n";
        for (const DashBoardPage* page : module->GetDashBoardPages())
        {
            out << "  dashboard page " << page->GetFormName().GetString() << ":";
            for (const DashBoardPageData* placement : page->GetPlacements())
                out << " "
                    << (placement->GetDashBoard() != nullptr
                            ? placement->GetDashBoard()->GetFormName().GetString()
                            : "?");
            out << "\n";
        }
        for (const Procedure* procedure : module->GetProcedures())
            out << "  procedure " << procedure->GetName().GetString() << "\n";
    }
    out << " descriptions " << project.GetRDLCInfos().size() << " rdlc, "
        << project.GetXSDInfos().size() << " xsd\n";
    return out.str();
}

TEST(ReportFeedingDeletionTest, EachTableProcedureAndFunctionDeletedAloneLeavesTheExpectedPages)
{
    ScriptedMessageBoxes boxes;
    TempFolder temp;
    const char* renewed = std::getenv("WEAVO_WRITE_DELETION_FIXTURE");
    const std::filesystem::path fixture =
        (renewed != nullptr ? std::filesystem::path(renewed) : fixtureFolder) / fixtureName;
    if (renewed != nullptr)
        BuildFixture(fixture);
    struct Deletion
    {
        std::string name;
        std::function<bool(ForgeonProject&, Module&)> remove;
    };
    std::vector<Deletion> deletions;
    for (int number = 0; number < 8; ++number)
    {
        const std::string table = "table_" + std::to_string(number);
        deletions.push_back({table, [table](ForgeonProject& project, Module& base)
                             { return project.DeleteTable(TableNamed(base, table.c_str())); }});
    }
    for (const char* table : procedureTables)
    {
        deletions.push_back({std::string("PRC_") + table + "_SelectAll",
                             [table](ForgeonProject& project, Module& base)
                             { return project.DeleteProcedure(ProcedureOf(base, table)); }});
    }
    for (const char* table : keyTables)
    {
        deletions.push_back(
            {std::string(table) + ".parent_id", [table](ForgeonProject& project, Module& base) {
                 return project.DeleteField(TableNamed(base, table)->FindFieldByName("parent_id"));
             }});
    }
    for (const char* table : functionTables)
    {
        deletions.push_back(
            {std::string("_") + table + ".SelectAllRecords",
             [table](ForgeonProject& project, Module& base)
             {
                 Class* dataClass = base.GetClassForTable(TableNamed(base, table), false);
                 return project.DeleteFunction(dataClass->FindFunctionByName("SelectAllRecords"));
             }});
    }
    std::string outcome;
    for (const Deletion& deletion : deletions)
    {
        ProjectStore store;
        ScopedOpenProject open(store);
        ASSERT_TRUE(store.ArchiveProject(nullptr, fixture.string().c_str(), TRUE));
        ForgeonProject& project = *store.GetProject();
        EXPECT_TRUE(deletion.remove(project, *project.GetBaseModule())) << deletion.name;
        outcome += deletion.name + " deleted\n" + Survivors(project);
        // What is left saves.
        EXPECT_TRUE(store.ArchiveProject(&project, (temp.Path() / "after.wvt").c_str(), FALSE))
            << deletion.name;
    }
    if (renewed != nullptr)
        std::ofstream(std::filesystem::path(renewed) / expectedName, std::ios::binary) << outcome;
    EXPECT_EQ(outcome, ReadHostFile(fixtureFolder / expectedName));
}
// Each class function of the fixture deleted alone is let go of by the dashboard page placements
// that call it, and what is left saves.
TEST(ReportFeedingDeletionTest, EachClassFunctionDeletedAloneLeavesNoPlacementCallingIt)
{
    ScriptedMessageBoxes boxes;
    TempFolder temp;
    const std::filesystem::path fixture = fixtureFolder / fixtureName;
    std::size_t count = 0;
    int placed = 0;
    for (std::size_t index = 0; index == 0 || index < count; ++index)
    {
        ProjectStore store;
        ScopedOpenProject open(store);
        ASSERT_TRUE(store.ArchiveProject(nullptr, fixture.string().c_str(), TRUE));
        ForgeonProject& project = *store.GetProject();
        std::vector<Function*> functions;
        for (const Module* module : project.GetModules())
            for (const Class* dataClass : module->GetClasses())
                functions.insert(functions.end(), dataClass->GetFunctions().begin(),
                                 dataClass->GetFunctions().end());
        count = functions.size();
        ASSERT_LT(index, count);
        Function* function = functions[index];
        const CString name = function->GetFieldName();
        std::vector<DashBoardPage*> pages;
        for (const Module* module : project.GetModules())
            pages.insert(pages.end(), module->GetDashBoardPages().begin(),
                         module->GetDashBoardPages().end());
        const auto calls = [&pages](const Function* called)
        {
            int found = 0;
            for (const DashBoardPage* page : pages)
                for (const DashBoardPageData* placement : page->GetPlacements())
                    if (placement->GetClassInvokation() != nullptr &&
                        placement->GetClassInvokation()->GetFunction() == called)
                        ++found;
            return found;
        };
        placed += calls(function);
        EXPECT_TRUE(project.DeleteFunction(function)) << name;
        EXPECT_EQ(calls(function), 0) << name;
        EXPECT_TRUE(store.ArchiveProject(&project, (temp.Path() / "after.wvt").c_str(), FALSE))
            << name;
    }
    EXPECT_GT(placed, 0) << "a placement calls a class function";
}
} // namespace
