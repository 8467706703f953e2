#pragma once

#include "platform/ui/CmdTarget.h"

#include <memory>

class CDocTemplate;
class CDocument;
class CFrameWnd;

// What a frame needs to create its views: the view class and the document they show.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
};

// Binds a document class to the frame and view classes that show it; all three are created
// through their runtime classes.
class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)

public:
    ~CDocTemplate() override;
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    UINT GetResourceId() const { return m_resourceId; }

    // A new document when path is null, else the file read; null when either fails.
    virtual CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE) = 0;

protected:
    CDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                 CRuntimeClass* viewClass);

    // A document of the template's class bound to the template; null when the class cannot
    // be created.
    std::unique_ptr<CDocument> CreateNewDocument();
    // A frame loaded from the template's resource id, its views showing doc; null on failure.
    std::unique_ptr<CFrameWnd> CreateNewFrame(CDocument* doc);

private:
    UINT m_resourceId;
    CRuntimeClass* m_docClass;
    CRuntimeClass* m_frameClass;
    CRuntimeClass* m_viewClass;
};

// The template of an application that shows one document at a time in one frame: opening
// another file reuses both.
class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)

public:
    CSingleDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                       CRuntimeClass* viewClass);
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE) override;
    CDocument* GetDocument() const { return m_document.get(); }
    CFrameWnd* GetFrame() const { return m_frame.get(); }

private:
    // Destroyed in member order reversed: the frame and its views go before the document.
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CFrameWnd> m_frame;
};
