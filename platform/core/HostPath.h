#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_set>

// The model stores paths in Windows form: "\" separators, drive letters and the fixed
// trace folder "C:\temp\". These functions are the one place that maps them to host paths.
//
// Mapping rules of ToHostPath:
// - a null or empty path gives "";
// - "C:\temp" and "C:\temp\..." (drive letter and "temp" in any case, either separator)
//   map to UserTempFolder() followed by the rest;
// - any other leading drive letter "X:" is dropped, so an absolute "D:\Work\a.wvt" becomes
//   "/Work/a.wvt" and a drive-relative "D:rel\x" becomes the relative "rel/x";
// - a UNC path "\\server\share\x" becomes "//server/share/x";
// - every "\" becomes "/"; a path already in POSIX form stays as it is.
std::string ToHostPath(const char* modelPath);

// The model's form of a host path, for a path the user chose or typed on the host: an absolute
// POSIX path gets the drive "C:" and "\" separators ("/home/a/" gives "C:\home\a\"), or the
// drive "D:" when it lies under "/temp" ("/temp/a" gives "D:\temp\a"), so that only the fixed
// trace folder maps to the temp folder; any other path is returned as it is. ToHostPath gives
// the host path back.
std::string ToModelPath(const char* hostPath);

// A host path ("/...") whose names hold a "\": the model keeps "\" as its separator, so it
// would lead to another file or folder.
bool HostNamesHoldBackslash(const char* path);
// Names the path and says that such names cannot be used; the caller adds what to do.
std::string BackslashNameRefusal(const char* path);

// The path with the current folder in front when it is relative, as a path named on the command
// line is; an absolute host path ("/..."), a model path with a drive letter or a leading "\"
// and an empty path stay as they are.
std::string AbsolutePath(const char* path);

// $TMPDIR when set and non-empty, else "/tmp"; without a trailing slash.
std::string HostTempFolder();
// The trace folder of this user: "KestraneWeavo-<user id>" in HostTempFolder(), so that users
// who share the temp folder never share its files. OpenUserTempFolder makes it.
std::string UserTempFolder();
// The part of a model path below the fixed trace folder, "/"-separated, without a leading "/"
// ("" for the folder itself); nothing when the path does not lie in that folder.
std::optional<std::string> TraceFolderRelativePath(const char* modelPath);

// Maps the path and creates every missing folder of it, like mkdir -p (mode 0777 under the
// umask); in the trace folder the user's own folder is made or checked first
// (OpenUserTempFolder). True when the folder exists at the end; false with errno kept when a
// folder cannot be made or a component is not a folder.
bool EnsureFolderChain(const char* modelPath);

// Makes the one host folder unless it is there already (a link to a folder is taken as it); its
// parent is not made. A file in its place fails with ENOTDIR, and a link that leads nowhere
// stays, nothing made where it points.
bool EnsureHostFolder(const std::string& hostFolder);

// EnsureFolderChain for the many files of one run of writes: each folder found or made is
// remembered and not looked at again. A folder removed meanwhile is not noticed, so one cache
// serves one run and is cleared or dropped after it. Failures are not remembered.
class FolderChainCache
{
public:
    bool Ensure(const char* modelPath);
    void Clear() { m_folders.clear(); }

private:
    std::unordered_set<std::string> m_folders;
};

// Called with each host folder that EnsureFolderChain or a FolderChainCache looks at or makes,
// and with each folder that a writer below an output root makes, before the file system is
// asked; lets tests count that work. None by default.
void SetFolderProbeObserver(std::function<void(const std::string& hostFolder)> observer);
// Tells the observer, when there is one, of the host folder.
void NoteFolderProbe(const std::string& hostFolder);

// The folder of the running executable, without a trailing separator; "" when it cannot be
// read.
std::string ProgramFolder();
