#include "model/DependenciesDlg.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectMerger.h"

#include "platform/core/MessageBox.h"

#include <gtest/gtest.h>

namespace
{
// Only the address of a project matters to the seams.
ForgeonProject* FakeProject(int& storage)
{
    return reinterpret_cast<ForgeonProject*>(&storage);
}

std::vector<DependencyRecord*> PointersTo(std::vector<DependencyRecord>& records)
{
    std::vector<DependencyRecord*> pointers;
    for (DependencyRecord& record : records)
        pointers.push_back(&record);
    return pointers;
}
} // namespace

TEST(MainFrameAccessTest, GetProjectAsksTheInstalledSourceAndIsNullWithoutOne)
{
    EXPECT_EQ(nullptr, MainFrameAccess::GetProject());
    int storage = 0;
    ForgeonProject* project = FakeProject(storage);
    MainFrameAccess::SetProjectSource([project] { return project; });
    EXPECT_EQ(project, MainFrameAccess::GetProject());
    const MainFrameAccess::ProjectSource previous = MainFrameAccess::SetProjectSource({});
    ASSERT_TRUE(previous);
    EXPECT_EQ(project, previous());
    EXPECT_EQ(nullptr, MainFrameAccess::GetProject());
}

TEST(DependenciesDlgTest, ScriptedDialogRecordsTitlesAndAnswersInOrder)
{
    std::vector<DependencyRecord> records = {
        {"customer", "Base", 1, DependencyRecord::kTable, false},
        {"orders", "Base", 2, DependencyRecord::kReport, true},
        {"clerk", "Sales", 3, DependencyRecord::kRole, false},
    };
    int parent = 0;
    ScriptedDependenciesDlg scripted;
    scripted.AnswerOk({true, false});
    scripted.AnswerCancel();

    DependenciesDlg first(PointersTo(records), &parent);
    first.SetTitle("Moving page");
    EXPECT_EQ(&parent, first.GetParent());
    EXPECT_EQ(IDOK, first.DoModal());
    EXPECT_TRUE(records[0].selected);
    EXPECT_FALSE(records[1].selected);
    EXPECT_FALSE(records[2].selected);

    records[2].selected = true;
    DependenciesDlg second(PointersTo(records));
    second.SetTitle("Moving menu");
    EXPECT_EQ(IDCANCEL, second.DoModal());
    EXPECT_TRUE(records[0].selected);
    EXPECT_TRUE(records[2].selected);

    DependenciesDlg third(PointersTo(records));
    EXPECT_EQ(IDCANCEL, third.DoModal());
    EXPECT_TRUE(records[2].selected);

    EXPECT_EQ((std::vector<CString>{"Moving page", "Moving menu", ""}), scripted.Titles());
    EXPECT_EQ(1u, scripted.UnscriptedCount());
}

TEST(DependenciesDlgTest, WithoutHandlerCancelsAndLeavesTheFlags)
{
    std::vector<DependencyRecord> records(2);
    records[1].selected = true;
    {
        ScriptedDependenciesDlg scripted;
        scripted.AnswerOk({true, true});
    }
    DependenciesDlg dialog(PointersTo(records));
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(records[0].selected);
    EXPECT_TRUE(records[1].selected);
}

TEST(ProjectMergerTest, ScriptedMergerRecordsBothProjectsAndAnswersItsResult)
{
    EXPECT_EQ(nullptr, CreateProjectMerger(nullptr, nullptr));
    int firstStorage = 0;
    int secondStorage = 0;
    ForgeonProject* first = FakeProject(firstStorage);
    ForgeonProject* second = FakeProject(secondStorage);
    {
        ScriptedProjectMerger scripted(false);
        const std::unique_ptr<ProjectMergerInterface> merger = CreateProjectMerger(first, second);
        ASSERT_NE(nullptr, merger);
        EXPECT_TRUE(scripted.Runs().empty());
        EXPECT_FALSE(merger->Merge());
        ASSERT_EQ(1u, scripted.Runs().size());
        EXPECT_EQ(first, scripted.Runs()[0].first);
        EXPECT_EQ(second, scripted.Runs()[0].second);
    }
    EXPECT_EQ(nullptr, CreateProjectMerger(first, second));

    ScriptedProjectMerger succeeding(true);
    EXPECT_TRUE(CreateProjectMerger(second, first)->Merge());
    ASSERT_EQ(1u, succeeding.Runs().size());
    EXPECT_EQ(second, succeeding.Runs()[0].first);
}
