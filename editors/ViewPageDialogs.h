#pragma once

#include "editors/logic/PageDialogs.h"

// The PageDialogs the page editor views give their controllers: the real modal dialogs on the
// open project.
class ViewPageDialogs final : public PageDialogs
{
public:
    static ViewPageDialogs& Get();

    CString AdjustFormControls(FormInterface& page, const std::vector<Field*>& fields,
                               const std::vector<Variable*>& menuVariables) override;
    void EditDerivedFields(FormInterface& page, Table* table) override;
    void EditReferenceFields(FormInterface& page, Table* table) override;
    void EditLinkControls(FormInterface& page) override;
    void EditFieldVisibility(FormInterface& page, AspFile& file) override;
    void EditControlProperties(FormInterface& page, FieldRep& control) override;
    void AssignFormProcedures(FormInterface& page, Table* table) override;
    ApplicationReport* AssignReport(FormInterface& page, Table* table,
                                    ApplicationReport* preset) override;
};
