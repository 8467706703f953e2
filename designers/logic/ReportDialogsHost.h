#pragma once

class FieldRep;
class FormInterface;
class Module;
class ProcedureAssigner;
class ReportField;
class ReportGroup;

// What the report sub-dialogs open: each other, and the editors' dialogs on a control and on a
// procedure call. The views pass one that runs the real modal dialogs; controller tests pass one
// that records and answers.
class ReportDialogsHost
{
public:
    virtual ~ReportDialogsHost() = default;

    // "Report field settings:" on a column of the group, for the module.
    virtual void EditReportFieldSettings(ReportGroup& group, ReportField& column,
                                         Module* module) = 0;
    // "Report Field Control Property Dlg" on the column of the group.
    virtual void EditReportFieldControl(ReportGroup& group, ReportField& column) = 0;
    // "Control properties" on a control of the page.
    virtual void EditControlProperties(FormInterface& page, FieldRep& control) = 0;
    // "Assign Procedure" on the assigner; true on OK.
    virtual bool AssignProcedure(ProcedureAssigner& assigner) = 0;
};
