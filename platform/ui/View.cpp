#include "platform/ui/View.h"

#include "platform/ui/CreateObjectAs.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"

#include <QWidget>

IMPLEMENT_DYNCREATE(CView, CWnd)

CView::~CView()
{
    if (m_document != nullptr)
        m_document->RemoveView(this);
}

BOOL CView::Create(HWND parent, UINT id, CCreateContext* context)
{
    HWND widget = CreateViewWidget(parent);
    if (widget == nullptr)
        return FALSE;
    SetOwnedWidget(widget);
    SetDlgCtrlID(static_cast<int>(id));
    if (context != nullptr && context->m_pCurrentDoc != nullptr)
        context->m_pCurrentDoc->AddView(this);
    return TRUE;
}

std::unique_ptr<CView> CView::CreateFromClass(CRuntimeClass* viewClass, HWND parent, UINT id,
                                              CCreateContext* context)
{
    std::unique_ptr<CView> view = CreateObjectAs<CView>(viewClass);
    if (!view || !view->Create(parent, id, context))
        return nullptr;
    return view;
}

CFrameWnd* CView::GetParentFrame() const
{
    for (CWnd* parent = GetParent(); parent != nullptr; parent = parent->GetParent())
    {
        if (auto* frame = dynamic_cast<CFrameWnd*>(parent))
            return frame;
    }
    return nullptr;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate();
}

BOOL CView::OnCmdMsg(UINT id, int code)
{
    if (CWnd::OnCmdMsg(id, code))
        return TRUE;
    return m_document != nullptr && m_document->OnCmdMsg(id, code);
}

HWND CView::CreateViewWidget(HWND parent)
{
    return new QWidget(parent);
}
