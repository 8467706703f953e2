#include "entities/Designation.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

const int currentVersion = TheVersionHistory().GetCurrentVersion();

// A role record of a version with the role counter reset before it is read.
class DesignationRecordTest : public ::testing::Test
{
protected:
    void SetUp() override { Designation::ResetIdCounter(); }
};

// The part of a role record that every version holds: name, no menus, no reports-to role.
ArchiveBytes RoleRecordStart(const std::string& name)
{
    ArchiveBytes bytes;
    bytes.NewClass("Designation").Str(name).Int(0).Null();
    return bytes;
}

} // namespace

TEST_F(DesignationRecordTest, NewRoleIsActiveAndTakesAnIdOnlyWhenAsked)
{
    Designation loadedKind;
    EXPECT_EQ(-1, loadedKind.GetId());
    EXPECT_EQ(TRUE, loadedKind.IsActive());
    EXPECT_EQ(0, Designation::GetIdCounter());

    Designation first(TRUE);
    Designation second(TRUE);
    EXPECT_EQ(1, first.GetId());
    EXPECT_EQ(2, second.GetId());
    EXPECT_EQ(2, Designation::GetIdCounter());
}

TEST_F(DesignationRecordTest, OldRecordsReadOnlyTheFieldsOfTheirVersion)
{
    struct Layout
    {
        int version;
        bool dashBoardPage;
        bool activeAndId;
    };
    for (const Layout layout : {Layout{16, false, false}, Layout{17, true, false},
                                Layout{81, true, false}, Layout{82, true, true}})
    {
        ScopedArchiveVersion version(layout.version);
        ArchiveBytes bytes = RoleRecordStart("role");
        if (layout.dashBoardPage)
            bytes.Null();
        if (layout.activeAndId)
            bytes.Int(0).Int(7);

        const LoadedRecord<Designation> loaded =
            LoadWithSentinel<Designation>(bytes.Int(recordSentinel).Get());
        std::unique_ptr<Designation> role(loaded.object);

        EXPECT_EQ(recordSentinel, loaded.trailer) << layout.version;
        EXPECT_EQ("role", role->GetName()) << layout.version;
        EXPECT_EQ(layout.activeAndId ? FALSE : TRUE, role->IsActive()) << layout.version;
        EXPECT_EQ(layout.activeAndId ? 7 : -1, role->GetId()) << layout.version;
    }
}

TEST_F(DesignationRecordTest, ReadingALargerIdRaisesTheCounterForNewRoles)
{
    for (int i = 0; i < 3; ++i)
        Designation{TRUE};
    ScopedArchiveVersion version(82);
    const auto bytes = RoleRecordStart("new").Null().Int(1).Int(7).Get();

    std::unique_ptr<Designation> role(LoadObject<Designation>(bytes));

    EXPECT_EQ(7, Designation::GetIdCounter());
    EXPECT_EQ(8, Designation(TRUE).GetId());
}

TEST_F(DesignationRecordTest, LoadingRolesLeavesTheCounterAtTheHighestIdRead)
{
    ScopedArchiveVersion version(currentVersion);
    Menu menu;
    Designation clerk(TRUE);
    Designation manager(TRUE);
    clerk.AddMenu(&menu);
    manager.AddMenu(&menu);
    // The manager is read inside the clerk's record, before the clerk's own id.
    clerk.SetReportsTo(&manager);
    const std::vector<BYTE> bytes = SaveObject(&menu);

    Designation::ResetIdCounter();
    std::unique_ptr<Menu> loaded(LoadObject<Menu>(bytes));
    ASSERT_EQ(2u, loaded->GetRoles().size());
    std::unique_ptr<Designation> loadedClerk(loaded->GetRoles()[0]);
    std::unique_ptr<Designation> loadedManager(loaded->GetRoles()[1]);
    EXPECT_EQ(2, Designation::GetIdCounter());
    EXPECT_EQ(loadedManager.get(), loadedClerk->GetReportsTo());
    EXPECT_EQ(1, loadedClerk->GetId());

    // A counter already past the ids read stays where it is.
    Designation::ResetIdCounter();
    for (int i = 0; i < 7; ++i)
        Designation{TRUE};
    std::unique_ptr<Menu> loadedAgain(LoadObject<Menu>(bytes));
    std::unique_ptr<Designation> clerkAgain(loadedAgain->GetRoles()[0]);
    std::unique_ptr<Designation> managerAgain(loadedAgain->GetRoles()[1]);
    EXPECT_EQ(7, Designation::GetIdCounter());
}

TEST(DetailTableReportRecordTest, PairsSurviveSaveAndLoadWithNullEntriesStayingNull)
{
    ScopedArchiveVersion version(currentVersion);
    Variable reportVariable;
    reportVariable.SetName("from");
    Variable pageVariable;
    DetailTableReport report;
    report.AddVariablePair(new ReportVariableMap{&reportVariable, &pageVariable});
    report.AddVariablePair(nullptr);
    report.AddVariablePair(new ReportVariableMap{});
    report.AddVariablePair(new ReportVariableMap{&pageVariable, &reportVariable});

    std::unique_ptr<DetailTableReport> loaded(LoadObject<DetailTableReport>(SaveObject(&report)));
    ASSERT_EQ(4u, loaded->GetVariablePairs().size());
    const ReportVariableMap* first = loaded->GetVariablePairs()[0];
    ASSERT_NE(nullptr, first);
    std::unique_ptr<Variable> loadedReportVariable(first->reportVariable);
    std::unique_ptr<Variable> loadedPageVariable(first->pageVariable);

    EXPECT_EQ("from", loadedReportVariable->GetFieldName());
    EXPECT_EQ(nullptr, loaded->GetVariablePairs()[1]);
    EXPECT_EQ(nullptr, loaded->GetVariablePairs()[2]);
    const ReportVariableMap* last = loaded->GetVariablePairs()[3];
    ASSERT_NE(nullptr, last);
    EXPECT_EQ(loadedPageVariable.get(), last->reportVariable);
    EXPECT_EQ(loadedReportVariable.get(), last->pageVariable);
}
