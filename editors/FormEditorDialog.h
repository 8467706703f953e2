#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/StaticCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "editors/logic/FormEditor.h"
#include "platform/ui/FormView.h"

class Form;

// The form editor in the right pane: a FormEditor shown on template 133.
class FormEditorDialog : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(FormEditorDialog)

public:
    FormEditorDialog();
    ~FormEditorDialog() override;

    void OnInitialUpdate() override;
    void ClearPage() override { ClearForm(); }
    // The form shown again from the model.
    void ReloadPage() override;
    // Enter runs the name check.
    BOOL PreTranslateMessage(MSG* msg) override;

    void LoadForm(Form* form);
    void ClearForm();

    // The controller of the open project; null while none is open.
    FormEditor* GetEditor();

private:
    PaneEditor* GetPaneEditor() override { return m_editor.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (FormEditor::*command)());
    void ReadControls();
    void Show();
    void OnFileDoubleClick(NMHDR* header, LRESULT* result);

    ProjectController<FormEditor> m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_files;
    StaticCtrl m_picture;
    CRichToolTipCtrl m_toolTips;
};
