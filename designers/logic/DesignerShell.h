#pragma once

#include "designers/logic/StartPage.h"

class ApplicationReport;
class CString;
class DashBoard;
class DashBoardPage;
class Module;
class RDLCReport;
class ReportCollector;

// The main frame's part for the designers: the right pane switched to an editor (the start
// page's buttons) and the project tree's items of the pages the designers store. The main frame
// installs one; without one nothing happens.
class DesignerShell : public StartPageHost
{
public:
    virtual void AddDashBoardItem(Module& module, DashBoard& page) = 0;
    virtual void AddDashBoardPageItem(Module& module, DashBoardPage& page) = 0;
    // The report's item under its module, with the category count.
    virtual void AddRDLCReportItem(Module& module, RDLCReport& report) = 0;
    virtual void AddApplicationReportItem(Module& module, ApplicationReport& report) = 0;
    virtual void AddReportCollectorItem(Module& module, ReportCollector& collector) = 0;

    // Installs the shell (null removes it); returns the one installed before.
    static DesignerShell* Set(DesignerShell* shell);
    static DesignerShell* Get();
};
