#include "merge/MergeReportFiles.h"

#include "model/TextFile.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace
{
// The folder part of a model path, without its last separator; empty without a folder.
CString FolderOf(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash > 0 ? path.Left(slash) : CString();
}
} // namespace

FILE* MergeReportFiles::Open(TextFile& writer, const CString& path)
{
    Close(writer);
    File& file = RecordOf(path);
    const CString folder = FolderOf(path);
    CString folderFailure;
    if (!folder.IsEmpty() && !EnsureFolderChain(folder))
        folderFailure = std::strerror(errno);
    FILE* opened = writer.Open(path);
    if (opened == nullptr)
    {
        file.opened = false;
        file.written = false;
        if (file.failure.IsEmpty())
            file.failure = !folderFailure.IsEmpty() ? folderFailure : writer.GetOpenError();
        return nullptr;
    }
    if (!writer.GetReplacedLink().empty())
        file.replacedLink = writer.GetReplacedLink();
    m_openWriters[&writer] = static_cast<std::size_t>(&file - m_files.data());
    return opened;
}

void MergeReportFiles::Close(TextFile& writer)
{
    const auto found = m_openWriters.find(&writer);
    if (found == m_openWriters.end())
        return;
    File& file = m_files[found->second];
    m_openWriters.erase(found);
    writer.Close();
    const CString failure = writer.GetFailure();
    if (failure.IsEmpty() && file.failure.IsEmpty())
    {
        file.written = file.opened;
        return;
    }
    file.written = false;
    if (file.failure.IsEmpty())
        file.failure = failure;
}

std::vector<const MergeReportFiles::File*> MergeReportFiles::GetFailedFiles() const
{
    std::vector<const File*> failed;
    for (const File& file : m_files)
    {
        if (!file.opened || !file.written)
            failed.push_back(&file);
    }
    return failed;
}

const MergeReportFiles::File* MergeReportFiles::FindFile(const CString& path) const
{
    const auto found =
        std::ranges::find_if(m_files, [&path](const File& file) { return file.path == path; });
    return found == m_files.end() ? nullptr : &*found;
}

MergeReportFiles::File& MergeReportFiles::RecordOf(const CString& path)
{
    const auto found =
        std::ranges::find_if(m_files, [&path](const File& file) { return file.path == path; });
    if (found != m_files.end())
        return *found;
    File& file = m_files.emplace_back();
    file.path = path;
    file.hostPath = ToHostPath(path);
    file.opened = true;
    return file;
}
