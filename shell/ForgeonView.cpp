#include "shell/ForgeonView.h"

#include "editors/LoginPageDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/WvpDialog.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
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

#include <algorithm>

IMPLEMENT_DYNCREATE(ForgeonView, CTreeView)

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
}

void ForgeonView::OpenItem(HTREEITEM item)
{
    m_pCommands->OpenItem(item);
}

void ForgeonView::DeleteSelectedItem()
{
    m_pCommands->DeleteSelectedItem();
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
    if (reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey == VK_DELETE)
        DeleteSelectedItem();
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

void ForgeonView::OpenEditor(RightPane pane, CObject* entity)
{
    if (pane == RightPane::TableView)
        OpenTableEditor(dynamic_cast<Table*>(entity), Table::masterKind, /*enableOK=*/true);
    else if (MainFrame* frame = MainFrame::Get(); frame != nullptr && pane == RightPane::MenuView)
        frame->EditMenu(dynamic_cast<Menu*>(entity));
    else if (MainFrame* frame = MainFrame::Get())
    {
        frame->ShowRightPane(pane);
        CWnd* view = frame->GetRightPaneView(pane);
        if (auto* procedureView = dynamic_cast<ProcedureDlg*>(view))
            procedureView->LoadProcedure(dynamic_cast<Procedure*>(entity));
        else if (auto* loginView = dynamic_cast<LoginPageDlg*>(view))
            loginView->Load();
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
    if (auto* editor =
            frame != nullptr ? dynamic_cast<WvpDialog*>(frame->GetRightPaneView(pane)) : nullptr)
        editor->ClearPage();
}

void ForgeonView::ReloadCurrentEditor()
{
    MainFrame* frame = MainFrame::Get();
    if (WvpDialog* editor = frame != nullptr ? frame->GetCurrentWvpDialog() : nullptr)
        editor->ReloadPage();
}

void ForgeonView::EditLabel(TreeHandle item)
{
    GetTreeCtrl().EditLabel(TreeCtrlTarget::ToItem(item));
}

void ForgeonView::ShowRenameModuleDialog()
{
    RenameModule();
}
