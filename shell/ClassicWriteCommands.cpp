#include "editors/WarningDlg.h"
#include "editors/WriteSelectionDlg.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_classic/ReviewReportWriter.h"
#include "model/ForgeonProject.h"
#include "model/ProjectNameCheck.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CmdTarget.h"
#include "shell/ForgeonDoc.h"
#include "shell/MainFrame.h"

namespace
{

// The classic Write All's dialogs and status texts, on the document and its main window.
class DocumentWriteServices : public ClassicWriteServices
{
public:
    DocumentWriteServices(ForgeonDoc& document, MainFrame* frame)
        : m_document(document), m_frame(frame)
    {
    }

    void SaveBackupCopy(const CString& stamp) override { m_document.SaveBackupCopy(stamp); }

    bool SelectForWrite(const CString& message, bool& writeMenus, bool& copyModifiedFiles) override
    {
        WriteSelectionDlg dialog(m_frame);
        dialog.m_message = message;
        dialog.m_writeMenus = writeMenus ? TRUE : FALSE;
        dialog.m_useModifiedFiles = copyModifiedFiles ? TRUE : FALSE;
        if (dialog.DoModal() != IDOK)
            return false;
        writeMenus = dialog.m_writeMenus != FALSE;
        copyModifiedFiles = dialog.m_useModifiedFiles != FALSE;
        return true;
    }

    void SetStatusText(const CString& text) override
    {
        if (m_frame != nullptr)
            m_frame->SetStatusText(text);
    }

private:
    ForgeonDoc& m_document;
    MainFrame* m_frame;
};

} // namespace

void ForgeonDoc::OnClassicWriteAll()
{
    ForgeonProject* project = GetProject();
    if (project == nullptr)
        return;
    WarningDlg alter(Frame());
    alter.m_message = "Do you want to alter existing DataBase ?";
    if (alter.DoModal() == IDOK)
    {
        if (MainFrame* frame = Frame())
            frame->ShowRightPane(RightPane::SQLView);
        return;
    }
    CWaitCursor wait;
    // With a database read, the SQL Server script may become its alter script.
    const DbSchema* schema = GetDbSchema();
    if (schema != nullptr)
    {
        WarningDlg alterScript(Frame());
        alterScript.m_message = "Do you want to create SQL file for Alter table?";
        if (alterScript.DoModal() != IDOK)
            schema = nullptr;
    }
    // A project with a file is saved as the run leaves it; one never saved is asked for by the
    // run's backup.
    if (!m_strPath.IsEmpty() &&
        (!CheckNamesBeforeWrite(*project, nullptr, nullptr) || !PrepareAndSave()))
        return;
    DocumentWriteServices services(*this, Frame());
    AspWriteAll writeAll(GetProject(), schema, services);
    if (!m_strPath.IsEmpty())
        writeAll.NamesChecked();
    writeAll.Run(nullptr);
}

void ForgeonDoc::OnReviewReport()
{
    ForgeonProject* project = GetProject();
    if (project == nullptr)
        return;
    GenerationReport report;
    report.SetOutputRoot(project->GetProjectPath());
    ReviewReportWriter(*project, report).Write();
    if (const CString text = report.ClosingText(""); !text.IsEmpty())
        AfxMessageBox(text);
}
