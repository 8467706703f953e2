#include "designers/ReportDialogsViewHost.h"

#include "designers/ReportFieldCtrlPropDlg.h"
#include "designers/ReportFieldPropDlg.h"
#include "editors/AssignProcedureDlg.h"
#include "editors/FieldRepDlg.h"

void ReportDialogsViewHost::EditReportFieldSettings(ReportGroup& group, ReportField& column,
                                                    Module* module)
{
    ReportFieldPropDlg(m_project, group, column, module, m_parent).DoModal();
}

void ReportDialogsViewHost::EditReportFieldControl(ReportGroup& group, ReportField& column)
{
    ReportFieldCtrlPropDlg(m_project, group, column, m_parent).DoModal();
}

void ReportDialogsViewHost::EditControlProperties(FormInterface& page, FieldRep& control)
{
    FieldRepDlg(m_project, page, control, nullptr, m_parent).DoModal();
}

bool ReportDialogsViewHost::AssignProcedure(ProcedureAssigner& assigner)
{
    return AssignProcedureDlg(assigner, m_parent).DoModal() == IDOK;
}
