#include "platform/ui/DocTemplate.h"

#include "platform/core/HostPath.h"
#include "platform/ui/CreateObjectAs.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"

#include <string>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                           CRuntimeClass* viewClass)
    : m_resourceId(resourceId), m_docClass(docClass), m_frameClass(frameClass),
      m_viewClass(viewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

std::unique_ptr<CDocument> CDocTemplate::CreateNewDocument()
{
    std::unique_ptr<CDocument> doc = CreateObjectAs<CDocument>(m_docClass);
    if (doc)
        doc->SetDocTemplate(this);
    return doc;
}

std::unique_ptr<CFrameWnd> CDocTemplate::CreateNewFrame(CDocument* doc)
{
    std::unique_ptr<CFrameWnd> frame = CreateObjectAs<CFrameWnd>(m_frameClass);
    CCreateContext context{m_viewClass, doc, this};
    if (!frame || !frame->LoadFrame(m_resourceId, nullptr, &context))
        return nullptr;
    return frame;
}

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, CRuntimeClass* docClass,
                                       CRuntimeClass* frameClass, CRuntimeClass* viewClass)
    : CDocTemplate(resourceId, docClass, frameClass, viewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate() = default;

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path, BOOL makeVisible)
{
    // A path named on the command line may be relative to the folder the program started in.
    const std::string absolute = path != nullptr ? AbsolutePath(path) : std::string();
    if (path != nullptr)
        path = absolute.c_str();
    const bool created = !m_document;
    if (created)
    {
        m_document = CreateNewDocument();
        if (!m_document)
            return nullptr;
    }
    else if (!m_document->SaveModified())
    {
        return nullptr;
    }
    if (!m_frame)
    {
        m_frame = CreateNewFrame(m_document.get());
        if (!m_frame)
        {
            m_document.reset();
            return nullptr;
        }
    }
    const BOOL opened =
        path == nullptr ? m_document->OnNewDocument() : m_document->OnOpenDocument(path);
    if (!opened)
    {
        if (created)
        {
            m_frame.reset();
            m_document.reset();
            return nullptr;
        }
        // The failed read emptied the document: it must not keep the old file's path, or a save
        // would overwrite that file with nothing.
        m_document->OnNewDocument();
        path = nullptr;
    }
    if (path == nullptr)
        m_document->SetTitle("Untitled");
    else
        m_document->SetPathName(path);
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == nullptr)
        app->m_pMainWnd = m_frame.get();
    m_frame->InitialUpdateFrame(m_document.get(), makeVisible);
    return opened ? m_document.get() : nullptr;
}
