#include "entities/ApplicationReport.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/shell/ShellTestSupport.h"

#include <QTest>
#include <QTreeWidget>

namespace
{
class TreeDragTest : public ::testing::Test
{
protected:
    TreeDragTest()
    {
        second = program.Project().AddNewModule();
        View().RefreshTree();
        Tree().Expand(Node(Base(), TreeSlot::SearchReports), TVE_EXPAND);
        Tree().Expand(static_cast<HTREEITEM>(View().GetProjectTree().GetModuleItem(1)), TVE_EXPAND);
        Tree().EnsureVisible(Node(*second, TreeSlot::SearchReports));
        QApplication::processEvents();
    }

    ForgeonView& View() const { return *program.Frame().GetTreeView(); }
    CTreeCtrl& Tree() const { return View().GetTreeCtrl(); }
    QTreeWidget* Widget() const { return static_cast<QTreeWidget*>(Tree().GetSafeHwnd()); }
    Module& Base() const { return *program.Project().GetBaseModule(); }
    static HTREEITEM Node(Module& module, int slot)
    {
        return static_cast<HTREEITEM>((*module.GetTreeItems())[slot]);
    }
    // A point of the item's label in the viewport.
    QPoint PointOf(HTREEITEM item) const
    {
        CRect label;
        EXPECT_TRUE(Tree().GetItemRect(item, &label, TRUE));
        const QPoint offset = Widget()->viewport()->mapTo(Widget(), QPoint(0, 0));
        return QPoint(label.left + 3, label.CenterPoint().y) - offset;
    }
    // Presses on the item, moves past the drag distance and over the target, releases there.
    void Drag(HTREEITEM item, HTREEITEM target)
    {
        QWidget* viewport = Widget()->viewport();
        const QPoint press = PointOf(item);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, press);
        QTest::mouseMove(viewport, press + QPoint(QApplication::startDragDistance() + 5, 0));
        dragged = View().GetDraggedItem();
        const QPoint over = PointOf(target);
        QTest::mouseMove(viewport, over);
        highlighted = Tree().GetDropHilightItem();
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, over);
        QApplication::processEvents();
    }

    RunningProgram program;
    Module* second = nullptr;
    HTREEITEM dragged = nullptr;
    HTREEITEM highlighted = nullptr;
};

TEST_F(TreeDragTest, ASearchReportDraggedOntoAnotherModuleMovesAfterTheQuestion)
{
    ApplicationReport* report = Base().GetReports().front();
    const HTREEITEM item = Tree().GetChildItem(Node(Base(), TreeSlot::SearchReports));
    const HTREEITEM target = Node(*second, TreeSlot::SearchReports);
    program.boxes.Answer(IDOK);
    Drag(item, target);

    EXPECT_EQ(dragged, item);
    EXPECT_EQ(highlighted, target);
    EXPECT_EQ(View().GetDraggedItem(), nullptr);
    EXPECT_EQ(Tree().GetDropHilightItem(), nullptr);
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text, "Moving Search Report '" +
                                                 std::string(report->GetFormName()) +
                                                 "' from BaseModule, to Module2");
    EXPECT_EQ(second->FindReportById(report->GetId()), report);
    EXPECT_EQ(Base().FindReportById(report->GetId()), nullptr);
    const HTREEITEM node = Node(*second, TreeSlot::SearchReports);
    EXPECT_TRUE(Tree().IsExpanded(node));
    EXPECT_EQ(Tree().GetItemText(Tree().GetChildItem(node)), report->GetFormName());
}
} // namespace
