#pragma once

#include "platform/core/CString.h"
#include "platform/ui/Geometry.h"

#include <vector>

// The timing of a tool tip without a window: what the control does on each relayed message and
// timer. Timer 1 waits the initial delay before the tip shows; timer 2 checks, every period,
// whether the tip stays. Tools are numbered by the control; -1 is none.
class ToolTipMachine
{
public:
    enum class Command
    {
        StartTimer1, // with the initial delay
        StartTimer2, // with the check period
        StopTimer1,
        StopTimer2,
        Show, // at the cursor position plus the cursor offset
        Hide,
    };
    using Commands = std::vector<Command>;

    static constexpr unsigned kInitialDelay = 500;
    static constexpr unsigned kCheckPeriod = 500;
    static constexpr unsigned kDisplayTime = 5000;

    // The mouse moved; toolAtCursor is the tool under it.
    Commands MouseMove(int toolAtCursor, bool tipShown, bool overTip);
    // A left press hides the tip unless it was on the tip.
    Commands LeftButtonDown(bool overTip);
    // Keys and the other clicks hide the tip.
    Commands Dismiss();
    Commands Timer1(bool cursorInCurrentTool);
    Commands Timer2(int toolAtCursor, bool overTip);

    int CurrentTool() const { return m_current; }
    bool IsDismissed() const { return m_dismissed; }
    unsigned Elapsed() const { return m_elapsed; }

private:
    Commands StartTool(int tool);
    Commands Hide(Commands commands);
    bool Running() const { return m_current >= 0 && !m_dismissed; }

    int m_current = -1;
    bool m_dismissed = false;
    unsigned m_elapsed = 0;
};

namespace ToolTipPlacement
{
// The tip of that size placed at the point, kept on the screen: moved left by what passes the
// right edge, right when it starts left of 0, and above the tool window when it passes the
// bottom.
CRect TipRect(CPoint point, CSize size, const CRect& screen, const CRect& toolWindow);
} // namespace ToolTipPlacement

// The part of a tool's text that shows: all of it, or for a text of two parts joined by a
// carriage return the first part, or the second in the extended form. multiPart tells which.
CString ToolTipPart(const CString& text, bool extended, bool& multiPart);
