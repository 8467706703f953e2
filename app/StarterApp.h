#pragma once

#include "platform/ui/ControlBars.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/SplitterWnd.h"
#include "platform/ui/WinApp.h"

// The document of the window the program opens with: no project yet.
class StarterDocument : public CDocument
{
    DECLARE_DYNCREATE(StarterDocument)
};

// The main window: a status bar and a splitter of one row, the tree on the left and an empty
// view on the right.
class StarterFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(StarterFrame)

public:
    CSplitterWnd& GetSplitter() { return m_splitter; }

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override;
    BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;

private:
    CSplitterWnd m_splitter;
    CStatusBar m_statusBar;
};

// The application: opens the file named on the command line, or a new empty document, in a
// maximised main window.
class StarterApp : public CWinApp
{
public:
    StarterApp();

    BOOL InitInstance() override;
};
