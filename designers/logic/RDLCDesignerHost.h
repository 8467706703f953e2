#pragma once

class CString;
class FormInterface;
class Module;
class RDLCReport;
class Table;
class TableAdapter;

// What the RDLC report designer asks of the window around it: the dialogs its commands open,
// the project tree and the start page. The view passes one that runs the real modal dialogs and
// reaches the main frame; controller tests pass one that records and answers.
class RDLCDesignerHost
{
public:
    virtual ~RDLCDesignerHost() = default;

    // "Select RDLC for" on the report.
    virtual void AssignRDLC(RDLCReport& report) = 0;
    // "Manage Form Controls" on the report's controls.
    virtual void EditFormControls(RDLCReport& report) = 0;
    // "Manage Reference Fields" on the report and its table.
    virtual void EditReferenceFields(RDLCReport& report, Table* table) = 0;
    // "Linkcontrols for form" on the report.
    virtual void EditLinkControls(RDLCReport& report) = 0;
    // The parameter map of one table adapter of the report.
    virtual void MapParameters(RDLCReport& report, TableAdapter& adapter) = 0;
    // The report's item under its module in the project tree, with the category count.
    virtual void AddRDLCReportItem(Module& module, RDLCReport& report) = 0;
    // The report's tree item takes the report's name.
    virtual void UpdateFormItemText(const FormInterface& page) = 0;
    virtual void ShowStartPage() = 0;
};
