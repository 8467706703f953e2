#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

// A file written under a temporary name beside the file it replaces and renamed over it once
// complete, so that a failed write leaves the old file, or no file, and never a part of one.
// A symbolic link at the path is followed: the file it leads to is replaced and the link stays.
// The new file keeps the old file's permission bits and, where the host allows, its owner.
class FileReplacement
{
public:
    // hostPath is a host path; model paths are mapped by the caller.
    explicit FileReplacement(const std::string& hostPath);
    // Removes the temporary file unless it was committed or released.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The file replaced: the path, or the file its symbolic links lead to.
    const std::string& GetTarget() const { return m_target; }
    // The target exists and the user protected it: it is not writable for this user, or none
    // of its write bits is set (which also counts for the superuser, whom access() lets write).
    bool IsTargetProtected() const;

    // Makes a new, empty temporary file beside the target (mode 0666 under the umask). False
    // with errno set.
    bool CreateTemporary();
    const std::string& GetTemporary() const { return m_temporary; }

    // Puts the temporary file in the target's place: it takes the permission bits of the target
    // it replaces, or newFileMode when there was none and it is given. With keepExisting an
    // existing target stays and the commit fails with EEXIST. False with errno set; the
    // temporary file is then removed.
    bool Commit(bool keepExisting, std::optional<mode_t> newFileMode = std::nullopt);
    // The temporary file is left where it is, for the caller to move or remove.
    void Release() { m_temporary.clear(); }

private:
    void RemoveTemporary();

    std::string m_target;
    // A link chain that does not end (errno of following it), 0 when it ends.
    int m_followError = 0;
    std::string m_temporary;
};
