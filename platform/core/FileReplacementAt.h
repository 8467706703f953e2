#pragma once

#include "platform/core/Descriptor.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

// A file written inside an open folder under a temporary name beside its name and renamed over
// the name once complete, so that a failed write leaves the file that stood there, or none, and
// never a part of one. A symbolic link or a file with other names at the name is replaced, never
// written through; a regular file replaced lends the new file its owner (where the host allows),
// mode and extended attributes (access control lists among them). The temporary is named by
// TemporaryNameFor and removed unless it was committed.
class FileReplacementAt
{
public:
    FileReplacementAt() = default;
    ~FileReplacementAt() { Abandon(); }
    FileReplacementAt(FileReplacementAt&& other) noexcept;
    FileReplacementAt& operator=(FileReplacementAt&& other) noexcept;
    FileReplacementAt(const FileReplacementAt&) = delete;
    FileReplacementAt& operator=(const FileReplacementAt&) = delete;

    // How the folder's descriptor is kept: a duplicate of its own, or borrowed from a caller
    // that keeps it open until the commit or the end.
    enum class FolderHold
    {
        duplicate,
        borrow
    };

    // Whether something likely stands at the name, which is looked at first then; a guess only,
    // to spare a system call.
    enum class NameExpected
    {
        free,
        taken
    };

    // How the file's bytes come: written to the descriptor as they come, or given whole to
    // CommitWhole, which may then leave the file that stands there as it is.
    enum class Bytes
    {
        streamed,
        whole
    };

    // Makes the file open for reading and writing, with the mode given (under the umask): for
    // whole bytes at the name itself when nothing stands there (removed again unless committed),
    // else as a temporary beside it, which takes the replaced file's mode; for whole bytes the
    // temporary waits for CommitWhole. Streamed bytes always go to a temporary, so that a kill
    // part way leaves no cut file at the name. Refuses a name the user protected (a regular file
    // without a write bit, or not writable for this user) with EACCES, a folder with EISDIR and
    // whatever else is no regular file nor link with EINVAL. False with errno set.
    bool Begin(int folder, const std::string& name, mode_t newFileMode,
               FolderHold hold = FolderHold::duplicate, NameExpected expected = NameExpected::free,
               Bytes bytes = Bytes::streamed);
    // Something stood at the name: the file replaces it through a temporary.
    bool IsReplacing() const { return m_nameTaken; }
    // A file was begun and is neither committed nor abandoned.
    bool IsBegun() const { return m_begun; }
    // The open temporary; it stays this object's.
    int GetDescriptor() const { return m_file.Get(); }
    // The regular file of the name, when one stood there; null otherwise.
    const struct stat* GetReplaced() const { return m_replacesFile ? &m_replaced : nullptr; }
    // What stood at the name and is replaced without being written through ("it led to ...",
    // "it was a hard link"); empty when nothing such.
    const std::string& GetReplacedLink() const { return m_replacedLink; }
    // Closes the temporary, when still open here, and renames it over the name, or, with
    // keepExisting, only to a free name (EEXIST otherwise). False with errno set; the temporary
    // is then removed.
    bool Commit(bool keepExisting = false);
    // Puts the bytes at the name, for a file begun with whole bytes. A regular file that holds
    // them already stays as it is. A file replaced whose owner or attributes the new one could
    // not take, or beside which no temporary can be made, is written in place when it has no
    // other name: what it had stays. The room for the new bytes is taken before the first old
    // byte is overwritten, so that a full disk or a quota leaves the file whole; where the file
    // system cannot reserve, the old bytes are put back after a failed write (IsLeftCut tells
    // that they could not be). A shorter text cuts the file first, so that no kill leaves the
    // new text followed by old bytes. False with errno set; IsFolderRefusal tells whether the
    // folder refused the temporary.
    bool CommitWhole(std::string_view bytes);
    // The file at the name held the bytes and was left as it was.
    bool WasUnchanged() const { return m_unchanged; }
    // The last commit failed because the folder let no temporary be made in it.
    bool IsFolderRefusal() const { return m_folderRefusal; }
    // The last commit failed writing in place, and the old bytes could not be put back.
    bool IsLeftCut() const { return m_leftCut; }
    // What of the file replaced the new one could not take (GiveOwnerOf, the mode, extended
    // attributes), each as "<name> (<reason>)", for a file begun with streamed bytes.
    const std::vector<std::string>& GetLost() const { return m_lost; }
    // Removes the temporary when it was not committed.
    void Abandon();

private:
    // Keeps the folder as asked; false with errno set.
    bool HoldFolder(int folder, FolderHold hold);
    // Makes the temporary beside the name; false with errno set.
    bool MakeTemporary(mode_t mode);
    // The file that stands at the name, open for reading, when it is still the one Begin saw.
    Descriptor OpenReplaced() const;
    // Gives the temporary what the replaced file has; false when something could not be given
    // (GetLost).
    bool TakeWhatItHad(int replaced);
    // Writes the bytes over the replaced file itself.
    bool WriteInPlace(std::string_view bytes);
    void Finish();

    Descriptor m_ownFolder;
    int m_folder = -1;
    // The file was made at its name: there is nothing to rename.
    bool m_madeAtName = false;
    // Something stood at the name when the file was begun.
    bool m_nameTaken = false;
    std::string m_name;
    std::string m_temporary;
    Descriptor m_file;
    struct stat m_replaced = {};
    bool m_replacesFile = false;
    std::string m_replacedLink;
    mode_t m_newFileMode = 0;
    bool m_begun = false;
    bool m_unchanged = false;
    bool m_folderRefusal = false;
    bool m_leftCut = false;
    std::vector<std::string> m_lost;
};

// The system calls that take room for a file's bytes (fallocate) and write them (pwrite); tests
// put others in their place, to fail as a full disk or a quota does. Each returns the one
// replaced.
using ReserveCall = int (*)(int fd, int mode, off_t offset, off_t length);
ReserveCall SetReserveCall(ReserveCall call);
using WriteAtCall = ssize_t (*)(int fd, const void* bytes, std::size_t count, off_t offset);
WriteAtCall SetWriteAtCall(WriteAtCall call);
