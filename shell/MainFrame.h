#pragma once

#include "controls/WeavoMenu.h"
#include "model/DependenciesDlg.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/ControlBars.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/ImageList.h"
#include "shell/logic/RightPane.h"

#include <array>
#include <memory>

class BackupStopwatch;
class ForgeonDoc;
class ForgeonProject;
class ForgeonView;
class Form;
class Function;
class Menu;
class SplitterWnd;
class Table;
class Transaction;
class WvpDialog;

// The main window: tool bar, status bar, menu and a splitter with the project tree on the left
// and one of sixteen views on the right. Every subsystem reaches the open project through it.
class MainFrame : public CFrameWnd, public MainFrameAccess
{
    DECLARE_DYNCREATE(MainFrame)

public:
    MainFrame();
    ~MainFrame() override;

    // The main frame of the application, or null.
    static MainFrame* Get();

    ForgeonProject* GetProject() const;
    ForgeonView* GetTreeView() const;
    ForgeonDoc* GetDoc() const;
    SplitterWnd* GetSplitter() const { return m_pSplitter.get(); }

    // The right-pane view at the pane's index; null when it could not be made.
    CWnd* GetRightPaneView(RightPane pane) const;
    // The right-pane view now shown, when it is an editor view.
    WvpDialog* GetCurrentWvpDialog() const;
    RightPane GetCurrentRightPane() const;
    // Every way of leaving the view shown asks this first (another item or view, New, Open, a
    // recent file, closing the window, a tree command that rebinds the view): the editor asks
    // about what was typed in it or a new item it holds. False when the user stays; true leaves
    // nothing to ask about, as Yes stored it and No dropped it.
    bool MayLeaveCurrentEditor();

    // Switches the right pane: the view left lets go of its entity, the chosen one shows, and the
    // automatic backup step runs. False when the view left keeps its entity, as the user stays
    // with what was typed there.
    bool ShowRightPane(RightPane pane);
    void ShowStartPage() { ShowRightPane(RightPane::StartPage); }
    // The database pane, loading the database.
    void ShowSQLView();
    // The table designer loaded with the table (null: a new one of the kind); its OK is enabled.
    void EditTable(Table* table, int kind);
    // The form editor loaded with the form, also with none.
    void EditForm(Form* form);
    // The transaction designer with the transaction; null starts a new one.
    void EditTransaction(Transaction* transaction);
    // The map form editor with the map form of the mapping table; nothing is loaded for none.
    void EditMapForm(Table* mapTable);
    // The menu editor with the menu's item expanded; null for none.
    void EditMenu(Menu* menu);
    // Shows the user function editor on the function; null starts a new one.
    void EditUserFunction(Function* function);
    // The view shown lets go of its entity without a switch.
    void ClearCurrentPage();

    void ClearTree();
    void RefreshTree();
    void SetStatusText(const char* text);
    // A menu or tool-bar command may change the project: a save's text goes when it did.
    BOOL OnCmdMsg(UINT id, int code) override;
    // A save's text, taken back (ClearStaleStatus) once the project differs from what was saved.
    void ShowSavedStatus(const char* text);
    void ClearStaleStatus();
    // Loads the main menu into the owner-drawn menu with the pictures of the tool-bar buttons
    // and hands its handle over; null when the menu cannot be loaded.
    HMENU BuildOwnerDrawnMenu();

    // The view class made for the right-pane index when a frame is created; the editors not
    // built yet have EmptyEditorView. Returns the class set before.
    static CRuntimeClass* SetRightPaneClass(RightPane pane, CRuntimeClass* viewClass);
    static CRuntimeClass* GetRightPaneClass(RightPane pane);

    // The pane-switch count of the automatic backup; null before the first switch.
    const BackupStopwatch* GetBackupStopwatch() const { return m_pBackupWatch.get(); }

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override;
    BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;

private:
    // The index of the pane's view in the splitter's list; -1 when it could not be made.
    int ViewIndexOf(RightPane pane) const;
    // The tool-bar pictures of the bitmap resource, light grey turned into the face colour.
    static bool LoadToolBarImages(UINT bitmapId, CImageList& images);
    void AutomaticBackupStep();
    void WriteAutomaticBackup();

    std::unique_ptr<SplitterWnd> m_pSplitter;
    CImageList m_toolBarImages;
    CImageList m_toolBarHotImages;
    std::unique_ptr<BackupStopwatch> m_pBackupWatch;
    std::array<int, kRightPaneCount + 1> m_paneViewIndex{};
    WeavoMenu m_menu;
    CStatusBar m_statusBar;
    CToolBar m_toolBar;
    MainFrameAccess::ProjectSource m_previousProjectSource;
    MainFrameAccess::TreeRefresher m_previousTreeRefresher;
    MainFrameAccess::StatusTextSink m_previousStatusTextSink;
    bool m_savedStatusShown = false;
    DependenciesDlg::ModalHandler m_previousDependenciesHandler;
};
