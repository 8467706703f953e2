#pragma once

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/Wnd.h"

#include <QWidget>

#include <vector>

// A window holding the controls of a template that records every notification its controls
// send: commands as (id, code), WM_NOTIFY headers with the list and tree details.
class ControlHost : public CWnd
{
public:
    struct Command
    {
        UINT id;
        int code;
        bool operator==(const Command&) const = default;
    };

    explicit ControlHost(const DialogTemplate& dialogTemplate)
    {
        SetOwnedWidget(new QWidget);
        CreateControls(dialogTemplate);
    }

    BOOL OnCmdMsg(UINT id, int code) override
    {
        m_commands.push_back({id, code});
        return TRUE;
    }

    std::vector<Command> m_commands;
    std::vector<NMLISTVIEW> m_listChanges;
    std::vector<NMTREEVIEW> m_treeChanges;
    std::vector<NMHDR> m_clicks;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == LVN_ITEMCHANGED)
        {
            m_listChanges.push_back(*reinterpret_cast<const NMLISTVIEW*>(header));
        }
        else if (header->code == TVN_SELCHANGED)
        {
            m_treeChanges.push_back(*reinterpret_cast<const NMTREEVIEW*>(header));
        }
        else
        {
            m_clicks.push_back(*header);
        }
        return TRUE;
    }
};
