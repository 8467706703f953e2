#include "shell/MainFrame.h"

#include "designers/ApplicationReportDlg.h"
#include "designers/DashBoardDlg.h"
#include "designers/DashBoardPageDlg.h"
#include "designers/MultiPageReportDlg.h"
#include "designers/RDLCReportdlg.h"
#include "designers/ReportCollectorDlg.h"
#include "designers/WeavoDashBoardDlg.h"
#include "editors/FormEditorDialog.h"
#include "editors/LoginPageDlg.h"
#include "editors/MapFormDlg.h"
#include "editors/MenuDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/SQLView.h"
#include "editors/TableDialog.h"
#include "editors/TransactionDlg.h"
#include "editors/UserFunctionDlg.h"
#include "editors/ViewEditorHost.h"
#include "editors/WvpDialog.h"
#include "entities/MapForm.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WinApp.h"
#include "shell/BackupCopy.h"
#include "shell/DependenciesListDlg.h"
#include "shell/EmptyEditorView.h"
#include "shell/ForgeonDoc.h"
#include "shell/ForgeonView.h"
#include "shell/FrameDesignerShell.h"
#include "shell/FrameEditorShell.h"
#include "shell/ShellResources.h"
#include "shell/SplitterWnd.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNCREATE(MainFrame, CFrameWnd)

namespace
{
constexpr int kTreePane = 0;
constexpr int kEditorPane = 1;

const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

std::array<CRuntimeClass*, kRightPaneCount>& RightPaneClasses()
{
    static std::array<CRuntimeClass*, kRightPaneCount> classes = []
    {
        std::array<CRuntimeClass*, kRightPaneCount> empty{};
        empty.fill(RUNTIME_CLASS(EmptyEditorView));
        empty[static_cast<std::size_t>(RightPane::FormEditor)] = RUNTIME_CLASS(FormEditorDialog);
        empty[static_cast<std::size_t>(RightPane::TransactionView)] = RUNTIME_CLASS(TransactionDlg);
        empty[static_cast<std::size_t>(RightPane::MapFormView)] = RUNTIME_CLASS(MapFormDlg);
        empty[static_cast<std::size_t>(RightPane::TableView)] = RUNTIME_CLASS(TableDialog);
        empty[static_cast<std::size_t>(RightPane::MenuView)] = RUNTIME_CLASS(MenuDlg);
        empty[static_cast<std::size_t>(RightPane::SQLView)] = RUNTIME_CLASS(SQLView);
        empty[static_cast<std::size_t>(RightPane::ProcedureView)] = RUNTIME_CLASS(ProcedureDlg);
        empty[static_cast<std::size_t>(RightPane::UserFunctionView)] =
            RUNTIME_CLASS(UserFunctionDlg);
        empty[static_cast<std::size_t>(RightPane::LoginPageView)] = RUNTIME_CLASS(LoginPageDlg);
        empty[static_cast<std::size_t>(RightPane::ReportView)] =
            RUNTIME_CLASS(ApplicationReportDlg);
        empty[static_cast<std::size_t>(RightPane::MultiPageReportView)] =
            RUNTIME_CLASS(MultiPageReportDlg);
        empty[static_cast<std::size_t>(RightPane::ReportCollectorView)] =
            RUNTIME_CLASS(ReportCollectorDlg);
        empty[static_cast<std::size_t>(RightPane::RDLCReportView)] = RUNTIME_CLASS(RDLCReportdlg);
        empty[static_cast<std::size_t>(RightPane::DashBoardView)] = RUNTIME_CLASS(DashBoardDlg);
        empty[static_cast<std::size_t>(RightPane::DashBoardPageView)] =
            RUNTIME_CLASS(DashBoardPageDlg);
        empty[static_cast<std::size_t>(RightPane::StartPage)] = RUNTIME_CLASS(WeavoDashBoardDlg);
        return empty;
    }();
    return classes;
}
} // namespace

MainFrame::MainFrame()
{
    m_paneViewIndex.fill(-1);
    m_previousProjectSource = MainFrameAccess::SetProjectSource([this] { return GetProject(); });
    m_previousTreeRefresher = MainFrameAccess::SetTreeRefresher([this] { RefreshTree(); });
    m_previousStatusTextSink =
        MainFrameAccess::SetStatusTextSink([this](const char* text) { SetStatusText(text); });
    ViewEditorHost::SetShell(&FrameEditorShell::Get());
    DesignerShell::Set(&FrameDesignerShell::Get());
    m_previousDependenciesHandler =
        DependenciesDlg::SetModalHandler(&DependenciesListDlg::ShowRequest);
}

MainFrame::~MainFrame()
{
    MainFrameAccess::SetProjectSource(std::move(m_previousProjectSource));
    MainFrameAccess::SetTreeRefresher(std::move(m_previousTreeRefresher));
    MainFrameAccess::SetStatusTextSink(std::move(m_previousStatusTextSink));
    ViewEditorHost::SetShell(nullptr);
    DesignerShell::Set(nullptr);
    DependenciesDlg::SetModalHandler(std::move(m_previousDependenciesHandler));
}

CRuntimeClass* MainFrame::SetRightPaneClass(RightPane pane, CRuntimeClass* viewClass)
{
    return std::exchange(RightPaneClasses()[static_cast<std::size_t>(pane)], viewClass);
}

CRuntimeClass* MainFrame::GetRightPaneClass(RightPane pane)
{
    return RightPaneClasses()[static_cast<std::size_t>(pane)];
}

MainFrame* MainFrame::Get()
{
    return dynamic_cast<MainFrame*>(AfxGetMainWnd());
}

void MainFrame::EditTable(Table* table, int kind)
{
    if (!ShowRightPane(RightPane::TableView))
        return;
    if (auto* editor = dynamic_cast<TableDialog*>(GetRightPaneView(RightPane::TableView)))
        editor->LoadTable(table, kind);
}

void MainFrame::EditForm(Form* form)
{
    if (!ShowRightPane(RightPane::FormEditor))
        return;
    if (auto* editor = dynamic_cast<FormEditorDialog*>(GetRightPaneView(RightPane::FormEditor)))
        editor->LoadForm(form);
}

void MainFrame::EditTransaction(Transaction* transaction)
{
    if (!ShowRightPane(RightPane::TransactionView))
        return;
    if (auto* editor = dynamic_cast<TransactionDlg*>(GetRightPaneView(RightPane::TransactionView)))
        editor->LoadTransaction(transaction);
}

void MainFrame::EditMapForm(Table* mapTable)
{
    if (!ShowRightPane(RightPane::MapFormView))
        return;
    if (auto* editor = dynamic_cast<MapFormDlg*>(GetRightPaneView(RightPane::MapFormView));
        editor != nullptr && mapTable != nullptr)
        editor->LoadTable(mapTable);
}

void MainFrame::EditMenu(Menu* menu)
{
    if (!ShowRightPane(RightPane::MenuView))
        return;
    if (auto* editor = dynamic_cast<MenuDlg*>(GetRightPaneView(RightPane::MenuView)))
        editor->LoadMenu(menu);
}

void MainFrame::EditUserFunction(Function* function)
{
    if (!ShowRightPane(RightPane::UserFunctionView))
        return;
    if (auto* editor =
            dynamic_cast<UserFunctionDlg*>(GetRightPaneView(RightPane::UserFunctionView)))
        editor->LoadFunction(function);
}

void MainFrame::ShowSQLView()
{
    if (!ShowRightPane(RightPane::SQLView))
        return;
    if (auto* view = dynamic_cast<SQLView*>(GetRightPaneView(RightPane::SQLView)))
        view->LoadDatabase(false);
}

namespace
{
constexpr UINT kLookAtSavedStatus = WM_USER + 0x51;
} // namespace

int MainFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT,
                            WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                            AFX_IDW_TOOLBAR) ||
        !m_toolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (LoadToolBarImages(IDB_TOOLBAR, m_toolBarImages) &&
        LoadToolBarImages(IDB_TOOLBAR_HOT, m_toolBarHotImages))
    {
        m_toolBar.SetImageList(&m_toolBarImages);
        m_toolBar.SetHotImageList(&m_toolBarHotImages);
    }
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
        return -1;
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    // A click or key anywhere in the window may change the project (an editor's command does):
    // the save message is looked at once it has been handled.
    MapMessageHandler(kLookAtSavedStatus,
                      [this](WPARAM, LPARAM)
                      {
                          ClearStaleStatus();
                          return LRESULT{0};
                      });
    AddInputRelay(this,
                  [this](MSG* msg)
                  {
                      if (m_savedStatusShown &&
                          (msg->message == WM_LBUTTONUP || msg->message == WM_KEYUP))
                          PostMessage(kLookAtSavedStatus);
                  });
    return 0;
}

BOOL MainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context)
{
    m_pSplitter = std::make_unique<SplitterWnd>(0, /*sideBySide=*/true);
    if (!m_pSplitter->CreateStaticPanes(this))
        return FALSE;
    CCreateContext viewContext = context != nullptr ? *context : CCreateContext{};
    m_paneViewIndex[0] = m_pSplitter->AddView(kTreePane, RUNTIME_CLASS(ForgeonView), &viewContext);
    for (int index = 0; index < kRightPaneCount; ++index)
        m_paneViewIndex[static_cast<std::size_t>(index) + 1] = m_pSplitter->AddView(
            kEditorPane, GetRightPaneClass(static_cast<RightPane>(index)), &viewContext);
    m_pSplitter->ShowView(kEditorPane, ViewIndexOf(RightPane::StartPage));
    if (const ForgeonView* tree = GetTreeView())
    {
        int width = 0;
        int minimum = 0;
        m_pSplitter->GetColumnInfo(kTreePane, width, minimum);
        m_pSplitter->SetColumnInfo(kTreePane, std::max(width, tree->GetPaneWidth()), minimum);
        m_pSplitter->RecalcLayout();
    }
    return m_paneViewIndex[0] != -1;
}

bool MainFrame::LoadToolBarImages(UINT bitmapId, CImageList& images)
{
    return LoadFaceColouredImages(bitmapId, kToolBarImageSize, kToolBarImageSize,
                                  kToolBarImageCount, RGB(0, 0, 0), images);
}

HMENU MainFrame::BuildOwnerDrawnMenu()
{
    m_menu.DestroyMenu();
    if (!m_menu.LoadMenu(IDR_MAINFRAME))
        return nullptr;
    m_menu.LoadToolbar(IDR_MAINFRAME, IDB_MENU_IMAGES);
    return m_menu.Detach();
}

ForgeonView* MainFrame::GetTreeView() const
{
    return m_pSplitter
               ? dynamic_cast<ForgeonView*>(m_pSplitter->GetView(kTreePane, m_paneViewIndex[0]))
               : nullptr;
}

ForgeonDoc* MainFrame::GetDoc() const
{
    ForgeonView* tree = GetTreeView();
    return tree != nullptr ? tree->GetForgeonDoc() : nullptr;
}

ForgeonProject* MainFrame::GetProject() const
{
    ForgeonDoc* doc = GetDoc();
    return doc != nullptr ? doc->GetProject() : nullptr;
}

int MainFrame::ViewIndexOf(RightPane pane) const
{
    return m_paneViewIndex[static_cast<std::size_t>(pane) + 1];
}

CWnd* MainFrame::GetRightPaneView(RightPane pane) const
{
    return m_pSplitter ? m_pSplitter->GetView(kEditorPane, ViewIndexOf(pane)) : nullptr;
}

WvpDialog* MainFrame::GetCurrentWvpDialog() const
{
    if (!m_pSplitter)
        return nullptr;
    return dynamic_cast<WvpDialog*>(
        m_pSplitter->GetView(kEditorPane, m_pSplitter->GetCurrentIndex(kEditorPane)));
}

RightPane MainFrame::GetCurrentRightPane() const
{
    const int current = m_pSplitter ? m_pSplitter->GetCurrentIndex(kEditorPane) : -1;
    for (int index = 0; index < kRightPaneCount; ++index)
    {
        if (ViewIndexOf(static_cast<RightPane>(index)) == current)
            return static_cast<RightPane>(index);
    }
    return RightPane::StartPage;
}

bool MainFrame::ShowRightPane(RightPane pane)
{
    const int index = ViewIndexOf(pane);
    if (index < 0)
        return false;
    if (!MayLeaveCurrentEditor())
        return false;
    ClearCurrentPage();
    m_pSplitter->ShowView(kEditorPane, index);
    ClearStaleStatus();
    AutomaticBackupStep();
    return true;
}

bool MainFrame::MayLeaveCurrentEditor()
{
    WvpDialog* editor = GetCurrentWvpDialog();
    return editor == nullptr || editor->MayLeave();
}

void MainFrame::ClearCurrentPage()
{
    if (WvpDialog* editor = GetCurrentWvpDialog())
        editor->ClearPage();
}

void MainFrame::ClearTree()
{
    if (ForgeonView* tree = GetTreeView())
        tree->ClearTree();
}

void MainFrame::RefreshTree()
{
    if (ForgeonView* tree = GetTreeView())
        tree->RefreshTree();
}

void MainFrame::SetStatusText(const char* text)
{
    SetMessageText(text);
    m_savedStatusShown = false;
}

BOOL MainFrame::OnCmdMsg(UINT id, int code)
{
    const BOOL handled = CFrameWnd::OnCmdMsg(id, code);
    if (handled && code == 0)
        ClearStaleStatus();
    return handled;
}

void MainFrame::ShowSavedStatus(const char* text)
{
    SetStatusText(text);
    m_savedStatusShown = true;
}

void MainFrame::ClearStaleStatus()
{
    ForgeonDoc* doc = GetDoc();
    // Past a size where the look would slow each command, the message goes at the next one.
    if (m_savedStatusShown && doc != nullptr && !doc->IsCheaplyKnownUnchanged())
        SetStatusText("");
}

void MainFrame::AutomaticBackupStep()
{
    if (!m_pBackupWatch)
        m_pBackupWatch = std::make_unique<BackupStopwatch>();
    if (m_pBackupWatch->Lap(GetTickCount()))
        WriteAutomaticBackup();
}

void MainFrame::WriteAutomaticBackup()
{
    if (ForgeonDoc* doc = GetDoc())
        doc->SaveBackupCopy("");
}
