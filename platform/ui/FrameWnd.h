#pragma once

#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"

#include <memory>
#include <vector>

class CControlBar;
class CDocument;
class CStatusBar;
class CView;
struct CCreateContext;

// A top-level window with a menu, bars along its edges and a client pane in the middle: the
// child window of id AFX_IDW_PANE_FIRST (a view or a splitter).
class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Makes the window with the menu and accelerators of the resource id (when registered) and
    // runs OnCreate; FALSE, with no window left, when OnCreate fails.
    virtual BOOL LoadFrame(UINT resourceId, CWnd* parent = nullptr,
                           CCreateContext* context = nullptr);
    UINT GetResourceId() const { return m_resourceId; }
    // The keys of the accelerator resource send their commands to the frame while it is active
    // (replacing the keys loaded before); FALSE when none is registered.
    BOOL LoadAccelTable(UINT resourceId);

    // A view of the context's class as a child of the frame with the id; the frame owns it.
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
    CView* GetActiveView() const;
    void SetActiveView(CView* view);
    CDocument* GetActiveDocument() const;

    // Places the client pane; run after the pane or the bars change.
    virtual void RecalcLayout();
    // Makes the first view of doc in this frame active, gives every such view OnInitialUpdate
    // and shows the frame when makeVisible.
    void InitialUpdateFrame(CDocument* doc, BOOL makeVisible = TRUE);
    // Shows the frame: -1 as it is, else as ShowWindow does.
    virtual void ActivateFrame(int showCommand = -1);

    // The caption: the title alone, or "<document title> - <title>" with an active document.
    void SetTitle(LPCTSTR title);
    const CString& GetTitle() const { return m_title; }
    virtual void OnUpdateFrameTitle();
    // Shows the text in the message pane of the status bar.
    void SetMessageText(LPCTSTR text);
    CStatusBar* GetStatusBar() const;

    // The edges (CBRS_ALIGN_...) where bars may dock.
    void EnableDocking(DWORD style);
    // Docks the bar at the first edge (top, bottom, left, right) that it and the frame allow.
    void DockControlBar(CControlBar* bar);

    // Commands go to the active view (and its document), then the frame, then the application.
    BOOL OnCmdMsg(UINT id, int code) override;

protected:
    // Framework creation: makes the client pane through OnCreateClient; -1 fails.
    int OnCreate(LPCREATESTRUCT createStruct) override;
    // Makes one view of the context's class; FALSE when there is a view class and it fails.
    virtual BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context);
    // Asks the active document to save its changes, then closes; the main window ends the
    // event loop.
    void OnClose() override;

private:
    struct FrameState;

    UINT m_resourceId = 0;
    CString m_title;
    DWORD m_dockStyle = 0;
    std::unique_ptr<FrameState> m_state;
    std::vector<std::unique_ptr<CView>> m_views;
};
