#pragma once

#include "editors/ControlStatesView.h"
#include "editors/logic/FormProceduresAssigner.h"
#include "platform/ui/Dialog.h"

// "Procedures for Forms" over a FormProceduresAssigner.
class AssignFormProceduresDlg : public CDialog
{
public:
    static constexpr UINT IDD = FormProceduresAssigner::IDD;

    AssignFormProceduresDlg(ForgeonProject& project, FormInterface* page, Table* table,
                            CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    void Run(void (FormProceduresAssigner::*command)());
    void OnAssign() { Run(&FormProceduresAssigner::Assign); }
    void OnRemove() { Run(&FormProceduresAssigner::Remove); }
    void OnType();

    FormProceduresAssigner m_assigner;
    ControlStatesView m_view;
};
