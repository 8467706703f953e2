// The report lines of the page, class, validation, recompute and sweep resolvers, each met by
// calling the resolver after a run on objects that neither project holds nor the collector knows;
// the sweep's, on objects that only the second project holds.
#include "entities/AspFile.h"
#include "entities/DateValidation.h"
#include "entities/LinkControl.h"
#include "entities/MapForm.h"
#include "entities/Parameter.h"
#include "entities/ProcedureInvokation.h"
#include "model/EventRecmpFields.h"
#include "model/FieldVisibility.h"
#include "model/VisibilityData.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/properties/MergeFixtureProjects.h"

#include <functional>
#include <memory>

class MergeReportLineTest : public MergeRun
{
};

namespace
{

// A call of a procedure that neither project holds.
ProcedureInvokation* CallOf(Procedure* procedure)
{
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    return call;
}
} // namespace

TEST_F(MergeReportLineTest, EachResolverWritesItsLineForWhatItCannotFind)
{
    Load(BuildSalesFixture("First", Path("a")), NewSalesProject("Second", Path("b")));
    ScriptedMergeSelection selection = ScriptedMergeSelection::Entities("Sales", {}, false);
    ProjectMerger merger(First(), Second(), selection);
    ASSERT_TRUE(merger.Merge());

    // What the cases build on: a table and a procedure of nowhere, a table the first project
    // has, and the first project's data class of it.
    auto ghost = std::unique_ptr<Table>(NewTable("ghost", Table::masterKind, {"x"}));
    Field* ghostField = ghost->FindFieldByName("x");
    auto customer = std::unique_ptr<Table>(NewTable("customer", Table::masterKind, {"name"}));
    auto nowhere = std::unique_ptr<Procedure>(NewProcedure("PRC_nowhere", ghost.get()));
    auto tableless = std::make_unique<Field>();
    tableless->SetFieldName("y");
    Form target;

    struct Case
    {
        const char* name;
        std::function<void()> run;
        std::string lines;
    };
    const Case cases[] = {
        {"report of a master form",
         [&]
         {
             Form source;
             source.SetName("orders_form");
             ApplicationReport report;
             report.SetName("ghost Report");
             source.SetReport(&report);
             merger.ResolveMasterForm(&source, &target);
         },
         "ghost Report report of orders_form master Form is not present in first file\n\n"},
        {"page file, controls",
         [&]
         {
             Form source;
             AspFile* file = AddPageFile(&source, 1);
             file->SetBaseName("lost");
             source.AddFieldRep(new FieldRep(ghostField));
             source.AddFieldRep(new FieldRep(tableless.get()));
             Form page;
             merger.ResolvePage(&page, &source);
         },
         "/lost_add.asp asp not found in first file!\n\n"
         "fieldRep for x field in ghost table not\t\t\t\t\t\t\t\t\tfound in first file!\n\n"
         "fieldRep for y field(Ref/Derived) not found in first file!\n\n"},
        {"control without field counterpart",
         [&]
         {
             FieldRep source(ghostField);
             FieldRep made;
             EXPECT_FALSE(merger.ResolveFieldRep(&source, &made, nullptr));
         },
         "x fieldRep in ghost table not found in first file!\n\n"},
        {"controls of a field of no table and of no field",
         [&]
         {
             FieldRep ofTableless(tableless.get());
             FieldRep withoutField;
             FieldRep made;
             EXPECT_FALSE(merger.ResolveFieldRep(&ofTableless, &made, nullptr));
             EXPECT_FALSE(merger.ResolveFieldRep(&withoutField, &made, nullptr));
         },
         "y fieldRep not found in first file!\n\n"},
        {"menu opening a page file of nowhere",
         [&]
         {
             Form page;
             page.SetName("nowhere_form");
             AspFile* file = AddPageFile(&page, 1);
             file->SetBaseName("nowhere");
             Menu source;
             source.SetName("Lost");
             source.SetAspFile(file);
             Menu made;
             merger.ResolveMenuInterface(&source, &made);
             source.SetAspFile(nullptr);
         },
         "/nowhere_add.asp Aspx file to the Lost menu can not be found in KWA1\n\n"},
        {"class table",
         [&]
         {
             Class source;
             source.SetName("_ghost");
             source.SetTable(ghost.get());
             Class made;
             merger.ResolveClass(&source, &made);
         },
         "ghost ParentTable not found in _ghost class in first file!\n\n"},
        {"function parts",
         [&]
         {
             Class owner;
             owner.SetName("_customer");
             Function source;
             source.SetName("price");
             source.SetClass(&owner);
             source.SetTable(customer.get());
             source.AddParameter(new Parameter);
             source.GetParameters().back()->SetName("rate");
             source.AddUsedTable(ghost.get());
             source.AddOutputField(new ProcedureFieldInfo(ghostField, 0));
             Function made;
             merger.ResolveFunction(&source, &made);
         },
         "rate parameter not found in price function in first file!\n\n"
         "ghost dependentTable not found in price function in first file!\n\n"
         "x fieldInfo not found in price function first file!\n\n"},
        {"function table and class",
         [&]
         {
             Function withoutTable;
             withoutTable.SetName("lost");
             withoutTable.SetTable(ghost.get());
             Function made;
             merger.ResolveFunction(&withoutTable, &made);
             Class owner;
             owner.SetName("_ghost");
             Function withoutClass;
             withoutClass.SetName("orphan");
             withoutClass.SetClass(&owner);
             withoutClass.SetTable(customer.get());
             Function other;
             merger.ResolveFunction(&withoutClass, &other);
         },
         "ghost Maintable not found in lost function in first file!\n\n"
         "_ghost ParentClass not found for orphan function in first file!\n\n"},
        {"date validation and visibility",
         [&]
         {
             DateValidation rule(nullptr, 1, CallOf(nowhere.get()), nullptr);
             EXPECT_EQ(merger.CopyDateValidation(&rule, &target), nullptr);
             VisibilityData data;
             data.SetDataProcedure(CallOf(nowhere.get()));
             VisibilityData made;
             EXPECT_FALSE(merger.CopyVisibilityData(&data, &made, &target));
         },
         "PRC_nowhere procedure is not found in KWA1 for dateValidation\n\n"
         "PRC_nowhere procedure is not found in KWA1 for VisibilityData\n\n"},
        {"recompute",
         [&]
         {
             Form page;
             page.AddFieldRep(new FieldRep(ghostField));
             EventRecmpFields source;
             FieldRep control(ghostField);
             source.AddProcedureRecompute(&control, CallOf(nowhere.get()));
             EventRecmpFields made;
             merger.CopyRecomputeList(&source, &made, &page);
             ASSERT_EQ(made.GetProcedureRecomputes().size(), 1u);
             EXPECT_EQ(made.GetProcedureRecomputes().front()->invokation, nullptr);
         },
         "PRC_nowhere procedure for x recompute FieldRep is not found in KWA1\n\n"},
        {"sweep",
         [&]
         {
             // What only the second project holds.
             auto* foreign = new Menu;
             foreign->SetName("Foreign");
             SecondSales()->Append(foreign);
             auto* report = new ApplicationReport;
             report->SetName("foreign Report");
             SecondSales()->Append(report);
             Form* form = FirstSales()->FindMasterFormByName("customer_form");
             form->SetReport(report);
             form->AddPreLink(new LinkControl(foreign, 0, 0, 0));
             // A menu map of a page file of the first project showing a leaf only the second
             // holds.
             auto* mapped = new Menu;
             mapped->SetName("Mapped");
             SecondSales()->Append(mapped);
             AspFile* file = form->GetAspFileAt(0);
             file->AddTopMenuVariableMap(MenuVariableMap(mapped));
             // A map form of the first project over a form only the second holds.
             auto* secondForm = NewForm("second_form", nullptr);
             SecondSales()->Append(secondForm);
             auto* mapForm = new MapForm;
             mapForm->SetBottomMasterForm(secondForm);
             FirstSales()->Append(mapForm);
             merger.SweepForeignReferences();
             EXPECT_EQ(form->GetReport(), nullptr);
             EXPECT_EQ(form->GetPreLinkList().back()->GetTarget(), nullptr);
             EXPECT_EQ(mapForm->GetBottomMasterForm(), nullptr);
             EXPECT_EQ(file->FindTopMenuVariableMap(mapped), nullptr);
         },
         "foreign Report report not found in first file!\n\n"
         "Mapped menu not found in first file!\n\n"
         "Foreign menu not found in first file!\n\n"},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        const std::string before = ReportLines(merger);
        test.run();
        EXPECT_EQ(ReportLines(merger).substr(before.size()), test.lines);
    }
}
