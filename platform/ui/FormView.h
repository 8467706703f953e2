#pragma once

#include "platform/ui/View.h"

// A view that shows the controls of a dialog template, laid out to the view's size and scrolled
// when the view is smaller than they need; the view exchanges data with them through
// DoDataExchange and UpdateData as a dialog does.
class CFormView : public CView
{
    DECLARE_DYNAMIC(CFormView)

public:
    explicit CFormView(UINT templateId) : m_templateId(templateId) {}

    UINT GetTemplateId() const { return m_templateId; }
    // FALSE when no template of the view's id is registered.
    BOOL Create(HWND parent, UINT id, CCreateContext* context) override;
    // Fills the controls from the members (UpdateData(FALSE)).
    void OnInitialUpdate() override;
    // Scrolls the body so that the point of it shows at the view's top left.
    void ScrollToPosition(POINT point);
    // Where the body is scrolled to.
    CPoint GetScrollPosition() const;

private:
    UINT m_templateId;
};
