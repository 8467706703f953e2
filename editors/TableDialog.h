#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/WvpDialog.h"
#include "editors/logic/TableDesigner.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/FormView.h"
#include "platform/ui/Static.h"

#include <memory>

// The table designer in the right pane: a TableDesigner shown on template 130.
class TableDialog : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(TableDialog)

public:
    TableDialog();
    ~TableDialog() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the table; null starts a new table of the kind.
    void LoadTable(Table* table, int kind);
    void EnableOK(bool enable);
    // Cancel: the start page.
    void OnCancel();
    // Enter in a box of the field adds or updates it.
    BOOL PreTranslateMessage(MSG* msg) override;

    // The controller of the open project; null while none is open.
    TableDesigner* GetDesigner();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    PaneEditor* GetPaneEditor() override { return m_designer.get(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }

private:
    // Reads the typed texts, runs the command, shows the state.
    void Run(void (TableDesigner::*command)());
    // As Run, the command told whether the controls passed their validation.
    void RunValidated(void (TableDesigner::*command)(bool));
    void ReadTexts();
    void Show();
    void OnAdd() { RunValidated(&TableDesigner::AddOrUpdate); }
    void OnOk() { RunValidated(&TableDesigner::Ok); }
    void OnDelete() { Run(&TableDesigner::DeleteField); }
    void OnClear() { Run(&TableDesigner::ClearFieldEditors); }
    void OnAllowNull() { Run(&TableDesigner::ToggleAllowNull); }
    void OnForeignKey() { Run(&TableDesigner::ToggleForeignKey); }
    void OnAssign() { Run(&TableDesigner::AssignFrontField); }
    void OnRemove() { Run(&TableDesigner::RemoveFrontField); }
    void OnGenerate() { Run(&TableDesigner::ToggleGenerate); }
    // As Run, with the entry chosen in the combo.
    void RunChoice(void (TableDesigner::*command)(int), const CComboBox& combo);
    void OnTypeChanged() { RunChoice(&TableDesigner::ChooseType, m_typeCombo); }
    void OnModuleChanged() { RunChoice(&TableDesigner::ChooseModule, m_moduleCombo); }
    void OnForeignTableChanged()
    {
        RunChoice(&TableDesigner::ChooseForeignTable, m_foreignTableCombo);
    }
    void OnFrontFieldChanged();
    void OnGridSelected(int row);
    void OnHelp();

    std::unique_ptr<TableDesigner> m_designer;
    ForgeonProject* m_designerProject = nullptr;
    ControlStatesView m_view;
    CCellListCtrl m_grid;
    CComboBox m_typeCombo;
    CComboBox m_moduleCombo;
    CComboBox m_foreignTableCombo;
    CComboBox m_frontFieldCombo;
    CComboBox m_kindCombo;
    CStatic m_picture;
    CBitmap m_pictureBitmap;
    UINT m_shownBitmap = 0;
    CRichToolTipCtrl m_toolTips;
    bool m_toolTipsCreated = false;
    int m_shownRowsRevision = -1;
    // The values the template validates.
    UINT m_size = 0;
    CString m_defaultValue;
};
