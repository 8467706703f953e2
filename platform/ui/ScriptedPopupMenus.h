#pragma once

#include "platform/ui/Menu.h"

#include <cstddef>
#include <deque>
#include <vector>

// Test double for popup menus: installed as the popup-menu tracker for its lifetime, it records
// every menu tracked with its entries and answers with the next scripted command (0 when none
// is left).
class ScriptedPopupMenus
{
public:
    struct Entry
    {
        UINT id;
        CString text;
        bool grayed;
        bool checked;
        bool separator;
        bool popup;
    };
    struct Tracked
    {
        UINT flags;
        CPoint point;
        CWnd* owner;
        std::vector<Entry> entries;
    };

    ScriptedPopupMenus();
    ~ScriptedPopupMenus();
    ScriptedPopupMenus(const ScriptedPopupMenus&) = delete;
    ScriptedPopupMenus& operator=(const ScriptedPopupMenus&) = delete;

    void Answer(UINT command);
    const std::vector<Tracked>& Shown() const { return m_shown; }
    std::size_t PendingAnswers() const { return m_answers.size(); }

private:
    UINT Track(CMenu& menu, UINT flags, CPoint point, CWnd* owner);

    std::deque<UINT> m_answers;
    std::vector<Tracked> m_shown;
    PopupMenuTracker m_previous;
};
