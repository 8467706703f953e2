#include "model/ProjectStore.h"

#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ReportGroup.h"
#include "model/ArchiveIO.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ModuleLoadPasses.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectMerger.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/FileStamp.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"
#include "platform/core/SaveLock.h"
#include "platform/core/UserNames.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace
{
// The kinds of file written here and the rules their writers keep.
const FileWriterRegistration projectFileWriter("project file", replacesLinks | wholeOnFullDisk |
                                                                   wholeAfterKill |
                                                                   oneInstanceAtATime);
const FileWriterRegistration unreadableSaveWriter("unreadable save", leavesLinks | keepsWhatStands);

constexpr int archiveBufferSize = 1 << 16;
// A project file holds some 50 bytes an object; the room a load reserves for more than it
// needs costs address space only. Past a file of 256 MB the room grows as objects arrive, so that
// a huge file, a sparse one say, reserves nothing it does not hold.
constexpr std::uint64_t fileBytesPerObject = 32;
constexpr std::uint64_t mostObjectsReserved = (std::uint64_t{256} << 20) / fileBytesPerObject;
// What a load says when it runs out of memory.
constexpr const char* tooLargeText = "the file is not a project file or is too large";
// A save that does not read back stays beside its target under this suffix.
constexpr const char* unreadableSuffix = ".unreadable";

// A step that does not need the project.
template <auto pass> void RunPass(Module& module, ForgeonProject&)
{
    std::invoke(pass, module);
}

void RunDefaultClassFunctionsForAllClasses(Module& module, ForgeonProject&)
{
    module.AddDefaultClassFunctionsUpTo(nullptr);
}

void AttachLoginPage(Module& module, ForgeonProject&)
{
    if (LoginPage* page = module.GetLoginPage())
        page->SetModule(&module);
}

constexpr ProjectStore::ModuleStep postLoadPasses[] = {
    {"MarkKeyFieldVariables", &RunPass<&ModuleLoadPasses::MarkKeyFieldVariables>},
    {"DetachKeyFieldReps", &RunPass<&ModuleLoadPasses::DetachKeyFieldReps>},
    {"CleanUpPageFiles", &RunPass<&Module::CleanUpPageFiles>},
    {"LinkDetailTableProcedures", &RunPass<&ModuleLoadPasses::LinkDetailTableProcedures>},
    {"FillEmptyCaptions", &RunPass<&ModuleLoadPasses::FillEmptyCaptions>},
    {"RemoveInvalidFieldReps", &RunPass<&ModuleLoadPasses::RemoveInvalidFieldReps>},
    {"AddFormKeyVariables", &RunPass<&ModuleLoadPasses::AddFormKeyVariables>},
    {"AddMissingAliasColumns", &RunPass<&ModuleLoadPasses::AddMissingAliasColumns>},
    {"RenamePageVariablesForAllTables",
     &RunPass<&ModuleLoadPasses::RenamePageVariablesForAllTables>},
    {"VisitPageEventFields", &RunPass<&ModuleLoadPasses::VisitPageEventFields>},
    {"CreateMapFormInputFields", &RunPass<&ModuleLoadPasses::CreateMapFormInputFields>},
    {"SyncPageTableFlags", &RunPass<&ModuleLoadPasses::SyncPageTableFlags>},
    {"SyncPageControlsWithTables", &RunPass<&ModuleLoadPasses::SyncPageControlsWithTables>},
    {"ClearMapFormSyncFlags", &RunPass<&ModuleLoadPasses::ClearMapFormSyncFlags>},
    {"CleanPageClassRecomputes", &RunPass<&ModuleLoadPasses::CleanPageClassRecomputes>},
    {"EnsureLoginTableClasses", &ModuleLoadPasses::EnsureLoginTableClasses},
    {"AddDefaultClassFunctionsUpTo", &RunDefaultClassFunctionsForAllClasses},
    {"AddTableFieldsToAllClassFunctions",
     &RunPass<&ModuleLoadPasses::AddTableFieldsToAllClassFunctions>},
    {"RenameClassesAfterTables", &RunPass<&ModuleLoadPasses::RenameClassesAfterTables>},
    {"DeleteUnconfirmedFieldReps", &RunPass<&ModuleLoadPasses::DeleteUnconfirmedFieldReps>},
    {"SetLoginTableFrontFields", &ModuleLoadPasses::SetLoginTableFrontFields},
    // Again: user functions list the front fields of the tables their keys refer to, which
    // the pass before may have set.
    {"AddTableFieldsToAllClassFunctions",
     &RunPass<&ModuleLoadPasses::AddTableFieldsToAllClassFunctions>},
};

constexpr ProjectStore::ModuleStep baseModuleSteps[] = {
    {"CreateLoginPage", &RunPass<&Module::CreateLoginPage>},
    {"AttachLoginPage", &AttachLoginPage},
    {"EnsureDefaultDesignation", &RunPass<&Module::EnsureDefaultDesignation>},
    // Again after the passes, which can drop the visibility the load gave the update page.
    {"RepairUserAccountPages", &RunPass<&Module::RepairUserAccountPages>},
};

// What a load changes outside the project it reads: the archive version, the role counter and
// the diagnostics lists. Put back when the load fails.
class LoadRollback
{
public:
    LoadRollback()
        : m_archiveVersion(TheVersionHistory().GetArchiveVersion()),
          m_roleCounter(Designation::GetIdCounter()),
          m_diagnostics(TheProjectDiagnostics().GetTextLists())
    {
    }

    void Restore() const
    {
        TheVersionHistory().SetArchiveVersion(m_archiveVersion);
        Designation::SetIdCounter(m_roleCounter);
        TheProjectDiagnostics().SetTextLists(m_diagnostics);
    }

private:
    int m_archiveVersion;
    int m_roleCounter;
    ProjectDiagnostics::TextLists m_diagnostics;
};

CString ArchiveErrorText(const std::string& reason)
{
    CString text = "Error in archiving";
    if (!reason.empty())
        text += CString("\n") + reason.c_str();
    return text;
}

void ReportArchiveError(const std::string& reason)
{
    AfxMessageBox(ArchiveErrorText(reason), MB_OK);
}

// Runs the work; the reason when it fails (empty when the failure gives none).
template <class Work> std::optional<std::string> FailureOf(Work work)
{
    try
    {
        work();
        return std::nullopt;
    }
    catch (const std::exception& error)
    {
        return error.what();
    }
    catch (...)
    {
        return std::string();
    }
}

// Runs the work; a failure is reported and gives FALSE.
template <class Work> BOOL Guarded(Work work)
{
    const std::optional<std::string> failure = FailureOf(work);
    if (!failure)
        return TRUE;
    ReportArchiveError(*failure);
    return FALSE;
}

// How every project file begins: the archive's new-class record of the project (tag 0xFFFF,
// schema 0, the length of the class name and the name).
std::string ProjectFileHeader()
{
    const std::string name = RUNTIME_CLASS(ForgeonProject)->m_lpszClassName;
    return std::string("\xFF\xFF\0\0", 4) + static_cast<char>(name.size()) + '\0' + name;
}

// The file an archive reads, whose bytes make its stamp as they are read, when one is asked for.
class StampedFile : public CFile
{
public:
    StampedFile(int descriptor, const char* path, FileStampReading* stamp)
        : CFile(descriptor, path), m_stamp(stamp)
    {
    }

    UINT Read(void* buffer, UINT count) override
    {
        if (m_stamp == nullptr)
            return CFile::Read(buffer, count);
        const std::uint64_t at = GetPosition();
        const UINT got = CFile::Read(buffer, count);
        m_stamp->Read(at, buffer, got);
        return got;
    }

private:
    FileStampReading* m_stamp;
};

// Opens the file for reading and hands its archive to the reader. The stamp, when asked for,
// is the file's as it was opened, whatever another instance puts at its name while it is read,
// its checksum taken in the same pass over the bytes read. Returns how many bytes of the file
// follow where the reader stopped, which are not read.
template <class Reader>
std::uint64_t ReadArchive(const char* path, Reader read, std::optional<FileStamp>* stamp = nullptr)
{
    const std::string hostPath = ToHostPath(path);
    std::optional<std::string> link = stamp != nullptr ? LinkText(hostPath) : std::nullopt;
    const RegularFileOpening opening = OpenRegularFile(hostPath);
    if (opening.descriptor == -1)
        throw opening.refusal.empty()
            ? CFileException(CFileException::CauseFromErrno(opening.osError), opening.osError, path)
            : CFileException(CFileException::invalidFile, path, opening.refusal);
    const Descriptor opened(opening.descriptor);
    std::optional<FileStampReading> reading;
    if (stamp != nullptr)
        reading.emplace(opened.Get(), std::move(link));
    StampedFile file(opened.Get(), path, reading ? &*reading : nullptr);
    CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, archiveBufferSize);
    ar.ReserveObjects(static_cast<std::size_t>(
        std::min<std::uint64_t>(opening.size / fileBytesPerObject, mostObjectsReserved)));
    read(ar);
    ar.Close();
    const std::uint64_t end = file.GetPosition();
    if (reading)
        *stamp = reading->Finish(end);
    file.Close();
    return opening.size > end ? opening.size - end : 0;
}

// What a load says of the bytes that follow the project in its file; empty when none do.
CString FollowingBytesWarning(const char* path, std::uint64_t count)
{
    if (count == 0)
        return CString();
    return CString(ToHostPath(path).c_str()) + "\nholds " + std::to_string(count).c_str() +
           (count == 1 ? " byte" : " bytes") +
           " after the end of the project, which were not read: a copy that broke off or room "
           "kept for the file in advance leaves such bytes. The project before them was read; a "
           "save writes the project without them.";
}

// Why nothing was saved where the folder of the host target lets no file be made.
CString FolderRefusalText(const char* path, const std::string& target, int error)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : target.substr(0, slash + (slash == 0));
    return CString(ToHostPath(path).c_str()) + "\nwas not saved: its folder " + folder.c_str() +
           " does not let files be made in it (" + std::strerror(error) +
           "), so nothing was written there.\nSave the project in another folder, or make the "
           "folder writable.";
}

// The new file of a save that did not read back goes beside the target under its own name;
// the message says which file is which.
CString KeepUnreadableSave(const char* path, FileReplacement& replacement,
                           const std::string& reason)
{
    const bool throughLink = replacement.GetTarget() != ToHostPath(path);
    struct stat info;
    const bool existed = ::stat(replacement.GetTarget().c_str(), &info) == 0;
    const std::string base = throughLink ? replacement.GetTarget() + unreadableSuffix
                                         : std::string(path) + unreadableSuffix;
    // An earlier save's kept file stays: "<name>.unreadable", then "<name>.unreadable-2", ...
    const std::optional<std::string> keptName =
        KeepUnderFreeName([&](int n) { return n == 1 ? base : base + "-" + std::to_string(n); },
                          [&](const std::string& name)
                          {
                              return RenameKeepingExisting(replacement.GetTemporary().c_str(),
                                                           ToHostPath(name.c_str()).c_str()) == 0;
                          });
    const CString kept = keptName ? keptName->c_str() : replacement.GetTemporary().c_str();
    replacement.Release();
    CString text = existed ? CString("The saved project could not be read back, so ") + path +
                                 " was left as it was."
                           : CString("The saved project could not be read back, so no file was "
                                     "written at ") +
                                 path + ".";
    text += "\nThe new file was kept as " + kept + ".";
    if (!reason.empty())
        text += CString("\n") + reason.c_str();
    return text;
}

// The warning of a save whose new file lacks the owner or attributes of the file it replaced.
CString LostAttributesText(const char* path, const std::vector<std::string>& lost)
{
    CString text = CString("The project was saved to ") + path +
                   ", but the new file could not keep these of the file it replaced:";
    for (const std::string& each : lost)
        text += CString("\n") + each.c_str();
    return text;
}

// A failure of the temporary file of a save names the file the user saves.
std::string NamingTarget(const std::string& failure, const FileReplacement& replacement,
                         const char* path)
{
    const std::string temporary = replacement.GetTemporary() + ": ";
    if (failure.rfind(temporary, 0) != 0)
        return failure;
    return path + (": " + failure.substr(temporary.size()));
}

// Makes the objects of a load safe to free in any order: links between menus, page files and
// roles that the file holds on one side only become two-sided, so that each object detaches
// itself from the others when it goes; report groups refer to the report that holds them.
// The objects given let go of the variables and entries they do not own.
void SettleLoadedObjects(const CArchive& ar, const std::vector<CObject*>& lettingGo)
{
    // By the classes the archive recorded, so that only the objects concerned are touched.
    ar.VisitLoadedObjects(
        [&ar](CObject* object, const CRuntimeClass* kind)
        {
            if (kind->IsDerivedFrom(RUNTIME_CLASS(AspFile)))
                static_cast<AspFile*>(object)->KeepLinksTwoSided();
            else if (kind->IsDerivedFrom(RUNTIME_CLASS(MenuInterface)))
            {
                static_cast<MenuInterface*>(object)->KeepLinksTwoSided();
                if (kind->IsDerivedFrom(RUNTIME_CLASS(Menu)))
                    static_cast<Menu*>(object)->KeepMenuLinksTwoSided();
            }
            else if (kind->IsDerivedFrom(RUNTIME_CLASS(Designation)))
                static_cast<Designation*>(object)->KeepLinksTwoSided();
            else if (kind->IsDerivedFrom(RUNTIME_CLASS(ReportGroup)) && ar.IsUnclaimed(object))
                static_cast<ReportGroup*>(object)->SetReport(nullptr);
        });
    for (CObject* object : lettingGo)
    {
        if (auto* page = dynamic_cast<FormInterface*>(object))
            page->LetGoOfUnownedObjects(ar);
        else if (auto* procedure = dynamic_cast<Procedure*>(object))
            procedure->LetGoOfUnownedObjects(ar);
    }
}

// A page file that names its page as owner though the page does not list it (its place in the
// page's list was empty) goes back to the page, unless the page has a file of its kind already;
// then it lets go of the page. No file names a page that may be freed without it. The files
// taken back leave the list of objects nobody owns.
void ReturnPageFilesToOwners(CArchive& ar, std::vector<CObject*>& unowned)
{
    std::erase_if(unowned,
                  [&ar](CObject* object)
                  {
                      auto* file = dynamic_cast<AspFile*>(object);
                      FormInterface* page = file != nullptr ? file->GetOwnerPage() : nullptr;
                      if (page == nullptr)
                          return false;
                      if (page->FindAspFileByType(file->GetFileKind()) != nullptr)
                      {
                          file->SetOwnerPage(nullptr);
                          return false;
                      }
                      page->AddAspFile(file);
                      ar.ClaimObject(file);
                      return true;
                  });
}

// Module and table names become folder and file names of the output: a name that the table
// designer or Rename Module would not take refuses the file.
void RefuseInvalidNames(const ForgeonProject& project, const CArchive& ar)
{
    if (const CString refusal = RefuseProjectNames(project); !refusal.IsEmpty())
        throw CArchiveException(CArchiveException::badName, ar.GetFile()->GetFilePath(),
                                refusal.str());
}

// Reads one project. It takes the objects of the file that no entity owns; after a failure
// every object the load created is freed once.
std::unique_ptr<ForgeonProject> ReadProject(CArchive& ar)
{
    try
    {
        auto* project = ReadRef<ForgeonProject>(ar);
        if (project == nullptr)
            ar.ThrowMalformed(CArchiveException::badClass, "no project where one is expected");
        RefuseInvalidNames(*project, ar);
        ar.ClaimObject(project);
        std::vector<CObject*> unowned = ar.GetUnclaimedObjects();
        ReturnPageFilesToOwners(ar, unowned);
        SettleLoadedObjects(ar, unowned);
        project->AdoptUnownedObjects(unowned);
        return std::unique_ptr<ForgeonProject>(project);
    }
    catch (const CException&)
    {
        FreeLoadedObjects(ar);
        throw;
    }
    catch (const std::bad_alloc&)
    {
        const CArchiveException located = ar.Malformed(CArchiveException::generic, tooLargeText);
        FreeLoadedObjects(ar);
        throw located;
    }
    catch (const std::exception& error)
    {
        // A failure that does not say where the file broke gets the place the read stopped.
        const CArchiveException located = ar.Malformed(CArchiveException::generic, error.what());
        FreeLoadedObjects(ar);
        throw located;
    }
    catch (...)
    {
        FreeLoadedObjects(ar);
        throw;
    }
}

bool IsEmptyPath(const char* path)
{
    return path == nullptr || *path == '\0';
}

// Another instance may be stopped inside its save: a save waits this long, then asks.
std::chrono::milliseconds saveLockWait{5000};
// What runs while a save waits for another instance.
std::function<void()> saveLockWaiting;
// What Cancel does while another instance saves the file, for a project that stays open.
constexpr const char* projectUnsaved = "leave the project unsaved for now";

// The file whose save lock a save of the model path takes: the one its links lead to, when the
// save follows them.
std::string LockedTarget(const char* path, bool followLinks = true)
{
    return FileReplacement(ToHostPath(path), followLinks).GetTarget();
}

// Whether a save to a path the user gave follows the symbolic links there: it does when the user
// made every link on the way. Another user's link would put the project where that user decides:
// the user is asked whether to replace the link at the path with the project's own file, or told
// that the folder keeps it. Nothing when the project is not to be saved there.
std::optional<bool> FollowsLinksAt(const char* path)
{
    const std::string hostPath = ToHostPath(path);
    const std::optional<OthersLink> link = FileReplacement(hostPath).GetOthersLink();
    if (!link)
        return true;
    CString said = CString(hostPath.c_str());
    if (link->path == hostPath)
        said += CString("\nis a symbolic link that ") + UserName(link->owner).c_str() +
                " made, to " + link->text.c_str();
    else
        said += CString("\nleads through ") + link->path.c_str() + ", a symbolic link that " +
                UserName(link->owner).c_str() + " made, to " + link->text.c_str();
    const CString where = CString(": saving through it would put this project where ") +
                          UserName(link->owner).c_str() + " decides.";
    if (!MayTakeAwayFromFolder(hostPath))
    {
        AfxMessageBox(said +
                          ", in a folder that lets only the owner of the link replace it, so the "
                          "project was not saved there" +
                          where + "\nSave it under another name.",
                      MB_OK | MB_ICONERROR);
        return std::nullopt;
    }
    const CString question = said + where +
                             "\nReplace the link with this project's own file? The file it leads "
                             "to is left as it is.\nChoose No to save nothing there; Save As saves "
                             "this project under another name.";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return std::nullopt;
    return false;
}

// The stamp of the file at the path now, its checksum over as many bytes as the agreed one's, so
// that the two are the same while nobody changes the file.
std::optional<FileStamp> StampNow(const char* path, const std::optional<FileStamp>& agreed)
{
    return FileStamp::Of(path, agreed ? agreed->checked : FileStamp::wholeFile);
}

// Whether the file at the path is no longer the writing agreed on; a file that is gone is not
// taken for a change.
bool ChangedSince(const char* path, const std::optional<FileStamp>& agreed)
{
    const std::optional<FileStamp> now = StampNow(path, agreed);
    return now && now != agreed;
}
} // namespace

void FreeLoadedObjects(CArchive& ar)
{
    SettleLoadedObjects(ar, ar.GetLoadedObjects());
    ar.DeleteLoadedObjects();
}

ProjectStore::~ProjectStore()
{
    DeleteProject();
    DeleteMergeProjects();
}

void ProjectStore::DeleteProject()
{
    delete m_project;
    m_project = nullptr;
    m_firstMergeInput = false;
}

void ProjectStore::DeleteMergeProjects()
{
    delete m_firstMergeProject;
    m_firstMergeProject = nullptr;
    delete m_secondMergeProject;
    m_secondMergeProject = nullptr;
}

ForgeonProject* ProjectStore::GetProject()
{
    if (m_project == nullptr)
        m_project = new ForgeonProject;
    return m_project;
}

BOOL ProjectStore::ArchiveProject(ForgeonProject* project, const char* path, BOOL load)
{
    if (IsEmptyPath(path))
        return FALSE;
    if (load)
        return LoadInto(path);
    const std::optional<bool> followLinks = FollowsLinksAt(path);
    if (!followLinks)
        return FALSE;
    std::optional<FileStamp> written;
    std::optional<SaveFailure> failure;
    {
        // A merge's result that is not saved goes with the merge inputs.
        const std::optional<SaveLock> lock = LockForSave(
            path,
            project != nullptr && project == m_firstMergeProject
                ? "drop the merged project without saving it; merging again makes it anew"
                : projectUnsaved,
            *followLinks);
        if (!lock)
            return FALSE;
        const CommitCheck check =
            UnlockedCommitCheck(path, *lock, lock->IsHeld() ? std::nullopt : FileStamp::Of(path));
        failure = LargeStack::Run(
            [&] { return Save(project, path, std::nullopt, *followLinks, check, &written); });
    }
    // The boxes come once the lock is let go, so that no other instance waits on an answer.
    if (!failure)
    {
        m_fileStamp = std::move(written);
        ShowLostAttributes(path);
        return TRUE;
    }
    if (failure->kind == SaveFailure::Kind::Changed)
        failure->text = CString(ToHostPath(path).c_str()) +
                        "\nwas changed by another program while this project was being saved, so "
                        "it was left as it was and the project was not saved there.";
    if (failure->kind != SaveFailure::Kind::Cancelled)
        AfxMessageBox(failure->text, failure->type);
    return FALSE;
}

BOOL ProjectStore::SaveOver(ForgeonProject* project, const char* path,
                            std::optional<FileStamp>& known,
                            const std::function<bool(const FileStamp& now)>& mayReplace)
{
    if (IsEmptyPath(path))
        return FALSE;
    std::optional<FileStamp> agreed = known;
    for (;;)
    {
        std::optional<FileStamp> changed;
        std::optional<SaveFailure> failure;
        bool saved = false;
        {
            const std::optional<SaveLock> lock = LockForSave(path, projectUnsaved);
            if (!lock)
                return FALSE;
            const std::optional<FileStamp> now = StampNow(path, agreed);
            if (now && now != agreed)
                changed = now;
            else
            {
                // A link that stands where the document knew none is not followed but replaced.
                const bool follow = !now || !now->link || (known && known->link == now->link);
                const CommitCheck check = UnlockedCommitCheck(path, *lock, now);
                std::optional<FileStamp> written;
                failure = LargeStack::Run(
                    [&] { return Save(project, path, std::nullopt, follow, check, &written); });
                if (!failure)
                {
                    known = std::move(written);
                    m_fileStamp = known;
                    saved = true;
                }
                else if (failure->kind == SaveFailure::Kind::Changed)
                    changed = StampNow(path, agreed).value_or(FileStamp{});
            }
        }
        if (saved)
        {
            ShowLostAttributes(path);
            return TRUE;
        }
        if (!changed)
        {
            if (failure->kind == SaveFailure::Kind::Reported)
                AfxMessageBox(failure->text, failure->type);
            return FALSE;
        }
        if (!mayReplace(*changed))
            return FALSE;
        agreed = changed;
    }
}

void ProjectStore::SetSaveLockWait(std::chrono::milliseconds wait)
{
    saveLockWait = wait;
}

void ProjectStore::SetSaveLockWaiting(std::function<void()> waiting)
{
    saveLockWaiting = std::move(waiting);
}

std::optional<SaveLock> ProjectStore::LockForSave(const char* path, const char* onCancel,
                                                  bool followLinks)
{
    const std::string target = LockedTarget(path, followLinks);
    for (;;)
    {
        SaveLock lock = SaveLock::Take(target, saveLockWait, saveLockWaiting);
        if (lock.GetState() != SaveLock::State::Busy)
            return lock;
        const CString text = CString(ToHostPath(path).c_str()) +
                             "\nis being saved by another instance of the program, which has "
                             "not finished; it may be stopped or waiting.\nRetry to wait for it "
                             "again, or Cancel to " +
                             onCancel + ".";
        if (AfxMessageBox(text, MB_RETRYCANCEL | MB_ICONWARNING) != IDRETRY)
            return std::nullopt;
    }
}

ProjectStore::CommitCheck ProjectStore::UnlockedCommitCheck(const char* path, const SaveLock& lock,
                                                            const std::optional<FileStamp>& agreed)
{
    if (lock.IsHeld())
        return {};
    const CString question =
        CString(ToHostPath(path).c_str()) +
        "\ncould not be locked for saving: " + lock.GetReason().c_str() +
        ".\nAnother instance of the program saving this project at the same time would not be "
        "noticed. The file has not changed since this save began.\nSave the project?";
    return [path = CString(path), agreed, question]() -> std::optional<SaveFailure>
    {
        const SaveFailure changed{CString(), MB_OK, SaveFailure::Kind::Changed};
        if (ChangedSince(path, agreed))
            return changed;
        if (AfxMessageBox(question, MB_YESNO | MB_ICONWARNING) != IDYES)
            return SaveFailure{CString(), MB_OK, SaveFailure::Kind::Cancelled};
        if (ChangedSince(path, agreed))
            return changed;
        return std::nullopt;
    };
}

std::vector<FileReplacement::LeftTemporary>
ProjectStore::FindUnfinishedSaves(const char* path, std::time_t minimumAge)
{
    return FileReplacement(ToHostPath(path)).FindLeftTemporaries(ProjectFileHeader(), minimumAge);
}

std::vector<FileReplacement::LeftTemporary>
ProjectStore::FindUnfinishedSavesIn(const char* folder,
                                    const std::function<bool(const std::string& target)>& ofTarget,
                                    std::time_t minimumAge)
{
    return FileReplacement::FindLeftTemporariesIn(ToHostPath(folder), ofTarget, ProjectFileHeader(),
                                                  minimumAge);
}

bool ProjectStore::IsProjectFile(int descriptor)
{
    static const std::string header = ProjectFileHeader();
    std::string start(header.size(), '\0');
    return ::pread(descriptor, start.data(), start.size(), 0) ==
               static_cast<ssize_t>(start.size()) &&
           start == header;
}

bool ProjectStore::KeepUnfinishedSave(const std::string& temporary, const CString& keptPath,
                                      std::time_t minimumAge)
{
    return FileReplacement::KeepLeftTemporary(temporary, ToHostPath(keptPath), ProjectFileHeader(),
                                              minimumAge);
}

std::optional<CString> ProjectStore::SaveQuietly(ForgeonProject* project, const char* path,
                                                 const char* projectPath)
{
    if (IsEmptyPath(path))
        return CString("No file name was given.");
    std::optional<mode_t> mode;
    struct stat original;
    if (!IsEmptyPath(projectPath) && ::stat(ToHostPath(projectPath).c_str(), &original) == 0)
        mode = original.st_mode;
    // A copy at a name of its own loses nothing where no lock can be had.
    const SaveLock lock = SaveLock::Take(
        LockedTarget(IsEmptyPath(projectPath) ? path : projectPath), saveLockWait, saveLockWaiting);
    if (lock.GetState() == SaveLock::State::Busy)
        return CString("another instance of the program is saving ") +
               ToHostPath(IsEmptyPath(projectPath) ? path : projectPath).c_str() +
               "; the copy is made when the next one is due";
    const std::optional<SaveFailure> failure =
        LargeStack::Run([&] { return Save(project, path, mode, /*followLinks=*/false); });
    return failure ? std::optional<CString>(failure->text) : std::nullopt;
}

std::optional<ProjectStore::SaveFailure>
ProjectStore::Save(ForgeonProject* project, const char* path, std::optional<mode_t> mode,
                   bool followLinks, const CommitCheck& beforeCommit,
                   std::optional<FileStamp>* written)
{
    m_lostAttributes.clear();
    FileReplacement replacement(ToHostPath(path), followLinks);
    if (replacement.IsTargetProtected())
        return SaveFailure{CString(path) + " is read-only, so the project was not saved.\nSave "
                                           "it under another name, or make the file writable.",
                           MB_OK | MB_ICONERROR};
    if (mode)
        replacement.SetMode(*mode);
    if (!replacement.CreateTemporary())
    {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS)
            return SaveFailure{FolderRefusalText(path, replacement.GetTarget(), error),
                               MB_OK | MB_ICONERROR};
        return SaveFailure{
            ArchiveErrorText(
                CFileException(CFileException::CauseFromErrno(error), error, path).what()),
            MB_OK};
    }
    std::optional<std::string> failure = FailureOf(
        [&]
        {
            CFile file(replacement.GetDescriptor(), replacement.GetTemporary().c_str());
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, archiveBufferSize);
            ar.ReserveObjects(m_objectCount);
            SerializeProject(project, ar);
            m_objectCount = ar.GetObjectCount();
            ar.Close();
        });
    if (!failure)
    {
        std::optional<FileStamp> readBack;
        if (const std::optional<std::string> unreadable = ReadBackFailure(
                replacement.GetTemporary().c_str(), written != nullptr ? &readBack : nullptr))
            return SaveFailure{
                KeepUnreadableSave(path, replacement, NamingTarget(*unreadable, replacement, path)),
                MB_OK | MB_ICONERROR};
        if (beforeCommit)
        {
            if (std::optional<SaveFailure> refused = beforeCommit())
                return refused;
        }
        if (!replacement.Commit(/*keepExisting=*/false))
            failure = CFileException(CFileException::CauseFromErrno(errno), errno, path).what();
        else
        {
            if (written != nullptr)
            {
                // The file renamed is the one read back; only the link at its name is the path's.
                if (readBack)
                    readBack->link = LinkText(ToHostPath(path));
                *written = std::move(readBack);
            }
            m_lostAttributes = replacement.GetLostAttributes();
        }
    }
    if (failure)
        return SaveFailure{ArchiveErrorText(NamingTarget(*failure, replacement, path)), MB_OK};
    return std::nullopt;
}

void ProjectStore::ShowLostAttributes(const char* path) const
{
    if (!m_lostAttributes.empty())
        AfxMessageBox(LostAttributesWarning(path), MB_OK | MB_ICONWARNING);
}

CString ProjectStore::LostAttributesWarning(const char* path) const
{
    return m_lostAttributes.empty() ? CString() : LostAttributesText(path, m_lostAttributes);
}

std::optional<std::string> ProjectStore::ReadBackFailure(const char* path,
                                                         std::optional<FileStamp>* stamp)
{
    const LoadRollback rollback;
    std::optional<std::string> failure = FailureOf(
        [&]
        {
            if (ReadArchive(
                    path, [&](CArchive& ar) { ReadAsOpenProject(ar); }, stamp) != 0)
                throw std::runtime_error("The file holds bytes after the project.");
        });
    rollback.Restore();
    return failure;
}

BOOL ProjectStore::LoadInto(const char* path)
{
    std::uint64_t following = 0;
    const BOOL loaded = Guarded(
        [&]
        {
            LargeStack::Run(
                [&]
                {
                    std::optional<FileStamp> stamp;
                    following = ReadArchive(
                        path,
                        [&](CArchive& ar)
                        {
                            SerializeProject(nullptr, ar);
                            m_objectCount = ar.GetObjectCount();
                        },
                        m_mergeRead ? nullptr : &stamp);
                    if (!m_mergeRead)
                        m_fileStamp = std::move(stamp);
                });
        });
    ForgeonProject* read = !m_mergeRead        ? m_project
                           : m_firstMergeInput ? m_firstMergeProject
                                               : m_secondMergeProject;
    if (loaded && read != nullptr)
    {
        ProjectSettings* settings = read->GetProjectSettings();
        for (const CString& warning :
             {settings != nullptr ? TakeAwayUnusableThemeNames(*settings) : CString(),
              DeviceNameWarning(*read), PageFileClashWarning(*read), NamesToRenameWarning(*read),
              FollowingBytesWarning(path, following)})
        {
            if (!warning.IsEmpty())
                AfxMessageBox(warning, MB_OK | MB_ICONWARNING);
        }
    }
    return loaded;
}

BOOL ProjectStore::RestoreProject(const std::vector<BYTE>& bytes)
{
    const int version = TheVersionHistory().GetArchiveVersion();
    const BOOL restored = Guarded(
        [&]
        {
            LargeStack::Run(
                [&]
                {
                    CMemFile file(bytes);
                    CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
                    SerializeProject(nullptr, ar);
                    ar.Close();
                });
        });
    TheVersionHistory().SetArchiveVersion(version);
    return restored;
}

void ProjectStore::SerializeProject(ForgeonProject* project, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(project);
        return;
    }
    const LoadRollback rollback;
    try
    {
        if (m_mergeRead)
            PlaceMergeInput(ReadProject(ar));
        else
            delete std::exchange(m_project, ReadAsOpenProject(ar).release());
    }
    catch (...)
    {
        rollback.Restore();
        throw;
    }
}

// The project read is the open project while it is repaired, so that the repairs find it
// where the rest of the program looks; the previous one comes back afterwards.
std::unique_ptr<ForgeonProject> ProjectStore::ReadAsOpenProject(CArchive& ar)
{
    Designation::SetIdCounter(ForgeonProject::GetDesignationIdFloor(m_project));
    std::unique_ptr<ForgeonProject> read = ReadProject(ar);
    ForgeonProject* previous = std::exchange(m_project, read.get());
    try
    {
        FixUpLoadedProject(read.get());
    }
    catch (...)
    {
        m_project = previous;
        throw;
    }
    m_project = previous;
    return read;
}

void ProjectStore::PlaceMergeInput(std::unique_ptr<ForgeonProject> read)
{
    FixUpLoadedProject(read.get());
    if (m_firstMergeInput)
    {
        DeleteMergeProjects();
        m_firstMergeProject = read.release();
    }
    else
    {
        delete m_secondMergeProject;
        m_secondMergeProject = read.release();
    }
}

void ProjectStore::FixUpLoadedProject(ForgeonProject* project)
{
    project->NumberModulesSharingOneNumber();
    for (Module* module : project->GetModules())
    {
        for (const ModuleStep& pass : PostLoadPasses())
            pass.run(*module, *project);
    }
    if (Module* base = project->GetBaseModule())
    {
        for (const ModuleStep& step : BaseModuleSteps())
            step.run(*base, *project);
    }
}

BOOL ProjectStore::LoadFirstMergeProject(const char* path)
{
    m_firstMergeInput = true;
    const BOOL loaded = LoadMergeInput(path);
    m_firstMergeInput = false;
    return loaded;
}

BOOL ProjectStore::LoadSecondMergeProject(const char* path)
{
    m_firstMergeInput = false;
    return LoadMergeInput(path);
}

BOOL ProjectStore::LoadMergeInput(const char* path)
{
    if (IsEmptyPath(path))
        return FALSE;
    m_mergeRead = true;
    const BOOL loaded = LoadInto(path);
    m_mergeRead = false;
    return loaded;
}

bool ProjectStore::MergeProjects()
{
    return LargeStack::Run(
        [&]
        {
            const std::unique_ptr<ProjectMergerInterface> merger =
                CreateProjectMerger(m_firstMergeProject, m_secondMergeProject);
            return merger != nullptr && merger->Merge();
        });
}

std::span<const ProjectStore::ModuleStep> ProjectStore::PostLoadPasses()
{
    return postLoadPasses;
}

std::span<const ProjectStore::ModuleStep> ProjectStore::BaseModuleSteps()
{
    return baseModuleSteps;
}
