// The Merge Project command of the document: a second project file merged, through the merge
// entity dialog, into a copy of the open project's file, which is then saved under a new name.
#include "merge/MergeRunMessage.h"
#include "merge/ProjectMerger.h"
#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "platform/core/MessageBox.h"
#include "shell/ForgeonDoc.h"
#include "shell/MainFrame.h"
#include "shell/MergeEntityDlg.h"

#include <memory>
#include <optional>
#include <utility>

namespace
{
// The engine over the dialog's selection; once the selection was answered, the run keeps the
// message that names where its files are.
class DialogProjectMerger : public ProjectMergerInterface
{
public:
    DialogProjectMerger(ForgeonProject* first, ForgeonProject* second,
                        MergeEntityDlgSelection& selection, std::optional<CString>& message)
        : m_merger(first, second, selection), m_selection(selection), m_message(message)
    {
    }

    bool Merge() override
    {
        const bool merged = m_merger.Merge();
        if (m_selection.WasChosen())
            m_message = MergeRunMessage(m_merger.GetReportFiles());
        return merged;
    }

private:
    ProjectMerger m_merger;
    const MergeEntityDlgSelection& m_selection;
    std::optional<CString>& m_message;
};

// Installs the merger for the command's run and the previous one again afterwards.
class ScopedMergerFactory
{
public:
    explicit ScopedMergerFactory(ProjectMergerFactory factory)
        : m_previous(SetProjectMergerFactory(std::move(factory)))
    {
    }
    ~ScopedMergerFactory() { SetProjectMergerFactory(std::move(m_previous)); }
    ScopedMergerFactory(const ScopedMergerFactory&) = delete;
    ScopedMergerFactory& operator=(const ScopedMergerFactory&) = delete;

private:
    ProjectMergerFactory m_previous;
};

void SetFilePath(ForgeonProject* project, const CString& path)
{
    if (project->GetProjectSettings() != nullptr)
        project->SetProjectFilePath(path);
}
} // namespace

void ForgeonDoc::OnMergeProject()
{
    if (AfxMessageBox("Do you really want to merge?", MB_OKCANCEL) != IDOK || !Save())
        return;
    const std::optional<CString> path = AskOpenFileName("Select file for merging");
    if (!path)
        return;
    if (*path == m_strPath)
    {
        AfxMessageBox("This file is in use. Please select another file for merging");
        return;
    }
    MergeEntityDlgSelection selection(Frame());
    std::optional<CString> message;
    const ScopedMergerFactory merger(
        [&selection, &message](ForgeonProject* first, ForgeonProject* second)
        { return std::make_unique<DialogProjectMerger>(first, second, selection, message); });
    const bool loaded =
        m_pStore->LoadFirstMergeProject(m_strPath) && m_pStore->LoadSecondMergeProject(*path);
    if (loaded)
    {
        SetFilePath(m_pStore->GetFirstMergeProject(), m_strPath);
        SetFilePath(m_pStore->GetSecondMergeProject(), *path);
        if (m_pStore->MergeProjects())
            SaveAs(m_pStore->GetFirstMergeProject(), true);
    }
    m_pStore->DeleteMergeProjects();
    if (message)
        AfxMessageBox(*message, MB_OK | MB_ICONINFORMATION);
}
