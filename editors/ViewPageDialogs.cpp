#include "editors/ViewPageDialogs.h"

#include "editors/AssignFormProceduresDlg.h"
#include "editors/LinkDialogs.h"
#include "model/MainFrameAccess.h"

ViewPageDialogs& ViewPageDialogs::Get()
{
    static ViewPageDialogs dialogs;
    return dialogs;
}

CString ViewPageDialogs::AdjustFormControls(FormInterface&, const std::vector<Field*>&)
{
    return CString();
}

void ViewPageDialogs::EditReferenceFields(FormInterface&, Table*) {}

void ViewPageDialogs::EditLinkControls(FormInterface& page)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        LinkControlDlg dialog(*project, page);
        dialog.DoModal();
    }
}

void ViewPageDialogs::EditFieldVisibility(FormInterface&, AspFile&) {}

void ViewPageDialogs::EditControlProperties(FormInterface&, FieldRep&) {}

void ViewPageDialogs::AssignFormProcedures(FormInterface& page, Table* table)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        AssignFormProceduresDlg dialog(*project, &page, table);
        dialog.DoModal();
    }
}

ApplicationReport* ViewPageDialogs::AssignReport(FormInterface&, Table*, ApplicationReport* preset)
{
    return preset;
}
