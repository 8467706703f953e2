#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/RefFieldEditor.h"
#include "platform/ui/Dialog.h"

// "Manage Reference Fields" over a RefFieldEditor: the page's extra fields of one table.
class RefFieldDialog : public CDialog
{
public:
    static constexpr UINT IDD = RefFieldEditor::IDD;

    RefFieldDialog(FormInterface& page, Table* table, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Enter in the value box runs Add/Update.
    BOOL PreTranslateMessage(MSG* msg) override;
    RefFieldEditor& Editor() { return m_editor; }

protected:
    // OK and Escape ask about a field typed and not added.
    bool MayClose() override;

private:
    void Run(void (RefFieldEditor::*command)());
    void ReadControls();
    void OnRowSelected(int row);
    void Show();

    RefFieldEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_list;
    CRichToolTipCtrl m_toolTips;
};
