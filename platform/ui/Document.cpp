#include "platform/ui/Document.h"

#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

#include <algorithm>
#include <set>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

namespace
{
// Runs one archive pass over the file; on failure shows what failed with the host's reason.
BOOL SerializeFile(CDocument& document, const char* path, UINT fileMode, UINT archiveMode,
                   const char* failure)
{
    try
    {
        CFile file(path, fileMode);
        CArchive ar(&file, archiveMode);
        document.Serialize(ar);
        ar.Close();
        file.Close();
        return TRUE;
    }
    catch (const CException& error)
    {
        AfxMessageBox(CString(failure) + "\n" + error.what(), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
}
} // namespace

CDocument::~CDocument()
{
    for (CView* view : m_views)
        view->m_document = nullptr;
}

void CDocument::SetTitle(const char* title)
{
    m_title = title;
    std::set<CFrameWnd*> frames;
    for (CView* view : m_views)
    {
        if (CFrameWnd* frame = view->GetParentFrame())
            frames.insert(frame);
    }
    for (CFrameWnd* frame : frames)
        frame->OnUpdateFrameTitle();
}

void CDocument::SetPathName(const char* path, BOOL addToMRU)
{
    m_pathName = path;
    const int slash = std::max(m_pathName.ReverseFind('/'), m_pathName.ReverseFind('\\'));
    SetTitle(m_pathName.Mid(slash + 1));
    if (addToMRU && AfxGetApp() != nullptr)
        AfxGetApp()->AddToRecentFileList(path);
}

void CDocument::SetModifiedFlag(BOOL modified)
{
    m_modified = modified;
}

void CDocument::AddView(CView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) != m_views.end())
        return;
    m_views.push_back(view);
    view->m_document = this;
}

void CDocument::RemoveView(CView* view)
{
    if (std::erase(m_views, view) > 0)
        view->m_document = nullptr;
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject)
{
    for (CView* view : m_views)
    {
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_pathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* path)
{
    DeleteContents();
    if (!SerializeFile(*this, path, CFile::modeRead, CArchive::load, "Failed to open document."))
    {
        DeleteContents();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* path)
{
    if (!SerializeFile(*this, path, CFile::modeCreate | CFile::modeWrite, CArchive::store,
                       "Failed to save document."))
        return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::DeleteContents() {}

BOOL CDocument::DoSave(const char* path)
{
    CString target = path;
    if (path == nullptr)
    {
        CFileDialog dialog(FALSE, nullptr, m_title);
        if (dialog.DoModal() != IDOK)
            return FALSE;
        target = dialog.GetPathName();
    }
    if (!OnSaveDocument(target))
        return FALSE;
    SetPathName(target);
    return TRUE;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    const CString question = "Save changes to " + m_title + "?";
    switch (AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONEXCLAMATION))
    {
    case IDNO:
        return TRUE;
    case IDYES:
        return DoSave(m_pathName.IsEmpty() ? nullptr : m_pathName.GetString());
    default:
        return FALSE;
    }
}

void CDocument::Serialize(CArchive&) {}
