#pragma once

#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <utility>

// An open file or folder of the host; closed when it goes.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        if (this != &other)
        {
            Close();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // The caller takes the descriptor over and closes it.
    int Release() { return std::exchange(m_fd, -1); }
    // Closes the descriptor, keeping errno.
    void Close();

private:
    int m_fd = -1;
};

// The process's file mode creation mask.
mode_t CurrentUmask();

// A second descriptor of the same open folder or file; invalid with errno set.
Descriptor Duplicate(int fd);

// Opens the folder named name inside the open folder, making it first (mode 0777 under the
// umask) when it is missing and make is set. A symbolic link at the name is followed only when
// follow is set; otherwise the open fails with ELOOP. Invalid with errno set.
Descriptor OpenFolderAt(int folder, const std::string& name, bool make, bool follow);

// What stands at the name inside the open folder, whose status info is, that a file written there
// must not be written through: "it led to <link text>" for a symbolic link, "it was a hard link"
// for a regular file with other names; empty otherwise.
std::string DescribeLinkAt(int folder, const std::string& name, const struct stat& info);

// Takes a symbolic link, or a regular file that has other names, away from the name inside the
// open folder, so that a file written there is a file of its own and the file the link led to
// stays as it was. removed says what was taken away ("it led to ...", "it was a hard link"),
// empty when nothing was. False with errno set when it could not be taken away.
bool RemoveLinkAt(int folder, const std::string& name, std::string& removed);

// Opens the file of the name inside the open folder for writing, made when missing (mode 0666
// under the umask) and never through a link: a symbolic link at the name fails with ELOOP, a
// regular file with other names with EMLINK, a folder with EISDIR, a fifo without a reader
// with ENXIO. The file's bytes stay; the caller empties it when it wants. Invalid with errno
// set.
Descriptor CreateFileAt(int folder, const std::string& name);

// CreateFileAt that takes a symbolic link or a file with other names away from the name first
// (RemoveLinkAt), so that the file made is one of its own; removed says what was taken away.
// Invalid with errno set.
Descriptor CreateOwnFileAt(int folder, const std::string& name, std::string& removed);

// CreateOwnFileAt at a host path: its folder, as the path names it, links followed, and the file
// inside it. Invalid with errno set.
Descriptor CreateOwnFile(const std::string& hostPath, std::string& removed);

// Opens the user's own trace folder (UserTempFolder), made mode 0700 when missing and given that
// mode when it has another. A symbolic link or a file at its name is taken away and the folder
// made; a folder or a link that another user owns is refused: refusal names it and errno is
// EACCES. Invalid with errno set.
Descriptor OpenUserTempFolder(std::string& refusal);

// Opens the folder at relative ("a/b", "" for the folder itself) in the user's own trace folder
// (OpenUserTempFolder): the folders on the way are opened without following a link, made where
// missing when make is set, and taken only when the user owns them; one another user owns fails
// with EACCES, and refusal names it. hostPath gets the folder's host path. Invalid with errno
// set.
Descriptor OpenUserTempSubfolder(const std::string& relative, bool make, std::string& refusal,
                                 std::string& hostPath);

// Opens for writing the file at relative ("a/b.txt") in the user's own trace folder, in its
// folder as OpenUserTempSubfolder opens it (none is made); the file is taken only when the user
// owns it and is made readable by the user only. A link or a file with other names at the file's
// name is taken away first (CreateOwnFileAt). A folder or file another user owns fails with EACCES,
// and refusal names it. The file's bytes stay; removed says what was taken away from the name.
// Invalid with errno set.
Descriptor CreateUserTempFile(const std::string& relative, std::string& refusal,
                              std::string& removed);

// Opens the folder at the host path for files of the user's own, made (mode 0777 under the
// umask) when missing and make is set: opened without following a link at its name, and taken
// only when it belongs to the user or to otherOwner (the owner of the file it serves). A link
// at the name or another user's folder is refused: refusal names it and errno is EACCES.
// Invalid with errno set.
Descriptor OpenOwnFolder(const std::string& hostPath, uid_t otherOwner, bool make,
                         std::string& refusal);
