#pragma once

#include "designers/logic/ReportDialogsHost.h"

class CWnd;
class ForgeonProject;

// The report sub-dialogs' host that runs the real modal dialogs over the parent window.
class ReportDialogsViewHost final : public ReportDialogsHost
{
public:
    ReportDialogsViewHost(ForgeonProject& project, CWnd* parent)
        : m_project(project), m_parent(parent)
    {
    }

    void EditReportFieldSettings(ReportGroup& group, ReportField& column, Module* module) override;
    void EditReportFieldControl(ReportGroup& group, ReportField& column) override;
    void EditControlProperties(FormInterface& page, FieldRep& control) override;
    bool AssignProcedure(ProcedureAssigner& assigner) override;

private:
    ForgeonProject& m_project;
    CWnd* m_parent;
};
