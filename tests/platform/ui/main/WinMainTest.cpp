// The program's entry makes the application object itself, so these tests run without one.
#include "platform/ui/WinApp.h"

#include <gtest/gtest.h>

#include <QTreeWidget>

#include <memory>

namespace
{
// Shows a chain of items, each the only child of the one above, expanded to the bottom, as the
// role-wise menu tree shows a chain of menus; then ends.
class DeepTreeApp : public CWinApp
{
public:
    explicit DeepTreeApp(int& laidOut) : m_laidOut(laidOut) {}

    BOOL InitInstance() override
    {
        QTreeWidget tree;
        QTreeWidgetItem* item = new QTreeWidgetItem(&tree, {"chain"});
        for (int level = 1; level < depth; ++level)
            item = new QTreeWidgetItem(item, {"chain"});
        tree.expandAll();
        tree.resize(400, 300);
        tree.show();
        tree.scrollToItem(item);
        m_laidOut = tree.visualItemRect(item).isValid() ? depth : 0;
        return FALSE;
    }
    int ExitInstance() override { return 3; }

    // Deeper than the thread's own stack lets Qt lay out.
    static constexpr int depth = 40000;

private:
    int& m_laidOut;
};
} // namespace

TEST(WinMainTest, AWindowShowsATreeDeeperThanTheThreadsStackHoldsWithoutRunningOutOfIt)
{
    int laidOut = 0;
    char name[] = "kestrane-weavo";
    char* arguments[] = {name, nullptr};
    EXPECT_EQ(3, AfxWinMain(1, arguments, [&] { return std::make_unique<DeepTreeApp>(laidOut); }));
    EXPECT_EQ(DeepTreeApp::depth, laidOut);
}
