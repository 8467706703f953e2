#include "platform/ui/ScriptedPopupMenus.h"

#include <utility>

ScriptedPopupMenus::ScriptedPopupMenus()
    : m_previous(SetPopupMenuTracker([this](CMenu& menu, UINT flags, CPoint point, CWnd* owner)
                                     { return Track(menu, flags, point, owner); }))
{
}

ScriptedPopupMenus::~ScriptedPopupMenus()
{
    SetPopupMenuTracker(std::move(m_previous));
}

void ScriptedPopupMenus::Answer(UINT command)
{
    m_answers.push_back(command);
}

UINT ScriptedPopupMenus::Track(CMenu& menu, UINT flags, CPoint point, CWnd* owner)
{
    Tracked tracked{flags, point, owner, {}};
    for (int position = 0; position < menu.GetMenuItemCount(); ++position)
    {
        const auto byPosition = static_cast<UINT>(position);
        const UINT state = menu.GetMenuState(byPosition, MF_BYPOSITION);
        Entry entry{menu.GetMenuItemID(position), CString(),
                    (state & MF_GRAYED) != 0,     (state & MF_CHECKED) != 0,
                    (state & MF_SEPARATOR) != 0,  menu.GetSubMenu(position) != nullptr};
        menu.GetMenuString(byPosition, entry.text, MF_BYPOSITION);
        tracked.entries.push_back(entry);
    }
    m_shown.push_back(std::move(tracked));
    if (m_answers.empty())
        return 0;
    const UINT command = m_answers.front();
    m_answers.pop_front();
    return command;
}
