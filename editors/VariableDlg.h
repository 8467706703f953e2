#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/VariableEditor.h"
#include "platform/ui/Dialog.h"

// "Manage Variables" over a VariableEditor.
class VariableDlg : public CDialog
{
public:
    static constexpr UINT IDD = VariableEditor::IDD;

    VariableDlg(ForgeonProject& project, std::vector<FieldVariableMap*>& maps, FormInterface* page,
                CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Enter in the name or default-value box adds.
    BOOL PreTranslateMessage(MSG* msg) override;
    VariableEditor& Editor() { return m_editor; }

protected:
    // OK and Escape ask about a variable typed and not added.
    bool MayClose() override;

private:
    void Read();
    void Run(void (VariableEditor::*command)());
    void Show();
    void OnAdd() { Run(&VariableEditor::AddOrUpdate); }
    void OnDelete() { Run(&VariableEditor::Delete); }
    void OnClear() { Run(&VariableEditor::Clear); }
    void OnListSelected(int row);
    void OnHelp();

    VariableEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_list;
};
