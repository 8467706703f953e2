#include "designers/DesignerViewHost.h"

#include "designers/ChartDataDlgs.h"
#include "designers/GroupHdrPropDlg.h"
#include "designers/ReportColumnDlg.h"
#include "designers/ReportFieldPropDlg.h"
#include "designers/ReportFilterDlg.h"
#include "designers/logic/DesignerShell.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/LinkDialogs.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "model/MainFrameAccess.h"

DesignerViewHost& DesignerViewHost::Get()
{
    static DesignerViewHost host;
    return host;
}

void DesignerViewHost::AddApplicationReportItem(Module& module, ApplicationReport& report)
{
    if (DesignerShell* shell = DesignerShell::Get())
        shell->AddApplicationReportItem(module, report);
}

void DesignerViewHost::AddReportCollectorItem(Module& module, ReportCollector& collector)
{
    if (DesignerShell* shell = DesignerShell::Get())
        shell->AddReportCollectorItem(module, collector);
}

bool DesignerViewHost::AssignFunction(FormInterface& page, ClassInvokation& invokation,
                                      bool allowChange)
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return false;
    AssignFunctionDlg dialog(*project, page, &invokation, allowChange);
    return dialog.DoModal() == IDOK;
}

void DesignerViewHost::EditLinkControls(FormInterface& page)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        LinkControlDlg dialog(*project, page);
        dialog.DoModal();
    }
}

void DesignerViewHost::EditControlSettings(FormInterface& page, FieldRep& control)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
        FieldRepPropertiesDlg(*project, page, control).DoModal();
}

void DesignerViewHost::EditReportFilters(ReportGroup& group)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
        ReportFilterDlg(group, *project).DoModal();
}

void DesignerViewHost::EditReportColumns(ReportGroup& group)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
        ReportColumnDlg(group, *project).DoModal();
}

void DesignerViewHost::EditReportFieldSettings(ReportGroup& group, ReportField& column,
                                               Module* module)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
        ReportFieldPropDlg(*project, group, column, module).DoModal();
}

bool DesignerViewHost::EditGroupHeader(ReportGroup& group, GroupHeader& header)
{
    GroupHdrPropDlg dialog(group);
    if (dialog.DoModal() != IDOK)
        return false;
    header = {dialog.Editor().GetHeaderText(), dialog.Editor().GetHeaderValue(),
              dialog.Editor().GetNextKey()};
    return true;
}

bool DesignerViewHost::EditChartData(ApplicationReport& report, int groupIndex, GraphData& chart)
{
    if (auto* pie = dynamic_cast<PieChartData*>(&chart))
        return PieChartDataDlg(report, groupIndex, *pie).DoModal() == IDOK;
    auto* column = dynamic_cast<ColumnGraphData*>(&chart);
    return column != nullptr && ColumnGraphDlg(report, groupIndex, *column).DoModal() == IDOK;
}
