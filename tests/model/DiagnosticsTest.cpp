#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/DateValidation.h"
#include "entities/Designation.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/XSDInfo.h"
#include "model/EntityUsageSet.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "model/ValidationData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/HostFiles.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace
{
// The number of entries in every page list of the set.
std::size_t PageCount(const EntityUsageSet& set)
{
    return set.GetForms().size() + set.GetTransactions().size() + set.GetReports().size() +
           set.GetRDLCReports().size() + set.GetMapForms().size() + set.GetDashBoardPages().size() +
           set.GetDashBoards().size() + set.GetMultiPageReports().size() +
           set.GetReportCollectors().size();
}

// Records the page twice and checks that it landed once in the given list and nowhere else.
template <class Page, class List>
void ExpectRecordedOnceIn(const List& (EntityUsageSet::*list)() const)
{
    Page page;
    EntityUsageSet set;
    set.AddFormInterface(&page);
    set.AddFormInterface(&page);
    ASSERT_EQ(1u, (set.*list)().size()) << typeid(Page).name();
    EXPECT_EQ(&page, (set.*list)().front());
    EXPECT_EQ(1u, PageCount(set)) << typeid(Page).name();
}
} // namespace

// Each entity is recorded once; an index out of range gives none; a form recorded through its
// page part is the same form; the login page is kept apart and cleared with the rest.
TEST(EntityUsageSetTest, EntitiesAreRecordedOnceFoundByIndexAndClearedWithTheLoginPage)
{
    EntityUsageSet set;
    Table table;
    Procedure procedure;
    Form form;
    LoginPage loginPage;
    for (int round = 0; round < 2; ++round)
    {
        set.AddTable(&table);
        set.AddProcedure(&procedure);
        set.AddFormInterface(round == 0 ? &form : static_cast<FormInterface*>(&form));
    }
    set.AddFormInterface(&loginPage);
    EXPECT_EQ(std::vector<Table*>{&table}, set.GetTables());
    EXPECT_EQ(&form, set.GetFormAt(0));
    EXPECT_EQ(1u, PageCount(set));
    for (int index : {-1, 1})
    {
        EXPECT_EQ(nullptr, set.GetProcedureAt(index));
        EXPECT_EQ(nullptr, set.GetFormAt(index));
    }

    set.Clear();
    EXPECT_TRUE(set.GetTables().empty());
    EXPECT_TRUE(set.GetProcedures().empty());
    EXPECT_EQ(0u, PageCount(set));
}

TEST(EntityUsageSetTest, PagesGoIntoTheListOfTheirOwnTypeOnly)
{
    ExpectRecordedOnceIn<Form>(&EntityUsageSet::GetForms);
    ExpectRecordedOnceIn<Transaction>(&EntityUsageSet::GetTransactions);
    ExpectRecordedOnceIn<ApplicationReport>(&EntityUsageSet::GetReports);
    ExpectRecordedOnceIn<RDLCReport>(&EntityUsageSet::GetRDLCReports);
    ExpectRecordedOnceIn<MapForm>(&EntityUsageSet::GetMapForms);
    ExpectRecordedOnceIn<DashBoardPage>(&EntityUsageSet::GetDashBoardPages);
    ExpectRecordedOnceIn<DashBoard>(&EntityUsageSet::GetDashBoards);
    ExpectRecordedOnceIn<MultiPageReport>(&EntityUsageSet::GetMultiPageReports);
    ExpectRecordedOnceIn<ReportCollector>(&EntityUsageSet::GetReportCollectors);
}

// Bad indexes give nothing and remove nothing; texts compare exactly; clearing errors and
// warnings keeps the ignored ones.
TEST(ProjectDiagnosticsTest, ListsIgnoreBadIndexesCompareExactlyAndClearInTwoWays)
{
    ProjectDiagnostics diagnostics;
    diagnostics.AddError("Table has no key");
    diagnostics.AddWarning("Form has no caption");
    diagnostics.AddIgnoredWarning("Menu is empty");
    for (int index : {-1, 1})
    {
        EXPECT_TRUE(diagnostics.GetWarning(index).IsEmpty());
        diagnostics.RemoveWarningAt(index);
        diagnostics.RemoveIgnoredWarningAt(index);
    }
    EXPECT_EQ(CString("Form has no caption"), diagnostics.GetWarning(0));
    EXPECT_EQ(1u, diagnostics.GetIgnoredWarnings().size());
    EXPECT_FALSE(diagnostics.IsWarning("form has no caption"));
    EXPECT_FALSE(diagnostics.IsWarning("Menu is empty"));
    EXPECT_FALSE(diagnostics.IsIgnoredWarning("Menu is empty "));

    diagnostics.ClearErrorsAndWarnings();
    EXPECT_TRUE(diagnostics.GetErrors().empty());
    EXPECT_TRUE(diagnostics.GetWarnings().empty());
    EXPECT_EQ(std::vector<CString>{"Menu is empty"}, diagnostics.GetIgnoredWarnings());
    diagnostics.AddError("e");
    diagnostics.ClearAll();
    EXPECT_TRUE(diagnostics.GetErrors().empty());
    EXPECT_TRUE(diagnostics.GetIgnoredWarnings().empty());
}

TEST(ProjectDiagnosticsTest, PopMakesThePreviousSetCurrentButNeverPopsTheFirst)
{
    ProjectDiagnostics diagnostics;
    Table table;
    EntityUsageSet& first = diagnostics.GetCurrentUsageSet();
    first.AddTable(&table);
    EXPECT_EQ(1, diagnostics.GetUsageSetDepth());

    diagnostics.PushUsageSet();
    EntityUsageSet& nested = diagnostics.GetCurrentUsageSet();
    EXPECT_NE(&first, &nested);
    EXPECT_TRUE(nested.GetTables().empty());
    nested.AddTable(&table);
    EXPECT_EQ(2, diagnostics.GetUsageSetDepth());

    diagnostics.PopUsageSet();
    diagnostics.PopUsageSet();
    EXPECT_EQ(1, diagnostics.GetUsageSetDepth());
    EXPECT_EQ(&first, &diagnostics.GetCurrentUsageSet());
    ASSERT_EQ(1u, first.GetTables().size());
    EXPECT_EQ(&table, first.GetTableAt(0));
}

TEST(ProjectDiagnosticsTest, ReportWritesErrorsThenWarningsToTheProjectFolderAndShowsThem)
{
    const auto previous = MainFrameAccess::SetProjectSource({});
    ScriptedMessageBoxes boxes;
    ProjectDiagnostics diagnostics;
    diagnostics.ReportErrors(true);
    EXPECT_TRUE(boxes.Shown().empty());

    TempFolder folder;
    ForgeonProject project;
    project.SetProjectSettings(new ProjectSettings);
    project.SetProjectPath(folder.ModelPath());
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    diagnostics.AddError("Table used in relations");
    diagnostics.AddWarning("a warning");
    diagnostics.ReportErrors(false);
    EXPECT_TRUE(boxes.Shown().empty());
    diagnostics.ReportErrors(true);
    MainFrameAccess::SetProjectSource(previous);

    EXPECT_EQ("Table used in relations\r\na warning\r\n",
              ReadHostFile(folder.Path() / "errorLog.txt"));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("Table used in relations\na warning\n", boxes.Shown().front().text);
}

namespace
{
// A page file of the kind, owned by the page.
AspFile* AddPageFileOfKind(FormInterface& page, int fileKind)
{
    page.CreateAspFile(fileKind, 0);
    return page.GetAspFiles().back();
}

// A binding of the column that feeds the target.
void Bind(ReportField& column, Variable* target)
{
    auto* binding = new ReportFieldBinding;
    binding->m_target = target;
    column.AddBinding(binding);
}

// A dashboard placement on the page, called by the procedure when one is given.
DashBoardPageData* Place(DashBoardPage& page, DashBoard* dashBoard, Procedure* procedure)
{
    auto* placement = new DashBoardPageData(dashBoard);
    if (procedure != nullptr)
        placement->SetProcedureInvokation(CallOfProcedure(procedure));
    page.AddPlacement(placement);
    return placement;
}
} // namespace

using EntityUsageSetRemovalTest = PageOperationsTest;

TEST_F(EntityUsageSetRemovalTest, PageLinksLeaveOnlyTheMenusOfTheRemovedPageOnBothSides)
{
    Form removed;
    Form kept;
    AspFile* removedMain = AddPageFileOfKind(removed, 1);
    AspFile* removedList = AddPageFileOfKind(removed, 2);
    AspFile* keptMain = AddPageFileOfKind(kept, 1);
    Variable* removedVariable = NewVariable("removed_var");
    Variable* keptVariable = NewVariable("kept_var");
    {
        Menu opening;
        Menu other;
        ReportField column;
        ReportField otherColumn;
        opening.SetAspFile(removedMain);
        opening.AddPageFile(removedList);
        opening.AddPageFile(keptMain);
        other.SetAspFile(keptMain);
        column.SetAspFile(removedList);
        Bind(column, removedVariable);
        otherColumn.SetAspFile(keptMain);
        Bind(otherColumn, keptVariable);
        for (MenuInterface* item :
             std::initializer_list<MenuInterface*>{&opening, &other, &column, &otherColumn})
            UsageSet().AddMenuItem(item);

        UsageSet().RemovePageLinks(&removed);

        EXPECT_EQ(nullptr, opening.GetAspFile());
        EXPECT_EQ(std::vector<AspFile*>{keptMain}, opening.GetPageFiles());
        EXPECT_FALSE(removedMain->IsLinkedFrom(&opening));
        EXPECT_FALSE(removedList->IsLinkedFrom(&column));
        EXPECT_EQ(keptMain, other.GetAspFile());
        EXPECT_EQ(nullptr, column.GetAspFile());
        EXPECT_TRUE(column.GetBindings().empty());
        EXPECT_EQ(keptMain, otherColumn.GetAspFile());
        EXPECT_EQ(1u, otherColumn.GetBindings().size());
    }
    // The menus are gone before the page files: a file still listing one would touch it here.
    EXPECT_TRUE(keptMain->GetLinkingItems().empty());
    delete removedVariable;
    delete keptVariable;
}

TEST_F(EntityUsageSetRemovalTest, ProcedureReferencesLeaveEveryKindOfListingPage)
{
    Table table;
    Procedure procedure;
    Procedure other;
    Form form;
    form.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(&table, CallOfProcedure(&procedure)));
    DashBoard dashBoard;
    DashBoardPage dashBoardPage;
    DashBoardPageData* calling = Place(dashBoardPage, &dashBoard, &procedure);
    DashBoardPageData* callingOther = Place(dashBoardPage, &dashBoard, &other);
    LoginPage loginPage;
    loginPage.SetLoginCall(CallOfProcedure(&procedure));
    procedure.AddOutputField(NewField("Price", &table));
    auto* validation = new ValidationData;
    auto* dateRule =
        new DateValidation(nullptr, 0, CallOfProcedure(&procedure), procedure.GetOutputColumnAt(0));
    validation->AddDateValidation(dateRule);
    AddControl(form, table.GetFieldAt(0))->SetValidationData(validation);
    auto* button = new ReportFieldControlProperty;
    button->SetProcedure(&procedure);
    auto* fedByProcedure = new ReportFieldBinding;
    fedByProcedure->m_sourceColumn = procedure.GetOutputColumnAt(0);
    button->AddBinding(fedByProcedure);
    button->AddBinding(new ReportFieldBinding);
    auto* column = new ReportField(nullptr);
    column->SetControlProperty(button);
    ApplicationReport report;
    report.AddReportGroup(new ReportGroup);
    report.GetReportGroups()[0]->AddReportField(column);
    ReferenceList list;
    for (FormInterface* page :
         std::initializer_list<FormInterface*>{&report, &form, &dashBoardPage, &loginPage})
        page->ListReferences(list);

    list.Release(procedure.FreedWithIt());

    EXPECT_TRUE(form.GetUniquenessProcedureTables().empty());
    EXPECT_EQ(nullptr, calling->GetProcedureInvokation());
    EXPECT_EQ(&other, callingOther->GetProcedure());
    EXPECT_EQ(nullptr, loginPage.GetLoginCall()->GetProcedure());
    EXPECT_EQ(nullptr, dateRule->GetProcedureInvokation());
    EXPECT_EQ(nullptr, dateRule->GetResultField());
    EXPECT_EQ(nullptr, button->GetProcedure());
    EXPECT_EQ(1u, button->GetBindings().size());
}

TEST_F(EntityUsageSetRemovalTest, EveryPlacementOfTheDashBoardGoesThroughTheList)
{
    DashBoard removed;
    DashBoard kept;
    DashBoardPage page;
    Place(page, &removed, nullptr);
    Place(page, &kept, nullptr);
    Place(page, &removed, nullptr);
    AspFile* file = AddPageFileOfKind(removed, 0);
    Menu menu;
    menu.SetAspFile(file);
    UsageSet().AddFormInterface(&page);
    UsageSet().AddMenuItem(&menu);

    ReleaseListed(page, {&removed});
    UsageSet().RemovePageLinks(&removed);

    ASSERT_EQ(1u, page.GetPlacements().size());
    EXPECT_EQ(&kept, page.GetDashBoardAt(0));
    EXPECT_EQ(nullptr, menu.GetAspFile());
}

TEST_F(EntityUsageSetRemovalTest, PagesShowingAFormOrAReportLetGoOfItThroughTheirLists)
{
    ApplicationReport removed;
    ApplicationReport kept;
    Table table;
    Form form;
    form.SetTable(&table);
    form.SetReport(&removed);
    Form otherForm;
    otherForm.SetReport(&kept);
    MapForm mapForm;
    mapForm.SetReport(&removed);
    mapForm.SetBottomMasterForm(&form);
    MapForm otherMapForm;
    otherMapForm.SetBottomMasterForm(&otherForm);
    Transaction transaction;
    auto* entry = new DetailTableReport;
    entry->SetTable(&table);
    entry->SetReport(&removed);
    transaction.AddDetailTableReport(entry);
    for (FormInterface* page : std::initializer_list<FormInterface*>{&form, &otherForm, &mapForm,
                                                                     &otherMapForm, &transaction})
    {
        ReleaseListed(*page, {&removed});
        ReleaseListed(*page, {static_cast<FormInterface*>(&form)});
    }

    EXPECT_EQ(nullptr, form.GetReport());
    EXPECT_EQ(&kept, otherForm.GetReport());
    EXPECT_EQ(nullptr, mapForm.GetReport());
    EXPECT_TRUE(transaction.GetDetailTableReports().empty());
    EXPECT_EQ(nullptr, mapForm.GetBottomMasterForm());
    EXPECT_EQ(&otherForm, otherMapForm.GetBottomMasterForm());
}

TEST_F(EntityUsageSetRemovalTest, ReportVariableMapsOfEveryPageKindGoWithEitherVariable)
{
    Variable reportVariable;
    Variable pageVariable;
    Variable kept;
    Form form;
    MapForm mapForm;
    Transaction transaction;
    auto* entry = new DetailTableReport;
    transaction.AddDetailTableReport(entry);
    form.AddReportVariableMap(new ReportVariableMap{&reportVariable, &kept});
    form.AddReportVariableMap(new ReportVariableMap{&kept, &kept});
    mapForm.AddReportVariableMap(new ReportVariableMap{&kept, &pageVariable});
    entry->AddVariablePair(new ReportVariableMap{&reportVariable, &pageVariable});

    EXPECT_EQ(1, ReleaseListed(form, {&reportVariable}));
    EXPECT_EQ(1, ReleaseListed(mapForm, {&pageVariable}));
    EXPECT_EQ(2, ReleaseListed(transaction, {&reportVariable, &pageVariable}));

    // The slots stay, empty, so that the other maps keep their places.
    ASSERT_EQ(2u, form.GetReportVariableMaps().size());
    EXPECT_EQ(nullptr, form.GetReportVariableMaps()[0]);
    EXPECT_EQ(&kept, form.GetReportVariableMaps()[1]->pageVariable);
    EXPECT_EQ(std::vector<ReportVariableMap*>{nullptr}, mapForm.GetReportVariableMaps());
    EXPECT_EQ(std::vector<ReportVariableMap*>{nullptr}, entry->GetVariablePairs());
}

TEST_F(EntityUsageSetRemovalTest, DescriptionsLeaveTheRecordedRDLCReportsOnly)
{
    RDLCInfo info;
    XSDInfo dataSet;
    auto* adapter = new TableAdapter;
    dataSet.AddTableAdapter(adapter);
    RDLCReport recorded;
    RDLCReport unrecorded;
    for (RDLCReport* report : {&recorded, &unrecorded})
    {
        report->SetRDLCInfo(&info);
        report->SetXSDInfo(&dataSet);
        report->AddTableAdapterMap(TableAdapterMap{adapter, {}});
    }
    UsageSet().AddFormInterface(&recorded);

    UsageSet().RemoveRDLCInfoReferences(&info);
    UsageSet().RemoveXSDInfoReferences(&dataSet);

    EXPECT_EQ(nullptr, recorded.GetRDLCInfo());
    EXPECT_EQ(nullptr, recorded.GetXSDInfo());
    EXPECT_TRUE(recorded.GetTableAdapterMaps().empty());
    EXPECT_EQ(&info, unrecorded.GetRDLCInfo());
    EXPECT_EQ(&dataSet, unrecorded.GetXSDInfo());
    EXPECT_EQ(1u, unrecorded.GetTableAdapterMaps().size());
}

TEST_F(EntityUsageSetRemovalTest, MenuReferencesDropEveryEntryOfTheMenuFromRolesAndPages)
{
    Menu removed;
    Menu kept;
    Designation role;
    role.AddMenu(&removed);
    role.AddMenu(&kept);
    Form form;
    AspFile* file = AddPageFileOfKind(form, 1);
    file->SetTopMenu(&removed);
    UsageSet().AddRole(&role);
    UsageSet().AddFormInterface(&form);

    UsageSet().RemoveMenuReferences(&removed);

    EXPECT_FALSE(role.HasMenu(&removed));
    EXPECT_TRUE(role.HasMenu(&kept));
    EXPECT_EQ(nullptr, file->GetTopMenu());
}

TEST_F(EntityUsageSetRemovalTest, FunctionReferencesDeleteTheDashBoardsCallOfTheFunction)
{
    Class dataClass;
    Function removed;
    Function kept;
    DashBoard callingRemoved;
    DashBoard callingKept;
    ReferenceList list;
    for (auto [dashBoard, function] :
         {std::pair{&callingRemoved, &removed}, std::pair{&callingKept, &kept}})
    {
        auto* call = new ClassInvokation;
        call->SetFunction(&dataClass, function);
        dashBoard->SetClassInvokation(call);
        dashBoard->ListReferences(list);
    }

    list.Release(removed.FreedWithIt());

    EXPECT_EQ(nullptr, callingRemoved.GetClassInvokation());
    ASSERT_NE(nullptr, callingKept.GetClassInvokation());
    EXPECT_EQ(&kept, callingKept.GetClassInvokation()->GetFunction());
}

TEST_F(EntityUsageSetRemovalTest, CascadeOfTheCurrentSetLeavesTheSetBelowAlone)
{
    Designation role;
    Menu menu;
    role.AddMenu(&menu);
    UsageSet().AddRole(&role);
    TheProjectDiagnostics().PushUsageSet();
    TheProjectDiagnostics().GetCurrentUsageSet().RemoveMenuReferences(&menu);
    EXPECT_TRUE(role.HasMenu(&menu));
    TheProjectDiagnostics().PopUsageSet();

    TheProjectDiagnostics().GetCurrentUsageSet().RemoveMenuReferences(&menu);

    EXPECT_FALSE(role.HasMenu(&menu));
}
