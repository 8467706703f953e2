#include "platform/ui/FormView.h"

#include "platform/ui/DialogTemplate.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(CFormView, CView)

// The controls sit in a body that scrolls when the pane is smaller than they need.
BOOL CFormView::Create(HWND parent, UINT id, CCreateContext* context)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr || !CView::Create(parent, id, context))
        return FALSE;
    QWidget* view = GetSafeHwnd();
    auto* scroller = new QScrollArea(view);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* body = new QWidget;
    scroller->setWidget(body);
    auto* fill = new QVBoxLayout(view);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(scroller);
    CreateControls(*dialogTemplate, body);
    return TRUE;
}

void CFormView::ScrollToPosition(POINT point)
{
    if (auto* scroller =
            GetSafeHwnd() != nullptr ? GetSafeHwnd()->findChild<QScrollArea*>() : nullptr)
    {
        scroller->horizontalScrollBar()->setValue(point.x);
        scroller->verticalScrollBar()->setValue(point.y);
    }
}

CPoint CFormView::GetScrollPosition() const
{
    const auto* scroller =
        GetSafeHwnd() != nullptr ? GetSafeHwnd()->findChild<QScrollArea*>() : nullptr;
    return scroller != nullptr ? CPoint(scroller->horizontalScrollBar()->value(),
                                        scroller->verticalScrollBar()->value())
                               : CPoint();
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}
