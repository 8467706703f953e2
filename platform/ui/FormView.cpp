#include "platform/ui/FormView.h"

#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNAMIC(CFormView, CView)

BOOL CFormView::Create(HWND parent, UINT id, CCreateContext* context)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr || !CView::Create(parent, id, context))
        return FALSE;
    CreateControls(*dialogTemplate);
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}
