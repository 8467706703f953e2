#pragma once

#include "editors/ControlStatesView.h"
#include "editors/logic/ReportAssigner.h"
#include "platform/ui/Dialog.h"

// "Assign Search Report": the module and report combos over a ReportAssigner. The caller reads
// the chosen report afterwards: the preset one unless OK chose another.
class AssignReportDlg : public CDialog
{
public:
    static constexpr UINT IDD = ReportAssigner::IDD;
    static constexpr int IDC_HELP_BUTTON = 1740;

    AssignReportDlg(ForgeonProject& project, FormInterface* page, Table* table,
                    ApplicationReport* preset, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    ApplicationReport* GetChosenReport() const { return m_assigner.GetChosenReport(); }

protected:
    void OnOK() override;

private:
    int Selection(int combo);
    void OnModule();
    void OnHelp();

    ReportAssigner m_assigner;
    ControlStatesView m_view;
};
