#include "entities/Designation.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

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

TEST_F(DesignationRecordTest, OldRecordsReadOnlyTheFieldsOfTheirVersionAndALargerIdRaisesTheCounter)
{
    for (int i = 0; i < 3; ++i)
        Designation{TRUE};
    struct Layout
    {
        int version;
        bool dashBoardPage;
        bool activeAndId;
    };
    for (const Layout layout : {Layout{16, false, false}, Layout{17, true, false},
                                Layout{81, true, false}, Layout{82, true, true}})
    {
        SCOPED_TRACE(layout.version);
        ArchiveBytes bytes = RoleRecordStart("role");
        if (layout.dashBoardPage)
            bytes.Null();
        if (layout.activeAndId)
            bytes.Int(0).Int(7);

        const auto role = ReadRecordAndSentinel<Designation>(bytes, layout.version);

        EXPECT_EQ("role", role->GetName());
        EXPECT_EQ(layout.activeAndId ? FALSE : TRUE, role->IsActive());
        EXPECT_EQ(layout.activeAndId ? 7 : -1, role->GetId());
        EXPECT_EQ(layout.activeAndId ? 7 : 3, Designation::GetIdCounter());
    }
    EXPECT_EQ(8, Designation(TRUE).GetId());
}

TEST_F(DesignationRecordTest, RolesReadFromTheMenuSideKeepLinksAndLeaveTheCounterAtTheHighestId)
{
    ScopedArchiveVersion version(CurrentVersion());
    Menu top;
    auto* lines = new Menu;
    top.AddSubMenu(lines);
    Designation clerk(TRUE);
    Designation manager(TRUE);
    clerk.AddMenu(lines);
    manager.AddMenu(lines);
    manager.AddMenu(&top);
    // The manager is read inside the clerk's record, before the clerk's own id.
    clerk.SetReportsTo(&manager);
    const std::vector<BYTE> bytes = SaveObject(&top);

    Designation::ResetIdCounter();
    std::unique_ptr<Menu> loaded(LoadObject<Menu>(bytes));
    ASSERT_EQ(1u, loaded->GetRoles().size());
    std::unique_ptr<Designation> loadedManager(loaded->GetRoles()[0]);
    const Menu* loadedLines = loaded->GetSubMenus().at(0);
    ASSERT_EQ(2u, loadedLines->GetRoles().size());
    std::unique_ptr<Designation> loadedClerk(loadedLines->GetRoles()[0]);

    EXPECT_EQ(2, Designation::GetIdCounter());
    EXPECT_EQ(1, loadedClerk->GetId());
    EXPECT_EQ(loadedManager.get(), loadedLines->GetRoles()[1]);
    EXPECT_EQ(loadedManager.get(), loadedClerk->GetReportsTo());
    EXPECT_EQ((std::vector<Menu*>{const_cast<Menu*>(loadedLines), loaded.get()}),
              loadedManager->GetMenus());

    // A counter already past the ids read stays where it is.
    for (int i = 0; i < 5; ++i)
        Designation{TRUE};
    std::unique_ptr<Menu> loadedAgain(LoadObject<Menu>(bytes));
    std::unique_ptr<Designation> managerAgain(loadedAgain->GetRoles()[0]);
    std::unique_ptr<Designation> clerkAgain(loadedAgain->GetSubMenus()[0]->GetRoles()[0]);
    EXPECT_EQ(7, Designation::GetIdCounter());
}

TEST(DetailTableReportRecordTest, PairsSurviveSaveAndLoadWithNullEntriesStayingNull)
{
    ScopedArchiveVersion version(CurrentVersion());
    Variable reportVariable;
    reportVariable.SetName("from");
    Variable pageVariable;
    DetailTableReport report;
    report.AddVariablePair(new ReportVariableMap{&reportVariable, &pageVariable});
    report.AddVariablePair(nullptr);
    report.AddVariablePair(new ReportVariableMap{});
    report.AddVariablePair(new ReportVariableMap{&pageVariable, &reportVariable});

    std::unique_ptr<DetailTableReport> loaded(LoadObject<DetailTableReport>(SaveObject(&report)));
    const std::vector<ReportVariableMap*>& pairs = loaded->GetVariablePairs();
    ASSERT_EQ(4u, pairs.size());
    ASSERT_TRUE(pairs[0] != nullptr && pairs[3] != nullptr);
    std::unique_ptr<Variable> loadedReportVariable(pairs[0]->reportVariable);
    std::unique_ptr<Variable> loadedPageVariable(pairs[0]->pageVariable);

    EXPECT_EQ("from", loadedReportVariable->GetFieldName());
    EXPECT_EQ(nullptr, pairs[1]);
    EXPECT_EQ(nullptr, pairs[2]);
    EXPECT_EQ(loadedPageVariable.get(), pairs[3]->reportVariable);
    EXPECT_EQ(loadedReportVariable.get(), pairs[3]->pageVariable);
}

} // namespace
