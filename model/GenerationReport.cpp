#include "model/GenerationReport.h"

#include "model/ProjectStore.h"
#include "model/TextFile.h"
#include "platform/core/FileCopy.h"
#include "platform/core/FileReplacementAt.h"
#include "platform/core/TemporaryName.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace
{
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
            failure = replacement.IsFolderRefusal() ? CString(std::strerror(errno)) +
                                                          ": its folder lets no file be made in it"
                                                    : CString(std::strerror(errno));
        if (failure.IsEmpty() && !replacement.WasUnchanged())
            NoteReplacedLink(path, replacement.GetReplacedLink());
    }
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
        RemoveLeftTemporaries(folder.descriptor, path);
    return folder;
}

void GenerationReport::RemoveLeftTemporaries(int folder, const CString& path)
{
    struct stat info;
    if (::fstat(folder, &info) != 0 || !m_swept.insert({info.st_dev, info.st_ino}).second)
        return;
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (entries == nullptr)
    {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    const std::string hostPath = NormalHostPath(path);
    const std::string hostFolder = hostPath.substr(0, hostPath.rfind('/') + 1);
    while (const dirent* entry = ::readdir(entries))
    {
        const std::optional<TemporaryName> name = ReadTemporaryName(entry->d_name);
        if (!name || IsProgramProcess(name->pid))
            continue;
        const Descriptor file(::openat(::dirfd(entries), entry->d_name,
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        // Another user's runs are theirs to clean up.
        if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || ProjectStore::IsProjectFile(file.Get()))
            continue;
        if (::unlinkat(::dirfd(entries), entry->d_name, 0) != 0)
            AddNote("These files that writes killed part way left could not be removed:",
                    (hostFolder + entry->d_name).c_str(), std::strerror(errno));
    }
    ::closedir(entries);
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
    const bool begun = replacement.Begin(folder.descriptor, name, 0666, hold, expected,
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
    if (CopyFileAt(source, folder.descriptor, name, overwrite ? FALSE : TRUE) ||
        (!overwrite && errno == EEXIST))
    {
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
    TextFile log(logPath, /*flush=*/false, '=', 60, /*disabled=*/false, /*append=*/false);
    log.Write(0, "%s", fullText);
    log.Close();
    return WithLogLine(text, logPath, /*linesLeftOut=*/true, log.GetFailure());
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
