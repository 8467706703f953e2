#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/EntityUsageSet.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <typeinfo>
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

TEST(EntityUsageSetTest, AddingAnEntityTwiceKeepsOneEntry)
{
    EntityUsageSet set;
    Table table;
    Procedure procedure;
    Function function;
    Class dataClass;
    Designation role;
    for (int round = 0; round < 2; ++round)
    {
        set.AddTable(&table);
        set.AddProcedure(&procedure);
        set.AddFunction(&function);
        set.AddClass(&dataClass);
        set.AddRole(&role);
    }
    EXPECT_EQ(1u, set.GetTables().size());
    EXPECT_EQ(1u, set.GetProcedures().size());
    EXPECT_EQ(1u, set.GetFunctions().size());
    EXPECT_EQ(1u, set.GetClasses().size());
    EXPECT_EQ(1u, set.GetRoles().size());

    Procedure other;
    set.AddProcedure(&other);
    EXPECT_EQ(&other, set.GetProcedureAt(1));
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

TEST(EntityUsageSetTest, FormIsFoundAgainThroughItsPagePartAndLoginPageIsNotRecorded)
{
    EntityUsageSet set;
    Form form;
    set.AddFormInterface(&form);
    set.AddFormInterface(static_cast<FormInterface*>(&form));
    ASSERT_EQ(1u, set.GetForms().size());
    EXPECT_EQ(&form, set.GetFormAt(0));

    LoginPage loginPage;
    set.AddFormInterface(&loginPage);
    EXPECT_EQ(1u, PageCount(set));
    EXPECT_EQ(nullptr, set.GetLoginPage());
}

TEST(EntityUsageSetTest, IndexOutsideAListGivesNull)
{
    EntityUsageSet set;
    Table table;
    Form form;
    Transaction transaction;
    Procedure procedure;
    ApplicationReport report;
    Class dataClass;
    set.AddTable(&table);
    set.AddFormInterface(&form);
    set.AddFormInterface(&transaction);
    set.AddProcedure(&procedure);
    set.AddFormInterface(&report);
    set.AddClass(&dataClass);

    EXPECT_EQ(&table, set.GetTableAt(0));
    EXPECT_EQ(&form, set.GetFormAt(0));
    EXPECT_EQ(&transaction, set.GetTransactionAt(0));
    EXPECT_EQ(&procedure, set.GetProcedureAt(0));
    EXPECT_EQ(&report, set.GetReportAt(0));
    EXPECT_EQ(&dataClass, set.GetClassAt(0));
    for (int index : {-1, 1})
    {
        EXPECT_EQ(nullptr, set.GetTableAt(index));
        EXPECT_EQ(nullptr, set.GetFormAt(index));
        EXPECT_EQ(nullptr, set.GetTransactionAt(index));
        EXPECT_EQ(nullptr, set.GetProcedureAt(index));
        EXPECT_EQ(nullptr, set.GetReportAt(index));
        EXPECT_EQ(nullptr, set.GetClassAt(index));
    }
}

TEST(EntityUsageSetTest, ClearEmptiesEveryListAndTheLoginPage)
{
    EntityUsageSet set;
    Table table;
    DashBoard dashBoard;
    Function function;
    LoginPage loginPage;
    set.AddTable(&table);
    set.AddFormInterface(&dashBoard);
    set.AddFunction(&function);
    set.SetLoginPage(&loginPage);

    set.Clear();
    EXPECT_TRUE(set.GetTables().empty());
    EXPECT_TRUE(set.GetDashBoards().empty());
    EXPECT_TRUE(set.GetFunctions().empty());
    EXPECT_EQ(nullptr, set.GetLoginPage());
}

TEST(ProjectDiagnosticsTest, TextsAtBadIndexesAreEmptyAndRemovalsIgnoreThem)
{
    ProjectDiagnostics diagnostics;
    diagnostics.AddError("Table has no key");
    diagnostics.AddWarning("Form has no caption");
    diagnostics.AddIgnoredWarning("Menu is empty");

    EXPECT_EQ(CString("Table has no key"), diagnostics.GetError(0));
    EXPECT_EQ(CString("Form has no caption"), diagnostics.GetWarning(0));
    EXPECT_EQ(CString("Menu is empty"), diagnostics.GetIgnoredWarning(0));
    for (int index : {-1, 1})
    {
        EXPECT_TRUE(diagnostics.GetError(index).IsEmpty());
        EXPECT_TRUE(diagnostics.GetWarning(index).IsEmpty());
        EXPECT_TRUE(diagnostics.GetIgnoredWarning(index).IsEmpty());
        diagnostics.RemoveWarningAt(index);
        diagnostics.RemoveIgnoredWarningAt(index);
    }
    EXPECT_EQ(1u, diagnostics.GetWarnings().size());
    EXPECT_EQ(1u, diagnostics.GetIgnoredWarnings().size());

    diagnostics.RemoveWarningAt(0);
    diagnostics.RemoveIgnoredWarningAt(0);
    EXPECT_TRUE(diagnostics.GetWarnings().empty());
    EXPECT_TRUE(diagnostics.GetIgnoredWarnings().empty());
    EXPECT_EQ(1u, diagnostics.GetErrors().size());
}

TEST(ProjectDiagnosticsTest, WarningLookupsCompareExactly)
{
    ProjectDiagnostics diagnostics;
    diagnostics.AddWarning("Form has no caption");
    diagnostics.AddIgnoredWarning("Menu is empty");

    EXPECT_TRUE(diagnostics.IsWarning("Form has no caption"));
    EXPECT_FALSE(diagnostics.IsWarning("form has no caption"));
    EXPECT_FALSE(diagnostics.IsWarning("Menu is empty"));
    EXPECT_TRUE(diagnostics.IsIgnoredWarning("Menu is empty"));
    EXPECT_FALSE(diagnostics.IsIgnoredWarning("Menu is empty "));
    EXPECT_FALSE(diagnostics.IsIgnoredWarning("Form has no caption"));
}

TEST(ProjectDiagnosticsTest, ClearingEmptiesErrorsAndWarningsOrAllThreeLists)
{
    ProjectDiagnostics diagnostics;
    diagnostics.AddError("e");
    diagnostics.AddWarning("w");
    diagnostics.AddIgnoredWarning("i");
    diagnostics.ClearErrorsAndWarnings();
    EXPECT_TRUE(diagnostics.GetErrors().empty());
    EXPECT_TRUE(diagnostics.GetWarnings().empty());
    EXPECT_EQ(std::vector<CString>{"i"}, diagnostics.GetIgnoredWarnings());

    diagnostics.AddError("e");
    diagnostics.ClearAll();
    EXPECT_TRUE(diagnostics.GetErrors().empty());
    EXPECT_TRUE(diagnostics.GetWarnings().empty());
    EXPECT_TRUE(diagnostics.GetIgnoredWarnings().empty());
}

TEST(ProjectDiagnosticsTest, PopMakesThePreviousSetCurrentWithItsContents)
{
    ProjectDiagnostics diagnostics;
    Table table;
    EntityUsageSet& first = diagnostics.GetCurrentUsageSet();
    first.AddTable(&table);

    diagnostics.PushUsageSet();
    EntityUsageSet& nested = diagnostics.GetCurrentUsageSet();
    EXPECT_NE(&first, &nested);
    EXPECT_TRUE(nested.GetTables().empty());
    nested.AddTable(&table);
    EXPECT_EQ(2, diagnostics.GetUsageSetDepth());

    diagnostics.PopUsageSet();
    EXPECT_EQ(&first, &diagnostics.GetCurrentUsageSet());
    ASSERT_EQ(1u, first.GetTables().size());
    EXPECT_EQ(&table, first.GetTableAt(0));
}

TEST(ProjectDiagnosticsTest, TheFirstSetIsNeverPopped)
{
    ProjectDiagnostics diagnostics;
    EXPECT_EQ(1, diagnostics.GetUsageSetDepth());
    EntityUsageSet& first = diagnostics.GetCurrentUsageSet();
    diagnostics.PopUsageSet();
    EXPECT_EQ(1, diagnostics.GetUsageSetDepth());
    EXPECT_EQ(&first, &diagnostics.GetCurrentUsageSet());
}

TEST(ProjectDiagnosticsTest, ReportWritesErrorsThenWarningsToTheProjectFolderAndShowsThem)
{
    TempFolder folder;
    ForgeonProject project;
    project.SetProjectSettings(new ProjectSettings);
    project.SetProjectPath(folder.ModelPath());
    const auto previous = MainFrameAccess::SetProjectSource([&project] { return &project; });
    ProjectDiagnostics diagnostics;
    diagnostics.AddError("Table used in relations");
    diagnostics.AddWarning("a warning");
    ScriptedMessageBoxes boxes;

    diagnostics.ReportErrors(false);
    EXPECT_TRUE(boxes.Shown().empty());
    diagnostics.ReportErrors(true);
    MainFrameAccess::SetProjectSource(previous);

    std::ifstream log(folder.Path() / "errorLog.txt", std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ("Table used in relations\r\na warning\r\n", written);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("Table used in relations\na warning\n", boxes.Shown().front().text);
}

TEST(ProjectDiagnosticsTest, AnEmptyReportShowsNothingAndNeedsNoProjectFolder)
{
    const auto previous = MainFrameAccess::SetProjectSource({});
    ProjectDiagnostics diagnostics;
    ScriptedMessageBoxes boxes;
    diagnostics.ReportErrors(true);
    MainFrameAccess::SetProjectSource(previous);
    EXPECT_TRUE(boxes.Shown().empty());
}
