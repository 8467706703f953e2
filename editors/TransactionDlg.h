#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/StaticCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "editors/logic/TransactionEditor.h"
#include "platform/ui/FormView.h"

// The transaction designer in the right pane: a TransactionEditor shown on template 155.
class TransactionDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(TransactionDlg)

public:
    TransactionDlg();
    ~TransactionDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the transaction; null starts a new one.
    void LoadTransaction(Transaction* transaction);

    // The controller of the open project; null while none is open.
    TransactionEditor* GetEditor();

private:
    PaneEditor* GetPaneEditor() override { return m_editor.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (TransactionEditor::*command)());
    void ReadControls();
    void Show();
    void OnModule();
    void OnTableSelected(int row);
    void OnFileDoubleClick(NMHDR* header, LRESULT* result);

    ProjectController<TransactionEditor> m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_tables;
    CCellListCtrl m_files;
    StaticCtrl m_picture;
    CRichToolTipCtrl m_toolTips;
};
