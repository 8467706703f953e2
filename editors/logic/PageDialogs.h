#pragma once

#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class AspFile;
class Field;
class FieldRep;
class FormInterface;
class Table;
class Variable;

// The modal dialogs the page editors (form, transaction and map form) open on a page. The views
// pass one that runs the real dialogs; controller tests pass one that records and answers.
class PageDialogs
{
public:
    virtual ~PageDialogs() = default;

    // "Manage Form Controls" with the fields and the variables that the page files' top- and
    // left-menu maps bind to the fields' table (a transaction's only); the "Form Header" text as
    // the dialog left it (shown for a transaction only; empty otherwise).
    virtual CString AdjustFormControls(FormInterface& page, const std::vector<Field*>& fields,
                                       const std::vector<Variable*>& menuVariables) = 0;
    // The derived fields of the page for the table.
    virtual void EditDerivedFields(FormInterface& page, Table* table) = 0;
    // "Manage Reference Fields" of the page for the table.
    virtual void EditReferenceFields(FormInterface& page, Table* table) = 0;
    // The link controls of the page.
    virtual void EditLinkControls(FormInterface& page) = 0;
    // "File Properties": the visibility of the page's controls on the page file.
    virtual void EditFieldVisibility(FormInterface& page, AspFile& file) = 0;
    // The properties of one control of the page.
    virtual void EditControlProperties(FormInterface& page, FieldRep& control) = 0;
    // "Procedures for Forms" of the page's table.
    virtual void AssignFormProcedures(FormInterface& page, Table* table) = 0;
    // "Assign Search Report" preset with the report; the report it holds when it closes,
    // whatever the button.
    virtual ApplicationReport* AssignReport(FormInterface& page, Table* table,
                                            ApplicationReport* preset) = 0;
};
