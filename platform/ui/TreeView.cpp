#include "platform/ui/TreeView.h"

#include <QVBoxLayout>

IMPLEMENT_DYNCREATE(CTreeView, CView)

BOOL CTreeView::Create(HWND parent, UINT id, CCreateContext* context)
{
    if (!CView::Create(parent, id, context) || !m_tree.Create(this, kTreeId))
        return FALSE;
    auto* layout = new QVBoxLayout(GetSafeHwnd());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree.GetSafeHwnd());
    return TRUE;
}
