#pragma once

#include "designers/logic/RDLCAssigner.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Select RDLC for" over an RDLCAssigner.
class AssignRDLCDlg : public CDialog
{
public:
    static constexpr UINT IDD = RDLCAssigner::IDD;

    AssignRDLCDlg(RDLCReport& report, ForgeonProject& project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    void OnAssign();

    RDLCAssigner m_assigner;
    ControlStatesView m_view;
};
