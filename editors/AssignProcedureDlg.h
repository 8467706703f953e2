#pragma once

#include "controls/CellListCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/ProcedureAssigner.h"
#include "platform/ui/Dialog.h"

// "Assign Procedure" over a ProcedureAssigner that its caller made and reads afterwards.
class AssignProcedureDlg : public CDialog
{
public:
    static constexpr UINT IDD = ProcedureAssigner::IDD;

    explicit AssignProcedureDlg(ProcedureAssigner& assigner, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    ProcedureAssigner& Assigner() { return m_assigner; }

protected:
    void OnOK() override;

private:
    void Run(void (ProcedureAssigner::*command)());
    void RunChoice(void (ProcedureAssigner::*command)(int), int combo);
    void Show();
    void OnAssign() { Run(&ProcedureAssigner::Assign); }
    void OnMapOutput() { Run(&ProcedureAssigner::MapOutputFields); }
    void OnMapInput() { Run(&ProcedureAssigner::MapInputVariables); }
    void OnModule() { RunChoice(&ProcedureAssigner::ChooseModule, ProcedureAssigner::IDC_MODULE); }
    void OnProcedure()
    {
        RunChoice(&ProcedureAssigner::ChooseProcedure, ProcedureAssigner::IDC_PROCEDURE);
    }
    void OnHelp();

    ProcedureAssigner& m_assigner;
    ControlStatesView m_view;
    CCellListCtrl m_mappings;
    CCellListCtrl m_variables;
};
