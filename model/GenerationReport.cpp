#include "model/GenerationReport.h"

#include "model/ProjectStore.h"
#include "model/TextFile.h"
#include "platform/core/FileCopy.h"
#include "platform/core/FileReplacementAt.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"
#include "platform/core/LeftTemporaryAt.h"
#include "platform/core/TemporaryName.h"
#include "platform/core/UserNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
// The kinds of file written here and the rules their writers keep.
const FileWriterRegistration writeAllLogWriter("Write All log", replacesLinks | wholeOnFullDisk |
                                                                    usersOwnOnly |
                                                                    usersOwnFolderOnly);
const FileWriterRegistration outputTreeWriter("output tree",
                                              replacesLinks | wholeOnFullDisk | wholeAfterKill);
const FileWriterRegistration supportCopyWriter("support-file copy", replacesLinks | wholeAfterKill);
const FileWriterRegistration sweepWriter("sweep", leavesLinks | usersOwnOnly);

constexpr const char* kLeftTemporariesHeading =
    "These files that writes killed part way left could not be removed:";
// Where the file system has no locks, a temporary unchanged for this long is no live write's.
constexpr std::time_t kLeftTemporaryAge = 5 * 60;

// The entries of the open folder named as temporaries (TemporaryNameFor).
std::vector<std::string> TemporaryNamesIn(int folder)
{
    std::vector<std::string> names;
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (entries == nullptr)
    {
        if (listed >= 0)
            ::close(listed);
        return names;
    }
    while (const dirent* entry = ::readdir(entries))
        if (ReadTemporaryName(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(entries);
    return names;
}

// The section's heading and entries, the first of them while the budget of lines lasts, then
// the count of the rest.
void AppendSection(CString& text, const CString& heading,
                   const std::vector<GenerationReport::Entry>& entries, bool hostPaths,
                   std::size_t& budget)
{
    if (entries.empty())
        return;
    if (!text.IsEmpty())
        text += "\n";
    text += heading;
    // Each section shows its first line at least.
    const std::size_t shown = std::min(entries.size(), std::max<std::size_t>(budget, 1));
    for (std::size_t index = 0; index < shown; ++index)
    {
        const GenerationReport::Entry& entry = entries[index];
        const CString name = hostPaths ? CString(ToHostPath(entry.name).c_str()) : entry.name;
        text += "\n" + name + " (" + entry.reason + ")";
    }
    budget -= std::min(budget, shown);
    if (shown < entries.size())
    {
        CString rest;
        rest.Format("\nand %d more", static_cast<int>(entries.size() - shown));
        text += rest;
    }
}
} // namespace

void GenerationReport::AddUnwrittenFile(const CString& path, const CString& reason)
{
    m_unwrittenFiles.push_back({path, reason});
}

void GenerationReport::AddSkippedPage(const CString& page, const CString& reason)
{
    m_skippedPages.push_back({page, reason});
}

void GenerationReport::AddNote(const CString& heading, const CString& name, const CString& reason)
{
    auto note = std::ranges::find(m_notes, heading, &Note::heading);
    if (note == m_notes.end())
        note = m_notes.insert(m_notes.end(), Note{heading, {}});
    note->entries.push_back({name, reason});
}

bool GenerationReport::RecordFile(const CString& path, const TextFile& file)
{
    CString failure = file.GetFailure();
    if (const auto pending = m_replacements.find(&file); pending != m_replacements.end())
    {
        FileReplacementAt replacement = std::move(pending->second);
        m_replacements.erase(pending);
        // The file that stood there stays unless the whole new one takes its place.
        if (failure.IsEmpty() && !replacement.CommitWhole(file.GetCollected()))
        {
            failure = std::strerror(errno);
            if (replacement.IsFolderRefusal())
                failure += ": its folder lets no file be made in it";
            if (replacement.IsLeftCut())
                failure += "; its old text could not be put back, so it is cut";
        }
        if (failure.IsEmpty() && !replacement.WasUnchanged())
            NoteReplacedLink(path, replacement.GetReplacedLink());
    }
    else
        NoteReplacedLink(path, file.GetReplacedLink());
    if (failure.IsEmpty())
    {
        ++m_writtenCount;
        KeepFile(path);
        return true;
    }
    AddUnwrittenFile(path, failure);
    return false;
}

void GenerationReport::DropFile(TextFile& file)
{
    file.Close();
    // The replacement's destructor removes the file made.
    m_replacements.erase(&file);
}

void GenerationReport::KeepFile(const CString& path)
{
    m_accounted.insert(NormalHostPath(path));
}

bool GenerationReport::HasAccountedFor(const CString& path) const
{
    return m_accounted.contains(NormalHostPath(path));
}

bool GenerationReport::MakeFolder(const CString& path)
{
    const OutputRoot::Folder folder = m_root.OpenFolder(path);
    if (!folder.refusal.IsEmpty())
        AddUnwrittenFile(path, folder.refusal);
    return folder.refusal.IsEmpty();
}

bool GenerationReport::MakeFolderQuietly(const CString& path)
{
    return m_root.OpenFolder(path).refusal.IsEmpty();
}

OutputRoot::Folder GenerationReport::OpenFolderOfFile(const CString& path, std::string& name)
{
    OutputRoot::Folder folder = m_root.OpenFolderOfFile(path, name);
    if (!folder.refusal.IsEmpty())
        AddUnwrittenFile(path, folder.refusal);
    else
        RemoveLeftTemporaries(folder.descriptor, path, name);
    return folder;
}

void GenerationReport::RemoveLeftTemporaries(int folder, const CString& path,
                                             const std::string& name)
{
    struct stat info;
    if (::fstat(folder, &info) != 0)
        return;
    const auto [found, first] = m_leftTemporaries.try_emplace({info.st_dev, info.st_ino});
    if (first)
        found->second = TemporaryNamesIn(folder);
    std::vector<std::string>& left = found->second;
    if (left.empty())
        return;
    const std::string hostPath = NormalHostPath(path);
    const std::string hostFolder = hostPath.substr(0, hostPath.rfind('/') + 1);
    std::erase_if(left,
                  [&](const std::string& entry)
                  {
                      if (!ReadTemporaryName(entry)->Replaces(name))
                          return false;
                      RemoveLeftTemporary(folder, hostFolder, entry);
                      return true;
                  });
}

void GenerationReport::RemoveLeftTemporary(int folder, const std::string& hostFolder,
                                           const std::string& entry)
{
    const LeftTemporaryAt left = FindLeftTemporaryAt(folder, entry, kLeftTemporaryAge);
    const CString where = (hostFolder + entry).c_str();
    // Another user's runs are theirs to clean up; what they left is said.
    if (left.state == LeftTemporaryAt::State::others)
        AddNote(kLeftTemporariesHeading, where,
                ("it belongs to another user, " + UserName(left.owner)).c_str());
    struct stat opened;
    struct stat named;
    // A project file's are left to its save; the file removed is the one locked.
    if (left.state != LeftTemporaryAt::State::own || ProjectStore::IsProjectFile(left.file.Get()) ||
        ::fstat(left.file.Get(), &opened) != 0 ||
        ::fstatat(folder, entry.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return;
    if (::unlinkat(folder, entry.c_str(), 0) != 0)
        AddNote(kLeftTemporariesHeading, where, std::strerror(errno));
}

bool GenerationReport::TakeLinkAway(const OutputRoot::Folder& folder, const std::string& name,
                                    const CString& path)
{
    std::string removed;
    if (!RemoveLinkAt(folder.descriptor, name, removed))
    {
        AddUnwrittenFile(path, CString("a link stands in its place: ") + std::strerror(errno));
        return false;
    }
    NoteReplacedLink(path, removed);
    return true;
}

void GenerationReport::NoteLost(const CString& path, const std::vector<std::string>& lost)
{
    if (lost.empty())
        return;
    std::string reason;
    for (const std::string& each : lost)
        reason += (reason.empty() ? "" : ", ") + each;
    AddNote("The files replaced at these names had what the new ones could not keep:",
            NormalHostPath(path).c_str(), reason.c_str());
}

void GenerationReport::NoteReplacedLink(const CString& path, const std::string& removed)
{
    if (!removed.empty())
        AddNote("These links were replaced by the files written:", NormalHostPath(path).c_str(),
                removed.c_str());
}

bool GenerationReport::OpenFile(TextFile& file, const CString& path)
{
    return OpenFile(file, path, FileReplacementAt::FolderHold::duplicate);
}

bool GenerationReport::SaveText(const CString& path, const CString& text)
{
    TextFile file(/*disabled=*/false, /*flush=*/false, '=', 60);
    // Nothing opens another folder before the file is recorded.
    if (!OpenFile(file, path, FileReplacementAt::FolderHold::borrow))
        return false;
    file.Write(0, "%s", text);
    file.Close();
    return RecordFile(path, file);
}

bool GenerationReport::OpenFile(TextFile& file, const CString& path,
                                FileReplacementAt::FolderHold hold)
{
    std::string name;
    const OutputRoot::Folder folder = OpenFolderOfFile(path, name);
    if (!folder.refusal.IsEmpty())
        return false;
    FileReplacementAt replacement;
    // A run over the output of an earlier one finds most names taken.
    const auto expected = m_lastFileReplaced ? FileReplacementAt::NameExpected::taken
                                             : FileReplacementAt::NameExpected::free;
    const mode_t mode = !m_root.IsSet() && TraceFolderRelativePath(path) ? S_IRUSR | S_IWUSR : 0666;
    const bool begun = replacement.Begin(folder.descriptor, name, mode, hold, expected,
                                         FileReplacementAt::Bytes::whole);
    m_lastFileReplaced = begun && replacement.IsReplacing();
    if (!begun && errno != EINVAL)
    {
        AddUnwrittenFile(path, std::strerror(errno));
        return false;
    }
    if (replacement.IsBegun())
    {
        // The whole text is compared with the file there before anything is written.
        file.Collect();
        m_replacements.insert_or_assign(&file, std::move(replacement));
        return true;
    }
    // A device or a pipe at the name is written through, as it stands.
    if (file.Open(CreateFileAt(folder.descriptor, name)) == nullptr)
    {
        RecordFile(path, file);
        return false;
    }
    return true;
}

bool GenerationReport::CopyFile(const CString& source, const CString& destination, bool overwrite)
{
    std::string name;
    const OutputRoot::Folder folder = OpenFolderOfFile(destination, name);
    if (!folder.refusal.IsEmpty())
        return false;
    // A file kept as it is, whatever other names it has, needs no link taken away.
    struct stat info;
    if (!overwrite && ::fstatat(folder.descriptor, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode))
    {
        KeepFile(destination);
        return true;
    }
    if (!TakeLinkAway(folder, name, destination))
        return false;
    std::vector<std::string> lost;
    if (CopyFileAt(source, folder.descriptor, name, overwrite ? FALSE : TRUE, &lost) ||
        (!overwrite && errno == EEXIST))
    {
        NoteLost(destination, lost);
        KeepFile(destination);
        return true;
    }
    AddUnwrittenFile(destination, std::strerror(errno));
    return false;
}

CString GenerationReport::GetText() const
{
    return Text(shownEntries);
}

CString GenerationReport::ClosingText(const CString& done, const CString& logPath) const
{
    const CString text = logPath.IsEmpty() ? GetText() : GetBoxText(logPath);
    if (!IsEmpty() || done.IsEmpty())
        return text;
    return text.IsEmpty() ? done : done + "\n\n" + text;
}

CString GenerationReport::GetFullText() const
{
    return Text(std::numeric_limits<std::size_t>::max());
}

CString GenerationReport::GetBoxText(const CString& logPath) const
{
    CString text = GetText();
    const CString fullText = GetFullText();
    if (text == fullText)
        return text;
    return WithLogWritten(text, logPath, /*linesLeftOut=*/true, fullText);
}

CString GenerationReport::WithLogWritten(const CString& text, const CString& logPath,
                                         bool linesLeftOut, const CString& logText)
{
    GenerationReport log;
    const bool written = log.SaveText(logPath, logText);
    const CString failure =
        written || log.m_unwrittenFiles.empty() ? CString() : log.m_unwrittenFiles.back().reason;
    const CString said = WithLogLine(text, logPath, linesLeftOut, failure);
    // The log's own failure is in its line; its notes follow.
    GenerationReport notes;
    notes.m_notes = std::move(log.m_notes);
    const CString noted = notes.GetText();
    if (noted.IsEmpty() || said.IsEmpty())
        return said + noted;
    return said + "\n" + noted;
}

CString GenerationReport::WithLogLine(const CString& text, const CString& logPath,
                                      bool linesLeftOut, const CString& failure)
{
    const CString where = ToHostPath(logPath).c_str();
    CString line;
    if (!failure.IsEmpty())
        line = linesLeftOut
                   ? "The list of every line could not be written to " + where + ": " + failure
                   : "The log " + where + " could not be written: " + failure;
    else if (linesLeftOut)
        line = "Every line is in " + where;
    if (line.IsEmpty() || text.IsEmpty())
        return text + line;
    return text + "\n" + line;
}

CString GenerationReport::Text(std::size_t limit) const
{
    CString text;
    std::size_t budget = limit;
    AppendSection(text, "These files could not be written:", m_unwrittenFiles,
                  /*hostPaths=*/true, budget);
    AppendSection(text, "These pages were skipped:", m_skippedPages, /*hostPaths=*/false, budget);
    for (const Note& note : m_notes)
        AppendSection(text, note.heading, note.entries, /*hostPaths=*/false, budget);
    return text;
}

bool SaveTextFile(const CString& path, const CString& text, GenerationReport& report)
{
    return report.SaveText(path, text);
}
