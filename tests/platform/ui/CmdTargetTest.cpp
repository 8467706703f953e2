#include "platform/ui/CmdTarget.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include <vector>

namespace
{
// Records the commands of two mapped ranges.
class RangeTarget : public CCmdTarget
{
public:
    RangeTarget()
    {
        MapCommandRange(100, 109, [this](UINT id) { handled.push_back(id); });
        MapCommand(200, &RangeTarget::OnTwoHundred);
    }

    void OnTwoHundred() { handled.push_back(200); }

    std::vector<UINT> handled;
};

bool WaitCursorShown()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}
} // namespace

TEST(CmdTargetTest, CommandsInAMappedRangeRunTheirHandler)
{
    RangeTarget target;
    EXPECT_TRUE(target.OnCmdMsg(100, 0));
    EXPECT_TRUE(target.OnCmdMsg(109, 0));
    EXPECT_TRUE(target.OnCmdMsg(200, 0));
    EXPECT_FALSE(target.OnCmdMsg(110, 0));
    EXPECT_FALSE(target.OnCmdMsg(99, 0));
    EXPECT_FALSE(target.OnCmdMsg(105, 1)) << "a notification code is no command";
    EXPECT_EQ(target.handled, (std::vector<UINT>{100, 109, 200}));
}

TEST(CmdTargetTest, WaitCursorsNestAndEndWithTheirPairs)
{
    RangeTarget target;
    ASSERT_FALSE(WaitCursorShown());
    target.BeginWaitCursor();
    {
        CWaitCursor wait;
        EXPECT_TRUE(WaitCursorShown());
    }
    EXPECT_TRUE(WaitCursorShown()) << "the outer pair is still open";
    target.EndWaitCursor();
    EXPECT_FALSE(WaitCursorShown());
    target.EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
