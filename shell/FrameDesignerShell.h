#pragma once

#include "designers/logic/DesignerShell.h"

// What the designers ask of the main frame: the right pane switched to an editor for the start
// page, and the project tree's items of the dashboards and reports they store. It works on the
// frame that is open; without one it does nothing.
class FrameDesignerShell final : public DesignerShell
{
public:
    static FrameDesignerShell& Get();

    void EditNew(NewEntity entity) override;
    void EditForm(Form& form) override;
    void AddDashBoardItem(Module& module, DashBoard& page) override;
    void AddDashBoardPageItem(Module& module, DashBoardPage& page) override;
    void AddRDLCReportItem(Module& module, RDLCReport& report) override;
    void AddApplicationReportItem(Module& module, ApplicationReport& report) override;
    void AddReportCollectorItem(Module& module, ReportCollector& collector) override;
};
