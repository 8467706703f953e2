#include "gen_web/EnumerateFolders.h"

#include "model/GenerationReport.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <utility>
#include <vector>

namespace
{
bool EndsWithSeparator(const CString& path)
{
    return !path.IsEmpty() && (path.Right(1) == "\\" || path.Right(1) == "/");
}

CString WithSeparator(const CString& path)
{
    return EndsWithSeparator(path) ? path : path + "\\";
}

// The path up to and with its last separator.
CString FolderOf(const CString& path)
{
    const int last = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Left(last + 1);
}

struct Entry
{
    std::string name;
    enum class Kind
    {
        Folder,
        File,
        Skipped
    } kind;
    // Why a skipped entry is not walked.
    std::string reason;
};

// The entries of the folder, sorted by name: folders and regular files, and, skipped, symbolic
// links (never followed) and whatever else stands there.
std::vector<Entry> ListEntries(const CString& folder)
{
    namespace fs = std::filesystem;
    std::vector<Entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(ToHostPath(folder), error), end; !error && it != end;
         it.increment(error))
    {
        std::error_code statusError;
        const fs::file_status status = it->symlink_status(statusError);
        std::string name = it->path().filename().string();
        if (fs::is_directory(status))
            entries.push_back({std::move(name), Entry::Kind::Folder, {}});
        else if (fs::is_regular_file(status))
            entries.push_back({std::move(name), Entry::Kind::File, {}});
        else if (fs::is_symlink(status))
        {
            std::error_code linkError;
            entries.push_back({std::move(name), Entry::Kind::Skipped,
                               "a link to " + fs::read_symlink(it->path(), linkError).string()});
        }
        else if (!statusError)
            entries.push_back({std::move(name), Entry::Kind::Skipped, "not a regular file"});
    }
    std::ranges::sort(entries, {}, &Entry::name);
    return entries;
}
} // namespace

int EnumerateFolders::Walk(const CString& folder)
{
    m_root = WithSeparator(folder);
    m_walking.clear();
    if (!m_followRootLink)
    {
        std::string hostRoot = ToHostPath(m_root);
        while (hostRoot.size() > 1 && hostRoot.back() == '/')
            hostRoot.pop_back();
        if (const std::optional<std::string> link = LinkText(hostRoot))
        {
            OnSkipped(m_root, ("a link to " + *link).c_str());
            return 1;
        }
    }
    if (!Enter(m_root))
        return 1;
    const int result = WalkFolder(m_root);
    m_walking.clear();
    return result;
}

void EnumerateFolders::SkipFolder(const CString& folder)
{
    struct stat info;
    if (::stat(ToHostPath(folder).c_str(), &info) == 0)
        m_skipped.emplace_back(info.st_dev, info.st_ino);
}

bool EnumerateFolders::Enter(const CString& folder)
{
    struct stat info;
    if (::stat(ToHostPath(folder).c_str(), &info) != 0)
        return false;
    const FolderId id(info.st_dev, info.st_ino);
    if (std::ranges::find(m_skipped, id) != m_skipped.end() ||
        std::ranges::find(m_walking, id) != m_walking.end())
        return false;
    m_walking.push_back(id);
    return true;
}

int EnumerateFolders::WalkFolder(const CString& folder)
{
    for (const Entry& entry : ListEntries(folder))
    {
        if (entry.kind == Entry::Kind::Skipped)
        {
            OnSkipped(folder + entry.name, entry.reason.c_str());
        }
        else if (entry.kind == Entry::Kind::Folder)
        {
            const CString subFolder = folder + entry.name + "\\";
            if (!Enter(subFolder))
                continue;
            const int result = OnFolder(subFolder) == 0 ? 0 : WalkFolder(subFolder);
            m_walking.pop_back();
            if (result == 0)
                return 0;
        }
        else if (OnFile(folder + entry.name) == 0)
        {
            return 0;
        }
    }
    return 1;
}

int EnumerateFolders::OnFolder(const CString&)
{
    return 1;
}

int EnumerateFolders::OnFile(const CString&)
{
    return 1;
}

void EnumerateFolders::OnSkipped(const CString&, const CString&) {}

CString EnumerateFolders::RelativePath(const CString& path) const
{
    return path.Left(m_root.GetLength()) == m_root ? path.Mid(m_root.GetLength()) : path;
}

MirroringEnumerateFolders::MirroringEnumerateFolders(ForgeonProject* project, CString sourceRoot,
                                                     CString destinationRoot, bool overwrite,
                                                     GenerationReport& report)
    : m_project(project), m_sourceRoot(WithSeparator(sourceRoot)),
      m_destinationRoot(WithSeparator(destinationRoot)), m_overwrite(overwrite), m_report(report)
{
}

int MirroringEnumerateFolders::Run()
{
    m_destination = m_destinationRoot;
    MakeDestinationFolder();
    // A source that holds its destination is not copied into itself.
    SkipFolder(m_destinationRoot);
    return Walk(m_sourceRoot);
}

int MirroringEnumerateFolders::OnFolder(const CString& folderPath)
{
    SetDestinationFor(folderPath);
    return 1;
}

int MirroringEnumerateFolders::OnFile(const CString& filePath)
{
    SetDestinationFor(FolderOf(filePath));
    const int last = std::max(filePath.ReverseFind('\\'), filePath.ReverseFind('/'));
    m_report.CopyFile(filePath, m_destination + filePath.Mid(last + 1), m_overwrite);
    return 1;
}

void MirroringEnumerateFolders::OnSkipped(const CString& path, const CString& reason)
{
    m_report.NoteSkippedEntry(path, reason);
}

void MirroringEnumerateFolders::SetDestinationFor(const CString& sourceFolder)
{
    const CString destination = m_destinationRoot + MapRelativeFolder(RelativePath(sourceFolder));
    if (destination == m_destination)
        return;
    m_destination = destination;
    MakeDestinationFolder();
}

int MirroringEnumerateFolders::MakeDestinationFolder()
{
    m_report.MakeFolderQuietly(m_destination);
    return 1;
}
