#include "designers/ReportDialogsViewHost.h"

#include "designers/ReportFieldCtrlPropDlg.h"
#include "designers/ReportFieldPropDlg.h"
#include "editors/AssignProcedureDlg.h"

void ReportDialogsViewHost::EditReportFieldSettings(ReportGroup& group, ReportField& column,
                                                    Module* module)
{
    ReportFieldPropDlg(m_project, group, column, module, m_parent).DoModal();
}

void ReportDialogsViewHost::EditReportFieldControl(ReportGroup& group, ReportField& column)
{
    ReportFieldCtrlPropDlg(m_project, group, column, m_parent).DoModal();
}

void ReportDialogsViewHost::EditControlProperties(FormInterface&, FieldRep&) {}

bool ReportDialogsViewHost::AssignProcedure(ProcedureAssigner& assigner)
{
    return AssignProcedureDlg(assigner, m_parent).DoModal() == IDOK;
}
