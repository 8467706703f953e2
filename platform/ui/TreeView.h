#pragma once

#include "platform/ui/TreeCtrl.h"
#include "platform/ui/View.h"

// A view filled by a tree control. The tree's notifications reach the view under the control
// id kTreeId.
class CTreeView : public CView
{
    DECLARE_DYNCREATE(CTreeView)

public:
    static constexpr int kTreeId = 1;

    BOOL Create(HWND parent, UINT id, CCreateContext* context) override;
    CTreeCtrl& GetTreeCtrl() { return m_tree; }
    const CTreeCtrl& GetTreeCtrl() const { return m_tree; }

protected:
    // Maps a notification of the tree (TVN_SELCHANGED, NM_RCLICK, ...) to a handler of the view.
    template <typename T> void MapTreeNotify(int code, void (T::*handler)(NMHDR*, LRESULT*))
    {
        MapNotify(code, kTreeId, handler);
    }

private:
    CTreeCtrl m_tree;
};
