#pragma once

#include "platform/core/CString.h"

class ApplicationReport;
class ClassInvokation;
class FieldRep;
class FormInterface;
class GraphData;
class Module;
class ProcedureFieldInfo;
class ReportCollector;
class ReportField;
class ReportGroup;

// What "Group Header Properties..." edits: the header text and the group's two header columns.
struct GroupHeader
{
    CString text;
    ProcedureFieldInfo* value = nullptr;
    ProcedureFieldInfo* nextKey = nullptr;
};

// What the report designers ask of the window around them beyond the editors' host: the report
// sub-dialogs, the function assignment, the page dialogs, and the tree items of the pages they
// store. The views pass one that runs the real modal dialogs; controller tests pass one that
// records and answers.
class ReportDesignerHost
{
public:
    virtual ~ReportDesignerHost() = default;

    // The page's item under its module in the project tree, with the category count.
    virtual void AddApplicationReportItem(Module& module, ApplicationReport& report) = 0;
    virtual void AddReportCollectorItem(Module& module, ReportCollector& collector) = 0;
    // "Assign Function" on the invocation, for the page; true on OK.
    virtual bool AssignFunction(FormInterface& page, ClassInvokation& invokation,
                                bool allowChange) = 0;
    // "Linkcontrols for form" on the page.
    virtual void EditLinkControls(FormInterface& page) = 0;
    // "Manage Control Settings" on a control of the page.
    virtual void EditControlSettings(FormInterface& page, FieldRep& control) = 0;
    // The filters and the columns of a report group.
    virtual void EditReportFilters(ReportGroup& group) = 0;
    virtual void EditReportColumns(ReportGroup& group) = 0;
    // The settings of one column of the group, for the module.
    virtual void EditReportFieldSettings(ReportGroup& group, ReportField& column,
                                         Module* module) = 0;
    // "Group Header Properties..." starting from the header; true on OK with the header chosen.
    virtual bool EditGroupHeader(ReportGroup& group, GroupHeader& header) = 0;
    // The chart dialog of the chart's class (column or pie) on its texts, for the report's group
    // at the index; true on OK with the texts in the chart.
    virtual bool EditChartData(ApplicationReport& report, int groupIndex, GraphData& chart) = 0;
};
