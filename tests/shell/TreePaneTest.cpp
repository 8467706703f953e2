#include "model/Table.h"
#include "shell/ForgeonView.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

#include <QFontMetrics>
#include <QPixmap>
#include <QScrollBar>
#include <QTreeWidget>

namespace
{
// Expands the root, the modules and their categories, as clicks on them do.
void ExpandCategories(CTreeCtrl& tree)
{
    for (HTREEITEM root = tree.GetRootItem(); root != nullptr; root = tree.GetNextSiblingItem(root))
    {
        tree.Expand(root, TVE_EXPAND);
        for (HTREEITEM module = tree.GetChildItem(root); module != nullptr;
             module = tree.GetNextSiblingItem(module))
        {
            tree.Expand(module, TVE_EXPAND);
            for (HTREEITEM category = tree.GetChildItem(module); category != nullptr;
                 category = tree.GetNextSiblingItem(category))
                tree.Expand(category, TVE_EXPAND);
        }
    }
    QApplication::processEvents();
}

// The first item whose text starts with the prefix.
QTreeWidgetItem* ItemStartingWith(QTreeWidget& tree, const QString& prefix)
{
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it)
        if ((*it)->text(0).startsWith(prefix))
            return *it;
    return nullptr;
}
} // namespace

TEST(TreePaneTest, TheTreeShowsItsCategoriesWholeAndScrollsSidewaysForLongerNames)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    program.Frame().GetSafeHwnd()->resize(1100, 760);
    QApplication::processEvents();
    CTreeCtrl& control = program.Frame().GetTreeView()->GetTreeCtrl();
    auto& tree = *static_cast<QTreeWidget*>(control.GetSafeHwnd());
    ExpandCategories(control);
    QTreeWidgetItem* functions = ItemStartingWith(tree, "User Defined Functions");
    ASSERT_NE(functions, nullptr);
    const QRect row = tree.visualItemRect(functions);
    // Its name with a count of two digits, after its picture.
    const int textEnd =
        row.left() + 20 + QFontMetrics(tree.font()).horizontalAdvance(functions->text(0) + "(00)");
    EXPECT_LT(textEnd, tree.viewport()->width()) << functions->text(0).toStdString();
    const int scrolled = tree.horizontalScrollBar()->maximum();
    const QPixmap shot = program.Frame().GetSafeHwnd()->grab();
    ASSERT_TRUE(shot.save(
        QString::fromStdString((std::filesystem::current_path() / "tree-pane.png").string()),
        "PNG"));

    Table* wide = NewTable("customer_order_line_with_a_very_long_name_that_no_pane_shows_whole",
                           Table::masterKind, {"name"});
    program.Project().GetCurrentModule()->AddTable(wide);
    program.Frame().RefreshTree();
    ExpandCategories(control);
    EXPECT_GT(tree.horizontalScrollBar()->maximum(), scrolled + 100)
        << "the long name scrolls into view";
}
