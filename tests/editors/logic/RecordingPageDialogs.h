#pragma once

#include "editors/logic/PageDialogs.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Table.h"

#include <functional>
#include <string>
#include <vector>

// Records the page dialogs an editor opens, one line each, and answers them as told.
class RecordingPageDialogs : public PageDialogs
{
public:
    CString AdjustFormControls(FormInterface& page, const std::vector<Field*>& fields,
                               const std::vector<Variable*>& menuVariables) override
    {
        calls.push_back("form controls " + page.GetFormName());
        controlFields = fields;
        controlMenuVariables = menuVariables;
        return header;
    }
    void EditDerivedFields(FormInterface& page, Table* table) override
    {
        calls.push_back("derived fields " + page.GetFormName() + " " + table->GetTableName());
    }
    void EditReferenceFields(FormInterface& page, Table* table) override
    {
        calls.push_back("reference fields " + page.GetFormName() + " " +
                        (table != nullptr ? table->GetTableName() : CString("none")));
        if (editReferenceFields)
            editReferenceFields(page);
    }
    void EditLinkControls(FormInterface& page) override
    {
        calls.push_back("links " + page.GetFormName());
        if (editLinks)
            editLinks(page);
    }
    void EditFieldVisibility(FormInterface& page, AspFile& file) override
    {
        calls.push_back("visibility " + page.GetFormName() + " " +
                        std::to_string(file.GetFileKind()).c_str());
        if (editVisibility)
            editVisibility(page, file);
    }
    void EditControlProperties(FormInterface&, FieldRep& control) override
    {
        calls.push_back("properties " + control.GetField()->GetFieldName());
    }
    void AssignFormProcedures(FormInterface& page, Table* table) override
    {
        calls.push_back("procedures " + page.GetFormName() + " " + table->GetTableName());
    }
    ApplicationReport* AssignReport(FormInterface& page, Table* table,
                                    ApplicationReport* preset) override
    {
        calls.push_back("assign report " + page.GetFormName() + " " + table->GetTableName());
        return chooseReport ? chooseReport(preset) : preset;
    }

    // What "Form Header" reads when the form controls dialog closes.
    CString header;
    std::vector<Field*> controlFields;
    std::vector<Variable*> controlMenuVariables;
    // Plays the report dialog; without it the dialog keeps the preset report.
    std::function<ApplicationReport*(ApplicationReport*)> chooseReport;
    // Play the reference fields, link and visibility dialogs.
    std::function<void(FormInterface&)> editReferenceFields;
    std::function<void(FormInterface&)> editLinks;
    std::function<void(FormInterface&, AspFile&)> editVisibility;
    std::vector<CString> calls;
};
