#pragma once

#include "controls/ToolTipDialog.h"
#include "editors/logic/MenuParentChange.h"
#include "platform/ui/Dialog.h"

// "Change parent for": the menu goes under the parent chosen from the candidates that the
// caller's source offers.
class SetMenuParent : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 301;
    static constexpr int IDC_PARENT = 1776;
    static constexpr int IDC_HELP_BUTTON = 1740;

    SetMenuParent(ForgeonProject& project, Menu& menu, CWnd* parent = nullptr,
                  MenuParentChange::CandidateSource candidates = {});

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnHelp();

    MenuParentChange m_change;
};
