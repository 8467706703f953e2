#pragma once

#include "platform/core/CString.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/FileStamp.h"
#include "platform/core/MessageBox.h"
#include "platform/core/SaveLock.h"
#include "platform/core/Types.h"

#include <chrono>
#include <cstddef>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

class CArchive;
class ForgeonProject;
class Module;

// Frees every object the archive created while loading, each once, whatever links between
// them the file held; the archive then holds none.
void FreeLoadedObjects(CArchive& ar);

// Holds the open project and the two projects a merge reads; saves and loads project files.
// A save reaches the target file only when the whole archive was written and the new file reads
// back; a load replaces the project it reads into only when the whole read and the repairs after
// it succeeded. Failures are reported with "Error in archiving"; a save that does not read back
// keeps the target as it was, leaves the new file beside it as "<target>.unreadable" and says so.
// Every read refuses module and table names that the table designer or Rename Module would not
// take, and a load warns of names that Windows keeps for devices and names the bytes the file
// holds after the project, which it does not read; a save writes none. Nothing is removed that
// killed saves left beside a file: they are found and kept where the caller says.
class ProjectStore
{
public:
    // One repair run after a read, on a module of the project read.
    struct ModuleStep
    {
        const char* name;
        void (*run)(Module& module, ForgeonProject& project);
    };

    ProjectStore() = default;
    // DeleteProject, then DeleteMergeProjects.
    ~ProjectStore();
    ProjectStore(const ProjectStore&) = delete;
    ProjectStore& operator=(const ProjectStore&) = delete;

    void DeleteProject();
    void DeleteMergeProjects();

    // The open project; a new empty one when there is none.
    ForgeonProject* GetProject();
    // Replaces the open-project pointer without deleting the previous project.
    void SetProject(ForgeonProject* project) { m_project = project; }
    ForgeonProject* GetFirstMergeProject() const { return m_firstMergeProject; }
    ForgeonProject* GetSecondMergeProject() const { return m_secondMergeProject; }

    // load FALSE saves the project to the path; load TRUE reads the path as the open project
    // (the project argument is then not used). FALSE for an empty path, and after a failure,
    // which has been reported. A save goes through a symbolic link of the user's own to the file
    // it leads to, keeps the old file's permission bits and refuses a file the user made
    // read-only. A link on the way that another user made is never gone through: the user is
    // asked whether to replace the link at the path with the project's own file, or told that a
    // sticky folder keeps it; FALSE when not replaced.
    BOOL ArchiveProject(ForgeonProject* project, const char* path, BOOL load);
    // Reads the project the bytes hold, as a save writes them, into the open project's place as
    // opening a file does; the archive version the open project was read with stays. FALSE after
    // a reported failure, which leaves the open project.
    BOOL RestoreProject(const std::vector<BYTE>& bytes);
    // Saves the project over the file the document knows, as ArchiveProject does, holding the
    // save lock of the file (LockForSave) from a look at the file to the rename, so that two
    // instances saving at once save one after the other. When the file is not the writing known
    // (another program changed it, or a link stands at its name), mayReplace is asked without the
    // lock, and a file that changed again is asked about again. A link at the path is followed
    // only when the writing known had the same link; otherwise it is replaced. known becomes the
    // writing saved. FALSE when not saved.
    BOOL SaveOver(ForgeonProject* project, const char* path, std::optional<FileStamp>& known,
                  const std::function<bool(const FileStamp& now)>& mayReplace);
    // Saves as ArchiveProject does, but shows nothing: the text a save would have shown when
    // it failed, nothing when the file was written. For copies the user did not ask for, at
    // names the program made: a link or a file with other names there is replaced, never
    // written through. The copy takes the permission bits of the project file at projectPath (a
    // model path) when it is given and there, and is made under that file's save lock; while
    // another instance holds it, no copy is made and the text says so.
    // LostAttributesWarning then says what of a file it replaced the copy could not keep.
    std::optional<CString> SaveQuietly(ForgeonProject* project, const char* path,
                                       const char* projectPath = nullptr);
    // What of the file it replaced the last save to the path could not keep (its owner, group
    // or extended attributes), one a line; empty when it kept everything.
    CString LostAttributesWarning(const char* path) const;
    // The stamp of the file that this store last read as the open project or saved, taken on
    // the file read or under the save lock, its checksum over the bytes read; nothing before
    // either.
    const std::optional<FileStamp>& GetFileStamp() const { return m_fileStamp; }
    // How long a save waits for another instance's save of the same file before it asks.
    static void SetSaveLockWait(std::chrono::milliseconds wait);
    // What runs, again and again, while a save waits for another instance; nothing by default.
    static void SetSaveLockWaiting(std::function<void()> waiting);
    // The temporary files that saves of the project file at the path (a model path) left
    // behind (FileReplacement::FindLeftTemporaries).
    static std::vector<FileReplacement::LeftTemporary> FindUnfinishedSaves(const char* path,
                                                                           std::time_t minimumAge);
    // The same of the project files in the folder (a model path) whose names ofTarget takes.
    static std::vector<FileReplacement::LeftTemporary>
    FindUnfinishedSavesIn(const char* folder,
                          const std::function<bool(const std::string& target)>& ofTarget,
                          std::time_t minimumAge);
    // The open file begins as every project file does.
    static bool IsProjectFile(int descriptor);
    // Moves one of them to keptPath (a model path), replacing nothing; false with errno set.
    static bool KeepUnfinishedSave(const std::string& temporary, const CString& keptPath,
                                   std::time_t minimumAge);
    // Storing writes the project; loading reads a project into the place the flags select,
    // replacing what stood there, and repairs it.
    void SerializeProject(ForgeonProject* project, CArchive& ar);
    // Numbers the modules when they all share one number, then runs the passes on every module
    // in list order, then the steps on the base module.
    static void FixUpLoadedProject(ForgeonProject* project);

    // Read a merge input; an empty path reads nothing. Reading the first input deletes both
    // previous inputs; reading the second keeps the first. FALSE after a reported failure,
    // which leaves the inputs as they were.
    BOOL LoadFirstMergeProject(const char* path);
    BOOL LoadSecondMergeProject(const char* path);
    // Merges the second input into the first; false without a merger.
    bool MergeProjects();

    // The repairs of a read project in the order they run.
    static std::span<const ModuleStep> PostLoadPasses();
    static std::span<const ModuleStep> BaseModuleSteps();

private:
    // Reads the file into the place the flags select.
    BOOL LoadInto(const char* path);
    BOOL LoadMergeInput(const char* path);
    // What a failed save tells the user.
    struct SaveFailure
    {
        enum class Kind
        {
            // The text is shown.
            Reported,
            // The file changed before the rename, which a save without the lock looks for.
            Changed,
            // The user chose not to save.
            Cancelled,
        };
        CString text;
        UINT type = MB_OK;
        Kind kind = Kind::Reported;
    };
    // Asked right before the rename; a failure stops the save and removes its new file.
    using CommitCheck = std::function<std::optional<SaveFailure>()>;
    // Saves; the file takes the mode when given, else keeps the replaced file's. A link at the
    // path is followed or replaced. written, when given, receives the stamp of the file saved,
    // taken as it is read back. It shows nothing: the callers show its failure and the
    // attributes it could not keep (ShowLostAttributes) once the save lock is let go.
    std::optional<SaveFailure> Save(ForgeonProject* project, const char* path,
                                    std::optional<mode_t> mode, bool followLinks,
                                    const CommitCheck& beforeCommit = {},
                                    std::optional<FileStamp>* written = nullptr);
    // The save lock of the file at the model path (SaveLock), or of the file its links lead to
    // when the save follows them. While another instance holds it past the wait, asks whether to
    // wait again, onCancel saying what Cancel does ("Cancel to <onCancel>."); nothing when the
    // user cancelled. A lock that cannot be had is given as it is: UnlockedCommitCheck then asks.
    static std::optional<SaveLock> LockForSave(const char* path, const char* onCancel,
                                               bool followLinks = true);
    // Names the attributes the last save lost, when it lost any.
    void ShowLostAttributes(const char* path) const;
    // Without the lock, right before the rename: a file changed since it was found (agreed)
    // stops the save as Changed; otherwise the user is asked whether to save unlocked, told why
    // no lock could be had, and the file is looked at again after the answer. Empty with the lock.
    static CommitCheck UnlockedCommitCheck(const char* path, const SaveLock& lock,
                                           const std::optional<FileStamp>& agreed);
    // Reads the file as opening it would, into a project that is dropped afterwards; the open
    // project, the role counter, the archive version and the diagnostics lists stay as they
    // were. The reason when the read or the repairs fail or the read ends before the file. The
    // stamp, when asked for, is the file's as it was read.
    std::optional<std::string> ReadBackFailure(const char* path,
                                               std::optional<FileStamp>* stamp = nullptr);
    // Reads and repairs a project as the open project's replacement; m_project is unchanged.
    std::unique_ptr<ForgeonProject> ReadAsOpenProject(CArchive& ar);
    // Repair a merge input just read and put it in its place.
    void PlaceMergeInput(std::unique_ptr<ForgeonProject> read);

    ForgeonProject* m_project = nullptr;
    std::optional<FileStamp> m_fileStamp;
    // What of the file replaced the last save could not keep (FileReplacement).
    std::vector<std::string> m_lostAttributes;
    // The classes and objects of the last file read or written: a save makes room for as many.
    std::size_t m_objectCount = 0;
    ForgeonProject* m_firstMergeProject = nullptr;
    ForgeonProject* m_secondMergeProject = nullptr;
    bool m_mergeRead = false;
    bool m_firstMergeInput = false;
};
