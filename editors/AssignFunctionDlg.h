#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/FunctionAssignment.h"
#include "platform/ui/Dialog.h"

// "Assign Function" over a FunctionAssignment: the data-class call of a page element.
class AssignFunctionDlg : public CDialog
{
public:
    static constexpr UINT IDD = FunctionAssignment::IDD;

    // Without an invocation one is made; take it with TakeCreatedInvokation to keep it.
    AssignFunctionDlg(const ForgeonProject& project, FormInterface& page,
                      ClassInvokation* invokation, bool allowChange, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    FunctionAssignment& Assignment() { return m_assignment; }
    ClassInvokation* TakeCreatedInvokation() { return m_assignment.TakeCreatedInvokation(); }

protected:
    // Escape and the close box keep what "Assign", "<" and ">" did, as OK does.
    bool MadeChanges() const override { return m_assignment.HasChanges(); }

private:
    void Run(void (FunctionAssignment::*command)());
    void RunChoice(void (FunctionAssignment::*command)(int), int combo);
    void OnFieldSelected(int row);
    void OnParameterSelected(int row);
    void Show();

    FunctionAssignment m_assignment;
    ControlStatesView m_view;
    CCellListCtrl m_fields;
    CCellListCtrl m_parameters;
    CRichToolTipCtrl m_toolTips;
};
