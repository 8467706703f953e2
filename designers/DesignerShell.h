#pragma once

class ApplicationReport;
class CString;
class Module;
class RDLCReport;
class ReportCollector;

// What the designers ask of the project tree beyond the editors' shell. The main frame installs
// one; without one nothing happens.
class DesignerShell
{
public:
    virtual ~DesignerShell() = default;

    // The report's item under its module, with the category count.
    virtual void AddRDLCReportItem(Module& module, RDLCReport& report) = 0;
    virtual void AddApplicationReportItem(Module& module, ApplicationReport& report) = 0;
    virtual void AddReportCollectorItem(Module& module, ReportCollector& collector) = 0;
    // The selected tree item takes the text when it is an entity item carrying the id.
    virtual void RenameItemIfSelected(int id, const CString& text) = 0;

    // Installs the shell (null removes it); returns the one installed before.
    static DesignerShell* Set(DesignerShell* shell);
    static DesignerShell* Get();
};
