#include "shell/ForgeonDoc.h"

#include "database/DesignationScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "editors/ContextHelp.h"
#include "editors/ProgramFiles.h"
#include "editors/SQLView.h"
#include "editors/WriteAllDlg.h"
#include "entities/Procedure.h"
#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "model/FileUtilities.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "model/VersionHistory.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/FileStamp.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"
#include "platform/core/TemporaryName.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"
#include "shell/BackupCopy.h"
#include "shell/BrowseFilePathDlg.h"
#include "shell/DesignationDlg.h"
#include "shell/ForgeonView.h"
#include "shell/MainFrame.h"
#include "shell/logic/ProjectProperties.h"
#include "shell/logic/TestHarness.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
// The kinds of file written here and the rules their writers keep.
const FileWriterRegistration backupCopyWriter("backup copy", replacesLinks | wholeOnFullDisk |
                                                                 wholeAfterKill | usersOwnOnly |
                                                                 usersOwnFolderOnly);
const FileWriterRegistration keptLeftoverWriter("kept leftover", leavesLinks | keepsWhatStands |
                                                                     usersOwnOnly |
                                                                     usersOwnFolderOnly);
const FileWriterRegistration firstSaveKeptWriter("first save kept", leavesLinks | keepsWhatStands);
} // namespace

IMPLEMENT_DYNCREATE(ForgeonDoc, CDocument)

namespace
{
// The tables with a procedure to write, in the order of their first procedure.
std::vector<const Table*> ProcedureTables(const Module& module)
{
    std::vector<const Table*> tables;
    for (const Procedure* procedure : module.GetProcedures())
    {
        const Table* table = procedure->GetMainTable();
        if (table != nullptr && procedure->GetWriteFlag() &&
            std::find(tables.begin(), tables.end(), table) == tables.end())
            tables.push_back(table);
    }
    return tables;
}

constexpr const char* kExtension = "wvt";
constexpr const char* kSaveQuestion = "Do you want to save changes in current project?";
// Where the file system has no locks, a temporary file of a save unchanged for this many seconds
// is no longer being written.
constexpr std::time_t kUnfinishedSaveAge = 5 * 60;
// Kept names tried for one left temporary file before the box says why none was free.
constexpr int kKeptNameTries = 100;

// Whether the backup folder of the project file is one the user's copies may go to: a folder,
// not a link, of the user's or of the project file's owner (OpenOwnFolder), made when make is
// set. False with errno set; refusal names a folder refused.
bool IsOwnBackupFolder(const CString& projectPath, bool make, std::string& refusal)
{
    struct stat project;
    const uid_t owner =
        ::stat(ToHostPath(projectPath).c_str(), &project) == 0 ? project.st_uid : ::geteuid();
    return OpenOwnFolder(ToHostPath(BackupPlace(projectPath).BackupFolder()), owner, make, refusal)
        .IsOpen();
}

// The bytes a save would write, none when a save would refuse the project. Writing sets the
// archive version; the one the project was read with comes back.
std::vector<BYTE> ProjectBytes(ForgeonProject* project)
{
    VersionHistory& history = TheVersionHistory();
    const int version = history.GetArchiveVersion();
    CMemFile file;
    bool written = true;
    LargeStack::Run(
        [&]
        {
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
            try
            {
                ar.WriteObject(project);
                ar.Close();
            }
            catch (const CArchiveException&)
            {
                written = false;
            }
        });
    history.SetArchiveVersion(version);
    return written ? file.GetBytes() : std::vector<BYTE>();
}

CString FileNamePattern(const char* extension)
{
    CString pattern;
    pattern.Format("*.%s", extension);
    return pattern;
}

} // namespace

ForgeonDoc::ForgeonDoc() : m_pStore(std::make_unique<ProjectStore>())
{
    MapCommand(ID_FILE_NEW, &ForgeonDoc::OnFileNew);
    MapCommand(ID_FILE_OPEN, &ForgeonDoc::OnFileOpen);
    MapCommand(ID_FILE_SAVE, &ForgeonDoc::OnFileSave);
    MapCommand(ID_FILE_SAVE_AS, &ForgeonDoc::OnFileSaveAs);
    MapCommand(ID_WRITE_ALL, &ForgeonDoc::OnWriteAll);
    MapCommand(ID_CLASSIC_WRITE_ALL, &ForgeonDoc::OnClassicWriteAll);
    MapCommand(ID_REVIEW_REPORT, &ForgeonDoc::OnReviewReport);
    MapCommand(ID_PROJECT_PROPERTIES, &ForgeonDoc::OnProjectProperties);
    MapCommand(ID_MANAGE_ROLES, &ForgeonDoc::OnManageRoles);
    MapCommand(ID_ROLES_HIDDEN, &ForgeonDoc::OnManageRoles);
    MapCommand(ID_MODULE_ADD, &ForgeonDoc::OnModuleAdd);
    MapCommand(ID_MODULE_DELETE, &ForgeonDoc::OnModuleDelete);
    MapCommand(ID_MODULE_RENAME, &ForgeonDoc::OnModuleRename);
    MapCommand(ID_DELETE_TREE_ITEM, &ForgeonDoc::OnDeleteTreeItem);
    MapCommand(ID_IMPORT_TABLES, &ForgeonDoc::OnImportTables);
    MapCommand(ID_SWITCH_DATABASE, &ForgeonDoc::OnSwitchDatabase);
    MapCommand(ID_SQL_QUERY, &ForgeonDoc::OnSqlQuery);
    MapCommand(ID_PROJECT_SQL_SCRIPTS, &ForgeonDoc::OnProjectSqlScripts);
    MapCommand(ID_SYNC_DB, &ForgeonDoc::OnSyncDb);
    MapCommand(ID_MERGE_PROJECT, &ForgeonDoc::OnMergeProject);
    MapCommand(ID_HELP_FILE, &ForgeonDoc::OnHelp);
    MapCommandRange(ID_REGRESSION_TESTS, ID_REGRESSION_TESTS,
                    [](UINT) { TestHarness::RunFixedPath(); });
    // Copy, cut and paste are taken and do nothing.
    MapCommandRange(ID_EDIT_COPY, ID_EDIT_COPY, [](UINT) {});
    MapCommandRange(ID_EDIT_CUT, ID_EDIT_CUT, [](UINT) {});
    MapCommandRange(ID_EDIT_PASTE, ID_EDIT_PASTE, [](UINT) {});
}

ForgeonDoc::~ForgeonDoc() = default;

ForgeonProject* ForgeonDoc::GetProject()
{
    return m_pLoadingStore != nullptr ? m_pLoadingStore->GetProject() : m_pStore->GetProject();
}

MainFrame* ForgeonDoc::Frame() const
{
    for (CView* view : GetViews())
    {
        if (auto* frame = dynamic_cast<MainFrame*>(view->GetParentFrame()))
            return frame;
    }
    return nullptr;
}

std::optional<CString> ForgeonDoc::AskOpenFileName(const char* title) const
{
    CString filter;
    filter.Format("%s File (*.%s)|*.%s| WVP File (*.wvp)|*.wvp||", kExtension, kExtension,
                  kExtension);
    const CString pattern = FileNamePattern(kExtension);
    CFileDialog dialog(TRUE, pattern, pattern, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter,
                       Frame());
    dialog.m_ofn.lpstrTitle = title;
    const CString folder = ProjectFolder();
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.GetPathName();
}

std::optional<CString> ForgeonDoc::AskSaveFileName(const char* title, const char* extension,
                                                   const CString& proposedName)
{
    CString filter;
    filter.Format("%s File (*.%s)|*.%s||", extension, extension, extension);
    CString fileName = FileNamePattern(extension);
    CString folder = ProjectFolder();
    // A project never saved starts in its own folder, under its own name.
    const ForgeonProject* project = GetProject();
    if (m_strPath.IsEmpty() && project->GetProjectSettings() != nullptr &&
        !project->GetProjectPath().IsEmpty() && !project->GetProjectName().IsEmpty())
    {
        const CString own = GetProjectFolder(*project);
        std::error_code error;
        const bool made = std::filesystem::is_directory(ToHostPath(own), error);
        folder = ToHostPath(made ? own : project->GetProjectPath()).c_str();
        if (folder.Right(1) != "/")
            folder += "/";
        fileName = project->GetProjectName() + "." + extension;
    }
    if (!proposedName.IsEmpty())
        fileName = proposedName + "." + extension;
    CFileDialog dialog(FALSE, extension, fileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter,
                       Frame());
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.GetPathName();
}

CString ForgeonDoc::ProjectFolder() const
{
    const std::string file = ToHostPath(m_strPath);
    const std::size_t slash = file.rfind('/');
    return slash != std::string::npos ? file.substr(0, slash + 1).c_str() : "";
}

void ForgeonDoc::AdoptPath(const CString& path)
{
    m_strPath = path;
    m_fileStamp = m_pStore->GetFileStamp();
    ShowFileInTitle();
    if (CWinApp* app = AfxGetApp())
        app->AddToRecentFileList(path);
}

void ForgeonDoc::RememberSavedState()
{
    m_savedBytes = ProjectBytes(GetProject());
}

bool ForgeonDoc::IsUnchangedSinceSaved()
{
    // Before a project was made or opened the store's empty project holds nothing to save.
    if (m_savedBytes.empty())
        return GetProject()->GetModuleCount() == 0;
    return ProjectBytes(GetProject()) == m_savedBytes;
}

bool ForgeonDoc::IsCheaplyKnownUnchanged()
{
    constexpr std::size_t cheapestCompared = std::size_t{4} << 20;
    return m_savedBytes.size() <= cheapestCompared && IsUnchangedSinceSaved();
}

bool ForgeonDoc::SaveChangesOrCancel()
{
    // What the editor shown holds goes into the project first, so that a save keeps it.
    if (MainFrame* frame = Frame(); frame != nullptr && !frame->MayLeaveCurrentEditor())
        return false;
    if (IsUnchangedSinceSaved())
        return true;
    const int answer = AfxMessageBox(kSaveQuestion, MB_YESNOCANCEL | MB_ICONINFORMATION);
    if (answer == IDCANCEL)
        return false;
    return answer != IDYES || (m_strPath.IsEmpty() ? SaveAs(GetProject(), false) : Save());
}

bool ForgeonDoc::MayReplaceChangedFile(const FileStamp& now) const
{
    CString question =
        CString(ToHostPath(m_strPath).c_str()) +
        "\nwas changed by another program after this project was opened or last saved.\n";
    if (now.link && (!m_fileStamp || m_fileStamp->link != now.link))
        question +=
            CString("It is now a link to ") + now.link->c_str() + "; the link would be replaced.\n";
    question += "Replace it with this project? Its changes will be lost.\n"
                "Choose No to keep the file; Save As saves this project under another name.";
    return AfxMessageBox(question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::vector<FileReplacement::LeftTemporary> ForgeonDoc::UnfinishedSaves() const
{
    std::vector<FileReplacement::LeftTemporary> left =
        ProjectStore::FindUnfinishedSaves(m_strPath, kUnfinishedSaveAge);
    // Another user's folder at the backup folder's name holds none of this user's copies.
    std::string refusal;
    if (!IsOwnBackupFolder(m_strPath, /*make=*/false, refusal))
        return left;
    const std::vector<FileReplacement::LeftTemporary> copies = ProjectStore::FindUnfinishedSavesIn(
        BackupPlace(m_strPath).BackupFolder(), [](const std::string&) { return true; },
        kUnfinishedSaveAge);
    left.insert(left.end(), copies.begin(), copies.end());
    return left;
}

void ForgeonDoc::TellOfUnfinishedSaves() const
{
    const std::vector<FileReplacement::LeftTemporary> left = UnfinishedSaves();
    if (left.empty())
        return;
    CString text = "Saves of " + CString(ToHostPath(m_strPath).c_str()) +
                   " and its backup copies that did not finish left these files:";
    for (const FileReplacement::LeftTemporary& file : left)
        text += CString("\n") + file.path.c_str();
    text += "\nEach may hold work that the project lacks. Save keeps each in " +
            CString(ToHostPath(BackupPlace(m_strPath).BackupFolder()).c_str()) +
            ", or beside the project when that folder cannot take it.";
    AfxMessageBox(text, MB_OK | MB_ICONWARNING);
}

void ForgeonDoc::KeepUnfinishedSaves() const
{
    const std::vector<FileReplacement::LeftTemporary> left = UnfinishedSaves();
    if (left.empty())
        return;
    const BackupPlace place(m_strPath);
    const CString backupFolder = ToHostPath(place.BackupFolder()).c_str();
    CString text = "Saves of " + CString(ToHostPath(m_strPath).c_str()) +
                   " and its backup copies that did not finish had left these files:";
    std::string refusal;
    const bool made = IsOwnBackupFolder(m_strPath, /*make=*/true, refusal);
    const int folderError = errno;
    for (const FileReplacement::LeftTemporary& file : left)
    {
        text += CString("\n") + file.path.c_str();
        std::optional<CString> kept;
        int error = folderError;
        if (made)
        {
            kept = KeepUnfinishedSaveIn(backupFolder, place.name, file);
            error = errno;
        }
        // Where the backup folder cannot take it, it is kept beside the project, so that no
        // later Save or Open finds it again.
        if (!kept && error != EBUSY)
            kept = KeepUnfinishedSaveIn(ProjectFolder(), place.name, file);
        if (kept)
            text += "\n    kept as " + *kept;
        else
            text += CString("\n    left where it is: ") + std::strerror(error);
    }
    if (!refusal.empty())
        text += CString("\nNone was kept in the backup folder: ") + refusal.c_str() + ".";
    text += "\nEach may hold work that the project lacks: open it to see.";
    AfxMessageBox(text, MB_OK | MB_ICONWARNING);
}

std::optional<CString> ForgeonDoc::KeepUnfinishedSaveIn(const CString& folder, const CString& name,
                                                        const FileReplacement::LeftTemporary& file)
{
    CString inFolder = folder;
    if (!inFolder.IsEmpty() && inFolder.Right(1) != "/")
        inFolder += "/";
    // "Shop.wvt.weavo-123-4" is kept as "Shop~unfinished-123-4.wvt", or "...-4-2.wvt" when an
    // earlier one took that name.
    const std::optional<std::string> kept = KeepUnderFreeName(
        [&](int n)
        {
            std::string suffix = "~unfinished-" + file.tag;
            if (n > 1)
                suffix += "-" + std::to_string(n);
            return std::string(inFolder) + NameWithSuffix(std::string(name), suffix + ".wvt");
        },
        [&](const std::string& keptPath) {
            return ProjectStore::KeepUnfinishedSave(file.path, keptPath.c_str(),
                                                    kUnfinishedSaveAge);
        },
        kKeptNameTries);
    return kept ? std::optional<CString>(kept->c_str()) : std::nullopt;
}

void ForgeonDoc::TellOfOtherNames() const
{
    const std::string file = ToHostPath(m_strPath);
    struct stat info;
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink < 2)
        return;
    CString names;
    names.Format("%d", static_cast<int>(info.st_nlink - 1));
    AfxMessageBox(
        CString(file.c_str()) + "\nhas " + names +
            " more name(s) (hard links). A save replaces the file under this name only: the "
            "other names keep the file as it was, and instances of the program that opened it "
            "under another name do not wait for one another's saves, so that each saves a "
            "project of its own.\nOpen a shared project under one name, or reach it through a "
            "symbolic link.",
        MB_OK | MB_ICONWARNING);
}

void ForgeonDoc::OfferUnfinishedFirstSaves(const CString& path) const
{
    const std::string file = ToHostPath(path);
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash);
    const auto neverSaved = [&folder](const std::string& target)
    {
        struct stat info;
        return target.ends_with(".wvt") && ::lstat((folder + "/" + target).c_str(), &info) != 0 &&
               errno == ENOENT;
    };
    // The file saved or opened, and the document's own, are the user's whatever their names.
    const std::string own = ToHostPath(m_strPath);
    const auto usersOwn = [&](const std::string& left)
    {
        std::error_code none;
        return std::filesystem::equivalent(left, file, none) ||
               std::filesystem::equivalent(left, own, none);
    };
    for (const FileReplacement::LeftTemporary& left :
         ProjectStore::FindUnfinishedSavesIn(folder.c_str(), neverSaved, kUnfinishedSaveAge))
    {
        if (usersOwn(left.path))
            continue;
        const CString question =
            "The first save of " + CString(left.target.c_str()) + " did not finish and left\n" +
            left.path.c_str() + "\nwhich may be the only copy of that project.\nKeep it as " +
            left.target.c_str() +
            "?\nChoose No to leave it where it is; it is offered again when this folder is "
            "next used.";
        if (AfxMessageBox(question, MB_YESNO | MB_ICONWARNING) != IDYES)
            continue;
        if (!ProjectStore::KeepUnfinishedSave(left.path, left.target.c_str(), kUnfinishedSaveAge))
            AfxMessageBox(CString(left.path.c_str()) + "\ncould not be kept as " +
                              left.target.c_str() + ": " + std::strerror(errno),
                          MB_OK | MB_ICONWARNING);
    }
}

void ForgeonDoc::ShowFileInTitle()
{
    SetTitle(m_strPath.IsEmpty() ? "Untitled" : ToHostPath(m_strPath).c_str());
}

void ForgeonDoc::ShowOpenProject()
{
    MainFrame* frame = Frame();
    if (frame == nullptr)
        return;
    frame->RefreshTree();
    frame->ShowStartPage();
    // What the status bar said of the project before is not said of this one.
    frame->SetStatusText("");
}

void ForgeonDoc::NewProject()
{
    ForgeonProject* project = m_pStore->GetProject();
    project->InitNewProject();
    ApplyDefaultTheme();
    m_strPath.Empty();
    m_fileStamp.reset();
    ShowFileInTitle();
    LoginPageCreator().Create();
    m_pStore->SetProject(project);
    ShowOpenProject();
    RememberSavedState();
}

void ForgeonDoc::OnFileNew()
{
    if (!SaveChangesOrCancel())
        return;
    MainFrame* frame = Frame();
    if (frame != nullptr)
    {
        frame->ClearCurrentPage();
        frame->ClearTree();
    }
    m_pStore->DeleteProject();
    m_pStore->DeleteMergeProjects();
    NewProject();
}

void ForgeonDoc::OnFileOpen()
{
    if (!SaveChangesOrCancel())
        return;
    if (const std::optional<CString> path = AskOpenFileName("KestraneWeavo File Open"))
        OpenProjectFile(*path);
}

BOOL ForgeonDoc::OnOpenDocument(const char* path)
{
    return OpenProjectFile(path) ? TRUE : FALSE;
}

bool ForgeonDoc::OpenProjectFile(const CString& given)
{
    if (given.IsEmpty())
        return false;
    // A path named on the command line may be relative; the backups are placed by it later.
    const CString path = AbsolutePath(given).c_str();
    auto loading = std::make_unique<ProjectStore>();
    m_pLoadingStore = loading.get();
    const bool loaded = loading->ArchiveProject(nullptr, path, TRUE) != FALSE;
    m_pLoadingStore = nullptr;
    if (!loaded)
    {
        // The project folder that Project Properties showed gives way to the open file.
        ShowFileInTitle();
        return false;
    }
    MainFrame* frame = Frame();
    if (frame != nullptr)
    {
        frame->ClearCurrentPage();
        frame->ClearTree();
    }
    std::swap(m_pStore, loading);
    loading.reset();
    AdoptPath(path);
    RememberSavedState();
    TellOfUnfinishedSaves();
    TellOfOtherNames();
    OfferUnfinishedFirstSaves(path);
    ForgeonProject* project = GetProject();
    if (const ProjectSettings* settings = project->GetProjectSettings())
    {
        project->SetProjectFilePath(path);
        if (settings->GetThemeName().IsEmpty() || settings->GetColorSchemeName().IsEmpty())
            ApplyDefaultTheme();
    }
    ShowOpenProject();
    return true;
}

bool ForgeonDoc::Save()
{
    CWaitCursor wait;
    if (m_strPath.IsEmpty())
    {
        const std::optional<CString> path = AskSaveFileName("KestraneWeavo File Save", kExtension);
        if (!path || !SaveProjectTo(*path))
            return false;
        AdoptPath(*path);
        RememberSavedState();
        OfferUnfinishedFirstSaves(*path);
        ShowSaved("The project was saved to ", *path);
        return true;
    }
    if (!m_pStore->SaveOver(GetProject(), m_strPath, m_fileStamp,
                            [this](const FileStamp& now) { return MayReplaceChangedFile(now); }))
        return false;
    RememberSavedState();
    KeepUnfinishedSaves();
    OfferUnfinishedFirstSaves(m_strPath);
    ShowSaved("The project was saved to ", m_strPath);
    return true;
}

bool ForgeonDoc::PrepareAndSave()
{
    ForgeonProject* project = GetProject();
    const std::vector<BYTE> before = ProjectBytes(project);
    project->PrepareForWriteAll();
    if (Save())
        return true;
    if (!before.empty() && ProjectBytes(project) != before)
        RestoreProject(before);
    return false;
}

void ForgeonDoc::RestoreProject(const std::vector<BYTE>& bytes)
{
    if (MainFrame* frame = Frame())
    {
        frame->ClearCurrentPage();
        frame->ClearTree();
    }
    m_pStore->RestoreProject(bytes);
    ShowOpenProject();
}

bool ForgeonDoc::SaveAs(ForgeonProject* project, bool merged)
{
    // The project's own file name is proposed; a merge's result is named after it.
    CString proposed;
    if (!m_strPath.IsEmpty())
        proposed = std::filesystem::path(ToHostPath(m_strPath)).stem().string().c_str();
    if (merged && !proposed.IsEmpty())
        proposed += "_merged";
    const std::optional<CString> path = AskSaveFileName(
        merged ? "Save merged file As" : "KestraneWeavo File Save As", kExtension, proposed);
    if (!path || !m_pStore->ArchiveProject(project, *path, FALSE))
        return false;
    if (!merged)
    {
        AdoptPath(*path);
        RememberSavedState();
    }
    OfferUnfinishedFirstSaves(*path);
    ShowSaved(merged ? "The merged project was saved to " : "The project was saved to ", *path);
    return true;
}

void ForgeonDoc::ShowSaved(const char* saying, const CString& path)
{
    if (MainFrame* frame = Frame())
        frame->ShowSavedStatus(saying + CString(ToHostPath(path).c_str()));
}

bool ForgeonDoc::SaveProjectTo(const CString& path)
{
    return m_pStore->ArchiveProject(GetProject(), path, FALSE) != FALSE;
}

void ForgeonDoc::OnFileSave()
{
    Save();
}

void ForgeonDoc::OnFileSaveAs()
{
    SaveAs(GetProject(), false);
}

bool ForgeonDoc::HasPathOrAskToSave()
{
    if (!m_strPath.IsEmpty())
        return true;
    // An untouched new project holds nothing to save.
    if (IsUnchangedSinceSaved())
        return false;
    if (AfxMessageBox("Your application is not saved! Do you want to save it?",
                      MB_YESNO | MB_ICONINFORMATION) == IDYES)
        Save();
    return false;
}

void ForgeonDoc::SaveBackupCopy(const CString& stamp)
{
    if (!HasPathOrAskToSave())
        return;
    const BackupPlace place(m_strPath);
    // Texts name the files as the host writes them.
    const CString folder = ToHostPath(place.BackupFolder()).c_str();
    const CString target =
        ToHostPath(place.CopyPath(stamp.IsEmpty() ? BackupStampNow() : stamp)).c_str();
    MainFrame* frame = Frame();
    if (frame != nullptr)
    {
        CString status;
        status.Format("Back up file %s is getting generated. Please wait", target.GetString());
        frame->SetStatusText(status);
    }
    std::optional<CString> failure;
    {
        CWaitCursor wait;
        std::string refusal;
        if (IsOwnBackupFolder(m_strPath, /*make=*/true, refusal))
            failure = m_pStore->SaveQuietly(GetProject(), target, /*projectPath=*/m_strPath);
        else if (!refusal.empty())
            failure = CString("no copy is made there: ") + refusal.c_str();
        else
            failure = "The folder " + folder + " could not be made: " + std::strerror(errno);
    }
    // The next backup is tried when the next one is due.
    CString said =
        failure ? BackupFailureText(target, *failure) : m_pStore->LostAttributesWarning(target);
    said.Replace("\n", " ");
    if (frame != nullptr)
        frame->SetStatusText(said);
    else if (failure)
        AfxMessageBox(said, MB_OK | MB_ICONWARNING);
}

void ForgeonDoc::ApplyDefaultTheme()
{
    ::ApplyDefaultTheme(*GetProject(), GetProgramFolder());
}

ForgeonView* ForgeonDoc::TreeView() const
{
    MainFrame* frame = Frame();
    return frame != nullptr ? frame->GetTreeView() : nullptr;
}

void ForgeonDoc::OnModuleAdd()
{
    if (ForgeonView* tree = TreeView())
        tree->CreateModule();
}

void ForgeonDoc::OnModuleDelete()
{
    if (ForgeonView* tree = TreeView())
        tree->DeleteModuleOfItem(tree->GetTreeCtrl().GetSelectedItem());
}

void ForgeonDoc::OnModuleRename()
{
    if (ForgeonView* tree = TreeView())
        tree->RenameModule();
}

void ForgeonDoc::OnDeleteTreeItem()
{
    if (ForgeonView* tree = TreeView())
        tree->DeleteSelectedItem();
}

void ForgeonDoc::OnWriteAll()
{
    ForgeonProject* project = GetProject();
    // A new project is saved first; nothing is prepared before the run is sure to write.
    if (m_strPath.IsEmpty() && !Save())
        return;
    CString unmapped;
    project->CollectUnmappedParameters(unmapped);
    if (!unmapped.IsEmpty())
    {
        unmapped += "\nThe generated output will have compilation errors due to above un-mapped "
                    "parameters.\nTo stop writing click \"Cancel\"";
        if (AfxMessageBox(unmapped, MB_OKCANCEL) != IDOK)
            return;
    }
    const CString projectPath = project->GetProjectPath();
    const CString projectName = project->GetProjectName();
    if (projectPath.IsEmpty() || projectName.IsEmpty())
    {
        AfxMessageBox("Please set the project path and project name in Project Properties");
        return;
    }
    if (!CheckNamesBeforeWrite(*project, nullptr, nullptr))
        return;
    WriteAllDlg dialog(project, Frame());
    if (dialog.DoModal() != IDOK)
        return;
    // Saved as Write All leaves it, so that the file and the written site agree.
    if (!PrepareAndSave())
        return;
    CWaitCursor wait;
    // The driver names what it could not write or copy, the set-up of the folder included.
    AspxWriteAll writeAll(project);
    writeAll.NamesChecked();
    CompleteProjectFolder(*project, GetProgramFolder(), writeAll.GetReport());
    if (!writeAll.Run(nullptr, dialog.m_useModifiedFiles != FALSE))
        return;
    const CString solution = GetProjectFolder(*project) + projectName + ".sln";
    const bool visualStudio2005 = project->GetProjectSettings()->GetVisualStudioVersion() == 0;
    CString message;
    message.Format("Your Code has been generated successfully. \nYou may load %s in your "
                   "Microsoft Visual Studio. %s",
                   ToHostPath(solution).c_str(),
                   visualStudio2005 ? "\nPlease ensure that you have SP1 installed if you are "
                                      "using Visual Studio 2005"
                                    : "");
    AfxMessageBox(writeAll.GetClosingText(message));
}

ForgeonProject* ForgeonDoc::ProjectWithSettings()
{
    ForgeonProject* project = GetProject();
    if (project->GetProjectSettings() != nullptr)
        return project;
    AfxMessageBox("No Tables created");
    return nullptr;
}

void ForgeonDoc::OnProjectProperties()
{
    ForgeonProject* project = ProjectWithSettings();
    if (project == nullptr)
        return;
    BrowseFilePathDlg dialog(project, Frame());
    if (dialog.DoModal() != IDOK)
        return;
    SetTitle(ToHostPath(project->GetProjectPath()).c_str());
    if (MainFrame* frame = Frame())
        frame->RefreshTree();
}

void ForgeonDoc::OnManageRoles()
{
    ForgeonProject* project = ProjectWithSettings();
    if (project == nullptr)
        return;
    DesignationDlg dialog(*project, Frame());
    dialog.DoModal();
}

void ForgeonDoc::OnSwitchDatabase()
{
    ForgeonProject* project = GetProject();
    if (project->GetProjectSettings() == nullptr)
        return;
    const bool sqlServer = project->IsSqlServerDatabase() != 0;
    const CString question = CString("Do you want to change the database from ") +
                             (sqlServer ? "SQL" : "PGSQL") + " to " +
                             (sqlServer ? "PGSQL" : "SQL") + "?";
    if (AfxMessageBox(question, MB_YESNO) == IDYES)
        project->SetSqlServerDatabase(sqlServer ? 0 : 1);
}

ForgeonProject* ForgeonDoc::ProjectWithScriptPath()
{
    ForgeonProject* project = GetProject();
    if (project->GetProjectSettings() != nullptr && !project->GetProjectPath().IsEmpty())
        return project;
    AfxMessageBox("Project Path not set for this project.\nPlease fill project properties "
                  "before writing SQL.");
    return nullptr;
}

void ForgeonDoc::OnSqlQuery()
{
    ForgeonProject* project = ProjectWithScriptPath();
    if (project == nullptr)
        return;
    const CString folder = project->GetScriptFolder();
    if (!EnsureFolderExists(folder) || !IsFolderWritable(folder))
    {
        AfxMessageBox(UnwritableFolderMessage("Could not write script at ", folder, errno));
        return;
    }
    GenerationReport report;
    GuardProjectFolder(report, *project);
    SqlScriptWriter(*project, nullptr, report).WriteDatabaseScript();
    AfxMessageBox(report.ClosingText(("The database script was written to " +
                                      ToHostPath(project->GetScriptFilePath()))
                                         .c_str()),
                  report.IsEmpty() ? MB_OK | MB_ICONINFORMATION : MB_OK);
}

// Every script of the project: the database script, each table's procedure file and the
// designation script; the box names the files written, or those that could not be.
void ForgeonDoc::OnProjectSqlScripts()
{
    ForgeonProject* project = ProjectWithScriptPath();
    if (project == nullptr)
        return;
    // Each writer writes only below the folder it writes in.
    GenerationReport report;
    report.SetOutputRoot(project->GetScriptFolder());
    std::vector<CString> paths{project->GetScriptFilePath()};
    SqlScriptWriter(*project, nullptr, report).WriteDatabaseScript();
    report.SetOutputRoot(SqlProcedureWriter(*project).TableProcedureFolder());
    for (const Module* module : project->GetModules())
        for (const Table* table : ProcedureTables(*module))
        {
            SqlProcedureWriter writer(*project);
            paths.push_back(writer.TableProcedureFilePath(*table));
            writer.WriteTableProcedureFile(*module, *table, report);
        }
    DesignationScriptWriter designations(*project, report);
    report.SetOutputRoot(designations.GetFolder());
    paths.push_back(designations.GetPath());
    designations.Write();
    CString written = "The SQL scripts of the project were written:";
    for (const CString& path : paths)
        written += "\n" + CString(ToHostPath(path).c_str());
    AfxMessageBox(report.ClosingText(written));
}

const DbSchema* ForgeonDoc::GetDbSchema() const
{
    MainFrame* frame = Frame();
    auto* view = frame != nullptr
                     ? dynamic_cast<SQLView*>(frame->GetRightPaneView(RightPane::SQLView))
                     : nullptr;
    const DatabasePane* pane = view != nullptr ? view->GetPane() : nullptr;
    return pane != nullptr ? pane->GetSchema() : nullptr;
}

void ForgeonDoc::OnSyncDb()
{
    if (MainFrame* frame = Frame())
        frame->ShowSQLView();
}

void ForgeonDoc::OnHelp()
{
    ShowContextHelp(Frame(), 100);
}
