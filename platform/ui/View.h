#pragma once

#include "platform/ui/Wnd.h"

#include <memory>

class CDocument;
class CFrameWnd;
struct CCreateContext;

// A window that shows a document. A view registers with the document of its create context;
// commands it does not handle go on to that document.
class CView : public CWnd
{
    DECLARE_DYNCREATE(CView)

public:
    CView() = default;
    ~CView() override;

    // Makes the view's widget as a child of parent with the control id; TRUE on success.
    virtual BOOL Create(HWND parent, UINT id, CCreateContext* context);
    // A view of the class (which must derive from CView) created in parent; null when the class
    // cannot be created or is no view.
    static std::unique_ptr<CView> CreateFromClass(CRuntimeClass* viewClass, HWND parent, UINT id,
                                                  CCreateContext* context);

    CDocument* GetDocument() const { return m_document; }
    // The nearest frame that holds the view; null when there is none.
    CFrameWnd* GetParentFrame() const;

    // Called once the frame has its document; refreshes the view through OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed (sender is the view that changed it, or null); repaints.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);

    BOOL OnCmdMsg(UINT id, int code) override;

protected:
    // The view's widget, made as a child of parent; a plain widget unless a view shows a control.
    virtual HWND CreateViewWidget(HWND parent);

private:
    friend class CDocument;
    CDocument* m_document = nullptr;
};
