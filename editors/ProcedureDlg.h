#pragma once

#include "controls/CellListCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "editors/logic/ProcedureEditor.h"
#include "platform/ui/FormView.h"

// The procedure editor in the right pane: a ProcedureEditor shown on template 166.
class ProcedureDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(ProcedureDlg)

public:
    ProcedureDlg();
    ~ProcedureDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Shows the procedure; null starts a new one.
    void LoadProcedure(Procedure* procedure);
    // The procedure goes away elsewhere: a new one is started.
    void ForgetProcedure(Procedure* procedure);

    // The controller of the open project; null while none is open.
    ProcedureEditor* GetEditor();

private:
    PaneEditor* GetPaneEditor() override { return m_editor.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (ProcedureEditor::*command)());
    void RunRow(void (ProcedureEditor::*command)(int), const CCellListCtrl& list);
    void RunChoice(void (ProcedureEditor::*command)(int), int combo);
    void ReadControls();
    void Show();
    void OnModule() { RunChoice(&ProcedureEditor::ChooseModule, ProcedureEditor::IDC_MODULE); }
    void OnParameterTable()
    {
        RunChoice(&ProcedureEditor::ChooseParameterTable, ProcedureEditor::IDC_PARAMETER_TABLE);
    }
    void OnAddMainTable() { Run(&ProcedureEditor::AddMainTable); }
    void OnAddDetailTable() { Run(&ProcedureEditor::AddDetailTable); }
    void OnAddParameter() { Run(&ProcedureEditor::AddOrUpdateParameter); }
    void OnNameKillFocus() { Run(&ProcedureEditor::NameLostFocus); }
    void OnAddFieldInfo() { Run(&ProcedureEditor::AddFieldInfo); }
    void OnRelation() { Run(&ProcedureEditor::EditRelations); }
    void OnWriteProcedure() { Run(&ProcedureEditor::ToggleWriteFlag); }
    void OnAllowVariation() { Run(&ProcedureEditor::ToggleVariation); }
    void OnSelectVariation() { Run(&ProcedureEditor::SelectVariationParameter); }
    void OnCreateDerived() { Run(&ProcedureEditor::CreateDerivedProcedures); }
    void OnApply() { Run(&ProcedureEditor::Apply); }
    void OnAddProcedure() { Run(&ProcedureEditor::AddProcedure); }
    void OnCancelProcedure() { Run(&ProcedureEditor::Cancel); }
    void OnParameterSelected(int row);

    ProjectController<ProcedureEditor> m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_detailList;
    CCellListCtrl m_parameterList;
    CCellListCtrl m_variationList;
    CCellListCtrl m_outputList;
};
