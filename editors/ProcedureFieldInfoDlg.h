#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/FunctionOutputFields.h"
#include "platform/ui/Dialog.h"

// "Manage function Output Fields" over a FunctionOutputFields.
class ProcedureFieldInfoDlg : public CDialog
{
public:
    static constexpr UINT IDD = FunctionOutputFields::IDD;

    ProcedureFieldInfoDlg(ForgeonProject& project, Function& function, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Enter in the value box runs Add/Update.
    BOOL PreTranslateMessage(MSG* msg) override;
    FunctionOutputFields& Fields() { return m_fields; }

protected:
    // OK and Escape ask about an alias typed and not added.
    bool MayClose() override;

private:
    void Run(void (FunctionOutputFields::*command)());
    void RunChoice(void (FunctionOutputFields::*command)(int), int combo);
    void ReadControls();
    void OnOutputSelected(int row);
    void Show();

    FunctionOutputFields m_fields;
    ControlStatesView m_view;
    CCellListCtrl m_output;
    CRichToolTipCtrl m_toolTips;
};
