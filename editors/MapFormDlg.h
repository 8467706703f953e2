#pragma once

#include "controls/CellListCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "editors/logic/MapFormEditor.h"
#include "platform/ui/FormView.h"

// The map form editor in the right pane: a MapFormEditor shown on template 188.
class MapFormDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(MapFormDlg)

public:
    MapFormDlg();
    ~MapFormDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override {}
    // The Delete key in the field and the input list.
    BOOL PreTranslateMessage(MSG* msg) override;

    // The map form of the mapping table, or a new one; nothing for null.
    void LoadTable(Table* table);

    // The controller of the open project; null while none is open.
    MapFormEditor* GetEditor();

private:
    PaneEditor* GetPaneEditor() override { return m_editor.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (MapFormEditor::*command)());
    void ReadControls();
    void Show();
    void OnMasterForm();
    void OnFieldSelected(int row);
    void OnInputSelected(int row);
    void OnInputDoubleClick(NMHDR* header, LRESULT* result);

    ProjectController<MapFormEditor> m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_fields;
    CCellListCtrl m_inputs;
};
