#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TemporaryName;

// A symbolic link that another user made: where it stands, its owner and its text.
struct OthersLink
{
    std::string path;
    uid_t owner = 0;
    std::string text;
};

// A file written under a temporary name beside the file it replaces and renamed over it once
// complete, so that a failed write leaves the old file, or no file, and never a part of one.
// A symbolic link at the path is followed, when asked to: the file it leads to is replaced and
// the link stays; otherwise the link itself is replaced. The temporary file is readable by the
// user only until the commit gives it its mode; its data and the rename reach the disk before the
// commit returns. A file committed at a name of the temporaries' form (TemporaryNameFor) is
// marked as a finished save where the file system keeps extended attributes, so that no search
// for what saves left takes it.
class FileReplacement
{
public:
    // A temporary file that a save of the target left behind.
    struct LeftTemporary
    {
        std::string path;
        std::time_t modified = 0;
        // What follows the infix in its name, "<pid>-<n>", which tells it from the others.
        std::string tag;
        // The file that the save was to replace, in the same folder.
        std::string target;
    };

    // hostPath is a host path; model paths are mapped by the caller.
    explicit FileReplacement(const std::string& hostPath, bool followLinks = true);
    // Closes and removes the temporary file unless it was committed or released.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The file replaced: the path, or the file its symbolic links lead to.
    const std::string& GetTarget() const { return m_target; }
    // The first symbolic link followed on the way to the target that another user made; nothing
    // when the user made every link followed.
    const std::optional<OthersLink>& GetOthersLink() const { return m_othersLink; }
    // The target exists and the user protected it: it is not writable for this user, or none
    // of its write bits is set (which also counts for the superuser, whom access() lets write).
    bool IsTargetProtected() const;
    // The temporary files of the target (TemporaryNameFor) that a save left behind,
    // oldest first: regular files of this user that begin with the header, that no save finished
    // at their names and whose lock no process holds, whatever process number their names give;
    // where the file system has no locks, those unchanged for at least minimumAge seconds.
    std::vector<LeftTemporary> FindLeftTemporaries(std::string_view header,
                                                   std::time_t minimumAge) const;
    // The same of every target in the host folder whose name (without the folder) ofTarget takes;
    // a name cut short is given and found as its start.
    static std::vector<LeftTemporary>
    FindLeftTemporariesIn(const std::string& folder,
                          const std::function<bool(const std::string& target)>& ofTarget,
                          std::string_view header, std::time_t minimumAge);
    // Moves a temporary file found by FindLeftTemporaries to keptPath, replacing nothing there,
    // when it is still what a save left behind. False with errno set.
    static bool KeepLeftTemporary(const std::string& temporary, const std::string& keptPath,
                                  std::string_view header, std::time_t minimumAge);
    // Makes a new, empty temporary file beside the target, mode 0600, and keeps it open for
    // reading and writing, locked (LockWholeFile) until it is closed. False with errno set.
    bool CreateTemporary();
    const std::string& GetTemporary() const { return m_temporary; }
    // The open temporary file; it stays this object's to close.
    int GetDescriptor() const { return m_descriptor; }

    // The permission bits the file gets at the commit, also when it replaces a file.
    void SetMode(mode_t mode) { m_mode = mode & 07777; }
    // Puts the temporary file in the target's place: it takes the mode set, or the permission
    // bits (and, where the host allows, the owner) of the target it replaces, or newFileMode
    // when there was none and it is given, or 0666 under the umask. With keepExisting an
    // existing target stays and the commit fails with EEXIST. False with errno set; the
    // temporary file is then removed.
    bool Commit(bool keepExisting, std::optional<mode_t> newFileMode = std::nullopt);
    // What of the file replaced the commit could not give the new file, each as "<name>
    // (<reason>)": its owner or group (GiveOwnerOf), its extended attributes (access control
    // lists among them); the others it kept.
    const std::vector<std::string>& GetLostAttributes() const { return m_lostAttributes; }
    // The temporary file is closed and left where it is, for the caller to move or remove.
    void Release();

private:
    static std::vector<LeftTemporary>
    FindLeftIn(const std::string& folder, const std::function<bool(const TemporaryName&)>& taken,
               std::string_view header, std::time_t minimumAge);
    void CloseDescriptor();
    void RemoveTemporary();

    std::string m_target;
    bool m_followLinks;
    // A link chain that does not end (errno of following it), 0 when it ends.
    int m_followError = 0;
    std::optional<OthersLink> m_othersLink;
    std::string m_temporary;
    int m_descriptor = -1;
    std::optional<mode_t> m_mode;
    std::vector<std::string> m_lostAttributes;
};

// Gives the open file the owner and group of the replaced file, whose status is given, as far as
// the host allows: only the superuser may give a file away, so a refusal keeps the group where
// the user may. Done before the mode, since a change of owner clears bits the mode sets again.
// What could not be given, as "owner <user> (<reason>; the new file is <user>'s)" and "group
// <group> (...)"; empty when the new file has both.
std::vector<std::string> GiveOwnerOf(const struct stat& replaced, int to);

// Renames without replacing an existing target: -1 with EEXIST when there is one, 0 when done.
int RenameKeepingExisting(const char* from, const char* to);

// Keeps a file under the first free name of those nameFor gives for 1, 2, ... (at most tries):
// keep moves it to the name without replacing anything there, failing with EEXIST when the
// name is taken. The name it took; nothing, with errno set, when none was free or keep failed
// otherwise.
std::optional<std::string> KeepUnderFreeName(const std::function<std::string(int)>& nameFor,
                                             const std::function<bool(const std::string&)>& keep,
                                             int tries = 100);

// The text of the symbolic link at the host path; nothing when the path is not a link or the
// link cannot be read.
std::optional<std::string> LinkText(const std::string& hostPath);

// The user may take what stands at the host path away from its folder, as far as a sticky folder
// lets only the owners of the entry and of the folder (and the superuser) do.
bool MayTakeAwayFromFolder(const std::string& hostPath);
