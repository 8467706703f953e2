#pragma once

#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"

#include <initializer_list>
#include <vector>

class CImageList;
class QLabel;

// A bar along an edge of a frame: a tool bar or a status bar.
class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    DWORD GetBarStyle() const { return m_barStyle; }
    // CBRS_GRIPPER lets the user move the bar.
    virtual void SetBarStyle(DWORD style);
    // The edges (CBRS_ALIGN_...) the bar may dock at.
    void EnableDocking(DWORD style);
    DWORD GetDockingStyle() const { return m_dockStyle; }
    // Docks the bar in its frame at the first edge (top, bottom, left, right) that both the bar
    // and frameEdges allow; FALSE when there is none.
    BOOL DockInFrame(DWORD frameEdges);

protected:
    CControlBar() = default;

private:
    DWORD m_barStyle = 0;
    DWORD m_dockStyle = 0;
};

// Button styles: TBSTYLE_DROPDOWN gives the button an arrow whose press tells the frame
// TBN_DROPDOWN (with an NMTOOLBAR naming the command), for the frame to drop down its menu.
constexpr UINT TBSTYLE_BUTTON = 0x0000;
constexpr UINT TBSTYLE_SEP = 0x0001;
constexpr UINT TBSTYLE_DROPDOWN = 0x0008;
constexpr int TBN_DROPDOWN = -710;

struct NMTOOLBAR
{
    NMHDR hdr;
    int iItem;
};

// A button of a tool-bar resource; ID_SEPARATOR makes a separator. The text labels the button
// and is its tool tip.
struct ToolBarButton
{
    UINT id;
    const char* text;
    UINT style = TBSTYLE_BUTTON;
};

// Makes the buttons known as the tool-bar resource of that id (a later one replaces it).
void RegisterToolBarResource(UINT resourceId, std::initializer_list<ToolBarButton> buttons);

// A row of command buttons; pressing one sends its command to the frame.
class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)

public:
    // Makes the bar in the parent frame at the edge its style aligns to (top by default).
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = TBSTYLE_FLAT,
                  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, UINT id = AFX_IDW_TOOLBAR);
    // Replaces the buttons by those of the registered resource; FALSE when none is registered.
    BOOL LoadToolBar(UINT resourceId);
    BOOL SetButtons(const UINT* ids, int count);
    void SetBarStyle(DWORD style) override;
    // The buttons show the list's images in order, separators skipped; the hot list gives the
    // image under the mouse. The lists stay the caller's and must outlive the bar's use of them.
    void SetImageList(CImageList* images);
    void SetHotImageList(CImageList* images);

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    UINT GetItemID(int index) const;
    void SetButtonStyle(int index, UINT style);
    UINT GetButtonStyle(int index) const;
    // The button's command, style and image: the images go to the buttons in order, separators
    // (TBSTYLE_SEP) skipped.
    void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
    // The index of the button of that command, or -1.
    int CommandToIndex(UINT id) const;

private:
    void SetButtonList(std::vector<ToolBarButton> buttons);
    void ShowImages();

    std::vector<ToolBarButton> m_buttons;
    CImageList* m_images = nullptr;
    CImageList* m_hotImages = nullptr;
};

// Panes of text along the bottom of a frame: the first separator pane takes the messages,
// indicator panes show their key ("CAP", "NUM", "SCRL").
class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT id = AFX_IDW_STATUS_BAR);
    // One pane per id: ID_SEPARATOR for a stretching text pane, else an indicator.
    BOOL SetIndicators(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_ids.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    CString GetPaneText(int index) const;

private:
    QLabel* Pane(int index) const;

    std::vector<UINT> m_ids;
};
