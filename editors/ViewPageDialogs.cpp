#include "editors/ViewPageDialogs.h"

#include "editors/AdjustFieldRepsDlg.h"
#include "editors/AssignFormProceduresDlg.h"
#include "editors/AssignReportDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/FieldVisibilityDlg.h"
#include "editors/LinkDialogs.h"
#include "editors/RefFieldDialog.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"

ViewPageDialogs& ViewPageDialogs::Get()
{
    static ViewPageDialogs dialogs;
    return dialogs;
}

CString ViewPageDialogs::AdjustFormControls(FormInterface& page, const std::vector<Field*>& fields,
                                            const std::vector<Variable*>& /*menuVariables*/)
{
    // The dialog lists the table's fields and the page's controls; the menu variables show in
    // none of its lists.
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return CString();
    AdjustFieldRepsDlg dialog(*project, fields, page, project->GetCurrentModule());
    dialog.DoModal();
    return dialog.GetHeader();
}

void ViewPageDialogs::EditReferenceFields(FormInterface& page, Table* table)
{
    RefFieldDialog dialog(page, table);
    dialog.DoModal();
}

void ViewPageDialogs::EditDerivedFields(FormInterface& /*page*/, Table* /*table*/)
{
    // No derived-field dialog is built; the transaction view keeps the control that asks for it
    // hidden.
}

void ViewPageDialogs::EditLinkControls(FormInterface& page)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        LinkControlDlg dialog(*project, page);
        dialog.DoModal();
    }
}

void ViewPageDialogs::EditFieldVisibility(FormInterface& page, AspFile& file)
{
    FieldVisibilityDlg dialog(page, &file);
    dialog.DoModal();
}

void ViewPageDialogs::EditControlProperties(FormInterface& page, FieldRep& control)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        FieldRepPropertiesDlg dialog(*project, page, control);
        dialog.DoModal();
    }
}

void ViewPageDialogs::AssignFormProcedures(FormInterface& page, Table* table)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        AssignFormProceduresDlg dialog(*project, &page, table);
        dialog.DoModal();
    }
}

ApplicationReport* ViewPageDialogs::AssignReport(FormInterface& page, Table* table,
                                                 ApplicationReport* preset)
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return preset;
    AssignReportDlg dialog(*project, &page, table, preset);
    dialog.DoModal();
    return dialog.GetChosenReport();
}
