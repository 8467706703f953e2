#include "merge/MergeReportFiles.h"

#include "model/TextFile.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace
{
// The kinds of file written here and the rules their writers keep.
const FileWriterRegistration mergeReportWriter("merge report", replacesLinks | wholeOnFullDisk |
                                                                   usersOwnOnly |
                                                                   usersOwnFolderOnly);
const FileWriterRegistration mergeLogWriter("merge log",
                                            replacesLinks | usersOwnOnly | usersOwnFolderOnly);

// The folder part of a model path, without its last separator; empty without a folder.
CString FolderOf(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash > 0 ? path.Left(slash) : CString();
}
} // namespace

bool MergeReportFiles::Open(TextFile& writer, const CString& path)
{
    Close(writer);
    File& file = RecordOf(path);
    if (!m_report.OpenFile(writer, path))
    {
        RecordFailure(file, /*atOpen=*/true);
        return false;
    }
    m_openWriters[&writer] = static_cast<std::size_t>(&file - m_files.data());
    return true;
}

bool MergeReportFiles::OpenLog(TextFile& writer, const CString& path)
{
    Close(writer);
    File& file = RecordOf(path);
    const CString folder = FolderOf(path);
    CString folderFailure;
    if (!folder.IsEmpty() && !EnsureFolderChain(folder))
        folderFailure = std::strerror(errno);
    if (writer.Open(path) == nullptr)
    {
        if (!folderFailure.IsEmpty())
            m_report.AddUnwrittenFile(path, folderFailure);
        else
            m_report.RecordFile(path, writer);
        RecordFailure(file, /*atOpen=*/true);
        return false;
    }
    m_openWriters[&writer] = static_cast<std::size_t>(&file - m_files.data());
    return true;
}

void MergeReportFiles::Close(TextFile& writer)
{
    const auto found = m_openWriters.find(&writer);
    if (found == m_openWriters.end())
        return;
    File& file = m_files[found->second];
    m_openWriters.erase(found);
    writer.Close();
    if (!m_report.RecordFile(file.path, writer))
        RecordFailure(file, /*atOpen=*/false);
    else
        file.written = file.opened;
}

void MergeReportFiles::CloseAll()
{
    while (!m_openWriters.empty())
        Close(*m_openWriters.begin()->first);
}

void MergeReportFiles::RecordFailure(File& file, bool atOpen)
{
    if (atOpen)
        file.opened = false;
    file.written = false;
    if (file.failure.IsEmpty() && !m_report.GetUnwrittenFiles().empty())
        file.failure = m_report.GetUnwrittenFiles().back().reason;
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
