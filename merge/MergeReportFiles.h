#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

class TextFile;

// Opens and closes the report and log files of one merge run and remembers, per file, where it
// lies on the host and whether it could be opened and written, so that the run can tell the user
// at its end. A file that cannot be opened stops nothing: its writer keeps the text in its
// buffer.
class MergeReportFiles
{
public:
    struct File
    {
        // As the merge names it, for example "C:\temp\Report_x.txt".
        CString path;
        std::string hostPath;
        // Every open of the file succeeded.
        bool opened = false;
        // Every open succeeded and every close wrote all the text.
        bool written = false;
        // The host's reason of the first failure; empty while all went well.
        CString failure;
        // What an open took away from the file's name (TextFile::GetReplacedLink).
        std::string replacedLink;
    };

    MergeReportFiles() = default;
    MergeReportFiles(const MergeReportFiles&) = delete;
    MergeReportFiles& operator=(const MergeReportFiles&) = delete;

    // Makes the missing folders of the path, then opens the writer on it (TextFile::Open; a
    // writer already open on another file of the run is closed here first). Null when the file
    // could not be opened.
    FILE* Open(TextFile& writer, const CString& path);
    // Closes the writer and records whether its text reached the file; nothing for a writer
    // that this service did not open. Every writer it opened is closed here before it goes.
    void Close(TextFile& writer);

    // In the order first opened; a file opened again keeps its place.
    const std::vector<File>& GetFiles() const { return m_files; }
    // The files not opened or not fully written; asked once the run has closed its writers.
    std::vector<const File*> GetFailedFiles() const;
    // Null when the run opened no file of that path.
    const File* FindFile(const CString& path) const;

private:
    File& RecordOf(const CString& path);

    std::vector<File> m_files;
    // The writers open now, each with the index of its file.
    std::unordered_map<const TextFile*, std::size_t> m_openWriters;
};
