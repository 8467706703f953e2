#include "app/StarterApp.h"

#include "platform/ui/DocTemplate.h"
#include "platform/ui/TreeView.h"

IMPLEMENT_DYNCREATE(StarterDocument, CDocument)
IMPLEMENT_DYNCREATE(StarterFrame, CFrameWnd)

namespace
{
constexpr UINT IDR_MAINFRAME = 128;

const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
} // namespace

int StarterFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
        return -1;
    return 0;
}

BOOL StarterFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context)
{
    return m_splitter.CreateStatic(this, 1, 2) &&
           m_splitter.CreateView(0, 0, RUNTIME_CLASS(CTreeView), CSize{225, 100}, context) &&
           m_splitter.CreateView(0, 1, RUNTIME_CLASS(CView), CSize{100, 100}, context);
}

StarterApp::StarterApp() : CWinApp("KestraneWeavo") {}

BOOL StarterApp::InitInstance()
{
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(StarterDocument),
                                          RUNTIME_CLASS(StarterFrame), RUNTIME_CLASS(CTreeView)));
    CCommandLineInfo info;
    ParseCommandLine(info);
    if (!ProcessShellCommand(info))
        return FALSE;
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
        frame->ActivateFrame(SW_SHOWMAXIMIZED);
    return TRUE;
}
