#pragma once

#include "platform/core/CString.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/Wnd.h"

#include <vector>

class CArchive;
class CDocTemplate;
class CView;

// The data of an open file and its views: the title, the path, the modified flag.
class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CString& GetTitle() const { return m_title; }
    // Sets the title and shows it in the caption of the frames of the views.
    virtual void SetTitle(const char* title);
    const CString& GetPathName() const { return m_pathName; }
    // Sets the path; the title becomes the file name. addToMRU puts the file at the top of the
    // application's recent-file list.
    virtual void SetPathName(const char* path, BOOL addToMRU = TRUE);

    BOOL IsModified() const { return m_modified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE);

    CDocTemplate* GetDocTemplate() const { return m_docTemplate; }
    void SetDocTemplate(CDocTemplate* docTemplate) { m_docTemplate = docTemplate; }

    // Views register themselves; the document does not own them.
    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Calls OnUpdate on every view but the sender.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);

    // A fresh, untitled document: DeleteContents, then not modified and without a path.
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize; FALSE, with a message box, when it cannot be read.
    virtual BOOL OnOpenDocument(const char* path);
    // Writes the file through Serialize; FALSE, with a message box, when it cannot be written.
    virtual BOOL OnSaveDocument(const char* path);
    virtual void DeleteContents();
    // Writes the document to path, or to a file the user chooses when path is null; the path
    // saved to becomes the document's. FALSE when cancelled or the save fails.
    virtual BOOL DoSave(const char* path);
    // Asks whether to save a modified document: Yes saves it (DoSave), No drops the changes,
    // Cancel (or a save that does not happen) returns FALSE.
    virtual BOOL SaveModified();
    void Serialize(CArchive& ar) override;

private:
    CString m_title;
    CString m_pathName;
    BOOL m_modified = FALSE;
    CDocTemplate* m_docTemplate = nullptr;
    std::vector<CView*> m_views;
};
