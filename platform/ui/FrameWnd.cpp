#include "platform/ui/FrameWnd.h"

#include "platform/ui/ControlBars.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuResource.h"
#include "platform/ui/View.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WinApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

struct CFrameWnd::FrameState
{
    QPointer<QWidget> activeView;
};

CFrameWnd::CFrameWnd() : m_state(std::make_unique<FrameState>()) {}

CFrameWnd::~CFrameWnd()
{
    if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == this)
        AfxGetApp()->m_pMainWnd = nullptr;
}

namespace
{
// Where the platform puts a new main window by default: three quarters of the screen's work area
// each way, an eighth of it in from its top left corner; a window manager that maximises it
// later keeps this as the size it restores to.
void PlaceAtDefaultSize(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    window.setGeometry(area.left() + area.width() / 8, area.top() + area.height() / 8,
                       area.width() * 3 / 4, area.height() * 3 / 4);
}
} // namespace

BOOL CFrameWnd::LoadFrame(UINT resourceId, CWnd* parent, CCreateContext* context)
{
    if (GetSafeHwnd() != nullptr)
        return FALSE;
    m_resourceId = resourceId;
    if (m_title.IsEmpty() && AfxGetApp() != nullptr)
        m_title = AfxGetApp()->GetAppName();
    // Closing the window asks the frame (WM_CLOSE, OnClose), which decides.
    auto* window = new QMainWindow(parent != nullptr ? parent->GetSafeHwnd() : nullptr, Qt::Window);
    SetOwnedWidget(window);
    if (parent == nullptr)
        PlaceAtDefaultSize(*window);
    CMenu menu;
    if (menu.LoadMenu(resourceId))
    {
        SetMenu(&menu);
        menu.Detach();
    }
    LoadAccelTable(resourceId);
    CREATESTRUCT createStruct{context};
    if (OnCreate(&createStruct) == -1)
    {
        m_views.clear();
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    OnUpdateFrameTitle();
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(UINT resourceId)
{
    const std::vector<ACCEL>* keys = FindAcceleratorResource(resourceId);
    QWidget* window = GetSafeHwnd();
    if (keys == nullptr || window == nullptr)
        return FALSE;
    const QString name = QStringLiteral("weavoAccelerator");
    qDeleteAll(window->findChildren<QShortcut*>(name, Qt::FindDirectChildrenOnly));
    for (const ACCEL& key : *keys)
    {
        int combination = QtKeyOf(key.key);
        if ((key.fVirt & FSHIFT) != 0)
            combination |= Qt::SHIFT;
        if ((key.fVirt & FCONTROL) != 0)
            combination |= Qt::CTRL;
        if ((key.fVirt & FALT) != 0)
            combination |= Qt::ALT;
        auto* shortcut = new QShortcut(QKeySequence(combination), window);
        shortcut->setObjectName(name);
        const WORD command = key.cmd;
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [window, command]
                         {
                             if (CWnd* frame = CWnd::FromHandle(window))
                                 frame->SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
                         });
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT createStruct)
{
    return OnCreateClient(createStruct, createStruct->lpCreateParams) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context)
{
    if (context == nullptr || context->m_pNewViewClass == nullptr)
        return TRUE;
    return CreateView(context) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id)
{
    std::unique_ptr<CView> view =
        CView::CreateFromClass(context->m_pNewViewClass, GetSafeHwnd(), id, context);
    if (!view)
        return nullptr;
    m_views.push_back(std::move(view));
    return m_views.back().get();
}

CView* CFrameWnd::GetActiveView() const
{
    return dynamic_cast<CView*>(CWnd::FromHandle(m_state->activeView.data()));
}

void CFrameWnd::SetActiveView(CView* view)
{
    m_state->activeView = view != nullptr ? view->GetSafeHwnd() : nullptr;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    CView* view = GetActiveView();
    return view != nullptr ? view->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout()
{
    auto* window = qobject_cast<QMainWindow*>(GetSafeHwnd());
    if (window == nullptr)
        return;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        CWnd* pane = CWnd::FromHandle(child);
        if (pane == nullptr || pane->GetDlgCtrlID() != static_cast<int>(AFX_IDW_PANE_FIRST) ||
            child == window->centralWidget())
            continue;
        // The pane it replaces stays a hidden child instead of being deleted.
        if (QWidget* previous = window->takeCentralWidget())
        {
            previous->setParent(window);
            previous->hide();
        }
        window->setCentralWidget(child);
        child->show();
        return;
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible)
{
    std::vector<CView*> views;
    if (doc != nullptr)
    {
        for (CView* view : doc->GetViews())
        {
            if (view->GetParentFrame() == this)
                views.push_back(view);
        }
    }
    if (GetActiveView() == nullptr && !views.empty())
        SetActiveView(views.front());
    for (CView* view : views)
        view->OnInitialUpdate();
    RecalcLayout();
    OnUpdateFrameTitle();
    if (makeVisible)
        ActivateFrame();
}

void CFrameWnd::ActivateFrame(int showCommand)
{
    HWND window = GetSafeHwnd();
    if (window == nullptr)
        return;
    if (showCommand == -1)
        window->show();
    else
        ShowWindow(showCommand);
}

void CFrameWnd::SetTitle(LPCTSTR title)
{
    m_title = title;
    OnUpdateFrameTitle();
}

void CFrameWnd::OnUpdateFrameTitle()
{
    CDocument* doc = GetActiveDocument();
    if (doc != nullptr && !doc->GetTitle().IsEmpty())
        SetWindowText(doc->GetTitle() + " - " + m_title);
    else
        SetWindowText(m_title);
}

void CFrameWnd::SetMessageText(LPCTSTR text)
{
    if (CStatusBar* bar = GetStatusBar())
        bar->SetPaneText(0, text);
}

CStatusBar* CFrameWnd::GetStatusBar() const
{
    HWND window = GetSafeHwnd();
    if (window == nullptr)
        return nullptr;
    auto* bar = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return dynamic_cast<CStatusBar*>(CWnd::FromHandle(bar));
}

void CFrameWnd::EnableDocking(DWORD style)
{
    m_dockStyle = style & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar* bar)
{
    bar->DockInFrame(m_dockStyle);
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code)
{
    CView* view = GetActiveView();
    if (view != nullptr && view->OnCmdMsg(id, code))
        return TRUE;
    if (CWnd::OnCmdMsg(id, code))
        return TRUE;
    return AfxGetApp() != nullptr && AfxGetApp()->OnCmdMsg(id, code);
}

void CFrameWnd::OnClose()
{
    CDocument* doc = GetActiveDocument();
    if (doc != nullptr && !doc->SaveModified())
        return;
    if (HWND window = GetSafeHwnd())
        window->hide();
    if (AfxGetMainWnd() == this)
        QCoreApplication::quit();
}
