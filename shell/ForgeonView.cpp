#include "shell/ForgeonView.h"

#include "designers/ApplicationReportDlg.h"
#include "designers/DashBoardDlg.h"
#include "designers/DashBoardPageDlg.h"
#include "designers/MultiPageReportDlg.h"
#include "designers/RDLCReportdlg.h"
#include "designers/ReportCollectorDlg.h"
#include "editors/FormEditorDialog.h"
#include "editors/LoginPageDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/UserFunctionDlg.h"
#include "editors/WvpDialog.h"
#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WinApp.h"
#include "shell/ForgeonDoc.h"
#include "shell/MainFrame.h"
#include "shell/ReNameModuleDlg.h"
#include "shell/ShellResources.h"
#include "shell/TreeCtrlTarget.h"
#include "shell/logic/ModuleRenamer.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "shell/logic/TreeEntityMover.h"

#include <QBrush>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QTransform>
#include <QTreeWidget>

#include <algorithm>

IMPLEMENT_DYNCREATE(ForgeonView, CTreeView)

// While a drag runs, the mouse over the tree's items reaches the view that drags, also where
// the platform does not let the view grab the mouse.
class ForgeonView::DragForwarder : public QObject
{
public:
    explicit DragForwarder(ForgeonView& view) : m_view(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global =
            static_cast<QWidget*>(watched)->mapToGlobal(mouse->position().toPoint());
        const QPoint client = m_view.GetSafeHwnd()->mapFromGlobal(global);
        const CPoint point(client.x(), client.y());
        if (event->type() == QEvent::MouseMove)
        {
            m_view.OnMouseMove(MK_LBUTTON, point);
            return true;
        }
        if (mouse->button() == Qt::LeftButton)
            m_view.OnLButtonUp(0, point);
        return false;
    }

private:
    ForgeonView& m_view;
};

ForgeonView::ForgeonView()
    : m_pControl(std::make_unique<TreeCtrlTarget>(GetTreeCtrl())),
      m_pTree(std::make_unique<ProjectTree>(*m_pControl)),
      m_pCommands(
          std::make_unique<ProjectTreeCommands>(*m_pTree, static_cast<TreeCommandHost&>(*this)))
{
    MapTreeNotify(NM_DBLCLK, &ForgeonView::OnDoubleClick);
    MapTreeNotify(NM_RCLICK, &ForgeonView::OnRightClick);
    MapTreeNotify(TVN_KEYDOWN, &ForgeonView::OnKeyDown);
    MapTreeNotify(TVN_BEGINLABELEDIT, &ForgeonView::OnBeginLabelEdit);
    MapTreeNotify(TVN_ENDLABELEDIT, &ForgeonView::OnEndLabelEdit);
    MapTreeNotify(TVN_BEGINDRAG, &ForgeonView::OnBeginDrag);
}

ForgeonView::~ForgeonView() = default;

ForgeonDoc* ForgeonView::GetForgeonDoc() const
{
    return dynamic_cast<ForgeonDoc*>(GetDocument());
}

ProjectTreeControl& ForgeonView::GetTreeControl()
{
    return *m_pControl;
}

void ForgeonView::OnInitialUpdate()
{
    if (m_initialised)
        return;
    SetUp();
    RefreshTree();
}

void ForgeonView::SetUp()
{
    m_initialised = true;
    if (m_images.Create(IDB_TREE_IMAGES, kTreeImageSize, 1, RGB(0, 0, 0)))
        GetTreeCtrl().SetImageList(&m_images, TVSIL_NORMAL);
    BuildContextMenus();
    LoadBackgroundBitmap(IDB_TREE_BACKGROUND);
}

void ForgeonView::BuildContextMenus()
{
    for (int index = 1; index <= kTreeMenuCount; ++index)
    {
        CMenu& menu = m_menus[static_cast<std::size_t>(index)];
        menu.CreatePopupMenu();
        for (const TreeMenuEntry& entry : TreeMenuEntries(static_cast<TreeMenu>(index)))
            menu.AppendMenu(MF_STRING, entry.command, entry.text);
    }
}

void ForgeonView::RefreshTree()
{
    if (!m_initialised)
        SetUp();
    ForgeonDoc* doc = GetForgeonDoc();
    m_pTree->BuildTree(doc != nullptr ? doc->GetProject() : nullptr);
    GetTreeCtrl().UpdateWindow();
}

void ForgeonView::ClearTree()
{
    m_pTree->Clear();
}

int ForgeonView::GetPaneWidth() const
{
    const auto* tree = qobject_cast<const QTreeWidget*>(GetTreeCtrl().GetSafeHwnd());
    if (tree == nullptr)
        return 0;
    const QFontMetrics metrics(tree->font());
    int text = 0;
    for (const TreeCategory& category : kCategories)
        text = std::max(text, metrics.horizontalAdvance(QString(category.text) + "(00)"));
    constexpr int kIconAndGaps = 16 + 12;
    return text + 3 * tree->indentation() + kIconAndGaps + 2 * tree->frameWidth() +
           tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void ForgeonView::ShowContextMenu(HTREEITEM item, CPoint screenPoint)
{
    if (item == nullptr)
        return;
    m_pCommands->SelectModuleOfItem(item);
    const TreeMenuChoice choice = m_pCommands->ChooseMenu(item);
    if (choice.menu == TreeMenu::None)
        return;
    CMenu& menu = GetContextMenu(choice.menu);
    for (const TreeMenuEntry& entry : TreeMenuEntries(choice.menu))
    {
        const bool grayed = std::find(choice.grayed.begin(), choice.grayed.end(), entry.command) !=
                            choice.grayed.end();
        menu.EnableMenuItem(entry.command, MF_BYCOMMAND | (grayed ? MF_GRAYED : MF_ENABLED));
    }
    const UINT command = static_cast<UINT>(
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                            screenPoint.x, screenPoint.y, AfxGetMainWnd()));
    if (command != 0)
        m_pCommands->RunMenuCommand(choice.menu, command, item);
    ClearStaleStatus();
}

void ForgeonView::ClearStaleStatus()
{
    if (MainFrame* frame = MainFrame::Get())
        frame->ClearStaleStatus();
}

void ForgeonView::OpenItem(HTREEITEM item)
{
    m_pCommands->OpenItem(item);
}

void ForgeonView::DeleteSelectedItem()
{
    m_pCommands->DeleteSelectedItem();
    ClearStaleStatus();
}

void ForgeonView::CreateModule()
{
    m_pCommands->CreateModule();
}

void ForgeonView::DeleteModuleOfItem(HTREEITEM item)
{
    m_pCommands->DeleteModuleItem(item);
}

void ForgeonView::RenameModule()
{
    ForgeonProject* project = m_pTree->GetProject();
    if (project == nullptr)
        return;
    ReNameModuleDlg dialog(project, AfxGetMainWnd());
    dialog.DoModal();
}

void ForgeonView::OnDoubleClick(NMHDR*, LRESULT* result)
{
    OpenItem(GetTreeCtrl().GetSelectedItem());
    *result = 0;
}

void ForgeonView::OnRightClick(NMHDR*, LRESULT* result)
{
    CPoint screen;
    GetCursorPos(&screen);
    CPoint client = screen;
    GetTreeCtrl().ScreenToClient(&client);
    const HTREEITEM item = GetTreeCtrl().HitTest(client);
    if (item != nullptr)
    {
        GetTreeCtrl().SelectItem(item);
        ShowContextMenu(item, screen);
    }
    *result = 0;
}

void ForgeonView::OnKeyDown(NMHDR* header, LRESULT* result)
{
    // Enter opens the selected entity's editor, as a double click does.
    const WORD key = reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey;
    if (key == VK_DELETE)
        DeleteSelectedItem();
    else if (key == VK_RETURN)
        OpenItem(GetTreeCtrl().GetSelectedItem());
    *result = 0;
}

void ForgeonView::OnBeginLabelEdit(NMHDR* header, LRESULT* result)
{
    // Only a module's name is edited in the tree.
    *result = m_pTree->IsModuleItem(reinterpret_cast<NMTVDISPINFO*>(header)->item.hItem) ? 0 : 1;
}

void ForgeonView::OnEndLabelEdit(NMHDR* header, LRESULT* result)
{
    // The text is never taken as typed: a module that takes a name shows it as it was stored.
    *result = 0;
    const TVITEM& item = reinterpret_cast<NMTVDISPINFO*>(header)->item;
    ForgeonProject* project = m_pTree->GetProject();
    if (item.pszText == nullptr || project == nullptr || !m_pTree->IsModuleItem(item.hItem))
        return;
    Module* module = project->FindModuleById(m_pControl->GetItemData(item.hItem));
    if (module == nullptr || !ModuleRenamer(*project, *module).Rename(item.pszText))
        return;
    m_pControl->SetItemText(item.hItem, module->GetName());
    m_pTree->RebuildModule(*module);
}

bool ForgeonView::MayLeaveEditor()
{
    MainFrame* frame = MainFrame::Get();
    return frame == nullptr || frame->MayLeaveCurrentEditor();
}

void ForgeonView::OpenEditor(RightPane pane, CObject* entity)
{
    if (pane == RightPane::TableView)
        OpenTableEditor(dynamic_cast<Table*>(entity), Table::masterKind, /*enableOK=*/true);
    else if (MainFrame* frame = MainFrame::Get(); frame != nullptr && pane == RightPane::MenuView)
        frame->EditMenu(dynamic_cast<Menu*>(entity));
    else if (frame != nullptr && pane == RightPane::FormEditor)
        frame->EditForm(dynamic_cast<Form*>(entity));
    else if (frame != nullptr && pane == RightPane::TransactionView)
        frame->EditTransaction(dynamic_cast<Transaction*>(entity));
    else if (frame != nullptr && pane == RightPane::MapFormView)
    {
        // A map form opens over its table; a map table opens its map form or a new one.
        const auto* mapForm = dynamic_cast<MapForm*>(entity);
        frame->EditMapForm(mapForm != nullptr ? mapForm->GetMappingTable()
                                              : dynamic_cast<Table*>(entity));
    }
    else if (MainFrame* frame = MainFrame::Get())
    {
        if (!frame->ShowRightPane(pane))
            return;
        CWnd* view = frame->GetRightPaneView(pane);
        if (auto* procedureView = dynamic_cast<ProcedureDlg*>(view))
            procedureView->LoadProcedure(dynamic_cast<Procedure*>(entity));
        else if (auto* loginView = dynamic_cast<LoginPageDlg*>(view))
            loginView->Load();
        else if (auto* functionView = dynamic_cast<UserFunctionDlg*>(view))
            functionView->LoadFunction(dynamic_cast<Function*>(entity));
        else if (auto* reportView = dynamic_cast<ApplicationReportDlg*>(view))
            reportView->LoadReport(dynamic_cast<ApplicationReport*>(entity));
        else if (auto* multiPageView = dynamic_cast<MultiPageReportDlg*>(view))
            multiPageView->LoadReport(dynamic_cast<MultiPageReport*>(entity));
        else if (auto* collectorView = dynamic_cast<ReportCollectorDlg*>(view))
            collectorView->LoadReportCollector(dynamic_cast<ReportCollector*>(entity));
        else if (auto* rdlcView = dynamic_cast<RDLCReportdlg*>(view))
            rdlcView->LoadRDLCReport(dynamic_cast<RDLCReport*>(entity));
        else if (auto* dashBoardView = dynamic_cast<DashBoardDlg*>(view))
            dashBoardView->LoadDashBoard(dynamic_cast<DashBoard*>(entity));
        else if (auto* dashBoardPageView = dynamic_cast<DashBoardPageDlg*>(view))
            dashBoardPageView->LoadDashBoardPage(dynamic_cast<DashBoardPage*>(entity));
    }
}

void ForgeonView::OpenTableEditor(Table* table, int kind, bool)
{
    if (MainFrame* frame = MainFrame::Get())
        frame->EditTable(table, kind);
}

void ForgeonView::ResetEditor(RightPane pane)
{
    MainFrame* frame = MainFrame::Get();
    CWnd* view = frame != nullptr ? frame->GetRightPaneView(pane) : nullptr;
    if (auto* rdlcView = dynamic_cast<RDLCReportdlg*>(view))
        rdlcView->ForgetReport(nullptr);
    else if (auto* reportView = dynamic_cast<ApplicationReportDlg*>(view))
        reportView->ForgetReport(nullptr);
    else if (auto* editor = dynamic_cast<WvpDialog*>(view))
        editor->ClearPage();
}

void ForgeonView::ReloadCurrentEditor()
{
    MainFrame* frame = MainFrame::Get();
    if (WvpDialog* editor = frame != nullptr ? frame->GetCurrentWvpDialog() : nullptr)
        editor->ReloadPage();
}

namespace
{
// The view cleared and loaded again with the stored entity its designer shows, or with none.
template <class View, class Designer, class Entity>
void Rebind(View& view, Designer* designer, Entity* (Designer::*shown)() const,
            void (View::*load)(Entity*))
{
    if (designer == nullptr)
        return;
    Entity* stored = designer->IsNew() ? nullptr : (designer->*shown)();
    view.ClearPage();
    (view.*load)(stored);
}
} // namespace

void ForgeonView::RebindCurrentEditor()
{
    MainFrame* frame = MainFrame::Get();
    CWnd* view = frame != nullptr ? frame->GetRightPaneView(frame->GetCurrentRightPane()) : nullptr;
    if (auto* reportView = dynamic_cast<ApplicationReportDlg*>(view))
        Rebind(*reportView, reportView->GetDesigner(), &ReportDesigner::GetReport,
               &ApplicationReportDlg::LoadReport);
    else if (auto* rdlcView = dynamic_cast<RDLCReportdlg*>(view))
        Rebind(*rdlcView, rdlcView->GetDesigner(), &RDLCReportDesigner::GetReport,
               &RDLCReportdlg::LoadRDLCReport);
    else if (auto* multiPageView = dynamic_cast<MultiPageReportDlg*>(view))
        Rebind(*multiPageView, multiPageView->GetDesigner(), &MultiPageReportDesigner::GetPage,
               &MultiPageReportDlg::LoadReport);
    else if (auto* collectorView = dynamic_cast<ReportCollectorDlg*>(view))
        Rebind(*collectorView, collectorView->GetDesigner(), &ReportCollectorDesigner::GetCollector,
               &ReportCollectorDlg::LoadReportCollector);
    else if (auto* dashBoardView = dynamic_cast<DashBoardDlg*>(view))
        Rebind(*dashBoardView, dashBoardView->GetDesigner(), &DashBoardDesigner::GetDashBoard,
               &DashBoardDlg::LoadDashBoard);
    else if (auto* dashBoardPageView = dynamic_cast<DashBoardPageDlg*>(view))
        Rebind(*dashBoardPageView, dashBoardPageView->GetDesigner(),
               &DashBoardPageDesigner::GetPage, &DashBoardPageDlg::LoadDashBoardPage);
    else if (auto* formView = dynamic_cast<FormEditorDialog*>(view))
        formView->ReloadPage();
}

void ForgeonView::EditLabel(TreeHandle item)
{
    GetTreeCtrl().EditLabel(TreeCtrlTarget::ToItem(item));
}

void ForgeonView::ShowRenameModuleDialog()
{
    RenameModule();
}

bool ForgeonView::PrepareAndSave()
{
    ForgeonDoc* doc = GetForgeonDoc();
    return doc != nullptr && doc->PrepareAndSave();
}

void ForgeonView::OnBeginDrag(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* drag = reinterpret_cast<NMTREEVIEW*>(header);
    const HTREEITEM item = drag->itemNew.hItem;
    if (m_dragging || !TreeDragRules::CanStartDrag(*m_pControl, item))
        return;
    m_dragItem = item;
    m_dropTarget = nullptr;
    m_pDragImage.reset(GetTreeCtrl().CreateDragImage(item));
    m_dragging = true;
    if (auto* tree = qobject_cast<QTreeWidget*>(GetTreeCtrl().GetSafeHwnd()))
    {
        m_pDragForwarder = std::make_unique<DragForwarder>(*this);
        tree->viewport()->installEventFilter(m_pDragForwarder.get());
    }
    if (m_pDragImage)
    {
        CPoint screen = drag->ptDrag;
        GetTreeCtrl().ClientToScreen(&screen);
        m_pDragImage->BeginDrag(0, CPoint(-15, -15));
        CImageList::DragEnter(nullptr, screen);
    }
    SetCapture();
}

HTREEITEM ForgeonView::ItemAt(CPoint point) const
{
    ClientToScreen(&point);
    GetTreeCtrl().ScreenToClient(&point);
    return GetTreeCtrl().HitTest(point);
}

void ForgeonView::OnMouseMove(UINT flags, CPoint point)
{
    static const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    if (m_dragging)
    {
        CPoint screen = point;
        ClientToScreen(&screen);
        CImageList::DragMove(screen);
        if (const HTREEITEM item = ItemAt(point))
        {
            CImageList::DragShowNolock(FALSE);
            if (TreeDragRules::CanHighlight(*m_pControl, m_dragItem, item))
            {
                if (GetCursor() != arrow)
                    SetCursor(arrow);
                GetTreeCtrl().SelectDropTarget(item);
            }
            m_dropTarget = item;
            CImageList::DragShowNolock(TRUE);
        }
    }
    else
        SetCursor(arrow);
    CTreeView::OnMouseMove(flags, point);
}

void ForgeonView::OnLButtonUp(UINT flags, CPoint point)
{
    CTreeView::OnLButtonUp(flags, point);
    if (!m_dragging)
        return;
    EndDragging();
    TreeDragRules::DropItem(*m_pTree, m_dragItem, ItemAt(point));
}

void ForgeonView::EndDragging()
{
    m_dragging = false;
    CImageList::DragLeave(this);
    CImageList::EndDrag();
    ReleaseCapture();
    // The forwarder may be the caller: it goes once its event is done.
    if (m_pDragForwarder)
    {
        if (auto* tree = qobject_cast<QTreeWidget*>(GetTreeCtrl().GetSafeHwnd()))
            tree->viewport()->removeEventFilter(m_pDragForwarder.get());
        m_pDragForwarder.release()->deleteLater();
    }
    m_pDragImage.reset();
    GetTreeCtrl().SelectDropTarget(nullptr);
}

BOOL ForgeonView::LoadBackgroundBitmap(UINT resourceId)
{
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->LoadBitmap(resourceId) || bitmap->GetImage() == nullptr)
        return FALSE;
    m_pBackground = std::move(bitmap);
    auto* tree = qobject_cast<QTreeWidget*>(GetTreeCtrl().GetSafeHwnd());
    if (tree == nullptr)
        return TRUE;
    // Scrolling and expanding move the items; the picture follows them.
    const auto follow = [this] { PlaceBackground(); };
    QObject::connect(tree->verticalScrollBar(), &QScrollBar::valueChanged, tree, follow);
    QObject::connect(tree->horizontalScrollBar(), &QScrollBar::valueChanged, tree, follow);
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, follow);
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, follow);
    PlaceBackground();
    return TRUE;
}

void ForgeonView::PlaceBackground()
{
    auto* tree = qobject_cast<QTreeWidget*>(GetTreeCtrl().GetSafeHwnd());
    if (tree == nullptr || !m_pBackground)
        return;
    // Tiled from the root item's top and the negative horizontal scroll position.
    QTreeWidgetItem* root = tree->topLevelItemCount() > 0 ? tree->topLevelItem(0) : nullptr;
    const int top = root != nullptr ? tree->visualItemRect(root).top() : 0;
    QBrush brush(QPixmap::fromImage(*m_pBackground->GetImage()));
    brush.setTransform(QTransform::fromTranslate(-tree->horizontalScrollBar()->value(), top));
    QPalette palette = tree->palette();
    palette.setBrush(QPalette::Base, brush);
    tree->setPalette(palette);
}
