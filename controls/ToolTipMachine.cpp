#include "controls/ToolTipMachine.h"

ToolTipMachine::Commands ToolTipMachine::StartTool(int tool)
{
    m_current = tool;
    m_dismissed = false;
    return {Command::StopTimer1, Command::StopTimer2, Command::Hide, Command::StartTimer1};
}

ToolTipMachine::Commands ToolTipMachine::Hide(Commands commands)
{
    m_dismissed = true;
    commands.push_back(Command::Hide);
    return commands;
}

ToolTipMachine::Commands ToolTipMachine::MouseMove(int toolAtCursor, bool tipShown, bool overTip)
{
    if (toolAtCursor < 0)
    {
        if (m_dismissed)
            m_current = -1;
        return {};
    }
    if (toolAtCursor == m_current)
        return {};
    if (m_current >= 0 && tipShown && overTip)
        return {};
    return StartTool(toolAtCursor);
}

ToolTipMachine::Commands ToolTipMachine::LeftButtonDown(bool overTip)
{
    return overTip ? Commands{} : Hide({});
}

ToolTipMachine::Commands ToolTipMachine::Dismiss()
{
    return Hide({});
}

ToolTipMachine::Commands ToolTipMachine::Timer1(bool cursorInCurrentTool)
{
    if (!Running())
        return {Command::StopTimer1};
    if (!cursorInCurrentTool)
        return {Command::StopTimer1};
    m_elapsed = 0;
    return {Command::StopTimer1, Command::Show, Command::StartTimer2};
}

ToolTipMachine::Commands ToolTipMachine::Timer2(int toolAtCursor, bool overTip)
{
    if (!Running())
        return {Command::StopTimer2};
    m_elapsed += kCheckPeriod;
    if (toolAtCursor >= 0 && toolAtCursor != m_current)
        return Hide({Command::StopTimer2});
    if (toolAtCursor == m_current && m_elapsed < kDisplayTime)
        return {};
    if (overTip)
        return {};
    return Hide({Command::StopTimer2});
}

namespace ToolTipPlacement
{
CRect TipRect(CPoint point, CSize size, const CRect& screen, const CRect& toolWindow)
{
    CRect tip(point, size);
    if (tip.right > screen.right)
        tip.OffsetRect(screen.right - tip.right, 0);
    if (tip.left < 0)
        tip.OffsetRect(-tip.left, 0);
    if (tip.bottom > screen.bottom)
        tip.OffsetRect(0, toolWindow.top - size.cy - tip.top);
    return tip;
}
} // namespace ToolTipPlacement

CString ToolTipPart(const CString& text, bool extended, bool& multiPart)
{
    const int split = text.Find('\r');
    multiPart = split >= 0;
    if (!multiPart)
        return text;
    if (!extended)
        return text.Left(split);
    const CString rest = text.Mid(split + 1);
    const int next = rest.Find('\r');
    return next >= 0 ? rest.Left(next) : rest;
}
