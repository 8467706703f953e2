#pragma once

#include "model/OutputRoot.h"
#include "platform/core/CString.h"
#include "platform/core/FileReplacementAt.h"
#include "platform/core/HostPath.h"

#include <cstddef>
#include <map>
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class TextFile;

// What one run of the generators could not do: every file it could not write and every page it
// skipped, each with its reason. Writers add to it; the driver shows it once at the end. Notes
// tell what the user should know of a run that did not fail. It also remembers the folders the
// run made, so that each is made or looked at once, and, with an output root, refuses every
// file and folder outside it.
class GenerationReport
{
public:
    struct Entry
    {
        CString name;
        CString reason;
    };
    struct Note
    {
        CString heading;
        std::vector<Entry> entries;
    };

    void AddUnwrittenFile(const CString& path, const CString& reason);
    void AddSkippedPage(const CString& page, const CString& reason);
    // An entry under the heading, which is shown once; no failure of the run.
    void AddNote(const CString& heading, const CString& name, const CString& reason);
    // After the file was closed: records it when it did not open or a write failed, else counts
    // it as written; true when it was written. A file opened by OpenFile takes its name only
    // here, whole; a failed one leaves the file that stood there as it was. A file opened
    // elsewhere (TextFile::Open, a log written as it goes) is recorded by the same rule, and what
    // its open took away from the name (a link) is noted.
    bool RecordFile(const CString& path, const TextFile& file);
    // Closes a file opened by OpenFile that the run decided not to write: the file that stood
    // at its name stays as it was, a new one is removed, and nothing is counted.
    void DropFile(TextFile& file);

    // A file this run leaves as the user has it (a partial class that exists): accounted for as
    // a file written.
    void KeepFile(const CString& path);
    // This run wrote, copied or kept the file.
    bool HasAccountedFor(const CString& path) const;

    // The files recorded as written.
    std::size_t GetWrittenCount() const { return m_writtenCount; }
    // No file unwritten and no page skipped; notes do not count.
    bool IsEmpty() const { return m_unwrittenFiles.empty() && m_skippedPages.empty(); }
    const std::vector<Entry>& GetUnwrittenFiles() const { return m_unwrittenFiles; }
    const std::vector<Entry>& GetSkippedPages() const { return m_skippedPages; }
    const std::vector<Note>& GetNotes() const { return m_notes; }
    // The unwritten files (as host paths), the skipped pages and the notes, one a line with its
    // reason, for a message box: once shownEntries lines are shown, each section shows its first
    // line and the count of the rest.
    CString GetText() const;
    // The same with every line, for a log.
    CString GetFullText() const;
    // The closing message of a command that wrote through this report, one rule for every
    // writer: what could not be written or was skipped, with the notes, when anything was;
    // else done (the command's own words; empty for a command that shows no box on success)
    // followed by the notes. Empty when there is nothing to say.
    // With a log path, the text is GetBoxText's.
    CString ClosingText(const CString& done, const CString& logPath = CString()) const;
    // GetText for the run's closing box; when it leaves lines out, every line is in the log at
    // logPath, which the text then names (or why it could not be written).
    CString GetBoxText(const CString& logPath) const;
    // The text of a closing box with a line after it that names the run's log at logPath: where
    // every line is when the box leaves lines out, or the reason the log could not be written
    // (failure); the text alone otherwise.
    static CString WithLogLine(const CString& text, const CString& logPath, bool linesLeftOut,
                               const CString& failure);
    // Writes the log text whole at logPath (SaveText), then gives the text with the line of
    // WithLogLine and, after it, what the log's write noted (a link it replaced).
    static CString WithLogWritten(const CString& text, const CString& logPath, bool linesLeftOut,
                                  const CString& logText);
    static constexpr std::size_t shownEntries = 10;

    // From here on only files and folders below this folder are written (see OutputRoot).
    void SetOutputRoot(const CString& modelRoot) { m_root.Set(modelRoot); }
    // A folder below the output root that may be a link the user made (see OutputRoot).
    void FollowLinkAt(const CString& modelFolder) { m_root.FollowLinkAt(modelFolder); }
    bool HasOutputRoot() const { return m_root.IsSet(); }
    // Makes the folder with every missing folder on its way; a refused folder or one that cannot
    // be made is recorded with the reason. True when it exists.
    bool MakeFolder(const CString& path);
    // MakeFolder that records nothing, for a folder whose files will tell of it.
    bool MakeFolderQuietly(const CString& path);
    // EnsureFolderChain, following links, that looks at each folder once while this report's run
    // lasts: for the folders above the output root, which the user chose.
    bool MakeFolderChain(const CString& path) { return m_folders.Ensure(path); }
    // Opens the file for writing through the output root, under a temporary name beside it that
    // RecordFile renames over the name (FileReplacementAt): a link or a file with other names at
    // its path is replaced (noted) and never written through. A failure is recorded with its
    // reason. True when the file is open. Without a root, a file of the trace folder is made
    // readable by the user only.
    bool OpenFile(TextFile& file, const CString& path);
    // Opens the file as OpenFile does, writes the text as the whole file and records it; true
    // when it was written.
    bool SaveText(const CString& path, const CString& text);
    // Copies the source file to the destination through the output root, keeping an existing
    // destination unless overwrite is set (which is no failure); a link at the destination is
    // replaced (noted). A copy not made is recorded with its reason.
    bool CopyFile(const CString& source, const CString& destination, bool overwrite);
    // Notes what was taken away from the file's name ("it was a hard link"), the path a model
    // path; nothing when it is empty.
    void NoteReplacedLink(const CString& path, const std::string& removed);
    // Notes an entry that a folder walk did not copy (a link, a named pipe), with the reason.
    void NoteSkippedEntry(const CString& path, const CString& reason)
    {
        AddNote("These entries were not copied:", path, reason);
    }
    // Forgets the folders made, for a new run.
    void ForgetFolders()
    {
        m_folders.Clear();
        m_leftTemporaries.clear();
    }

private:
    CString Text(std::size_t limit) const;
    bool OpenFile(TextFile& file, const CString& path, FileReplacementAt::FolderHold hold);
    // The open folder of the file; a refusal is recorded.
    OutputRoot::Folder OpenFolderOfFile(const CString& path, std::string& name);
    // Takes a link at the file's name away (noted); a failure is recorded.
    bool TakeLinkAway(const OutputRoot::Folder& folder, const std::string& name,
                      const CString& path);
    // Removes the temporaries of the file of that name, in the open folder, that writes killed
    // part way left (those whose lock no live writer holds, LeftTemporaryAt): only names a run
    // makes for a file it writes there, as the folder held them when the run first came to it;
    // a project file's are left to its save. Another user's, and one that cannot be removed, are
    // noted.
    void RemoveLeftTemporaries(int folder, const CString& path, const std::string& name);
    void RemoveLeftTemporary(int folder, const std::string& hostFolder, const std::string& entry);
    // Notes what of the file replaced at the path the new one could not keep.
    void NoteLost(const CString& path, const std::vector<std::string>& lost);

    OutputRoot m_root;
    FolderChainCache m_folders;
    std::vector<Entry> m_unwrittenFiles;
    std::vector<Entry> m_skippedPages;
    std::vector<Note> m_notes;
    std::size_t m_writtenCount = 0;
    // The file opened last replaced one.
    bool m_lastFileReplaced = false;
    // The files open for writing under a temporary name, until RecordFile.
    std::unordered_map<const TextFile*, FileReplacementAt> m_replacements;
    // The folders (device and inode) the run came to, each with the temporaries' names it held
    // then that no file of the run has yet been written for.
    std::map<std::pair<dev_t, ino_t>, std::vector<std::string>> m_leftTemporaries;
    // The normal host paths of the files written, copied or kept.
    std::unordered_set<std::string> m_accounted;
};

// GenerationReport::SaveText.
bool SaveTextFile(const CString& path, const CString& text, GenerationReport& report);
