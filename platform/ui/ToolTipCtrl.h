#pragma once

#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QWidget>

#include <vector>

// Tool tips of windows: each tool is a window (or a rectangle of it) with a text that shows
// when the mouse rests on it. Qt shows the tips; RelayEvent has nothing to do.
class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* wnd, UINT_PTR id = 0);
    void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id = 0);
    // The text of the tool, "" when there is none.
    CString GetToolText(CWnd* wnd, UINT_PTR id = 0) const;
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }
    // Inactive tips do not show.
    void Activate(BOOL active);
    int SetMaxTipWidth(int width);
    void RelayEvent(MSG* msg);

private:
    struct Tool
    {
        QPointer<QWidget> window;
        UINT_PTR id;
        CString text;
    };
    void Show(const Tool& tool) const;

    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_maxWidth = -1;
};
