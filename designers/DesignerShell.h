#pragma once

class Module;
class RDLCReport;

// What the designers ask of the project tree beyond the editors' shell. The main frame installs
// one; without one nothing happens.
class DesignerShell
{
public:
    virtual ~DesignerShell() = default;

    // The report's item under its module, with the category count.
    virtual void AddRDLCReportItem(Module& module, RDLCReport& report) = 0;

    // Installs the shell (null removes it); returns the one installed before.
    static DesignerShell* Set(DesignerShell* shell);
    static DesignerShell* Get();
};
