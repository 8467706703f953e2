#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/FormControlsEditor.h"
#include "platform/ui/Dialog.h"

class ForgeonProject;

// "Manage Form Controls" over a FormControlsEditor: which fields of a table have a control on a
// page, in which order; "Set properties" opens the control properties of the selected one.
class AdjustFieldRepsDlg : public CDialog
{
public:
    static constexpr UINT IDD = FormControlsEditor::IDD;

    // The module checks removed controls; it may be null.
    AdjustFieldRepsDlg(ForgeonProject& project, std::vector<Field*> fields, FormInterface& page,
                       Module* module, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // A header typed and not yet taken is taken first.
    void OnOK() override;
    FormControlsEditor& Editor() { return m_editor; }
    // The "Form Header" text as last left.
    CString GetHeader() const
    {
        return m_editor.GetStates().GetText(FormControlsEditor::HeaderBox);
    }

protected:
    // A header typed and not taken is asked about; No shows the header taken again.
    int AskAboutChanges() override;

private:
    void Run(void (FormControlsEditor::*command)());
    void OnFieldSelected(int row);
    void OnControlSelected(int row);
    void OnControlDoubleClick(NMHDR* header, LRESULT* result);
    void OnProperties();
    void OnHeaderLeft();
    void Show();

    ForgeonProject& m_project;
    FormInterface& m_page;
    FormControlsEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_fields;
    CCellListCtrl m_controls;
    CRichToolTipCtrl m_toolTips;
};
