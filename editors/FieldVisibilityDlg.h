#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/FieldVisibilityEditor.h"
#include "platform/ui/Dialog.h"

// "File Properties" over a FieldVisibilityEditor: how the controls' fields show on one page file.
class FieldVisibilityDlg : public CDialog
{
public:
    static constexpr UINT IDD = FieldVisibilityEditor::IDD;

    // The page file may be null.
    FieldVisibilityDlg(FormInterface& page, AspFile* file, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    FieldVisibilityEditor& Editor() { return m_editor; }

protected:
    // A title typed and not taken is asked about; No shows the title taken again.
    int AskAboutChanges() override;

private:
    void Run(void (FieldVisibilityEditor::*command)());
    void OnRadio(int id);
    void OnTitleLeft();
    void OnRowSelected(int row);
    void Show();

    FieldVisibilityEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_list;
    CRichToolTipCtrl m_toolTips;
};
