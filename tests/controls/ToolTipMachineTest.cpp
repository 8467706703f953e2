#include "controls/ToolTipMachine.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
// Runs the machine's timers on a clock the test moves, with the cursor over the tool the test
// says; records whether the tip is up.
class TipClock
{
public:
    void Run(const ToolTipMachine::Commands& commands)
    {
        for (const ToolTipMachine::Command command : commands)
        {
            switch (command)
            {
            case ToolTipMachine::Command::StartTimer1:
                m_due[1] = m_now + ToolTipMachine::kInitialDelay;
                break;
            case ToolTipMachine::Command::StartTimer2:
                m_due[2] = m_now + ToolTipMachine::kCheckPeriod;
                break;
            case ToolTipMachine::Command::StopTimer1:
                m_due.erase(1);
                break;
            case ToolTipMachine::Command::StopTimer2:
                m_due.erase(2);
                break;
            case ToolTipMachine::Command::Show:
                m_shown = true;
                ++m_shows;
                break;
            case ToolTipMachine::Command::Hide:
                m_shown = false;
                break;
            }
        }
    }

    // Moves the clock on to time, firing each timer as it falls due.
    void AdvanceTo(unsigned time)
    {
        while (!m_due.empty())
        {
            auto next = m_due.begin();
            for (auto it = m_due.begin(); it != m_due.end(); ++it)
                if (it->second < next->second)
                    next = it;
            if (next->second > time)
                break;
            m_now = next->second;
            const int id = next->first;
            next->second += id == 1 ? ToolTipMachine::kInitialDelay : ToolTipMachine::kCheckPeriod;
            if (id == 1)
                Run(machine.Timer1(cursorTool == machine.CurrentTool()));
            else
                Run(machine.Timer2(cursorTool, overTip));
        }
        m_now = time;
    }

    void MoveTo(int tool)
    {
        cursorTool = tool;
        Run(machine.MouseMove(tool, m_shown, overTip));
    }

    ToolTipMachine machine;
    int cursorTool = -1;
    bool overTip = false;
    bool m_shown = false;
    int m_shows = 0;

private:
    unsigned m_now = 0;
    std::map<int, unsigned> m_due;
};
} // namespace

TEST(ToolTipMachineTest, TheTipShowsAfterTheDelayAndGoesAfterTheDisplayTime)
{
    TipClock clock;
    clock.MoveTo(0);
    clock.AdvanceTo(499);
    EXPECT_FALSE(clock.m_shown);
    clock.AdvanceTo(500);
    EXPECT_TRUE(clock.m_shown);
    // Moving within the same tool changes nothing.
    clock.MoveTo(0);
    clock.AdvanceTo(5499);
    EXPECT_TRUE(clock.m_shown);
    clock.AdvanceTo(5500);
    EXPECT_FALSE(clock.m_shown);
    EXPECT_TRUE(clock.machine.IsDismissed());
    // It does not come back while the cursor stays; leaving the tools forgets it.
    clock.AdvanceTo(20000);
    EXPECT_EQ(clock.m_shows, 1);
    clock.MoveTo(-1);
    EXPECT_EQ(clock.machine.CurrentTool(), -1);
    clock.MoveTo(0);
    clock.AdvanceTo(20500);
    EXPECT_TRUE(clock.m_shown);
}

TEST(ToolTipMachineTest, AnotherToolReArmsTheDelay)
{
    TipClock clock;
    clock.MoveTo(0);
    clock.AdvanceTo(300);
    clock.MoveTo(1);
    clock.AdvanceTo(700);
    EXPECT_FALSE(clock.m_shown);
    clock.AdvanceTo(800);
    EXPECT_TRUE(clock.m_shown);
    EXPECT_EQ(clock.machine.CurrentTool(), 1);

    // While the tip is up and the cursor is over it, another tool under it does not start.
    clock.overTip = true;
    clock.MoveTo(0);
    EXPECT_EQ(clock.machine.CurrentTool(), 1);
    EXPECT_TRUE(clock.m_shown);
    // The timer hides the tip once the cursor is over the other tool.
    clock.AdvanceTo(1300);
    EXPECT_FALSE(clock.m_shown);
}

TEST(ToolTipMachineTest, KeysAndClicksOutsideTheTipHideItAtOnce)
{
    TipClock clock;
    clock.MoveTo(0);
    clock.AdvanceTo(500);
    ASSERT_TRUE(clock.m_shown);
    clock.Run(clock.machine.LeftButtonDown(/*overTip=*/true));
    EXPECT_TRUE(clock.m_shown);
    clock.Run(clock.machine.LeftButtonDown(/*overTip=*/false));
    EXPECT_FALSE(clock.m_shown);

    clock.MoveTo(1);
    clock.AdvanceTo(1000);
    ASSERT_TRUE(clock.m_shown);
    clock.Run(clock.machine.Dismiss());
    EXPECT_FALSE(clock.m_shown);
    clock.AdvanceTo(9000);
    EXPECT_FALSE(clock.m_shown);
}

TEST(ToolTipMachineTest, LeavingTheToolHidesTheTipAtTheNextCheckUnlessOverTheTip)
{
    TipClock clock;
    clock.MoveTo(0);
    clock.AdvanceTo(500);
    clock.cursorTool = -1;
    clock.overTip = true;
    clock.AdvanceTo(2000);
    EXPECT_TRUE(clock.m_shown);
    clock.overTip = false;
    clock.AdvanceTo(2500);
    EXPECT_FALSE(clock.m_shown);
}

TEST(ToolTipPlacementTest, TheTipStaysOnTheScreen)
{
    const CRect screen(0, 0, 800, 600);
    const CRect tool(100, 560, 200, 590);
    const CSize size(120, 30);
    struct Case
    {
        const char* name;
        CPoint point;
        CRect expected;
    };
    const Case cases[] = {
        {"inside", CPoint(100, 100), CRect(100, 100, 220, 130)},
        {"right edge", CPoint(750, 100), CRect(680, 100, 800, 130)},
        {"left of 0", CPoint(-10, 100), CRect(0, 100, 120, 130)},
        {"bottom", CPoint(150, 580), CRect(150, 530, 270, 560)},
        {"bottom right", CPoint(760, 590), CRect(680, 530, 800, 560)},
        {"exactly fits", CPoint(680, 570), CRect(680, 570, 800, 600)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolTipPlacement::TipRect(c.point, size, screen, tool), c.expected) << c.name;
}

TEST(ToolTipPlacementTest, ATwoPartTextShowsOnePartAtATime)
{
    struct Case
    {
        const char* text;
        bool extended;
        const char* shown;
        bool multiPart;
    };
    const Case cases[] = {
        {"Module name", false, "Module name", false},
        {"Module name", true, "Module name", false},
        {"Name\rThe module's folder name", false, "Name", true},
        {"Name\rThe module's folder name", true, "The module's folder name", true},
        {"A\rB\rC", true, "B", true},
        {"Two\nlines", false, "Two\nlines", false},
    };
    for (const Case& c : cases)
    {
        bool multiPart = !c.multiPart;
        EXPECT_EQ(ToolTipPart(c.text, c.extended, multiPart), CString(c.shown)) << c.text;
        EXPECT_EQ(multiPart, c.multiPart) << c.text;
    }
}
